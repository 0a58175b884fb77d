#include "planner/rows_model.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>
#include <cstdlib>

#include "report/text_layout.h"

namespace orbitas::planner {

RowsModel::RowsModel(std::vector<std::string> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

void RowsModel::SetRows(std::vector<report::ViewRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int RowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RowsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant RowsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const std::vector<report::ViewCell>& cells = rows_[static_cast<std::size_t>(index.row())].cells;
  if (static_cast<std::size_t>(index.column()) >= cells.size()) return {};
  const report::ViewCell& cell = cells[static_cast<std::size_t>(index.column())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return QString::fromStdString(cell.text);
    case SortRole:
      return cell.key ? QVariant(*cell.key) : QVariant(QString::fromStdString(cell.text));
    case ValueRole:
      return QString::fromStdString(cell.value);
    default:
      return {};
  }
}

namespace {

// A heading of two words or more in two lines, broken at the space
// nearest its middle ("Visible\ndesde"): the columns stay as narrow as
// their times.
QString TwoLines(QString heading) {
  int best = -1;
  for (int k = heading.indexOf(QLatin1Char(' ')); k >= 0; k = heading.indexOf(QLatin1Char(' '), k + 1)) {
    if (best < 0 || std::abs(2 * k - heading.size()) < std::abs(2 * best - heading.size())) best = k;
  }
  if (best >= 0) heading[best] = QLatin1Char('\n');
  return heading;
}

}  // namespace

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  const QString heading = QString::fromStdString(columns_[static_cast<std::size_t>(section)]);
  switch (role) {
    case Qt::DisplayRole: return TwoLines(heading);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
    case ValueRole: return heading;
    default: return {};
  }
}

void FitColumns(QTableView* table, int stretch, int widestChars) {
  QHeaderView* header = table->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->setHighlightSections(false);  // a bold heading would outgrow its column
  header->setSectionResizeMode(stretch, QHeaderView::Stretch);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->verticalHeader()->hide();
  // Long texts wrap rather than be cut: the columns stay narrow enough for
  // the whole table to show without scrolling sideways.
  table->setWordWrap(true);
  table->setTextElideMode(Qt::ElideNone);
  // Tab goes on to the next control; the arrows move inside the table.
  table->setTabKeyNavigation(false);
  const auto fit = [table, stretch, widestChars] {
    const int widest = widestChars > 0 ? table->fontMetrics().averageCharWidth() * widestChars : QWIDGETSIZE_MAX;
    const int least = table->fontMetrics().averageCharWidth() * 14;  // the stretched column's
    int sum = least;
    for (int column = 0; column < table->model()->columnCount(); ++column) {
      if (column == stretch || table->isColumnHidden(column)) continue;
      table->resizeColumnToContents(column);
      // Narrowed to widest, never under its heading's longest line.
      int heading = 0;
      for (const QString& line : table->model()->headerData(column, Qt::Horizontal).toString().split(QLatin1Char('\n'))) {
        heading = std::max(heading, table->horizontalHeader()->fontMetrics().horizontalAdvance(line) + 14);
      }
      if (table->columnWidth(column) > std::max(widest, heading)) table->setColumnWidth(column, std::max(widest, heading));
      sum += table->columnWidth(column);
    }
    table->setMinimumWidth(sum + table->verticalScrollBar()->sizeHint().width() + 2 * table->frameWidth());
  };
  QObject::connect(table->model(), &QAbstractItemModel::modelReset, table, fit);
  QObject::connect(header, &QHeaderView::sectionCountChanged, table, fit);
}

QTableView* SortableRowsTable(QAbstractItemModel* model, const QString& accessibleName, int stretch, int widestChars) {
  auto* table = new QTableView;
  table->setModel(model);
  table->setSortingEnabled(true);
  table->sortByColumn(-1, Qt::AscendingOrder);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setAccessibleName(accessibleName);
  FitColumns(table, stretch, widestChars);
  return table;
}

std::string ViewCsv(const QAbstractItemModel& model) {
  std::string csv;
  const auto line = [&](auto cellText) {
    for (int column = 0; column < model.columnCount(); ++column) {
      csv += (column ? "," : "") + report::CsvField(cellText(column).toStdString());
    }
    csv += "\r\n";
  };
  line([&](int column) {
    const QVariant heading = model.headerData(column, Qt::Horizontal, RowsModel::ValueRole);
    return heading.isValid() ? heading.toString() : model.headerData(column, Qt::Horizontal).toString();
  });
  for (int row = 0; row < model.rowCount(); ++row) {
    line([&](int column) { return model.data(model.index(row, column), RowsModel::ValueRole).toString(); });
  }
  return csv;
}

}  // namespace orbitas::planner

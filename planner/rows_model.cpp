#include "planner/rows_model.h"

#include <QHeaderView>

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

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  return QString::fromStdString(columns_[static_cast<std::size_t>(section)]);
}

void FitColumns(QTableView* table, int stretch) {
  QHeaderView* header = table->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::ResizeToContents);
  header->setSectionResizeMode(stretch, QHeaderView::Stretch);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->verticalHeader()->hide();
  table->setWordWrap(false);
}

QTableView* SortableRowsTable(QAbstractItemModel* model, const QString& accessibleName, int stretch) {
  auto* table = new QTableView;
  table->setModel(model);
  table->setSortingEnabled(true);
  table->sortByColumn(-1, Qt::AscendingOrder);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setAccessibleName(accessibleName);
  FitColumns(table, stretch);
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
  line([&](int column) { return model.headerData(column, Qt::Horizontal).toString(); });
  for (int row = 0; row < model.rowCount(); ++row) {
    line([&](int column) { return model.data(model.index(row, column), RowsModel::ValueRole).toString(); });
  }
  return csv;
}

}  // namespace orbitas::planner

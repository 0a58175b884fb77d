#pragma once
// A table of the report's rows for a view: each cell's text, sorted by its
// key where it has one (SortRole), its value for a file (ValueRole), and
// each row's event or eclipse (row(k).source): a tab reads its rows here
// and keeps no list beside them.
#include <QAbstractTableModel>
#include <QTableView>
#include <string>
#include <vector>

#include "report/view_rows.h"

namespace orbitas::planner {

class RowsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int SortRole = Qt::UserRole + 1;
  static constexpr int ValueRole = Qt::UserRole + 2;

  explicit RowsModel(std::vector<std::string> columns, QObject* parent = nullptr);

  void SetRows(std::vector<report::ViewRow> rows);
  const report::ViewRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }
  const std::vector<report::ViewRow>& rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  std::vector<std::string> columns_;
  std::vector<report::ViewRow> rows_;
};

// A table's columns as wide as their texts (at most widestChars average
// characters when given, their texts then wrapped), stretch taking the
// room left (its texts wrapped, never cut), headings of two words in two
// lines; Tab leaves the table, the arrows move in it.
void FitColumns(QTableView* table, int stretch, int widestChars = 0);

// A table of whole rows over model, sortable by a click on a heading and
// shown first in the model's order, its columns fitted (FitColumns).
QTableView* SortableRowsTable(QAbstractItemModel* model, const QString& accessibleName, int stretch,
                              int widestChars = 0);

// The rows of model as the view shows them (after sorting and filtering),
// with its headings in one line, as CSV (RFC 4180, CRLF line ends): each cell's value
// for a file (ValueRole: numbers with a point and a hyphen, instants in
// ISO 8601), which a spreadsheet reads as numbers and times.
std::string ViewCsv(const QAbstractItemModel& model);

}  // namespace orbitas::planner

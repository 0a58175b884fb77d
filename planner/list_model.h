#pragma once
// The table of "Mi lista": each item with its kind, its best moment on
// the night chosen (a planet's or a shower's from that night's table, an
// event's own instant), its altitude and azimuth then where known, what
// the night's table says of it, and the observer's note, which is edited
// in place.
#include <QAbstractTableModel>
#include <optional>
#include <string>
#include <vector>

#include "planner/observing_list.h"

namespace orbitas::planner {

enum class ListColumn { Item, Kind, Best, Altitude, Azimuth, Tonight, Note, Count };

// The night an item is looked for in: its rows as the night's table has
// them, in its place's zone.
struct ListNight {
  TimeZone zone;
  std::string date;  // the local date whose evening starts it, "2026-12-10"
  std::vector<report::ViewRow> rows;
};

// One row of the list's table.
struct ListRow {
  std::size_t item = 0;           // its place in the list
  std::optional<Instant> time;    // the best moment, when it has one
  std::vector<report::ViewCell> cells;  // one a column but the note
  std::string note;
};

// The rows of items on night (none yet: the events' instants alone, in
// UTC), ordered by their best moment; those without one last, in the
// order they were added, saying why. Raises nothing.
std::vector<ListRow> ListRows(const std::vector<ListItem>& items, const std::optional<ListNight>& night);

class ListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ListModel(QObject* parent = nullptr);

  void SetRows(std::vector<ListRow> rows);
  const std::vector<ListRow>& rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // Each cell's text (DisplayRole), its value for a file (RowsModel::ValueRole).
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  // The note's column alone is editable; a new note is told by noteEdited.
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 signals:
  void noteEdited(std::size_t item, const QString& note);

 private:
  std::vector<ListRow> rows_;
};

}  // namespace orbitas::planner

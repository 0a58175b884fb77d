#include "planner/list_model.h"

#include <algorithm>

#include "planner/rows_model.h"
#include "session/clock_words.h"

namespace orbitas::planner {
namespace {

const char* const None = "—";
const char* const Headings[] = {"Objeto", "Tipo", "Mejor momento", "Altura", "Azimut", "Esta noche", "Nota"};
static_assert(std::size(Headings) == static_cast<std::size_t>(ListColumn::Count));

report::ViewCell Plain(const std::string& text) { return {text, std::nullopt, text}; }

const report::ViewCell& CellOf(const report::ViewRow& row, report::NightColumn column) {
  return row.cells[static_cast<std::size_t>(column)];
}

// The night's row of a planet's or a shower's item, or none.
const report::ViewRow* NightRowOf(const ListItem& item, const ListNight& night) {
  for (const report::ViewRow& row : night.rows) {
    const bool shower = !row.body && !row.source;
    if (item.kind == ListKind::Planet && row.body && row.body == item.body()) return &row;
    if (item.kind == ListKind::Shower && shower && !row.cells.empty() && ShowerId(row.cells.front().text) == item.id) {
      return &row;
    }
  }
  return nullptr;
}

// The best moment's, altitude's, azimuth's and the night's columns of an
// item looked for in night.
void FillFromNight(ListRow& shown, const ListItem& item, const std::optional<ListNight>& night) {
  const report::ViewRow* row = night ? NightRowOf(item, *night) : nullptr;
  if (!row) {
    const std::string why = !night                          ? "Se calcula al elegir un lugar"
                            : item.kind == ListKind::Shower ? "No está activa esta noche"
                                                            : "No está en la tabla de esta noche";
    shown.cells.insert(shown.cells.end(), {Plain(None), Plain(None), Plain(None), Plain(why)});
    return;
  }
  shown.time = row->time;
  if (row->time) {
    shown.cells.push_back({MinuteWithWeekday(night->zone, *row->time), row->time->ut, night->zone.LocalIso(*row->time)});
  } else {
    shown.cells.push_back(Plain(None));
  }
  for (const report::NightColumn column :
       {report::NightColumn::Altitude, report::NightColumn::Azimuth, report::NightColumn::Notes}) {
    shown.cells.push_back(CellOf(*row, column));
  }
}

}  // namespace

std::vector<ListRow> ListRows(const std::vector<ListItem>& items, const std::optional<ListNight>& night) {
  std::vector<ListRow> rows;
  const TimeZone zone = night ? night->zone : TimeZone();
  for (std::size_t k = 0; k < items.size(); ++k) {
    const ListItem& item = items[k];
    ListRow shown;
    shown.item = k;
    shown.note = item.note;
    shown.cells = {Plain(item.name), Plain(KindName(item.kind).toStdString())};
    if (item.entry) {
      const Instant at = item.entry->start;
      shown.time = at;
      shown.cells.push_back({MinuteWithWeekday(zone, at), at.ut, zone.LocalIso(at)});
      shown.cells.insert(shown.cells.end(), {Plain(None), Plain(None), Plain(None)});
    } else if (item.kind == ListKind::DeepSky) {
      shown.cells.insert(shown.cells.end(),
                         {Plain(None), Plain(None), Plain(None), Plain("Aún no se calcula en esta versión")});
    } else {
      FillFromNight(shown, item, night);
    }
    rows.push_back(std::move(shown));
  }
  // By the best moment; those without one after, as they were added.
  std::stable_sort(rows.begin(), rows.end(), [](const ListRow& a, const ListRow& b) {
    if (a.time.has_value() != b.time.has_value()) return a.time.has_value();
    return a.time && *a.time < *b.time;
  });
  return rows;
}

ListModel::ListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ListModel::SetRows(std::vector<ListRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int ListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(rows_.size()); }

int ListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(ListColumn::Count);
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const ListRow& row = rows_[static_cast<std::size_t>(index.row())];
  const bool note = index.column() == static_cast<int>(ListColumn::Note);
  const std::size_t column = static_cast<std::size_t>(index.column());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
      return QString::fromStdString(note ? row.note : row.cells[column].text);
    case RowsModel::ValueRole:
      return QString::fromStdString(note ? row.note : row.cells[column].value);
    default:
      return {};
  }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  return QString::fromUtf8(Headings[section]);
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
  const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  return index.column() == static_cast<int>(ListColumn::Note) ? flags | Qt::ItemIsEditable : flags;
}

bool ListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || index.column() != static_cast<int>(ListColumn::Note)) return false;
  ListRow& row = rows_[static_cast<std::size_t>(index.row())];
  // One line: the file keeps a line an item.
  const QString note = value.toString().simplified();
  row.note = note.toStdString();
  emit dataChanged(index, index);
  emit noteEdited(row.item, note);
  return true;
}

}  // namespace orbitas::planner

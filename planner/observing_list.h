#pragma once
// "Mi lista": what the observer has kept to look at, each thing once, with
// a note of their own, saved whole in the user's data folder on every
// change. A planet or a shower is looked for again on each night chosen;
// an event, an eclipse or a transit keeps its own instant and the calendar
// entry it had when it was added. Deep-sky objects will come as a kind of
// their own, by their catalogue id.
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "report/calendar_file.h"
#include "report/view_rows.h"

namespace orbitas::planner {

enum class ListKind { Planet, Shower, Event, Eclipse, DeepSky };

// The kind's code in the file ("planeta", "lluvia", "fenómeno", "eclipse",
// "cielo-profundo") and its name in the table ("Planeta", "Lluvia de
// estrellas", …). Raise nothing.
std::string KindCode(ListKind kind);
QString KindName(ListKind kind);

struct ListItem {
  ListKind kind = ListKind::Planet;
  // What it is, the same every time it is added: a body's name in lower
  // case ("marte"), a shower's ShowerId ("gem"), an event's calendar UID.
  std::string id;
  std::string name;                     // as the table shows it: "Marte", "Oposición de Marte"
  std::optional<report::CalendarEntry> entry;  // an event's or an eclipse's, with its instant
  std::string note;                     // the observer's own

  // The body of a planet's (or the Moon's) item, from its id. Raises nothing.
  std::optional<Body> body() const;
};

// A shower's id from its name in the night's table: its IMO code in lower
// case ("gem" of "Gemínidas (GEM)"), or the name in lower case with
// hyphens for its spaces when it has none. Raises nothing.
std::string ShowerId(const std::string& name);

// The item a table's row shows: the row's event or eclipse (with its
// calendar entry, named as its table's column of what happens names it),
// else its body, else a shower of the night's table (named by its first
// column). Raises nothing.
ListItem ItemOfRow(const report::ViewRow& row);

// $XDG_DATA_HOME/orbitas/mi-lista.tsv (Qt's test folder in tests).
QString ObservingListPath();

// What reading a list's file gave.
struct ListRead {
  std::vector<ListItem> items;  // empty when there is no file
  QString keptAside;            // where a file that could not be read was kept, or empty
  QString problem;              // why it could not be read or kept, in Spanish, or empty
};

// The items of the file at path, in the order they were added. A file
// that is not a list as WriteList writes it is kept beside it (files/
// keep_aside.h) and read as none. Raises nothing.
ListRead ReadList(const QString& path);

// The file's text: a heading line, then a line an item, its fields
// separated by tabs (a tab, a line break or a backslash in a field as
// \t, \n, \\). Raises nothing.
std::string ListText(const std::vector<ListItem>& items);

// Writes items to path whole through the safe writer, its folder made
// when missing. Returns empty, or a Spanish sentence saying why the list
// could not be saved, with the file.
QString WriteList(const QString& path, const std::vector<ListItem>& items);

}  // namespace orbitas::planner

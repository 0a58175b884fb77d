#include "planner/observing_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <charconv>

#include "files/keep_aside.h"
#include "report/event_columns.h"
#include "files/safe_file.h"
#include "runtime/shortest_text.h"
#include "session/names.h"

namespace orbitas::planner {
namespace {

constexpr ListKind Kinds[] = {ListKind::Planet, ListKind::Shower, ListKind::Event, ListKind::Eclipse, ListKind::DeepSky};
// The bodies an item may be: those of the night's table, the Moon and the Sun.
constexpr Body ItemBodies[] = {Body::Mercury, Body::Venus,  Body::Mars, Body::Jupiter, Body::Saturn,
                               Body::Uranus,  Body::Neptune, Body::Pluto, Body::Moon,   Body::Sun};
const char* const Heading = "tipo\tid\tnombre\tinicio (día juliano UT)\tfin (día juliano UT)\tuid\tresumen\tdescripción\tnota";
constexpr int FieldCount = 9;

std::string Lower(const std::string& text) { return QString::fromStdString(text).toLower().toStdString(); }

std::string Escaped(const std::string& field) {
  std::string text;
  for (const char c : field) {
    if (c == '\\') text += "\\\\";
    else if (c == '\t') text += "\\t";
    else if (c == '\n') text += "\\n";
    else if (c != '\r') text += c;
  }
  return text;
}

std::string Unescaped(const std::string& field) {
  std::string text;
  for (std::size_t k = 0; k < field.size(); ++k) {
    if (field[k] != '\\' || k + 1 == field.size()) {
      text += field[k];
      continue;
    }
    const char next = field[++k];
    text += next == 't' ? '\t' : next == 'n' ? '\n' : next;
  }
  return text;
}

std::optional<Instant> InstantOf(const std::string& text) {
  double ut = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ut);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return Instant::FromUt(ut);
}

// One line's item, or none when it is not as ListText writes it.
std::optional<ListItem> ItemOfLine(const QString& line) {
  const QStringList fields = line.split(QLatin1Char('\t'));
  if (fields.size() != FieldCount) return std::nullopt;
  std::vector<std::string> f;
  for (const QString& field : fields) f.push_back(Unescaped(field.toStdString()));
  ListItem item;
  const auto kind = std::find_if(std::begin(Kinds), std::end(Kinds), [&](ListKind k) { return KindCode(k) == f[0]; });
  if (kind == std::end(Kinds) || f[1].empty()) return std::nullopt;
  item.kind = *kind, item.id = f[1], item.name = f[2], item.note = f[8];
  if (!f[3].empty()) {
    const std::optional<Instant> start = InstantOf(f[3]);
    const std::optional<Instant> end = f[4].empty() ? std::nullopt : InstantOf(f[4]);
    if (!start || (!f[4].empty() && !end)) return std::nullopt;
    item.entry = report::CalendarEntry{f[5], *start, end, f[6], f[7]};
  }
  return item;
}

}  // namespace

std::string KindCode(ListKind kind) {
  switch (kind) {
    case ListKind::Planet: return "planeta";
    case ListKind::Shower: return "lluvia";
    case ListKind::Event: return "fenómeno";
    case ListKind::Eclipse: return "eclipse";
    case ListKind::DeepSky: return "cielo-profundo";
  }
  return "";
}

QString KindName(ListKind kind) {
  switch (kind) {
    case ListKind::Planet: return QStringLiteral("Astro");
    case ListKind::Shower: return QStringLiteral("Lluvia de estrellas");
    case ListKind::Event: return QStringLiteral("Fenómeno");
    case ListKind::Eclipse: return QStringLiteral("Eclipse o tránsito");
    case ListKind::DeepSky: return QStringLiteral("Cielo profundo");
  }
  return {};
}

std::optional<Body> ListItem::body() const {
  if (kind != ListKind::Planet) return std::nullopt;
  for (const Body b : ItemBodies) {
    if (Lower(std::string(SpanishName(b))) == id) return b;
  }
  return std::nullopt;
}

std::string ShowerId(const std::string& name) {
  const QString text = QString::fromStdString(name).trimmed();
  const qsizetype open = text.lastIndexOf(QLatin1Char('('));
  if (open >= 0 && text.endsWith(QLatin1Char(')')) && text.size() - open > 2) {
    return text.mid(open + 1, text.size() - open - 2).toLower().toStdString();
  }
  return text.toLower().replace(QLatin1Char(' '), QLatin1Char('-')).toStdString();
}

ListItem ItemOfRow(const report::ViewRow& row) {
  ListItem item;
  const auto cell = [&](int column) {
    return static_cast<std::size_t>(column) < row.cells.size() ? row.cells[static_cast<std::size_t>(column)].text
                                                               : std::string();
  };
  if (row.source) {
    const bool eclipse = std::holds_alternative<EclipseSeen>(*row.source);
    item.kind = eclipse ? ListKind::Eclipse : ListKind::Event;
    // What happens, in the words of its table's own column.
    const auto& eclipses = report::EclipseViewFields;
    const auto& events = report::EventViewFields;
    item.name = cell(eclipse ? static_cast<int>(std::find(eclipses.begin(), eclipses.end(), report::EclipseField::Description) -
                                                eclipses.begin())
                             : static_cast<int>(std::find(events.begin(), events.end(), report::EventField::Description) -
                                                events.begin()));
    item.entry = report::EntryOf(*row.source);
    if (!item.entry) {
      // An eclipse the place does not see is still a date to keep.
      const Instant at = TimeOf(*row.source);
      std::string date = TimeZone().ToSecond(at).Date();
      date.erase(std::remove(date.begin(), date.end(), '-'), date.end());
      const std::string id = QString::fromStdString(item.name).toLower().replace(QLatin1Char(' '), QLatin1Char('-')).toStdString();
      item.entry = report::CalendarEntry{id + "-" + date + "@orbitas", at, std::nullopt, item.name, item.name + "."};
    }
    item.id = item.entry->uid;
  } else if (row.body) {
    item.kind = ListKind::Planet;
    item.name = std::string(SpanishName(*row.body));
    item.id = Lower(item.name);
  } else {
    item.kind = ListKind::Shower;
    item.name = cell(0);
    item.id = ShowerId(item.name);
  }
  return item;
}

QString ObservingListPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/orbitas/mi-lista.tsv");
}

ListRead ReadList(const QString& path) {
  ListRead read;
  QFile file(path);
  if (!file.exists()) return read;
  bool whole = file.open(QIODevice::ReadOnly);
  const QByteArray bytes = whole ? file.readAll() : QByteArray();
  QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
  whole = whole && !lines.isEmpty() && lines.front().trimmed() == QString::fromUtf8(Heading);
  for (qsizetype k = 1; whole && k < lines.size(); ++k) {
    const QString line = lines[k].endsWith(QLatin1Char('\r')) ? lines[k].chopped(1) : lines[k];
    if (line.isEmpty()) continue;
    const std::optional<ListItem> item = ItemOfLine(line);
    whole = item.has_value();
    if (item) read.items.push_back(*item);
  }
  if (whole) return read;
  read.items.clear();
  try {
    read.keptAside = QString::fromStdString(KeepAside(path.toStdString()));
  } catch (const FileWriteError& error) {
    read.problem = QStringLiteral("Mi lista (%1) no se puede leer ni apartar: %2.")
                       .arg(path, QString::fromStdString(error.why()));
  }
  return read;
}

std::string ListText(const std::vector<ListItem>& items) {
  std::string text = std::string(Heading) + "\n";
  for (const ListItem& item : items) {
    const report::CalendarEntry entry = item.entry.value_or(report::CalendarEntry{});
    const bool timed = item.entry.has_value();
    const std::string fields[FieldCount] = {
        KindCode(item.kind), item.id, item.name,
        timed ? ShortestText(entry.start.ut) : "", timed && entry.end ? ShortestText(entry.end->ut) : "",
        entry.uid, entry.summary, entry.description, item.note};
    for (int k = 0; k < FieldCount; ++k) text += (k ? "\t" : "") + Escaped(fields[k]);
    text += "\n";
  }
  return text;
}

QString WriteList(const QString& path, const std::vector<ListItem>& items) {
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder)) {
    return QStringLiteral("Mi lista no se puede guardar en %1: no se puede crear la carpeta %2.").arg(path, folder);
  }
  try {
    WriteFileSafely(path.toStdString(), ListText(items));
  } catch (const FileWriteError& error) {
    return QStringLiteral("Mi lista no se puede guardar en %1: %2.").arg(path, QString::fromStdString(error.why()));
  }
  return {};
}

}  // namespace orbitas::planner

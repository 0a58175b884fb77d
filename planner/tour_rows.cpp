#include "planner/tour_rows.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>

#include "report/column_cells.h"
#include "report/text_layout.h"
#include "report/tour_output.h"
#include "session/deep_sky_words.h"
#include "session/names.h"

namespace orbitas::planner {
namespace {

using Cells = std::array<report::ViewCell, static_cast<std::size_t>(TourColumn::Count)>;

report::ViewCell& At(Cells& cells, TourColumn column) { return cells[static_cast<std::size_t>(column)]; }

report::ViewCell Of(report::EventCell cell) { return {std::move(cell.text), cell.key, std::move(cell.file)}; }

// The local hour of t ("21:40"): the tab says the night's date.
report::ViewCell Hour(const TimeZone& zone, const Instant& t) {
  report::ViewCell cell = Of(report::MinuteCell(zone, t));
  cell.text = cell.text.substr(cell.text.rfind(' ') + 1);
  return cell;
}

// "19:10–02:35", sorted by its beginning; both instants for a file.
report::ViewCell Interval(const TimeZone& zone, const std::optional<Instant>& from, const std::optional<Instant>& to) {
  if (!from || !to) return Of(report::EmptyCell());
  const report::ViewCell a = Hour(zone, *from), b = Hour(zone, *to);
  return {a.text + "–" + b.text, from->ut, a.value + "/" + b.value};
}

// What a stop's cells sort by: its numbers and instants.
struct StopNumbers {
  std::optional<double> magnitude, altitude, azimuth;
  int compassPoint = -1;  // of the azimuth, none for -1
  std::optional<Instant> from, to;
};

StopNumbers PlanetNumbers(const PlanetNight& p) {
  StopNumbers n;
  n.magnitude = p.aspect.magnitude;
  if (p.best) n.altitude = p.best->altitude, n.azimuth = p.best->azimuth, n.compassPoint = p.best->compassPoint;
  if (p.visibleFrom) n.from = p.visibleFrom->time;
  if (p.visibleTo) n.to = p.visibleTo->time;
  return n;
}

StopNumbers DeepSkyNumbers(const DeepSkyNight& d) {
  StopNumbers n;
  if (d.object->HasMagnitude()) n.magnitude = d.object->magnitude;
  if (d.best) n.altitude = d.best->altitude, n.azimuth = d.best->azimuth, n.compassPoint = d.best->compassPoint;
  n.from = d.visibleFrom, n.to = d.visibleTo;
  return n;
}

StopNumbers NumbersOf(const TourAnswer& answer, const TourStop& stop) {
  const auto at = static_cast<std::size_t>(stop.index);
  switch (stop.kind) {
    case TourKind::Planet: return PlanetNumbers(answer.night.night.planets[at]);
    case TourKind::DeepSky: return DeepSkyNumbers(answer.objects[at]);
    case TourKind::Moon: break;
    case TourKind::Shower: break;
  }
  StopNumbers n;
  if (stop.kind == TourKind::Moon) n.from = answer.night.night.moon.rise, n.to = answer.night.night.moon.set;
  if (stop.kind == TourKind::Shower) n.altitude = answer.night.showers[at].radiantAltitude;
  return n;
}

// A cell of the report's text, sorted by key; "—" where the text is empty.
report::ViewCell Worded(const std::string& text, std::optional<double> key, std::string value = {}) {
  if (text.empty()) return Of(report::EmptyCell());
  return {text, key, value.empty() ? text : std::move(value)};
}

// "Saturno" for the text's "la Luna": a table's cell begins with a capital.
std::string Capitalised(const std::string& text) {
  const QString words = QString::fromStdString(text);
  return words.isEmpty() ? text : (words.left(1).toUpper() + words.mid(1)).toStdString();
}

// The item "Mi lista" keeps of a stop: a planet or the Moon by its name, a
// shower by its code, a deep-sky object by its id with its best moment of
// this night (a calendar entry of its own).
ListItem ItemOf(const TourAnswer& answer, const TourStop& stop, const report::TourCells& c) {
  const std::string lower = QString::fromStdString(c.id).toLower().remove(QLatin1Char(' ')).toStdString();
  // A shower as the night's table names it, "Gemínidas (GEM)", and so by its code.
  if (stop.kind == TourKind::Shower) {
    const std::string name = c.title + " (" + c.id + ")";
    return {ListKind::Shower, ShowerId(name), name, std::nullopt, ""};
  }
  if (stop.kind != TourKind::DeepSky) return {ListKind::Planet, lower, c.id, std::nullopt, ""};
  const DeepSkyNight& n = answer.objects[static_cast<std::size_t>(stop.index)];
  ListItem item{ListKind::DeepSky, lower, c.title, std::nullopt, ""};
  if (n.best) {
    std::string date = answer.night.date;
    date.erase(std::remove(date.begin(), date.end(), '-'), date.end());
    const std::string words = c.title + ": " + c.rating + " " + InstrumentWithAperture(answer.choice.conditions) + ".";
    item.entry = report::CalendarEntry{lower + "-" + date + "@orbitas", n.best->time, n.visibleTo, c.title, words};
  }
  return item;
}

TourRow RowOf(const TourAnswer& answer, const TourStop& stop, const report::TourCells& c) {
  const StopNumbers n = NumbersOf(answer, stop);
  Cells cells;
  At(cells, TourColumn::Time) = stop.best ? Hour(answer.night.zone, *stop.best) : Of(report::EmptyCell());
  At(cells, TourColumn::Object) = Worded(Capitalised(c.title), std::nullopt);
  At(cells, TourColumn::Type) = Worded(c.type, std::nullopt);
  At(cells, TourColumn::Constellation) = Worded(c.constellation, std::nullopt);
  At(cells, TourColumn::Magnitude) = Worded(c.magnitude, n.magnitude);
  At(cells, TourColumn::Altitude) = Worded(c.altitude.empty() ? "" : c.altitude + "°", n.altitude);
  const std::string compass = n.compassPoint >= 0 ? " " + std::string(CompassName(n.compassPoint)) : "";
  At(cells, TourColumn::Azimuth) = Worded(c.azimuth.empty() ? "" : c.azimuth + "°" + compass, n.azimuth);
  At(cells, TourColumn::Rating) = Worded(c.rating, static_cast<double>(stop.rating), c.ratingCode);
  At(cells, TourColumn::Reason) = Worded(c.reason, std::nullopt);
  At(cells, TourColumn::Interval) = Interval(answer.night.zone, n.from, n.to);
  TourRow row;
  row.view.cells.assign(cells.begin(), cells.end());
  row.view.time = stop.best;
  if (stop.kind == TourKind::Planet) row.view.body = answer.night.night.planets[static_cast<std::size_t>(stop.index)].body;
  if (stop.kind == TourKind::Moon) row.view.body = Body::Moon;
  if (stop.kind == TourKind::DeepSky) row.object = answer.objects[static_cast<std::size_t>(stop.index)].object;
  row.kind = stop.kind;
  row.rating = stop.rating;
  row.item = ItemOf(answer, stop, c);
  return row;
}

bool InCategory(TourCategory category, const TourRow& row) {
  const auto type = [&] { return row.object ? std::optional(row.object->type) : std::nullopt; }();
  switch (category) {
    case TourCategory::All: return true;
    case TourCategory::PlanetsAndMoon: return row.kind == TourKind::Planet || row.kind == TourKind::Moon;
    case TourCategory::Showers: return row.kind == TourKind::Shower;
    case TourCategory::Galaxies: return type == DeepSkyType::Galaxy;
    case TourCategory::Clusters: return type == DeepSkyType::OpenCluster || type == DeepSkyType::GlobularCluster;
    case TourCategory::Nebulae:
      return type == DeepSkyType::PlanetaryNebula || type == DeepSkyType::DiffuseNebula ||
             type == DeepSkyType::DarkNebula || type == DeepSkyType::SupernovaRemnant;
  }
  return true;
}

}  // namespace

std::vector<std::string> TourColumns() {
  return {"Hora", "Objeto", "Tipo", "Constelación", "Mag.", "Altura", "Acimut", "Dificultad", "Motivo", "Desde–hasta"};
}

std::vector<TourRow> TourRows(const TourAnswer& answer, std::string_view separator) {
  // The command line's words for each stop, so that both say the same.
  const std::vector<report::TourCells> cells = report::TourCellsOf(answer, report::ForPeople(separator));
  std::vector<TourRow> rows;
  rows.reserve(answer.stops.size());
  for (std::size_t k = 0; k < answer.stops.size() && k < cells.size(); ++k) {
    rows.push_back(RowOf(answer, answer.stops[k], cells[k]));
  }
  return rows;
}

bool Passes(const TourFilter& filter, const TourRow& row) {
  if (!InCategory(filter.category, row)) return false;
  if (row.object && filter.catalogue == TourCatalogue::Messier && !row.object->messier) return false;
  if (row.object && filter.catalogue == TourCatalogue::Caldwell && !row.object->caldwell) return false;
  switch (filter.ratings) {
    case TourRatings::All: return true;
    case TourRatings::EasyOrFair: return row.rating == DeepSkyRating::Easy || row.rating == DeepSkyRating::Fair;
    case TourRatings::EasyOnly: return row.rating == DeepSkyRating::Easy;
  }
  return true;
}

}  // namespace orbitas::planner

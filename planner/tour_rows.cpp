#include "planner/tour_rows.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>

#include "report/column_cells.h"
#include "report/text_layout.h"
#include "session/deep_sky_words.h"
#include "session/names.h"

namespace orbitas::planner {
namespace {

using Cells = std::array<report::ViewCell, static_cast<std::size_t>(TourColumn::Count)>;

report::ViewCell& At(Cells& cells, TourColumn column) { return cells[static_cast<std::size_t>(column)]; }

report::ViewCell Of(report::EventCell cell) { return {std::move(cell.text), cell.key, std::move(cell.file)}; }
report::ViewCell Text(std::string text) { return Of(report::TextCell(std::move(text))); }

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

report::ViewCell Degrees(double degrees) { return Of(report::WholeCell(degrees, 1, "°")); }

report::ViewCell Azimuth(double azimuth, int compassPoint) {
  report::ViewCell cell = Degrees(azimuth);
  cell.text += " " + std::string(CompassName(compassPoint));
  return cell;
}

report::ViewCell Rating(DeepSkyRating rating) {
  return {std::string(RatingWords(rating)), static_cast<double>(rating), std::string(RatingCode(rating))};
}

// Every cell "—" but the stop's time and rating.
Cells Blank(const TourAnswer& answer, const TourStop& stop) {
  Cells cells;
  cells.fill(Of(report::EmptyCell()));
  if (stop.best) At(cells, TourColumn::Time) = Hour(answer.night.zone, *stop.best);
  At(cells, TourColumn::Rating) = Rating(stop.rating);
  return cells;
}

TourRow PlanetRow(const TourAnswer& answer, const TourStop& stop, std::string_view sep) {
  const PlanetNight& p = answer.night.night.planets[static_cast<std::size_t>(stop.index)];
  const TimeZone& zone = answer.night.zone;
  TourRow row;
  Cells cells = Blank(answer, stop);
  const std::string name(SpanishName(p.body));
  At(cells, TourColumn::Object) = Text(name);
  At(cells, TourColumn::Type) = Text(p.body == Body::Pluto ? "planeta enano" : "planeta");
  At(cells, TourColumn::Constellation) = Text(std::string(ConstellationName(p.constellation)));
  At(cells, TourColumn::Magnitude) = Of(report::NumberCell(p.aspect.magnitude, "#0.0", sep));
  if (p.best) {
    At(cells, TourColumn::Altitude) = Degrees(p.best->altitude);
    At(cells, TourColumn::Azimuth) = Azimuth(p.best->azimuth, p.best->compassPoint);
  }
  const std::string miss = PlanetMissText(p, answer.night.limits);
  if (!miss.empty()) At(cells, TourColumn::Reason) = Text(miss);
  At(cells, TourColumn::Interval) = Interval(zone, p.visibleFrom ? std::optional(p.visibleFrom->time) : std::nullopt,
                                             p.visibleTo ? std::optional(p.visibleTo->time) : std::nullopt);
  row.view.body = p.body;
  row.item = {ListKind::Planet, QString::fromStdString(name).toLower().toStdString(), name, std::nullopt, ""};
  row.view.cells.assign(cells.begin(), cells.end());
  return row;
}

TourRow MoonRow(const TourAnswer& answer, const TourStop& stop, std::string_view) {
  const MoonNight& moon = answer.night.night.moon;
  TourRow row;
  Cells cells = Blank(answer, stop);
  const std::string name(SpanishName(Body::Moon));
  At(cells, TourColumn::Object) = Text(name);
  At(cells, TourColumn::Type) = Text("satélite");
  At(cells, TourColumn::Reason) =
      Text("iluminada al " + std::to_string(static_cast<int>(std::lround(moon.phase.illuminated * 100))) + " %");
  row.view.body = Body::Moon;
  row.item = {ListKind::Planet, QString::fromStdString(name).toLower().toStdString(), name, std::nullopt, ""};
  row.view.cells.assign(cells.begin(), cells.end());
  return row;
}

TourRow ShowerRow(const TourAnswer& answer, const TourStop& stop, std::string_view sep) {
  const ShowerNight& s = answer.night.showers[static_cast<std::size_t>(stop.index)];
  TourRow row;
  Cells cells = Blank(answer, stop);
  const std::string name(ShowerName(s.shower->code));
  At(cells, TourColumn::Object) = Text(name);
  At(cells, TourColumn::Type) = Text("lluvia de estrellas");
  At(cells, TourColumn::Altitude) = Degrees(s.radiantAltitude);
  const report::EventCell rate = report::NumberCell(s.hourlyRate, "#0", sep);
  At(cells, TourColumn::Reason) = Text("unos " + rate.text + " meteoros por hora");
  row.item = {ListKind::Shower, ShowerId(name), name, std::nullopt, ""};
  row.view.cells.assign(cells.begin(), cells.end());
  return row;
}

// A deep-sky object's item: kept with its best moment of this night.
ListItem DeepSkyItem(const DeepSkyNight& n, const TourAnswer& answer, const std::string& title) {
  std::string date = answer.night.date;
  date.erase(std::remove(date.begin(), date.end(), '-'), date.end());
  const std::string id = QString::fromStdString(std::string(n.object->id)).toLower().remove(QLatin1Char(' ')).toStdString();
  ListItem item{ListKind::DeepSky, id, title, std::nullopt, ""};
  if (n.best) {
    const std::string words = title + ": " + std::string(RatingWords(n.rating)) + " " +
                              InstrumentWithAperture(answer.choice.conditions) + ".";
    item.entry = report::CalendarEntry{id + "-" + date + "@orbitas", n.best->time, n.visibleTo, title, words};
  }
  return item;
}

TourRow DeepSkyRow(const TourAnswer& answer, const TourStop& stop, std::string_view sep) {
  const DeepSkyNight& n = answer.objects[static_cast<std::size_t>(stop.index)];
  const DeepSkyObject& o = *n.object;
  TourRow row;
  Cells cells = Blank(answer, stop);
  const std::string title = DeepSkyTitle(o);
  At(cells, TourColumn::Object) = Text(title);
  At(cells, TourColumn::Type) = Text(std::string(DeepSkyTypeWords(o.type)));
  At(cells, TourColumn::Constellation) = Text(std::string(ConstellationName(n.constellation)));
  if (o.HasMagnitude()) At(cells, TourColumn::Magnitude) = Of(report::NumberCell(o.magnitude, "#0.0", sep));
  if (n.best) {
    At(cells, TourColumn::Altitude) = Degrees(n.best->altitude);
    At(cells, TourColumn::Azimuth) = Azimuth(n.best->azimuth, n.best->compassPoint);
  }
  const std::string reason = ReasonWords(n, answer.choice.conditions, sep);
  if (!reason.empty()) At(cells, TourColumn::Reason) = Text(reason);
  At(cells, TourColumn::Interval) = Interval(answer.night.zone, n.visibleFrom, n.visibleTo);
  row.object = &o;
  row.item = DeepSkyItem(n, answer, title);
  row.view.cells.assign(cells.begin(), cells.end());
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
  std::vector<TourRow> rows;
  for (const TourStop& stop : answer.stops) {
    TourRow row = stop.kind == TourKind::Planet ? PlanetRow(answer, stop, separator)
                  : stop.kind == TourKind::Moon ? MoonRow(answer, stop, separator)
                  : stop.kind == TourKind::Shower ? ShowerRow(answer, stop, separator)
                                                  : DeepSkyRow(answer, stop, separator);
    row.kind = stop.kind;
    row.rating = stop.rating;
    row.view.time = stop.best;
    rows.push_back(std::move(row));
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

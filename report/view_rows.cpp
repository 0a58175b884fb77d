#include "report/view_rows.h"

#include "calendar/julian_day.h"
#include "report/eclipse_output.h"
#include "report/event_columns.h"
#include "report/phenomena_output.h"
#include "report/sky_output.h"
#include "report/text_layout.h"
#include "report/year_output.h"
#include "runtime/number_text.h"
#include "runtime/shortest_text.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

constexpr std::string_view None = "—";


// A row's cells by column, each "—" until it is set.
template <typename Column>
class Cells {
 public:
  Cells() : cells_(static_cast<std::size_t>(Column::Count), ViewCell{std::string(None), std::nullopt, ""}) {}
  Cells& Set(Column column, ViewCell cell) {
    cells_[static_cast<std::size_t>(column)] = std::move(cell);
    return *this;
  }
  std::vector<ViewCell> Take() { return std::move(cells_); }

 private:
  std::vector<ViewCell> cells_;
};

// A text that sorts as itself (or by key) and goes to a file as it is.
ViewCell Text(std::string text, std::optional<double> key = std::nullopt) {
  std::string value = text;
  return {std::move(text), key, std::move(value)};
}

// A number shown with its unit, and given to a file as the number alone.
ViewCell Number(double x, std::string_view pattern, std::string_view sep, std::string_view unit = "") {
  return {SignedNumber(x, pattern, sep) + std::string(unit), x, ShortestText(x)};
}

// "21:34": the local time of the night's table, keyed by its instant.
ViewCell Clock(const TimeZone& zone, const Instant& t) { return {zone.ToMinute(t).Clock(), t.ut, zone.LocalIso(t)}; }

// Each of the window's night columns is the planets' column in its place
// (a shower's row fills the same columns).
constexpr bool Is(NightColumn column, PlanetField field) {
  return NightViewFields[static_cast<std::size_t>(column)] == field;
}
static_assert(NightViewFields.size() == static_cast<std::size_t>(NightColumn::Count));
static_assert(Is(NightColumn::Body, PlanetField::Name) && Is(NightColumn::Magnitude, PlanetField::Magnitude) &&
              Is(NightColumn::Constellation, PlanetField::Constellation) &&
              Is(NightColumn::VisibleFrom, PlanetField::VisibleFrom) && Is(NightColumn::VisibleTo, PlanetField::VisibleTo) &&
              Is(NightColumn::BestTime, PlanetField::BestTime) && Is(NightColumn::Altitude, PlanetField::Altitude) &&
              Is(NightColumn::Azimuth, PlanetField::Azimuth) && Is(NightColumn::Error, PlanetField::Error) &&
              Is(NightColumn::Notes, PlanetField::Notes));

// The hour of a local minute ("20:30" of "2027-01-15 20:30"): the night's
// table leaves its date to the tab.
std::string Hour(const std::string& minute) { return minute.substr(minute.rfind(' ') + 1); }

ViewRow PlanetRow(const PlanetNight& p, const NightAnswer& r, std::string_view sep) {
  std::vector<ViewCell> cells;
  for (const PlanetField field : NightViewFields) {
    EventCell cell = PlanetCellOf(p, field, r, sep);
    const bool time = field == PlanetField::VisibleFrom || field == PlanetField::VisibleTo || field == PlanetField::BestTime;
    cells.push_back({time ? Hour(cell.text) : std::move(cell.text), cell.key, std::move(cell.file)});
  }
  return {std::move(cells), p.body, p.best ? std::optional(p.best->time) : std::nullopt, std::nullopt};
}

ViewRow ShowerRow(const ShowerNight& s, const NightAnswer& r, std::string_view sep) {
  Cells<NightColumn> cells;
  cells.Set(NightColumn::Body, Text(std::string(ShowerName(s.shower->code)) + " (" + std::string(s.shower->code) + ")", 100))
      .Set(NightColumn::BestTime, Clock(r.zone, s.bestTime))
      .Set(NightColumn::Altitude, Number(s.radiantAltitude, "#0.0", sep, "°"))
      .Set(NightColumn::Error, Text("de ERFA"))
      .Set(NightColumn::Notes, {"lluvia de estrellas: " + MeteorRateText(s.hourlyRate) +
                                    (s.darkestHour ? " (sin noche cerrada)" : ""),
                                s.hourlyRate, ShortestText(s.hourlyRate)});
  return {cells.Take(), std::nullopt, s.bestTime, std::nullopt};
}

}  // namespace

std::vector<std::string> NightColumns() {
  std::vector<std::string> headings;
  for (const PlanetField field : NightViewFields) headings.emplace_back(PlanetFields[static_cast<std::size_t>(field)].heading);
  return headings;
}
std::vector<std::string> YearEventColumns() {
  std::vector<std::string> headings;
  for (const EventField field : EventViewFields) headings.emplace_back(EventFields[static_cast<std::size_t>(field)].heading);
  return headings;
}
std::vector<std::string> EclipseColumns() {
  std::vector<std::string> headings;
  for (const EclipseField field : EclipseViewFields) headings.emplace_back(EclipseFields[static_cast<std::size_t>(field)].heading);
  return headings;
}

std::vector<ViewRow> NightRows(const NightAnswer& r, std::string_view sep) {
  std::vector<ViewRow> rows;
  for (const PlanetNight* p : OrderedPlanets(r.night)) rows.push_back(PlanetRow(*p, r, sep));
  for (const ShowerNight& s : r.showers) rows.push_back(ShowerRow(s, r, sep));
  return rows;
}

ViewRow YearEventRow(const YearEvent& event, const TimeZone& zone, std::string_view sep) {
  std::vector<ViewCell> cells;
  for (const EventField field : EventViewFields) {
    EventCell cell = EventCellOf(event, field, zone, sep);
    cells.push_back({std::move(cell.text), cell.key, std::move(cell.file)});
  }
  const auto* p = std::get_if<Phenomenon>(&event);
  return {std::move(cells), p ? std::optional(p->body) : std::nullopt, TimeOf(event), event};
}

ViewRow EclipseRow(const EclipseSeen& seen, const TimeZone& zone, std::string_view sep) {
  std::vector<ViewCell> cells;
  for (const EclipseField field : EclipseViewFields) {
    EventCell cell = EclipseCellOf(seen, field, zone, sep);
    cells.push_back({std::move(cell.text), cell.key, std::move(cell.file)});
  }
  return {std::move(cells), std::nullopt, GreatestOf(seen.event), YearEvent(seen)};
}

}  // namespace orbitas::report

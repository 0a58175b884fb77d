#include "report/view_rows.h"

#include "calendar/julian_day.h"
#include "report/eclipse_output.h"
#include "report/event_columns.h"
#include "report/phenomena_output.h"
#include "report/shower_columns.h"
#include "report/sky_output.h"
#include "report/text_layout.h"
#include "report/year_output.h"
#include "runtime/number_text.h"

namespace orbitas::report {
namespace {

constexpr std::string_view None = "—";

// Each of the window's night columns is the planets' column in its place
// (a shower's row fills the same columns).
constexpr bool Is(NightColumn column, PlanetField field) {
  return NightViewFields[static_cast<std::size_t>(column)] == field;
}
static_assert(NightViewFields.size() == static_cast<std::size_t>(NightColumn::Count));
static_assert(Is(NightColumn::Body, PlanetField::Name) && Is(NightColumn::Magnitude, PlanetField::Magnitude) &&
              Is(NightColumn::Constellation, PlanetField::Constellation) && Is(NightColumn::Rise, PlanetField::Rise) &&
              Is(NightColumn::Transit, PlanetField::Transit) && Is(NightColumn::Set, PlanetField::Set) &&
              Is(NightColumn::VisibleFrom, PlanetField::VisibleFrom) && Is(NightColumn::VisibleTo, PlanetField::VisibleTo) &&
              Is(NightColumn::BestTime, PlanetField::BestTime) && Is(NightColumn::Altitude, PlanetField::Altitude) &&
              Is(NightColumn::Azimuth, PlanetField::Azimuth) && Is(NightColumn::Method, PlanetField::MethodSummary) &&
              Is(NightColumn::Notes, PlanetField::Notes));

// A shower fills the window's night columns whose headings are its own.
constexpr bool ShowerFillsItsHeadings() {
  for (std::size_t k = 0; k < ShowerViewFields.size(); ++k) {
    const std::optional<ShowerField> field = ShowerViewFields[k];
    const std::string_view heading = PlanetFields[static_cast<std::size_t>(NightViewFields[k])].heading;
    if (field && ShowerFields[static_cast<std::size_t>(*field)].heading != heading) return false;
  }
  std::size_t headed = 0, shown = 0;
  for (const ShowerFieldName& name : ShowerFields) headed += !name.heading.empty();
  for (const std::optional<ShowerField>& field : ShowerViewFields) shown += field.has_value();
  return headed == shown;
}
static_assert(ShowerViewFields.size() == static_cast<std::size_t>(NightColumn::Count) && ShowerFillsItsHeadings());

// The hour of a local minute ("20:30" of "2027-01-15 20:30"): the night's
// table leaves its date to the tab.
std::string Hour(const std::string& minute) { return minute.substr(minute.rfind(' ') + 1); }

ViewRow PlanetRow(const PlanetNight& p, const NightAnswer& r, std::string_view sep) {
  std::vector<ViewCell> cells;
  for (const PlanetField field : NightViewFields) {
    EventCell cell = PlanetCellOf(p, field, r, sep);
    const bool time = field == PlanetField::VisibleFrom || field == PlanetField::VisibleTo ||
                      field == PlanetField::BestTime || field == PlanetField::Rise || field == PlanetField::Transit ||
                      field == PlanetField::Set;
    cells.push_back({time ? Hour(cell.text) : std::move(cell.text), cell.key, std::move(cell.file)});
  }
  return {std::move(cells), p.body, p.best ? std::optional(p.best->time) : std::nullopt, std::nullopt};
}

// A shower's row: its columns in those of the night it fills
// (report/shower_columns.h, ShowerViewFields), "—" in the others.
ViewRow ShowerRow(const ShowerNight& s, const NightAnswer& r, std::string_view sep) {
  std::vector<ViewCell> cells;
  for (const std::optional<ShowerField>& field : ShowerViewFields) {
    if (!field) {
      cells.push_back({std::string(None), std::nullopt, ""});
      continue;
    }
    EventCell cell = ShowerCellOf(s, *field, r.zone, sep);
    cells.push_back({*field == ShowerField::BestTime ? Hour(cell.text) : std::move(cell.text), cell.key, std::move(cell.file)});
  }
  return {std::move(cells), std::nullopt, s.bestTime, std::nullopt};
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

#include "report/view_rows.h"

#include "calendar/julian_day.h"
#include "report/eclipse_output.h"
#include "report/phenomena_output.h"
#include "report/sky_output.h"
#include "report/text_layout.h"
#include "report/year_output.h"
#include "runtime/number_text.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

constexpr std::string_view None = "—";

// "21:34": the local time of the night's table, keyed by its instant.
ViewCell Clock(const TimeZone& zone, const Instant& t) { return {zone.ToMinute(t).Clock(), t.ut}; }

ViewCell Degrees(double degrees, std::string_view sep) { return {SignedNumber(degrees, "#0.0", sep) + "°", degrees}; }

ViewRow PlanetRow(const PlanetNight& p, const NightAnswer& r, std::string_view sep) {
  ViewRow row{{}, p.body, p.best ? std::optional(p.best->time) : std::nullopt};
  row.cells.push_back({std::string(SpanishName(p.body)), BodyNumber(p.body)});
  row.cells.push_back({SignedNumber(p.aspect.magnitude, "#0.0", sep), p.aspect.magnitude});
  row.cells.push_back({std::string(ConstellationName(p.constellation)), std::nullopt});
  if (p.best) {
    row.cells.push_back(Clock(r.zone, p.visibleFrom->time));
    row.cells.push_back(Clock(r.zone, p.visibleTo->time));
    row.cells.push_back(Clock(r.zone, p.best->time));
    row.cells.push_back(Degrees(p.best->altitude, sep));
    row.cells.push_back({AzimuthText(p.best->azimuth, sep) + "° (" + std::string(CompassName(p.best->compassPoint)) + ")",
                         p.best->azimuth});
  } else {
    for (int k = 0; k < 5; ++k) row.cells.push_back({std::string(None), std::nullopt});
  }
  const std::optional<double> error = p.error.Bar();
  row.cells.push_back({ErrorText(error, sep), error});
  row.cells.push_back({p.best ? std::string(InstrumentWords(p.instrument)) : "No se ve: " + PlanetNotSeenText(p, r, sep),
                       std::nullopt});
  return row;
}

ViewRow ShowerRow(const ShowerNight& s, const NightAnswer& r, std::string_view sep) {
  ViewRow row{{}, std::nullopt, s.bestTime};
  row.cells.push_back({std::string(ShowerName(s.shower->code)) + " (" + std::string(s.shower->code) + ")", 100});
  for (int k = 0; k < 4; ++k) row.cells.push_back({std::string(None), std::nullopt});
  row.cells.push_back(Clock(r.zone, s.bestTime));
  row.cells.push_back(Degrees(s.radiantAltitude, sep));
  row.cells.push_back({std::string(None), std::nullopt});
  row.cells.push_back({"de ERFA", std::nullopt});
  row.cells.push_back({"lluvia de estrellas: " + MeteorRateText(s.hourlyRate) + (s.darkestHour ? " (sin noche cerrada)" : ""),
                       s.hourlyRate});
  return row;
}

ViewCell LocalMinute(const TimeZone& zone, const Instant& t) { return {DateText(zone.LocalMinute(t)), t.ut}; }

}  // namespace

std::vector<std::string> NightColumns() {
  return {"Astro", "Magnitud", "Constelación", "Visible desde", "Visible hasta", "Mejor hora", "Altura", "Acimut",
          "Error", "Observaciones"};
}

std::vector<ViewRow> NightRows(const NightAnswer& r, std::string_view sep) {
  std::vector<ViewRow> rows;
  for (const PlanetNight* p : OrderedPlanets(r.night)) rows.push_back(PlanetRow(*p, r, sep));
  for (const ShowerNight& s : r.showers) rows.push_back(ShowerRow(s, r, sep));
  return rows;
}

std::vector<std::string> YearEventColumns() { return {"Fecha", "Suceso", "Astros", "Según el método", "Error"}; }

ViewRow YearEventRow(const YearEvent& event, const TimeZone& zone, std::string_view sep) {
  ViewRow row{{LocalMinute(zone, TimeOf(event))}, std::nullopt, TimeOf(event)};
  if (const auto* p = std::get_if<Phenomenon>(&event)) {
    row.body = p->body;
    row.cells.push_back({PhenomenonDescription(*p, ForPeople(sep)), std::nullopt});
    row.cells.push_back({PhenomenonBodies(*p), std::nullopt});
    row.cells.push_back(p->referenceTime ? LocalMinute(zone, Instant::FromUt(p->time)) : ViewCell{std::string(None), std::nullopt});
    row.cells.push_back({TimeErrorText(*p, ForPeople(sep)), std::nullopt});
  } else if (const auto* e = std::get_if<EclipseSeen>(&event)) {
    row.cells.push_back({EclipseSummary(*e, ForPeople(sep)), std::nullopt});
    const auto* transit = std::get_if<Transit>(&e->event);
    row.cells.push_back({transit ? std::string(SpanishName(transit->body)) + ", Sol" : "Sol, Luna", std::nullopt});
    row.cells.push_back({std::string(None), std::nullopt});
    row.cells.push_back({"de ERFA, a menos de 10 s del canon de la NASA", std::nullopt});
  } else {
    const ShowerPeakSeen& s = std::get<ShowerPeakSeen>(event);
    row.cells.push_back({ShowerDescription(s.peak, ForPeople(sep)), std::nullopt});
    row.cells.push_back({std::string(None), std::nullopt});
    row.cells.push_back({std::string(None), std::nullopt});
    row.cells.push_back({"de ERFA", std::nullopt});
  }
  return row;
}

std::vector<std::string> EclipseColumns() { return {"Fecha", "Suceso", "Desde el lugar"}; }

ViewRow EclipseRow(const EclipseSeen& seen, const TimeZone& zone, std::string_view sep) {
  const Instant greatest = GreatestOf(seen.event);
  ViewRow row{{LocalMinute(zone, greatest), {EclipseSummary(seen, ForPeople(sep)), std::nullopt}}, std::nullopt, greatest};
  const std::string local = LocalWords(seen, zone, sep);
  row.cells.push_back({local.empty() ? std::string(None) : local, std::nullopt});
  return row;
}

}  // namespace orbitas::report

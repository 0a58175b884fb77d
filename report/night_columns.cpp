#include "report/night_columns.h"

#include <cmath>

#include "report/column_cells.h"
#include "report/json.h"
#include "report/method_beside.h"
#include "report/night_output.h"
#include "report/sky_output.h"
#include "report/text_layout.h"
#include "runtime/shortest_text.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

// The columns of the visible span and of the best moment, for a planet
// that is seen.
EventCell SeenCell(const PlanetNight& p, PlanetField field, const TimeZone& zone, std::string_view sep) {
  const BestView& best = *p.best;
  switch (field) {
    case PlanetField::VisibleFrom: return MinuteCell(zone, p.visibleFrom->time);
    case PlanetField::VisibleTo: return MinuteCell(zone, p.visibleTo->time);
    case PlanetField::BestTime: return MinuteCell(zone, best.time);
    case PlanetField::Altitude: return NumberCell(best.altitude, "#0.0", sep, "°");
    case PlanetField::Azimuth:
      return {AzimuthText(best.azimuth, sep) + "° (" + std::string(CompassName(best.compassPoint)) + ")", best.azimuth,
              ShortestText(best.azimuth), JsonNumber(best.azimuth)};
    case PlanetField::Direction: return TextCell(std::string(CompassName(best.compassPoint)));
    default: return EmptyCell();
  }
}

// The method's columns, from its answer for the same planet.
EventCell MethodCell(const PlanetNight& p, PlanetField field, const NightAnswer& r, std::string_view sep) {
  const MethodPlanetNight* method = MethodBeside(r, p.body);
  if (!method) return EmptyCell();
  const PlanetNight& m = method->planet;
  const std::optional<double> difference =
      m.best && p.best ? std::optional(m.best->time.DaysSince(p.best->time) * MinutesPerDay) : std::nullopt;
  switch (field) {
    case PlanetField::MethodVisibleFrom: return m.visibleFrom ? MinuteCell(r.zone, m.visibleFrom->time) : EmptyCell();
    case PlanetField::MethodVisibleTo: return m.visibleTo ? MinuteCell(r.zone, m.visibleTo->time) : EmptyCell();
    case PlanetField::MethodBestTime: return m.best ? MinuteCell(r.zone, m.best->time) : EmptyCell();
    case PlanetField::MethodBestDifference: return NumberCell(difference, "#0", sep, " min");
    case PlanetField::MethodConstellation: return TextCell(std::string(ConstellationName(m.constellation)));
    case PlanetField::MethodError: return NumberCell(method->error, "#0.0##", sep, "°");
    case PlanetField::MethodSummary: {
      EventCell cell = TextCell(MethodNightWords(m, difference, method->error, r.zone, sep));
      cell.key = difference;
      return cell;
    }
    default: return EmptyCell();
  }
}

// The rising, culmination or setting of p in the night's span, when the
// night carries them.
EventCell PassageCell(const PlanetNight& p, PlanetField field, const NightAnswer& r) {
  for (const PlanetDay& day : r.passages) {
    if (day.body != p.body) continue;
    const std::optional<Instant>& at = field == PlanetField::Rise ? day.rise : field == PlanetField::Set ? day.set : day.transit;
    return at ? MinuteCell(r.zone, *at) : EmptyCell();
  }
  return EmptyCell();
}

}  // namespace

EventCell PlanetCellOf(const PlanetNight& p, PlanetField field, const NightAnswer& r, std::string_view sep) {
  const double body = BodyNumber(p.body);
  switch (field) {
    case PlanetField::Body: {
      const std::string number = std::to_string(BodyNumber(p.body));
      return {number, body, number, number};
    }
    case PlanetField::Name: return TextCell(std::string(SpanishName(p.body)), body);
    case PlanetField::Magnitude: return NumberCell(p.aspect.magnitude, "#0.0", sep);
    case PlanetField::Illuminated: return WholeCell(p.aspect.illuminated, 100, " %");
    case PlanetField::Elongation: return WholeCell(p.aspect.elongation, 1, "°");
    case PlanetField::Side: return TextCell(p.aspect.eastOfSun ? "vespertino" : "matutino");
    case PlanetField::Constellation: return TextCell(std::string(ConstellationName(p.constellation)));
    case PlanetField::ConstellationAbbr: return TextCell(std::string(p.constellation));
    case PlanetField::Instrument: {
      const std::string code(InstrumentCode(p.instrument));
      return {std::string(InstrumentWords(p.instrument)), std::nullopt, code, JsonString(code)};
    }
    case PlanetField::Rise:
    case PlanetField::Transit:
    case PlanetField::Set: return PassageCell(p, field, r);
    case PlanetField::VisibleFrom:
    case PlanetField::VisibleTo:
    case PlanetField::BestTime:
    case PlanetField::Altitude:
    case PlanetField::Azimuth:
    case PlanetField::Direction: return p.best ? SeenCell(p, field, r.zone, sep) : EmptyCell();
    case PlanetField::Reason: return p.miss == PlanetMiss::None ? EmptyCell() : TextCell(PlanetMissText(p, r.limits));
    case PlanetField::Margin: return NumberCell(p.margin, "#0.0", sep, "°");
    case PlanetField::MethodVisibleFrom:
    case PlanetField::MethodVisibleTo:
    case PlanetField::MethodBestTime:
    case PlanetField::MethodBestDifference:
    case PlanetField::MethodConstellation:
    case PlanetField::MethodError:
    case PlanetField::MethodSummary: return MethodCell(p, field, r, sep);
    case PlanetField::Notes:
      return TextCell(p.best ? std::string(InstrumentWords(p.instrument)) : "No se ve: " + PlanetNotSeenText(p, r, sep));
    case PlanetField::Count: break;
  }
  return EmptyCell();
}

std::string PlanetFieldsJson(const PlanetNight& p, const NightAnswer& r) {
  std::string json;
  const auto member = [](std::string& to, std::string_view key, const std::string& value) {
    to += (to.empty() ? "" : ", ") + JsonString(key) + ": " + value;
  };
  std::size_t k = 0;
  while (k < PlanetFields.size()) {
    const PlanetFieldName& name = PlanetFields[k];
    if (name.object.empty()) {
      if (!name.json.empty()) member(json, name.json, PlanetCellOf(p, static_cast<PlanetField>(k), r, ".").json);
      ++k;
      continue;
    }
    // The object's members: the columns that follow in it.
    std::string object;
    bool any = false;
    for (; k < PlanetFields.size() && PlanetFields[k].object == name.object; ++k) {
      if (PlanetFields[k].json.empty()) continue;
      const EventCell cell = PlanetCellOf(p, static_cast<PlanetField>(k), r, ".");
      any = any || cell.json != "null";
      member(object, PlanetFields[k].json, cell.json);
    }
    member(json, name.object, any ? "{" + object + "}" : "null");
  }
  return "{" + json + "}";
}

}  // namespace orbitas::report

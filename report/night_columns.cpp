#include "report/night_columns.h"

#include <cmath>

#include "report/json.h"
#include "report/night_output.h"
#include "report/sky_output.h"
#include "report/text_layout.h"
#include "runtime/shortest_text.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

constexpr std::string_view None = "—";

EventCell Empty() { return {std::string(None), std::nullopt, "", "null"}; }

// A text that is also its own value; sorted by key when given.
EventCell Text(std::string text, std::optional<double> key = std::nullopt) {
  std::string json = JsonString(text);
  std::string file = text;
  return {std::move(text), key, std::move(file), std::move(json)};
}

// A number to a pattern with its unit for people, alone for a file.
EventCell Number(const std::optional<double>& x, std::string_view pattern, std::string_view sep,
                 std::string_view unit = "") {
  if (!x) return Empty();
  return {SignedNumber(*x, pattern, sep) + std::string(unit), *x, ShortestText(*x), JsonNumber(*x)};
}

// A number rounded to a whole for people ("99 %", "165°").
EventCell Whole(double x, double scale, std::string_view unit) {
  return {std::to_string(std::lround(x * scale)) + std::string(unit), x, ShortestText(x), JsonNumber(x)};
}

// "2027-01-15 20:30" in the zone, sorted by the instant; ISO 8601 with the
// offset for a file.
EventCell Minute(const TimeZone& zone, const Instant& t) {
  std::string iso = zone.LocalIso(t);
  std::string json = JsonString(iso);
  return {DateText(zone.LocalMinute(t)), t.ut, std::move(iso), std::move(json)};
}

// The columns of the visible span and of the best moment, for a planet
// that is seen.
EventCell SeenCell(const PlanetNight& p, PlanetField field, const TimeZone& zone, std::string_view sep) {
  const BestView& best = *p.best;
  switch (field) {
    case PlanetField::VisibleFrom: return Minute(zone, p.visibleFrom->time);
    case PlanetField::VisibleTo: return Minute(zone, p.visibleTo->time);
    case PlanetField::VisibleFromError: return Number(p.visibleFrom->error.Bar(), "#0.0", sep);
    case PlanetField::VisibleToError: return Number(p.visibleTo->error.Bar(), "#0.0", sep);
    case PlanetField::BestTime: return Minute(zone, best.time);
    case PlanetField::Altitude: return Number(best.altitude, "#0.0", sep, "°");
    case PlanetField::Azimuth:
      return {AzimuthText(best.azimuth, sep) + "° (" + std::string(CompassName(best.compassPoint)) + ")", best.azimuth,
              ShortestText(best.azimuth), JsonNumber(best.azimuth)};
    case PlanetField::Direction: return Text(std::string(CompassName(best.compassPoint)));
    default: return Empty();
  }
}

}  // namespace

EventCell PlanetCellOf(const PlanetNight& p, PlanetField field, const NightAnswer& r, std::string_view sep) {
  const double body = BodyNumber(p.body);
  switch (field) {
    case PlanetField::Body: {
      const std::string number = std::to_string(BodyNumber(p.body));
      return {number, body, number, number};
    }
    case PlanetField::Name: return Text(std::string(SpanishName(p.body)), body);
    case PlanetField::Magnitude: return Number(p.aspect.magnitude, "#0.0", sep);
    case PlanetField::MagnitudeError: return Number(p.magnitudeError, "#0.0", sep);
    case PlanetField::Illuminated: return Whole(p.aspect.illuminated, 100, " %");
    case PlanetField::Elongation: return Whole(p.aspect.elongation, 1, "°");
    case PlanetField::Side: return Text(p.aspect.eastOfSun ? "vespertino" : "matutino");
    case PlanetField::Constellation: return Text(std::string(ConstellationName(p.constellation)));
    case PlanetField::ConstellationAbbr: return Text(std::string(p.constellation));
    case PlanetField::Instrument: {
      const std::string code(InstrumentCode(p.instrument));
      return {std::string(InstrumentWords(p.instrument)), std::nullopt, code, JsonString(code)};
    }
    case PlanetField::VisibleFrom:
    case PlanetField::VisibleTo:
    case PlanetField::VisibleFromError:
    case PlanetField::VisibleToError:
    case PlanetField::BestTime:
    case PlanetField::Altitude:
    case PlanetField::Azimuth:
    case PlanetField::Direction: return p.best ? SeenCell(p, field, r.zone, sep) : Empty();
    case PlanetField::Reason: return p.miss == PlanetMiss::None ? Empty() : Text(PlanetMissText(p, r.limits));
    case PlanetField::Margin: return Number(p.margin, "#0.0", sep, "°");
    // Whole degrees: the almanac says them only when the method has lost the planet.
    case PlanetField::MethodError: return Number(p.error.method, "#0", sep, "°");
    case PlanetField::ReferenceError: return Number(p.error.reference, "#0", sep, "°");
    case PlanetField::Error: {
      const std::optional<double> error = p.error.Bar();
      EventCell cell = Number(error, "#0.0", sep);
      cell.text = ErrorText(error, sep);
      return cell;
    }
    case PlanetField::Notes:
      return Text(p.best ? std::string(InstrumentWords(p.instrument)) : "No se ve: " + PlanetNotSeenText(p, r, sep));
    case PlanetField::Count: break;
  }
  return Empty();
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

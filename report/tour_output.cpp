#include "report/tour_output.h"

#include <algorithm>
#include <cmath>

#include "report/json.h"
#include "report/night_output.h"
#include "report/sky_output.h"
#include "report/sources.h"
#include "report/text_layout.h"
#include "runtime/number_text.h"
#include "session/clock_words.h"
#include "session/deep_sky_words.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

struct Times {
  std::string clock, iso;
};

Times TimesOf(const std::optional<Instant>& t, const TimeZone& zone) {
  if (!t) return {};
  return {zone.ToMinute(*t).Clock(), zone.LocalIso(*t)};
}

void SetTimes(TourCells& c, const std::optional<Instant>& best, const std::optional<Instant>& from,
              const std::optional<Instant>& to, const TimeZone& zone) {
  const Times b = TimesOf(best, zone), f = TimesOf(from, zone), t = TimesOf(to, zone);
  c.best = b.clock, c.bestIso = b.iso, c.from = f.clock, c.fromIso = f.iso, c.to = t.clock, c.toIso = t.iso;
}

std::string Degrees(double x, const Numerals& n) { return n(std::round(x), "#0"); }

void SetRating(TourCells& c, DeepSkyRating rating) {
  c.rating = std::string(RatingWords(rating));
  c.ratingCode = std::string(RatingCode(rating));
}

TourCells PlanetCells(const TourAnswer& a, const TourStop& stop, const Numerals& sep) {
  const PlanetNight& p = a.night.night.planets[static_cast<std::size_t>(stop.index)];
  TourCells c;
  c.kind = "planet", c.id = std::string(SpanishName(p.body)), c.title = c.id, c.type = "planeta";
  c.constellation = std::string(ConstellationName(p.constellation));
  c.magnitude = sep(p.aspect.magnitude, "#0.0");
  if (p.best) c.altitude = Degrees(p.best->altitude, sep), c.azimuth = Degrees(p.best->azimuth, sep);
  std::optional<Instant> from, to;
  if (p.visibleFrom) from = p.visibleFrom->time;
  if (p.visibleTo) to = p.visibleTo->time;
  SetTimes(c, stop.best, from, to, a.night.zone);
  SetRating(c, stop.rating);
  if (!p.best) c.reason = PlanetNotSeenText(p, a.night, sep.separator), c.reasonCode = "notVisible";
  else if (stop.rating == DeepSkyRating::NotTonight)
    c.reason = "demasiado débil " + InstrumentWithAperture(a.choice.conditions), c.reasonCode = "tooFaint";
  return c;
}

TourCells MoonCells(const TourAnswer& a, const TourStop& stop, const Numerals& sep) {
  const MoonNight& m = a.night.night.moon;
  TourCells c;
  c.kind = "moon", c.id = "Luna", c.title = "la Luna", c.type = std::string(PhaseName(m.phase.code));
  c.magnitude = "";
  c.reason = sep(std::round(m.phase.illuminated * 100), "#0") + " % iluminada";
  SetTimes(c, stop.best, m.rise, m.set, a.night.zone);
  SetRating(c, stop.rating);
  return c;
}

TourCells ShowerCells(const TourAnswer& a, const TourStop& stop, const Numerals& sep) {
  const ShowerNight& s = a.night.showers[static_cast<std::size_t>(stop.index)];
  TourCells c;
  c.kind = "shower", c.id = std::string(s.shower->code), c.title = std::string(ShowerName(s.shower->code));
  c.type = "lluvia de meteoros";
  c.altitude = Degrees(s.radiantAltitude, sep);
  c.reason = MeteorRateText(s.hourlyRate);
  SetTimes(c, stop.best, std::nullopt, std::nullopt, a.night.zone);
  SetRating(c, stop.rating);
  return c;
}

TourCells DeepSkyCells(const TourAnswer& a, const TourStop& stop, const Numerals& sep) {
  const DeepSkyNight& n = a.objects[static_cast<std::size_t>(stop.index)];
  const DeepSkyObject& o = *n.object;
  TourCells c;
  c.kind = "deepSky", c.id = std::string(o.id), c.title = DeepSkyTitle(o), c.type = std::string(DeepSkyTypeWords(o.type));
  c.constellation = std::string(ConstellationName(n.constellation));
  if (o.HasMagnitude()) c.magnitude = sep(o.magnitude, "#0.0");
  if (n.best) c.altitude = Degrees(n.best->altitude, sep), c.azimuth = Degrees(n.best->azimuth, sep);
  SetTimes(c, stop.best, n.visibleFrom, n.visibleTo, a.night.zone);
  SetRating(c, stop.rating);
  c.reason = ReasonWords(n, a.choice.conditions, sep.separator);
  c.reasonCode = std::string(ReasonCode(n.reason));
  // A circumpolar object never sets here: worth saying beside the reason.
  if (n.circumpolar) c.reason += c.reason.empty() ? "circumpolar" : "; circumpolar";
  return c;
}

std::string Text(const std::string& s) { return s.empty() ? "null" : JsonString(s); }
std::string Number(std::optional<double> x) { return x ? JsonNumber(*x) : "null"; }

// The keys only a deep-sky object has: its names, size and place of date.
std::string DeepSkyJson(const DeepSkyNight& n) {
  const DeepSkyObject& o = *n.object;
  std::string json = ", \"names\": [";
  bool first = true;
  for (const std::string& name : DeepSkyNames(o)) json += (first ? "" : ", ") + JsonString(name), first = false;
  json += "], \"typeCode\": " + JsonString(DeepSkyTypeCode(o.type));
  json += ", \"size\": " + (o.majorAxis > 0 ? "{\"major\": " + JsonNumber(o.majorAxis) + ", \"minor\": " +
                                                   JsonNumber(o.MinorOrMajor()) + ", \"angle\": " +
                                                   Number(o.positionAngle >= 0 ? std::optional(o.positionAngle) : std::nullopt) + "}"
                                             : std::string("null"));
  json += ", \"surfaceBrightness\": " + Number(o.surfaceBrightness < NoMagnitude ? std::optional(o.surfaceBrightness) : std::nullopt);
  json += ", \"ra\": " + JsonNumber(n.rightAscensionOfDate) + ", \"dec\": " + JsonNumber(n.declinationOfDate);
  json += std::string(", \"circumpolar\": ") + (n.circumpolar ? "true" : "false") +
          ", \"neverRises\": " + (n.neverRises ? "true" : "false") + ", \"margin\": " + Number(n.margin > -90 ? std::optional(n.margin) : std::nullopt);
  return json;
}

std::string StopJson(const TourAnswer& a, const TourStop& stop, const TourCells& c) {
  std::string json = "{\"kind\": " + JsonString(c.kind) + ", \"id\": " + JsonString(c.id) +
                     ", \"title\": " + JsonString(c.title) + ", \"type\": " + JsonString(c.type) +
                     ", \"constellation\": " + Text(c.constellation);
  std::optional<double> magnitude, altitude, azimuth;
  if (stop.kind == TourKind::DeepSky) {
    const DeepSkyNight& n = a.objects[static_cast<std::size_t>(stop.index)];
    if (n.object->HasMagnitude()) magnitude = n.object->magnitude;
    if (n.best) altitude = n.best->altitude, azimuth = n.best->azimuth;
    json += DeepSkyJson(n);
  } else if (stop.kind == TourKind::Planet) {
    const PlanetNight& p = a.night.night.planets[static_cast<std::size_t>(stop.index)];
    magnitude = p.aspect.magnitude;
    if (p.best) altitude = p.best->altitude, azimuth = p.best->azimuth;
  } else if (stop.kind == TourKind::Shower) {
    altitude = a.night.showers[static_cast<std::size_t>(stop.index)].radiantAltitude;
  }
  json += ", \"magnitude\": " + Number(magnitude) + ", \"visibleFrom\": " + Text(c.fromIso) +
          ", \"visibleTo\": " + Text(c.toIso) + ", \"bestTime\": " + Text(c.bestIso) +
          ", \"altitude\": " + Number(altitude) + ", \"azimuth\": " + Number(azimuth) +
          ", \"rating\": " + JsonString(c.ratingCode) + ", \"ratingText\": " + JsonString(c.rating) +
          ", \"reason\": " + Text(c.reasonCode) + ", \"reasonText\": " + Text(c.reason) + "}";
  return json;
}

}  // namespace

std::vector<TourCells> TourCellsOf(const TourAnswer& answer, const Numerals& separator) {
  std::vector<TourCells> out;
  for (const TourStop& stop : answer.stops) {
    switch (stop.kind) {
      case TourKind::Planet: out.push_back(PlanetCells(answer, stop, separator)); break;
      case TourKind::Moon: out.push_back(MoonCells(answer, stop, separator)); break;
      case TourKind::Shower: out.push_back(ShowerCells(answer, stop, separator)); break;
      case TourKind::DeepSky: out.push_back(DeepSkyCells(answer, stop, separator)); break;
    }
  }
  return out;
}

std::string TourText(const TourAnswer& a, std::string_view sep) {
  const NightAnswer& r = a.night;
  std::string text = "Recorrido de la noche del " + DateWithWeekday(r.date) + " desde " + PlaceText(r.place) + ", " +
                     InstrumentWithAperture(a.choice.conditions) + "\n";
  std::string sky = SkyWords(r.limits.sky, sep);
  sky[0] = 'C';
  text += sky + ".\n" + SunAndMoonText(r, sep) + "\n";
  const std::vector<TourCells> cells = TourCellsOf(a, ForPeople(sep));
  using Column = std::string TourCells::*;
  const std::pair<const char*, Column> columns[] = {
      {"Hora", &TourCells::best},          {"Objeto", &TourCells::title},   {"Tipo", &TourCells::type},
      {"Constelación", &TourCells::constellation}, {"Mag.", &TourCells::magnitude}, {"Alt.", &TourCells::altitude},
      {"Acim.", &TourCells::azimuth},      {"Desde", &TourCells::from},     {"Hasta", &TourCells::to},
      {"Dificultad", &TourCells::rating},  {"Motivo", &TourCells::reason}};
  std::vector<std::size_t> widths;
  for (const auto& [heading, field] : columns) {
    std::size_t w = DisplayWidth(heading);
    for (const TourCells& c : cells) w = std::max(w, DisplayWidth(c.*field));
    widths.push_back(w);
  }
  const auto line = [&](const auto& cellOf) {
    std::string out;
    for (std::size_t k = 0; k < std::size(columns); ++k)
      out += k + 1 == std::size(columns) ? cellOf(k) : PadRight(cellOf(k), widths[k] + 2);
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out + "\n";
  };
  text += line([&](std::size_t k) { return std::string(columns[k].first); });
  for (const TourCells& c : cells) text += line([&](std::size_t k) { return c.*(columns[k].second); });
  if (cells.empty()) text += "Nada que ver esta noche con estas condiciones.\n";
  if (a.unseenObjects > 0 && !a.choice.withUnseen)
    text += "\n" + std::to_string(a.unseenObjects) + " objetos de cielo profundo no se verán esta noche; " +
            "--todos los lista con el motivo.\n";
  return text + SourcesLine(true);
}

std::string TourCsv(const TourAnswer& a) {
  std::string csv = "kind,id,title,type,constellation,magnitude,altitude,azimuth,bestTime,visibleFrom,visibleTo,"
                    "rating,reason\n";
  for (const TourCells& c : TourCellsOf(a, ForFiles())) {
    for (const std::string* f : {&c.kind, &c.id, &c.title, &c.type, &c.constellation, &c.magnitude, &c.altitude,
                                 &c.azimuth, &c.bestIso, &c.fromIso, &c.toIso, &c.ratingCode})
      csv += CsvField(*f) + ",";
    csv += CsvField(c.reason) + "\n";
  }
  return csv;
}

std::string TourJson(const TourAnswer& a) {
  const NightAnswer& r = a.night;
  const DeepSkyConditions& c = a.choice.conditions;
  std::string json = "{\"date\": " + JsonString(r.date) + ", \"zone\": " + JsonString(r.zone.name()) +
                     ", \"latitude\": " + JsonNumber(r.place.latitude) +
                     ", \"longitude\": " + JsonNumber(r.place.longitude) + PlaceJson(r.place) +
                     ", \"sky\": " + JsonString(SkyCode(r.limits.sky)) +
                     ", \"limitingMagnitude\": " + JsonNumber(ZenithLimitingMagnitude(r.limits.sky)) +
                     ", \"instrument\": " + JsonString(InstrumentCode(c.instrument)) +
                     ", \"aperture\": " + (c.instrument == Instrument::Telescope ? JsonNumber(c.aperture) : "null") +
                     ", \"leastAltitude\": " + JsonNumber(c.leastAltitude) + ", \"stops\": [";
  const std::vector<TourCells> cells = TourCellsOf(a, ForFiles());
  for (std::size_t i = 0; i < cells.size(); ++i) json += (i ? ", " : "") + StopJson(a, a.stops[i], cells[i]);
  return json + "], \"unseen\": " + std::to_string(a.unseenObjects) + ", \"sources\": " + SourcesJson(true) + "}\n";
}

}  // namespace orbitas::report

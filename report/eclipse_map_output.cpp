#include "report/eclipse_map_output.h"

#include <cmath>
#include <functional>
#include <vector>

#include "report/eclipse_output.h"
#include "report/json.h"
#include "report/text_layout.h"
#include "runtime/number_text.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

// One line of the map, with its name for people and its key for programs.
struct NamedLine {
  const PathLine* points;
  std::string key, name;
  std::optional<double> magnitude;
};

std::vector<NamedLine> LinesOf(const SolarEclipsePath& path) {
  const bool annular = path.eclipse.type == EclipseType::Annular;
  const std::string phase = annular ? "la anularidad" : "la totalidad";
  std::vector<NamedLine> lines = {{&path.centralLine, "centralLine", "Línea central", std::nullopt},
                                  {&path.northLimit, "northLimit", "Límite norte de " + phase, std::nullopt},
                                  {&path.southLimit, "southLimit", "Límite sur de " + phase, std::nullopt},
                                  {&path.partialNorthLimit, "partialNorthLimit", "Límite norte del eclipse parcial", std::nullopt},
                                  {&path.partialSouthLimit, "partialSouthLimit", "Límite sur del eclipse parcial", std::nullopt}};
  for (const PathLine& line : path.riseSetLimits)
    lines.push_back({&line, "sunriseSunsetLimit", "Límite del eclipse a la salida o la puesta del Sol", std::nullopt});
  for (const MagnitudeLine& m : path.magnitudes) {
    const std::string name = "Magnitud " + Format(m.magnitude, "0.0", ",");
    lines.push_back({&m.north, "magnitude", name + " (norte)", m.magnitude});
    lines.push_back({&m.south, "magnitude", name + " (sur)", m.magnitude});
  }
  return lines;
}

// A line cut where it crosses the 180th meridian.
std::vector<PathLine> Pieces(const PathLine& line) {
  std::vector<PathLine> pieces(1);
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (i && std::fabs(line[i].longitude - line[i - 1].longitude) > 180) pieces.emplace_back();
    pieces.back().push_back(line[i]);
  }
  if (pieces.back().empty()) pieces.pop_back();
  return pieces;
}

std::string UtIso(const Instant& t) { return TimeZone().LocalIso(t); }

std::string LineFeature(const NamedLine& line, const PathLine& piece) {
  std::string coordinates, times, durations;
  for (std::size_t i = 0; i < piece.size(); ++i) {
    const std::string comma = i ? ", " : "";
    coordinates += comma + "[" + JsonNumber(piece[i].longitude) + ", " + JsonNumber(piece[i].latitude) + "]";
    times += comma + JsonString(UtIso(piece[i].time));
    durations += comma + (piece[i].duration ? JsonNumber(*piece[i].duration) : "null");
  }
  std::string properties = "\"line\": " + JsonString(line.key) + ", \"name\": " + JsonString(line.name);
  if (line.magnitude) properties += ", \"magnitude\": " + JsonNumber(*line.magnitude);
  properties += ", \"times\": [" + times + "]";
  if (line.key == "centralLine") properties += ", \"durations\": [" + durations + "]";
  return "{\"type\": \"Feature\", \"geometry\": {\"type\": \"LineString\", \"coordinates\": [" + coordinates +
         "]}, \"properties\": {" + properties + "}}";
}

std::string Compass8(double bearing) {
  static constexpr const char* Words[] = {"norte", "noreste", "este", "sureste", "sur", "suroeste", "oeste", "noroeste"};
  return Words[static_cast<int>(std::lround(bearing / 45)) % 8];
}

std::string Kilometres(double km, std::string_view separator) { return Format(std::round(km), "#0", separator) + " km"; }

std::string Duration(double seconds) {
  const long s = std::lround(seconds);
  return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
}

std::string PathText(const EclipseMapAnswer& a, std::string_view sep) {
  const SolarEclipsePath& path = *a.path;
  if (path.centralLine.empty()) return "\nEl eje de la sombra no toca la Tierra: no hay franja central.\n";
  const bool annular = path.eclipse.type == EclipseType::Annular;
  std::string text = "\nFranja de " + std::string(annular ? "anularidad" : "totalidad") + ": de " +
                     a.zone.ToSecond(path.centralLine.front().time).Clock() + " a " +
                     a.zone.ToSecond(path.centralLine.back().time).Clock() + " (" + a.zone.name() + ")";
  if (path.widthAtGreatest) text += "; " + Kilometres(*path.widthAtGreatest, sep) + " de ancho en el máximo";
  if (path.eclipse.centralDuration) text += ", " + Duration(*path.eclipse.centralDuration);
  text += ".\n";
  if (!a.place) return text;
  if (a.placeInside && a.local && a.local->duration) {
    text += "El lugar está dentro de la franja: " + std::string(annular ? "anular " : "total ") +
            Duration(*a.local->duration) + " a las " + a.zone.ToMinute(a.local->Maximum()).Clock() + ".\n";
  } else if (a.nearest) {
    text += "Lo más cerca para verlo " + std::string(annular ? "anular" : "total") + ": " + WayWords(*a.nearest, sep) +
            " (" + SignedNumber(a.nearest->latitude, "#0.00", sep) + ", " + SignedNumber(a.nearest->longitude, "#0.00", sep) +
            ").\n";
  }
  if (!a.cities.empty()) text += "Ciudades dentro de la franja, cerca de aquí:\n";
  for (const CityInPath& c : a.cities) {
    text += "  " + c.city.name + ", " + WayWords(c.way, sep) + ": " + (annular ? "anular " : "total ") +
            Duration(*c.local.duration) + " a las " + a.zone.ToMinute(c.local.Maximum()).Clock() + "\n";
  }
  return text;
}

std::string MoonText(const EclipseMapAnswer& a, std::string_view sep) {
  std::string text = "\nLa Luna en el cénit (se ve a menos de 90° de cada punto):\n";
  for (const SubLunarPoint& p : a.moonOverhead) {
    text += "  " + PadRight(std::string(ContactName(p.contact)), 24) + a.zone.ToSecond(p.time).Clock() + "  " +
            SignedNumber(p.latitude, "#0.0", sep) + "°, " + SignedNumber(p.longitude, "#0.0", sep) + "°\n";
  }
  return text;
}

std::string KmlCoordinates(const PathLine& piece) {
  std::string out;
  for (const PathPoint& p : piece) out += Format(p.longitude, "#0.000000") + "," + Format(p.latitude, "#0.000000") + ",0 ";
  if (!out.empty()) out.pop_back();
  return out;
}

std::string XmlEscaped(const std::string& text) {
  std::string out;
  for (const char c : text) out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
  return out;
}

}  // namespace

std::string WayWords(const WayTo& way, std::string_view separator) {
  return "a " + Kilometres(way.distance, separator) + " al " + Compass8(way.bearing);
}

std::string EclipseMapText(const EclipseMapAnswer& a, std::string_view separator) {
  std::string text = EclipseText(a.seen, a.place, a.zone, separator);
  if (a.path) text += PathText(a, separator);
  if (!a.moonOverhead.empty()) text += MoonText(a, separator);
  return text;
}

std::string EclipseMapGeoJson(const EclipseMapAnswer& a) {
  std::vector<std::string> features;
  if (a.path) {
    for (const NamedLine& line : LinesOf(*a.path))
      for (const PathLine& piece : Pieces(*line.points))
        if (piece.size() >= 2) features.push_back(LineFeature(line, piece));
  }
  const auto point = [&](double lat, double lon, const std::string& properties) {
    features.push_back("{\"type\": \"Feature\", \"geometry\": {\"type\": \"Point\", \"coordinates\": [" +
                       JsonNumber(lon) + ", " + JsonNumber(lat) + "]}, \"properties\": {" + properties + "}}");
  };
  const auto way = [](const WayTo& w) {
    return ", \"distance\": " + JsonNumber(w.distance) + ", \"bearing\": " + JsonNumber(w.bearing);
  };
  if (a.place) {
    std::string local = "\"line\": \"place\", \"inside\": " + std::string(a.placeInside ? "true" : "false");
    if (a.seen.solar && a.seen.solar->type)
      local += ", \"kind\": " + JsonString(EclipseTypeKey(*a.seen.solar->type)) + ", \"magnitude\": " +
               JsonNumber(a.seen.solar->magnitude) + ", \"maximum\": " + JsonString(UtIso(a.seen.solar->Maximum()));
    point(a.place->latitude, a.place->longitude, local);
  }
  if (a.nearest) point(a.nearest->latitude, a.nearest->longitude, "\"line\": \"nearestPoint\"" + way(*a.nearest));
  for (const CityInPath& c : a.cities) {
    point(c.city.latitude, c.city.longitude,
          "\"line\": \"city\", \"name\": " + JsonString(c.city.name) + way(c.way) + ", \"duration\": " +
              JsonNumber(*c.local.duration) + ", \"maximum\": " + JsonString(UtIso(c.local.Maximum())));
  }
  for (const SubLunarPoint& p : a.moonOverhead) {
    features.push_back("{\"type\": \"Feature\", \"geometry\": {\"type\": \"Point\", \"coordinates\": [" +
                       JsonNumber(p.longitude) + ", " + JsonNumber(p.latitude) +
                       "]}, \"properties\": {\"line\": \"moonOverhead\", \"contact\": " + JsonString(ContactKey(p.contact)) +
                       ", \"time\": " + JsonString(UtIso(p.time)) + "}}");
  }
  std::string json = "{\"type\": \"FeatureCollection\", \"features\": [";
  for (std::size_t i = 0; i < features.size(); ++i) json += (i ? ",\n" : "\n") + features[i];
  return json + "\n]}\n";
}

std::string EclipseMapKml(const EclipseMapAnswer& a) {
  std::string kml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n";
  kml += "<name>" + XmlEscaped(EclipseSummary(a.seen, ForPeople(","))) + "</name>\n";
  if (a.path) {
    for (const NamedLine& line : LinesOf(*a.path)) {
      for (const PathLine& piece : Pieces(*line.points)) {
        if (piece.size() < 2) continue;
        kml += "<Placemark><name>" + XmlEscaped(line.name) + "</name><TimeSpan><begin>" + UtIso(piece.front().time) +
               "</begin><end>" + UtIso(piece.back().time) + "</end></TimeSpan><LineString><tessellate>1</tessellate>"
               "<coordinates>" + KmlCoordinates(piece) + "</coordinates></LineString></Placemark>\n";
      }
    }
  }
  for (const SubLunarPoint& p : a.moonOverhead) {
    kml += "<Placemark><name>" + XmlEscaped("La Luna en el cénit: " + std::string(ContactName(p.contact))) +
           "</name><TimeStamp><when>" + UtIso(p.time) + "</when></TimeStamp><Point><coordinates>" +
           Format(p.longitude, "#0.000000") + "," + Format(p.latitude, "#0.000000") + ",0</coordinates></Point></Placemark>\n";
  }
  return kml + "</Document>\n</kml>\n";
}

}  // namespace orbitas::report

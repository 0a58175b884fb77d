#include "session/chart_contents.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "session/clock_words.h"
#include "calendar/civil_time.h"
#include "runtime/number_text.h"
#include "session/deep_sky_words.h"
#include "session/names.h"
#include "session/star_names.h"
#include "sky/bodies/method_sky.h"
#include "sky/bodies/planet_appearance.h"
#include "sky/deep_sky/deep_sky_dome.h"
#include "sky/night/night.h"
#include "sky/stars/stars.h"

namespace orbitas {
namespace {

// "4h 20m" for a right ascension, "+20°" or "-5°" for a declination.
std::string GridLabel(const ChartGridLine& line) {
  if (line.ofRightAscension) {
    const int minutes = static_cast<int>(std::lround(line.value * 60));
    char text[16];
    std::snprintf(text, sizeof text, "%dh %02dm", minutes / 60, minutes % 60);
    return text;
  }
  const int degrees = static_cast<int>(std::lround(line.value));
  return (degrees > 0 ? "+" : "") + std::to_string(degrees) + "°";
}

// The catalogue stops at the 8th magnitude: a fainter planet (Pluto 14.5)
// is said to be beyond its stars; nothing for a planet among them.
std::string BeyondTheStars(const ElementsTable& elements, Body body, const Instant& at, std::string_view separator) {
  double faintest = 0;
  for (const Star& s : StarCatalogue()) faintest = std::max(faintest, s.magnitude);
  const double magnitude = AspectOf(body, MethodHeliocentricEquatorial(elements, body, at),
                                    MethodHeliocentricEquatorial(elements, Body::Earth, at), at)
                               .magnitude;
  if (magnitude <= faintest) return "";
  return std::string(SpanishName(body)) + " (magnitud " + Format(magnitude, "#0.0", separator) +
         ") es más débil que las estrellas de esta carta (hasta la " + Format(faintest, "#0.0", separator) + "): " +
         (InstrumentFor(magnitude) == Instrument::Binoculars ? "hacen falta prismáticos" : "hace falta un telescopio") +
         " y una carta más profunda";
}

// The texts every chart has: the stars', the figures', the grid's and the
// deep-sky objects' (which it gets here, with their labels).
void FieldTexts(FinderChartPicture& picture, std::string_view separator) {
  FinderChart& chart = picture.chart;
  chart.deepSky = DeepSkyInField(ChartObjects(ChartDeepSkyMagnitude), chart.projection, chart.half);
  for (const ChartStar& s : chart.stars) {
    const std::string_view proper = StarProperName(*s.star);
    picture.starLabels.push_back(!proper.empty()                                 ? std::string(proper)
                                 : s.star->magnitude <= LetteredStarMagnitude ? std::string(s.star->bayer)
                                                                              : "");
    picture.starTitles.push_back(StarLabel(*s.star) + ": magnitud " + Format(s.star->magnitude, "#0.0", separator));
  }
  for (const ChartFigure& f : chart.figures) picture.figureNames.emplace_back(ConstellationName(f.constellation));
  for (const ChartGridLine& line : chart.grid) picture.gridLabels.push_back(GridLabel(line));
  for (const ChartDeepSky& d : chart.deepSky) {
    picture.deepSkyLabels.emplace_back(d.object->id);
    picture.deepSkyTitles.push_back(DeepSkyTitle(*d.object, separator));
  }
}

std::string HorizonText(const FinderChart& chart, std::string_view separator) {
  if (!chart.altitude) return "";
  return (*chart.altitude > 0 ? "" : "bajo el horizonte a esa hora: ") + std::string("altura ") +
         SignedNumber(*chart.altitude, "#0.0", separator) + "°, acimut " + Format(*chart.azimuth, "#0.0", separator) +
         "°";
}

}  // namespace

FinderChartPicture FinderChartPictureOf(const ElementsTable& elements, Body body, const Instant& at, double field,
                                        const std::optional<Place>& place, const TimeZone& zone,
                                        std::string_view separator) {
  FinderChartPicture picture;
  picture.chart = FinderChartOf(elements, body, at, field, place);
  const FinderChart& chart = picture.chart;
  const std::string name(SpanishName(body));
  picture.heading = name + " · " + MinuteWithWeekday(zone, at) + ", " + ClockWords(zone, at) + " · en " +
                    std::string(ConstellationName(chart.constellation));
  if (place) picture.heading += " · desde " + place->text;
  picture.title = "Carta de " + picture.heading;
  picture.referenceTitle = name;
  picture.methodTitle = name + " según el método de Kepler" +
                        (chart.methodError ? ", a " + Format(*chart.methodError, "#0.00", separator) + "° como mucho" : "");
  picture.pathTitle = name + " del " + zone.ToMinute(at.After(-15)).Date() + " al " + zone.ToMinute(at.After(15)).Date();
  for (const ChartPathPoint& p : chart.path)
    picture.tickDates.push_back(p.tick ? zone.ToMinute(p.time).MonthDay() : "");
  FieldTexts(picture, separator);
  picture.beyondStars = BeyondTheStars(elements, body, at, separator);
  picture.horizon = HorizonText(chart, separator);
  return picture;
}

FinderChartPicture ObjectChartPictureOf(const DeepSkyObject& object, const Instant& at, double field,
                                        const std::optional<Place>& place, const TimeZone& zone,
                                        std::string_view separator) {
  FinderChartPicture picture;
  picture.chart = FinderChartAround(object.rightAscension, object.declination, at, field, place);
  picture.chart.object = &object;
  picture.heading = DeepSkyHeading(object) + " · " + MinuteWithWeekday(zone, at) + ", " + ClockWords(zone, at) +
                    " · en " + std::string(ConstellationName(picture.chart.constellation));
  if (place) picture.heading += " · desde " + place->text;
  picture.title = "Carta de " + picture.heading;
  picture.methodTitle = DeepSkyTitle(object, separator);
  FieldTexts(picture, separator);
  picture.horizon = HorizonText(picture.chart, separator);
  return picture;
}

std::string ChartCaption(const FinderChartPicture& chart) {
  std::string caption = "Carta de " + chart.heading + "\n" + chart.methodTitle + "\n";
  for (const std::string* line : {&chart.horizon, &chart.beyondStars})
    if (!line->empty()) caption += *line + "\n";
  return caption;
}

}  // namespace orbitas

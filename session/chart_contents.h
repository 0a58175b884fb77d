#pragma once
// What the finder chart shows, with its texts: the chart the sky library
// computes, and beside each of its parts the Spanish names and titles
// the picture writes.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/time_zone.h"
#include "ephemeris/elements.h"
#include "sky/deep_sky/deep_sky_catalogue.h"
#include "sky/frames/place.h"
#include "sky/stars/finder_chart.h"

namespace orbitas {

// Stars of this magnitude or brighter carry their Bayer letter.
inline constexpr double LetteredStarMagnitude = 5.0;

// A chart shows every Messier and Caldwell object in its field, and the
// other deep-sky objects of this magnitude or brighter.
inline constexpr double ChartDeepSkyMagnitude = 10.0;

struct FinderChartPicture {
  FinderChart chart;
  std::string title;           // the document's: "Carta de " and the heading
  std::string heading;         // "Urano · 2026-12-08 22:00 (Europe/Madrid) · en Tauro"
  std::string referenceTitle;  // "Urano (ERFA)"
  std::string methodTitle;     // "Urano según el método, ±0.25°"; of an object, its DeepSkyTitle
  std::string pathTitle;       // "Urano del 2026-11-23 al 2026-12-23 (ERFA)"
  std::vector<std::string> starLabels;   // one a star: its name, its Bayer letter, or ""
  std::vector<std::string> starTitles;   // one a star: "Aldebarán: magnitud 0.9"
  std::vector<std::string> figureNames;  // one a figure: the constellation's Spanish name
  std::vector<std::string> tickDates;    // one a path point: "12-03" on the ticks, else ""
  std::vector<std::string> gridLabels;   // one a grid line: "4h 20m", "+20°"
  std::vector<std::string> deepSkyLabels;  // one a deep-sky object: its id, "M31"
  std::vector<std::string> deepSkyTitles;  // one a deep-sky object: its DeepSkyTitle
  std::string horizon;  // "altura 35.2°, acimut 120.3°" with a place, else ""
  // A planet fainter than the catalogue's faintest star: that the chart's
  // stars do not reach it, and what it takes to see it; else "".
  std::string beyondStars;
};

// The finder chart of body at `at`, fieldDegrees across,
// with the place's horizon if given, its times in zone and its numbers
// with decimalSeparator. Raises the method's run-time errors.
FinderChartPicture FinderChartPictureOf(const ElementsTable& elements, Body body, const Instant& at,
                                        double fieldDegrees, const std::optional<Place>& place, const TimeZone& zone,
                                        std::string_view decimalSeparator);

// The finder chart centred on a deep-sky object at `at`, fieldDegrees
// across, with the place's horizon if given: headed by the object's id
// and Spanish name, with no path and no method's place. Raises nothing.
FinderChartPicture ObjectChartPictureOf(const DeepSkyObject& object, const Instant& at, double fieldDegrees,
                                        const std::optional<Place>& place, const TimeZone& zone,
                                        std::string_view decimalSeparator);

// What a chart shows, in the lines that go above or beside it: "Carta de "
// and the heading, the method's title, the horizon with a place, and why
// the stars do not reach a faint planet; each line ends in "\n".
std::string ChartCaption(const FinderChartPicture& chart);

}  // namespace orbitas

#pragma once
// An eclipse on the map as orbitas-cli writes it: the path in words with
// the way to it from the place, or its lines for other programs as a
// GeoJSON FeatureCollection (RFC 7946) or a KML document (OGC 2.2).
#include <string>
#include <string_view>

#include "session/eclipse_map.h"

namespace orbitas::report {

// "a 92 km al sur" for a way, numbers with separator. Raises nothing.
std::string WayWords(const WayTo& way, std::string_view separator);

// The eclipse's account (as --eclipse writes it), then the path: its
// width and duration at greatest, and from the place whether it sees it
// total, and if not the nearest point of the path and the nearest cities
// inside it with their duration and local time of greatest eclipse. A
// lunar eclipse: the points with the Moon overhead at each contact.
std::string EclipseMapText(const EclipseMapAnswer& answer, std::string_view separator);

// The lines as GeoJSON: a LineString a line (a line that crosses the
// 180th meridian is cut there, as RFC 7946 asks), each with
// properties.line (northLimit, southLimit, centralLine, partialNorthLimit,
// partialSouthLimit, sunriseSunsetLimit, magnitude with
// properties.magnitude), properties.times
// (ISO 8601, UT, one a coordinate) and on the central line
// properties.durations (seconds); as Points, the place (properties.line
// "place", .inside, .kind, .magnitude, .maximum), the nearest point of
// the path ("nearestPoint", .distance km, .bearing degrees) and the towns
// inside it ("city", .name, .distance, .bearing, .duration seconds,
// .maximum), and a lunar eclipse's points with the Moon overhead
// ("moonOverhead", .contact, .time).
std::string EclipseMapGeoJson(const EclipseMapAnswer& answer);

// The same lines as a KML document, a Placemark each, named in Spanish.
std::string EclipseMapKml(const EclipseMapAnswer& answer);

}  // namespace orbitas::report

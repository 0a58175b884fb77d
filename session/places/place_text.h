#pragma once
// A place as a person types it: a city's name ("Sevilla", "Barcelona,
// Venezuela"), decimal degrees ("40.4168,-3.7038") or degrees and minutes
// with the hemispheres ("40°25′N,3°42′O"). Shared by every front end, so
// that the command line and the planner read the same texts the same way.
#include <optional>
#include <string>

#include "sky/frames/place.h"

namespace orbitas {

// "LAT,LON" with decimal points ("40.4168,-3.7038"). Raises RequestRefused
// naming the value for a malformed number, a latitude beyond ±90 or a
// longitude beyond ±180.
Place ParsePlace(const std::string& text);

// text with the minus sign (U+2212), as the texts write negative numbers,
// turned back into hyphens, so that what is copied from a heading reads.
std::string WithHyphens(std::string text);

// A place in degrees, minutes and seconds with the hemispheres' letters:
// "40°25′N,3°42′W", "40 25 N, 3 42 O", "40:25:30N 3:42:10W" (N, S; E, W or
// O for oeste; ° ′ ″ ' " : or spaces between the numbers). None for text
// not of that form; raises RequestRefused for one of that form out of range.
std::optional<Place> ParseSexagesimalPlace(const std::string& text);

struct TypedPlace {
  Place place;
  std::string othersNote;  // the other cities of that name and how to choose one, or empty
  // For coordinates, which bring no zone: the zone given them, the nearest
  // city's, said in a sentence ("hora de Europe/Madrid, la de la ciudad más
  // cercana: Sevilla (Andalusia, España)"); empty for a city.
  std::string zoneNote;
};

// The place text names: coordinates in either form, with the zone of the
// gazetteer's nearest city, else a city of the gazetteer
// (FindPlaceByName), with its own. Raises RequestRefused, in Spanish,
// naming the text, with the nearest names when no city matches.
TypedPlace PlaceFromText(const std::string& text);

}  // namespace orbitas

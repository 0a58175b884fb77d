#pragma once
// A place by its name: "Madrid", "Sevilla, España", "Barcelona, Venezuela",
// found in the cities of Debian's libgeonames (about 24,000, each with its
// region, country and IANA zone). Spanish names of cities whose database
// name is English or local ("Sevilla": "Seville", "La Coruña": "A Coruña")
// go through a small table first; countries are matched in Spanish or
// English by the names of ISO 3166-1.
#include <string>
#include <string_view>
#include <vector>

#include "session/runners.h"

namespace orbitas {

struct FoundPlace {
  Place place;               // latitude, longitude, name, region, country (Spanish), zone, text
  std::vector<Place> others;  // the other places of that name, most populous first
};

// The place that text names: the most populous city of that name (in the
// country after a comma, when one is given). A city found by its Spanish
// name keeps it ("Sevilla"). Raises RequestRefused, in
// Spanish, with the nearest names when none matches.
FoundPlace FindPlaceByName(const std::string& text);

// The note that names the other places of found's name and how to choose
// one ("«Barcelona» es Barcelona (Catalonia, España); hay también ...;
// para elegir otro: --lugar \"Barcelona, Venezuela\""), for text as typed.
std::string OthersNote(const std::string& text, const FoundPlace& found);

// The city of the gazetteer nearest to latitude, longitude (degrees, north
// and east positive), by the angle between them: where a place given by
// its coordinates takes its time zone from. Raises nothing.
Place NearestCity(double latitude, double longitude);

// The cities of the gazetteer within radius km of latitude, longitude
// (degrees, north and east positive), on a sphere of 6371 km, nearest
// first. Raises nothing.
std::vector<Place> CitiesWithin(double latitude, double longitude, double radius);

// Every city of the gazetteer as FindPlaceByName reads it back ("Sevilla,
// España"), in the user's language where the gazetteer has it, the most
// populous first, each text once: what a place field completes from.
// Raises nothing.
std::vector<std::string> PlaceCompletions();

// The Spanish name of a country by its ISO 3166-1 two letters ("ES":
// "España"), the part before a comma where the standard's name has one;
// the code itself when it is not one.
std::string SpanishCountry(std::string_view code);

}  // namespace orbitas

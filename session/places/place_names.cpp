#include "session/places/place_names.h"

#include <geonames.h>
#include <libintl.h>
#include <locale.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <memory>
#include <set>

#include "session/nearest_names.h"
#include "session/request_refused.h"

namespace orbitas {
namespace {

struct Country {
  std::string_view code, english, common, spanish;
};

constexpr Country Countries[] = {
#include "session/places/country_names.inc"
};

// Spanish names of cities that the database spells otherwise, with the
// country where the Spanish name alone would find another city first.
// The Spanish forms are those of the Diccionario panhispánico de dudas
// (RAE and ASALE, 2005), appendix 5, and the official Spanish names of
// Spanish cities whose database name is in another of Spain's languages.
struct Exonym {
  std::string_view spanish, database, country;
};
constexpr Exonym Exonyms[] = {
    {"sevilla", "Seville", "ES"},          {"cadiz", "Cadiz", "ES"},          {"la coruna", "A Coruña", "ES"},       {"gerona", "Girona", "ES"},
    {"lerida", "Lleida", "ES"},            {"orense", "Ourense", "ES"},           {"san sebastian", "Donostia / San Sebastian", "ES"},
    {"vitoria", "Vitoria-Gasteiz", "ES"},  {"castellon de la plana", "Castellon", "ES"}, {"castellon", "Castellon", "ES"},
    {"las palmas", "Las Palmas de Gran Canaria", "ES"}, {"palma de mallorca", "Palma", "ES"}, {"iruna", "Pamplona", "ES"},
    {"ciudad de mexico", "Mexico City", "MX"}, {"mexico", "Mexico City", "MX"}, {"nueva york", "New York", "US"}, {"londres", "London", "GB"},
    {"lisboa", "Lisbon", "PT"},            {"oporto", "Porto", "PT"},             
    {"roma", "Rome", "IT"},                {"milan", "Milan", "IT"},              {"napoles", "Naples", "IT"},
    {"florencia", "Florence", "IT"},       {"venecia", "Venice", "IT"},           {"turin", "Turin", "IT"},
    {"atenas", "Athens", "GR"},            {"moscu", "Moscow", "RU"},             {"san petersburgo", "Saint Petersburg", "RU"},
    {"pekin", "Beijing", "CN"},            {"tokio", "Tokyo", "JP"},              {"nueva delhi", "New Delhi", "IN"},
    {"el cairo", "Cairo", "EG"},           {"estambul", "Istanbul", "TR"},        {"jerusalen", "Jerusalem", "IL"},
    {"ginebra", "Geneva", "CH"},                       {"colonia", "Cologne", "DE"},
                            {"viena", "Vienna", "AT"},
    {"praga", "Prague", "CZ"},             {"varsovia", "Warsaw", "PL"},          {"bruselas", "Brussels", "BE"},
    {"amberes", "Antwerp", "BE"},          {"la haya", "The Hague", "NL"},        {"estocolmo", "Stockholm", "SE"},
    {"copenhague", "Copenhagen", "DK"},    {"edimburgo", "Edinburgh", "GB"},      {"filadelfia", "Philadelphia", "US"},
    {"nueva orleans", "New Orleans", "US"}, {"ciudad del cabo", "Cape Town", "ZA"}, {"santiago de chile", "Santiago", "CL"},
};

struct CityFree {
  void operator()(GeonamesCity* city) const { geonames_city_free(city); }
};
using City = std::unique_ptr<GeonamesCity, CityFree>;

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// The country's two letters for a name in Spanish or English, with or
// without accents, whole or before its comma ("Venezuela"); empty when
// none.
std::string_view CountryCode(std::string_view name) {
  const std::string folded = Folded(name);
  auto matches = [&](std::string_view candidate) {
    const std::string c = Folded(candidate);
    return c == folded || c.substr(0, c.find(',')) == folded;
  };
  for (const Country& country : Countries) {
    if (folded == Folded(country.code) || matches(country.spanish) || matches(country.english) ||
        matches(country.common)) {
      return country.code;
    }
  }
  return "";
}

// The most cities a query may find for the others to be offered as near.
constexpr guint MostNear = 20;

// The gazetteer translates its names through gettext into the user's
// language, and by default into the user's character set too: a process
// that never set LC_CTYPE would get "Bogot?" for "Bogotá". Its names are
// always asked for in UTF-8, the only encoding the program writes.
void AskForUtf8() {
  static const bool bound = bind_textdomain_codeset("geonames", "UTF-8") != nullptr;
  (void)bound;
}

// The city's name untranslated, as the database has it ("Reykjavik" where
// a Spanish desktop is given "Reikiavik"): gettext is asked under the C
// locale, for this thread only.
std::string UntranslatedName(GeonamesCity* city) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  const locale_t previous = uselocale(c);
  std::string name = geonames_city_get_name(city);
  uselocale(previous);
  return name;
}

struct Candidate {
  City city;
  unsigned population;
};

// The indices of the cities whose name, in the user's language or the
// database's own, folds to folded.
std::vector<gint> CitiesFoldedAs(const std::string& folded) {
  // Read once a process: some 24,000 names, each folded twice.
  static const std::vector<std::pair<std::string, gint>> names = [] {
    std::vector<std::pair<std::string, gint>> all;
    for (gint k = 0, count = geonames_get_n_cities(); k < count; ++k) {
      const City city(geonames_get_city(k));
      const std::string name = Folded(geonames_city_get_name(city.get()));
      const std::string own = Folded(UntranslatedName(city.get()));
      all.emplace_back(name, k);
      if (own != name) all.emplace_back(own, k);
    }
    return all;
  }();
  std::vector<gint> found;
  for (const auto& [name, k] : names) {
    if (name == folded && (found.empty() || found.back() != k)) found.push_back(k);
  }
  return found;
}

// The cities whose name is query, folded, in the country code (any when
// empty), most populous first; with near, the others the database found.
std::vector<Candidate> Cities(const std::string& query, std::string_view code, std::vector<std::string>* near) {
  AskForUtf8();
  guint length = 0;
  GError* error = nullptr;
  gint* indices = geonames_query_cities_sync(Folded(query).c_str(), GEONAMES_QUERY_DEFAULT, &length, nullptr, &error);
  if (error) g_error_free(error);
  std::vector<Candidate> found;
  // A query that matches a great many cities (a letter or two) names none
  // of them as near.
  if (length > MostNear) near = nullptr;
  for (guint k = 0; indices && k < length; ++k) {
    City city(geonames_get_city(indices[k]));
    const std::string name = geonames_city_get_name(city.get());
    // Either the name in the user's language or the database's own: typed
    // "Reykjavík" is found on a Spanish desktop as on any other.
    const std::string folded = Folded(query);
    const bool sameName = Folded(name) == folded || Folded(UntranslatedName(city.get())) == folded;
    const bool sameCountry = code.empty() || code == geonames_city_get_country_code(city.get());
    if (sameName && sameCountry) {
      const unsigned population = geonames_city_get_population(city.get());
      found.push_back({std::move(city), population});
    } else if (near && sameCountry) {
      near->push_back(name);
    }
  }
  g_free(indices);
  // The database's own search does not fold every letter as a person
  // types it ("Tromso" for Tromsø, "Lodz" for Łódź): every city's folded
  // name is compared when it found none.
  if (found.empty()) {
    for (const gint k : CitiesFoldedAs(Folded(query))) {
      City city(geonames_get_city(k));
      if (!code.empty() && code != geonames_city_get_country_code(city.get())) continue;
      const unsigned population = geonames_city_get_population(city.get());
      found.push_back({std::move(city), population});
    }
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const Candidate& a, const Candidate& b) { return a.population > b.population; });
  return found;
}

std::string Coordinates(double latitude, double longitude) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f, %.4f", latitude, longitude);
  return text;
}

Place PlaceOf(GeonamesCity* city) {
  Place place;
  place.latitude = geonames_city_get_latitude(city);
  place.longitude = geonames_city_get_longitude(city);
  place.name = geonames_city_get_name(city);
  place.region = geonames_city_get_state(city);
  place.country = SpanishCountry(geonames_city_get_country_code(city));
  place.zone = geonames_city_get_timezone(city);
  place.population = geonames_city_get_population(city);
  place.text = place.name + " (" + place.region + ", " + place.country + "; " +
               Coordinates(place.latitude, place.longitude) + ")";
  return place;
}

[[noreturn]] void UnknownCountry(const std::string& country) {
  std::vector<std::string> names;
  for (const Country& c : Countries) names.emplace_back(c.spanish.substr(0, c.spanish.find(',')));
  throw RequestRefused("país desconocido: " + Shown(country) + Suggestion(country, names));
}

// The names nearest to city among every city of the database and the
// Spanish names of the table, by edit distance.
std::vector<std::string> NearestCities(const std::string& city) {
  // Read once a process: the database has some 24,000 names.
  static const std::vector<std::string> names = [] {
    AskForUtf8();
    std::vector<std::string> all;
    const gint count = geonames_get_n_cities();
    all.reserve(static_cast<std::size_t>(count) + std::size(Exonyms));
    for (gint k = 0; k < count; ++k) all.emplace_back(geonames_city_get_name(City(geonames_get_city(k)).get()));
    for (const Exonym& e : Exonyms) {
      std::string name(e.spanish);
      name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
      all.push_back(name);
    }
    return all;
  }();
  return NearestNames(Folded(city), names);
}

[[noreturn]] void NotFound(const std::string& text, const std::string& city, std::vector<std::string> near) {
  std::string message = "lugar desconocido: " + Shown(text);
  // Too short to be near anything in particular: no names offered.
  if (near.empty() && Folded(city).size() >= 3) near = NearestCities(city);
  // One of each, whatever its case and accents.
  std::vector<std::string> unique;
  std::set<std::string> seen;
  for (const std::string& name : near) {
    if (seen.insert(Folded(name)).second) unique.push_back(name);
  }
  near = unique;
  std::sort(near.begin(), near.end());
  if (near.size() > 5) near.resize(5);
  if (!near.empty()) {
    message += "; ¿quería decir " + SpanishList(near) + "?";
  } else {
    message += " (un nombre de ciudad, como Madrid o «Sevilla, España», o LAT,LON en grados)";
  }
  throw RequestRefused(message);
}

}  // namespace

std::string OthersNote(const std::string& text, const FoundPlace& found) {
  std::string others;
  for (const Place& other : found.others) {
    others += (others.empty() ? "" : "; ") + other.name + " (" + other.region + ", " + other.country + ")";
  }
  const Place& next = found.others.front();
  return "«" + text + "» es " + found.place.name + " (" + found.place.region + ", " + found.place.country +
         "); hay también " + others + "; para elegir otro: --lugar \"" + next.name + ", " + next.country + "\"";
}

Place NearestCity(double latitude, double longitude) {
  AskForUtf8();
  constexpr double Radians = 3.14159265358979323846 / 180;
  const double sinLat = std::sin(latitude * Radians), cosLat = std::cos(latitude * Radians);
  gint best = 0;
  double bestCosine = -2;
  for (gint k = 0, count = geonames_get_n_cities(); k < count; ++k) {
    const City city(geonames_get_city(k));
    const double lat = geonames_city_get_latitude(city.get()) * Radians;
    const double dLon = (geonames_city_get_longitude(city.get()) - longitude) * Radians;
    const double cosine = sinLat * std::sin(lat) + cosLat * std::cos(lat) * std::cos(dLon);
    if (cosine > bestCosine) best = k, bestCosine = cosine;
  }
  return PlaceOf(City(geonames_get_city(best)).get());
}

std::vector<Place> CitiesWithin(double latitude, double longitude, double radius) {
  AskForUtf8();
  constexpr double Radians = 3.14159265358979323846 / 180;
  const double sinLat = std::sin(latitude * Radians), cosLat = std::cos(latitude * Radians);
  const double least = std::cos(radius / 6371.0);
  std::vector<std::pair<double, gint>> near;
  for (gint k = 0, count = geonames_get_n_cities(); k < count; ++k) {
    const City city(geonames_get_city(k));
    const double lat = geonames_city_get_latitude(city.get()) * Radians;
    const double dLon = (geonames_city_get_longitude(city.get()) - longitude) * Radians;
    const double cosine = sinLat * std::sin(lat) + cosLat * std::cos(lat) * std::cos(dLon);
    if (cosine >= least) near.emplace_back(-cosine, k);
  }
  std::sort(near.begin(), near.end());
  std::vector<Place> places;
  for (const auto& [cosine, k] : near) places.push_back(PlaceOf(City(geonames_get_city(k)).get()));
  return places;
}

std::vector<std::string> PlaceCompletions() {
  AskForUtf8();
  struct Named {
    std::string text;
    unsigned population;
  };
  std::vector<Named> cities;
  for (gint k = 0, count = geonames_get_n_cities(); k < count; ++k) {
    const City city(geonames_get_city(k));
    cities.push_back({std::string(geonames_city_get_name(city.get())) + ", " +
                          SpanishCountry(geonames_city_get_country_code(city.get())),
                      geonames_city_get_population(city.get())});
  }
  std::stable_sort(cities.begin(), cities.end(), [](const Named& a, const Named& b) { return a.population > b.population; });
  std::vector<std::string> texts;
  std::set<std::string> seen;
  for (Named& named : cities) {
    if (seen.insert(named.text).second) texts.push_back(std::move(named.text));
  }
  return texts;
}

std::string SpanishCountry(std::string_view code) {
  for (const Country& country : Countries) {
    if (country.code == code) return std::string(country.spanish.substr(0, country.spanish.find(',')));
  }
  return std::string(code);
}

FoundPlace FindPlaceByName(const std::string& text) {
  const std::size_t comma = text.rfind(',');
  const std::string city = Trimmed(text.substr(0, comma));
  const std::string country = comma == std::string::npos ? "" : Trimmed(text.substr(comma + 1));
  std::string code(country.empty() ? "" : CountryCode(country));
  if (!country.empty() && code.empty()) UnknownCountry(country);
  std::string query = city;
  const std::string folded = Folded(city);
  for (const Exonym& e : Exonyms) {
    if (folded == e.spanish && (code.empty() || code == e.country)) query = e.database, code = e.country;
  }
  std::vector<std::string> near;
  std::vector<Candidate> found = Cities(query, code, &near);
  if (found.empty() && query != city) found = Cities(city, country.empty() ? "" : CountryCode(country), &near);
  if (found.empty()) NotFound(text, city, near);
  FoundPlace result{PlaceOf(found.front().city.get()), {}};
  if (query != city) {
    result.place.name = city;
    result.place.text = city + result.place.text.substr(result.place.text.find(" ("));
  }
  for (std::size_t k = 1; k < found.size(); ++k) result.others.push_back(PlaceOf(found[k].city.get()));
  return result;
}

}  // namespace orbitas

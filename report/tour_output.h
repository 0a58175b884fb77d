#pragma once
// Tonight's tour as orbitas-cli writes it: a table in Spanish, CSV with a
// row per stop, or one JSON object (keys in docs/json.md).
#include <string>
#include <string_view>
#include <vector>

#include "report/text_layout.h"
#include "session/tour.h"

namespace orbitas::report {

// One stop in cells, as every format writes it: times local to the minute
// for people and ISO 8601 with the offset for files; numbers as numerals
// write them ("" where a stop has none).
struct TourCells {
  std::string kind;           // "planet", "moon", "shower", "deepSky"
  std::string id;             // "M31", "Saturno", "GEM"
  std::string title;          // "M31 Galaxia de Andrómeda"
  std::string type;           // "galaxia", "planeta", "lluvia de meteoros"
  std::string constellation;  // Spanish name
  std::string magnitude, altitude, azimuth;
  std::string best, from, to;  // local clock times
  std::string bestIso, fromIso, toIso;
  std::string rating, ratingCode, reason, reasonCode;
};

// The cells of each stop of answer, in its order. Raises nothing.
std::vector<TourCells> TourCellsOf(const TourAnswer& answer, const Numerals& numerals);

// The tour as text: the night's heading, the sky and the instrument, a
// line per stop, and how many objects are not seen (listed with --todos).
std::string TourText(const TourAnswer& answer, std::string_view separator);

// A header row and a row per stop.
std::string TourCsv(const TourAnswer& answer);

// One JSON object: the date, place, sky and instrument, "stops" (each
// with kind, id, names, type, constellation, magnitude, size, ra, dec of
// date, visibleFrom, visibleTo, bestTime, altitude, azimuth, rating,
// reason) and "unseen", the count of objects not seen.
std::string TourJson(const TourAnswer& answer);

}  // namespace orbitas::report

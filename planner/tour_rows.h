#pragma once
// Tonight's tour as the planner's table shows it: one row a stop (a
// planet, the Moon, a meteor shower, a deep-sky object), in the tour's
// order of best moment, each with what the filters above the table ask of
// it and the item "Mi lista" keeps of it. No widgets here.
#include <string>
#include <string_view>
#include <vector>

#include "planner/observing_list.h"
#include "report/view_rows.h"
#include "session/tour.h"

namespace orbitas::planner {

// The tour's columns, in order.
enum class TourColumn { Time, Object, Type, Constellation, Magnitude, Altitude, Azimuth, Rating, Reason, Interval, Count };

// Their Spanish headings, in the columns' order. Raises nothing.
std::vector<std::string> TourColumns();

// What a row is about, for "Qué ver": every stop, the planets and the
// Moon, the galaxies, the clusters (open and globular), the nebulae
// (planetary, diffuse, dark, supernova remnants), the meteor showers.
enum class TourCategory { All, PlanetsAndMoon, Galaxies, Clusters, Nebulae, Showers };
// How easy a row must be: any rating, easy or fair, easy only.
enum class TourRatings { All, EasyOrFair, EasyOnly };

// The filters above the table. The catalogue is the deep-sky objects'
// alone: a planet, the Moon or a shower is in every catalogue.
struct TourFilter {
  TourCategory category = TourCategory::All;
  TourCatalogue catalogue = TourCatalogue::All;
  TourRatings ratings = TourRatings::All;
};

struct TourRow {
  report::ViewRow view;                   // the cells; the body (planets, the Moon); the best moment
  TourKind kind = TourKind::Planet;
  const DeepSkyObject* object = nullptr;  // a deep-sky row's
  DeepSkyRating rating = DeepSkyRating::NotTonight;
  ListItem item;                          // what "Añadir a Mi lista" adds
};

// The rows of answer's stops, in their order, numbers with separator and
// times in the answer's zone, to the minute. Raises nothing.
std::vector<TourRow> TourRows(const TourAnswer& answer, std::string_view separator);

// Whether filter lets row through. Raises nothing.
bool Passes(const TourFilter& filter, const TourRow& row);

}  // namespace orbitas::planner

#pragma once
// Tonight's tour (--recorrido, the planner's "Recorrido" in "Esta noche"):
// the planets, the Moon, the meteor showers and the deep-sky objects of a
// night in one list ordered by best moment, each with how hard it is.
#include <optional>
#include <vector>

#include "calendar/instant.h"
#include "session/sky_answers.h"
#include "session/sky_request.h"
#include "sky/deep_sky/deep_sky_catalogue.h"
#include "sky/deep_sky/deep_sky_night.h"

namespace orbitas {

// Which catalogue's objects a tour holds: the Messier, the Caldwell, or
// every object of the catalogue.
enum class TourCatalogue { Messier, Caldwell, All };

// What a tour asks beyond the night: its objects and the instrument.
struct TourChoice {
  TourCatalogue catalogue = TourCatalogue::All;
  std::vector<DeepSkyType> types;  // empty: every type
  DeepSkyConditions conditions;    // instrument, aperture; the sky is the request's limits.sky
  bool withUnseen = false;         // also those not seen tonight (--todos), with why
};

// One stop of the tour.
enum class TourKind { Planet, Moon, Shower, DeepSky };
struct TourStop {
  TourKind kind = TourKind::Planet;
  int index = 0;                   // into the answer's night.night.planets, night.showers or objects
  std::optional<Instant> best;     // the best moment, none when not seen tonight
  DeepSkyRating rating = DeepSkyRating::NotTonight;
};

struct TourAnswer {
  NightAnswer night;               // the Sun, the Moon, the planets and the showers
  TourChoice choice;
  std::vector<DeepSkyNight> objects;  // those chosen, seen or (withUnseen) not
  std::vector<TourStop> stops;     // everything: the seen by best moment, then the unseen
  int unseenObjects = 0;           // chosen objects not seen tonight (listed only withUnseen)
};

// The objects of the catalogue a choice holds, in the catalogue's order.
// Raises nothing.
std::vector<const DeepSkyObject*> ObjectsOf(const TourChoice& choice);

// The tour of the night that begins on the evening of the request's local
// `date` from its place: RunNight's answer for its bodies (the planets)
// and tour's objects through the same night, under the request's
// limits.sky with tour's instrument. Raises RequestRefused without a
// place, and the method's run-time errors.
TourAnswer RunTour(const SkyRequest& request, const TourChoice& tour);

// The stops of an answer: planets visible (rated by PlanetRating), the
// Moon while up in the dark, showers with a rate above zero, the deep-sky
// objects seen; ordered by best moment, the unseen after when asked.
// Raises nothing.
std::vector<TourStop> TourStopsOf(const TourAnswer& answer);

}  // namespace orbitas

#pragma once
// The deep sky through one night from a place: for each object, when it
// stands above its least altitude in a sky dark enough to show it through
// the observer's instrument, its best moment, and how hard it is then, by
// Crumey's threshold (visual_detection.h) against the sky of
// sky_brightness.h (the class's light pollution, the Moon's light and
// twilight, each where the object stands), the object dimmed by the air's
// extinction at its altitude. The night is sampled every ten minutes from
// the Sun's going below −6° to its coming back; the interval's ends are
// interpolated between samples, and the best moment near a culmination
// found from a parabola through three.
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "calendar/instant.h"
#include "sky/deep_sky/deep_sky_catalogue.h"
#include "sky/deep_sky/visual_detection.h"
#include "sky/frames/place.h"
#include "sky/night/night.h"
#include "sky/night/sky_brightness.h"

namespace orbitas {

// How hard an object is: seen at once, seen with some care, at the edge
// of seeing, not seen tonight.
enum class DeepSkyRating { Easy, Fair, Hard, NotTonight };

// Margins (log10 of the contrast over the threshold) at which each rating
// begins: three times the threshold and more is easy, 1.6 times fair.
inline constexpr double EasyMargin = 0.5;
inline constexpr double FairMargin = 0.2;

// What most holds an object back tonight (or keeps it from "easy").
enum class DeepSkyReason {
  None,
  NeverRises,      // never above the horizon from this latitude
  TooLow,          // never above the least altitude (it may be above the horizon)
  DaytimeOnly,     // high enough only while the Sun is up or in bright twilight
  NoDarkness,      // the Sun never goes below −6°
  Moonlight,       // a darker sky without the Moon would show it (better)
  LightPollution,  // a dark site's sky would show it (better)
  Twilight,        // the night's sky never darkens enough for it
  LowInTheSky,     // the air's extinction near the horizon
  TooFaint,        // too faint or too diffuse for the instrument even then
};

// What the observer looks with, and how dark the sky is.
struct DeepSkyConditions {
  Instrument instrument = Instrument::Eye;
  double aperture = 150;          // mm, a telescope's (the eye and 10×50 binoculars have their own)
  SkyDarkness sky = SkyDarkness::Rural;
  double leastAltitude = 15;      // degrees, geometric
};

// The ways the instrument can be used: the eye; 10×50 binoculars; a
// telescope of the aperture at exit pupils from 7 to 0.7 mm (the observer
// takes the best eyepiece). Raises nothing.
std::vector<Optics> OpticsOf(const DeepSkyConditions& conditions);

struct DeepSkyNight {
  const DeepSkyObject* object = nullptr;
  std::string_view constellation;           // IAU three letters
  double rightAscensionOfDate = 0;          // hours, apparent, at the best moment (or the night's middle)
  double declinationOfDate = 0;             // degrees
  bool circumpolar = false;                 // never sets from this latitude
  bool neverRises = false;
  double highestAltitude = 0;               // degrees: its culmination, geometric
  std::optional<Instant> visibleFrom, visibleTo;  // the interval holding the best moment
  std::optional<BestView> best;             // its best moment, when it is seen at all
  DeepSkyRating rating = DeepSkyRating::NotTonight;  // at the best moment
  double margin = -99;                      // the detection margin then (or the best of the night)
  DeepSkyReason reason = DeepSkyReason::None;
  // The Moon where the reason is its light: its illuminated fraction (0..1)
  // and its distance from the object (degrees), at the moment examined.
  double moonIlluminated = 0, moonSeparation = 0;
};

// Each of objects through the night of span (local noon to noon) from
// place, in the catalogue's order. Raises nothing (the reference's Sun
// and Moon are within range for the years 1000 to 3000).
std::vector<DeepSkyNight> DeepSkyTonight(std::span<const DeepSkyObject* const> objects, const Place& place,
                                         const Span& span, const DeepSkyConditions& conditions);

// The rating of a margin. Raises nothing.
DeepSkyRating RatingOf(double margin);

}  // namespace orbitas

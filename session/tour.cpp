#include "session/tour.h"

#include <algorithm>
#include <cmath>

#include "calendar/time_zone.h"
#include "session/runners.h"

namespace orbitas {
namespace {

// A planet's rating by how much brighter it is than the faintest star the
// instrument shows at the zenith: three magnitudes and more is easy, one
// fair. Binoculars reach BinocularGain magnitudes beyond the eye, a
// telescope of aperture D another 5 log10(D/50).
DeepSkyRating PlanetRating(const PlanetNight& planet, const NightLimits& limits, const DeepSkyConditions& c) {
  if (!planet.best) return DeepSkyRating::NotTonight;
  double reach = ZenithLimitingMagnitude(limits.sky);
  if (c.instrument != Instrument::Eye) reach += BinocularGain;
  if (c.instrument == Instrument::Telescope) reach += 5 * std::log10(std::max(c.aperture, 50.0) / 50);
  const double margin = reach - planet.aspect.magnitude;
  return margin >= 3   ? DeepSkyRating::Easy
         : margin >= 1 ? DeepSkyRating::Fair
         : margin >= 0 ? DeepSkyRating::Hard
                       : DeepSkyRating::NotTonight;
}

// A shower by its hourly rate at its best hour: twenty meteors and more
// an hour are easy to see, five fair.
DeepSkyRating ShowerRating(const ShowerNight& shower) {
  return shower.hourlyRate >= 20 ? DeepSkyRating::Easy
         : shower.hourlyRate >= 5 ? DeepSkyRating::Fair
                                  : DeepSkyRating::Hard;
}

// The Moon's moment: the middle of its time above the horizon in the
// night (sunset to sunrise), or none when it stays below all night.
std::optional<Instant> MoonMoment(const Night& night) {
  const std::optional<TimedEvent>& set = night.sun.set;
  const std::optional<TimedEvent>& rise = night.sun.rise;
  if (!set || !rise) return std::nullopt;
  double from = set->time.ut, to = rise->time.ut;
  const MoonNight& moon = night.moon;
  const bool upAtMiddle = moon.altitudeAtMiddle > 0;
  if (moon.rise && moon.rise->ut > from && moon.rise->ut < to && !upAtMiddle) from = moon.rise->ut;
  if (moon.set && moon.set->ut > from && moon.set->ut < to && !upAtMiddle) to = moon.set->ut;
  if (!upAtMiddle && !(moon.rise && moon.rise->ut > set->time.ut && moon.rise->ut < rise->time.ut) &&
      !(moon.set && moon.set->ut > set->time.ut && moon.set->ut < rise->time.ut))
    return std::nullopt;
  return Instant::FromUt((from + to) / 2);
}

}  // namespace

std::vector<const DeepSkyObject*> ObjectsOf(const TourChoice& choice) {
  std::vector<const DeepSkyObject*> out;
  for (const DeepSkyObject& o : DeepSkyCatalogue()) {
    if (choice.catalogue == TourCatalogue::Messier && !o.messier) continue;
    if (choice.catalogue == TourCatalogue::Caldwell && !o.caldwell) continue;
    if (!choice.types.empty() && std::find(choice.types.begin(), choice.types.end(), o.type) == choice.types.end())
      continue;
    out.push_back(&o);
  }
  return out;
}

std::vector<TourStop> TourStopsOf(const TourAnswer& answer) {
  std::vector<TourStop> seen, unseen;
  const Night& night = answer.night.night;
  const bool all = answer.choice.withUnseen;
  for (std::size_t i = 0; i < night.planets.size(); ++i) {
    const PlanetNight& p = night.planets[i];
    TourStop s{TourKind::Planet, static_cast<int>(i), std::nullopt,
               PlanetRating(p, answer.night.limits, answer.choice.conditions)};
    if (p.best && s.rating != DeepSkyRating::NotTonight) s.best = p.best->time;
    if (s.best) seen.push_back(s);
    else if (all) unseen.push_back(s);
  }
  if (const std::optional<Instant> moon = MoonMoment(night)) seen.push_back({TourKind::Moon, 0, moon, DeepSkyRating::Easy});
  for (std::size_t i = 0; i < answer.night.showers.size(); ++i) {
    const ShowerNight& s = answer.night.showers[i];
    if (s.hourlyRate >= 1) seen.push_back({TourKind::Shower, static_cast<int>(i), s.bestTime, ShowerRating(s)});
  }
  for (std::size_t i = 0; i < answer.objects.size(); ++i) {
    const DeepSkyNight& n = answer.objects[i];
    TourStop s{TourKind::DeepSky, static_cast<int>(i), std::nullopt, n.rating};
    if (n.best) s.best = n.best->time;
    (n.best ? seen : unseen).push_back(s);
  }
  std::stable_sort(seen.begin(), seen.end(), [](const TourStop& a, const TourStop& b) { return a.best->ut < b.best->ut; });
  seen.insert(seen.end(), unseen.begin(), unseen.end());
  return seen;
}

TourAnswer RunTour(const SkyRequest& request, const TourChoice& tour) {
  TourAnswer answer;
  SkyRequest night = request;
  night.limits.instrument = tour.conditions.instrument;
  answer.night = RunNight(night);
  answer.choice = tour;
  answer.choice.conditions.sky = request.limits.sky;
  const LocalDay day = LocalDayOf(request.date, request.zone, 12);
  const std::vector<const DeepSkyObject*> objects = ObjectsOf(tour);
  for (DeepSkyNight& n : DeepSkyTonight(objects, answer.night.place, day.span, answer.choice.conditions)) {
    if (n.best || tour.withUnseen) answer.objects.push_back(n);
    if (!n.best) ++answer.unseenObjects;
  }
  answer.stops = TourStopsOf(answer);
  return answer;
}

}  // namespace orbitas

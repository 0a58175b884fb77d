#include "sky/deep_sky/deep_sky_night.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <erfa.h>

#include "runtime/angle_units.h"
#include "sky/bodies/moon.h"
#include "sky/bodies/reference.h"
#include "sky/frames/apparent_direction.h"
#include "sky/frames/earth_turning.h"
#include "sky/frames/vector.h"
#include "sky/tables/constellation.h"

namespace orbitas {
namespace {

constexpr double SampleDays = 10.0 / 1440;  // ten minutes
constexpr double DarkEnough = -6.0;         // degrees of the Sun: no deep sky in brighter twilight
// A patch of no catalogued size is a star's image: three seconds of arc
// across, as the seeing spreads it.
constexpr double PointArea = ExactPi / 4 * 0.05 * 0.05;
// Behind a dark nebula, the Milky Way it hides: its light is the
// nebula's contrast, V magnitudes per square arcsecond.
constexpr double MilkyWaySurface = 20.8;
constexpr double Unseen = -99;

// The Sun and the Moon at one sample, shared by every object.
struct Sample {
  Instant time;
  double sunAltitude = 0;
  double twilight = 0;          // nanolamberts
  bool moonUp = false;
  double moonAltitude = 0, moonAzimuth = 0, moonPhaseAngle = 0, moonIlluminated = 0;
};

std::vector<Sample> SamplesOf(const Place& place, const Span& span) {
  std::vector<Sample> samples;
  const int count = static_cast<int>(std::floor(span.Days() / SampleDays));
  for (int i = 0; i <= count; ++i) {
    Sample s;
    s.time = span.from.After(i * SampleDays);
    const Vector sun = *ReferenceGeocentric(Body::Sun, s.time);
    s.sunAltitude = HorizonOf(place, s.time, sun).altitude;
    if (s.sunAltitude >= DarkEnough) continue;
    s.twilight = TwilightSkyBrightness(s.sunAltitude);
    const MoonSky moon = MoonFrom(place, s.time);
    s.moonUp = moon.horizon.altitude > MoonHorizonAltitude(moon.semidiameter);
    s.moonAltitude = moon.horizon.altitude, s.moonAzimuth = moon.horizon.azimuth;
    s.moonIlluminated = MoonIlluminated(moon.geocentric, sun);
    s.moonPhaseAngle = std::acos(std::clamp(2 * s.moonIlluminated - 1, -1.0, 1.0)) * DegreesPerRadian;
    samples.push_back(s);
  }
  return samples;
}

double Separation(double altitude1, double azimuth1, double altitude2, double azimuth2) {
  const double a1 = altitude1 / DegreesPerRadian, a2 = altitude2 / DegreesPerRadian;
  const double c = std::sin(a1) * std::sin(a2) +
                   std::cos(a1) * std::cos(a2) * std::cos((azimuth1 - azimuth2) / DegreesPerRadian);
  return std::acos(std::clamp(c, -1.0, 1.0)) * DegreesPerRadian;
}

// The sky at (altitude, azimuth) at a sample, nanolamberts, of the class
// sky, with or without the Moon.
double SkyAt(const Sample& s, double altitude, double azimuth, SkyDarkness sky, bool withMoon) {
  const double z = std::clamp(90 - altitude, 0.0, 90.0);
  double b = MoonlessSkyBrightness(sky, z) + s.twilight;
  if (withMoon && s.moonUp)
    b += MoonlitSkyBrightness(s.moonPhaseAngle, Separation(s.moonAltitude, s.moonAzimuth, altitude, azimuth),
                              std::clamp(90 - s.moonAltitude, 0.0, 89.9), z);
  return b;
}

// The object's own light (nanolamberts, above the air) and its area (square arcminutes).
std::pair<double, double> LightAndArea(const DeepSkyObject& o) {
  const double major = o.majorAxis, minor = o.MinorOrMajor();
  const double area = major > 0 ? ExactPi / 4 * major * minor : PointArea;
  if (o.type == DeepSkyType::DarkNebula || !o.HasMagnitude()) return {Nanolamberts(MilkyWaySurface), area};
  const double surface =
      major > 0 && o.surfaceBrightness < NoMagnitude ? o.surfaceBrightness : o.magnitude + 2.5 * std::log10(area * 3600);
  return {Nanolamberts(surface), area};
}

// The best margin of any of the optics for the object at (altitude, azimuth) of a sample.
struct Seeing {
  const DeepSkyObject* object;
  double light, area;
  const std::vector<Optics>* optics;
  double Margin(const Sample& s, double altitude, double azimuth, SkyDarkness sky, bool withMoon) const {
    const double dimmed = light * std::pow(10.0, -0.4 * VisualExtinction * Airmass(std::clamp(90 - altitude, 0.0, 90.0)));
    const double b = SkyAt(s, altitude, azimuth, sky, withMoon);
    double best = Unseen;
    for (const Optics& o : *optics) best = std::max(best, DetectionMargin(dimmed, b, area, o));
    return best;
  }
};

// Where the linear interpolation of f between two samples crosses zero.
Instant Crossing(const Instant& a, double fa, const Instant& b, double fb) {
  const double t = fa == fb ? 0.5 : std::clamp(fa / (fa - fb), 0.0, 1.0);
  return Instant::FromUt(a.ut + t * (b.ut - a.ut));
}

struct Track {
  std::vector<double> altitude, azimuth, margin;  // per sample; margin Unseen below the least altitude
};

void FindInterval(DeepSkyNight& n, const std::vector<Sample>& samples, const Track& t, double leastAltitude) {
  // Seen where both the altitude and the margin are above their limits: the
  // smaller of the two, scaled alike (a degree of altitude as 0.1 of margin).
  const auto f = [&](std::size_t i) { return std::min(t.margin[i] < Unseen / 2 ? -1.0 : t.margin[i],
                                                      (t.altitude[i] - leastAltitude) / 10); };
  std::size_t best = samples.size();
  for (std::size_t i = 0; i < samples.size(); ++i) {
    if (f(i) < 0) continue;
    const DeepSkyRating r = RatingOf(t.margin[i]);
    if (best == samples.size() || r < RatingOf(t.margin[best]) ||
        (r == RatingOf(t.margin[best]) && t.altitude[i] > t.altitude[best]))
      best = i;
  }
  if (best == samples.size()) return;
  std::size_t from = best, to = best;
  // Samples ten minutes apart are one interval; a gap (a daylit hour of a
  // long night never happens, but the Moon may rise) ends it.
  const auto next = [&](std::size_t i, std::size_t j) {
    return std::abs(samples[j].time.ut - samples[i].time.ut) < 1.5 * SampleDays && f(j) >= 0;
  };
  while (from > 0 && next(from, from - 1)) --from;
  while (to + 1 < samples.size() && next(to, to + 1)) ++to;
  n.visibleFrom = from > 0 && std::abs(samples[from].time.ut - samples[from - 1].time.ut) < 1.5 * SampleDays
                      ? Crossing(samples[from - 1].time, f(from - 1), samples[from].time, f(from))
                      : samples[from].time;
  n.visibleTo = to + 1 < samples.size() && std::abs(samples[to + 1].time.ut - samples[to].time.ut) < 1.5 * SampleDays
                    ? Crossing(samples[to].time, f(to), samples[to + 1].time, f(to + 1))
                    : samples[to].time;
  // The highest point between three samples of one rating: a parabola's top.
  Instant when = samples[best].time;
  if (best > from && best < to && RatingOf(t.margin[best - 1]) == RatingOf(t.margin[best]) &&
      RatingOf(t.margin[best + 1]) == RatingOf(t.margin[best])) {
    const double a = t.altitude[best - 1], b = t.altitude[best], c = t.altitude[best + 1];
    const double d = a - 2 * b + c;
    if (d < 0) when = samples[best].time.After(std::clamp(0.5 * (a - c) / d, -1.0, 1.0) * SampleDays);
  }
  n.best = BestView{when, t.altitude[best], t.azimuth[best], CompassPoint(t.azimuth[best])};
  n.rating = RatingOf(t.margin[best]);
  n.margin = t.margin[best];
}

// Why an object seen at sample k is no easier, or one above the least
// altitude in the dark at k is not seen: of the Moon, twilight and the
// town's light, the one whose absence would raise the margin most, when
// that changes the rating; else the height, when the zenith would.
void FindReason(DeepSkyNight& n, const Seeing& seeing, const Sample& s, double altitude, double azimuth,
                const DeepSkyConditions& c) {
  const double actual = seeing.Margin(s, altitude, azimuth, c.sky, true);
  const DeepSkyRating rating = RatingOf(actual);
  if (rating == DeepSkyRating::Easy) return;
  Sample untwilit = s;
  untwilit.twilight = 0;
  const double moonless = seeing.Margin(s, altitude, azimuth, c.sky, false);
  const double twilightless = seeing.Margin(untwilit, altitude, azimuth, c.sky, true);
  const double clean = seeing.Margin(untwilit, altitude, azimuth, c.sky, false);
  const double dark = seeing.Margin(untwilit, altitude, azimuth, SkyDarkness::Dark, false);
  struct Cause {
    DeepSkyReason reason;
    double gain;
  };
  const Cause causes[] = {{DeepSkyReason::Moonlight, s.moonUp ? moonless - actual : 0},
                          {DeepSkyReason::Twilight, twilightless - actual},
                          {DeepSkyReason::LightPollution, dark - clean}};
  const Cause& most = *std::max_element(std::begin(causes), std::end(causes),
                                        [](const Cause& a, const Cause& b) { return a.gain < b.gain; });
  if (RatingOf(actual + most.gain) < rating) {
    n.reason = most.reason;
    if (most.reason == DeepSkyReason::Moonlight) {
      n.moonIlluminated = s.moonIlluminated;
      n.moonSeparation = Separation(s.moonAltitude, s.moonAzimuth, altitude, azimuth);
    }
  } else if (altitude < 30 && RatingOf(seeing.Margin(s, 90, azimuth, c.sky, true)) < rating) {
    n.reason = DeepSkyReason::LowInTheSky;
  } else if (rating == DeepSkyRating::NotTonight) {
    n.reason = DeepSkyReason::TooFaint;
  }
}

DeepSkyNight ObjectTonight(const DeepSkyObject& o, const Place& place, const std::vector<Sample>& samples,
                           const EarthMotion& earth, const Instant& middle, const DeepSkyConditions& c,
                           const std::vector<Optics>& optics) {
  DeepSkyNight n;
  n.object = &o;
  n.constellation = ConstellationAt(o.rightAscension, o.declination);
  double j2000[3];
  eraS2c(o.rightAscension / HoursPerRadian, o.declination / DegreesPerRadian, j2000);
  const Vector direction = AberratedWith(earth, {j2000[0], j2000[1], j2000[2]});
  const HorizonCoordinates mid = TurnedHorizon(place, middle, direction);
  n.rightAscensionOfDate = mid.rightAscensionOfDate, n.declinationOfDate = mid.declinationOfDate;
  const double phi = place.latitude, delta = mid.declinationOfDate;
  n.highestAltitude = 90 - std::abs(phi - delta);
  n.neverRises = n.highestAltitude < 0;
  n.circumpolar = std::abs(phi + delta) - 90 > 0 && phi * delta > 0;
  if (n.neverRises) return n.reason = DeepSkyReason::NeverRises, n;
  if (samples.empty()) return n.reason = DeepSkyReason::NoDarkness, n;
  const auto [light, area] = LightAndArea(o);
  const Seeing seeing{&o, light, area, &optics};
  Track t;
  std::size_t highest = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const AltitudeAzimuth h = HorizonOf(place, samples[i].time, direction);
    t.altitude.push_back(h.altitude), t.azimuth.push_back(h.azimuth);
    t.margin.push_back(h.altitude >= c.leastAltitude ? seeing.Margin(samples[i], h.altitude, h.azimuth, c.sky, true)
                                                     : Unseen);
    if (h.altitude > t.altitude[highest]) highest = i;
  }
  FindInterval(n, samples, t, c.leastAltitude);
  if (n.best) {
    const auto at = std::find_if(samples.begin(), samples.end(), [&](const Sample& s) {
      return std::abs(s.time.ut - n.best->time.ut) <= SampleDays / 2; });
    const std::size_t k = static_cast<std::size_t>(at - samples.begin());
    if (k < samples.size()) FindReason(n, seeing, samples[k], t.altitude[k], t.azimuth[k], c);
    // The place of the best moment itself, which may fall between samples.
    const HorizonCoordinates then = TurnedHorizon(place, n.best->time, direction);
    n.rightAscensionOfDate = then.rightAscensionOfDate, n.declinationOfDate = then.declinationOfDate;
    n.best->altitude = then.altitude, n.best->azimuth = then.azimuth, n.best->compassPoint = CompassPoint(then.azimuth);
    return n;
  }
  if (t.altitude[highest] < c.leastAltitude) {
    n.reason = n.highestAltitude >= c.leastAltitude ? DeepSkyReason::DaytimeOnly : DeepSkyReason::TooLow;
    return n;
  }
  // High enough in the dark but not seen: why, where it is best placed.
  std::size_t k = highest;
  for (std::size_t i = 0; i < samples.size(); ++i)
    if (t.margin[i] > t.margin[k]) k = i;
  n.margin = t.margin[k];
  FindReason(n, seeing, samples[k], t.altitude[k], t.azimuth[k], c);
  return n;
}

}  // namespace

std::vector<DeepSkyNight> DeepSkyTonight(std::span<const DeepSkyObject* const> objects, const Place& place,
                                         const Span& span, const DeepSkyConditions& conditions) {
  const std::vector<Sample> samples = SamplesOf(place, span);
  const Instant middle = samples.empty() ? span.from.After(span.Days() / 2)
                                         : Instant::FromUt((samples.front().time.ut + samples.back().time.ut) / 2);
  const EarthMotion earth = EarthMotionAt(middle);
  const std::vector<Optics> optics = OpticsOf(conditions);
  std::vector<DeepSkyNight> out;
  out.reserve(objects.size());
  for (const DeepSkyObject* o : objects) out.push_back(ObjectTonight(*o, place, samples, earth, middle, conditions, optics));
  return out;
}

DeepSkyRating RatingOf(double margin) {
  return margin >= EasyMargin   ? DeepSkyRating::Easy
         : margin >= FairMargin ? DeepSkyRating::Fair
         : margin >= 0          ? DeepSkyRating::Hard
                                : DeepSkyRating::NotTonight;
}

std::vector<Optics> OpticsOf(const DeepSkyConditions& conditions) {
  switch (conditions.instrument) {
    case Instrument::Eye: return {Optics{}};
    case Instrument::Binoculars: return {Optics{50, 10, 0.8}};
    case Instrument::Telescope: break;
  }
  std::vector<Optics> out;
  for (const double exitPupil : {7.0, 5.0, 3.5, 2.5, 1.5, 1.0, 0.7})
    out.push_back({conditions.aperture, conditions.aperture / exitPupil, 0.75});
  return out;
}

}  // namespace orbitas

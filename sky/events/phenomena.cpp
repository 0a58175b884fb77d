#include "sky/events/phenomena.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>

#include "runtime/angle_units.h"
#include "ephemeris/angles.h"
#include "sky/search/crossings.h"
#include "sky/frames/ecliptic.h"
#include "ephemeris/equatorial.h"
#include "ephemeris/heliocentric.h"
#include "sky/bodies/planet_appearance.h"
#include "runtime/runtime_error.h"

namespace orbitas {
namespace {

constexpr double Precision = 1e-6;           // days: the method's instants, to a tenth of a second
constexpr double ReferencePrecision = 2e-5;  // days: the reference's, to a couple of seconds
constexpr double YearDays = 365.25;
constexpr double Aberration = 20.49552 / 3600;                           // degrees, at one AU

double Wrap180(double degrees) { return Wrapped(degrees); }

double Longitude(const Vector& v) { return std::atan2(v[1], v[0]) * DegreesPerRadian; }
double Norm(const Vector& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }
Vector Minus(const Vector& a, const Vector& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
double Angle(const Vector& a, const Vector& b) {
  const double dot = a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
  return std::acos(std::clamp(dot / (Norm(a) * Norm(b)), -1.0, 1.0)) * DegreesPerRadian;
}

// An equatorial J2000 vector turned to the ecliptic by obliquity e
// (radians), and back.
Vector ToEcliptic(const Vector& v, double e) {
  return {v[0], std::cos(e) * v[1] + std::sin(e) * v[2], -std::sin(e) * v[1] + std::cos(e) * v[2]};
}

// The apparent longitude of date, degrees, of a geocentric equatorial J2000
// vector: precessed to the mean ecliptic and equinox of the date, with the
// nutation in longitude and the annual aberration.
double ApparentLongitude(const Vector& equatorial, double jd) {
  double rm[3][3], v[3] = {equatorial[0], equatorial[1], equatorial[2]}, ofDate[3];
  eraEcm06(jd, 0.0, rm);
  eraRxp(rm, v, ofDate);
  // The truncated series (good to a milliarcsecond) is plenty here and far
  // cheaper than the full one.
  double dpsi = 0, deps = 0;
  eraNut00b(jd, 0.0, &dpsi, &deps);
  return std::atan2(ofDate[1], ofDate[0]) * DegreesPerRadian + dpsi * DegreesPerRadian - Aberration / Norm(equatorial);
}

// Where the bodies are: the method's own positions, or the reference's.
// Heliocentric vectors are ecliptic, AU; the Moon's is geocentric.
class Geometry {
 public:
  virtual ~Geometry() = default;
  virtual std::optional<Vector> Heliocentric(Int16 body, double jd) const = 0;
  virtual Vector Moon(double jd) const = 0;
  virtual double SunApparentLongitude(double jd) const = 0;
  // Equatorial J2000 heliocentric vectors for the magnitudes.
  virtual Vector Equatorial(const Vector& ecliptic) const = 0;

  Vector Geocentric(Int16 body, double jd) const {
    if (body == MoonBody) return Moon(jd);
    if (body == SunBody) return Sun(jd);
    return Minus(*Heliocentric(body, jd), *Heliocentric(EarthBody, jd));
  }
  Vector Sun(double jd) const {
    const Vector e = *Heliocentric(EarthBody, jd);
    return {-e[0], -e[1], -e[2]};
  }
};

class MethodGeometry : public Geometry {
 public:
  explicit MethodGeometry(const ElementsTable& elements) : elements_(elements), offset_(EpochOffset(elements)) {}
  std::optional<Vector> Heliocentric(Int16 body, double jd) const override {
    if (body == EarthBody) {
      const auto cached = earth_.find(jd);
      if (cached != earth_.end()) return cached->second;
    }
    const ElementRow row = body == EarthBody ? EarthRow(elements_) : BodyRow(elements_, body);
    const HeliocentricPosition p = ComputeHeliocentricPosition(row, jd, offset_, elements_);
    const Vector v{p.x, p.y, p.z};
    if (body == EarthBody) earth_.emplace(jd, v);
    return v;
  }
  // The Moon in the method's ecliptic: the method turns its ecliptic to the
  // equator by its own obliquity.
  Vector Moon(double jd) const override {
    const auto cached = moon_.find(jd);
    if (cached != moon_.end()) return cached->second;
    double pv[2][3];
    eraMoon98(jd, 0.0, pv);
    return moon_.emplace(jd, ToEcliptic({pv[0][0], pv[0][1], pv[0][2]}, ObliquityRadians)).first->second;
  }
  // Every search of a stretch samples the Earth and the Moon at the same
  // instants: each is computed once a stretch.
  void Forget() const {
    earth_.clear();
    moon_.clear();
  }
  double SunApparentLongitude(double jd) const override {
    const Vector s = Sun(jd);
    return ApparentLongitude(EquatorialFromEcliptic(s[0], s[1], s[2]), jd);
  }
  Vector Equatorial(const Vector& v) const override { return EquatorialFromEcliptic(v[0], v[1], v[2]); }

 private:
  const ElementsTable& elements_;
  double offset_;
  mutable std::unordered_map<double, Vector> earth_, moon_;
};

class ReferenceGeometry : public Geometry {
 public:
  std::optional<Vector> Heliocentric(Int16 body, double jd) const override {
    double pv[2][3];
    if (body == EarthBody) {
      // The Earth's series is the costliest, and a body's geocentric
      // position and the Sun's ask for it at the same instant.
      if (jd != cachedDay_) {
        double barycentric[2][3];
        eraEpv00(jd, 0.0, pv, barycentric);
        cachedDay_ = jd;
        cachedEarth_ = ToEcliptic({pv[0][0], pv[0][1], pv[0][2]}, J2000ObliquityRadians);
      }
      return cachedEarth_;
    }
    if (body >= 1 && body <= 8) {
      eraPlan94(jd, 0.0, body, pv);
    } else {
      return std::nullopt;  // Pluto: no reference
    }
    return ToEcliptic({pv[0][0], pv[0][1], pv[0][2]}, J2000ObliquityRadians);
  }
  Vector Moon(double jd) const override {
    double pv[2][3];
    eraMoon98(jd, 0.0, pv);
    return ToEcliptic({pv[0][0], pv[0][1], pv[0][2]}, J2000ObliquityRadians);
  }
  double SunApparentLongitude(double jd) const override {
    double pv[2][3], barycentric[2][3];
    eraEpv00(jd, 0.0, pv, barycentric);
    return ApparentLongitude({-pv[0][0], -pv[0][1], -pv[0][2]}, jd);
  }
  Vector Equatorial(const Vector& v) const override {
    const double e = J2000ObliquityRadians;
    return {v[0], std::cos(e) * v[1] - std::sin(e) * v[2], std::sin(e) * v[1] + std::cos(e) * v[2]};
  }

 private:
  mutable double cachedDay_ = std::nan("");
  mutable Vector cachedEarth_{};
};

using Function = std::function<double(double)>;

// The zero of f nearest to t (an angle, degrees, -180..180), looking out
// from t in steps of step on both sides, at most window days away; with
// upward, only a crossing in that direction. Narrowed by regula falsi
// (Illinois), which needs a handful of the reference's costly evaluations
// where bisection needs twenty.
std::optional<double> NearestRoot(const Function& f, double t, double step, double window,
                                  std::optional<bool> upward = std::nullopt) {
  const double f0 = f(t);
  double leftT = t, leftF = f0, rightT = t, rightF = f0;
  for (double d = step; d <= window + step / 2; d += step) {
    for (const bool right : {true, false}) {
      const double u = right ? t + d : t - d, fu = f(u);
      double& nearT = right ? rightT : leftT;
      double& nearF = right ? rightF : leftF;
      double a = right ? nearT : u, fa = right ? nearF : fu, b = right ? u : nearT, fb = right ? fu : nearF;
      nearT = u, nearF = fu;
      if ((fa < 0) == (fb < 0) || std::fabs(fb - fa) >= 90) continue;
      if (upward && (fb > fa) != *upward) continue;
      // Regula falsi on [a, b], halving the weight of an end that stays.
      int stayed = 0;
      while (b - a > ReferencePrecision) {
        const double c = (a * fb - b * fa) / (fb - fa), fc = f(c);
        if ((fc < 0) == (fa < 0)) {
          a = c, fa = fc;
          if (stayed == -1) fb /= 2;
          stayed = -1;
        } else {
          b = c, fb = fc;
          if (stayed == 1) fa /= 2;
          stayed = 1;
        }
        if (fc == 0) return c;
        if (std::fabs(b - a) < ReferencePrecision) break;
        // Keep narrowing even when one end does not move.
        if (std::fabs(c - a) < ReferencePrecision / 4 || std::fabs(c - b) < ReferencePrecision / 4) {
          const double m = (a + b) / 2, fm = f(m);
          if ((fm < 0) == (fa < 0)) a = m, fa = fm;
          else b = m, fb = fm;
        }
      }
      return (a + b) / 2;
    }
  }
  return std::nullopt;
}

// The local maximum (or minimum) of g nearest to t: uphill from t in steps
// of step until it turns, at most window days away, then narrowed by golden
// sections.
std::optional<double> NearestExtremum(const Function& g, double t, double step, double window, bool maxima) {
  const double sign = maxima ? 1 : -1;
  auto h = [&](double u) { return sign * g(u); };
  double here = t, hHere = h(t);
  const double hRight = h(t + step), hLeft = h(t - step);
  if (hLeft <= hHere && hRight <= hHere) {
    // Already bracketed.
  } else {
    const double direction = hRight > hLeft ? 1 : -1;
    double next = here + direction * step, hNext = direction > 0 ? hRight : hLeft;
    while (hNext > hHere) {
      here = next, hHere = hNext;
      next = here + direction * step, hNext = h(next);
      if (std::fabs(here - t) > window) return std::nullopt;
    }
  }
  double a = here - step, b = here + step;
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  double c = b - ratio * (b - a), d = a + ratio * (b - a), hc = h(c), hd = h(d);
  while (b - a > ReferencePrecision) {
    if (hc > hd) b = d, d = c, hd = hc, c = b - ratio * (b - a), hc = h(c);
    else a = c, c = d, hc = hd, d = a + ratio * (b - a), hd = h(d);
  }
  return (a + b) / 2;
}

// The searches over one stretch of time, on both geometries.
class Search {
 public:
  Search(const ElementsTable& elements, const PhenomenaRequest& request)
      : elements_(elements), request_(request), method_(elements) {}

  std::vector<Phenomenon> Between(double a, double b) const {
    method_.Forget();
    std::vector<Phenomenon> found;
    for (const Int16 p : request_.planets) Planet(p, a, b, found);
    for (std::size_t i = 0; i < request_.planets.size(); ++i) {
      for (std::size_t j = i + 1; j < request_.planets.size(); ++j) {
        Approaches(request_.planets[i], request_.planets[j], a, b, found);
      }
      if (request_.sunAndMoon) Approaches(MoonBody, request_.planets[i], a, b, found);
    }
    if (request_.sunAndMoon) {
      Apsides(EarthBody, a, b, found);
      Phases(a, b, found);
      Seasons(a, b, found);
    }
    std::sort(found.begin(), found.end(), [](const Phenomenon& x, const Phenomenon& y) { return x.time < y.time; });
    return found;
  }

 private:
  bool HasReference(Int16 body) const { return body != 9; }

  // The longitude of body less the Sun's, less target, -180..180.
  Function LongitudeFromSun(const Geometry& g, Int16 body, double target) const {
    return [&g, body, target](double t) {
      return Wrap180(Longitude(g.Geocentric(body, t)) - Longitude(g.Sun(t)) - target);
    };
  }
  Function Elongation(const Geometry& g, Int16 body) const {
    return [&g, body](double t) { return Angle(g.Geocentric(body, t), g.Sun(t)); };
  }

  double Magnitude(Int16 body, double t) const {
    return AspectOf(body, method_.Equatorial(*method_.Heliocentric(body, t)),
                    method_.Equatorial(*method_.Heliocentric(EarthBody, t)), t)
        .magnitude;
  }

  void Add(std::vector<Phenomenon>& found, PhenomenonKind kind, double t, Int16 body, Int16 other,
           std::optional<double> value, PhenomenonUnit unit, std::optional<double> reference) const {
    found.push_back({kind, t, body, other, value, unit, reference});
  }

  void Planet(Int16 p, double a, double b, std::vector<Phenomenon>& found) const {
    const bool inner = p == 1 || p == 2;
    // Conjunctions, and oppositions of the outer planets.
    const std::vector<double> targets = inner ? std::vector<double>{0} : std::vector<double>{0, 180};
    const std::vector<std::vector<Crossing>> roots = AngleZerosOfEach(LongitudeFromSun(method_, p, 0), targets, a, b, 1.0, Precision);
    for (std::size_t k = 0; k < targets.size(); ++k) {
      const double target = targets[k];
      for (const Crossing& r : roots[k]) {
        PhenomenonKind kind = target == 180 ? PhenomenonKind::Opposition : PhenomenonKind::Conjunction;
        if (inner) {
          kind = Norm(method_.Geocentric(p, r.time)) < Norm(method_.Sun(r.time)) ? PhenomenonKind::InferiorConjunction
                                                                                   : PhenomenonKind::SuperiorConjunction;
        }
        std::optional<double> reference;
        if (HasReference(p)) {
          reference = NearestRoot(LongitudeFromSun(reference_, p, target), r.time, 1.0, 60);
        }
        if (kind == PhenomenonKind::Opposition) {
          Add(found, kind, r.time, p, SunBody, Magnitude(p, r.time), PhenomenonUnit::Magnitude, reference);
        } else {
          Add(found, kind, r.time, p, SunBody, Elongation(method_, p)(r.time), PhenomenonUnit::Degrees, reference);
        }
      }
    }
    // Greatest elongations of Mercury and Venus.
    if (inner) {
      for (const double t : LocalExtrema(Elongation(method_, p), a, b, 1.0, true, Precision)) {
        const bool east = LongitudeFromSun(method_, p, 0)(t) > 0;
        std::optional<double> reference;
        if (HasReference(p)) reference = NearestExtremum(Elongation(reference_, p), t, 0.5, 20, true);
        Add(found, east ? PhenomenonKind::GreatestEastern : PhenomenonKind::GreatestWestern, t, p, SunBody,
            Elongation(method_, p)(t), PhenomenonUnit::Degrees, reference);
      }
    }
    // Stationary points: the geocentric longitude's rate passes zero.
    auto rate = [](const Geometry& g, Int16 body) -> Function {
      return [&g, body](double t) {
        constexpr double h = 0.01;
        return Wrap180(Longitude(g.Geocentric(body, t + h)) - Longitude(g.Geocentric(body, t - h))) / (2 * h);
      };
    };
    for (const Crossing& r : AngleZeros(rate(method_, p), a, b, 1.0, Precision)) {
      std::optional<double> reference;
      if (HasReference(p)) {
        reference = NearestRoot(rate(reference_, p), r.time, 1.0, 30, r.upward);
      }
      Add(found, r.upward ? PhenomenonKind::RetrogradeEnds : PhenomenonKind::RetrogradeBegins, r.time, p, SunBody,
          Elongation(method_, p)(r.time), PhenomenonUnit::Degrees, reference);
    }
    Apsides(p, a, b, found);
  }

  void Apsides(Int16 p, double a, double b, std::vector<Phenomenon>& found) const {
    const ElementRow row = p == EarthBody ? EarthRow(elements_) : BodyRow(elements_, p);
    const double period = FullTurn / row.dailyMotion;
    const double step = std::clamp(period / 100, 0.5, 30.0);
    auto distance = [p](const Geometry& g) -> Function { return [&g, p](double t) { return Norm(*g.Heliocentric(p, t)); }; };
    for (const bool far : {false, true}) {
      for (const double t : LocalExtrema(distance(method_), a, b, step, far, Precision)) {
        std::optional<double> reference;
        if (HasReference(p)) {
          reference = NearestExtremum(distance(reference_), t, step, period / 5, far);
        }
        Add(found, far ? PhenomenonKind::Aphelion : PhenomenonKind::Perihelion, t, p, SunBody,
            distance(method_)(t), PhenomenonUnit::AstronomicalUnits, reference);
      }
    }
  }

  void Approaches(Int16 p, Int16 q, double a, double b, std::vector<Phenomenon>& found) const {
    auto separation = [p, q](const Geometry& g) -> Function {
      return [&g, p, q](double t) { return Angle(g.Geocentric(p, t), g.Geocentric(q, t)); };
    };
    const double step = p == MoonBody ? 1.0 / 6 : 1.0;
    for (const double t : LocalExtrema(separation(method_), a, b, step, false, Precision)) {
      const double closest = separation(method_)(t);
      if (closest >= request_.approachLimit) continue;
      std::optional<double> reference;
      if (HasReference(p) && HasReference(q)) {
        const double window = p == MoonBody ? 1 : 10;
        reference = NearestExtremum(separation(reference_), t, step / 4, window, false);
      }
      Add(found, PhenomenonKind::CloseApproach, t, p, q, closest, PhenomenonUnit::Degrees, reference);
    }
  }

  void Phases(double a, double b, std::vector<Phenomenon>& found) const {
    const PhenomenonKind kinds[] = {PhenomenonKind::NewMoon, PhenomenonKind::FirstQuarter, PhenomenonKind::FullMoon,
                                    PhenomenonKind::LastQuarter};
    const std::vector<std::vector<Crossing>> roots =
        AngleZerosOfEach(LongitudeFromSun(method_, MoonBody, 0), {0, 90, 180, 270}, a, b, 0.5, Precision);
    for (int k = 0; k < 4; ++k) {
      for (const Crossing& r : roots[k]) {
        const std::optional<double> reference =
            NearestRoot(LongitudeFromSun(reference_, MoonBody, 90.0 * k), r.time, 0.1, 1);
        Add(found, kinds[k], r.time, MoonBody, SunBody, std::nullopt, PhenomenonUnit::None, reference);
      }
    }
  }

  void Seasons(double a, double b, std::vector<Phenomenon>& found) const {
    const PhenomenonKind kinds[] = {PhenomenonKind::MarchEquinox, PhenomenonKind::JuneSolstice,
                                    PhenomenonKind::SeptemberEquinox, PhenomenonKind::DecemberSolstice};
    auto longitude = [](const Geometry& g, double target) -> Function {
      return [&g, target](double t) { return Wrap180(g.SunApparentLongitude(t) - target); };
    };
    const std::vector<std::vector<Crossing>> roots = AngleZerosOfEach(longitude(method_, 0), {0, 90, 180, 270}, a, b, 2.0, Precision);
    for (int k = 0; k < 4; ++k) {
      for (const Crossing& r : roots[k]) {
        const std::optional<double> reference =
            NearestRoot(longitude(reference_, 90.0 * k), r.time, 0.5, 3);
        Add(found, kinds[k], r.time, SunBody, SunBody, std::nullopt, PhenomenonUnit::None, reference);
      }
    }
  }

  const ElementsTable& elements_;
  const PhenomenaRequest& request_;
  MethodGeometry method_;
  ReferenceGeometry reference_;
};

// One stretch: searched whole, or, where the method fails inside it, in
// halves down to a day, so that everything before the failure is handed
// over first. progress hears the end of each stretch searched.
void Stretch(const Search& search, double a, double b, const std::function<void(const Phenomenon&)>& each,
             const std::function<void(double)>& progress) {
  std::vector<Phenomenon> found;
  try {
    found = search.Between(a, b);
  } catch (const RuntimeError&) {
    if (b - a <= 1) throw;
    const double middle = (a + b) / 2;
    Stretch(search, a, middle, each, progress);
    Stretch(search, middle, b, each, progress);
    return;
  }
  for (const Phenomenon& p : found) each(p);
  if (progress) progress(b);
}

}  // namespace

void FindPhenomena(const ElementsTable& elements, const PhenomenaRequest& request, double start, double end,
                   const std::function<void(const Phenomenon&)>& each, const std::function<void(double)>& progress) {
  const Search search(elements, request);
  for (double a = start; a < end; a += YearDays) Stretch(search, a, std::min(a + YearDays, end), each, progress);
}

double MethodLongitude(const ElementsTable& elements, Int16 body, double julianDay) {
  return Longitude(MethodGeometry(elements).Geocentric(body, julianDay));
}

double MethodSunApparentLongitude(const ElementsTable& elements, double julianDay) {
  return Wrap180(MethodGeometry(elements).SunApparentLongitude(julianDay));
}

double MethodSeparation(const ElementsTable& elements, Int16 body, Int16 other, double julianDay) {
  const MethodGeometry method(elements);
  return Angle(method.Geocentric(body, julianDay), method.Geocentric(other, julianDay));
}

std::string_view PhenomenonKey(PhenomenonKind kind) {
  static constexpr std::string_view Keys[] = {
      "opposition",    "conjunction",      "inferior-conjunction", "superior-conjunction", "greatest-eastern",
      "greatest-western", "retrograde-begins", "retrograde-ends",   "perihelion",           "aphelion",
      "close-approach", "new-moon",         "first-quarter",        "full-moon",            "last-quarter",
      "march-equinox", "june-solstice",    "september-equinox",    "december-solstice"};
  return Keys[static_cast<int>(kind)];
}

}  // namespace orbitas

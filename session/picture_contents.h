#pragma once
// What each picture shows, as plain numbers and texts: the orbits at an
// instant, the whole sky from a place, a planet's path across the sky,
// and a night's altitudes over its twilight bands. Computed here from the
// session's outcomes and the sky library; pictures/ only draws them.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calendar/time_zone.h"
#include "ephemeris/heliocentric.h"
#include "session/instant.h"
#include "session/runners.h"
#include "sky/deep_sky/deep_sky_catalogue.h"
#include "sky/night/night.h"

namespace orbitas {

// One orbit as the method draws it over one revolution.
struct Orbit {
  Body body = Body::Earth;
  double aphelion = 0;                          // a (1 + e), AU: the farthest it goes
  std::vector<HeliocentricPosition> points;     // those the method could compute
};

struct OrbitPicture {
  std::string title;       // the document's: what, when and the Julian day
  std::string heading;     // "Órbitas vistas desde el norte de la eclíptica"
  std::string subtitle;    // "2026-12-08 22:00:00 · día juliano 2461383.4166…"
  std::string instant;     // the civil date and time, ISO 8601
  std::string julianDay;   // as the window shows it
  std::vector<Body> bodies;  // the planets asked for
  std::optional<HeliocentricPosition> earth;  // at the instant, when computed
  std::vector<std::pair<Body, HeliocentricPosition>> planets;  // those computed
  std::vector<Orbit> orbits;  // the Earth's, then each planet's
  std::string stopped;     // "El cálculo se detuvo: " and why, or empty
};

struct DomeBody {
  std::string name;
  Body body = Body::Sun;
  double altitude = 0;      // degrees, geometric
  double azimuth = 0;       // degrees, from north through east
  double magnitude = 0;     // visual (planets)
  double illuminated = 1;   // the lit fraction (the Moon)
  bool waxing = true;       // the Moon's lit side: west (waxing) or east
  bool marked = false;      // ringed: the body the user chose
};

struct DomeStar {
  std::string name;         // as StarLabel gives it: "Sirio", "γ Leo", "HIP 12345"
  bool labelled = false;    // brighter than magnitude 1.5: its name is written beside it
  double magnitude = 0;     // visual
  double colourIndex = 0;   // B-V
  double altitude = 0;      // degrees, geometric
  double azimuth = 0;       // degrees, from north through east
};

struct DomeFigure {
  std::string name;  // the constellation's Spanish name
  std::vector<std::pair<std::pair<double, double>, std::pair<double, double>>> lines;  // (altitude, azimuth) ends
  double labelAltitude = 0, labelAzimuth = 0;  // degrees
};

// The radiant of a meteor shower active at the dome's instant.
struct DomeRadiant {
  std::string name;       // the shower's Spanish name, as the night's rows give it: "Gemínidas"
  std::string code;       // the IMO's three letters: "GEM"
  double altitude = 0;    // degrees, geometric
  double azimuth = 0;     // degrees, from north through east
};

// A deep-sky object above the dome's horizon, drawn by its kind at its
// size (never below a least size) and angle, and named by its id.
struct DomeDeepSky {
  std::string id;     // written beside it: "M31", "C14", "NGC 869"
  std::string naming;  // "M31, Galaxia de Andrómeda (NGC 224): galaxia": DeepSkyObjectTitle's start
  DeepSkyType type = DeepSkyType::Galaxy;
  double magnitude = NoMagnitude;            // visual; NoMagnitude when none
  double altitude = 0, azimuth = 0;          // degrees, geometric; azimuth from north through east
  double axisAltitude = 0, axisAzimuth = 0;  // degrees: the point one degree along its major axis
  double majorAxis = 0, minorAxis = 0;       // arcminutes; minor the major for a round one, both 0 when unknown
  bool hasAngle = false;                     // the catalogue gives the major axis's position angle
};

// Stars brighter than this carry their name on the dome.
inline constexpr double LabelledStarMagnitude = 1.5;

// The Messier and Caldwell objects of this magnitude or brighter stand on
// the eye's dome on a dark night: some sixty, which leave its stars and
// names legible; in twilight only those the eye still sees.
inline constexpr double DomeDeepSkyMagnitude = 7.0;

struct SkyDome {
  std::string title;     // the document's: "El cielo desde Madrid el …"
  std::string heading;   // shown above: "El cielo desde Madrid · …"
  std::string instant;   // the local date and time, as the title shows it
  std::string place;     // "40.4168, -3.7038"
  std::vector<DomeBody> bodies;
  std::vector<DomeStar> stars;      // brightest first
  std::vector<DomeFigure> figures;
  std::vector<DomeRadiant> radiants;  // RunSkyDome's: the showers active then, below the horizon too
  std::vector<std::pair<double, double>> ecliptic;  // (altitude, azimuth), degrees, in order
  std::vector<std::string> compassPoints;           // the 16 points' names from north through east
  // The Sun's altitude (degrees; -90 when it is not known): the sky is
  // drawn as day, twilight or night by it, and only the stars the naked
  // eye sees then are in stars.
  double sunAltitude = -90;
  // Above the horizon: the Messier and Caldwell objects to
  // DomeDeepSkyMagnitude the sky then shows, and those the caller named,
  // in that order.
  std::vector<DomeDeepSky> deepSky;
  // The id of the deep-sky object drawn ringed ("M31": the one the user
  // chose), or empty; the caller sets it, and names the object among the
  // dome's so that it is there whatever its magnitude.
  std::string markedDeepSky;
};

struct SkyPoint {
  std::string date;            // the row's instant, ISO 8601 (date part shown)
  double julianDay = 0;        // days, UT
  double rightAscension = 0;   // hours
  double declination = 0;      // degrees
};

struct SkyPath {
  Body body = Body::Mars;
  std::vector<SkyPoint> points;  // in row order
};

// The reference's path of a planet beside the method's: at most
// ReferencePathPoints of the rows, evenly spread, and the largest angle
// between the two paths at those rows.
struct ReferencePath {
  std::vector<std::pair<double, double>> points;  // (right ascension hours, declination degrees)
  std::optional<double> largestError;             // degrees; none without the reference (Pluto)
};
inline constexpr std::size_t ReferencePathPoints = 2000;

// A catalogue star as the paths' picture draws it, J2000.
struct BackgroundStar {
  std::string name;           // the Spanish proper name, or ""
  std::string designation;    // as StarLabel gives it: the name, "γ Leo" or "HIP 12345"
  double rightAscension = 0;  // hours
  double declination = 0;     // degrees
  double magnitude = 0;
};

struct BackgroundFigure {
  std::string name;  // the constellation's Spanish name
  std::vector<std::pair<std::pair<double, double>, std::pair<double, double>>> lines;  // (RA hours, Dec degrees) ends
};

// A deep-sky object behind the paths, J2000.
struct BackgroundDeepSky {
  std::string id;             // "M44"
  std::string naming;         // "M44, Pesebre (NGC 2632): cúmulo abierto": DeepSkyObjectTitle's start
  DeepSkyType type = DeepSkyType::OpenCluster;
  double magnitude = NoMagnitude;  // visual; NoMagnitude when none
  double rightAscension = 0;  // hours
  double declination = 0;     // degrees
  double majorAxis = 0, minorAxis = 0;  // arcminutes; minor the major for a round one
  double positionAngle = -1;  // degrees from north through east; -1 when none
};

// Stars of this magnitude or brighter stand behind the paths, and the
// Messier and Caldwell objects of PathDeepSkyMagnitude or brighter.
inline constexpr double PathStarMagnitude = 5.0;
inline constexpr double PathDeepSkyMagnitude = 7.0;

// A path's rows where the right ascension turns back, and the ecliptic in
// the method's frame, for the picture of paths across the sky, with the
// reference's paths and the stars and figures behind them.
struct SkyPaths {
  std::string title;  // "Camino en el cielo de Marte, del 2020-06-01 al 2021-02-28"
  std::vector<SkyPath> paths;
  std::vector<std::vector<std::size_t>> stationary;  // for each path
  std::vector<std::vector<double>> continuous;       // each path's right ascensions, hours, without the jump at 0h/24h
  std::vector<std::pair<double, double>> ecliptic;   // (right ascension hours, declination degrees)
  std::string stopped;                               // "La tabla se detuvo: " and why, or empty
  std::vector<ReferencePath> reference;              // for each path
  std::vector<BackgroundStar> stars;                 // the whole sky to PathStarMagnitude
  std::vector<BackgroundFigure> figures;             // every constellation's
  std::vector<BackgroundDeepSky> deepSky;            // the whole sky's to PathDeepSkyMagnitude
};

struct NightBand {
  double from = 0, to = 0;  // hours from the picture's start
  int darkness = 0;         // 0 day, 1 civil, 2 nautical, 3 astronomical twilight, 4 night
};

struct NightCurve {
  std::string name;
  Body body = Body::Moon;
  std::vector<std::pair<double, double>> points;  // (hours from the start, altitude in degrees)
  std::optional<std::pair<double, double>> visible;  // hours
  std::optional<std::pair<double, double>> best;     // (hours, altitude)
};

struct NightPicture {
  std::string title;   // "La noche del 2026-12-07 desde 40.4168, -3.7038 (Europe/Madrid)"
  Instant start;       // the instant drawn at hour 0
  double hours = 12;   // the span drawn
  std::vector<std::pair<double, std::string>> ticks;  // (hours from the start, "19:00")
  std::vector<NightBand> bands;
  std::vector<NightCurve> curves;
  double limit = 10;   // the planets' altitude limit, degrees
  // A minute the chart follows (the planner's clock or a chosen row): a
  // vertical line at markedHour (hours from the span's start, 0..hours)
  // with markedLabel ("23:40") at its top; none without it.
  std::optional<double> markedHour;
  std::string markedLabel;
};

// An eclipse as a picture: for the Moon, its path through the Earth's
// shadow; for the Sun, its disc with the Moon at C1, the maximum and C4 as a
// place sees them, and the horizon when it is near. Angles in arcminutes,
// x to the left (east on the sky, or along the horizon), y up.
struct EclipseMark {
  std::string name;  // "P1", "Máximo", "C4"…
  std::string time;  // "12:06" in the zone
  bool greatest = false;  // the greatest eclipse, not a contact
  double x = 0, y = 0;
};

struct EclipsePicture {
  std::string title;
  bool lunar = true;
  double umbra = 0, penumbra = 0;                // the shadow's radii (the Moon)
  double sun = 0;                                // the Sun's radius (the Sun)
  double moon = 0;                               // the Moon's radius
  std::vector<std::pair<double, double>> path;   // the Moon's centre, in order
  std::vector<EclipseMark> marks;
  std::optional<double> horizon;                 // the horizon's height below the Sun's centre, when near
  // A partial eclipse from the place: the width of the Sun left uncovered
  // at the maximum (0 for none) and the part of its disc covered, 0..1.
  double sliver = 0;
  double obscuration = 0;
  // A solar eclipse from the place: the part of the Sun's disc covered at
  // the maximum (0..1, 1 at totality), which darkens the sky, and whether
  // it is total there, when the corona shows.
  double depth = 0;
  bool total = false;
};

// The picture of a lunar eclipse, or of a solar one from place (the one
// seen was seen from, which it then needs). Raises nothing.
EclipsePicture EclipsePictureOf(const EclipseSeen& seen, const std::optional<Place>& place, const TimeZone& zone);

// Whether EclipsePictureOf has a picture of seen: a lunar eclipse always, a
// solar one when its place sees it, a transit never.
bool HasEclipsePicture(const EclipseSeen& seen);

// Why seen has no picture, in Spanish ("no hay dibujo de los tránsitos"),
// or empty when it has one.
std::string NoEclipsePictureReason(const EclipseSeen& seen);

// The orbits picture of an instant's outcome: the Earth and the planets
// as far as they were computed, their orbits over one period (2 pi / n
// days) from elements, and where a run-time error stopped them.
OrbitPicture OrbitPictureOf(const InstantOutcome& outcome, const std::vector<Body>& bodies,
                            const ElementsTable& elements);

// The whole sky from place at the instant of outcome: its planets, with
// the Sun, the Moon and the ecliptic, the stars of magnitude
// magnitudeLimit or brighter and the constellation figures, and the
// deep-sky objects the sky then shows (DomeDeepSkyMagnitude) with those of
// deepSky (designations, as DeepSkyObjectNamed reads them; unknown ones
// are skipped) whatever their magnitude. Bodies the method could not
// compute are left out.
SkyDome SkyDomeOf(const InstantOutcome& outcome, const ElementsTable& elements, const Place& place,
                  const TimeZone& zone, double magnitudeLimit = 5.0, const std::vector<std::string>& deepSky = {});

// The whole sky from the request's place at its `at`, as SkyDomeOf draws
// it with stars down to its faintestStar: its bodies (planets) computed by
// the method's requests for `at` directly (as the calculator's would be
// for that Julian day). A planet the method cannot compute there, and
// those after it, are left out. With them, the radiants of the meteor
// showers active at `at` (the Sun within their activity, as the night's
// rows count them), in the list's order; the deep-sky objects of
// request.deepSky beside the dome's own. Raises RequestRefused without a
// place.
SkyDome RunSkyDome(const SkyRequest& request);

// The radiants of the meteor showers active at `at` (ShowerActive), each
// moved by its daily drift to `at` and turned to place's horizon as the
// dome's stars are, in the order of MeteorShowers(). Raises nothing.
std::vector<DomeRadiant> DomeRadiantsAt(const Place& place, const Instant& at);

// What a picture says of a deep-sky object on hovering it: naming (a
// DomeDeepSky's or BackgroundDeepSky's) and its numbers in
// decimalSeparator, "M31, Galaxia de Andrómeda (NGC 224): galaxia,
// magnitud 3,4, 177,8′ × 69,7′" (magnitude NoMagnitude and axes 0 left
// out). Raises nothing.
std::string DeepSkyObjectTitle(std::string_view naming, double magnitude, double majorAxis, double minorAxis,
                               std::string_view decimalSeparator);

// The paths of a table's rows, with their stationary rows and the
// ecliptic.
SkyPaths SkyPathsOf(std::vector<SkyPath> paths, std::string stopped);

// The rows k (1 .. n-2) at which the right ascension turns back: the
// steps before and after them go opposite ways (across 0h/24h, the short
// way round counts).
std::vector<std::size_t> StationaryRows(const std::vector<SkyPoint>& points);

// The night as a picture: the altitudes of its visible planets and of the
// Moon every five minutes from sunset to sunrise, over its twilight bands.
NightPicture NightPictureOf(const Night& night, const ElementsTable& elements, const Place& place,
                            const TimeZone& zone, const std::string& date);

}  // namespace orbitas

// orbitas-cli's parsing of dates, steps, planet names, picture sizes,
// places, zones and whole command lines: parsed arguments or a usage
// error, tables planned or refused, an instant's orbits drawn (in memory)
// when a picture is asked for, a planet's rising and setting found
// within its day, a planet's night, and a few days of phenomena.
#include <cmath>
#include <vector>

#include "cli/arguments.h"
#include "fuzz/fuzz_support.h"
#include "cli/table.h"
#include "pictures/orbit_picture.h"
#include "session/picture_contents.h"
#include "session/runners.h"
#include "cli/planet_names.h"
#include "session/request_refused.h"
#include "cli/typed_values.h"

namespace {

using namespace orbitas;
using namespace orbitas::cli;

// Single values: a date, a step, a picture size, a place, a zone, a planet.
void CheckValues(const std::string& text) {
  if (const auto instant = ParseTableInstant(text)) {
    if (instant->civil) {
      const CivilTime& t = *instant->civil;
      fuzz::Require(t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31, "impossible date");
      fuzz::Require(IsoText(t).rfind(text.substr(0, 10), 0) == 0 || text[0] == '+' || text[0] == '-',
                    "the date does not print back as written");
    } else {
      fuzz::Require(std::isfinite(instant->julianDay), "a Julian day that is not finite");
    }
  }
  if (const auto step = ParseStepSeconds(text)) fuzz::Require(*step > 0 && std::isfinite(*step), "a step that is not positive");
  try {
    const auto [width, height] = ParsePictureSize(text);
    fuzz::Require(width >= 16 && width <= 10000 && height >= 16 && height <= 10000, "a size outside its limits");
  } catch (const UsageError&) {
  }
  try {
    const Place place = ParsePlace(text);
    fuzz::Require(std::fabs(place.latitude) <= 90 && std::fabs(place.longitude) <= 180, "a place off the Earth");
  } catch (const RequestRefused&) {
  }
  try {
    const TimeZone zone = ParseZone(text);
    fuzz::Require(std::labs(zone.OffsetAt(Instant::FromUt(UnixEpochJulianDay))) <= 14 * 3600, "an offset beyond the ±14:00 its message says");
  } catch (const UsageError&) {
  }
  if (const auto body = ParsePlanet(text)) fuzz::Require(*body >= 1 && *body <= 9 && *body != 3, "a body that is not a planet");
}

// A whole command line: arguments separated by NUL bytes.
std::vector<std::string> SplitArguments(const std::string& text) {
  std::vector<std::string> args;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\0') {
      args.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return args;
}

// One planet's day: its events fall within the day.
void CheckRiseSet(const Arguments& parsed) {
  const LocalDay day = LocalDayOf(parsed.localDate, parsed.zone);
  SkyRequest request;
  request.bodies = BodiesOf({parsed.bodies.front()});
  request.place = parsed.place;
  request.zone = parsed.zone;
  request.date = parsed.localDate;
  const RiseSetAnswer run = RunRiseSet(request);
  for (const PlanetDay& planet : run.planets) {
    for (const auto& at : {planet.rise, planet.transit, planet.set}) {
      fuzz::Require(!at || (*at >= day.span.from && *at <= day.span.to), "an event outside its day");
    }
  }
}

// One planet's night: its visible interval lies within the night and has
// the best moment inside it.
void CheckNight(const Arguments& parsed) {
  const LocalDay day = LocalDayOf(parsed.localDate, parsed.zone, 12);
  fuzz::ResultOrRuntimeError([&] {
    SkyRequest request;
    request.bodies = BodiesOf({parsed.bodies.front()});
    request.place = parsed.place;
    request.zone = parsed.zone;
    request.date = parsed.localDate;
    request.limits = parsed.limits;
    const Night night = RunNight(request).night;
    const PlanetNight& p = night.planets.front();
    if (p.best) {
      fuzz::Require(p.visibleFrom->time <= p.best->time && p.best->time <= p.visibleTo->time,
                    "a best moment outside its interval");
      fuzz::Require(p.visibleFrom->time >= day.span.from && p.visibleTo->time <= day.span.to, "an interval outside its night");
    } else {
      fuzz::Require(p.miss != PlanetMiss::None, "no interval and no reason");
    }
  });
}

// A few days of one planet's phenomena: found in time order, inside the
// range.
void CheckPhenomena(const Arguments& parsed) {
  SkyRequest request;
  request.bodies = BodiesOf({parsed.bodies.front()});
  request.approachLimit = parsed.approachLimit;
  request.span = {Instant::FromUt(parsed.table.start.julianDay), Instant::FromUt(parsed.table.end.julianDay)};
  Instant last = request.span.from;
  fuzz::ResultOrRuntimeError([&] {
    RunPhenomena(request, [&](const YearEvent& e) {
      fuzz::Require(TimeOf(e) >= last && TimeOf(e) < request.span.to, "an event out of order or range");
      last = TimeOf(e);
    });
  });
}

// What a command line that is taken may not hold: a blank value (an unset
// variable), a default span past the reference's, a local time the zone
// skips or repeats.
void CheckRefusals(const std::vector<std::string>& args, const Arguments& parsed) {
  if (parsed.command == Command::Help || parsed.command == Command::Version) return;
  for (const std::string& arg : args) fuzz::Require(!Blank(arg), "a blank value taken");
  if (parsed.command == Command::Eclipses && parsed.table.end.civil) {
    CivilTime end = *parsed.table.end.civil;
    fuzz::Require(!ClampToReferenceSpan(end), "a span that ends past the reference's");
  }
  if (parsed.date) {
    // RequireSixValuesOnce refuses what the zone skips or repeats.
    try {
      RequireSixValuesOnce(*parsed.date, parsed.zone);
    } catch (const UsageError&) {
      fuzz::Require(false, "six values the zone skips or repeats taken");
    }
  }
}

// An instant's orbits, drawn in memory.
void CheckPicture(const Arguments& parsed) {
  const InstantOutcome outcome = ComputeInstant(parsed.date, parsed.julianDay, parsed.bodies, ".");
  const std::string svg = pictures::DrawOrbits(OrbitPictureOf(outcome, BodiesOf(parsed.bodies), MethodElements()), ".",
                                               parsed.picture.width, parsed.picture.height);
  fuzz::Require(svg.size() > 6 && svg.compare(svg.size() - 7, 7, "</svg>\n") == 0, "an unfinished picture");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckValues(text);
  try {
    const std::vector<std::string> args = SplitArguments(text);
    const Arguments parsed = ParseArguments(args);
    CheckRefusals(args, parsed);
    if (parsed.command == Command::Table) {
      const TablePlan plan(parsed.table);
      fuzz::Require(plan.rows() >= 1 && plan.rows() <= MaxTableRows, "a table outside its limits");
    }
    if (parsed.command == Command::Instant || parsed.command == Command::Explain) {
      fuzz::Require(!parsed.bodies.empty(), "no planet chosen");
    }
    if (parsed.command == Command::RiseSet) CheckRiseSet(parsed);
    if (parsed.command == Command::Night) CheckNight(parsed);
    if (parsed.command == Command::Phenomena && !parsed.table.start.civil && !parsed.table.end.civil &&
        parsed.table.end.julianDay - parsed.table.start.julianDay <= 10) {
      CheckPhenomena(parsed);
    }
    if (parsed.command == Command::Instant && !parsed.picture.path.empty()) CheckPicture(parsed);
  } catch (const UsageError&) {
  } catch (const RequestRefused&) {
  }
  return 0;
}

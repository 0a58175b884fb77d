// orbitas-cli's parsing of dates, steps, planet names, picture sizes,
// places, zones and whole command lines: parsed arguments or a usage
// error, tables planned or refused, an instant's orbits drawn (in memory)
// when a picture is asked for, a planet's rising and setting found
// within its day, a planet's night, and a few days of phenomena.
#include <cmath>
#include <vector>

#include "cli/arguments.h"
#include "ephemeris/elements.h"
#include "fuzz/fuzz_support.h"
#include "cli/pictures.h"
#include "sky/night/rise_set.h"
#include "cli/planet_names.h"
#include "sky/events/phenomena.h"
#include "session/request_refused.h"
#include "cli/typed_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orbitas;
  using namespace orbitas::cli;
  const std::string text(reinterpret_cast<const char*>(data), size);

  // Single values.
  if (const auto instant = ParseTableInstant(text)) {
    if (instant->civil) {
      const CivilTime& t = *instant->civil;
      orbitas::fuzz::Require(t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31, "impossible date");
      orbitas::fuzz::Require(IsoText(t).rfind(text.substr(0, 10), 0) == 0 || text[0] == '+' || text[0] == '-',
                             "the date does not print back as written");
    } else {
      orbitas::fuzz::Require(std::isfinite(instant->julianDay), "a Julian day that is not finite");
    }
  }
  if (const auto step = ParseStepSeconds(text)) {
    orbitas::fuzz::Require(*step > 0 && std::isfinite(*step), "a step that is not positive");
  }
  try {
    const auto [width, height] = ParsePictureSize(text);
    orbitas::fuzz::Require(width >= 16 && width <= 10000 && height >= 16 && height <= 10000, "a size outside its limits");
  } catch (const UsageError&) {
  }
  try {
    const Place place = ParsePlace(text);
    orbitas::fuzz::Require(std::fabs(place.latitude) <= 90 && std::fabs(place.longitude) <= 180, "a place off the Earth");
  } catch (const UsageError&) {
  }
  try {
    const TimeZone zone = ParseZone(text);
    orbitas::fuzz::Require(std::labs(zone.OffsetAt(0)) <= 15 * 3600, "an offset beyond any zone's");
  } catch (const UsageError&) {
  }
  if (const auto body = ParsePlanet(text)) {
    orbitas::fuzz::Require(*body >= 1 && *body <= 9 && *body != 3, "a body that is not a planet");
  }

  // A whole command line: arguments separated by NUL bytes.
  std::vector<std::string> args;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\0') {
      args.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  try {
    const Arguments parsed = ParseArguments(args);
    if (parsed.command == Command::Table) {
      const TablePlan plan(parsed.table);
      orbitas::fuzz::Require(plan.rows() >= 1 && plan.rows() <= MaxTableRows, "a table outside its limits");
    }
    if (parsed.command == Command::Instant || parsed.command == Command::Explain) {
      orbitas::fuzz::Require(!parsed.bodies.empty(), "no planet chosen");
    }
    if (parsed.command == Command::RiseSet) {
      // One planet's day: its events fall within the day.
      static const orbitas::ElementsTable table = [] {
        orbitas::ElementsTable e{};
        orbitas::FillElements(e);
        return e;
      }();
      const double start = LocalDayOf(parsed.localDate, parsed.zone).start;
      orbitas::fuzz::ResultOrRuntimeError([&] {
        const PlanetDay day = ComputePlanetDay(table, parsed.bodies.front(), *parsed.place, start, start + 1);
        for (const auto& at : {day.rise, day.transit, day.set}) {
          orbitas::fuzz::Require(!at || (*at >= start && *at <= start + 1), "an event outside its day");
        }
      });
    }
    if (parsed.command == Command::Night) {
      // One planet's night: its visible interval lies within the night and
      // has the best moment inside it.
      static const orbitas::ElementsTable table = [] {
        orbitas::ElementsTable e{};
        orbitas::FillElements(e);
        return e;
      }();
      const LocalDay day = LocalDayOf(parsed.localDate, parsed.zone, 12);
      orbitas::fuzz::ResultOrRuntimeError([&] {
        const Night night =
            ComputeNight(table, *parsed.place, day.start, day.end, {parsed.bodies.front()}, parsed.limits);
        const PlanetNight& p = night.planets.front();
        if (p.best) {
          orbitas::fuzz::Require(p.visibleFrom->time <= p.best->time && p.best->time <= p.visibleTo->time,
                                 "a best moment outside its interval");
          orbitas::fuzz::Require(p.visibleFrom->time >= day.start && p.visibleTo->time <= day.end,
                                 "an interval outside its night");
        } else {
          orbitas::fuzz::Require(!p.reason.empty(), "no interval and no reason");
        }
      });
    }
    if (parsed.command == Command::Phenomena && !parsed.table.start.civil && !parsed.table.end.civil &&
        parsed.table.end.julianDay - parsed.table.start.julianDay <= 10) {
      // A few days of one planet's phenomena: found in time order, inside
      // the range.
      static const orbitas::ElementsTable table = [] {
        orbitas::ElementsTable e{};
        orbitas::FillElements(e);
        return e;
      }();
      PhenomenaRequest request;
      request.planets = {parsed.bodies.front()};
      request.approachLimit = parsed.approachLimit;
      const double start = parsed.table.start.julianDay, end = parsed.table.end.julianDay;
      double last = start;
      orbitas::fuzz::ResultOrRuntimeError([&] {
        FindPhenomena(table, request, start, end, [&](const Phenomenon& p) {
          orbitas::fuzz::Require(p.time >= last && p.time < end, "a phenomenon out of order or range");
          last = p.time;
        });
      });
    }
    if (parsed.command == Command::Instant && !parsed.picture.path.empty()) {
      static const orbitas::ElementsTable elements = [] {
        orbitas::ElementsTable e{};
        orbitas::FillElements(e);
        return e;
      }();
      const InstantOutcome outcome = ComputeInstant(parsed.date, parsed.julianDay, parsed.bodies, ".");
      const std::string svg = pictures::DrawOrbits(elements, outcome.julianDay, OrbitPictureOf(outcome, parsed.bodies), ".",
                                         parsed.picture.width, parsed.picture.height);
      orbitas::fuzz::Require(svg.size() > 6 && svg.compare(svg.size() - 7, 7, "</svg>\n") == 0,
                             "an unfinished picture");
    }
  } catch (const UsageError&) {
  } catch (const RequestRefused&) {
  }
  return 0;
}

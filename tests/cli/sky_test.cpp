// The sky from a place in process: risings and settings where the altitude
// says, culminations at the highest, the polar night, time zones, and the
// place and zone read or refused.
#include <gtest/gtest.h>

#include "arguments.h"
#include "civil_days.h"
#include "instant.h"
#include "rise_set.h"
#include "time_zone.h"

namespace orbitas::cli {
namespace {

const Place Madrid = ParsePlace("40.4168,-3.7038");

ElementsTable Elements() {
  ElementsTable e{};
  FillElements(e);
  return e;
}

TEST(RiseSet, RisingAndSettingAtTheHorizonAltitudeAndCulminationAtTheTop) {
  const ElementsTable elements = Elements();
  const double start = 2461381.5;  // 2026-12-07T00:00 UT
  for (const Int16 body : {1, 2, 4, 5, 6, 7, 8, 9}) {
    const PlanetDay day = ComputePlanetDay(elements, body, Madrid, start, start + 1);
    ASSERT_TRUE(day.rise && day.set && day.transit) << body << ": " << day.reason;
    for (const double at : {*day.rise, *day.set}) {
      EXPECT_NEAR(PlanetHorizon(elements, body, Madrid, at).altitude, HorizonAltitude, 1e-4) << body;
    }
    const double top = PlanetHorizon(elements, body, Madrid, *day.transit).altitude;
    EXPECT_DOUBLE_EQ(top, day.transitAltitude);
    for (const double minutes : {-10.0, -1.0, 1.0, 10.0}) {
      EXPECT_GT(top, PlanetHorizon(elements, body, Madrid, *day.transit + minutes / 1440).altitude) << body;
    }
    EXPECT_EQ(day.riseError.has_value(), body != 9) << "Pluto has no reference";
  }
}

TEST(RiseSet, ThePolarNightHasPlanetsThatNeverRiseAndOthersThatNeverSet) {
  const ElementsTable elements = Elements();
  const Place svalbard = ParsePlace("78,15");
  const double start = 2461381.5;
  const PlanetDay pluto = ComputePlanetDay(elements, 9, svalbard, start, start + 1);
  const PlanetDay jupiter = ComputePlanetDay(elements, 5, svalbard, start, start + 1);
  EXPECT_EQ(pluto.reason, "no sale");
  EXPECT_FALSE(pluto.rise || pluto.set);
  EXPECT_EQ(jupiter.reason, "no se pone");
  EXPECT_FALSE(jupiter.rise || jupiter.set);
  EXPECT_TRUE(jupiter.transit);
}

TEST(TimeZone, MadridInWinterSummerAndOnTheDaySummerTimeBegins) {
  const TimeZone madrid = TimeZone::Parse("Europe/Madrid");
  const auto utc = [](int y, int m, int d, int h, int mi) {
    CivilTime t;
    t.year = y, t.month = m, t.day = d, t.hour = h, t.minute = mi;
    return SecondsFromCivil(t);
  };
  const auto local = [](int y, int m, int d, int h, int mi) {
    CivilTime t;
    t.year = y, t.month = m, t.day = d, t.hour = h, t.minute = mi;
    return t;
  };
  EXPECT_EQ(madrid.LocalIso(utc(2026, 1, 15, 11, 0)), "2026-01-15T12:00:00+01:00");
  EXPECT_EQ(madrid.LocalIso(utc(2026, 7, 15, 10, 0)), "2026-07-15T12:00:00+02:00");
  EXPECT_EQ(madrid.UtcOf(local(2026, 1, 15, 12, 0)), utc(2026, 1, 15, 11, 0));
  EXPECT_EQ(madrid.UtcOf(local(2026, 7, 15, 12, 0)), utc(2026, 7, 15, 10, 0));
  // 2026-03-29: 02:00 becomes 03:00; the day has 23 hours.
  EXPECT_EQ(madrid.LocalIso(utc(2026, 3, 29, 1, 0)), "2026-03-29T03:00:00+02:00");
  EXPECT_EQ(madrid.UtcOf(local(2026, 3, 30, 0, 0)) - madrid.UtcOf(local(2026, 3, 29, 0, 0)), 23 * 3600.0);
  EXPECT_EQ(madrid.UtcOf(local(2026, 3, 29, 2, 30)), utc(2026, 3, 29, 1, 30));  // in the gap: the old offset
  EXPECT_EQ(TimeZone::Parse("-03:30").UtcOf(local(2026, 1, 1, 0, 0)), utc(2026, 1, 1, 3, 30));
  EXPECT_TRUE(TimeZone::Parse("UTC").IsUtc());
}

TEST(TimeZone, ATypedInstantInAZoneIsTheSameUniversalInstant) {
  const InstantOutcome utc = ComputeInstant(DateTexts{"2026", "7", "15", "10", "30", "0"}, "", {4}, ".");
  const InstantOutcome madrid = ComputeInstant(DateTexts{"2026", "7", "15", "12", "30", "0"}, "", {4}, ".",
                                               std::nullopt, TimeZone::Parse("Europe/Madrid"));
  EXPECT_NEAR(madrid.julianDay, utc.julianDay, 1e-9);
  EXPECT_EQ(madrid.diajuliano, utc.diajuliano);
  EXPECT_EQ(madrid.horadec, "12.5");  // the decimal hour is of the time typed
}

TEST(PlaceAndZone, BadValuesAreUsageErrorsThatNameThem) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const std::vector<Case> cases = {
      {{"--jd", "0", "--lugar", "91,0"}, "latitud fuera de ±90°: 91"},
      {{"--jd", "0", "--lugar", "0,-180.5"}, "longitud fuera de ±180°: -180.5"},
      {{"--jd", "0", "--lugar", "40,4168,-3,7038"}, "lugar no válido"},
      {{"--jd", "0", "--lugar", "norte,3"}, "latitud no válida: «norte»"},
      {{"--jd", "0", "--zona", "Marte/Olimpo"}, "zona desconocida: Marte/Olimpo"},
      {{"--jd", "0", "--zona", "+15:00"}, "zona no válida: +15:00"},
      {{"--jd", "0", "--zona", "../../etc/passwd"}, "zona desconocida"},
      {{"--ortos", "2026-13-01", "--lugar", "40,-3"}, "fecha no válida para --ortos: 2026-13-01"},
      {{"--ortos", "2026-01-01"}, "--ortos necesita --lugar"},
  };
  for (const Case& c : cases) {
    try {
      ParseArguments(c.args);
      ADD_FAILURE() << c.message << ": accepted";
    } catch (const UsageError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(ParseArguments({"--ortos", "2026-01-01", "--lugar", "40,-3", "Marte"}).command, Command::RiseSet);
}

}  // namespace
}  // namespace orbitas::cli

// The values typed after the options: instants, steps, places and zones,
// read or refused with a message that names them.
#include "cli/typed_values.h"

#include "cli/arguments.h"
#include "session/nearest_names.h"
#include "session/request_refused.h"

#include <gtest/gtest.h>

namespace orbitas::cli {
namespace {

TEST(TableInstant, ReadsIsoDatesWithAstronomicalYearsAndJulianDays) {
  const auto a = ParseTableInstant("2026-01-01T06:30:15");
  ASSERT_TRUE(a && a->civil);
  EXPECT_EQ(a->civil->year, 2026);
  EXPECT_EQ(a->civil->hour, 6);
  EXPECT_EQ(a->civil->minute, 30);
  EXPECT_EQ(a->civil->second, 15);
  EXPECT_EQ(ParseTableInstant("-0500-03-01")->civil->year, -500);
  EXPECT_EQ(ParseTableInstant("+12000-01-01")->civil->year, 12000);
  EXPECT_EQ(ParseTableInstant("2026-01-01T06:30")->civil->second, 0);
  EXPECT_EQ(ParseTableInstant("2026-01-01T06:30:15.25")->civil->second, 15.25);
  EXPECT_EQ(ParseTableInstant("JD2451545.0")->julianDay, 2451545.0);
  EXPECT_FALSE(ParseTableInstant("JD2451545.0")->civil);
  for (const char* bad : {"2026-02-30", "2026-13-01", "2026-1-1", "26-01-01", "2026-01-01T24:00",
                          "2026-01-01T06", "2026-01-01T06:30:60", "JD", "JDabc", "JD1e999",
                          "2026-01-01x", "12000-01-01", ""}) {
    EXPECT_FALSE(ParseTableInstant(bad)) << bad;
  }
}

TEST(TableInstant, StepsArePositiveNumbersWithAUnit) {
  EXPECT_EQ(*ParseStepSeconds("10d"), 864000);
  EXPECT_EQ(*ParseStepSeconds("6h"), 21600);
  EXPECT_EQ(*ParseStepSeconds("0.5d"), 43200);
  EXPECT_EQ(*ParseStepSeconds("30m"), 1800);
  EXPECT_EQ(*ParseStepSeconds("15s"), 15);
  for (const char* bad : {"0d", "-1d", "5y", "d", "10", "1e999d", "1.5.2h", ""}) {
    EXPECT_FALSE(ParseStepSeconds(bad)) << bad;
  }
}

TEST(TableInstant, IsoTextAndJulianDays) {
  EXPECT_EQ(IsoText(*ParseTableInstant("-0500-03-01")->civil), "-0500-03-01T00:00:00");
  EXPECT_EQ(IsoText(*ParseTableInstant("+12000-01-01")->civil), "+12000-01-01T00:00:00");
  EXPECT_EQ(IsoText(*ParseTableInstant("2026-01-01T06:30:15.25")->civil), "2026-01-01T06:30:15.25");
  EXPECT_EQ(IsoText(CivilFromJulianDay(2451545.0)), "2000-01-01T12:00:00");
  EXPECT_EQ(IsoText(CivilFromJulianDay(2446822.5)), "1987-01-27T00:00:00");
  EXPECT_EQ(IsoText(CivilFromJulianDay(0.0)), "-4713-11-24T12:00:00");
}

TEST(Messages, ShowWhatWasTypedSafely) {
  const std::pair<std::string, std::string> cases[] = {
      {"Júpiter", "Júpiter"},                       // accents pass
      {"a\x1b[2Jb", "a\\x1B[2Jb"},                   // an escape sequence is shown, not obeyed
      {"\xff\xfe", "\\xFF\\xFE"},                    // bytes that are not UTF-8
      {"a\tb\n", "a\\x09b\\x0A"},                    // control characters
      {std::string(100, '9'), std::string(60, '9') + "…"},  // cut at 60 characters
      {std::string(70, 'n') + "ñ", std::string(60, 'n') + "…"},
  };
  for (const auto& [typed, shown] : cases) EXPECT_EQ(Shown(typed), shown) << typed;
}

TEST(PlaceAndZone, DegreesMinutesAndSecondsWithTheirHemispheres) {
  const struct {
    const char* text;
    double latitude, longitude;
  } cases[] = {{"40°25′N,3°42′W", 40 + 25 / 60.0, -3.7},    {"40 25 N, 3 42 O", 40 + 25 / 60.0, -3.7},
               {"40:25:30N 3:42:10W", 40.425, -(3 + 42 / 60.0 + 10 / 3600.0)},
               {"33°52'S,151°12'E", -(33 + 52 / 60.0), 151.2}, {"0°N,0°E", 0, 0}};
  for (const auto& c : cases) {
    const std::optional<Place> place = ParseSexagesimalPlace(c.text);
    ASSERT_TRUE(place) << c.text;
    EXPECT_NEAR(place->latitude, c.latitude, 1e-9) << c.text;
    EXPECT_NEAR(place->longitude, c.longitude, 1e-9) << c.text;
  }
  for (const char* text : {"40.4,-3.7", "40°75′N,3°W", "40 25, 3 42", "40°N", "Madrid", "40°25′N,3°42′Q"}) {
    EXPECT_FALSE(ParseSexagesimalPlace(text)) << text;
  }
  EXPECT_THROW(ParseSexagesimalPlace("95°N,3°W"), RequestRefused);
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
      {{"--jd", "0", "--lugar", "norte,3"}, "lugar no válido: «norte,3» (un nombre"},
      {{"--noche", "hoy", "--lugar", "Qwertyuiop"}, "lugar desconocido: Qwertyuiop"},
      {{"--noche", "ayer", "--lugar", "40,-3"}, "fecha no válida para --noche: ayer"},
      {{"--noche", "", "--lugar", "40,-3"}, "fecha vacía para --noche"},
      {{"--jd", "0", "--lugar", "inf,0"}, "latitud no válida: «inf»"},
      {{"--jd", "0", "--lugar", "1e308,0"}, "latitud fuera de ±90°"},
      {{"--jd", "0", "--lugar", "norte 40"}, "como 40°25′N,3°42′O"},
      {{"--noche", "-4713-01-01", "--lugar", "40,-3"}, "fuera del alcance de la referencia (años 1000 a 3000): -4713"},
      {{"--eclipse", "3001-01-02"}, "fuera del alcance de la referencia"},
      {{"--jd", "0", "--json", "--formato", "csv"}, "--json y --formato csv no se combinan"},
      {{"--noche", "--lugar", "40,-3", "--formato", "csv"}, "--noche se escribe como texto o json, no csv"},
      {{"--jd", "0", "--lugar", "40,-3", "--lugar", "41,-3"}, "--lugar aparece más de una vez"},
      {{"--noche", "--noche", "--lugar", "40,-3"}, "--noche aparece más de una vez"},
      {{"--noche", "2026\x1b[31m", "--lugar", "40,-3"}, "--noche: 2026\\x1B[31m (AAAA"},
      {{"--noche", "--lugar", "40,-3", "--instrumento", "lupa"}, "instrumento desconocido: lupa"},
      {{"--noche", "--lugar", "40,-3", "--instrumento", "binoculares"}, "binoculares (ojo, prismáticos o telescopio); ¿quería decir prismáticos?"},
      {{"--noche", "--lugar", "40,-3", "--instrumento", "telescpio"}, "¿quería decir telescopio?"},
      {{"--noche", "--lugar", "40,-3", "--cielo", "osucro"},
       "cielo desconocido: osucro (oscuro, rural, suburbano, urbano o ciudad); ¿quería decir oscuro?"},
      {{"--ortos", "--lugar", "40,-3", "--cielo", "rural"}, "--cielo no se usa con --ortos"},
      {{"--jd", "0", "--zona", "Marte/Olimpo"}, "zona desconocida: Marte/Olimpo"},
      {{"--jd", "0", "--zona", "+15:00"}, "zona no válida: +15:00"},
      {{"--jd", "0", "--zona", "../../etc/passwd"}, "zona desconocida"},
      {{"--ortos", "2026-13-01", "--lugar", "40,-3"}, "fecha no válida para --ortos: 2026-13-01"},
      {{"--ortos", "2026-01-01"}, "--ortos necesita --lugar"},
      {{"--guardar-lugar", "Madrid", "--lugar", "Lima"}, "--guardar-lugar solo se combina con --zona"},
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
  // Without a date, a planet after --noche stays a planet.
  EXPECT_EQ(ParseArguments({"--noche", "Marte", "--lugar", "40,-3"}).bodies, std::vector<Int16>{4});
}

}  // namespace
}  // namespace orbitas::cli

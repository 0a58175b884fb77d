// Every refusal honest: an option the command does not take, a span end
// past the reference's years, a zone offset beyond ±14:00, a local time the
// clock skips or repeats, and an overflow's message. Each of these was
// accepted in silence, or said too little, before.
#include <gtest/gtest.h>

#include "tests/support/process.h"

namespace orbitas {
namespace {

using testing::RunCommand;

std::string Cli(const std::string& args) { return testing::CliCommand(ORBITAS_CLI, args, "LC_ALL=C", 30); }

struct Refused {
  const char* args;
  const char* message;  // part of what stderr says
};

void ExpectRefused(const Refused& c) {
  const auto r = RunCommand(Cli(c.args));
  EXPECT_EQ(r.status, 2) << c.args << "\n" << r.err;
  EXPECT_TRUE(r.out.empty()) << c.args << "\n" << r.out;
  EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
}

TEST(CliRefusals, AnOptionTheCommandDoesNotTakeIsRefusedNamingTheCommand) {
  const Refused cases[] = {
      {"--carta Marte 2027-01-01 --año 2027 --dibujo /tmp/x.svg", "--año no se usa con --carta, que admite --lugar"},
      {"--carta Marte 2027-01-01 --json --dibujo /tmp/x.svg", "--json no se usa con --carta"},
      {"--carta Marte 2027-01-01 --eclipses --dibujo /tmp/x.svg", "--eclipses no se usa con --carta"},
      {"--carta Marte 2027-01-01 --almanaque --dibujo /tmp/x.pdf", "--almanaque no se usa con --carta"},
      {"--año 2027 --lugar 40,-3 --json --dibujo /tmp/x.svg", "o su dibujo (--dibujo, --almanaque) o sus números"},
      {"--año 2027 --lugar 40,-3 --formato texto", "sus números con --formato csv o json"},
      {"--año 2027 --lugar 40,-3", "o --formato csv|json para sus números"},
      {"--guardar-lugar 0,0 --json", "--json no se usa con --guardar-lugar, que admite --zona"},
      {"--jd 2451545 --zona UTC", "--zona no cambia nada con --jd"},
      {"--explicar 2000 1 1 12 0 0 Marte --json", "--json no se usa con --explicar"},
      {"--explicar 2000 1 1 12 0 0 Marte --zona Europe/Madrid", "--zona no se usa con --explicar"},
      {"--noche --desde 2027-01-01 --hasta 2027-01-03 --lugar 40,-3 --dibujo /tmp/x.svg",
       "--dibujo no se usa con --noche --desde --hasta"},
      {"--ortos 2027-01-01 --lugar 40,-3 --tamaño 800x600", "--tamaño solo se usa con --dibujo"},
  };
  for (const Refused& c : cases) ExpectRefused(c);
  // Where --zona does change the answer, it stays: the six values are read
  // in it, and the sky's picture shows its local time.
  EXPECT_EQ(RunCommand(Cli("2000 1 1 12 0 0 Marte --zona Europe/Madrid")).status, 0);
  EXPECT_EQ(RunCommand(Cli("--jd 2451545 --lugar 40,-3 --zona Europe/Madrid --dibujo /tmp/orbitas-refusals.svg")).status, 0);
}

TEST(CliRefusals, EveryEndOfEverySpanIsWithinTheYears1000To3000) {
  const Refused cases[] = {
      {"--eclipses --desde 2999-12-31 --hasta 3009-12-31", "años 1000 a 3000"},
      {"--eclipses --desde 3000-06-01 --hasta 3001-01-01T12:00", "años 1000 a 3000"},
      {"--eclipses --desde 0999-12-31T23:00", "años 1000 a 3000"},
  };
  for (const Refused& c : cases) ExpectRefused(c);
  // Without --hasta, the ten years stop at the end of 3000, and it says so.
  const auto r = RunCommand(Cli("--eclipses --desde 2999-12-31 --formato csv"));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("hasta el final del año 3000"), std::string::npos) << r.err;
  EXPECT_EQ(r.out.find("\n3001-"), std::string::npos) << r.out;
}

TEST(CliRefusals, AZoneOffsetIsTakenExactlyWithinWhatItsMessageSays) {
  const Refused cases[] = {
      {"--zona +14:59 2000 1 1 12 0 0", "de -14:00 a +14:00"},
      {"--zona +14:01 2000 1 1 12 0 0", "de -14:00 a +14:00"},
      {"--zona -14:30 2000 1 1 12 0 0", "de -14:00 a +14:00"},
      {"--zona +05:60 2000 1 1 12 0 0", "de -14:00 a +14:00"},
  };
  for (const Refused& c : cases) ExpectRefused(c);
  for (const char* zone : {"+14:00", "-14:00", "+05:45", "-09:30"}) {
    EXPECT_EQ(RunCommand(Cli(std::string("--zona ") + zone + " 2000 1 1 12 0 0")).status, 0) << zone;
  }
}

TEST(CliRefusals, ALocalTimeTheClockSkipsOrRepeatsIsRefusedNamingTheChange) {
  const Refused cases[] = {
      {"--desde 2027-03-28T02:30 --hasta 2027-03-29 --paso 1d --zona Europe/Madrid",
       "2027-03-28T02:30 no existe en Europe/Madrid: el 2027-03-28 el reloj pasa de las 02:00 a las 03:00 "
       "(de +01:00 a +02:00)"},
      {"--desde 2027-10-31T02:30 --hasta 2027-11-01 --paso 1d --zona Europe/Madrid",
       "2027-10-31T02:30 ocurre dos veces en Europe/Madrid (+02:00 y +01:00"},
      {"2027 3 28 2 30 0 Marte --zona Europe/Madrid", "2027 3 28 2 30 0 no existe en Europe/Madrid"},
      {"2027 10 31 2 59 59 Marte --zona Europe/Madrid", "elija con --zona +02:00 o --zona +01:00"},
      {"--carta Marte 2027-03-28T02:00 --lugar Madrid --dibujo /tmp/x.svg", "no existe en Europe/Madrid"},
      {"--eclipse 2026-09-06T00:30 --zona America/Santiago", "no existe en America/Santiago"},
  };
  for (const Refused& c : cases) ExpectRefused(c);
  // The same wall time with its offset is one instant, half an hour apart
  // from the other one.
  const auto r = RunCommand(Cli("--desde 2027-10-31T02:30+02:00 --hasta 2027-10-31T02:30+01:00 --paso 30m Marte "
                                "--zona Europe/Madrid --formato csv"));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("2027-10-31T02:30:00+02:00"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("2027-10-31T02:30:00+01:00"), std::string::npos) << r.out;
  // A time that happens once on the day of the change is no concern.
  EXPECT_EQ(RunCommand(Cli("2027 3 28 3 0 0 Marte --zona Europe/Madrid")).status, 0);
}

TEST(CliRefusals, AnOverflowNamesTheValueAndTheMethodsReach) {
  const struct {
    const char* args;
    const char* value;
  } cases[] = {
      {"--jd 1e308 Marte", "el día juliano 1e308 queda fuera del alcance del método"},
      {"99999999 1 1 0 0 0 Marte", "el instante 99999999 1 1 0 0 0 queda fuera"},
      {"--jd 5334694 Mercurio", "del día juliano −430546 al 5334693"},
  };
  for (const auto& c : cases) {
    const auto r = RunCommand(Cli(c.args));
    EXPECT_EQ(r.status, 1) << c.args;
    EXPECT_NE(r.err.find("Desbordamiento: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(c.value), std::string::npos) << c.args << "\n" << r.err;
  }
  // A huge value is cut, not echoed whole.
  const auto huge = RunCommand(Cli(std::string(2000, '9') + " 1 1 0 0 0 Marte"));
  EXPECT_LT(huge.err.size(), 400u) << huge.err.size();
  EXPECT_NE(huge.err.find("…"), std::string::npos);
}

}  // namespace
}  // namespace orbitas

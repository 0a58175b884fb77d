// orbitas-cli run as a process: its texts, its JSON, its errors and usage.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/process.h"
#include "runtime/number_text.h"

namespace orbitas {
namespace {

using testing::RunCommand;

std::string Cli(const std::string& args, const std::string& env = "LC_ALL=C") {
  return testing::CliCommand(ORBITAS_CLI, args, env, 20);
}

bool SpanishLocaleInstalled() {
  return RunCommand("locale -a | grep -qix es_es.utf8").status == 0;
}

TEST(CliText, MarsAtJ2000ShowsTheWindowsTexts) {
  const auto r = RunCommand(Cli("2000 1 1 12 0 0 Marte"));
  EXPECT_EQ(r.status, 0) << r.err;
  for (const char* line : {"Hora decimal: 12.0\n", "Día juliano:  2451545\n",
                           "Coordenadas heliocéntricas de la Tierra\n",
                           "  Z     -5.25647741769397E-06\n",
                           "Coordenadas heliocéntricas de Marte\n",
                           "Coordenadas ecuatoriales de Marte\n",
                           "        22 h 3 m 41.752 s\n", "        - -13° 1′ 24.911″\n"}) {
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
  }
  EXPECT_TRUE(r.err.empty());
}

TEST(CliText, PlanetNamesInAnyCaseWithOrWithoutAccents) {
  const std::string reference = RunCommand(Cli("--jd 2451545 5")).out;
  ASSERT_NE(reference.find("Coordenadas ecuatoriales de Júpiter"), std::string::npos);
  for (const char* name : {"Júpiter", "jupiter", "JUPITER", "JÚPITER"}) {
    EXPECT_EQ(RunCommand(Cli(std::string("--jd 2451545 ") + name)).out, reference) << name;
  }
}

TEST(CliText, AllEightPlanetsWhenNoneIsNamed) {
  const auto r = RunCommand(Cli("--jd 0"));
  EXPECT_EQ(r.status, 0);
  for (const char* name : {"Mercurio", "Venus", "Marte", "Júpiter", "Saturno", "Urano", "Neptuno", "Plutón"}) {
    EXPECT_NE(r.out.find(std::string("Coordenadas ecuatoriales de ") + name), std::string::npos) << name;
  }
  EXPECT_EQ(r.out.find("Hora decimal"), std::string::npos);
}

TEST(CliJson, CarriesLabelsAndRoundTripValues) {
  const auto r = RunCommand(Cli("2000 1 1 12 0 0 4 --json"));
  EXPECT_EQ(r.status, 0) << r.err;
  for (const char* part : {"\"horadec\": \"12.0\"", "\"diajuliano\": \"2451545\"",
                           "\"JulianDay\": 2451545,", "\"body\": 4", "\"name\": \"Marte\"",
                           "\"arh\": \"22\"", "\"ars\": \"41.752\"", "\"signo\": \"-\"",
                           "\"zhelt\": \"-5.25647741769397E-06\"",
                           "\"planetahel\": \"Coordenadas heliocéntricas de Marte\""}) {
    EXPECT_NE(r.out.find(part), std::string::npos) << part << "\n" << r.out;
  }
  // The number behind zhelt reads back to a double whose CStr is the label.
  const std::size_t at = r.out.find("\"EarthZ\": ");
  ASSERT_NE(at, std::string::npos);
  const double z = std::strtod(r.out.c_str() + at + 10, nullptr);
  EXPECT_EQ(CStr(z), "-5.25647741769397E-06");
  const auto jd = RunCommand(Cli("--jd 2451545 Marte --json"));
  EXPECT_NE(jd.out.find("\"horadec\": null"), std::string::npos);
}

TEST(CliLocale, SpanishLocaleWritesDecimalCommas) {
  if (!SpanishLocaleInstalled()) GTEST_SKIP() << "es_ES.UTF-8 is not installed";
  const auto r = RunCommand(Cli("1987 1 27 0 0 0 Marte", "LC_ALL= LANG=es_ES.UTF-8"));
  EXPECT_NE(r.out.find("Hora decimal: 0,0\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Día juliano:  2446822,5\n"), std::string::npos) << r.out;
  const auto json = RunCommand(Cli("2000 1 1 12 0 0 Marte --json", "LC_ALL=es_ES.UTF-8"));
  EXPECT_NE(json.out.find("\"ars\": \"41,752\""), std::string::npos);
  EXPECT_NE(json.out.find("\"JulianDay\": 2451545,"), std::string::npos);  // JSON keeps its point
}

TEST(CliErrors, CalendarOverflowAfterTheDecimalHour) {
  const auto r = RunCommand(Cli("32768 3 1 0 0 0 Marte"));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "Hora decimal: 0.0\n");
  EXPECT_NE(r.err.find("Desbordamiento"), std::string::npos);
}

TEST(CliErrors, MercuryPastItsLimitPrintsTheEarthFirst) {
  const auto r = RunCommand(Cli("--jd 6000000 Mercurio"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("Coordenadas heliocéntricas de la Tierra"), std::string::npos);
  EXPECT_EQ(r.out.find("Mercurio"), std::string::npos);
  EXPECT_NE(r.err.find("Desbordamiento"), std::string::npos);
  const auto json = RunCommand(Cli("--jd 6000000 Mercurio --json"));
  EXPECT_EQ(json.status, 1);
  EXPECT_NE(json.out.find("\"error\": {\"kind\": \"overflow\", \"message\": \"Desbordamiento\"}"),
            std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"EarthX\""), std::string::npos);
  EXPECT_EQ(json.out.find("\"PlanetX\""), std::string::npos);
}

TEST(CliErrors, NumberTooLargeForADouble) {
  const auto r = RunCommand(Cli("1e999 1 1 0 0 0 Marte"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Desbordamiento"), std::string::npos);
}

TEST(CliUsage, BadArgumentsExitWithStatusTwo) {
  const char* cases[] = {"", "2000 1 1", "2000 1 1 12 0 0 3", "2000 1 1 12 0 0 Tierra",
                         "2000 1 1 12 0 0 Luna", "--jd", "--jd 1 --jd 2", "--bogus 1 2 3 4 5 6"};
  for (const char* args : cases) {
    const auto r = RunCommand(Cli(args));
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.err.find("Uso:"), std::string::npos) << args;
    EXPECT_TRUE(r.out.empty()) << args;
  }
  EXPECT_NE(RunCommand(Cli("2000 1 1 12 0 0 Tierra")).err.find("la Tierra no es un planeta"),
            std::string::npos);
}

TEST(CliUsage, HelpAndVersion) {
  const auto help = RunCommand(Cli("--help"));
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("orbitas-cli --jd"), std::string::npos);
  const auto version = RunCommand(Cli("--version"));
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("orbitas-cli ", 0), 0u);
}

TEST(CliUsage, NegativeYearsReadLikeTheWindowButAnEmptyValueIsRefused) {
  const auto r = RunCommand(Cli("-4712 1 1 12 0 0 Marte"));
  EXPECT_EQ(r.status, 0) << r.err;
  // The window reads an empty field as 0; on a command line an empty value
  // is an unset variable, so it is refused, naming the field.
  const struct {
    const char* args;
    const char* message;
  } cases[] = {
      {"'' 1 1 12 0 0 Marte", "el año está vacío"},         {"2000 ' ' 1 12 0 0", "el mes está vacío"},
      {"2000 1 1 12 0 ''", "el segundo está vacío"},         {"--jd ''", "el día juliano de --jd está vacío"},
      {"--jd ' '", "el día juliano de --jd está vacío"},     {"--noche --lugar ''", "el valor de --lugar está vacío"},
      {"--jd 0 --dibujo ''", "el valor de --dibujo está vacío"}, {"--jd 0 ''", "el nombre de un planeta está vacío"},
      {"--desde '' --hasta 2000-01-02 --paso 1d", "el valor de --desde está vacío"},
  };
  for (const auto& c : cases) {
    const auto refused = RunCommand(Cli(c.args));
    EXPECT_EQ(refused.status, 2) << c.args;
    EXPECT_TRUE(refused.out.empty()) << c.args;
    EXPECT_NE(refused.err.find(c.message), std::string::npos) << c.args << "\n" << refused.err;
  }
}

TEST(CliUsage, EachOlderSpellingGivesTheSameBytesAsTheSpanishName) {
  const std::pair<const char*, const char*> pairs[] = {
      {"--desde 2026-01-01 --hasta 2026-03-01 --paso 10d Marte --formato csv",
       "--from 2026-01-01 --to 2026-03-01 --step 10d Marte --format csv"},
      {"--desde JD2451545 --hasta JD2451546 --paso 12h Venus --formato texto",
       "--from JD2451545 --to JD2451546 --step 12h Venus --format text"},
      {"--explicar --jd 2451545 Júpiter", "--explain --jd 2451545 Júpiter"},
      {"--jd 0 --dibujo /dev/null/x.svg --tamaño 10x10", "--jd 0 --dibujo /dev/null/x.svg --tamano 10x10"},
  };
  for (const auto& [spanish, older] : pairs) {
    const auto a = RunCommand(Cli(spanish)), b = RunCommand(Cli(older));
    EXPECT_EQ(a.status, b.status) << spanish;
    EXPECT_EQ(a.out, b.out) << spanish;
    EXPECT_EQ(a.err, b.err) << spanish;
    EXPECT_FALSE(a.out.empty() && a.err.empty()) << spanish;
  }
}

}  // namespace
}  // namespace orbitas

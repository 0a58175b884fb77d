// orbitas-cli's parts in process: the argument parser, the table plan, the
// instant's output and a JSON table written through Output.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "report/instant_output.h"
#include "report/night_output.h"
#include "report/text_layout.h"
#include "cli/option_table.h"
#include "session/request_refused.h"
#include "cli/table.h"
#include "cli/typed_values.h"

namespace orbitas::cli {
namespace {

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(NightText, MeteorRatesInSpanishWords) {
  const std::pair<double, const char*> cases[] = {{0, "menos de un meteoro por hora"},
                                                  {0.49, "menos de un meteoro por hora"},
                                                  {0.5, "un meteoro por hora"},
                                                  {1.49, "un meteoro por hora"},
                                                  {1.5, "unos 2 meteoros por hora"},
                                                  {149.2, "unos 149 meteoros por hora"}};
  for (const auto& [rate, text] : cases) EXPECT_EQ(report::MeteorRateText(rate), text) << rate;
}

TEST(NightText, AzimuthsRunFromZeroTo359Point9) {
  const std::pair<double, const char*> cases[] = {
      {0, "0.0"}, {359.94, "359.9"}, {359.95, "0.0"}, {359.99, "0.0"}, {180.04, "180.0"}, {-0.01, "0.0"}};
  for (const auto& [azimuth, text] : cases) EXPECT_EQ(report::AzimuthText(azimuth, "."), text) << azimuth;
  EXPECT_EQ(report::DateAtTime("2026-12-08 18:20"), "2026-12-08 a las 18:20");
}


TEST(Arguments, EachFormAndItsMistakes) {
  struct Case {
    std::vector<std::string> args;
    Command command;
    const char* error;  // a part of the usage error, or null
  };
  const std::vector<Case> cases = {
      {{"2000", "1", "1", "12", "0", "0"}, Command::Instant, nullptr},
      {{"--jd", "2451545", "Marte", "--json"}, Command::Instant, nullptr},
      {{"--from", "2026-01-01", "--to", "2026-01-02", "--step", "6h", "--json"}, Command::Table, nullptr},
      {{"--explain", "--jd", "1", "Venus"}, Command::Explain, nullptr},
      {{"--version", "--bogus"}, Command::Version, nullptr},
      {{"--explain", "--jd", "1", "Marte", "Venus"}, Command::Explain, "exactamente un planeta"},
      {{"--format", "csv", "2000", "1", "1", "12", "0", "0"}, Command::Instant, "--formato no se usa con un instante: sí con las tablas"},
      {{"--from", "2026-02-30", "--to", "2026-03-01", "--step", "1d"}, Command::Table, "fecha no válida"},
      {{"--from", "2026-01-01", "--to", "2026-03-01"}, Command::Table, "necesita --desde, --hasta y --paso"},
      {{"--from", "2026-01-01", "--to", "2026-03-01", "--step", "1d", "--jd", "1"}, Command::Table,
       "no se combina"},
      {{"--from", "2026-01-01", "--to", "2026-03-01", "--step", "-1d"}, Command::Table, "paso no válido"},
      {{"--format", "xml"}, Command::Table, "formato desconocido"},
      {{"2000", "1", "1", "12", "0", "0", "Plutón", "Luna"}, Command::Instant, "planeta desconocido: Luna"},
  };
  for (const Case& c : cases) {
    std::string joined;
    for (const auto& a : c.args) joined += a + " ";
    try {
      const Arguments parsed = ParseArguments(c.args);
      EXPECT_EQ(c.error, nullptr) << joined << ": accepted";
      EXPECT_EQ(parsed.command, c.command) << joined;
    } catch (const UsageError& e) {
      ASSERT_NE(c.error, nullptr) << joined << ": " << e.what();
      EXPECT_NE(std::string(e.what()).find(c.error), std::string::npos) << joined << ": " << e.what();
    }
  }
  // --json turns a table into JSON Lines; no planet named means all eight.
  const Arguments table = ParseArguments({"--from", "JD1", "--to", "JD2", "--step", "1d", "--json"});
  EXPECT_EQ(table.tableFormat, TableFormat::Json);
  EXPECT_EQ(table.table.bodies, (std::vector<Int16>{1, 2, 4, 5, 6, 7, 8, 9}));
}

TEST(Arguments, SpansLeftOutMeanTheUsualOnes) {
  const auto year = [](const TableInstant& t) { return t.civil ? t.civil->year : -1; };
  // --fenomenos: the rest of this year; --eclipses: ten years from today.
  const Arguments phenomena = ParseArguments({"--fenomenos"});
  ASSERT_TRUE(phenomena.table.start.civil && phenomena.table.end.civil);
  EXPECT_EQ(year(phenomena.table.end), year(phenomena.table.start) + 1);
  EXPECT_EQ(phenomena.table.end.civil->month * 100 + phenomena.table.end.civil->day, 101);
  const Arguments eclipses = ParseArguments({"--eclipses"});
  EXPECT_EQ(eclipses.command, Command::Eclipses);
  EXPECT_EQ(year(eclipses.table.end), year(eclipses.table.start) + 10);
  EXPECT_EQ(ParseArguments({"--eclipse", "hoy"}).command, Command::Eclipse);
  EXPECT_THROW(ParseArguments({"--fenomenos", "--desde", "2027-01-01"}), UsageError);
  // The Moon is named like a planet: alone, no planet's events.
  const Arguments moon = ParseArguments({"--fenomenos", "Luna"});
  EXPECT_TRUE(moon.moonPhenomena);
  EXPECT_TRUE(moon.bodies.empty());
  EXPECT_EQ(ParseArguments({"--fenomenos", "luna", "Marte"}).bodies, (std::vector<Int16>{4}));
}

TEST(OptionTable, SpanishNamesOlderSpellingsAndPlainLettersNameTheSameOption) {
  struct Case {
    const char* arg;
    const char* name;  // the option found, or null
  };
  for (const Case& c : {Case{"--desde", "--desde"}, Case{"--from", "--desde"}, Case{"--tamano", "--tamaño"},
                        Case{"--TAMAÑO", "--tamaño"}, Case{"--formato", "--formato"}, Case{"--format", "--formato"},
                        Case{"-h", "--help"}, Case{"--fro", nullptr}, Case{"--explicar", "--explicar"}}) {
    const OptionSpec* option = FindOption(c.arg);
    EXPECT_EQ(std::string(option ? option->name : "(none)"), std::string(c.name ? c.name : "(none)")) << c.arg;
  }
  // Unknown texts are answered with the nearest known names, and only
  // with near ones.
  EXPECT_EQ(Suggestion("--dsde", OptionNames()), "; ¿quería decir --desde?");
  EXPECT_EQ(Suggestion("Europa/Madrid", {"Europe/Madrid", "Europe/Malta", "America/Lima"}),
            "; ¿quería decir Europe/Madrid?");
  EXPECT_EQ(Suggestion("csb", {"texto", "csv", "json"}), "; ¿quería decir csv?");
  EXPECT_EQ(Suggestion("--zzzzzz", OptionNames()), "");
  EXPECT_EQ(Suggestion("--pas", {"--paso", "--pase", "--hasta"}), "; ¿quería decir --paso o --pase?");
}

TEST(TablePlan, RowsFromStartToAnEndThatFallsOnARow) {
  struct Case {
    const char *from, *to;
    double step;
    std::int64_t instants;  // 0: refused
  };
  const Case cases[] = {
      {"2026-01-01", "2026-12-31", 10 * 86400.0, 37},   // the end is not on a row
      {"2026-01-01", "2026-01-11", 10 * 86400.0, 2},    // the end is
      {"2026-01-01", "2026-01-01", 60.0, 1},
      {"JD2451545", "JD2451546", 3600.0, 25},
      {"2000-01-01T12:00", "JD2451546.5", 86400.0, 2},  // mixed bounds
      {"2026-01-02", "2026-01-01", 60.0, 0},            // end before start
      {"0001-01-01", "9999-12-31", 1.0, 0},             // more than ten million rows
  };
  for (const Case& c : cases) {
    TableRequest request;
    request.start = *ParseTableInstant(c.from);
    request.end = *ParseTableInstant(c.to);
    request.stepSeconds = c.step;
    request.bodies = {4};
    if (c.instants == 0) {
      EXPECT_THROW(TablePlan{request}, RequestRefused) << c.from << " " << c.to;
      continue;
    }
    const TablePlan plan(request);
    EXPECT_EQ(plan.instants(), c.instants) << c.from << " " << c.to;
  }
  TableRequest request;
  request.start = *ParseTableInstant("2026-01-31T18:00");
  request.end = *ParseTableInstant("2026-03-01");
  request.stepSeconds = 12 * 3600.0;
  request.bodies = {4};
  const TablePlan plan(request);
  EXPECT_EQ(IsoText(plan.CivilAt(3)), "2026-02-02T06:00:00");  // across the end of January
}

TEST(InstantOutput, TheEarthOnceHoweverManyPlanetsAndEveryBlockThatCompleted) {
  const InstantOutcome three = ComputeInstant(std::nullopt, "2451545", {4, 5, 9}, ".");
  const std::string text = report::InstantAsText(three);
  EXPECT_EQ(Count(text, "Coordenadas heliocéntricas de la Tierra"), 1u);
  for (const char* name : {"Marte", "Júpiter", "Plutón"}) {
    EXPECT_EQ(Count(text, std::string("Coordenadas ecuatoriales de ") + name), 1u) << name;
  }
  EXPECT_EQ(Count(report::InstantAsJson(three), "\"body\": "), 3u);

  // Mercury fails after the Earth at this day: Mars stays, Jupiter is never
  // computed, and the Earth is still printed once.
  const InstantOutcome stopped = ComputeInstant(std::nullopt, "6000000", {4, 1, 5}, ".");
  ASSERT_TRUE(stopped.error);
  EXPECT_EQ(*stopped.error, ErrorKind::Overflow);
  const std::string partial = report::InstantAsText(stopped);
  EXPECT_EQ(Count(partial, "Coordenadas heliocéntricas de la Tierra"), 1u);
  EXPECT_EQ(Count(partial, "Coordenadas ecuatoriales de Marte"), 1u);
  EXPECT_EQ(Count(partial, "Mercurio"), 0u);
  EXPECT_EQ(Count(partial, "Júpiter"), 0u);
}

TEST(JsonTable, OneObjectPerInstantAndPlanetWithTheInstantFirst) {
  const Arguments args = ParseArguments({"--from", "2026-01-01", "--to", "2026-01-03", "--step", "1d",
                                         "Marte", "Venus", "--format", "json"});
  std::FILE* file = std::tmpfile();
  Output out(file, "un fichero temporal");
  EXPECT_FALSE(WriteTable(TablePlan(args.table), args.tableFormat, ".", out, false));
  std::rewind(file);
  std::vector<std::string> lines;
  char buffer[1 << 14];
  while (std::fgets(buffer, sizeof buffer, file)) lines.emplace_back(buffer);
  out.Close();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].rfind("{\"instant\": \"2026-01-01T00:00:00\", \"horadec\": \"0.0\"", 0), 0u) << lines[0];
  EXPECT_NE(lines[1].find("\"name\": \"Venus\""), std::string::npos);
  EXPECT_EQ(lines[5].rfind("{\"instant\": \"2026-01-03T00:00:00\"", 0), 0u);
  for (const std::string& line : lines) EXPECT_EQ(Count(line, "\"body\": "), 1u) << line;
}

}  // namespace
}  // namespace orbitas::cli

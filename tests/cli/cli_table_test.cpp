// orbitas-cli tables and explanations, run as a process.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "tests/support/digits.h"
#include "tests/support/process.h"

namespace orbitas {
namespace {

using testing::RunCommand;

std::string Cli(const std::string& args, const std::string& env = "LC_ALL=C") {
  return testing::CliCommand(ORBITAS_CLI, args, env, 60);
}

std::vector<std::string> Lines(const std::string& text, const std::string& end = "\n") {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(end, start)) != std::string::npos; start = at + end.size()) {
    lines.push_back(text.substr(start, at - start));
  }
  return lines;
}

std::vector<std::string> Fields(const std::string& csvLine) {
  std::vector<std::string> fields;
  std::stringstream in(csvLine);
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  return fields;
}

TEST(CliTable, CsvRowsAtStartPlusKSteps) {
  const auto r = RunCommand(Cli("--from 2026-01-01 --to 2026-01-02 --step 6h Marte --format csv"));
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out, "\r\n");
  ASSERT_EQ(lines.size(), 6u);  // header and five instants: the end falls on a row
  EXPECT_EQ(lines[0].substr(0, 35), "instant,julian_day,body,planet,eart");
  const char* instants[] = {"2026-01-01T00:00:00", "2026-01-01T06:00:00", "2026-01-01T12:00:00",
                            "2026-01-01T18:00:00", "2026-01-02T00:00:00"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Fields(lines[i + 1])[0], instants[i]);
  EXPECT_EQ(Fields(lines[1]).size(), 22u);
}

TEST(CliTable, FirstAndLastRowsMatchTheSingleInstant) {
  const auto table = RunCommand(Cli("--from 2026-01-01T06:30 --to 2026-03-02T06:30 --step 10d Venus Jupiter --format json"));
  ASSERT_EQ(table.status, 0) << table.err;
  const auto rows = Lines(table.out);
  ASSERT_EQ(rows.size(), 14u);  // seven instants, two planets each, in body order
  const auto first = RunCommand(Cli("2026 1 1 6 30 0 Venus --json")).out;
  EXPECT_EQ(rows.front(), "{\"instant\": \"2026-01-01T06:30:00\", " + first.substr(1, first.size() - 2));
  const auto last = RunCommand(Cli("2026 3 2 6 30 0 5 --json")).out;
  EXPECT_EQ(rows.back(), "{\"instant\": \"2026-03-02T06:30:00\", " + last.substr(1, last.size() - 2));
  EXPECT_NE(rows[0].find("\"body\": 2"), std::string::npos);
  EXPECT_NE(rows[1].find("\"body\": 5"), std::string::npos);
}

TEST(CliTable, CsvNumbersReadBackToTheSingleInstantsValues) {
  const auto csv = RunCommand(Cli("--from 2000-01-01T12:00 --to 2000-01-01T12:00 --step 1d 4 --format csv"));
  const auto row = Fields(Lines(csv.out, "\r\n")[1]);
  EXPECT_EQ(row[1], "2451545");
  EXPECT_DIGITS(std::stod(row[16]), "-13.0235863606");
  EXPECT_EQ(row[13], "22");
  EXPECT_EQ(row[15], "41.752");
  EXPECT_EQ(row[17], "-");
  EXPECT_EQ(row[20], "24.911");
  const auto json = RunCommand(Cli("2000 1 1 12 0 0 Marte --json")).out;
  EXPECT_NE(json.find("\"Declination\": " + row[16] + ","), std::string::npos) << row[16];
  EXPECT_NE(json.find("\"EarthZ\": " + row[6] + ","), std::string::npos) << row[6];
}

TEST(CliTable, NoDriftOverManySteps) {
  const auto r = RunCommand(Cli("--from 2026-01-01 --to 2026-01-11 --step 0.1d Marte --format csv"));
  const auto lines = Lines(r.out, "\r\n");
  ASSERT_EQ(lines.size(), 102u);
  EXPECT_EQ(Fields(lines.back())[0], "2026-01-11T00:00:00");
  const auto notOnARow = RunCommand(Cli("--from 2026-01-01 --to 2026-01-01T13:00 --step 6h 4 --format csv"));
  EXPECT_EQ(Lines(notOnARow.out, "\r\n").size(), 4u);
}

TEST(CliTable, JulianDayBoundsAndTextFormat) {
  const auto r = RunCommand(Cli("--from JD2451545.0 --to JD2451546.0 --step 12h Marte"));
  ASSERT_EQ(r.status, 0);
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].rfind("Fecha y hora", 0), 0u);
  EXPECT_EQ(lines[1].rfind("2000-01-01T12:00:00   2451545  ", 0), 0u) << lines[1];
  EXPECT_NE(lines[1].find("22 3 41.752"), std::string::npos);
  EXPECT_NE(lines[1].find("- -13 1 24.911"), std::string::npos);
  EXPECT_EQ(lines[3].rfind("2000-01-02T12:00:00   2451546  ", 0), 0u) << lines[3];
}

TEST(CliTable, SpanishLocaleInTextButNotInCsv) {
  if (RunCommand("locale -a | grep -qix es_es.utf8").status != 0) GTEST_SKIP() << "no es_ES.UTF-8";
  const auto text = RunCommand(Cli("--from 2000-01-01T12:00 --to 2000-01-01T12:00 --step 1d Marte", "LC_ALL=es_ES.UTF-8"));
  EXPECT_NE(text.out.find("22 3 41,752"), std::string::npos) << text.out;
  const auto csv = RunCommand(Cli("--from 2000-01-01T12:00 --to 2000-01-01T12:00 --step 1d Marte --format csv", "LC_ALL=es_ES.UTF-8"));
  EXPECT_NE(csv.out.find(",41.752,"), std::string::npos) << csv.out;
}

TEST(CliTable, AFailingRowEndsTheTableAfterTheRowsBeforeIt) {
  const auto r = RunCommand(Cli("--from 9000-01-01 --to 9999-01-01 --step 100d Mercurio --format csv"));
  EXPECT_EQ(r.status, 1);
  const auto lines = Lines(r.out, "\r\n");
  EXPECT_GT(lines.size(), 2u);
  EXPECT_NE(r.err.find("Desbordamiento"), std::string::npos);
  // The failing instant is the row after the last one written.
  const std::string last = Fields(lines.back())[0];
  EXPECT_NE(r.err.find("orbitas-cli: 9"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find(last), std::string::npos);
}

TEST(CliTable, BadArgumentsAreRefusedBeforeAnyOutput) {
  const char* cases[] = {
      "--from 2026-01-02 --to 2026-01-01 --step 1d",       // end before start
      "--from 2026-01-01 --to 2026-01-02 --step 0d",       // zero step
      "--from 2026-01-01 --to 2026-01-02 --step -1d",      // negative step
      "--from 2026-01-01 --to 2026-01-02 --step 5y",       // unknown unit
      "--from 2000-01-01 --to 2100-01-01 --step 1m",       // more than ten million rows
      "--from 2026-02-30 --to 2026-03-01 --step 1d",       // no such date
      "--from 2026-01-01 --to 2026-01-02 --step 1d --format xml",
      "--from 2026-01-01 --step 1d",
      "--from 2026-01-01 --to 2026-01-02 --step 1d Tierra",
      "--explain 2000 1 1 12 0 0",                         // no planet
      "--explain 2000 1 1 12 0 0 Marte Venus",
      "2000 1 1 12 0 0 --format csv"};
  for (const char* args : cases) {
    const auto r = RunCommand(Cli(args));
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(r.out.empty()) << args;
    EXPECT_NE(r.err.find("Uso:"), std::string::npos) << args;
  }
}

TEST(CliTable, ProgressGoesToATerminalNeverToTheTable) {
  if (RunCommand("command -v script").status != 0) GTEST_SKIP() << "no script(1) to give a terminal";
  const std::string dir = "/tmp/orbitas-progress-" + std::to_string(getpid());
  // script gives the command a terminal for stderr while stdout goes to a file.
  const auto r = RunCommand("mkdir -p " + dir + " && script -qec \"" + Cli("--from 2026-01-01 --to 2026-02-04T16:00 --step 1m --format csv") +
                            " > " + dir + "/table.csv\" " + dir + "/terminal");
  EXPECT_EQ(r.status, 0);
  const std::string terminal = testing::ReadWhole(dir + "/terminal");
  const std::string table = testing::ReadWhole(dir + "/table.csv");
  EXPECT_NE(terminal.find("filas, quedan"), std::string::npos);
  EXPECT_EQ(table.find("filas"), std::string::npos);
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 399369);
  RunCommand("rm -rf " + dir);
  // Without a terminal, nothing but the error (none here) reaches stderr.
  EXPECT_TRUE(RunCommand(Cli("--from 2026-01-01 --to 2026-02-04T16:00 --step 1m --format csv > /dev/null")).err.empty());
}

// The value on the explanation's line that starts with `name`.
double Explained(const std::string& out, const std::string& name, int occurrence = 1) {
  std::size_t at = 0;
  for (int i = 0; i < occurrence; ++i) {
    at = out.find("\n  " + name, at + 1);
    if (at == std::string::npos) return 0.0 / 0.0;
  }
  const std::size_t end = out.find('\n', at + 1);
  const std::string line = out.substr(at + 1, end - at - 1);
  return std::stod(line.substr(line.find_last_of(' ') + 1));
}

TEST(CliExplain, MarsWorkedExampleStepByStep) {
  const auto r = RunCommand(Cli("--explain 2000 1 1 12 0 0 Marte"));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string& out = r.out;
  EXPECT_EQ(Explained(out, "N, término del año"), -3500);
  EXPECT_EQ(Explained(out, "C, corrección de siglo"), -15);
  EXPECT_EQ(Explained(out, "N, con mes, día y siglo"), -3484);
  EXPECT_EQ(Explained(out, "Día juliano "), 2451545);
  EXPECT_EQ(Explained(out, "EpochOffset"), 575);
  EXPECT_EQ(Explained(out, "t, días desde la época"), -575);
  EXPECT_DIGITS(Explained(out, "M0 ="), "-6.318014748667");                 // the Earth
  EXPECT_DIGITS(Explained(out, "M, anomalía media"), "6.24835586569");
  EXPECT_DIGITS(Explained(out, "ν, anomalía verdadera"), "6.24717047157");
  EXPECT_DIGITS(Explained(out, "M0 =", 2), "-5.938344462567");              // Mars
  EXPECT_DIGITS(Explained(out, "M, anomalía media", 2), "0.344840844612");
  EXPECT_DIGITS(Explained(out, "r, radio vector", 2), "1.39153774812");
  EXPECT_DIGITS(Explained(out, "ΔY"), "-0.970498768322");
  EXPECT_DIGITS(Explained(out, "Y = cos"), "-0.876850309955");
  EXPECT_DIGITS(Explained(out, "α (grados)"), "330.923966362");
  EXPECT_DIGITS(Explained(out, "δ (grados)"), "-13.0235863606");
  EXPECT_NE(out.find("22 h 3 m 41.752 s"), std::string::npos);
  // Newton: each step starts where the last one ended, and the last residual
  // shown is below the tolerance.
  EXPECT_NE(out.find("Newton, paso 4"), std::string::npos);
  EXPECT_EQ(out.find("Newton, paso 5"), out.rfind("Newton, paso 5"));
}

TEST(CliExplain, StopsWithTheEarthWhenThePlanetFails) {
  const auto r = RunCommand(Cli("--explain --jd 6000000 Mercurio"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("Tierra (cuerpo 3)"), std::string::npos);
  EXPECT_EQ(r.out.find("Mercurio (cuerpo 1)"), std::string::npos);
  EXPECT_NE(r.err.find("Desbordamiento"), std::string::npos);
}

}  // namespace
}  // namespace orbitas

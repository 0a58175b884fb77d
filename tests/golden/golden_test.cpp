// Today's output frozen bit for bit: the date entry and every planet request
// for a few thousand instants over the whole range the calendar accepts,
// compared with the committed file positions.golden. Any change of a last
// bit, of a label text or of the place where an error stops fails here.
//
// The file is made by this same program, deliberately:
//   tools/make-golden.sh
// and a commit that remakes it says why the numbers moved.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "session/date_entry.h"
#include "runtime/number_text.h"
#include "session/planet_request.h"

namespace orbitas {
namespace {

// ---------------------------------------------------------------- records

// The shortest text that reads back to the same double: equal texts, equal
// bits.
std::string Bits(double x) {
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr);
}

// A record is the sequence of what one computation produced, in order,
// tab-separated; an error ends it with its kind, so that where it stopped
// is part of the record.
class Record {
 public:
  void Add(std::string_view key, const std::string& value) {
    text_ += '\t';
    text_ += key;
    text_ += '=';
    text_ += value;
  }
  void Number(std::string_view key, double x) { Add(key, Bits(x)); }
  void Error(const RuntimeError& e) { Add("error", std::string(ErrorKindName(e.kind()))); }
  const std::string& text() const { return text_; }

  // The texts the request wrote from label `first` to `last`, joined by
  // "|"; a label it did not reach ends the list.
  static std::string Texts(const LabelTexts& labels, ResultLabel first, ResultLabel last) {
    std::string joined;
    for (auto k = static_cast<std::size_t>(first); k <= static_cast<std::size_t>(last); ++k) {
      const auto label = static_cast<ResultLabel>(k);
      if (!labels.Written(label)) break;
      if (k != static_cast<std::size_t>(first)) joined += '|';
      joined += std::string(labels[label]);
    }
    return joined;
  }

 private:
  std::string text_;
};

// Numbers as their shortest round-trip texts, separated by blanks.
std::string Numbers(std::initializer_list<double> xs) {
  std::string text;
  for (const double x : xs) text += (text.empty() ? "" : " ") + Bits(x);
  return text;
}

struct Case {
  char kind = 'D';                 // D: six date texts; J: a Julian day as text
  std::vector<std::string> texts;  // year, month, day, hour, minute, second; or the day
  std::string separator = ".";
  int turn = 0;  // which two planets
};

// The date entry as Enter in the seconds field runs it, then every planet
// on its own, at the Julian day reached.
std::vector<std::string> Compute(const Case& c) {
  std::vector<std::string> lines;
  Record entry;
  double julianDay = 0.0;
  bool reached = true;
  try {
    if (c.kind == 'D') {
      // NaN marks a value the entry has not reached.
      ProgramState state;
      state.decimalHour = state.decimalDay = std::nan("");
      DateLabelTexts texts;
      const TypedDateFields fields({c.texts[0], c.texts[1], c.texts[2], c.texts[3], c.texts[4], c.texts[5]});
      try {
        PressDateKey(state, true, fields, c.separator, texts);
      } catch (const RuntimeError&) {
        if (!std::isnan(state.decimalHour)) entry.Number("hour", state.decimalHour);
        if (!std::isnan(state.decimalDay)) entry.Number("day", state.decimalDay);
        if (texts.horadec) entry.Add("horadec", *texts.horadec);
        throw;
      }
      entry.Number("hour", state.decimalHour);
      entry.Number("day", state.decimalDay);
      entry.Add("horadec", *texts.horadec);
      julianDay = state.julianDay;
      entry.Number("jd", julianDay);
      entry.Add("diajuliano", *texts.diajuliano);
    } else {
      julianDay = Val(c.texts[0]);
      entry.Number("jd", julianDay);
    }
  } catch (const RuntimeError& e) {
    entry.Error(e);
    reached = false;
  }
  lines.push_back("entry" + entry.text());
  if (!reached) return lines;

  // Two planets an instant, taking turns, so that every planet meets every
  // kind of instant; the Earth's values and labels once, from the first.
  static const Int16 Bodies[] = {1, 2, 4, 5, 6, 7, 8, 9};
  ElementsTable elements{};
  FillElements(elements);
  for (int k = 0; k < 2; ++k) {
    const Int16 body = Bodies[(c.turn * 2 + k) % 8];
    Record planet;
    LabelTexts labels;
    PlanetRequestValues values;
    std::optional<RuntimeError> error;
    try {
      RunPlanetRequest(elements, julianDay, body, c.separator, values, labels);
    } catch (const RuntimeError& e) {
      error = e;
    }
    if (labels.Written(ResultLabel::zhelt)) {
      if (k == 0) {
        Record earth;
        earth.Add("xyzr", Numbers({values.earth.x, values.earth.y, values.earth.z, values.earth.radius}));
        earth.Add("labels", Record::Texts(labels, ResultLabel::rhelt, ResultLabel::zhelt));
        lines.push_back("earth" + earth.text());
      }
      planet.Add("earth", "shown");
    }
    if (labels.Written(ResultLabel::zhelp)) {
      planet.Add("xyzr", Numbers({values.planet.x, values.planet.y, values.planet.z, values.planet.radius}));
    }
    if (labels.Written(ResultLabel::rv)) {
      const EquatorialCoordinates& eq = values.equatorial;
      planet.Add("ra,dec,dist", Numbers({eq.rightAscensionHours, eq.declination, eq.geoDistance}));
    }
    planet.Add("labels", Record::Texts(labels, ResultLabel::planetahel, ResultLabel::rv));
    if (error) planet.Error(*error);
    lines.push_back("body " + std::to_string(body) + planet.text());
  }
  return lines;
}

// ----------------------------------------------------------------- inputs

// splitmix64: the same numbers on every machine and library.
class Draws {
 public:
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // A whole number from lo to hi.
  long long Between(long long lo, long long hi) {
    return lo + static_cast<long long>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  bool Chance(int percent) { return Between(0, 99) < percent; }

 private:
  std::uint64_t state_ = 20261207;
};

std::string Whole(long long x) { return std::to_string(x); }

// A number with a fraction of up to `digits` decimals, as a user types it.
std::string WithFraction(Draws& n, long long lo, long long hi, int digits) {
  std::string text = Whole(n.Between(lo, hi)) + ".";
  for (int i = 0; i < digits; ++i) text += static_cast<char>('0' + n.Between(0, 9));
  return text;
}

std::vector<Case> MakeCases() {
  std::vector<Case> cases;
  Draws n;
  // Hand-picked: the worked examples, empty fields, text Val reads in part,
  // and the failures of the calendar and of the planets.
  const std::vector<std::vector<std::string>> picked = {
      {"2000", "1", "1", "12", "0", "0"},     {"2001", "3", "0", "0", "0", "0"},
      {"", "", "", "", "", ""},               {"1987", "1", "27", "0", "0", "0"},
      {"40000", "3", "1", "0", "0", "0"},     {"32767", "12", "31", "23", "59", "59"},
      {"-32767", "1", "1", "0", "0", "0"},    {"-32768", "1", "1", "0", "0", "0"},
      {"2000", "1", "40000", "0", "0", "0"},  {"2000", "1", "1", "1e999", "0", "0"},
      {"2000", "1", "1", "12", "1e308", "1e308"}, {" 2 0 0 0", "1x", "1.5.5", "12h", "-", "e5"},
      {"2000", "13", "1", "0", "90", "0"},    {"9900", "6", "1", "0", "0", "0"},
      {"2000", "1", "1", "12", "30", "15,5"}, {"1e4", "1E1", ".5", "-0", "+3", "59.9999999"}};
  for (const auto& texts : picked) cases.push_back({'D', texts, "."});
  for (const char* jd : {"0", "2451545", "6000000", "-6000000", "14420758", "-12000000",
                         "2451545,5", "abc", "1e999", "2446822.5"}) {
    cases.push_back({'J', {jd}, "."});
  }
  for (int i = 0; i < 3000; ++i) {
    Case c;
    // Most instants where every planet works; some over the whole range of
    // the calendar, where the planets and then the calendar fail.
    const long long year = n.Chance(80) ? n.Between(-4000, 9000) : n.Between(-32767, 32767);
    c.texts = {Whole(year), Whole(n.Between(1, 12)), Whole(n.Between(1, 31))};
    if (n.Chance(20)) {
      c.texts.insert(c.texts.end(), {n.Chance(50) ? "0" : "12", "0", "0"});  // midnight, noon
    } else {
      c.texts.push_back(Whole(n.Between(0, 23)));
      c.texts.push_back(Whole(n.Between(0, 59)));
      c.texts.push_back(n.Chance(50) ? WithFraction(n, 0, 59, static_cast<int>(n.Between(1, 6)))
                                     : Whole(n.Between(0, 59)));
    }
    c.separator = n.Chance(30) ? "," : ".";
    cases.push_back(c);
  }
  for (int i = 0; i < 300; ++i) {
    cases.push_back({'J', {WithFraction(n, -16000000, 16000000, static_cast<int>(n.Between(0, 5)))},
                     n.Chance(30) ? "," : "."});
  }
  for (std::size_t i = 0; i < cases.size(); ++i) cases[i].turn = static_cast<int>(i % 4);
  return cases;
}

// ------------------------------------------------------------- the file

std::string Heading(const Case& c) {
  std::string line(1, c.kind);
  for (const std::string& t : c.texts) line += "\t" + t;
  return line + "\tsep=" + c.separator;
}

std::string Render(const Case& c) {
  std::string block = Heading(c) + "\n";
  for (const std::string& line : Compute(c)) block += "  " + line + "\n";
  return block;
}

const char* const GoldenPath = ORBITAS_GOLDEN_FILE;

TEST(Golden, EveryInstantMatchesTheCommittedFileBitForBit) {
  const std::vector<Case> cases = MakeCases();
  if (std::getenv("ORBITAS_GOLDEN_WRITE")) {
    std::ofstream out(GoldenPath, std::ios::binary);
    out << "# Órbitas: date entry and planet requests, frozen. Made by tools/make-golden.sh.\n";
    for (const Case& c : cases) out << Render(c);
    ASSERT_TRUE(out.flush()) << "could not write " << GoldenPath;
    GTEST_SKIP() << "written: " << GoldenPath;
  }
  std::ifstream in(GoldenPath, std::ios::binary);
  ASSERT_TRUE(in) << "missing " << GoldenPath << " (tools/make-golden.sh makes it)";
  std::stringstream whole;
  whole << in.rdbuf();
  const std::string expected = whole.str();
  std::string actual = "# Órbitas: date entry and planet requests, frozen. Made by tools/make-golden.sh.\n";
  for (const Case& c : cases) actual += Render(c);
  if (actual == expected) return;
  // Show the first lines that differ, with the instant they belong to.
  std::istringstream a(actual), e(expected);
  std::string la, le, heading;
  int shown = 0, line = 0;
  while (shown < 5) {
    const bool moreActual = static_cast<bool>(std::getline(a, la));
    const bool moreExpected = static_cast<bool>(std::getline(e, le));
    if (!moreActual && !moreExpected) break;
    ++line;
    if (!la.empty() && la[0] != ' ') heading = la;
    if (la != le) {
      ADD_FAILURE() << "line " << line << " of " << GoldenPath << ", instant " << heading
                    << "\n  expected: " << le << "\n  actual:   " << la;
      ++shown;
    }
    la.clear();
    le.clear();
  }
  FAIL() << "the output differs from the golden file";
}

// The file covers what it claims: every planet complete many times, every
// error kind, stops after the Earth, and both separators.
TEST(Golden, TheFileCoversEveryPlanetAndEveryStop) {
  std::ifstream in(GoldenPath, std::ios::binary);
  ASSERT_TRUE(in);
  std::string line;
  int complete[10] = {}, overflow = 0, earthThenStop = 0, calendarStop = 0, commas = 0;
  while (std::getline(in, line)) {
    if (line.rfind("  body ", 0) == 0) {
      const int body = line[7] - '0';
      if (line.find("\tra,dec,dist=") != std::string::npos) ++complete[body];
      if (line.find("\terror=overflow") != std::string::npos) ++overflow;
      if (line.find("\tearth=shown\tlabels=\terror=") != std::string::npos) {
        ++earthThenStop;
      }
    } else if (line.rfind("  entry", 0) == 0 && line.find("\terror=") != std::string::npos) {
      ++calendarStop;
    } else if (line.find("\tsep=,") != std::string::npos) {
      ++commas;
    }
  }
  for (const int body : {1, 2, 4, 5, 6, 7, 8, 9}) EXPECT_GT(complete[body], 500) << body;
  EXPECT_GT(overflow, 100);
  EXPECT_GT(earthThenStop, 50);
  EXPECT_GT(calendarStop, 3);
  EXPECT_GT(commas, 500);
}

}  // namespace
}  // namespace orbitas

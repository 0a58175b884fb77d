// Each table's column list against its writers: every column of the
// year's list, the eclipses' list, the night's planets and its meteor
// showers, and every field of the night's Sun and Moon, gives one value
// that the window's row, the CSV, the JSON and the text lines all show,
// and its text for people, its value for a file and its JSON literal say
// the same thing. Fixed answers from tests/support/report_answers.h.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "session/clock_words.h"
#include "report/eclipse_output.h"
#include "report/event_columns.h"
#include "report/json.h"
#include "report/night_columns.h"
#include "report/night_output.h"
#include "report/shower_columns.h"
#include "report/sun_moon_fields.h"
#include "report/text_layout.h"
#include "report/view_rows.h"
#include "tests/support/report_answers.h"

namespace orbitas {
namespace {

using report::EclipseField;
using report::EventCell;
using report::EventField;
using report::PlanetField;
using report::MoonField;
using report::ShowerField;
using report::SunEvent;

template <typename Field>
std::size_t At(Field field) {
  return static_cast<std::size_t>(field);
}

// A CSV row's fields (RFC 4180: quoted fields with doubled quotes).
std::vector<std::string> CsvFields(const std::string& row) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < row.size(); ++i) {
    const char c = row[i];
    if (quoted && c == '"' && i + 1 < row.size() && row[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && c == ',') {
      fields.emplace_back();
    } else if (quoted || (c != '\r' && c != '\n')) {
      fields.back() += c;
    }
  }
  return fields;
}

// The first number a text for people shows, read with the point and the
// hyphen ("−1.2", "±0.004°", "180.0° (S)"; "99 %" as 0.99), and half a
// unit of its last digit: how far the value it rounds may be.
struct Shown {
  double value, half;
};
std::optional<Shown> ShownNumber(std::string text) {
  for (std::size_t at; (at = text.find("\u2212")) != std::string::npos;) text.replace(at, 3, "-");
  const std::size_t start = text.find_first_of("-0123456789");
  if (start == std::string::npos) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str() + start, &end);
  const std::string digits(text.c_str() + start, static_cast<const char*>(end));
  const std::size_t point = digits.find('.');
  double half = 0.5 * std::pow(10.0, -static_cast<double>(point == std::string::npos ? 0 : digits.size() - point - 1));
  const double scale = text.size() >= 2 && text.compare(text.size() - 2, 2, " %") == 0 ? 100 : 1;
  return Shown{value / scale, half / scale + 1e-12};
}

bool IsIsoInstant(const std::string& file) { return file.size() >= 19 && file[4] == '-' && file[10] == 'T'; }

// "vie 15 ene 2027 20:30" of "2027-01-15T20:30:00+01:00", whose seconds are 0.
// The minute people read of an ISO instant: its date with the weekday
// and its clock ("vie 19 feb 2027 16:44").
std::string MinuteOf(const std::string& iso) { return DateWithWeekday(iso.substr(0, 10)) + " " + iso.substr(11, 5); }

// What a column's cell must say with itself: its JSON literal is its file
// value (a string quoted, a number the same number, null where the file
// has nothing or the column's JSON has null for it), and its text (numbers
// with the point) shows the same value, unless the column's text is in
// words of its own.
void ExpectCellAgrees(const EventCell& cell, bool wordsForPeople, bool nullInJson, const std::string& where) {
  SCOPED_TRACE(where + ": text \"" + cell.text + "\", file \"" + cell.file + "\", json " + cell.json);
  if (cell.file.empty()) {
    EXPECT_EQ(cell.json, "null");
    return;
  }
  const bool text = cell.json.front() == '"' || cell.json == "null";
  if (cell.json == "null") {
    EXPECT_TRUE(nullInJson) << "null in the JSON, a value in the CSV";
  } else if (text) {
    EXPECT_EQ(cell.json, report::JsonString(cell.file));
  } else {
    EXPECT_DOUBLE_EQ(std::strtod(cell.json.c_str(), nullptr), std::strtod(cell.file.c_str(), nullptr));
  }
  if (text) {
    if (wordsForPeople || cell.text == "—") return;
    EXPECT_EQ(cell.text, IsIsoInstant(cell.file) ? MinuteOf(cell.file) : cell.file);
    return;
  }
  if (wordsForPeople || cell.text.empty() || cell.text == "—") return;
  const std::optional<Shown> shown = ShownNumber(cell.text);
  ASSERT_TRUE(shown) << "no number in the text";
  EXPECT_NEAR(shown->value, std::strtod(cell.file.c_str(), nullptr), shown->half);
}

// A JSON member "key": value in json after from; where it starts, npos
// when it is not there.
std::size_t MemberAt(const std::string& json, std::string_view key, const std::string& value, std::size_t from) {
  return json.find(report::JsonString(key) + ": " + value, from);
}

// The lists themselves: a key or a CSV header names one column only, the
// window shows every column with a heading, and the eclipses' JSON order
// holds every column with a JSON key, once.
TEST(ColumnLists, EachNameOnceAndEveryNamedColumnWritten) {
  const auto once = [](const std::vector<std::string_view>& names, const char* list) {
    std::set<std::string_view> seen;
    for (const std::string_view name : names) {
      if (!name.empty()) {
        EXPECT_TRUE(seen.insert(name).second) << list << ": " << name << " twice";
      }
    }
  };
  std::vector<std::string_view> csv, json, headings;
  for (const auto& f : report::EventFields) csv.push_back(f.csv), json.push_back(f.json), headings.push_back(f.heading);
  once(csv, "year csv"), once(json, "year json"), once(headings, "year headings");
  std::size_t shown = 0;
  for (const auto& f : report::EventFields) shown += !f.heading.empty();
  EXPECT_EQ(shown, report::EventViewFields.size());
  for (const EventField f : report::EventViewFields) EXPECT_FALSE(report::EventFields[At(f)].heading.empty());

  csv.clear(), json.clear(), headings.clear();
  for (const auto& f : report::EclipseFields) csv.push_back(f.csv), json.push_back(f.json), headings.push_back(f.heading);
  once(csv, "eclipse csv"), once(json, "eclipse json"), once(headings, "eclipse headings");
  std::set<std::size_t> keyed, ordered;
  for (std::size_t k = 0; k < report::EclipseFields.size(); ++k) {
    if (!report::EclipseFields[k].json.empty()) keyed.insert(k);
  }
  for (const EclipseField f : report::EclipseJsonFields) EXPECT_TRUE(ordered.insert(At(f)).second) << At(f) << " twice";
  EXPECT_EQ(ordered, keyed) << "the JSON's order leaves out a column with a key, or names one without";
  shown = 0;
  for (const auto& f : report::EclipseFields) shown += !f.heading.empty();
  EXPECT_EQ(shown, report::EclipseViewFields.size());

  // The planets' keys once in each object, and an object's columns side by side.
  std::set<std::string> planetKeys, objects;
  std::string_view object;
  headings.clear();
  for (const auto& f : report::PlanetFields) {
    headings.push_back(f.heading);
    if (f.json.empty()) continue;
    EXPECT_TRUE(planetKeys.insert(std::string(f.object) + "." + std::string(f.json)).second) << f.json << " twice";
    if (f.object != object && !f.object.empty()) {
      EXPECT_TRUE(objects.insert(std::string(f.object)).second) << f.object << " in two places";
    }
    object = f.object;
  }
  once(headings, "night headings");
  shown = 0;
  for (const auto& f : report::PlanetFields) shown += !f.heading.empty();
  EXPECT_EQ(shown, report::NightViewFields.size());

  // The showers' keys and headings once; each heading is the one of the
  // window's column the shower fills there.
  json.clear(), headings.clear();
  for (const auto& f : report::ShowerFields) json.push_back(f.json), headings.push_back(f.heading);
  once(json, "shower json"), once(headings, "shower headings");
  ASSERT_EQ(report::ShowerViewFields.size(), report::NightViewFields.size());
  shown = 0;
  for (std::size_t k = 0; k < report::ShowerViewFields.size(); ++k) {
    if (!report::ShowerViewFields[k]) continue;
    ++shown;
    EXPECT_EQ(report::ShowerFields[At(*report::ShowerViewFields[k])].heading,
              report::PlanetFields[At(report::NightViewFields[k])].heading);
  }
  std::size_t headed = 0;
  for (const auto& f : report::ShowerFields) headed += !f.heading.empty();
  EXPECT_EQ(shown, headed);

  // The Sun's and the Moon's labels and keys once, every field with a key.
  json.clear(), headings.clear();
  for (const auto& f : report::SunEvents) json.push_back(f.json), headings.push_back(f.label);
  once(json, "sun json"), once(headings, "sun labels");
  json.clear(), headings.clear();
  for (const auto& f : report::MoonFields) json.push_back(f.json), headings.push_back(f.label);
  once(json, "moon json"), once(headings, "moon labels");
  for (const auto& f : report::SunEvents) EXPECT_FALSE(f.json.empty() || f.label.empty()) << f.json;
  for (const auto& f : report::MoonFields) EXPECT_FALSE(f.json.empty()) << f.label;
}

// The Madrid night without its sunrise (the Sun's error at it unknown as
// well) and without the Moon's rise: fields with nothing.
Night MadridNightWithout() {
  Night n = testing::MadridNight();
  n.sun.rise.reset();
  n.moon.rise.reset();
  return n;
}

TEST(ColumnLists, EveryCellSaysOneValue) {
  // Mistakes: a number's JSON and CSV from two values, a text rounded
  // from another number than the file's, a time for people that is not
  // the file's instant, a JSON null beside a CSV value.
  const std::vector<YearEvent> events = {testing::MarsOpposition(), testing::VenusAndJupiter(),
                                         ShowerPeakSeen{testing::PerseidsPeak(), std::nullopt},
                                         testing::PartialLunarEclipse(), testing::MercuryTransit()};
  const std::set<EventField> eventWords = {EventField::Description, EventField::ErrorSeconds, EventField::MethodInstant};
  for (std::size_t e = 0; e < events.size(); ++e) {
    for (std::size_t k = 0; k < report::EventFields.size(); ++k) {
      const auto field = static_cast<EventField>(k);
      ExpectCellAgrees(report::EventCellOf(events[e], field, testing::PlusOne(), "."), eventWords.count(field) > 0,
                       field == EventField::Unit, "event " + std::to_string(e) + " " + std::string(report::EventFields[k].csv));
    }
  }
  const std::vector<EclipseSeen> eclipses = {testing::PartialLunarEclipse(), testing::PartialLunarEclipseSeen(),
                                             testing::MercuryTransit()};
  for (std::size_t e = 0; e < eclipses.size(); ++e) {
    for (std::size_t k = 0; k < report::EclipseFields.size(); ++k) {
      const auto field = static_cast<EclipseField>(k);
      ExpectCellAgrees(report::EclipseCellOf(eclipses[e], field, testing::PlusOne(), "."), false,
                       field == EclipseField::Type, "eclipse " + std::to_string(e) + " column " + std::to_string(k));
    }
  }
  const NightAnswer night = testing::MadridReport(testing::MadridNight());
  for (const PlanetNight& p : night.night.planets) {
    for (std::size_t k = 0; k < report::PlanetFields.size(); ++k) {
      const auto field = static_cast<PlanetField>(k);
      ExpectCellAgrees(report::PlanetCellOf(p, field, night, "."), field == PlanetField::Instrument, false,
                       report::PlanetCellOf(p, PlanetField::Name, night, ".").text + " " + std::string(report::PlanetFields[k].json));
    }
  }
  for (const Night& n : {testing::MadridNight(), MadridNightWithout()}) {
    for (std::size_t k = 0; k < report::SunEvents.size(); ++k) {
      const auto event = static_cast<SunEvent>(k);
      const std::string where = "sun " + std::string(report::SunEvents[k].json);
      ExpectCellAgrees(report::SunEventCellOf(n.sun, event, testing::PlusOne()), false, false, where);
    }
    for (std::size_t k = 0; k < report::MoonFields.size(); ++k) {
      ExpectCellAgrees(report::MoonCellOf(n.moon, static_cast<MoonField>(k), testing::PlusOne(), "."), false, false,
                       "moon " + std::string(report::MoonFields[k].json));
    }
  }
  // The showers' words are checked against their values below.
  const std::set<ShowerField> showerWords = {ShowerField::DarkestHour, ShowerField::HourlyRate, ShowerField::ZhrNow,
                                             ShowerField::MoonUp, ShowerField::Shower, ShowerField::Notes};
  for (const ShowerNight& s : {testing::PerseidsNight(), testing::GeminidsTwilight()}) {
    for (std::size_t k = 0; k < report::ShowerFields.size(); ++k) {
      const auto field = static_cast<ShowerField>(k);
      ExpectCellAgrees(report::ShowerCellOf(s, field, testing::PlusOne(), "."), showerWords.count(field) > 0, false,
                       std::string(s.shower->code) + " column " + std::to_string(k));
    }
  }
}

// How a shower column's text for people reads the JSON value it shows.
enum class Reads { Number, Itself, Minute, YesNo, Rate, AtLeastOne, RateNote, NumberOrNone };

TEST(ColumnLists, EachShowerColumnsTextSaysItsJsonValue) {
  // Mistakes: a text from another value than the JSON's (the profile's ZHR
  // for the peak's, the Moon's lit fraction for its being up), the words
  // for yes where the JSON says false, the almanac's whole degrees of the
  // radiant or the window's rate from a value of their own.
  const struct {
    ShowerField field;
    ShowerField valueOf;  // the column with the JSON key whose value the text shows
    Reads reads;
    const char* yes;
    const char* no;
  } columns[] = {
      {ShowerField::Code, ShowerField::Code, Reads::Itself, "", ""},
      {ShowerField::Name, ShowerField::Name, Reads::Itself, "", ""},
      {ShowerField::BestTime, ShowerField::BestTime, Reads::Minute, "", ""},
      {ShowerField::DarkestHour, ShowerField::DarkestHour, Reads::YesNo, "sí", "no"},
      {ShowerField::RadiantAltitude, ShowerField::RadiantAltitude, Reads::Number, "", ""},
      {ShowerField::HourlyRate, ShowerField::HourlyRate, Reads::Rate, "", ""},
      {ShowerField::Zhr, ShowerField::Zhr, Reads::Number, "", ""},
      {ShowerField::ZhrNow, ShowerField::ZhrNow, Reads::AtLeastOne, "", ""},
      {ShowerField::PopulationIndex, ShowerField::PopulationIndex, Reads::Number, "", ""},
      {ShowerField::LimitingMagnitude, ShowerField::LimitingMagnitude, Reads::Number, "", ""},
      {ShowerField::MoonIlluminated, ShowerField::MoonIlluminated, Reads::Number, "", ""},
      {ShowerField::MoonUp, ShowerField::MoonUp, Reads::YesNo, "sobre el horizonte", "bajo el horizonte"},
      {ShowerField::RadiantDegrees, ShowerField::RadiantAltitude, Reads::Number, "", ""},
      {ShowerField::RadiantHighest, ShowerField::RadiantHighest, Reads::NumberOrNone, "", ""},
      {ShowerField::Notes, ShowerField::HourlyRate, Reads::RateNote, "", ""},
  };
  // Every column with a key is read here.
  std::set<ShowerField> read;
  for (const auto& c : columns) read.insert(c.field);
  for (std::size_t k = 0; k < report::ShowerFields.size(); ++k) {
    if (!report::ShowerFields[k].json.empty()) {
      EXPECT_EQ(read.count(static_cast<ShowerField>(k)), 1u) << k;
    }
  }
  const TimeZone& zone = testing::PlusOne();
  ShowerNight belowAllNight = testing::PerseidsNight();
  belowAllNight.radiantAltitude = -61.2, belowAllNight.hourlyRate = 0, belowAllNight.radiantHighest = -40.4;
  for (const ShowerNight& s : {testing::PerseidsNight(), testing::GeminidsTwilight(), belowAllNight}) {
    const auto cell = [&](ShowerField f) { return report::ShowerCellOf(s, f, zone, "."); };
    for (const auto& c : columns) {
      const EventCell shown = cell(c.field);
      const EventCell value = cell(c.valueOf);
      SCOPED_TRACE(std::string(s.shower->code) + " " + std::to_string(At(c.field)) + ": \"" + shown.text + "\", json " +
                   value.json);
      ASSERT_FALSE(report::ShowerFields[At(c.valueOf)].json.empty());
      const double number = std::strtod(value.json.c_str(), nullptr);
      // A column that shows another's value gives a file that value too.
      EXPECT_EQ(shown.file, value.file);
      switch (c.reads) {
        case Reads::Itself: EXPECT_EQ(report::JsonString(shown.text), value.json); break;
        case Reads::Minute:
          ASSERT_TRUE(IsIsoInstant(value.file));
          EXPECT_EQ(report::JsonString(value.file), value.json);
          EXPECT_EQ(shown.text, report::DateText(MinuteOf(value.file)));
          break;
        case Reads::YesNo:
          ASSERT_TRUE(value.json == "true" || value.json == "false");
          EXPECT_EQ(shown.text, value.json == "true" ? c.yes : c.no);
          break;
        case Reads::Rate: EXPECT_EQ(shown.text, report::MeteorRateText(number)); break;
        case Reads::RateNote:
          if (cell(ShowerField::RadiantHighest).json != "null") {
            EXPECT_EQ(shown.text, "lluvia de estrellas: no se ve, su radiante no sale de noche cerrada");
            break;
          }
          EXPECT_EQ(shown.text, "lluvia de estrellas: " + report::MeteorRateText(number) +
                                    (cell(ShowerField::DarkestHour).json == "true" ? " (sin noche cerrada)" : ""));
          break;
        case Reads::AtLeastOne:
          if (number < 0.5) {
            EXPECT_EQ(shown.text, "menos de 1");
            break;
          }
          [[fallthrough]];
        case Reads::NumberOrNone:
          if (value.json == "null") {
            EXPECT_EQ(shown.text, "—");
            break;
          }
          [[fallthrough]];
        case Reads::Number: {
          const std::optional<Shown> n = ShownNumber(shown.text);
          ASSERT_TRUE(n) << "no number in the text";
          EXPECT_NEAR(n->value, number, n->half);
          ASSERT_TRUE(shown.key);
          EXPECT_DOUBLE_EQ(*shown.key, number) << "sorted by another value";
          break;
        }
      }
    }
    EXPECT_EQ(cell(ShowerField::Shower).text, cell(ShowerField::Name).text + " (" + cell(ShowerField::Code).text + ")");
  }
}

TEST(ColumnLists, TheEclipsesWritersShowTheirColumns) {
  // Mistakes: a JSON member written by hand beside its column (its key or
  // its value drifting from the CSV's and the window's), the list's line
  // with its own minute or its own words for the place.
  const TimeZone& zone = testing::PlusOne();
  const std::vector<std::string> headers = CsvFields(report::EclipseCsvHeader());
  for (const EclipseSeen& seen : {testing::PartialLunarEclipse(), testing::PartialLunarEclipseSeen(), testing::MercuryTransit()}) {
    const auto cell = [&](EclipseField f, std::string_view sep) { return report::EclipseCellOf(seen, f, zone, sep); };
    const std::string json = report::EclipseJson(seen, zone);
    SCOPED_TRACE(json);
    std::size_t at = 0;
    for (const EclipseField f : report::EclipseJsonFields) {
      const std::size_t found = MemberAt(json, report::EclipseFields[At(f)].json, cell(f, ".").json, at);
      ASSERT_NE(found, std::string::npos) << report::EclipseFields[At(f)].json;
      EXPECT_EQ(found, at == 0 ? 1 : at) << "the columns first, in their order";
      at = found + report::JsonString(report::EclipseFields[At(f)].json).size() + 2 + cell(f, ".").json.size() + 2;
    }
    const std::vector<std::string> row = CsvFields(report::EclipseCsvRow(seen, zone));
    ASSERT_EQ(row.size(), headers.size());
    std::size_t c = 0;
    for (std::size_t k = 0; k < report::EclipseFields.size(); ++k) {
      if (report::EclipseFields[k].csv.empty()) continue;
      EXPECT_EQ(headers[c], report::EclipseFields[k].csv);
      EXPECT_EQ(row[c++], cell(static_cast<EclipseField>(k), ".").file) << report::EclipseFields[k].csv;
    }
    const report::ViewRow view = report::EclipseRow(seen, zone, ",");
    ASSERT_EQ(view.cells.size(), report::EclipseViewFields.size());
    for (std::size_t k = 0; k < view.cells.size(); ++k) {
      const EventCell expected = cell(report::EclipseViewFields[k], ",");
      EXPECT_EQ(report::EclipseColumns()[k], report::EclipseFields[At(report::EclipseViewFields[k])].heading);
      EXPECT_EQ(view.cells[k].text, expected.text);
      EXPECT_EQ(view.cells[k].value, expected.file);
    }
    const std::string line = report::EclipseLine(seen, zone, ",");
    EXPECT_EQ(line.rfind(cell(EclipseField::Instant, ",").text + "  ", 0), 0u) << line;
    const EventCell local = cell(EclipseField::FromPlace, ",");
    if (local.file.empty()) {
      EXPECT_EQ(line.find("desde aquí"), std::string::npos) << line;
    } else {
      const std::string end = "; " + local.text + "\n";
      EXPECT_EQ(line.substr(line.size() - std::min(line.size(), end.size())), end) << line;
    }
  }
}

TEST(ColumnLists, TheNightsWritersShowThePlanetsColumns) {
  // Mistakes: the almanac's line, the JSON and the window each rounding
  // or naming a planet's value their own way; a time in the window that
  // is not the almanac's; an object of the JSON not null for a planet
  // that is not seen.
  const NightAnswer r = testing::MadridReport(testing::MadridNight());
  const std::string text = report::NightText(r, ",");
  const std::string nightJson = report::NightJson(r);
  const std::vector<report::ViewRow> rows = report::NightRows(r, ",");
  const std::vector<std::string> headings = report::NightColumns();
  ASSERT_EQ(headings.size(), report::NightViewFields.size());
  for (std::size_t k = 0; k < headings.size(); ++k) {
    EXPECT_EQ(headings[k], report::PlanetFields[At(report::NightViewFields[k])].heading);
  }
  // The columns the almanac's lines say, after which words, for a planet
  // seen and one not.
  const struct {
    PlanetField field;
    const char* before;
    bool seen, notSeen;
  } inText[] = {
      {PlanetField::Name, "\n", true, true},
      {PlanetField::Magnitude, ": magnitud ", true, true},
      {PlanetField::Illuminated, ", ", true, true},
      {PlanetField::Elongation, " iluminado, a ", true, true},
      {PlanetField::Side, " del Sol (", true, true},
      {PlanetField::Constellation, "), en ", true, true},
      {PlanetField::ConstellationAbbr, " (", true, true},
      {PlanetField::Instrument, "), ", true, true},
      {PlanetField::VisibleFrom, "  Visible de ", true, false},
      {PlanetField::VisibleTo, " a ", true, false},
      {PlanetField::Altitude, ", altura ", true, false},
      {PlanetField::Azimuth, ", acimut ", true, false},
      {PlanetField::Notes, "\n  ", false, true},
  };
  const std::vector<const PlanetNight*> planets = report::OrderedPlanets(r.night);
  ASSERT_EQ(rows.size(), planets.size());
  for (std::size_t n = 0; n < planets.size(); ++n) {
    const PlanetNight& p = *planets[n];
    const auto cell = [&](PlanetField f, std::string_view sep) { return report::PlanetCellOf(p, f, r, sep); };
    const std::string name = cell(PlanetField::Name, ",").text;
    SCOPED_TRACE(name);
    // The planet's lines: from its name to the next blank line.
    const std::size_t from = text.find("\n" + name + ": ");
    ASSERT_NE(from, std::string::npos);
    const std::string lines = text.substr(from, text.find("\n\n", from + 1) - from);
    for (const auto& t : inText) {
      if (p.best ? t.seen : t.notSeen) {
        EXPECT_NE(lines.find(t.before + cell(t.field, ",").text), std::string::npos) << report::PlanetFields[At(t.field)].json;
      }
    }
    if (p.best) {
      EXPECT_NE(lines.find("Mejor: " + report::DateAtTime(cell(PlanetField::BestTime, ",").text)), std::string::npos);
    }

    const std::string json = report::PlanetFieldsJson(p, r);
    EXPECT_NE(nightJson.find(json), std::string::npos);
    std::size_t at = 0;
    for (std::size_t k = 0; k < report::PlanetFields.size(); ++k) {
      const report::PlanetFieldName& f = report::PlanetFields[k];
      if (f.json.empty()) continue;
      // Without the method's night its object is null, as a planet's
      // visible span and best moment are when it is not seen.
      if (!f.object.empty() && (!p.best || f.object == "method")) {
        EXPECT_NE(json.find(report::JsonString(f.object) + ": null"), std::string::npos) << f.object;
        continue;
      }
      const std::size_t found = MemberAt(json, f.json, cell(static_cast<PlanetField>(k), ".").json, at);
      ASSERT_NE(found, std::string::npos) << f.json << " in " << json;
      if (!f.object.empty()) {
        EXPECT_LT(json.rfind(report::JsonString(f.object) + ": {", found), found) << f.json << " outside " << f.object;
      }
      at = found;
    }

    ASSERT_EQ(rows[n].cells.size(), report::NightViewFields.size());
    for (std::size_t k = 0; k < rows[n].cells.size(); ++k) {
      const PlanetField field = report::NightViewFields[k];
      const EventCell expected = cell(field, ",");
      const bool time = field == PlanetField::VisibleFrom || field == PlanetField::VisibleTo || field == PlanetField::BestTime;
      // A time's hour: the almanac's minute without its date.
      const std::string shown = time && p.best ? expected.text.substr(expected.text.rfind(' ') + 1) : expected.text;
      EXPECT_EQ(rows[n].cells[k].text, shown) << headings[k];
      EXPECT_EQ(rows[n].cells[k].value, expected.file) << headings[k];
      EXPECT_EQ(rows[n].cells[k].key.has_value(), expected.key.has_value()) << headings[k];
    }
  }
}

TEST(ColumnLists, TheNightsWritersShowTheShowersColumns) {
  // Mistakes: the almanac's line, the JSON and the window each writing a
  // shower's value their own way (the radiant rounded from another value,
  // the Moon's words where the JSON says it is down), a JSON member
  // written beside its column, a shower's row filling a planet's column.
  NightAnswer r = testing::MadridReport(testing::MadridNight());
  r.showers = {testing::PerseidsNight(), testing::GeminidsTwilight()};
  const std::string text = report::NightText(r, ",");
  const std::string nightJson = report::NightJson(r);
  const std::vector<report::ViewRow> rows = report::NightRows(r, ",");
  const std::size_t planets = report::OrderedPlanets(r.night).size();
  ASSERT_EQ(rows.size(), planets + r.showers.size());
  // The columns the almanac's line says, after which words; the Moon's
  // lit fraction only when it is up.
  const struct {
    ShowerField field;
    const char* before;
  } inText[] = {
      {ShowerField::Shower, "\n  "},
      {ShowerField::RadiantDegrees, ", radiante a "},
      {ShowerField::HourlyRate, "°, "},
      {ShowerField::Zhr, " (THZ "},
      {ShowerField::ZhrNow, " en el máximo, "},
      {ShowerField::LimitingMagnitude, "; magnitud límite "},
      {ShowerField::MoonUp, "; la Luna "},
      {ShowerField::MoonIlluminated, " horizonte, iluminada al "},
  };
  for (std::size_t n = 0; n < r.showers.size(); ++n) {
    const ShowerNight& s = r.showers[n];
    const auto cell = [&](ShowerField f, std::string_view sep) { return report::ShowerCellOf(s, f, r.zone, sep); };
    const std::string name = cell(ShowerField::Shower, ",").text;
    SCOPED_TRACE(name);
    const std::size_t from = text.find("\n  " + name + ": mejor ");
    ASSERT_NE(from, std::string::npos) << text;
    const std::string line = text.substr(from, text.find('\n', from + 1) - from);
    for (const auto& t : inText) {
      const bool said = t.field != ShowerField::MoonIlluminated || cell(ShowerField::MoonUp, ",").json == "true";
      EXPECT_EQ(line.find(t.before + cell(t.field, ",").text) != std::string::npos, said) << At(t.field) << " in " << line;
    }
    EXPECT_NE(line.find(": mejor " + report::DateAtTime(cell(ShowerField::BestTime, ",").text)), std::string::npos);
    EXPECT_EQ(line.find("(no hay noche cerrada: la hora más oscura)") != std::string::npos,
              cell(ShowerField::DarkestHour, ",").json == "true");

    const std::string json = report::ShowerFieldsJson(s, r.zone);
    EXPECT_NE(nightJson.find(json), std::string::npos);
    std::size_t at = 0;
    for (std::size_t k = 0; k < report::ShowerFields.size(); ++k) {
      const report::ShowerFieldName& f = report::ShowerFields[k];
      if (f.json.empty()) continue;
      const std::string value = cell(static_cast<ShowerField>(k), ".").json;
      const std::size_t found = MemberAt(json, f.json, value, at);
      ASSERT_NE(found, std::string::npos) << f.json << ": " << value << " in " << json;
      EXPECT_EQ(found, at == 0 ? 1 : at) << "the columns in their order, nothing between";
      at = found + report::JsonString(f.json).size() + 2 + value.size() + 2;
    }
    EXPECT_EQ(at, json.size() + 1) << "nothing after the columns";

    const report::ViewRow& row = rows[planets + n];
    ASSERT_EQ(row.cells.size(), report::ShowerViewFields.size());
    for (std::size_t k = 0; k < row.cells.size(); ++k) {
      const std::optional<ShowerField> field = report::ShowerViewFields[k];
      if (!field) {
        EXPECT_EQ(row.cells[k].text, "—") << k;
        EXPECT_EQ(row.cells[k].value, "") << k;
        EXPECT_FALSE(row.cells[k].key) << k;
        continue;
      }
      const EventCell expected = cell(*field, ",");
      // The best time's hour: the almanac's minute without its date.
      const std::string shown = *field == ShowerField::BestTime ? expected.text.substr(expected.text.rfind(' ') + 1) : expected.text;
      EXPECT_EQ(row.cells[k].text, shown) << k;
      EXPECT_EQ(row.cells[k].value, expected.file) << k;
      EXPECT_EQ(row.cells[k].key.has_value(), expected.key.has_value()) << k;
    }
    EXPECT_FALSE(row.body);
    ASSERT_TRUE(row.time);
    EXPECT_EQ(row.time->ut, s.bestTime.ut);
  }
}

TEST(ColumnLists, TheNightsSunAndMoonBlocksShowTheirFields) {
  // Mistakes: the almanac's block and the JSON each writing a time or a
  // number of the Sun or the Moon their own way, an event the Sun does not
  // reach given a row, its error a number in the JSON, the Moon's members
  // out of the list's order.
  for (const Night& night : {testing::MadridNight(), MadridNightWithout()}) {
    const NightAnswer r = testing::MadridReport(night);
    const std::string text = report::SunAndMoonText(r, ",");
    const std::string json = report::NightJson(r);
    SCOPED_TRACE(text);
    for (std::size_t k = 0; k < report::SunEvents.size(); ++k) {
      const auto event = static_cast<SunEvent>(k);
      const EventCell time = report::SunEventCellOf(night.sun, event, r.zone);
      const std::string label(report::SunEvents[k].label);
      const std::size_t row = text.find("\n  " + label + " ");
      EXPECT_EQ(row != std::string::npos, !time.file.empty()) << label;
      if (row != std::string::npos) {
        const std::string line = text.substr(row + 1, text.find('\n', row + 1) - row - 1);
        const std::string& end = time.text;
        EXPECT_EQ(line.substr(line.size() - std::min(line.size(), end.size())), end) << line;
      }
    }
    const std::string sun = "\"sun\": {" + report::SunEventsJson(night.sun, r.zone) + ", \"reasons\": ";
    EXPECT_NE(json.find(sun), std::string::npos) << sun;
    std::size_t at = 0;
    for (std::size_t k = 0; k < report::SunEvents.size(); ++k) {
      const std::string value = report::SunEventCellOf(night.sun, static_cast<SunEvent>(k), r.zone).json;
      const std::size_t found = MemberAt(sun, report::SunEvents[k].json, value, at);
      ASSERT_NE(found, std::string::npos) << report::SunEvents[k].json << " in " << sun;
      at = found;
    }

    const std::string moon = "\"moon\": " + report::MoonFieldsJson(night.moon, r.zone) + ", \"planets\": ";
    EXPECT_NE(json.find(moon), std::string::npos) << moon;
    at = 0;
    for (std::size_t k = 0; k < report::MoonFields.size(); ++k) {
      const std::string value = report::MoonCellOf(night.moon, static_cast<MoonField>(k), r.zone, ".").json;
      const std::size_t found = MemberAt(moon, report::MoonFields[k].json, value, at);
      ASSERT_NE(found, std::string::npos) << report::MoonFields[k].json << " in " << moon;
      at = found;
    }
    // The almanac's rows: each field with a label its own, the phase with
    // the lit fraction and the age in its words.
    const auto cell = [&](MoonField f) { return report::MoonCellOf(night.moon, f, r.zone, ","); };
    const auto row = [&](MoonField f) {
      const std::string label(report::MoonFields[At(f)].label);
      const std::size_t from = text.find("\n  " + label + " ");
      return from == std::string::npos ? std::string() : text.substr(from + 1, text.find('\n', from + 1) - from - 1);
    };
    EXPECT_NE(row(MoonField::Rise).find(cell(MoonField::Rise).text), std::string::npos);
    EXPECT_EQ(row(MoonField::Rise).find("(no sale esta noche)") != std::string::npos, !night.moon.rise);
    EXPECT_NE(row(MoonField::Set).find(cell(MoonField::Set).text), std::string::npos);
    EXPECT_NE(row(MoonField::PhaseName).find(cell(MoonField::PhaseName).text + ", " + cell(MoonField::Illuminated).text +
                                              " iluminada, edad " + cell(MoonField::AgeDays).text + " días"),
              std::string::npos)
        << row(MoonField::PhaseName);
    const std::string altitude = row(MoonField::AltitudeAtMiddle);
    EXPECT_EQ(altitude.substr(altitude.size() - std::min(altitude.size(), cell(MoonField::AltitudeAtMiddle).text.size())),
              cell(MoonField::AltitudeAtMiddle).text);
  }
}

}  // namespace
}  // namespace orbitas

// The printed almanac's month pages from a small fixed year: a chart of a
// few nights, four events and January's mid-month night
// (tests/support/report_answers.h), in a zone an hour east of UT.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/almanac_text.h"
#include "tests/support/report_answers.h"

namespace orbitas {
namespace {

using testing::Jd;
using testing::PlusOne;

// Clock hours from noon for a local hh:mm of the evening (or, past 24,
// of the next morning).
double Clock(int h, int m) { return (h < 12 ? h + 24 : h) - 12 + m / 60.0; }

YearRow Row(const char* date, std::optional<ClockSpan> sun, std::optional<ClockSpan> dark) {
  YearRow r;
  r.date = date;
  r.civil = {std::stoi(std::string(date).substr(0, 4)), std::stoi(std::string(date).substr(5, 2)),
             std::stoi(std::string(date).substr(8, 2))};
  r.belowSun[0] = sun;
  r.belowSun[3] = dark;
  return r;
}

YearChart Chart() {
  YearChart c;
  c.title = "El año 2027 desde Madrid (España) · CET";
  c.rows = {Row("2027-01-01", ClockSpan{Clock(17, 58), Clock(8, 34)}, ClockSpan{Clock(19, 35), Clock(6, 57)}),
            Row("2027-01-02", ClockSpan{Clock(17, 59), Clock(8, 34)}, ClockSpan{Clock(19, 36), Clock(6, 57)}),
            Row("2027-01-06", ClockSpan{Clock(18, 3), Clock(8, 33)}, std::nullopt),
            Row("2027-01-11", std::nullopt, std::nullopt),
            Row("2027-01-16", ClockSpan{0, 24}, ClockSpan{0, 24}),
            Row("2027-02-01", ClockSpan{Clock(18, 25), Clock(8, 20)}, ClockSpan{Clock(20, 0), Clock(6, 45)})};
  return c;
}

// The new moon of jue 7 ene 2027 20:25 UT; a close approach at 23:30 UT on
// 31 January, which is 1 February in the zone; Mars's opposition; the
// Perseids' peak.
std::vector<YearEvent> Events() {
  Phenomenon newMoon;
  newMoon.kind = PhenomenonKind::NewMoon;
  newMoon.body = Body::Moon;
  newMoon.time = Jd(2027, 1, 7, 20, 27, 0);
  newMoon.referenceTime = Instant::FromUt(Jd(2027, 1, 7, 20, 25, 0));
  Phenomenon approach = testing::VenusAndJupiter();
  approach.time = Jd(2027, 1, 31, 23, 30, 0);
  approach.referenceTime = Instant::FromUt(approach.time);
  return {newMoon, approach, testing::MarsOpposition(), ShowerPeakSeen{testing::PerseidsPeak(), std::nullopt}};
}

std::vector<AlmanacPage> Pages() {
  AlmanacYear almanac;
  almanac.year = 2027;
  almanac.zone = PlusOne();
  almanac.events = Events();
  almanac.nights = {testing::MadridReport(testing::MadridNight())};
  return report::AlmanacMonths(Chart(), almanac, ",");
}

std::vector<std::string> Lines(const AlmanacPage& page, const std::string& heading) {
  for (const AlmanacSection& s : page.sections)
    if (s.heading == heading) return s.lines;
  return {"(no section " + heading + ")"};
}

using Strings = std::vector<std::string>;

TEST(AlmanacText, JanuarysPage) {
  // Mistakes: the phase's line with its error text, the Sun every day
  // (the 2nd listed), clock hours from midnight for hours from noon, a
  // polar day or night worded as a sunset, the planets' hyphen for
  // U+2212, an empty section left empty instead of "—".
  const std::vector<AlmanacPage> pages = Pages();
  ASSERT_EQ(pages.size(), 12u);
  const AlmanacPage& january = pages[0];
  EXPECT_EQ(january.title, "Enero de 2027 · Madrid (España) · CET");
  Strings headings;
  for (const AlmanacSection& s : january.sections) headings.push_back(s.heading);
  EXPECT_EQ(headings, (Strings{"Fases de la Luna", "Fenómenos y eclipses", "El Sol y la noche cada cinco días",
                               "Los planetas a mediados de mes (la noche del 15)", "Lluvias de estrellas"}));
  EXPECT_EQ(Lines(january, "Fases de la Luna"), Strings{"jue 7 ene 2027 21:25  Luna nueva"});
  EXPECT_EQ(Lines(january, "Fenómenos y eclipses"), Strings{"—"});
  EXPECT_EQ(Lines(january, "El Sol y la noche cada cinco días"),
            (Strings{"día 1: puesta del Sol 17:58, noche cerrada de 19:35 a 06:57, salida 08:34",
                     "día 6: puesta del Sol 18:03, sin noche cerrada, salida 08:33", "día 11: el Sol no se pone",
                     "día 16: el Sol no sale"}));
  EXPECT_EQ(Lines(january, "Los planetas a mediados de mes (la noche del 15)"),
            (Strings{"Marte: de 20:30 a 07:00, en Leo, magnitud \u22121,2",
                     "Venus: no se ve (demasiado cerca del Sol (elongación 13°))"}));
  EXPECT_EQ(Lines(january, "Lluvias de estrellas"), Strings{"—"});
}

TEST(AlmanacText, EventsGoToTheirLocalMonth) {
  // Mistakes: the month of an event taken in UT (the approach of 31
  // January 23:30 UT belongs to February here), showers among the
  // phenomena, a month without its night given planets' lines.
  const std::vector<AlmanacPage> pages = Pages();
  EXPECT_EQ(Lines(pages[1], "Fenómenos y eclipses"),
            (Strings{"lun 1 feb 2027 00:30  Venus a 0,5° de Júpiter", "vie 19 feb 2027 16:44  Marte en oposición (magnitud \u22121,2)"}));
  EXPECT_EQ(Lines(pages[1], "El Sol y la noche cada cinco días"),
            Strings{"día 1: puesta del Sol 18:25, noche cerrada de 20:00 a 06:45, salida 08:20"});
  EXPECT_EQ(Lines(pages[1], "Los planetas a mediados de mes (la noche del 15)"), Strings{"—"});
  EXPECT_EQ(Lines(pages[7], "Lluvias de estrellas"),
            Strings{"vie 13 ago 2027 08:00  Máximo de las Perseidas (PER): THZ 100, la Luna iluminada al 25 %"});
  EXPECT_EQ(Lines(pages[7], "Fenómenos y eclipses"), Strings{"—"});
  EXPECT_EQ(pages[11].title, "Diciembre de 2027 · Madrid (España) · CET");
}

}  // namespace
}  // namespace orbitas

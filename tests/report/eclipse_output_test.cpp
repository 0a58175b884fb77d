// An eclipse as the user reads it: a fixed partial lunar eclipse (greatest
// 04:13 UT, its contacts at round hours) in a zone one hour east of UT, as
// a list's line, the whole account, JSON, CSV, a summary and a window row.
#include <gtest/gtest.h>

#include <string>

#include "report/calendar_file.h"
#include "report/eclipse_output.h"
#include "report/year_output.h"
#include "session/runners.h"
#include "report/view_rows.h"
#include "tests/support/report_answers.h"

namespace orbitas {
namespace {

using testing::PartialLunarEclipse;
using testing::PlusOne;

TEST(EclipseOutput, LineAndSummary) {
  // Mistakes: UT for the zone's time (04:13), the partial phase from P1
  // to P4 (4 h 30 min) for U1 to U4 (1 h 30 min), the magnitudes'
  // decimals cut, the separator ignored.
  const EclipseSeen e = PartialLunarEclipse();
  EXPECT_EQ(report::EclipseLine(e, PlusOne(), ","),
            "mié 12 ene 2028 05:13  Eclipse parcial de Luna, magnitud umbral 0,066 (penumbral 1,024), gamma 0,9817; "
            "parcial 1 h 30 min\n");
  EXPECT_EQ(report::EclipseSummary(e, report::ForPeople(",")), "Eclipse parcial de Luna (magnitud umbral 0,066)");
  EXPECT_EQ(report::EclipseSummary(e, report::ForFiles()), "Eclipse parcial de Luna (magnitud umbral 0.066)");
  EXPECT_EQ(report::EclipseKindKey(e.event), "lunar-eclipse");
  EXPECT_EQ(report::LocalWords(e, PlusOne(), ","), "") << "nothing without a place";
}

TEST(EclipseOutput, TheWholeAccount) {
  // Mistakes: the contacts out of time order (greatest not between U1 and
  // U4), the zone's name left out, ΔT in minutes, seconds dropped.
  EXPECT_EQ(report::EclipseText(PartialLunarEclipse(), std::nullopt, PlusOne(), ","),
            "Eclipse parcial de Luna del mié 12 ene 2028, hora CET\n"
            "  Máximo                  2028-01-12 05:13:00\n"
            "  Magnitud umbral         0,066\n"
            "  Magnitud penumbral      1,024\n"
            "  Gamma                   0,9817\n"
            "  P1 (penumbra)           2028-01-12 03:00:00\n"
            "  U1 (parcial)            2028-01-12 04:30:00\n"
            "  Máximo                  2028-01-12 05:13:00\n"
            "  U4                      2028-01-12 06:00:00\n"
            "  P4                      2028-01-12 07:30:00\n"
            "  Fase parcial            1 h 30 min\n");
  EXPECT_EQ(report::EclipseListHeading(std::nullopt, PlusOne()),
            "Eclipses y tránsitos, en hora CET.\n\n");
}

TEST(EclipseOutput, JsonAndCsv) {
  // Mistakes: the greatest listed among the contacts' keys, a contact in
  // UTC, the JSON's type in Spanish, the CSV's ΔT without its decimal,
  // the empty local columns left out (fewer columns than the header).
  const EclipseSeen e = PartialLunarEclipse();
  EXPECT_EQ(report::EclipseJson(e, PlusOne()),
            "{\"kind\": \"lunar-eclipse\", \"instant\": \"2028-01-12T05:13:00+01:00\", \"utc\": \"2028-01-12T04:13:00+00:00\", "
            "\"julianDay\": 2461782.675694444, \"deltaT\": 70, \"description\": \"Eclipse parcial de Luna (magnitud umbral 0.066)\", "
            "\"source\": \"ERFA\", \"type\": \"partial\", \"contacts\": {\"P1\": \"2028-01-12T03:00:00+01:00\", "
            "\"U1\": \"2028-01-12T04:30:00+01:00\", \"U4\": \"2028-01-12T06:00:00+01:00\", \"P4\": \"2028-01-12T07:30:00+01:00\"}, "
            "\"umbralMagnitude\": 0.066, \"penumbralMagnitude\": 1.024, \"gamma\": 0.9817}\n");
  EXPECT_EQ(report::EclipseCsvHeader(),
            "instant,utc,kind,type,description,delta_t_seconds,local_type,local_maximum,local_magnitude,local_altitude\r\n");
  EXPECT_EQ(report::EclipseCsvRow(e, PlusOne()),
            "2028-01-12T05:13:00+01:00,2028-01-12T04:13:00+00:00,lunar-eclipse,partial,"
            "Eclipse parcial de Luna (magnitud umbral 0.066),70.0,,,,\r\n");
}

TEST(EclipseOutput, WindowRow) {
  // Mistakes: the place's column left out without a place (a dash is
  // shown), the row's time not the greatest's.
  const std::vector<std::string> expected = {"mié 12 ene 2028 05:13", "Eclipse parcial de Luna (magnitud umbral 0,066)", "—"};
  const report::ViewRow row = report::EclipseRow(PartialLunarEclipse(), PlusOne(), ",");
  std::vector<std::string> cells;
  for (const report::ViewCell& c : row.cells) cells.push_back(c.text);
  EXPECT_EQ(cells, expected);
  EXPECT_EQ(report::EclipseColumns().size(), expected.size());
  ASSERT_TRUE(row.time);
  EXPECT_DOUBLE_EQ(row.time->ut, testing::Jd(2028, 1, 12, 4, 13, 0));
  // The row holds the eclipse it shows, so a window needs no list beside
  // its rows; a file takes the instant with its offset.
  ASSERT_TRUE(row.source);
  ASSERT_TRUE(std::holds_alternative<EclipseSeen>(*row.source));
  EXPECT_DOUBLE_EQ(GreatestOf(std::get<EclipseSeen>(*row.source).event).ut, row.time->ut);
  EXPECT_EQ(row.cells[0].value, "2028-01-12T05:13:00+01:00");  // Fecha
  EXPECT_EQ(row.cells[2].value, "");                           // Desde el lugar, without a place
}

}  // namespace
}  // namespace orbitas
namespace orbitas {
namespace {

// The eclipse of 2027-08-02 in the year's events from a place.
YearEvent EclipseOfAugust2027From(const Place& place) {
  SkyRequest request;
  request.place = place;
  request.zone = TimeZone::FixedOffset(7200, "CEST");
  request.span = {Instant::FromUt(testing::Jd(2027, 8, 1, 0)), Instant::FromUt(testing::Jd(2027, 8, 4, 0))};
  request.sunAndMoon = true;
  std::optional<YearEvent> eclipse;
  RunPhenomena(request, [&](const YearEvent& e) {
    if (std::holds_alternative<EclipseSeen>(e)) eclipse = e;
  });
  EXPECT_TRUE(eclipse);
  return *eclipse;
}

TEST(YearsEclipse, FromAPlaceItIsThePlaces) {
  // Sevilla sees it partial (0.979), its maximum at 08:47:20 UT and its
  // last contact at 09:59:48 UT, before the shadow's greatest (10:06:31
  // UT). Mistakes: the total eclipse at the global maximum listed for
  // Sevilla, a calendar entry that starts when it is over there.
  const TimeZone zone = TimeZone::FixedOffset(7200, "CEST");
  const YearEvent sevilla = EclipseOfAugust2027From(Place(37.3828, -5.9732, "37.3828, -5.9732"));
  const report::ViewRow row = report::YearEventRow(sevilla, zone, ",");
  EXPECT_EQ(row.cells[0].text, "lun 2 ago 2027 10:47");
  const std::string csv = report::YearEventCsvRow(sevilla, zone);
  EXPECT_NE(csv.find("Eclipse parcial de Sol desde el lugar (magnitud 0.979)"), std::string::npos) << csv;
  const report::CalendarFile calendar(report::CalendarStamp("1765000000"));
  const std::string ics = report::YearEventCalendar(sevilla, calendar);
  EXPECT_NE(ics.find("DTSTART:20270802T074120Z"), std::string::npos) << ics;
  EXPECT_NE(ics.find("DTEND:20270802T095948Z"), std::string::npos) << ics;
  EXPECT_NE(ics.find("SUMMARY:Eclipse parcial de Sol desde el lugar"), std::string::npos) << ics;
  // Buenos Aires does not see it: the list says so, the calendar leaves it out.
  const YearEvent buenosAires = EclipseOfAugust2027From(Place(-34.6037, -58.3816, "-34.6037, -58.3816"));
  EXPECT_NE(report::YearEventCsvRow(buenosAires, zone).find("no se ve desde el lugar"), std::string::npos);
  EXPECT_EQ(report::YearEventCalendar(buenosAires, calendar), "");
}

}  // namespace
}  // namespace orbitas

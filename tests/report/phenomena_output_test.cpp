// The phenomena and the year's list as the user reads them: one fixed
// phenomenon (Mars at opposition, the method 3 minutes early) and one
// close approach, in a zone one hour east of UT, as a line of text, a CSV
// row, a JSON object, a calendar event and a window's row; the eclipse
// and the shower's peak among them in the year's list.
#include <gtest/gtest.h>

#include <string>

#include "report/calendar_file.h"
#include "report/event_columns.h"
#include "report/phenomena_output.h"
#include "report/view_rows.h"
#include "report/year_output.h"
#include "tests/support/report_answers.h"

namespace orbitas {
namespace {

using testing::MarsOpposition;
using testing::PartialLunarEclipse;
using testing::PerseidsPeak;
using testing::PlusOne;
using testing::VenusAndJupiter;

// 1 800 000 000 s after 1970 is 2027-01-15 08:00:00 UTC.
const report::CalendarFile Calendar(1800000000);

YearEvent Shower() { return ShowerPeakSeen{PerseidsPeak(), std::nullopt}; }

TEST(PhenomenonText, WordsErrorAndLine) {
  // Mistakes: the error as reference − method (+3), UT for the zone's
  // time (15:44), the method's instant listed first, "." in the text
  // when the user asked for ",", the separator applied to the ISO date,
  // a hyphen for people's minus or the minus sign in a file.
  const Phenomenon mars = MarsOpposition();
  EXPECT_EQ(report::PhenomenonDescription(mars, report::ForPeople(",")), "Marte en oposición (magnitud \u22121,2)");
  EXPECT_EQ(report::PhenomenonDescription(mars, report::ForFiles()), "Marte en oposición (magnitud -1.2)");
  EXPECT_EQ(report::TimeErrorText(mars, report::ForPeople(",")), "error \u22123,0 min");
  EXPECT_EQ(report::TimeErrorText(mars, report::ForFiles(",")), "error -3,0 min");
  EXPECT_EQ(report::PhenomenonLine(mars, PlusOne(), ","), "vie 19 feb 2027 16:44  Marte en oposición (magnitud \u22121,2)\n");
  EXPECT_EQ(report::PhenomenonLine(mars, PlusOne(), ",", true),
            "vie 19 feb 2027 16:44  Marte en oposición (magnitud \u22121,2)  (según el método de Kepler: vie 19 feb 2027 16:41, "
            "3 min antes)\n");
  // A close approach: both bodies, the degrees to a tenth, a zero error
  // signed +, and the local date past midnight (23:30 UT is 00:30 on the 11th).
  const Phenomenon venus = VenusAndJupiter();
  EXPECT_EQ(report::PhenomenonBodies(venus), "Venus, Júpiter");
  EXPECT_EQ(report::PhenomenonDescription(venus, report::ForPeople(",")), "Venus a 0,5° de Júpiter");
  EXPECT_EQ(report::TimeErrorText(venus, report::ForPeople(",")), "error +0,0 min");
  EXPECT_EQ(report::PhenomenonLine(venus, PlusOne(), ",", true),
            "mié 11 ago 2027 00:30  Venus a 0,5° de Júpiter  (según el método de Kepler: mié 11 ago 2027 00:30, a la vez)\n");
}

TEST(PhenomenonCsv, HeaderAndRows) {
  // Mistakes: the columns out of the header's order, the error in minutes
  // for seconds, "Venus, Júpiter" unquoted (an extra column), a decimal
  // comma in the CSV, the UTC column in local time, LF for CRLF.
  EXPECT_EQ(report::PhenomenonCsvHeader(), "instant,utc,kind,bodies,description,value,unit,error_seconds,method_instant\r\n");
  EXPECT_EQ(report::PhenomenonCsvRow(MarsOpposition(), PlusOne()),
            "2027-02-19T16:44:00+01:00,2027-02-19T15:44:00+00:00,opposition,Marte,Marte en oposición (magnitud -1.2),"
            "-1.24,magnitude,-180,2027-02-19T16:41:00+01:00\r\n");
  EXPECT_EQ(report::PhenomenonCsvRow(VenusAndJupiter(), PlusOne()),
            "2027-08-11T00:30:00+01:00,2027-08-10T23:30:00+00:00,close-approach,\"Venus, Júpiter\","
            "Venus a 0.5° de Júpiter,0.52,degrees,0,2027-08-11T00:30:00+01:00\r\n");
}

TEST(PhenomenonJson, OneObject) {
  // Mistakes: the Julian day of the method's instant for the reference's
  // (2461456.1534722224), the value rounded as the text is (-1.2), an
  // absent reference minimum left out instead of null, the method's
  // difference with its sign turned (it is three minutes earlier).
  const std::string json = report::PhenomenonJson(MarsOpposition(), PlusOne());
  const std::size_t method = json.find(", \"method\": ");
  ASSERT_NE(method, std::string::npos) << json;
  const std::string beside = ", \"method\": {\"instant\": \"2027-02-19T16:41:00+01:00\", \"difference\": -2.9999";
  EXPECT_EQ(json.compare(method, beside.size(), beside), 0) << json;
  EXPECT_EQ(json.substr(0, method) + "}\n",
            "{\"instant\": \"2027-02-19T16:44:00+01:00\", \"utc\": \"2027-02-19T15:44:00+00:00\", "
            "\"julianDay\": 2461456.1555555556, \"kind\": \"opposition\", \"bodies\": \"Marte\", "
            "\"description\": \"Marte en oposición (magnitud -1.2)\", \"value\": -1.24, \"unit\": \"magnitude\", "
            "\"errorSeconds\": -180, \"methodInstant\": \"2027-02-19T16:41:00+01:00\", "
            "\"methodJulianDay\": 2461456.1534722224, \"referenceInstant\": \"2027-02-19T16:44:00+01:00\", "
            "\"referenceMinimum\": null}\n");
}

TEST(PhenomenonCalendar, UidAndEvent) {
  // Mistakes: the UID from the local date (a close approach at 00:30 local
  // is the 10th in UTC), the summary's comma not escaped (RFC 5545 "\,"),
  // a line longer than 75 octets not folded, the local time in DTSTART.
  EXPECT_EQ(report::PhenomenonUid(MarsOpposition()), "opposition-marte-20270219@orbitas");
  EXPECT_EQ(report::PhenomenonUid(VenusAndJupiter()), "close-approach-venus-júpiter-20270810@orbitas");
  EXPECT_EQ(Calendar.Event(MarsOpposition()),
            "BEGIN:VEVENT\r\nUID:opposition-marte-20270219@orbitas\r\nDTSTAMP:20270115T080000Z\r\n"
            "DTSTART:20270219T154400Z\r\nSUMMARY:Marte en oposición (magnitud -1\\,2)\r\n"
            "DESCRIPTION:Marte en oposición (magnitud -1\\,2).\r\nTRANSP:TRANSPARENT\r\nEND:VEVENT\r\n");
  EXPECT_EQ(Calendar.Begin(), "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Órbitas//orbitas-cli//ES\r\n"
                              "CALSCALE:GREGORIAN\r\nMETHOD:PUBLISH\r\n");
  EXPECT_EQ(Calendar.End(), "END:VCALENDAR\r\n");
}

TEST(PhenomenonCalendar, ShowerAndEclipseEvents) {
  // Mistakes: the shower's UID from its name for its IMO code, the eclipse's
  // without its type, a fold inside a multi-byte character.
  EXPECT_EQ(Calendar.Event(PerseidsPeak()),
            "BEGIN:VEVENT\r\nUID:meteor-shower-per-20270813@orbitas\r\nDTSTAMP:20270115T080000Z\r\n"
            "DTSTART:20270813T070000Z\r\n"
            "SUMMARY:Máximo de las Perseidas (PER): THZ 100\\, la Luna iluminada al 25 \r\n %\r\n"
            "DESCRIPTION:Máximo de las Perseidas (PER): THZ 100\\, la Luna iluminada \r\n"
            " al 25 %. Lista de la IMO.\r\n"
            "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n");
  EXPECT_EQ(Calendar.Event(PartialLunarEclipse()),
            "BEGIN:VEVENT\r\nUID:lunar-eclipse-partial-20280112@orbitas\r\nDTSTAMP:20270115T080000Z\r\n"
            "DTSTART:20280112T041300Z\r\nSUMMARY:Eclipse parcial de Luna (magnitud umbral 0\\,066)\r\n"
            "DESCRIPTION:Eclipse parcial de Luna (magnitud umbral 0\\,066).\r\n"
            "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n");
  EXPECT_EQ(report::YearEventCalendar(YearEvent{MarsOpposition()}, Calendar), Calendar.Event(MarsOpposition()));
}

TEST(PhenomenonCalendar, EntriesKeptAndWrittenLater) {
  // An entry kept (as the planner's list keeps it) is written as the event
  // itself; a best time's UID is the item's and the night's date. Mistakes:
  // the entry's end lost, the night's date with its hyphens in the UID.
  for (const YearEvent& event : {YearEvent{MarsOpposition()}, Shower(), YearEvent{PartialLunarEclipse()}}) {
    const std::optional<report::CalendarEntry> entry = report::EntryOf(event);
    ASSERT_TRUE(entry);
    EXPECT_EQ(Calendar.Event(*entry), report::YearEventCalendar(event, Calendar));
  }
  const report::CalendarEntry best = report::BestTimeEntry("marte", "Marte", "2027-02-19", Instant::FromUt(2461456.1),
                                                           "Altura 50°.");
  EXPECT_EQ(best.uid, "mejor-marte-20270219@orbitas");
  EXPECT_EQ(best.summary, "Marte: mejor momento de la noche");
  EXPECT_NE(Calendar.Event(best).find("UID:mejor-marte-20270219@orbitas\r\n"), std::string::npos);
}

TEST(YearList, LinesWithMinusSignsInTheObserversWords) {
  // Mistakes: the hyphen left in a negative number of the year's text
  // (U+2212 wanted), where the numbers come from said on every line, the
  // shower's peak in UT, the method's instant without --metodo.
  EXPECT_EQ(report::YearEventLine(YearEvent{MarsOpposition()}, PlusOne(), ","),
            "vie 19 feb 2027 16:44  Marte en oposición (magnitud \u22121,2)\n");
  EXPECT_EQ(report::YearEventLineWithMethod(YearEvent{MarsOpposition()}, PlusOne(), ","),
            report::PhenomenonLine(MarsOpposition(), PlusOne(), ",", true));
  EXPECT_EQ(report::YearEventLine(YearEvent{PartialLunarEclipse()}, PlusOne(), ","),
            "mié 12 ene 2028 05:13  Eclipse parcial de Luna (magnitud umbral 0,066)\n");
  EXPECT_EQ(report::ShowerDescription(PerseidsPeak(), report::ForPeople(",")), "Máximo de las Perseidas (PER): THZ 100, la Luna iluminada al 25 %");
  EXPECT_EQ(report::YearEventLine(Shower(), PlusOne(), ","),
            "vie 13 ago 2027 08:00  Máximo de las Perseidas (PER): THZ 100, la Luna iluminada al 25 %\n");
}

TEST(YearList, CsvRowsOfTheReferencesEvents) {
  // Mistakes: "Sol, Luna" or the shower's comma-holding description left
  // unquoted, the ZHR in the error's column, ASCII-for-U+2212 reversed
  // (the CSV keeps '-').
  EXPECT_EQ(report::YearEventCsvRow(YearEvent{MarsOpposition()}, PlusOne()),
            report::PhenomenonCsvRow(MarsOpposition(), PlusOne()));
  const std::string eclipse = report::YearEventCsvRow(YearEvent{PartialLunarEclipse()}, PlusOne());
  EXPECT_EQ(eclipse, "2028-01-12T05:13:00+01:00,2028-01-12T04:13:00+00:00,lunar-eclipse,\"Sol, Luna\","
                     "Eclipse parcial de Luna (magnitud umbral 0.066),,,,\r\n");
  const std::string shower = report::YearEventCsvRow(Shower(), PlusOne());
  EXPECT_EQ(shower, "2027-08-13T08:00:00+01:00,2027-08-13T07:00:00+00:00,meteor-shower,,"
                    "\"Máximo de las Perseidas (PER): THZ 100, la Luna iluminada al 25 %\",100,zhr,,\r\n");
}

// Fields of a CSV row, quotes respected.
int CsvFieldCount(const std::string& row) {
  int fields = 1;
  bool quoted = false;
  for (const char c : row) {
    if (c == '"') quoted = !quoted;
    else if (c == ',' && !quoted) ++fields;
  }
  return fields;
}

TEST(EventColumns, OneColumnForEveryWriter) {
  // Mistakes: a column given one value in the CSV and another in the
  // window (the error's seconds against its words), a file's number with
  // the minus sign or a person's with the hyphen, an instant without its
  // offset, the window's headings out of step with its cells, a column
  // the JSON lacks.
  const YearEvent mars{MarsOpposition()};
  const struct {
    report::EventField field;
    std::string text, file, json;
    std::optional<double> key;
  } rows[] = {
      {report::EventField::Instant, "vie 19 feb 2027 16:44", "2027-02-19T16:44:00+01:00", "\"2027-02-19T16:44:00+01:00\"",
       testing::Jd(2027, 2, 19, 15, 44, 0)},
      {report::EventField::Value, "\u22121.24", "-1.24", "-1.24", -1.24},
      {report::EventField::Description, "Marte en oposición (magnitud \u22121,2)", "Marte en oposición (magnitud -1.2)",
       "\"Marte en oposición (magnitud -1.2)\"", std::nullopt},
      {report::EventField::ErrorSeconds, "error \u22123,0 min", "-180", "-180", -180},
      {report::EventField::ReferenceMinimum, "—", "", "null", std::nullopt},
  };
  for (const auto& r : rows) {
    const report::EventCell cell = report::EventCellOf(mars, r.field, PlusOne(), ",");
    EXPECT_EQ(cell.text, r.text) << static_cast<int>(r.field);
    EXPECT_EQ(cell.file, r.file) << static_cast<int>(r.field);
    EXPECT_EQ(cell.json, r.json) << static_cast<int>(r.field);
    EXPECT_EQ(cell.key, r.key) << static_cast<int>(r.field);
  }
  const std::vector<std::string> headings = report::YearEventColumns();
  const report::ViewRow row = report::YearEventRow(mars, PlusOne(), ",");
  ASSERT_EQ(row.cells.size(), headings.size());
  for (std::size_t k = 0; k < headings.size(); ++k) {
    const report::EventField field = report::EventViewFields[k];
    EXPECT_EQ(headings[k], report::EventFields[static_cast<std::size_t>(field)].heading);
    EXPECT_EQ(row.cells[k].text, report::EventCellOf(mars, field, PlusOne(), ",").text) << k;
  }
  const std::string json = report::PhenomenonJson(MarsOpposition(), PlusOne());
  for (const report::EventFieldName& name : report::EventFields) {
    EXPECT_NE(json.find("\"" + std::string(name.json) + "\": "), std::string::npos) << name.json;
  }
}

TEST(YearList, EveryRowHasTheHeadersColumns) {
  // Mistake: a column added to one kind of row (method_instant, last) and
  // not to the others: RFC 4180 wants as many fields in every row, and a
  // reader that maps by the header finds it missing.
  const int columns = CsvFieldCount(report::PhenomenonCsvHeader());
  ASSERT_EQ(columns, 9);
  EXPECT_EQ(CsvFieldCount(report::YearEventCsvRow(YearEvent{MarsOpposition()}, PlusOne())), columns);
  EXPECT_EQ(CsvFieldCount(report::YearEventCsvRow(YearEvent{PartialLunarEclipse()}, PlusOne())), columns);
  EXPECT_EQ(CsvFieldCount(report::YearEventCsvRow(Shower(), PlusOne())), columns);
}

TEST(YearList, JsonOfTheShowersPeak) {
  // Mistakes: the Moon's lit fraction as a percentage (25), the night
  // left out instead of null without a place, the local time as utc.
  EXPECT_EQ(report::YearEventJson(YearEvent{MarsOpposition()}, PlusOne()), report::PhenomenonJson(MarsOpposition(), PlusOne()));
  const std::string json = report::YearEventJson(Shower(), PlusOne());
  EXPECT_EQ(json.substr(0, json.find(", \"radiant\"")),
            "{\"kind\": \"meteor-shower\", \"instant\": \"2027-08-13T08:00:00+01:00\", \"utc\": \"2027-08-13T07:00:00+00:00\", "
            "\"julianDay\": 2461630.7916666665, \"deltaT\": 70, \"description\": \"Máximo de las Perseidas (PER): THZ 100, "
            "la Luna iluminada al 25 %\", \"source\": \"ERFA\", \"type\": null, \"code\": \"PER\", \"name\": \"Perseidas\", "
            "\"solarLongitude\": 140, \"zhr\": 100");
  EXPECT_NE(json.find(", \"speed\": 59, \"moonIlluminated\": 0.25, \"night\": null}\n"), std::string::npos) << json;
}

TEST(YearList, WindowRows) {
  // Mistakes: a cell out of the columns' order, the hyphen kept in the
  // window's text, the row's time the method's instead of the reference's.
  const std::vector<std::string> columns = {"Fecha", "Suceso", "Astros", "Según el método", "Error"};
  EXPECT_EQ(report::YearEventColumns(), columns);
  const report::ViewRow row = report::YearEventRow(YearEvent{MarsOpposition()}, PlusOne(), ",");
  std::vector<std::string> cells;
  for (const report::ViewCell& c : row.cells) cells.push_back(c.text);
  const std::vector<std::string> expected = {"vie 19 feb 2027 16:44", "Marte en oposición (magnitud \u22121,2)", "Marte",
                                             "vie 19 feb 2027 16:41", "error \u22123,0 min"};
  EXPECT_EQ(cells, expected);
  EXPECT_EQ(row.body, Body::Mars);
  ASSERT_TRUE(row.time);
  EXPECT_DOUBLE_EQ(row.time->ut, MarsOpposition().referenceTime->ut);
}

}  // namespace
}  // namespace orbitas

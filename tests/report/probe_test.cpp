#include <gtest/gtest.h>
#include <cstdio>
#include "report/phenomena_output.h"
#include "report/year_output.h"
#include "report/calendar_file.h"
#include "report/view_rows.h"
#include "report/eclipse_output.h"
#include "report/json.h"
#include "report/text_layout.h"
#include "tests/support/report_answers.h"
namespace orbitas { namespace {
using namespace testing;
void P(const char* what, const std::string& s) { std::printf("<<%s>>\n%s\n<<end>>\n", what, s.c_str()); }
TEST(Probe, Out) {
  const TimeZone& z = PlusOne();
  for (const Phenomenon& p : {MarsOpposition(), VenusAndJupiter()}) {
    P("desc", report::PhenomenonDescription(p, ","));
    P("err", report::TimeErrorText(p, ","));
    P("line", report::PhenomenonLine(p, z, ","));
    P("csvh", report::PhenomenonCsvHeader());
    P("csv", report::PhenomenonCsvRow(p, z));
    P("json", report::PhenomenonJson(p, z));
    P("bodies", report::PhenomenonBodies(p));
    P("uid", report::PhenomenonUid(p));
    P("yline", report::YearEventLine(YearEvent{p}, z, ","));
    P("ycsv", report::YearEventCsvRow(YearEvent{p}, z));
    P("yjson", report::YearEventJson(YearEvent{p}, z));
    report::CalendarFile cal(1800000000);
    P("ycal", report::YearEventCalendar(YearEvent{p}, cal));
    report::ViewRow r = report::YearEventRow(YearEvent{p}, z, ",");
    for (auto& c : r.cells) P("cell", c.text);
  }
  for (auto& c : report::YearEventColumns()) P("col", c);
  const EclipseSeen e = PartialLunarEclipse();
  P("eline", report::EclipseLine(e, z, ","));
  P("etext", report::EclipseText(e, nullptr, z, ","));
  P("ejson", report::EclipseJson(e, z));
  P("ecsvh", report::EclipseCsvHeader());
  P("ecsv", report::EclipseCsvRow(e, z));
  P("esum", report::EclipseSummary(e, ","));
  P("ehead", report::EclipseListHeading(nullptr, z));
  report::CalendarFile cal(1800000000);
  P("ecal", cal.Event(e));
  P("yline", report::YearEventLine(YearEvent{e}, z, ","));
  P("ycsv", report::YearEventCsvRow(YearEvent{e}, z));
  P("yjson", report::YearEventJson(YearEvent{e}, z));
  for (auto& c : report::EclipseRow(e, z, ",").cells) P("ecell", c.text);
  const ShowerPeak s = PerseidsPeak();
  P("sdesc", report::ShowerDescription(s, ","));
  YearEvent ys{ShowerPeakSeen{s, std::nullopt}};
  P("sline", report::YearEventLine(ys, z, ","));
  P("scsv", report::YearEventCsvRow(ys, z));
  P("sjson", report::YearEventJson(ys, z));
  P("scal", cal.Event(s));
  P("begin", cal.Begin()); P("end", cal.End());
}
}}

// One instant as the command line prints it, and the rows of a table in
// its three formats: a fixed outcome of Mars with round numbers and the
// window's label texts (tests/support/report_answers.h).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/instant_output.h"
#include "report/table_rows.h"
#include "report/text_layout.h"
#include "tests/support/report_answers.h"

namespace orbitas {
namespace {

using testing::MarsInstant;
using testing::MarsOutcome;

const char* const Values =
    "{\"EarthX\": -0.25, \"EarthY\": 0.5, \"EarthZ\": 0.75, \"EarthRadius\": 1.5, \"PlanetX\": 1.5, \"PlanetY\": -0.5, "
    "\"PlanetZ\": 0.25, \"PlanetRadius\": 1.6, \"RightAscensionHours\": 22.0616, \"Declination\": -13.0236, "
    "\"GeoDistance\": 1.75, \"RightAscensionDeg\": 330.924}";
const char* const Labels =
    "{\"rhelt\": \"1.5\", \"xhelt\": \"-0.25\", \"yhelt\": \"0.5\", \"zhelt\": \"0.75\", "
    "\"planetahel\": \"Coordenadas heliocéntricas de Marte\", \"rhelp\": \"1.6\", \"xhelp\": \"1.5\", \"yhelp\": \"-0.5\", "
    "\"zhelp\": \"0.25\", \"planetaec\": \"Coordenadas ecuatoriales de Marte\", \"ascrec\": \"330.924\", "
    "\"declin\": \"-13.0236\", \"arh\": \"22\", \"arm\": \"3\", \"ars\": \"41.752\", \"signo\": \"-\", \"dg\": \"-13\", "
    "\"dam\": \"1\", \"das\": \"24.911\", \"rv\": \"1.75\"}";

TEST(InstantOutput, TheReadableBlocks) {
  // Mistakes: the Earth's block after the planet's, the sexagesimal lines
  // left out or without their units, the window's texts reformatted (its
  // own '-' kept: these are the window's labels, not numbers of ours).
  EXPECT_EQ(report::InstantAsText(MarsInstant()),
            "Hora decimal: 12\n"
            "Día juliano:  2461421\n"
            "\n"
            "Coordenadas heliocéntricas de la Tierra\n"
            "  X     -0.25\n"
            "  Y     0.5\n"
            "  Z     0.75\n"
            "  R     1.5\n"
            "\n"
            "Coordenadas heliocéntricas de Marte\n"
            "  X     1.5\n"
            "  Y     -0.5\n"
            "  Z     0.25\n"
            "  R     1.6\n"
            "\n"
            "Coordenadas ecuatoriales de Marte\n"
            "  α     330.924\n"
            "        22 h 3 m 41.752 s\n"
            "  δ     -13.0236\n"
            "        - -13° 1′ 24.911″\n"
            "  RVec  1.75\n");
}

TEST(InstantOutput, AnUnfinishedPlanetIsNotPrinted) {
  // Mistake: a block printed from half-written labels (rv not reached).
  InstantOutcome o = MarsInstant();
  o.planets[0].labels.Clear();
  o.planets[0].labels.Set(ResultLabel::rhelt, "1.5");
  EXPECT_EQ(report::InstantAsText(o).find("Marte"), std::string::npos);
}

TEST(InstantOutput, Json) {
  // Mistakes: the Julian day as the label's text (a string), the values
  // rounded as the labels are, an error's kind left out.
  const std::string planet = std::string("{\"body\": 4, \"name\": \"Marte\", \"labels\": ") + Labels + ", \"values\": " + Values + "}";
  EXPECT_EQ(report::PlanetValuesAsJson(MarsOutcome()), Values);
  EXPECT_EQ(report::InstantAsJson(MarsInstant()),
            "{\"horadec\": \"12\", \"diajuliano\": \"2461421\", \"JulianDay\": 2461421, \"planets\": [" + planet + "]}\n");
  InstantOutcome stopped = MarsInstant();
  stopped.error = ErrorKind{};
  EXPECT_EQ(report::InstantAsJson(stopped),
            "{\"horadec\": \"12\", \"diajuliano\": \"2461421\", \"JulianDay\": 2461421, \"planets\": [" + planet +
                "], \"error\": {\"kind\": \"overflow\", \"message\": \"Desbordamiento\"}}\n");
  std::string row;
  report::AppendJsonRow(row, "2027-01-15T12:00:00", MarsInstant());
  EXPECT_EQ(row, "{\"instant\": \"2027-01-15T12:00:00\", \"horadec\": \"12\", \"diajuliano\": \"2461421\", "
                 "\"JulianDay\": 2461421, \"planets\": [" + planet + "]}\n");
}

TEST(TableRows, CsvHeaderAndRows) {
  // Mistakes: the columns out of the header's order, the sexagesimal
  // fields as numbers, the instant's cached columns reused for a new
  // instant or for new Earth values, LF for CRLF.
  EXPECT_EQ(report::TableHeader(report::TableFormat::Csv),
            "instant,julian_day,body,planet,earth_x,earth_y,earth_z,earth_r,planet_x,planet_y,planet_z,planet_r,"
            "ra_hours,ra_h,ra_m,ra_s,dec_degrees,dec_sign,dec_d,dec_m,dec_s,distance\r\n");
  EXPECT_EQ(report::TableHeader(report::TableFormat::Csv, true),
            "instant,julian_day,body,planet,earth_x,earth_y,earth_z,earth_r,planet_x,planet_y,planet_z,planet_r,"
            "ra_hours,ra_h,ra_m,ra_s,dec_degrees,dec_sign,dec_d,dec_m,dec_s,distance,altitude,azimuth,method_error\r\n");
  EXPECT_EQ(report::TableHeader(report::TableFormat::Json), "");
  const PlanetOutcome mars = MarsOutcome();
  PlanetOutcome moved = mars;
  moved.values.earth.x = -0.125;
  report::CsvRows csv;
  std::string out;
  csv.Append(out, {"2027-01-15T12:00:00", 2461421.0, "2461421", &mars, "."});
  csv.Append(out, {"2027-01-16T12:00:00", 2461422.0, "2461422", &mars, "."});
  csv.Append(out, {"2027-01-16T12:00:00", 2461422.0, "2461422", &moved, "."});
  const std::string tail = ",4,Marte,%s,0.5,0.75,1.5,1.5,-0.5,0.25,1.6,22.0616,22,3,41.752,-13.0236,-,-13,1,24.911,1.75\r\n";
  const auto row = [&](const char* head, const char* x) {
    std::string t = tail;
    t.replace(t.find("%s"), 2, x);
    return head + t;
  };
  EXPECT_EQ(out, row("2027-01-15T12:00:00,2461421", "-0.25") + row("2027-01-16T12:00:00,2461422", "-0.25") +
                     row("2027-01-16T12:00:00,2461422", "-0.125"));
}

// The display column where each of the line's fields begins.
std::vector<std::size_t> Starts(const std::string& line, const std::vector<std::string>& fields) {
  std::vector<std::size_t> starts;
  std::size_t from = 0;
  for (const std::string& f : fields) {
    const std::size_t at = line.find(f, from);
    if (at == std::string::npos) return starts;
    starts.push_back(report::DisplayWidth(line.substr(0, at)));
    from = at + f.size();
  }
  return starts;
}

TEST(TableRows, TextColumnsUnderTheirHeadings) {
  // Mistakes: a width counted in bytes ("Día", "α", "δ" are wider in
  // bytes), a field out of its heading's order, the row's fields in
  // another order than the header's.
  const std::string header = report::TableHeader(report::TableFormat::Text);
  const std::vector<std::string> headings = {"Fecha y hora", "Día juliano", "Planeta",   "X Tierra",  "Y Tierra",
                                             "Z Tierra",     "R Tierra",    "X planeta", "Y planeta", "Z planeta",
                                             "R planeta",    "α (h)",       "α h m s",   "δ (°)",     "δ ° ′ ″",
                                             "RVec"};
  const PlanetOutcome mars = MarsOutcome();
  std::string line;
  report::AppendTextRow(line, {"2027-01-15T12:00:00", 2461421.0, "2461421", &mars, "."});
  const std::vector<std::string> fields = {"2027-01-15T12:00:00", "2461421", "Marte", "-0.25", "0.5", "0.75", "1.5",
                                           "1.5", "-0.5", "0.25", "1.6", "330.924", "22 3 41.752", "-13.0236",
                                           "- -13 1 24.911", "1.75"};
  const std::vector<std::size_t> headingStarts = Starts(header, headings), fieldStarts = Starts(line, fields);
  ASSERT_EQ(headingStarts.size(), headings.size()) << header;
  ASSERT_EQ(fieldStarts.size(), fields.size()) << line;
  EXPECT_EQ(fieldStarts, headingStarts) << header << line;
  EXPECT_NE(report::TableHeader(report::TableFormat::Text, true).find("Altura      Acimut      ±"), std::string::npos);
}

}  // namespace
}  // namespace orbitas

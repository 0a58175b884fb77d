// Tonight's tour as text and CSV.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "report/text_layout.h"
#include "report/tour_output.h"

namespace orbitas::report {
namespace {

const TourAnswer& SevillaTour() {
  static const TourAnswer answer = [] {
    SkyRequest request;
    request.place = Place(37.3828, -5.9732, "Sevilla");
    request.zone = TimeZone::FixedOffset(3600, "CET");
    request.date.year = 2026, request.date.month = 12, request.date.day = 14;
    request.bodies = {Body::Mercury, Body::Venus, Body::Saturn};
    TourChoice choice;
    choice.catalogue = TourCatalogue::Messier;
    choice.withUnseen = true;
    return RunTour(request, choice);
  }();
  return answer;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(TourText, ColumnsLineUpAndNumbersAreForPeople) {
  // Mistakes: a column padded by bytes, not by what is shown (every "é"
  // and "°" shifting the next one), the hyphen for Venus's −4,7, the point
  // for the comma.
  const std::vector<std::string> lines = Lines(TourText(SevillaTour(), ","));
  std::size_t heading = 0;
  while (heading < lines.size() && lines[heading].rfind("Hora ", 0) != 0) ++heading;
  ASSERT_LT(heading, lines.size());
  const auto column = [](const std::string& line, const std::string& word) {
    return DisplayWidth(line.substr(0, line.find(word)));
  };
  const std::size_t rating = column(lines[heading], "Dificultad");
  int rows = 0;
  for (std::size_t i = heading + 1; i < lines.size() && !lines[i].empty(); ++i, ++rows) {
    const std::string& line = lines[i];
    for (const char* word : {"fácil", "asequible", "difícil", "no se verá"}) {
      if (line.find(word) != std::string::npos) {
        EXPECT_EQ(column(line, word), rating) << line;
      }
    }
  }
  EXPECT_GT(rows, 100) << "the 110 Messier objects with --todos, and the planets";
  const std::string text = TourText(SevillaTour(), ",");
  EXPECT_NE(text.find("Venus"), std::string::npos);
  EXPECT_NE(text.find("\u22124,7"), std::string::npos);
  EXPECT_NE(text.find("M31 Galaxia de Andrómeda"), std::string::npos);
  EXPECT_NE(text.find("OpenNGC"), std::string::npos) << "the sources say where the objects come from";
}

TEST(TourCsv, OneRowAStopWithFilesNumbers) {
  // Mistakes: the minus sign or the decimal comma in a file, a reason
  // holding a comma not quoted (a row with one field too many), a row
  // missing for the unseen.
  const std::string csv = TourCsv(SevillaTour());
  const std::vector<std::string> lines = Lines(csv);
  ASSERT_GT(lines.size(), 1u);
  const auto fields = [](const std::string& line) {
    int n = 1;
    bool quoted = false;
    for (const char c : line) {
      if (c == '"') {
        quoted = !quoted;
      } else if (c == ',' && !quoted) {
        ++n;
      }
    }
    return n;
  };
  const int columns = fields(lines[0]);
  EXPECT_EQ(columns, 13);
  for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(fields(lines[i]), columns) << lines[i];
  EXPECT_EQ(lines.size() - 1, SevillaTour().stops.size());
  EXPECT_EQ(csv.find("\u2212"), std::string::npos);
  EXPECT_NE(csv.find(",-4.7,"), std::string::npos);
  EXPECT_NE(csv.find("deepSky,M31,M31 Galaxia de Andrómeda,galaxia,Andrómeda,3.4,"), std::string::npos);
  EXPECT_NE(csv.find("notTonight"), std::string::npos);
}

}  // namespace
}  // namespace orbitas::report

#include "session/planet_request.h"

#include <gtest/gtest.h>

#include "tests/support/runtime_error_check.h"

#include <map>
#include <vector>

#include "ephemeris/angles.h"
#include "runtime/number_text.h"

namespace orbitas {
namespace {

// The labels one request wrote, in label order, by name.
struct RecordingDisplay {
  void Record(const LabelTexts& labels) {
    order.clear();
    for (std::size_t k = 0; k < ResultLabelCount; ++k) {
      const auto label = static_cast<ResultLabel>(k);
      if (!labels.Written(label)) continue;
      order.emplace_back(LabelName(label));
      texts[std::string(LabelName(label))] = std::string(labels[label]);
    }
  }
  std::vector<std::string> order;
  std::map<std::string, std::string> texts;
};

class PlanetRequestTest : public ::testing::Test {
 protected:
  void SetUp() override { FillElements(elements); }
  void Request(Int16 body, double jd, std::string_view separator = ".") {
    LabelTexts labels;
    try {
      RunPlanetRequest(elements, jd, body, separator, values, labels);
    } catch (const RuntimeError&) {
      display.Record(labels);
      throw;
    }
    display.Record(labels);
  }
  ElementsTable elements{};
  PlanetRequestValues values;
  RecordingDisplay display;
};

TEST_F(PlanetRequestTest, MarsFillsEveryLabelInOrder) {
  Request(4, 2451545.0);
  EXPECT_EQ(display.order, std::vector<std::string>(ResultLabelNames.begin(), ResultLabelNames.end()));
  const std::map<std::string, std::string> expected = {
      {"planetahel", "Coordenadas heliocéntricas de Marte"},
      {"planetaec", "Coordenadas ecuatoriales de Marte"},
      {"zhelt", "-5.25647741769397E-06"},
      {"arh", "22"}, {"arm", "3"}, {"ars", "41.752"},
      {"signo", "-"}, {"dg", "-13"}, {"dam", "1"}, {"das", "24.911"}};
  for (const auto& [label, text] : expected) EXPECT_EQ(display.texts[label], text) << label;
  EXPECT_EQ(display.texts["rv"].substr(0, 13), "1.85196817032");
  EXPECT_EQ(values.planetNames[5], "Júpiter");
  EXPECT_EQ(values.planetNames[0], "");
}

TEST_F(PlanetRequestTest, JupiterAfterMarsClearsTheSign) {
  Request(4, 2451545.0);
  Request(5, 2451545.0);
  const std::map<std::string, std::string> expected = {
      {"signo", ""}, {"dg", "8"}, {"dam", "36"}, {"das", "6.072"},
      {"arh", "1"}, {"arm", "35"}, {"ars", "33.236"}};
  for (const auto& [label, text] : expected) EXPECT_EQ(display.texts[label], text) << label;
}

TEST_F(PlanetRequestTest, SpanishSeparator) {
  Request(4, 2451545.0, ",");
  EXPECT_EQ(display.texts["ars"], "41,752");
  EXPECT_EQ(display.texts["zhelt"], "-5,25647741769397E-06");
  EXPECT_EQ(display.texts["rv"].substr(0, 13), "1,85196817032");
}

TEST_F(PlanetRequestTest, DeclinationJustBelowZeroShowsSignAndZeroDegrees) {
  // Venus crosses the equator southward within a year of J2000.
  for (double jd = 2451545.0; jd < 2451545.0 + 600; jd += 0.25) {
    Request(2, jd);
    const double dec = values.equatorial.declination;
    if (dec < 0 && dec > -1) {
      EXPECT_EQ(display.texts["signo"], "-");
      EXPECT_EQ(display.texts["dg"], "0");
      EXPECT_EQ(display.texts["dam"], CStr(std::floor(-dec * 60)));
      return;
    }
  }
  FAIL() << "no declination between -1 and 0 found";
}

TEST_F(PlanetRequestTest, MercuryPastItsLimitShowsTheEarthThenStops) {
  Request(4, 2451545.0);
  EXPECT_RUNTIME_ERROR(Request(1, 6000000), ErrorKind::Overflow);
  EXPECT_EQ(display.order, (std::vector<std::string>{"rhelt", "xhelt", "yhelt", "zhelt"}));
  EXPECT_EQ(display.texts["planetahel"], "Coordenadas heliocéntricas de Marte");
}

TEST_F(PlanetRequestTest, InvalidBodyFailsBeforeAnyLabel) {
  struct Case {
    Int16 body;
    ErrorKind kind;
  };
  for (const Case c : {Case{0, ErrorKind::SubscriptOutOfRange}, Case{10, ErrorKind::SubscriptOutOfRange},
                       Case{5000, ErrorKind::Overflow}}) {
    EXPECT_RUNTIME_ERROR(Request(c.body, 2451545.0), c.kind) << "body " << c.body;
  }
  EXPECT_TRUE(display.order.empty());
}

TEST_F(PlanetRequestTest, SameRequestTwiceShowsTheSameTexts) {
  Request(9, 0.0);
  const auto first = display.texts;
  Request(9, 0.0);
  EXPECT_EQ(display.texts, first);
}

}  // namespace
}  // namespace orbitas

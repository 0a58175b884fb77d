// --carta with a deep-sky object: a designation where no planet is named
// (M31, "NGC 869", c14), and a clear refusal naming the value when it is
// neither.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/usage_error.h"

namespace orbitas::cli {
namespace {

Arguments Chart(const std::string& name) {
  return ParseArguments({"--carta", name, "2026-12-14", "--dibujo", "carta.svg"});
}

// A designation read as a planet's name (and refused), or a planet read
// as an object, would each break one of these.
TEST(ChartOfAnObject, ADesignationIsTakenWhereNoPlanetIsNamed) {
  for (const std::string name : {"M31", "NGC 869", "c14", "ngc0224"}) {
    const Arguments parsed = Chart(name);
    EXPECT_EQ(parsed.command, Command::Chart);
    EXPECT_TRUE(parsed.bodies.empty()) << name;
    EXPECT_EQ(parsed.deepSky, std::vector<std::string>{name});
  }
  const Arguments uranus = Chart("Urano");
  EXPECT_EQ(uranus.bodies.size(), 1u);
  EXPECT_TRUE(uranus.deepSky.empty());
}

// Neither a planet nor an object: refused in Spanish, naming the value.
TEST(ChartOfAnObject, NeitherPlanetNorObjectIsRefusedByName) {
  for (const std::string name : {"Andrómeda", "M200", "NGC 99999"}) {
    try {
      Chart(name);
      FAIL() << name << " was taken";
    } catch (const UsageError& e) {
      const std::string what = e.what();
      EXPECT_NE(what.find(name), std::string::npos) << what;
      EXPECT_NE(what.find("objeto de cielo profundo"), std::string::npos) << what;
    }
  }
  // The Earth keeps its own reason.
  try {
    Chart("Tierra");
    FAIL();
  } catch (const UsageError& e) {
    EXPECT_NE(std::string(e.what()).find("Tierra"), std::string::npos);
  }
}

}  // namespace
}  // namespace orbitas::cli

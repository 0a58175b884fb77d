// The constellation of a direction: bright stars where every atlas puts
// them, both sides of a boundary of the table, and every constellation
// reachable with its Spanish name.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "session/names.h"
#include "sky/tables/constellation.h"

namespace orbitas {
namespace {

TEST(Constellation, BrightStarsAtTheirJ2000Positions) {
  struct Case {
    const char* star;
    double ra, dec;  // hours, degrees, J2000
    const char* abbreviation;
    const char* name;
  };
  const Case cases[] = {
      {"Polar", 2.530301, 89.264109, "UMi", "Osa Menor"},  {"Betelgeuse", 5.919529, 7.407064, "Ori", "Orión"},
      {"Sirio", 6.752477, -16.716116, "CMa", "Can Mayor"}, {"Vega", 18.615649, 38.783689, "Lyr", "Lira"},
      {"Régulo", 10.139532, 11.967207, "Leo", "Leo"},      {"Antares", 16.490128, -26.432003, "Sco", "Escorpio"},
      {"Espiga", 13.419883, -11.161319, "Vir", "Virgo"},   {"Fomalhaut", 22.960785, -29.622237, "PsA", "Pez Austral"},
      {"Canopo", 6.399197, -52.695661, "Car", "Quilla"},   {"Deneb", 20.690532, 45.280339, "Cyg", "Cisne"},
      {"Ácrux", 12.443311, -63.099093, "Cru", "Cruz del Sur"},
  };
  for (const Case& c : cases) {
    const std::string_view found = ConstellationAt(c.ra, c.dec);
    EXPECT_EQ(found, c.abbreviation) << c.star;
    EXPECT_EQ(ConstellationName(found), c.name) << c.star;
  }
}

TEST(Constellation, EitherSideOfABoundaryOfTheTable) {
  // At 10 h the band of the Little Bear starts at +86.5° (B1875); below it
  // lies the Giraffe.
  EXPECT_EQ(ConstellationAtB1875(10.0, 86.5001), "UMi");
  EXPECT_EQ(ConstellationAtB1875(10.0, 86.4999), "Cam");
  // Leo's band from 9.25 h: just west of it, at +20°, Cancer.
  EXPECT_EQ(ConstellationAtB1875(9.2501, 20.0), "Leo");
  EXPECT_EQ(ConstellationAtB1875(9.2499, 20.0), "Cnc");
  EXPECT_EQ(ConstellationAtB1875(0.0, -90.0), "Oct");
}

TEST(Constellation, EveryOneOfTheEightyEightHasItsSpanishName) {
  std::set<std::string> seen, names;
  for (double dec = -89.75; dec < 90; dec += 0.5) {
    for (double ra = 0.0; ra < 24; ra += 1.0 / 60) {
      const std::string_view c = ConstellationAtB1875(ra, dec);
      seen.emplace(c);
      names.emplace(ConstellationName(c));
    }
  }
  EXPECT_EQ(seen.size(), 88u);
  EXPECT_EQ(names.size(), 88u) << "each its own name";
  EXPECT_EQ(ConstellationName("Osa Mayor"), "Osa Mayor") << "unknown abbreviations stand as they are";
}

}  // namespace
}  // namespace orbitas

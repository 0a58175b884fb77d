// The path of a solar eclipse on the Earth, beside the local circumstances
// and NASA's Five Millennium Canon.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "runtime/angle_units.h"
#include "sky/eclipses/eclipse_path.h"

namespace orbitas {
namespace {

SolarEclipse EclipseAfter(int year, int month, int day) {
  const double jd = 367.0 * year - std::floor(7 * (year + std::floor((month + 9) / 12.0)) / 4) +
                    std::floor(275 * month / 9.0) + day + 1721013.5;
  return *NextSolarEclipse(Span::Of(Instant::FromUt(jd), 60));
}

// The point distance km from one point towards another, on a sphere.
Place Towards(const PathPoint& from, const PathPoint& to, double distance) {
  const double p1 = from.latitude / DegreesPerRadian, p2 = to.latitude / DegreesPerRadian;
  const double dl = (to.longitude - from.longitude) / DegreesPerRadian;
  const double b = std::atan2(std::sin(dl) * std::cos(p2), std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl));
  const double a = distance / 6371.0, l1 = from.longitude / DegreesPerRadian;
  const double q = std::asin(std::sin(p1) * std::cos(a) + std::cos(p1) * std::sin(a) * std::cos(b));
  const double l = l1 + std::atan2(std::sin(b) * std::sin(a) * std::cos(p1), std::cos(a) - std::sin(p1) * std::sin(q));
  return Place(q * DegreesPerRadian, l * DegreesPerRadian);
}

TEST(EclipsePath, JustInsideEachLimitIsTotalJustOutsidePartial) {
  // 2 km inside a limit the local circumstances see the eclipse total, 2 km
  // outside partial, all along both paths where the Sun is up. Mistakes:
  // the limits of the umbra's section in the fundamental plane taken for
  // the ground's (tens of km off where the Sun is low), the Moon's mean
  // radius where the local circumstances use its valleys', north and south
  // swapped.
  for (const auto& [year, month] : {std::pair{2027, 7}, std::pair{2026, 8}}) {
    const SolarEclipse e = EclipseAfter(year, month, 1);
    const SolarEclipsePath p = SolarEclipsePathOf(e, 2);
    ASSERT_EQ(p.northLimit.size(), p.centralLine.size()) << year;
    ASSERT_EQ(p.southLimit.size(), p.centralLine.size()) << year;
    int checked = 0;
    for (std::size_t i = 0; i < p.centralLine.size(); i += 9) {
      for (const PathLine* limit : {&p.northLimit, &p.southLimit}) {
        const PathPoint& edge = (*limit)[i];
        if (edge.sunAltitude < 5) continue;
        SCOPED_TRACE(std::to_string(year) + " point " + std::to_string(i) + (limit == &p.northLimit ? " north" : " south"));
        const LocalSolarEclipse inside = SolarEclipseFrom(e, Towards(edge, p.centralLine[i], 2));
        const LocalSolarEclipse outside = SolarEclipseFrom(e, Towards(edge, p.centralLine[i], -2));
        ASSERT_TRUE(inside.type && outside.type);
        EXPECT_EQ(*inside.type, EclipseType::Total);
        EXPECT_EQ(*outside.type, EclipseType::Partial);
        ++checked;
      }
      // Near the pole (2026's path crosses the Arctic) north is a side of the track, not a latitude.
      if (std::fabs(p.centralLine[i].latitude) < 70) {
        EXPECT_GT(p.northLimit[i].latitude, p.southLimit[i].latitude);
      }
    }
    EXPECT_GT(checked, 8) << year;
  }
}

TEST(EclipsePath, TheCanonsDurationsAndWidths) {
  // NASA's Five Millennium Canon at greatest eclipse: 2027-08-02, total,
  // 6 min 23 s, 258 km; 2026-08-12, total, 2 min 18 s, 294 km; 2028-01-26,
  // annular, 10 min 27 s, 323 km. Mistakes: the duration of the central
  // line's point a minute off greatest, the width along the track instead
  // of across it, the antumbra's negative radius taken as its size.
  const struct {
    int year, month;
    EclipseType type;
    double seconds, width;
  } cases[] = {{2027, 7, EclipseType::Total, 383, 258},
               {2026, 8, EclipseType::Total, 138, 294},
               {2028, 1, EclipseType::Annular, 627, 323}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    const SolarEclipse e = EclipseAfter(c.year, c.month, 1);
    EXPECT_EQ(e.type, c.type);
    const SolarEclipsePath p = SolarEclipsePathOf(e);
    ASSERT_FALSE(p.centralLine.empty());
    const PathPoint* nearest = &p.centralLine.front();
    for (const PathPoint& q : p.centralLine)
      if (std::fabs(q.time.ut - e.greatest.ut) < std::fabs(nearest->time.ut - e.greatest.ut)) nearest = &q;
    ASSERT_TRUE(nearest->duration);
    EXPECT_NEAR(*nearest->duration, c.seconds, 2);
    ASSERT_TRUE(p.widthAtGreatest);
    EXPECT_NEAR(*p.widthAtGreatest, c.width, 5);
    const LocalSolarEclipse there = SolarEclipseFrom(e, Place(nearest->latitude, nearest->longitude));
    ASSERT_TRUE(there.type);
    EXPECT_EQ(*there.type, c.type);
  }
}

TEST(EclipsePath, ANonCentralEclipseHasNoCentralLine) {
  // 2014-04-29: the antumbra grazes Antarctica, its axis misses the
  // Earth. Mistake: a central line drawn off the Earth's limb.
  const SolarEclipse e = EclipseAfter(2014, 4, 1);
  EXPECT_FALSE(e.central);
  const SolarEclipsePath p = SolarEclipsePathOf(e);
  EXPECT_TRUE(p.centralLine.empty());
  EXPECT_TRUE(p.northLimit.empty() && p.southLimit.empty());
}

TEST(EclipsePath, CadizInsideSevillaOutside) {
  // 2027-08-02 from southern Spain: Cádiz total, Sevilla a 0.98 partial.
  // Mistake: the test of the path not the local circumstances' one.
  const SolarEclipse e = EclipseAfter(2027, 7, 1);
  const Place cadiz(36.5271, -6.2886), sevilla(37.3886, -5.9823);
  EXPECT_LT(CentralMargin(e, cadiz), 0);
  EXPECT_GT(CentralMargin(e, sevilla), 0);
  EXPECT_EQ(*SolarEclipseFrom(e, cadiz).type, EclipseType::Total);
  EXPECT_EQ(*SolarEclipseFrom(e, sevilla).type, EclipseType::Partial);
}

TEST(EclipsePath, LinesOfEqualMagnitudeLieBetweenTheLimits) {
  // Mistakes: the levels in the wrong order from the path outwards, a line
  // on the night side.
  const SolarEclipse e = EclipseAfter(2027, 7, 1);
  const SolarEclipsePath p = SolarEclipsePathOf(e, 5);
  ASSERT_EQ(p.magnitudes.size(), 4u);
  for (const MagnitudeLine& m : p.magnitudes) {
    ASSERT_FALSE(m.north.empty());
    for (const PathPoint& q : m.north) {
      EXPECT_GE(q.sunAltitude, 0);
      const LocalSolarEclipse l = SolarEclipseFrom(e, Place(q.latitude, q.longitude));
      EXPECT_NEAR(l.magnitude, m.magnitude, 0.002);
    }
  }
  EXPECT_FALSE(p.partialNorthLimit.empty());
  EXPECT_FALSE(p.partialSouthLimit.empty());
}

TEST(EclipsePath, ThePartialLimitsBeforeAndAfterTheCentralPhase) {
  // On each partial limit, the local circumstances see a magnitude of
  // nearly nothing: also at the instants the axis misses the Earth, and
  // for the non-central eclipse of 2014-04-29. Mistakes: the search begun
  // outside the penumbra (a limit found where there is none), a place's
  // greatest eclipse looked for too near the line's instant at the limb.
  for (const auto& [year, month] : {std::pair{2027, 7}, std::pair{2014, 4}}) {
    const SolarEclipse e = EclipseAfter(year, month, 1);
    const SolarEclipsePath p = SolarEclipsePathOf(e, 5);
    int checked = 0;
    for (const PathLine* limit : {&p.partialNorthLimit, &p.partialSouthLimit}) {
      for (std::size_t i = 0; i < limit->size(); i += 3) {
        const PathPoint& q = (*limit)[i];
        if (q.sunAltitude < 3) continue;
        const LocalSolarEclipse l = SolarEclipseFrom(e, Place(q.latitude, q.longitude));
        EXPECT_LT(l.magnitude, 0.01) << year << " " << q.latitude << " " << q.longitude;
        ++checked;
      }
    }
    EXPECT_GT(checked, 3) << year;
  }
}

TEST(EclipsePath, TheSunriseAndSunsetLimitsLieOnTheTerminator) {
  // Each point of those limits has the Sun on the horizon and the discs
  // just touching then; the non-central eclipse of 2014-04-29 has them
  // too. Mistakes: the terminator taken at the sub-solar point's antipode,
  // the contact's outer touch for the inner one.
  for (const auto& [year, month] : {std::pair{2027, 7}, std::pair{2014, 4}}) {
    const SolarEclipse e = EclipseAfter(year, month, 1);
    const SolarEclipsePath p = SolarEclipsePathOf(e, 5);
    ASSERT_FALSE(p.riseSetLimits.empty()) << year;
    for (const PathLine& line : p.riseSetLimits) {
      for (std::size_t i = 0; i < line.size(); i += 7) {
        EXPECT_NEAR(line[i].sunAltitude, 0, 0.6) << year;
        const LocalSolarEclipse l = SolarEclipseFrom(e, Place(line[i].latitude, line[i].longitude));
        ASSERT_FALSE(l.contacts.empty());
        const bool atAContact = std::any_of(l.contacts.begin(), l.contacts.end(), [&](const ContactEvent& c) {
          return (c.kind == Contact::C1 || c.kind == Contact::C4) && std::fabs(c.time.ut - line[i].time.ut) * 86400 < 90;
        });
        EXPECT_TRUE(atAContact) << year << " " << line[i].latitude << " " << line[i].longitude;
      }
    }
  }
}

TEST(EclipsePath, TheMoonOverheadAtEachContactOfALunarEclipse) {
  // The total lunar eclipse of 2026-03-03: from each contact's sub-lunar
  // point the Moon stands at the zenith then, and from its antipode below
  // the horizon. Mistakes: the longitude east for west, the Earth not
  // turned at the contact's instant.
  const LunarEclipse e = *NextLunarEclipse(Span::Of(Instant::FromUt(2461091.5), 30));
  EXPECT_EQ(e.type, EclipseType::Total);
  const std::vector<SubLunarPoint> points = SubLunarPoints(e);
  ASSERT_EQ(points.size(), e.contacts.size());
  for (const SubLunarPoint& p : points) {
    const LocalLunarEclipse here = LunarEclipseFrom(e, Place(p.latitude, p.longitude));
    const LocalLunarEclipse there = LunarEclipseFrom(e, Place(-p.latitude, p.longitude > 0 ? p.longitude - 180 : p.longitude + 180));
    for (std::size_t k = 0; k < here.contacts.size(); ++k) {
      if (here.contacts[k].kind != p.contact) continue;
      EXPECT_GT(here.contacts[k].sky->altitude, 88.5);
      EXPECT_LT(there.contacts[k].sky->altitude, -88.5);
    }
  }
}

}  // namespace
}  // namespace orbitas

// An eclipse on the map: the way to the path and what the map shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "pictures/eclipse_map_picture.h"
#include "session/eclipse_map.h"
#include "session/eclipse_map_contents.h"

namespace orbitas {
namespace {

// The first eclipse from 2027-08-01 (the total one of 2027-08-02) from place.
EclipseMapAnswer From(const Place& place) {
  SkyRequest request;
  request.place = place;
  request.zone = TimeZone::FixedOffset(7200, "CEST");
  request.at = Instant::FromUt(2461618.5);
  return RunEclipseMap(request);
}

// Whether p is inside the ring (even-odd rule).
bool InRing(const MapPolyline& ring, const MapPoint& p) {
  bool inside = false;
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    const auto& [xi, yi] = ring[i];
    const auto& [xj, yj] = ring[j];
    if ((yi > p.second) != (yj > p.second) && p.first < (xj - xi) * (p.second - yi) / (yj - yi) + xi) inside = !inside;
  }
  return inside;
}

TEST(EclipseMap, FromSevillaTheWaySouthToThePath) {
  // Sevilla sees a 0.98 partial; the path's northern limit is some 70 km
  // south, and the towns inside it nearest are in the province of Cádiz.
  // Mistakes: the bearing measured from the south, the nearest point of
  // the central line rather than of the limit, the place itself listed.
  const EclipseMapAnswer a = From(Place(37.3828, -5.9732, "Sevilla"));
  EXPECT_FALSE(a.placeInside);
  ASSERT_TRUE(a.nearest);
  EXPECT_NEAR(a.nearest->distance, 70, 8);
  EXPECT_NEAR(a.nearest->bearing, 180, 25);
  ASSERT_FALSE(a.cities.empty());
  for (const CityInPath& c : a.cities) {
    ASSERT_TRUE(c.local.type && c.local.duration) << c.city.name;
    EXPECT_EQ(*c.local.type, EclipseType::Total) << c.city.name;
    EXPECT_GE(c.way.distance, a.nearest->distance - 1) << c.city.name;
  }
  EXPECT_TRUE(std::is_sorted(a.cities.begin(), a.cities.end(),
                             [](const CityInPath& x, const CityInPath& y) { return x.way.distance < y.way.distance; }));
}

TEST(EclipseMap, CadizInsideTheDrawnPathSevillaOutside) {
  // The map's own projection: Cádiz falls inside the shaded path, Sevilla
  // outside it. Mistakes: latitude and longitude swapped in the plane, y
  // growing northwards on the frame, the path's ring closed the wrong way
  // round (a bow tie).
  const EclipseMapAnswer a = From(Place(37.3828, -5.9732, "Sevilla"));
  const EclipseMapPicture m = EclipseMapPictureOf(a, {MapRegion::Auto}, ",");
  ASSERT_EQ(m.path.size(), 1u);
  ASSERT_TRUE(m.place);
  EXPECT_FALSE(InRing(m.path.front(), m.place->at));
  EXPECT_TRUE(InRing(m.path.front(), m.frame.Of(36.5271, -6.2886)));
  EXPECT_FALSE(InRing(m.path.front(), m.frame.Of(37.3886, -5.9823)));
  const MapPoint sevilla = m.frame.Of(37.3828, -5.9732), south = m.frame.Of(36.3828, -5.9732);
  EXPECT_GT(south.second, sevilla.second) << "south is down the frame";
  EXPECT_NEAR(south.first, sevilla.first, 1e-9);
  EXPECT_FALSE(m.centralLine.empty());
  EXPECT_FALSE(m.times.empty());
  EXPECT_GT(m.scaleKilometres, 0);
}

TEST(EclipseMap, TheDrawingNamesItsParts) {
  // The SVG holds the path's group, the place's label and a key, and
  // draws in the night palette too. Mistakes: the key's texts left out,
  // the place unlabelled.
  const EclipseMapAnswer a = From(Place(37.3828, -5.9732, "Sevilla"));
  const EclipseMapPicture m = EclipseMapPictureOf(a, {MapRegion::Auto}, ",");
  const std::string svg = pictures::DrawEclipseMap(m, ",", 1200, 900);
  for (const char* part : {"franja de la totalidad", "Sevilla: parcial 0,979", "línea central", "200 km"})
    EXPECT_NE(svg.find(part), std::string::npos) << part;
  const std::string night = pictures::DrawEclipseMap(m, ",", 1200, 900, {&pictures::NightPalette, 0});
  EXPECT_NE(night, svg);
}

TEST(EclipseMap, ALunarEclipseShowsWhereTheMoonIsOverhead) {
  SkyRequest request;
  request.zone = TimeZone();
  request.at = Instant::FromUt(2461091.5);  // 2026-03-01: the total lunar eclipse of 2026-03-03
  const EclipseMapAnswer a = RunEclipseMap(request);
  EXPECT_FALSE(a.path);
  EXPECT_EQ(a.moonOverhead.size(), 7u);
  const EclipseMapPicture m = EclipseMapPictureOf(a, {MapRegion::World}, ",");
  EXPECT_TRUE(m.lunar);
  EXPECT_EQ(m.moonOverhead.size(), 7u);
}

}  // namespace
}  // namespace orbitas

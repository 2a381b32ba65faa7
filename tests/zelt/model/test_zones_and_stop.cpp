// Zone set-up from field values in the three angle modes, zone order, vignetting, and the
// aperture kinds of the stop.

#include <gtest/gtest.h>

#include <cmath>

#include "zelt/api/OApiState.h"
#include "zelt/model/OAxisSystem.h"
#include "zelt/model/OEntrancePupil.h"
#include "zelt_api/zelt_api.h"

namespace {

struct ZoneSystem : testing::Test {
  void SetUp() override {
    system.createBase();
    system.object()->h = 0.2;  // field angle at infinity, radians
  }
  zelt::OAxisSystem system;
  zelt::OZone zone;
};

}  // namespace

TEST_F(ZoneSystem, FieldAtInfinityScalesByTheAngleMode) {
  system.setZoneFromField(zone, 0.1);
  EXPECT_EQ(zone.real.y, 0.1);
  EXPECT_DOUBLE_EQ(zone.relative.y, 0.5);
  system.settings().angleMode = "tg";
  system.setZoneFromField(zone, 0.1);
  EXPECT_DOUBLE_EQ(zone.relative.y, std::tan(0.1) / std::tan(0.2));
  system.setZoneFromRelative(zone, 0.5);
  EXPECT_DOUBLE_EQ(zone.real.y, std::atan(std::tan(0.2) * 0.5));
  system.settings().angleMode = "sin";
  system.setZoneFromRelative(zone, 0.5);
  EXPECT_DOUBLE_EQ(zone.real.y, std::asin(std::sin(0.2) * 0.5));
  system.object()->h = 0.0;  // no field: relative 0, never a division by zero
  system.setZoneFromField(zone, 0.1);
  EXPECT_EQ(zone.relative.y, 0.0);
}

TEST_F(ZoneSystem, FiniteReferenceAndImageReference) {
  system.object()->finite = true;
  system.object()->h = 4.0;
  system.setZoneFromField(zone, 3.0);
  EXPECT_EQ(zone.relative.y, 0.75);
  EXPECT_EQ(zone.real.y, 3.0);
  // Referred to the image: the real target is entry 0 of the points list.
  system.settings().flags[3] = false;
  system.image()->finite = true;
  system.image()->h = 2.0;
  zelt::OZone imageZone;
  system.setZoneFromRelative(imageZone, 0.5);
  ASSERT_EQ(imageZone.points.size(), 1u);
  EXPECT_EQ(imageZone.points[0].y, 1.0);
  EXPECT_EQ(imageZone.real.y, 0.0);
}

TEST_F(ZoneSystem, SortPutsTheLargestRelativeFieldFirst) {
  for (double r : {0.5, 1.0, 0.0, 0.7}) {
    auto z = std::make_unique<zelt::OZone>();
    z->relative.y = r;
    system.zones().push_back(std::move(z));
  }
  system.sortZones();
  std::vector<double> order;
  for (const auto& z : system.zones()) order.push_back(z->relative.y);
  EXPECT_EQ(order, (std::vector<double>{1.0, 0.7, 0.5, 0.0}));
}

TEST(Vignetting, CoefficientsMoveTheEllipseEdges) {
  zelt::OZone zone;
  zone.resizeEntries(2);
  zone.setVignetting(0.2, -0.3);
  const auto& e = zone.vignetting[0];
  EXPECT_NEAR(e.centre.y - e.b, -0.7, 1e-15);
  EXPECT_NEAR(e.centre.y + e.b, 0.8, 1e-15);
  EXPECT_EQ(e.a, 1.0);
  EXPECT_EQ(zone.vignetting[1].b, 1.0);  // other entries untouched
  zone.clear();
  EXPECT_EQ(zone.vignetting[0].b, 1.0);
  double u = 9, l = 9;
  zone.getVignetting(u, l);
  EXPECT_EQ(u, 0.0);
  EXPECT_EQ(l, 0.0);
}

TEST(Stop, ConversionBetweenHalfHeightAndAperture) {
  zelt::OApertureStop stop;
  stop.size = 10.0;
  stop.convertTo('p', -100.0);
  EXPECT_EQ(stop.type, 'p');
  EXPECT_NEAR(stop.size, std::sin(std::atan(0.1)), 1e-15);
  stop.convertTo('d', -100.0);
  EXPECT_EQ(stop.type, 'd');
  EXPECT_NEAR(std::abs(stop.size), 10.0, 1e-12);
  stop.convertTo('z', -100.0);  // no rule: unchanged
  EXPECT_EQ(stop.type, 'd');
  const auto copy = stop.clone();
  EXPECT_EQ(copy->type, 'd');
}

TEST(Stop, SurfaceSetterTurnsAnotherKindOfStopIntoAnApertureStopKeepingItsAperture) {
  ASSERT_EQ(ZELT_System_Create_Base(), 0);
  ASSERT_EQ(ZELT_System_Append_Surface(), 0);
  zelt::OSystem& system = zelt::apiState().system;
  auto pupil = std::make_unique<zelt::OEntrancePupil>(5.0);
  pupil->type = 'p';
  pupil->size = 0.25;
  system.setStop(std::move(pupil));
  ASSERT_EQ(ZELT_Stop_Set_Surface_Num(1), 0);
  const auto* aperture = dynamic_cast<const zelt::OApertureStop*>(system.stop());
  ASSERT_NE(aperture, nullptr);
  EXPECT_EQ(aperture->node, system.nodeAt(1));
  EXPECT_EQ(aperture->type, 'p');
  EXPECT_EQ(aperture->size, 0.25);
}

// Media: catalog glass indices, their failures, and the sign of the index behind a mirror.

#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "zelt/api/OApiState.h"
#include "zelt/model/OGlassStore.h"
#include "zelt_api/zelt_api.h"

namespace {

// N-BK7 as its maker's catalog gives it (Sellmeier, AGF formula 2).
zelt::OAMedium nbk7() {
  zelt::OAMedium g;
  g.name = "N-BK7";
  g.formula = 1;
  g.coefficients = {1.03961212, 0.00600069867, 0.231792344, 0.0200179144, 1.01046945, 103.560653};
  g.lambdaMin = 0.3;
  g.lambdaMax = 2.5;
  return g;
}

}  // namespace

TEST(Media, CatalogGlassIndexAndItsFailures) {
  zelt::OAMedium g = nbk7();
  EXPECT_NEAR(g.indexAt(0.5875618), 1.5168, 1e-4);
  EXPECT_NO_THROW(g.indexAt(0.3));
  EXPECT_NO_THROW(g.indexAt(2.5));
  EXPECT_THROW(g.indexAt(0.2999), zelt::OutOfSpectralRange);
  EXPECT_THROW(g.indexAt(std::nan("")), zelt::OutOfSpectralRange);
  g.formula = 13;
  EXPECT_THROW(g.indexAt(0.5), zelt::UnknownDFormula);
  g.formula = -1;
  EXPECT_THROW(g.indexAt(0.5), zelt::UnknownDFormula);
  g = nbk7();
  g.coefficients.resize(5);
  EXPECT_THROW(g.indexAt(0.5), zelt::MediaError);
}

TEST(Media, FailedRefreshKeepsTheIndicesComputedBeforeIt) {
  zelt::OAMedium g = nbk7();
  EXPECT_THROW(g.setWavelengths({0.5, 0.6, 3.0, 0.7}), zelt::OutOfSpectralRange);
  ASSERT_EQ(g.indices.size(), 2u);
  EXPECT_THROW(g.index(2), zelt::MediaError);  // never reads past the list
  g.setWavelengths({0.55});
  EXPECT_EQ(g.indices.size(), 1u);
}

TEST(Media, MultiCatalogLookupTriesTheNamesInOrder) {
  zelt::OGlassStore store;
  const std::string dir = std::string(ZELT_TEST_DATA) + "/catalogs/";
  store.readCatalog(dir + "SCHOTT.AGF");
  store.readCatalog(dir + "OHARA.agf");
  EXPECT_EQ(store.findGlassInCatalogs("S-BAL2", {"SCHOTT", "OHARA"}).catalogName, "OHARA");
  EXPECT_EQ(store.findGlassInCatalogs("AIR", {"OHARA", "SCHOTT"}).catalogName, "OHARA");
  EXPECT_EQ(zelt_test::thrownMessage([&] {
              store.findGlassInCatalogs("NOPE", {"SCHOTT", "OHARA"});
            }),
            "NoMediumFound:NOPE");
}

TEST(Media, IndexBehindAMirrorIsNegative) {
  ASSERT_EQ(ZELT_System_Create_Base(), 0);
  ASSERT_EQ(ZELT_System_Append_Surface(), 0);
  ASSERT_EQ(ZELT_System_Append_Surface(), 0);
  ASSERT_EQ(ZELT_Surface_Set_And_Create_Glass(0, "AIR", {1.0}), 0);
  ASSERT_EQ(ZELT_Surface_Set_And_Create_Glass(1, "AIR", {1.0}), 0);
  // Surface 1 reflects: light runs backwards in the gap after it.
  zelt::OSystem& system = zelt::apiState().system;
  system.nodeAt(1)->out->sign = -1;
  double n = 0;
  bool mirror = false;
  ASSERT_EQ(ZELT_Surface_Get_Ingex_Of_Refraction(1, 0, &n), 0);
  EXPECT_EQ(n, -1.0);
  ASSERT_EQ(ZELT_Surface_Is_Mirror(1, &mirror), 0);
  EXPECT_TRUE(mirror);
  ASSERT_EQ(ZELT_Surface_Get_Ingex_Of_Refraction(0, 0, &n), 0);
  EXPECT_EQ(n, 1.0);
  system.nodeAt(2)->out->sign = -1;  // both gaps backwards: surface 2 is no mirror
  ASSERT_EQ(ZELT_Surface_Is_Mirror(2, &mirror), 0);
  EXPECT_FALSE(mirror);
}

TEST(Media, RefreshMediaFollowsTheSource) {
  ASSERT_EQ(ZELT_System_Create_Base(), 0);
  ASSERT_EQ(ZELT_System_Append_Surface(), 0);
  zelt::OSystem& system = zelt::apiState().system;
  zelt::OAMedium glass = nbk7();
  system.nodeAt(1)->out->medium = &glass;
  system.source()->append(0.5875618, 1.0);
  system.refreshMedia();
  ASSERT_EQ(glass.indices.size(), 2u);
  EXPECT_NEAR(glass.index(1), 1.5168, 1e-4);
  system.nodeAt(1)->out->medium = nullptr;  // the local glass must not outlive its use
}

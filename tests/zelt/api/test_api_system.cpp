// System and Surface exports: the base system, the chain, lengths, deletion and outlines.

#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"

using namespace zelt_test;

TEST(ApiSystem, CreatingTheBaseAgainDropsZonesAndStopButKeepsTheName) {
  ASSERT_EQ(ZELT_System_Set_Name("doublet"), 0);
  ASSERT_EQ(buildSystem(2), 0);
  ASSERT_EQ(ZELT_Zone_Set_Count(2), 0);
  ASSERT_EQ(ZELT_Stop_Set_Surface_Num(1), 0);
  ASSERT_EQ(ZELT_System_Create_Base(), 0);  // again: one empty chain, same name
  EXPECT_EQ(surfaceCount(), 2);
  EXPECT_THROW(ZELT_Check_Surface_Number(2), std::runtime_error);
  std::string name;
  EXPECT_EQ(ZELT_System_Get_Name(name), 0);
  EXPECT_EQ(name, "doublet");
  int zones = -1;
  EXPECT_EQ(ZELT_Zone_Get_Count(zones), 0);
  EXPECT_EQ(zones, 0);
  double stopSize = 0;
  EXPECT_GT(ZELT_Stop_Get_Size(&stopSize), 0);  // the stop went with the old system
}

TEST(ApiSystem, NewSurfaceIsAPlaneWithNothingSet) {
  ASSERT_EQ(buildSystem(1), 0);
  double c = -1, e2 = -1, h = -1;
  bool mirror = true;
  EXPECT_EQ(ZELT_Surface_Get_Conic(1, &e2), 0);
  EXPECT_EQ(ZELT_Surface_Get_Height(1, h), 0);
  EXPECT_EQ(ZELT_Surface_Is_Mirror(1, &mirror), 0);
  c = curvatureOf(1);
  EXPECT_EQ(c, 0.0);
  EXPECT_EQ(e2, 0.0);
  EXPECT_EQ(h, 0.0);
  EXPECT_EQ(thicknessOf(1), 0.0);
  EXPECT_FALSE(mirror);
}

TEST(ApiSystem, LengthRunsFromFirstToLastVertexPlusAFiniteImageDistance) {
  ASSERT_EQ(buildSystem(3), 0);
  double length = -1;
  ASSERT_EQ(ZELT_System_Get_Lenght_System(&length), 0);
  EXPECT_EQ(length, 0.0);
  ASSERT_EQ(ZELT_Surface_Set_Thickness(0, 100.0), 0);  // object distance gap: not counted
  ASSERT_EQ(ZELT_Surface_Set_Thickness(1, 2.0), 0);
  ASSERT_EQ(ZELT_Surface_Set_Thickness(2, 5.0), 0);
  ASSERT_EQ(ZELT_Surface_Set_Thickness(3, 40.0), 0);  // gap to the image: not counted
  ASSERT_EQ(ZELT_Image_Set_S_(10.0), 0);
  ASSERT_EQ(ZELT_System_Get_Lenght_System(&length), 0);
  EXPECT_DOUBLE_EQ(length, 7.0);
  ASSERT_EQ(ZELT_Image_Set_Type(true), 0);
  ASSERT_EQ(ZELT_System_Get_Lenght_System(&length), 0);
  EXPECT_DOUBLE_EQ(length, 17.0);
}

TEST(ApiSystem, LengthOfASingleSurfaceIsOnlyTheImageDistance) {
  ASSERT_EQ(buildSystem(1), 0);
  ASSERT_EQ(ZELT_Surface_Set_Thickness(1, 30.0), 0);
  ASSERT_EQ(ZELT_Image_Set_Type(true), 0);
  ASSERT_EQ(ZELT_Image_Set_S_(4.0), 0);
  double length = -1;
  ASSERT_EQ(ZELT_System_Get_Lenght_System(&length), 0);
  EXPECT_DOUBLE_EQ(length, 4.0);
}

TEST(ApiSystem, DeletingASurfaceKeepsTheGapBeforeItAndRenumbers) {
  ASSERT_EQ(buildSystem(3), 0);
  for (int i = 1; i <= 3; ++i) {
    ASSERT_EQ(ZELT_Surface_Set_Curvature(i, 0.1 * i), 0);
    ASSERT_EQ(ZELT_Surface_Set_Thickness(i, 10.0 * i), 0);
  }
  ASSERT_EQ(ZELT_System_Delete_Surface(2), 0);
  EXPECT_EQ(surfaceCount(), 4);
  EXPECT_DOUBLE_EQ(thicknessOf(1), 10.0);
  EXPECT_DOUBLE_EQ(curvatureOf(2), 0.3);
  EXPECT_DOUBLE_EQ(thicknessOf(2), 30.0);
  // The object and the image stay; numbers outside 1..N fail with the surface-number message.
  for (int bad : {0, 3, -1, 9}) {
    EXPECT_EQ(errorText(ZELT_System_Delete_Surface(bad)), kSurfaceNumberMessage) << bad;
  }
  EXPECT_EQ(surfaceCount(), 4);
  ASSERT_EQ(ZELT_System_Delete_Surface(1), 0);
  ASSERT_EQ(ZELT_System_Delete_Surface(1), 0);
  EXPECT_EQ(surfaceCount(), 2);
  ASSERT_EQ(ZELT_System_Append_Surface(), 0);  // the chain is still whole
  EXPECT_EQ(surfaceCount(), 3);
}

TEST(ApiSystem, DeletingTheStopSurfaceLeavesTheStopOnNoSurface) {
  ASSERT_EQ(buildSystem(2), 0);
  ASSERT_EQ(ZELT_Stop_Set_Surface_Num(2), 0);
  ASSERT_EQ(ZELT_System_Delete_Surface(2), 0);
  int n = -7;
  EXPECT_GT(ZELT_Stop_Get_Surface_Num(&n), 0);
  EXPECT_EQ(n, -7);
  ASSERT_EQ(ZELT_Stop_Set_Surface_Num(1), 0);
  EXPECT_EQ(ZELT_Stop_Get_Surface_Num(&n), 0);
  EXPECT_EQ(n, 1);
}

TEST(ApiSystem, SurfaceZeroIsTheObjectsOwnSurface) {
  ASSERT_EQ(buildSystem(1), 0);
  EXPECT_EQ(curvatureOf(0), 0.0);
  ASSERT_EQ(ZELT_Surface_Set_Curvature(0, 0.25), 0);
  double c = 0;
  ASSERT_EQ(ZELT_Object_Get_Curvature(c), 0);
  EXPECT_EQ(c, 0.25);
  EXPECT_EQ(curvatureOf(1), 0.0);
  ASSERT_EQ(ZELT_Image_Set_Curvature(-0.5), 0);
  EXPECT_EQ(curvatureOf(2), -0.5);
}

TEST(ApiSystem, GapExportsRefuseTheImageAndMirrorTestRefusesTheObject) {
  ASSERT_EQ(buildSystem(1), 0);
  const int image = 2;
  double d = 5;
  bool mirror = true;
  std::string glass = "keep";
  const int statuses[] = {
      ZELT_Surface_Get_Thickness(image, &d),
      ZELT_Surface_Set_Thickness(image, 1.0),
      ZELT_Surface_Get_Glass(image, glass),
      ZELT_Surface_Set_And_Create_Glass(image, "G", {1.5}),
      ZELT_Surface_Get_Ingex_Of_Refraction(image, 0, &d),
      ZELT_Surface_Is_Mirror(0, &mirror),
      ZELT_Surface_Is_Mirror(image, &mirror),
  };
  for (int s : statuses) {
    ASSERT_GT(s, 0);
    EXPECT_NE(errorText(s), kSurfaceNumberMessage);  // a message of its own, not the range one
  }
  EXPECT_EQ(d, 5);
  EXPECT_TRUE(mirror);
  EXPECT_EQ(glass, "keep");
  EXPECT_EQ(ZELT_Surface_Set_Thickness(0, 12.0), 0);  // the object has a gap after it
}

TEST(ApiSystem, EllipseGivesTheSurfaceItsLargerSemiAxisAsHeight) {
  ASSERT_EQ(buildSystem(2), 0);
  double h = 0;
  ASSERT_EQ(ZELT_Surface_Create_Ellipse(1, 0.5, 0.0, 3.0, 4.5, 0.3), 0);
  ASSERT_EQ(ZELT_Surface_Get_Height(1, h), 0);
  EXPECT_EQ(h, 4.5);
  ASSERT_EQ(ZELT_Surface_Create_Ellipse(1, 0.0, 0.0, 6.0, 2.0, 0.0), 0);  // replaces the outline
  ASSERT_EQ(ZELT_Surface_Get_Height(1, h), 0);
  EXPECT_EQ(h, 6.0);
  EXPECT_GT(ZELT_Surface_Create_Ellipse(4, 0, 0, 9, 9, 0), 0);
  EXPECT_EQ(surfaceCount(), 4);
  ASSERT_EQ(ZELT_Surface_Get_Height(2, h), 0);
  EXPECT_EQ(h, 0.0);
}

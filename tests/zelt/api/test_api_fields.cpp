// Object, Image, Stop, Source and Zone exports.

#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"

using namespace zelt_test;

TEST(ApiFields, FieldAngleInDegreesOnlyAtInfinity) {
  ASSERT_EQ(buildSystem(1), 0);
  double deg = -1;
  ASSERT_EQ(ZELT_Object_Set_Size(0.1), 0);
  ASSERT_EQ(ZELT_Object_Get_Size_Grad(&deg), 0);
  EXPECT_NEAR(deg, 5.729578, 1e-6);
  ASSERT_EQ(ZELT_Object_Set_Type(true), 0);
  ASSERT_EQ(ZELT_Object_Get_Size_Grad(&deg), 0);
  EXPECT_EQ(deg, 0.0);
  ASSERT_EQ(ZELT_Image_Set_Size(-0.2), 0);
  ASSERT_EQ(ZELT_Image_Get_Size_Grad(&deg), 0);
  EXPECT_NEAR(deg, -11.459156, 1e-6);
}

TEST(ApiFields, StopNeedsASurfaceFirstAndKeepsItsValuesWhenMoved) {
  ASSERT_EQ(buildSystem(3), 0);
  EXPECT_GT(ZELT_Stop_Set(2.0, 'p'), 0);
  char type = 'x';
  double size = -1;
  EXPECT_GT(ZELT_Stop_Get_Type(&type), 0);
  EXPECT_EQ(type, 'x');
  ASSERT_EQ(ZELT_Stop_Set_Surface_Num(1), 0);
  ASSERT_EQ(ZELT_Stop_Get_Type(&type), 0);
  ASSERT_EQ(ZELT_Stop_Get_Size(&size), 0);
  EXPECT_EQ(type, 'd');
  EXPECT_EQ(size, 0.0);
  ASSERT_EQ(ZELT_Stop_Set(12.5, 'p'), 0);
  ASSERT_EQ(ZELT_Stop_Set_Surface_Num(3), 0);  // the last surface is found too
  int n = -1;
  ASSERT_EQ(ZELT_Stop_Get_Surface_Num(&n), 0);
  EXPECT_EQ(n, 3);
  ASSERT_EQ(ZELT_Stop_Get_Type(&type), 0);
  ASSERT_EQ(ZELT_Stop_Get_Size(&size), 0);
  EXPECT_EQ(type, 'p');
  EXPECT_EQ(size, 12.5);
  EXPECT_EQ(errorText(ZELT_Stop_Set_Surface_Num(5)), kSurfaceNumberMessage);
  ASSERT_EQ(ZELT_Stop_Get_Surface_Num(&n), 0);
  EXPECT_EQ(n, 3);
}

TEST(ApiFields, SourceResizesWithZerosAndClears) {
  ASSERT_EQ(buildSystem(0), 0);
  ASSERT_EQ(ZELT_Source_Set_Wavelength_Count(3), 0);
  double w[3] = {-1, -1, -1};
  for (int i = 0; i < 3; ++i) ASSERT_EQ(ZELT_Source_Get_Wavelength(i, &w[i]), 0);
  EXPECT_DOUBLE_EQ(w[0], 0.55);
  EXPECT_EQ(w[1], 0.0);
  EXPECT_EQ(w[2], 0.0);
  EXPECT_EQ(errorText(ZELT_Source_Get_Wavelength(3, &w[0])), kWavelengthNumberMessage);
  EXPECT_GT(ZELT_Source_Set_Wavelength_Count(-1), 0);
  ASSERT_EQ(ZELT_Source_Clear(), 0);
  int count = -1;
  ASSERT_EQ(ZELT_Source_Get_Wavelength_Count(&count), 0);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(errorText(ZELT_Source_Get_Wavelength(0, &w[0])), kWavelengthNumberMessage);
  ASSERT_EQ(ZELT_Source_Append_Wave(0.65, 0.5), 0);
  ASSERT_EQ(ZELT_Source_Set_Wavelength(0, 0.66), 0);
  ASSERT_EQ(ZELT_Source_Get_Wavelength(0, &w[0]), 0);
  EXPECT_EQ(w[0], 0.66);
}

TEST(ApiFields, ZoneCountMakesDefaultZonesAndVignettingRoundTrips) {
  ASSERT_EQ(buildSystem(1), 0);
  ASSERT_EQ(ZELT_Object_Set_Size(0.2), 0);
  ASSERT_EQ(ZELT_Zone_Set_Count(3), 0);
  int count = 0;
  ASSERT_EQ(ZELT_Zone_Get_Count(count), 0);
  EXPECT_EQ(count, 3);
  double u = -9, l = -9, x = -9, y = -9, z = -9;
  ASSERT_EQ(ZELT_Zone_Get_Vign(2, u, l), 0);  // a fresh zone sees the whole pupil
  EXPECT_EQ(u, 0.0);
  EXPECT_EQ(l, 0.0);
  ASSERT_EQ(ZELT_Zone_Set_Vign(2, 0.2, -0.3), 0);
  ASSERT_EQ(ZELT_Zone_Get_Vign(2, u, l), 0);
  EXPECT_NEAR(u, 0.2, 1e-15);
  EXPECT_NEAR(l, -0.3, 1e-15);
  ASSERT_EQ(ZELT_Zone_Set_Relative_Coord(1, 0.0, 0.7), 0);
  ASSERT_EQ(ZELT_Zone_Get_Relative_Coord(1, x, y), 0);
  EXPECT_EQ(x, 0.0);
  EXPECT_EQ(y, 0.7);
  ASSERT_EQ(ZELT_Zone_Set_Real_Coord(1, 1.5, -2.5), 0);
  ASSERT_EQ(ZELT_Zone_Get_Real_Coord(1, x, y), 0);
  EXPECT_EQ(x, 1.5);
  EXPECT_EQ(y, -2.5);
  double sx = 1, sy = 2, sz = 3;
  ASSERT_EQ(ZELT_Zone_Set_Shift(0, sx, sy, sz), 0);
  ASSERT_EQ(ZELT_Zone_Get_Shift(0, x, y, z), 0);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 2);
  EXPECT_EQ(z, 3);
  ASSERT_EQ(ZELT_Zone_Set_Count(1), 0);
  EXPECT_EQ(errorText(ZELT_Zone_Get_Vign(2, u, l)), kZoneNumberMessage);
  ASSERT_EQ(ZELT_Zone_Set_Count(2), 0);  // a new place gets a new default zone
  ASSERT_EQ(ZELT_Zone_Get_Relative_Coord(1, x, y), 0);
  EXPECT_EQ(y, 0.0);
  EXPECT_GT(ZELT_Zone_Set_Count(-1), 0);
  ASSERT_EQ(ZELT_Zone_Get_Count(count), 0);
  EXPECT_EQ(count, 2);
}

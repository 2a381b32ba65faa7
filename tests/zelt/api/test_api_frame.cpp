// The status frame: numbered messages, their copies and the number checks.

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "tests/support/TestSupport.h"

using namespace zelt_test;

TEST(ApiFrame, FailuresGetGrowingNumbersThatKeepNamingTheirMessages) {
  ASSERT_EQ(buildSystem(1), 0);
  double x = 0, y = 0, z = 0;
  const int first = ZELT_Surface_Set_Curvature(7, 1.0);
  const int second = ZELT_Zone_Set_Shift(-1, x, y, z);
  ASSERT_GT(first, 0);
  EXPECT_EQ(second, first + 1);
  EXPECT_EQ(errorText(first), kSurfaceNumberMessage);
  EXPECT_EQ(errorText(second), kZoneNumberMessage);
  // A later failure with the same text gets a new number of its own.
  EXPECT_EQ(ZELT_Surface_Set_Curvature(7, 1.0), second + 1);
}

TEST(ApiFrame, GetErrorLeavesTheBufferAloneForCodesThatNameNoMessage) {
  const int last = ZELT_Surface_Set_Curvature(-1, 0.0);
  EXPECT_EQ(errorText(0), "untouched");
  EXPECT_EQ(errorText(last + 1), "untouched");
  EXPECT_EQ(errorText(-3), "untouched");
  ZELT_Get_Error(last, nullptr);  // must not crash
}

TEST(ApiFrame, MessagesAreCutTo255Bytes) {
  ASSERT_EQ(buildSystem(1), 0);
  const std::string longName(400, 'x');
  const int code = ZELT_Surface_Set_Glass(1, longName, "nowhere");
  ASSERT_GT(code, 0);
  const std::string expected = ("NoMediumFound: " + longName).substr(0, 255);
  char buffer[300];
  std::memset(buffer, '#', sizeof buffer);
  ZELT_Get_Error(code, buffer);
  EXPECT_EQ(std::string(buffer), expected);
  EXPECT_EQ(buffer[256], '#');  // nothing written past the 256-byte buffer
  EXPECT_EQ(zelt_test::thrownMessage([&] { ZELT_Throw_On_Error(code); }), expected);
}

TEST(ApiFrame, ThrowOnErrorPassesSuccessAndNamesUnknownCodes) {
  EXPECT_NO_THROW(ZELT_Throw_On_Error(0));
  EXPECT_NO_THROW(ZELT_Exit_On_Error(0));
  for (int code : {-5, 1000000}) {
    const std::string message = zelt_test::thrownMessage([&] { ZELT_Throw_On_Error(code); });
    EXPECT_NE(message.find(std::to_string(code)), std::string::npos) << message;
  }
}

TEST(ApiFrameDeathTest, ExitOnErrorPrintsTheMessageAndExitsWithOne) {
  const int code = ZELT_Surface_Set_Height(-2, 0.0);
  EXPECT_EXIT(ZELT_Exit_On_Error(code), testing::ExitedWithCode(1), "");
  EXPECT_EXIT(ZELT_Exit_On_Error(-1), testing::ExitedWithCode(1), "");
}

TEST(ApiFrame, CheckSurfaceNumberAcceptsObjectToImage) {
  ASSERT_EQ(buildSystem(2), 0);
  EXPECT_NO_THROW(ZELT_Check_Surface_Number(0));
  EXPECT_NO_THROW(ZELT_Check_Surface_Number(3));
  for (int bad : {-1, 4, 1 << 30}) {
    EXPECT_EQ(zelt_test::thrownMessage([&] { ZELT_Check_Surface_Number(bad); }),
              kSurfaceNumberMessage);
  }
}

TEST(ApiFrame, EverySurfaceExportChecksTheNumberAndLeavesOutputsAlone) {
  ASSERT_EQ(buildSystem(2), 0);
  double d = 42.0;
  bool b = true;
  std::string text = "keep";
  std::vector<double> indices{1.5};
  const int bad = 4;
  const int statuses[] = {
      ZELT_Surface_Get_Curvature(bad, &d),
      ZELT_Surface_Set_Curvature(bad, 1.0),
      ZELT_Surface_Get_Conic(bad, &d),
      ZELT_Surface_Set_Conic(bad, 1.0),
      ZELT_Surface_Get_Thickness(bad, &d),
      ZELT_Surface_Set_Thickness(bad, 1.0),
      ZELT_Surface_Get_Height(bad, d),
      ZELT_Surface_Set_Height(bad, 1.0),
      ZELT_Surface_Is_Mirror(bad, &b),
      ZELT_Surface_Create_Ellipse(bad, 0, 0, 1, 1, 0),
      ZELT_Surface_Get_Glass(bad, text),
      ZELT_Surface_Set_Glass(bad, "AIR", "x"),
      ZELT_Surface_Set_And_Create_Glass(bad, "G", indices),
      ZELT_Surface_Get_Ingex_Of_Refraction(bad, 0, &d),
      ZELT_System_Delete_Surface(bad),
      ZELT_Stop_Set_Surface_Num(bad),
  };
  for (int s : statuses) EXPECT_EQ(errorText(s), kSurfaceNumberMessage) << s;
  EXPECT_EQ(d, 42.0);
  EXPECT_TRUE(b);
  EXPECT_EQ(text, "keep");
}

TEST(ApiFrame, EveryZoneExportChecksTheNumber) {
  ASSERT_EQ(buildSystem(1), 0);
  ASSERT_EQ(ZELT_Zone_Set_Count(1), 0);
  double x = 7, y = 8, z = 9;
  for (int bad : {-1, 1}) {
    const int statuses[] = {
        ZELT_Zone_Get_Real_Coord(bad, x, y),     ZELT_Zone_Set_Real_Coord(bad, 1, 1),
        ZELT_Zone_Get_Relative_Coord(bad, x, y), ZELT_Zone_Set_Relative_Coord(bad, 1, 1),
        ZELT_Zone_Get_Shift(bad, x, y, z),       ZELT_Zone_Set_Shift(bad, x, y, z),
        ZELT_Zone_Get_Vign(bad, x, y),           ZELT_Zone_Set_Vign(bad, 0.1, 0.1),
    };
    for (int s : statuses) EXPECT_EQ(errorText(s), kZoneNumberMessage) << s;
  }
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 8);
  EXPECT_EQ(z, 9);
}

TEST(ApiFrame, WavelengthNumbersAreChecked) {
  ASSERT_EQ(buildSystem(0), 0);
  double w = 3.0;
  EXPECT_EQ(errorText(ZELT_Source_Get_Wavelength(1, &w)), kWavelengthNumberMessage);
  EXPECT_EQ(errorText(ZELT_Source_Get_Wavelength(-1, &w)), kWavelengthNumberMessage);
  EXPECT_EQ(errorText(ZELT_Source_Set_Wavelength(1, 0.6)), kWavelengthNumberMessage);
  EXPECT_EQ(w, 3.0);
  EXPECT_EQ(ZELT_Source_Get_Wavelength(0, &w), 0);
  EXPECT_DOUBLE_EQ(w, 0.55);
}

TEST(ApiFrame, NullOutputPointersFailInsteadOfCrashing) {
  ASSERT_EQ(buildSystem(1), 0);
  EXPECT_GT(ZELT_System_Get_Surface_Count(nullptr), 0);
  EXPECT_GT(ZELT_Surface_Get_Curvature(1, nullptr), 0);
  EXPECT_GT(ZELT_Object_Get_Size(nullptr), 0);
  EXPECT_GT(ZELT_Source_Get_Wavelength(0, nullptr), 0);
  EXPECT_GT(ZELT_System_Read_Catalog(nullptr), 0);
}

// The first failures of a process are numbered 1, 2, …; before any base system every surface
// number fails its check. Runs in its own process so that no other test fails first.

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/support/TestSupport.h"

using namespace zelt_test;

TEST(ApiFresh, FirstFailuresAreOneAndTwo) {
  int count = -1;
  ASSERT_EQ(ZELT_System_Get_Surface_Count(&count), 0);
  EXPECT_EQ(count, 0);
  EXPECT_THROW(ZELT_Check_Surface_Number(0), std::runtime_error);
  EXPECT_EQ(ZELT_Surface_Set_Height(0, 1.0), 1);
  EXPECT_EQ(ZELT_System_Append_Surface(), 2);  // no image to append before
  EXPECT_EQ(errorText(1), kSurfaceNumberMessage);
  EXPECT_NE(errorText(2), "untouched");
  EXPECT_EQ(ZELT_Source_Append_Wave(0.5, 1.0), 3);  // no source yet
}

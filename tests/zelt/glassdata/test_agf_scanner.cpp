#include "zelt/glassdata/AgfScanner.h"

#include <gtest/gtest.h>

namespace {

using zelt::agf::AgfScanner;
using zelt::agf::parseInteger;
using zelt::agf::parseNumber;

TEST(AgfScanner, NumbersAreWholeTokens) {
  EXPECT_EQ(parseNumber("1.5E+00"), 1.5);
  EXPECT_EQ(parseNumber("+2"), 2.0);
  EXPECT_EQ(parseNumber("-.5"), -0.5);
  EXPECT_FALSE(parseNumber("1.5abc"));
  EXPECT_FALSE(parseNumber("nan"));
  EXPECT_FALSE(parseNumber("inf"));
  EXPECT_FALSE(parseNumber("1e999"));
  EXPECT_FALSE(parseNumber(""));
  EXPECT_FALSE(parseNumber("+"));
}

TEST(AgfScanner, IntegersMayBeWrittenInFloatingForm) {
  EXPECT_EQ(parseInteger("2.00000E+00"), 2);
  EXPECT_EQ(parseInteger("-1"), -1);
  EXPECT_FALSE(parseInteger("2.5"));
  EXPECT_FALSE(parseInteger("1e12"));
}

TEST(AgfScanner, NumberListStopsAtTheFirstWordAndJoinsWrappedLines) {
  AgfScanner scanner("CD 1 2 x 3\nCD 4 5\n6 7\n8\nTD 9\n");
  std::string_view token;
  ASSERT_TRUE(scanner.nextToken(token));
  EXPECT_EQ(scanner.numberList(), (std::vector<double>{1, 2}));
  ASSERT_TRUE(scanner.nextToken(token));
  EXPECT_EQ(token, "CD");
  EXPECT_EQ(scanner.numberList(), (std::vector<double>{4, 5, 6, 7, 8}));
  ASSERT_TRUE(scanner.nextToken(token));
  EXPECT_EQ(token, "TD");
  EXPECT_EQ(scanner.numberList(), (std::vector<double>{9}));
  EXPECT_FALSE(scanner.nextToken(token));
  EXPECT_TRUE(scanner.restOfLine().empty());
}

}  // namespace

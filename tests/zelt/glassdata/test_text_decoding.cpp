#include "zelt/glassdata/TextDecoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using zelt::text::decodeText;

TEST(TextDecoding, Utf16WithByteOrderMarkBecomesUtf8WithLfLineEnds) {
  const std::string le("\xFF\xFEN\0M\0 \0\x16\x04\r\0\n\0", 12);
  EXPECT_EQ(decodeText(le), "NM \xD0\x96\n");
  const std::string be("\xFE\xFF\0N\0M\0\r\0\n", 10);
  EXPECT_EQ(decodeText(be), "NM\n");
}

TEST(TextDecoding, BrokenUtf16NeverFails) {
  // A lone high surrogate becomes U+FFFD; the odd last byte is dropped.
  const std::string broken(
      "\xFF\xFE\x00\xD8"
      "A\0"
      "B",
      7);
  EXPECT_EQ(decodeText(broken),
            "\xEF\xBF\xBD"
            "A");
  EXPECT_EQ(decodeText(std::string("\xFF\xFE", 2)), "");
}

TEST(TextDecoding, LineEndsAndUtf8MarkAreNormalised) {
  EXPECT_EQ(decodeText("\xEF\xBB\xBF"
                       "a\r\nb\rc\n"),
            "a\nb\nc\n");
  EXPECT_EQ(decodeText("plain"), "plain");
}

TEST(TextDecoding, Latin1IsRecognisedAndConverted) {
  EXPECT_TRUE(zelt::text::isValidUtf8("\xD0\x96"));
  EXPECT_FALSE(zelt::text::isValidUtf8("\xD0"));
  EXPECT_FALSE(zelt::text::isValidUtf8("Achromat \xB5m"));
  EXPECT_EQ(zelt::text::toUtf8("\xB5m"), "\xC2\xB5m");
  EXPECT_EQ(zelt::text::toUtf8("\xC2\xB5m"), "\xC2\xB5m");
}

TEST(TextDecoding, MissingFileReadsAsNothing) {
  EXPECT_FALSE(zelt::text::readFileBytes("").has_value());
  EXPECT_FALSE(zelt::text::readFileBytes("/nonexistent/file.agf").has_value());
}

}  // namespace

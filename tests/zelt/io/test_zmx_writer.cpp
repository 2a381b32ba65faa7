// The ZMX writer: the lines of a synthesised doublet, glass names per target catalog, warnings.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/support/TestSupport.h"

using namespace zelt_test;

namespace {

// Writes the current system and returns its lines; the status must be `expected`.
std::vector<std::string> writeLines(const std::string& catalog, int* status = nullptr) {
  const std::string path = tempPath("writer.zmx");
  std::filesystem::remove(path);
  const int s = ZELT_System_Write_Zmx_File(path.c_str(), catalog.c_str());
  if (status) {
    *status = s;
  } else {
    EXPECT_EQ(s, 0) << errorText(s);
  }
  return fileLines(path);
}

std::vector<std::string> glassLines(const std::vector<std::string>& lines) {
  std::vector<std::string> glasses;
  for (const auto& l : lines)
    if (l.rfind("  GLAS ", 0) == 0) glasses.push_back(l.substr(7));
  return glasses;
}

}  // namespace

TEST(ZmxWriter, DoubletGivesEveryLineInOrder) {
  buildDoublet(kAchromat);
  const std::vector<std::string> expected{
      "VERS 90609 1 19052",
      "MODE SEQ",
      "NAME Cemented Doublet ",
      "NOTE 0 ",
      "UNIT MM X W X CM MR CPMM",
      "ENPD 22.86",
      "GCAT SCHOTT",
      "FTYP 0 0 2 3 0 0 0",  // the axis and the design field
      "WAVL 0.5875618 0.4861327 0.6562725",
      "WWGT 1 1 1",
      "WAVM 1 0.5875618 1",
      "WAVM 2 0.4861327 1",
      "WAVM 3 0.6562725 1",
      "PWAV 1",
      "YFLD 0 1 ",
      "XFLN 0 0",
      "YFLN 0 1",
      "ZVCY ",
      "ZVDY ",
      "TEMP 20",
      "PRES 1",
      "ENVD 20 1 0",
      "SURF 0",
      "  TYPE STANDARD",
      "  DISZ INFINITY",
      "  DIAM 0 0 0 0 1 \"\"",
      "  CURV 0",
      "SURF 1",
      "  TYPE STANDARD",
      "  STOP",
      "  DIAM 11.43 1 0 0 1 \"\"",
      "  CURV 0.01593625498007968",
      "  GLAS N-BK7 1 0 1.5168 64.17 0 0 0 0 0 0",  // a model glass for readers without it
      "  DISZ 4",
      "SURF 2",
      "  TYPE STANDARD",
      "  DIAM 11.43 1 0 0 1 \"\"",
      "  CURV -0.021877050973528767",
      "  GLAS SF5",  // no nd and νd given
      "  DISZ 2.5",
      "SURF 3",
      "  TYPE STANDARD",
      "  DIAM 11.43 1 0 0 1 \"\"",
      "  CURV -0.007798487093503861",
      "  MAZH 0 0",
      "  DISZ 97.16",  // the paraxial focus the library traces to
      "SURF 4",
      "  TYPE STANDARD",
      "  DISZ 0",
      "  DIAM 0 0 0 0 1 \"\"",  // automatic: the image size holds the field angle
      "  CURV 0",
  };
  readCatalogOnce("SCHOTT.AGF");
  ZELT_Throw_On_Error(ZELT_Surface_Set_Glass_Nd_Vd(1, 1.5168, 64.17));
  EXPECT_NE(ZELT_Surface_Set_Glass_Nd_Vd(2, std::nan(""), 32.21), 0);
  EXPECT_NE(ZELT_Surface_Set_Glass_Nd_Vd(2, 1.6727, 0), 0);
  auto lines = writeLines("SCHOTT");
  ASSERT_EQ(lines.size(), expected.size());
  // The focal distance to the last digits is the calculation's; the writer only passes it on.
  ASSERT_EQ(lines[45].substr(0, 12), "  DISZ 97.16");
  lines[45] = "  DISZ 97.16";
  EXPECT_EQ(lines, expected);
}

TEST(ZmxWriter, GostNamesFollowTheTargetCatalog) {
  Doublet gost = kAchromat;
  gost.glass1 = "ТК9";
  gost.glass2 = "СТК9";
  buildDoublet(gost);
  // Air gaps have no GLAS line in any catalog: the format's default medium is air.
  EXPECT_EQ(glassLines(writeLines("ZELT")), (std::vector<std::string>{"TK9", "CTK9"}));
  EXPECT_EQ(glassLines(writeLines("GOST")), (std::vector<std::string>{"TK9", "STK9"}));
  // A catalog name in small letters is the same catalog; the file names it as given.
  const auto lzos = writeLines("lzos");
  EXPECT_EQ(lzos[6], "GCAT lzos");
  EXPECT_EQ(glassLines(lzos), (std::vector<std::string>{"LZ_TK9", "LZ_CTK9"}));
  // Names outside the table and other catalogs keep the Cyrillic spelling.
  EXPECT_EQ(glassLines(writeLines("SCHOTT")), (std::vector<std::string>{"ТК9", "СТК9"}));
  // Rows whose two Latin spellings differ, one with Cyrillic letters kept in the GOST spelling.
  gost.glass1 = "МGF2Н2";
  gost.glass2 = "ИКС25";
  buildDoublet(gost);
  EXPECT_EQ(glassLines(writeLines("ZELT")), (std::vector<std::string>{"MGF2H2", "IRG25"}));
  EXPECT_EQ(glassLines(writeLines("GOST")), (std::vector<std::string>{"MGF2Н2", "IKS25"}));
}

TEST(ZmxWriter, ConicLineCarriesTheConicConstant) {
  buildDoublet(kAchromat);
  ZELT_Throw_On_Error(ZELT_Surface_Set_Conic(2, 0.5));
  const auto lines = writeLines("SCHOTT");
  std::vector<std::string> conics;
  for (const auto& l : lines)
    if (l.rfind("  CONI", 0) == 0) conics.push_back(l);
  EXPECT_EQ(conics, std::vector<std::string>{"  CONI -0.5"});
  const auto curvature = std::find(lines.begin(), lines.end(), "  CURV -0.021877050973528767");
  ASSERT_NE(curvature, lines.end());
  EXPECT_EQ(*(curvature + 1), "  CONI -0.5");
}

TEST(ZmxWriter, FiniteObjectAndFloatingStop) {
  buildDoublet(kAchromat);
  ZELT_Throw_On_Error(ZELT_Object_Set_Type(true));
  ZELT_Throw_On_Error(ZELT_Object_Set_S(-250));
  ZELT_Throw_On_Error(ZELT_Stop_Set(9.5, 'd'));
  ZELT_Throw_On_Error(ZELT_Image_Set_Distance_Type(false));
  ZELT_Throw_On_Error(ZELT_Image_Set_S_(95.5));
  const auto lines = writeLines("SCHOTT");
  EXPECT_EQ(lines[5], "FLOA");
  EXPECT_EQ(lines[7], "FTYP 1 0 1 3 0 0 0");  // the axis only: the object has no size
  EXPECT_EQ(lines[16], "YFLN 0");
  EXPECT_EQ(lines[24], "  DISZ 250");
  // The floating stop's half-height is the diameter of its surface.
  EXPECT_EQ(lines[30], "  DIAM 9.5 1 0 0 1 \"\"");
  EXPECT_EQ(lines[44], "  DISZ 95.5");
  // A finite image on the object side keeps its size as the image's semi-diameter.
  EXPECT_EQ(lines[48], "  DIAM 0.017453292519943295 1 0 0 1 \"\"");
}

TEST(ZmxWriter, WarningComesAfterTheCompleteFile) {
  buildDoublet(kAchromat);
  ZELT_Throw_On_Error(ZELT_Stop_Set(0.1, 'z'));
  // Vignetting on both sides of the pupil is a second warning; the aperture one is reported.
  ZELT_Throw_On_Error(ZELT_Zone_Set_Count(1));
  ZELT_Throw_On_Error(ZELT_Zone_Set_Vign(0, 0.2, 0.3));
  int status = 0;
  const auto lines = writeLines("SCHOTT", &status);
  ASSERT_NE(status, 0);
  EXPECT_EQ(errorText(status),
            "Write ZMX Warning: back aperture doesn't support. Unsupported value writes to "
            "system comments.");
  EXPECT_EQ(lines[3], "NOTE 0  A'=0.1");
  EXPECT_EQ(lines.back(), "  CURV 0");

  ZELT_Throw_On_Error(ZELT_Stop_Set(11.43, 'p'));
  writeLines("SCHOTT", &status);
  EXPECT_EQ(errorText(status), "Write ZMX Warning: Do not forget to change vignetting.");
}

TEST(ZmxWriter, UnwritablePathFails) {
  buildDoublet(kAchromat);
  const int empty = ZELT_System_Write_Zmx_File("", "SCHOTT");
  EXPECT_EQ(errorText(empty), "Write ZMX Error: no file name given");
  const int missingDir = ZELT_System_Write_Zmx_File("/nonexistent-dir/x.zmx", "SCHOTT");
  EXPECT_EQ(errorText(missingDir), "Write ZMX Error: cannot open file /nonexistent-dir/x.zmx");
}

TEST(ZmxWriter, LineBreaksInNamesCannotStartLines) {
  Doublet d = kAchromat;
  d.glass2 = "SF5\nSURF 9";
  buildDoublet(d);
  ZELT_Throw_On_Error(ZELT_System_Set_Name("two\nlines"));
  const auto lines = writeLines("SCHOTT");
  EXPECT_EQ(lines[2], "NAME two lines ");
  EXPECT_EQ(glassLines(lines).at(1), "SF5 SURF 9");
}

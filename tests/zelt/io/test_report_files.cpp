// The text report and OSM files, byte for byte; OSM reading always refuses.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>

#include "tests/support/TestSupport.h"

using namespace zelt_test;

namespace {

// Returns the file's lines joined by line breaks.
std::string fileText(const std::string& path) {
  std::string text;
  for (const std::string& line : fileLines(path)) text += line + "\n";
  return text;
}

// Returns the first line of an OSM file: `start`, zeros and the file's fixed numbers.
std::string osmHeader(const std::string& start) {
  std::string zeros;
  for (int k = 0; k < 27; ++k) zeros += " 0";
  return start + zeros + "5247 9" + zeros.substr(0, 18) + "\n";
}

std::string repeated(int count, const std::string& line) {
  std::string text;
  for (int k = 0; k < count; ++k) text += line + "\n";
  return text;
}

}  // namespace

// A plano-convex lens of K8 with an elliptic front, the stop on it, and air behind it that no
// medium was given for.
TEST(TextReport, LensTableByteForByte) {
  ZELT_Throw_On_Error(buildSystem(2));
  ZELT_Throw_On_Error(ZELT_System_Set_Name("Probe"));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Curvature(1, 0.02));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Conic(1, 0.5));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Height(1, 10));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Height(2, 10));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(1, 5));
  ZELT_Throw_On_Error(ZELT_Surface_Set_And_Create_Glass(1, "K8", {1.5163}));
  ZELT_Throw_On_Error(ZELT_Stop_Set_Surface_Num(1));
  ZELT_Throw_On_Error(ZELT_Stop_Set(10, 'd'));
  const std::string path = tempPath("probe.txt");
  ASSERT_EQ(ZELT_System_Write_Txt_File(path.c_str()), 0);
  EXPECT_EQ(fileBytes(path),
            "Probe\n\n"
            "Object:\ntype=0\ts=0\ty=0"
            "\n\nImage:\ntype=0\ts_type=1\ts=0\ty_=0"
            "\n\nAperture:\n\ttype:d\tD=10"
            "\n\nWavelengths(um):\nl0=0.55  (*1)\n"
            "\n\nNon-axis beam parametres:\n"
            "\n\n\n\nLens data:\n"
            " #  |    r    |     h   |   n0   |\n"
            "   0                        0           AIR  1         \n"
            "   1  50         e^2=0.5   h=10      5            K8  1.5163       AD\n"
            "   2  0           h=10      0           AIR  1         \n");
  // An unwritable path is a failure, not an empty success.
  EXPECT_NE(ZELT_System_Write_Txt_File(tempPath("no/such/folder.txt").c_str()), 0);
}

TEST(OsmFile, CementedDoubletLineByLine) {
  buildDoublet(kAchromat);
  const std::string path = tempPath("system.osm");
  EXPECT_OK(ZELT_System_Write_Osm_File(path.c_str()));
  const std::string expected =
      osmHeader(" 2 0 2 4 0 0 0 3 0 4 0 1 1 0 2 0 0 0 0 7") +
      "62.75\n-45.71\n-128.23\n"  // radii
      "4.0\n2.5\n"                // thicknesses
      "1\nN-BK7\nSF5\n1\n"        // media
      "22.86\n22.86\n22.86\n"     // diameters
      "0\n1\n"                    // object at infinity
      "0\n1\n"                    // entrance pupil on the first surface
      "SIN0 0 0\n"                // no object field
      "11.43\n"                   // aperture
      "0\n0\n"                    // stop on surface 1, not in air
      "0.000587562\n0.000486133\n0.000656273\n0.000\n0.000\n0.000\n0.000\n" +
      repeated(47, "") + "\x80\xa2\xae\xa7\n   P\n   W\n  C1\n  C2\n" +
      repeated(45, "           ") +
      "___________\n\x84\x8b\x9f \x92\x90\x85\x81 7\n0\n14\n4\n13\n3\n12\n2\n11\n1\n\n   0   0\n";
  EXPECT_EQ(fileText(path), expected);
}

// A stop plane and a second plane in air in front of a lens: the first thickness starts the list
// and the air gap behind it joins it.
TEST(OsmFile, AirSpacesJoin) {
  ZELT_Throw_On_Error(buildSystem(4));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(1, 3));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(2, 7));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(3, 4));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Curvature(3, 0.02));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Curvature(4, -0.02));
  ZELT_Throw_On_Error(ZELT_Surface_Set_And_Create_Glass(3, "K8", {1.5163}));
  ZELT_Throw_On_Error(ZELT_Stop_Set_Surface_Num(1));
  ZELT_Throw_On_Error(ZELT_Stop_Set(0.1, 'p'));
  const std::string path = tempPath("air.osm");
  EXPECT_OK(ZELT_System_Write_Osm_File(path.c_str()));
  const std::string expected =
      osmHeader(" 3 0 0 2 0 0 0 0 0 4 0 1 1 0 2 0 0 0 0 7") + "50.0\n-50.0\n10.0\n4.0\n";
  EXPECT_EQ(fileText(path).substr(0, expected.size()), expected);
}

TEST(OsmFile, ReadingAlwaysRefuses) {
  EXPECT_EQ(errorText(ZELT_System_Read_Osm_File("any.osm")), "Чтение OSM пока не работает");
  EXPECT_EQ(errorText(ZELT_System_Read_Osm_File(nullptr)), "Чтение OSM пока не работает");
}

// No writer puts a NaN or an infinity into a file: each refuses the system with a message that
// names the value, and leaves an old file as it was and no new or partial file behind.
TEST(LensFileWriters, RefuseNonFiniteNumbersAndLeaveNoFile) {
  const std::pair<const char*, std::function<int(double)>> faults[] = {
      {"the curvature of surface 2", [](double v) { return ZELT_Surface_Set_Curvature(2, v); }},
      {"the distance after surface 1", [](double v) { return ZELT_Surface_Set_Thickness(1, v); }},
      {"the refractive index after surface 2 at wavelength 1", [](double v) {
         return ZELT_Surface_Set_And_Create_Glass(2, "SF5", {v, 1.68, 1.66});
       }}};
  const std::pair<std::string, std::function<int(const char*)>> writers[] = {
      {"zmx", [](const char* f) { return ZELT_System_Write_Zmx_File(f, "SCHOTT"); }},
      {"opj", ZELT_System_Write_Opj_File},
      {"txt", ZELT_System_Write_Txt_File},
      {"osm", ZELT_System_Write_Osm_File}};
  for (const auto& [what, spoil] : faults) {
    for (const double bad : {std::nan(""), HUGE_VAL}) {
      for (const auto& [extension, write] : writers) {
        SCOPED_TRACE(what + (" / " + extension));
        buildDoublet(kAchromat);
        ASSERT_EQ(spoil(bad), 0);
        const std::string old = tempPath("old." + extension),
                          fresh = tempPath("fresh." + extension);
        writeBytes(old, "kept\n");
        std::filesystem::remove(fresh);
        const std::string message = errorText(write(old.c_str()));  // the status's message
        EXPECT_NE(message.find(what + std::string(" is not a finite number")), std::string::npos)
            << message;
        EXPECT_EQ(fileLines(old), std::vector<std::string>{"kept"});
        EXPECT_NE(write(fresh.c_str()), 0);
        EXPECT_FALSE(std::filesystem::exists(fresh) || std::filesystem::exists(fresh + ".partial"));
      }
    }
  }
}

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "synthesis/doublet_calculation.h"
#include "tests/support/SynthesisSupport.h"
#include "tests/support/TestSupport.h"
#include "zelt_api/zelt_api.h"

namespace {

using synthesis::DoubletResult;

TEST(DoubletInLibrary, BuildsTheSystemTheProgramReliesOn) {
  const DoubletResult r = synthesis_test::designedAchromat();
  r.buildDoublet();
  int nodes = 0;
  ZELT_System_Get_Surface_Count(&nodes);
  EXPECT_EQ(nodes, 5);
  std::string name;
  ASSERT_EQ(ZELT_Surface_Get_Glass(1, name), 0);
  EXPECT_EQ(name, "N-BK7");
  double n = 0;
  ASSERT_EQ(ZELT_Surface_Get_Ingex_Of_Refraction(2, 2, &n), 0);
  EXPECT_DOUBLE_EQ(n, r.glass2.index(r.lambdaMax));
  double c = 0;
  ASSERT_EQ(ZELT_Surface_Get_Curvature(3, &c), 0);
  EXPECT_DOUBLE_EQ(c, 1.0 / r.r3);
}

// Crossing of a meridional ray of height h with the axis, behind the last vertex: spheres and
// vector Snell's law in the plane, written apart from the library.
double axisCrossingBehindLastVertex(const DoubletResult& r, double h, double lambdaIndex1,
                                    double lambdaIndex2) {
  const double radii[] = {r.r1, r.r2, r.r3};
  const double n[] = {1.0, lambdaIndex1, lambdaIndex2, 1.0};
  const double gaps[] = {r.thickness1, r.thickness2, 0.0};
  double y = h, z = -1.0, dy = 0.0, dz = 1.0, vertex = 0.0;
  for (int s = 0; s < 3; ++s) {
    const double c = 1.0 / radii[s];
    // Ray point relative to the vertex; c(y² + z²) − 2z = 0 on the sphere.
    const double pz = z - vertex;
    const double b = c * (y * dy + pz * dz) - dz;
    const double cc = c * (y * y + pz * pz) - 2.0 * pz;
    const double t = cc / (-b + std::sqrt(b * b - c * cc));
    y += t * dy;
    z += t * dz;
    const double ny = -c * y, nz = 1.0 - c * (z - vertex);
    const double mu = n[s] / n[s + 1];
    const double cosI = dy * ny + dz * nz;
    const double g = std::sqrt(1.0 - mu * mu * (1.0 - cosI * cosI)) - mu * cosI;
    dy = mu * dy + g * ny;
    dz = mu * dz + g * nz;
    vertex += gaps[s];
  }
  return z - vertex - y * dz / dy;
}

TEST(DoubletInLibrary, AberrationsOverFiveZonesFromTheAxisOut) {
  DoubletResult r = synthesis_test::designedAchromat();
  r.traceAberrations();
  ASSERT_EQ(r.longitudinal.size(), 5u);
  EXPECT_EQ(synthesis::pupilZones()[0], 1e-8);
  // The image plane is the paraxial one: the near-axis ray crosses the axis there.
  EXPECT_NEAR(r.longitudinal[0], 0.0, 1e-6);
  EXPECT_NEAR(r.transverse[0], 0.0, 1e-12);
  // Longitudinal aberration is the difference of two axis crossings: a zone ray's and the
  // near-axis ray's, both from the trace written above; 1e-6 mm covers the 1e-4 mm height of
  // that reference ray.
  const double paraxial = axisCrossingBehindLastVertex(r, 1e-4, r.index1, r.index2);
  for (int k = 1; k < 5; ++k) {
    const double h = 10.0 * synthesis::pupilZones()[k];
    const double expected = axisCrossingBehindLastVertex(r, h, r.index1, r.index2) - paraxial;
    EXPECT_NEAR(r.longitudinal[k], expected, 1e-6) << "zone " << k;
    EXPECT_TRUE(std::isfinite(r.chromatism[k]));
  }
  // Chromatism of the rim zone from the same trace at the two outer lines.
  const double shortest = axisCrossingBehindLastVertex(r, 10.0, r.glass1.index(r.lambdaMin),
                                                       r.glass2.index(r.lambdaMin));
  const double longest = axisCrossingBehindLastVertex(r, 10.0, r.glass1.index(r.lambdaMax),
                                                      r.glass2.index(r.lambdaMax));
  EXPECT_NEAR(r.chromatism[4], shortest - longest, 1e-6);
  EXPECT_TRUE(std::isfinite(r.coma));
}

TEST(DoubletInLibrary, ZeroFieldHasNoComa) {
  DoubletResult r = synthesis_test::designedAchromat();
  r.fieldAngle = 0;
  r.traceAberrations();
  EXPECT_NEAR(r.coma, 0.0, 1e-12);
}

TEST(DoubletInLibrary, LostRaysGiveNaNNeverStaleNumbers) {
  DoubletResult r = synthesis_test::designedAchromat();
  r.traceAberrations();
  // A first radius smaller than the pupil: the rim rays miss the first surface.
  r.r1 = 8.0;
  r.traceAberrations();
  EXPECT_TRUE(std::isnan(r.longitudinal[4]));
  EXPECT_TRUE(std::isnan(r.transverse[4]));
  EXPECT_TRUE(std::isnan(r.coma));
  EXPECT_TRUE(std::isfinite(r.longitudinal[1]));
}

// With two makers' catalogs loaded, the saved file names the catalog each glass came from.
TEST(DoubletInLibrary, SavedFileNamesTheCatalogsOfItsGlasses) {
  synthesis::DoubletSynthesis core = synthesis_test::coreWith({"SCHOTT.AGF", "OHARA.agf"});
  EXPECT_EQ(core.catalog.at("N-BK7").catalog, "SCHOTT");
  EXPECT_EQ(core.catalog.at("S-TIH6").catalog, "OHARA");
  synthesis::runCalculation(core, synthesis_test::pairInputs("N-BK7", "S-TIH6"));
  ASSERT_EQ(core.results.size(), 1u);
  EXPECT_EQ(synthesis::glassCatalogs(core.results[0]), "SCHOTT OHARA");
  const std::string path = zelt_test::tempPath("two_catalogs.zmx");
  synthesis::saveDoubletZmx(core.results[0], path);
  const auto lines = zelt_test::fileLines(path);
  const auto gcat = std::find_if(lines.begin(), lines.end(),
                                 [](const std::string& l) { return l.starts_with("GCAT"); });
  ASSERT_NE(gcat, lines.end());
  EXPECT_EQ(*gcat, "GCAT SCHOTT OHARA");
}

// A doublet designed away from 20 °C and 1 atm states its own conditions.
TEST(DoubletInLibrary, SavedFileStatesTheDesignConditions) {
  DoubletResult r = synthesis_test::designedAchromat();
  r.glass1.environment = r.glass2.environment = {30.0, 0.9, false};
  const std::string path = zelt_test::tempPath("conditions.zmx");
  synthesis::saveDoubletZmx(r, path);
  std::vector<std::string> stated;
  for (const std::string& line : zelt_test::fileLines(path)) {
    if (line.starts_with("TEMP") || line.starts_with("PRES") || line.starts_with("ENVD"))
      stated.push_back(line);
  }
  EXPECT_EQ(stated, (std::vector<std::string>{"TEMP 30", "PRES 0.9", "ENVD 30 0.9 0"}));
}

double focalLength() {
  double f = 0;
  EXPECT_EQ(ZELT_Calc_Paraxial(), 0);
  EXPECT_EQ(ZELT_Paraxial_Get_F_(&f), 0);
  return f;
}

// OHARA's catalog gives its indices at 25 °C. A doublet designed at 20 °C is written with that
// temperature, and the library, reading it with the same catalog, brings the indices to 20 °C:
// the focal length is the design's. At 25 °C nothing changes.
TEST(DoubletInLibrary, WrittenDoubletReadsBackAtItsTemperature) {
  synthesis::DoubletSynthesis core = synthesis_test::coreWith({"OHARA.agf"});
  ASSERT_EQ(ZELT_System_Read_Catalog((zelt_test::kCatalogs + "OHARA.agf").c_str()), 0);
  for (const double temperature : {20.0, 25.0}) {
    SCOPED_TRACE(temperature);
    synthesis::CalculationInputs inputs = synthesis_test::pairInputs("S-BSL7", "S-TIH6");
    inputs.design.environment = {temperature, 1.0, false};
    synthesis::runCalculation(core, inputs);
    ASSERT_EQ(core.results.size(), 1u);
    core.results[0].buildDoublet();
    const double designed = focalLength();
    const std::string path = zelt_test::tempPath("ohara.zmx");
    synthesis::saveDoubletZmx(core.results[0], path);
    ASSERT_EQ(ZELT_System_Read_Zmx_File(path.c_str()), 0);
    EXPECT_NEAR(focalLength() / designed - 1.0, 0.0, 1e-12);
  }
}

}  // namespace

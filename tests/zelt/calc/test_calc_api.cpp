#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/TestSupport.h"
#include "zelt_api/zelt_api.h"

namespace {

using zelt_test::errorText;

const std::string kCatalog = zelt_test::kCatalogs + "SCHOTT.AGF";

// One cemented doublet of the reference list: maker's prescription and stated focal lengths.
struct ReferenceLens {
  std::string name, glass1, glass2;
  double r1, r2, r3, t1, t2, efl, bfl;
};

std::vector<ReferenceLens> readReferenceLenses() {
  std::ifstream file(std::string(ZELT_TEST_DATA) + "/lenses/reference.csv");
  std::vector<ReferenceLens> lenses;
  std::string line;
  std::getline(file, line);  // header
  while (std::getline(file, line)) {
    std::vector<std::string> f;
    std::stringstream row(line);
    for (std::string cell; std::getline(row, cell, ',');) f.push_back(cell);
    if (f.size() < 10) continue;
    lenses.push_back({f[0], f[1], f[2], std::stod(f[3]), std::stod(f[4]), std::stod(f[5]),
                      std::stod(f[6]), std::stod(f[7]), std::stod(f[8]), std::stod(f[9])});
  }
  return lenses;
}

void setCurvatures(double r1, double r2, double r3) {
  EXPECT_OK(ZELT_Surface_Set_Curvature(1, 1.0 / r1));
  EXPECT_OK(ZELT_Surface_Set_Curvature(2, 1.0 / r2));
  EXPECT_OK(ZELT_Surface_Set_Curvature(3, 1.0 / r3));
}

// Builds a catalog doublet as a user program would, object at infinity, stop on surface 1;
// `air` names the medium of the outer gaps, which are otherwise left without one.
void buildCatalogDoublet(const ReferenceLens& lens, const std::vector<double>& waves,
                         bool air = true) {
  EXPECT_OK(ZELT_System_Create_Base());
  EXPECT_OK(ZELT_System_Read_Catalog(kCatalog.c_str()));
  for (int i = 0; i < 3; ++i) EXPECT_OK(ZELT_System_Append_Surface());
  setCurvatures(lens.r1, lens.r2, lens.r3);
  EXPECT_OK(ZELT_Surface_Set_Thickness(1, lens.t1));
  EXPECT_OK(ZELT_Surface_Set_Thickness(2, lens.t2));
  for (int s : {0, 3})
    if (air) EXPECT_OK(ZELT_Surface_Set_Glass(s, "AIR", "SCHOTT"));
  EXPECT_OK(ZELT_Surface_Set_Glass(1, lens.glass1, "SCHOTT"));
  EXPECT_OK(ZELT_Surface_Set_Glass(2, lens.glass2, "SCHOTT"));
  EXPECT_OK(ZELT_Stop_Set_Surface_Num(1));
  EXPECT_OK(ZELT_Stop_Set(12.7, 'p'));
  EXPECT_OK(ZELT_Object_Set_Type(false));
  EXPECT_OK(ZELT_Source_Set_Wavelength(0, waves[0]));
  for (std::size_t i = 1; i < waves.size(); ++i) EXPECT_OK(ZELT_Source_Append_Wave(waves[i], 1));
}

TEST(CalcApi, StockAchromatsMatchTheirMakersFocalLengths) {
  const std::vector<ReferenceLens> lenses = readReferenceLenses();
  ASSERT_EQ(lenses.size(), 2u);
  for (const ReferenceLens& lens : lenses) {
    buildCatalogDoublet(lens, {0.5876});
    EXPECT_OK(ZELT_Calc_Paraxial());
    double efl = 0, bfl = 0, f = 0;
    EXPECT_OK(ZELT_Paraxial_Get_F_(&efl));
    EXPECT_OK(ZELT_Paraxial_Get_SF_(&bfl));
    EXPECT_OK(ZELT_Paraxial_Get_F(&f));
    EXPECT_NEAR(efl, lens.efl, 0.1) << lens.name;
    EXPECT_NEAR(bfl, lens.bfl, 0.1) << lens.name;
    EXPECT_NEAR(f, -efl, 1e-9) << lens.name;  // same medium on both sides
  }
}

TEST(CalcApi, GapsWithoutMediumAreAir) {
  const ReferenceLens lens = readReferenceLenses().at(0);
  buildCatalogDoublet(lens, {0.5876});
  EXPECT_OK(ZELT_Calc_Paraxial());
  double withAir = 0;
  EXPECT_OK(ZELT_Paraxial_Get_F_(&withAir));
  buildCatalogDoublet(lens, {0.5876}, false);
  EXPECT_OK(ZELT_Calc_Paraxial());
  double bare = 0;
  EXPECT_OK(ZELT_Paraxial_Get_F_(&bare));
  EXPECT_DOUBLE_EQ(bare, withAir);
}

// Indices of the reference doublet's glasses at three wavelengths, read back from the library.
std::vector<std::vector<double>> catalogIndices(const ReferenceLens& lens,
                                                const std::vector<double>& waves) {
  buildCatalogDoublet(lens, waves);
  EXPECT_OK(ZELT_Calc_Paraxial());
  std::vector<std::vector<double>> indices(2, std::vector<double>(3));
  for (int s = 1; s <= 2; ++s)
    for (int w = 0; w < 3; ++w)
      EXPECT_OK(ZELT_Surface_Get_Ingex_Of_Refraction(s, w, &indices[s - 1][w]));
  return indices;
}

struct Synthesis {
  double fieldDegrees = 1.0;
  double pupil = 25.4;
  std::array<double, 3> waves{0.5876, 0.4861, 0.6563};
};

// The synthesis program's exact sequence of calls for a doublet, then the paraxial calculation.
void buildLikeSynthesis(const ReferenceLens& lens, const std::vector<std::vector<double>>& n,
                        const Synthesis& s) {
  const zelt_test::Doublet doublet{lens.glass1,
                                   lens.glass2,
                                   lens.r1,
                                   lens.r2,
                                   lens.r3,
                                   lens.t1,
                                   lens.t2,
                                   s.pupil,
                                   s.fieldDegrees,
                                   {n[0][0], n[0][1], n[0][2]},
                                   {n[1][0], n[1][1], n[1][2]},
                                   s.waves};
  zelt_test::buildDoublet(doublet);
  EXPECT_OK(ZELT_Object_Set_Size(-s.fieldDegrees * std::numbers::pi / 180.0));
  EXPECT_OK(ZELT_Calc_Paraxial());
}

using zelt_test::Ray;
using zelt_test::traceRay;

class SynthesisDoublet : public ::testing::Test {
 protected:
  void SetUp() override {
    lens_ = readReferenceLenses().at(0);
    const auto& waves = Synthesis().waves;
    n_ = catalogIndices(lens_, {waves.begin(), waves.end()});
    buildLikeSynthesis(lens_, n_, Synthesis());
  }
  ReferenceLens lens_;
  std::vector<std::vector<double>> n_;
};

TEST_F(SynthesisDoublet, ImagePlaneSitsAtTheParaxialFocus) {
  Ray r;
  EXPECT_OK(traceRay(0, 0, 1e-8, 0, r));
  EXPECT_EQ(r.code, 0);
  EXPECT_NEAR(r.z - r.y * r.Z / r.Y, 0.0, 1e-6);  // longitudinal aberration of the axial zone
  EXPECT_NEAR(r.y + r.z * r.Y / r.Z, 0.0, 1e-12);
  double f = 0;
  EXPECT_OK(ZELT_Paraxial_Get_F_(&f));
  EXPECT_NEAR(f, lens_.efl, 0.1);
  for (double rho : {0.5, std::sqrt(0.5), std::sqrt(0.75), 1.0}) {
    for (int w = 0; w < 3; ++w) {
      EXPECT_OK(traceRay(0, 0, rho, w, r));
      EXPECT_EQ(r.code, 0);
      EXPECT_LT(std::fabs(r.z - r.y * r.Z / r.Y), 1.0) << rho << " " << w;  // an achromat
    }
  }
}

TEST_F(SynthesisDoublet, ComaRaysReachTheImageAtTheFieldHeight) {
  Ray chief, upper, lower;
  EXPECT_OK(traceRay(1, 0, 0, 0, chief));
  EXPECT_OK(traceRay(1, 0, 1, 0, upper));
  EXPECT_OK(traceRay(1, 0, -1, 0, lower));
  EXPECT_EQ(chief.code + upper.code + lower.code, 0);
  EXPECT_NEAR(chief.y, lens_.efl * std::tan(Synthesis().fieldDegrees * std::numbers::pi / 180.0),
              0.01);
  EXPECT_LT(std::fabs(chief.y - (upper.y + lower.y) / 2), 0.01);
}

TEST_F(SynthesisDoublet, AxialRayStaysOnAxisAndItsPathIsSumOfIndexTimesThickness) {
  Ray r;
  EXPECT_OK(traceRay(0, 0, 0, 0, r));
  EXPECT_EQ(r.x, 0.0);
  EXPECT_EQ(r.y, 0.0);
  EXPECT_EQ(r.z, 0.0);
  EXPECT_EQ(r.X, 0.0);
  EXPECT_EQ(r.Y, 0.0);
  EXPECT_DOUBLE_EQ(r.Z, 1.0);
  double sg = 0;
  EXPECT_OK(ZELT_Paraxial_Get_SG(0, &sg));
  EXPECT_NEAR(r.L, n_[0][0] * lens_.t1 + n_[1][0] * lens_.t2 + sg, 1e-12);
}

TEST_F(SynthesisDoublet, SnellsLawHoldsAtEveryRefractionOfASkewRay) {
  double x[5], y[5], z[5], X[5], Y[5], Z[5], L = 0;
  int code = -1, node = -1;
  EXPECT_OK(ZELT_Ray_Trace_Path(0, 1, 0.6, -0.5, 0, x, y, z, X, Y, Z, &L, &code, &node));
  ASSERT_EQ(code, 0);
  const double n[4] = {1.0, n_[0][0], n_[1][0], 1.0};
  const double c[4] = {0, 1 / lens_.r1, 1 / lens_.r2, 1 / lens_.r3};
  for (int k = 1; k <= 3; ++k) {
    const double nx = -c[k] * x[k], ny = -c[k] * y[k], nz = 1 - c[k] * z[k];
    const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
    auto sine = [&](int i) {
      const double cx = Y[i] * nz - Z[i] * ny, cy = Z[i] * nx - X[i] * nz,
                   cz = X[i] * ny - Y[i] * nx;
      return std::sqrt(cx * cx + cy * cy + cz * cz) / len;
    };
    EXPECT_NEAR(n[k - 1] * sine(k - 1), n[k] * sine(k), 1e-14) << "surface " << k;
    EXPECT_GT(sine(k), 1e-3);  // a real skew refraction, not a trivial one
  }
  EXPECT_EQ(z[4], 0.0);  // the last entry is the ray on the image plane
}

TEST_F(SynthesisDoublet, TracesNeedACurrentParaxialCalculation) {
  EXPECT_OK(ZELT_Source_Set_Wavelength(2, 0.7));
  Ray r;
  const int status = traceRay(0, 0, 0.5, 0, r);
  EXPECT_NE(status, 0);
  EXPECT_NE(errorText(status).find("paraxial"), std::string::npos) << errorText(status);
  EXPECT_EQ(r.x, -7);
  EXPECT_OK(ZELT_Calc_Paraxial());
  EXPECT_OK(traceRay(0, 0, 0.5, 2, r));
  EXPECT_OK(ZELT_System_Create_Base());
  EXPECT_OK(ZELT_System_Append_Surface());
  EXPECT_OK(ZELT_Stop_Set_Surface_Num(1));
  EXPECT_NE(traceRay(0, 0, 0.5, 0, r), 0);  // a new system has no paraxial data yet
}

TEST_F(SynthesisDoublet, IndexedGettersRefuseNumbersOutsideTheWavelengths) {
  double v = 42;
  EXPECT_OK(ZELT_Paraxial_Get_V(2, &v));
  for (int bad : {-1, 3}) {
    double out = 42;
    const int status = ZELT_Paraxial_Get_SP(bad, &out);
    EXPECT_EQ(errorText(status), "Ошибка при задании номера длины волны");
    EXPECT_NE(ZELT_Paraxial_Get_SG(bad, &out), 0);
    EXPECT_NE(ZELT_Paraxial_Get_SP_(bad, &out), 0);
    EXPECT_NE(ZELT_Paraxial_Get_V(bad, &out), 0);
    EXPECT_EQ(out, 42);
  }
  Ray r;
  EXPECT_NE(traceRay(0, 0, 0.5, 3, r), 0);
}

// Plane front, glass n = 1.5 of thickness 12, rear sphere of radius -10: rays high in the pupil
// are totally reflected at the rear surface, higher ones miss it.
void buildHemisphere() {
  EXPECT_OK(ZELT_System_Create_Base());
  EXPECT_OK(ZELT_System_Append_Surface());
  EXPECT_OK(ZELT_System_Append_Surface());
  EXPECT_OK(ZELT_Surface_Set_Curvature(2, -0.1));
  EXPECT_OK(ZELT_Surface_Set_Thickness(1, 12));
  EXPECT_OK(ZELT_Surface_Set_And_Create_Glass(1, "N15", {1.5}));
  EXPECT_OK(ZELT_Stop_Set_Surface_Num(1));
  EXPECT_OK(ZELT_Stop_Set(10, 'p'));
  EXPECT_OK(ZELT_Image_Set_Type(true));
  EXPECT_OK(ZELT_Calc_Paraxial());
}

TEST(CalcApi, MissAndTotalReflectionAreReportedWithoutTouchingOutputs) {
  buildHemisphere();
  struct Case {
    double py;
    int code;
  };
  for (const Case c : {Case{0.95, 2}, Case{1.05, 1}}) {
    Ray r;
    EXPECT_OK(traceRay(0, 0, c.py, 0, r));
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.node, 2);
    EXPECT_EQ(r.x, -7);
    EXPECT_EQ(r.Z, -7);
    EXPECT_EQ(r.L, -7);
    double x[4] = {-7, -7, -7, -7}, a[4], b[4], d[4], e[4], f[4], L = -7;
    int code = -1, node = -1;
    EXPECT_OK(ZELT_Ray_Trace_Path(0, 0, 0, c.py, 0, x, a, b, d, e, f, &L, &code, &node));
    EXPECT_EQ(code, c.code);
    EXPECT_EQ(x[0], -7);
    EXPECT_EQ(L, -7);
  }
  Ray inside;
  EXPECT_OK(traceRay(0, 0, 0.5, 0, inside));
  EXPECT_EQ(inside.code, 0);
}

TEST(CalcApi, RefusesASystemWithoutStop) {
  EXPECT_OK(ZELT_System_Create_Base());
  EXPECT_OK(ZELT_System_Append_Surface());
  EXPECT_OK(ZELT_Surface_Set_Curvature(1, 0.01));
  const int status = ZELT_Calc_Paraxial();
  EXPECT_NE(status, 0);
  EXPECT_NE(errorText(status).find("stop"), std::string::npos) << errorText(status);
  Ray r;
  EXPECT_NE(traceRay(0, 0, 0.5, 0, r), 0);
}

TEST(CalcApi, TracePathSwitchesStopToApertureAndFillsEveryEntry) {
  buildHemisphere();
  EXPECT_OK(ZELT_Stop_Set(5, 'd'));
  double x[4], y[4], z[4], X[4], Y[4], Z[4], L = 0;
  int code = -1, node = -1;
  EXPECT_OK(ZELT_Image_Set_Type(false));
  EXPECT_OK(ZELT_Calc_Paraxial());
  EXPECT_OK(ZELT_Ray_Trace_Path(0, 0, 0, 0.5, 0, x, y, z, X, Y, Z, &L, &code, &node));
  char type = 0;
  double size = 0;
  EXPECT_OK(ZELT_Stop_Get_Type(&type));
  EXPECT_OK(ZELT_Stop_Get_Size(&size));
  EXPECT_EQ(type, 'p');
  EXPECT_DOUBLE_EQ(size, 1.0);  // half-height 5 seen from an object distance of 0
  EXPECT_DOUBLE_EQ(y[0], 0.5);
  EXPECT_EQ(x[3], x[2]);  // image at infinity: the final ray is the last surface's
  EXPECT_EQ(Z[3], Z[2]);
  EXPECT_DOUBLE_EQ(y[1], 0.5);
  EXPECT_LT(Y[2], 0.0);  // the convex rear face bends the ray towards the axis
}

TEST(CalcApi, ThinLensAndReport) {
  // A thin plano-convex lens, n = 1.5, R = 50: f' = 1 / ((n - 1) c) = 100.
  EXPECT_OK(ZELT_System_Create_Base());
  EXPECT_OK(ZELT_System_Append_Surface());
  EXPECT_OK(ZELT_System_Append_Surface());
  EXPECT_OK(ZELT_Surface_Set_Curvature(1, 0.02));
  EXPECT_OK(ZELT_Surface_Set_And_Create_Glass(1, "N15", {1.5}));
  EXPECT_OK(ZELT_Stop_Set_Surface_Num(1));
  EXPECT_OK(ZELT_Calc_Paraxial());
  double f = 0, f_ = 0;
  EXPECT_OK(ZELT_Paraxial_Get_F(&f));
  EXPECT_OK(ZELT_Paraxial_Get_F_(&f_));
  EXPECT_NEAR(f_, 100.0, 1e-12);
  EXPECT_NEAR(f, -100.0, 1e-12);

  const std::string path = ::testing::TempDir() + "/paraxial.txt";
  EXPECT_OK(ZELT_Write_Paraxial(path.c_str()));
  const std::string rule(70, '-');
  EXPECT_EQ(
      zelt_test::fileBytes(path),
      rule + "\n   Paraxial characteristics :\n" + rule +
          "\n    F        F'        Sf        Sf'        Sh        Sh'       L     \n" + rule +
          "\n-100.0000   100.0000   -100.0000   100.0000   0.0000   0.0000\n\n" + rule +
          "\n wl          s         s'       s'G        V         Sp        Sp'    \n" + rule +
          "\n  0     0.00000   0.01000   0.01000   1.00000   0.00000   0.00000\n" + rule + "\n");
  EXPECT_OK(ZELT_Write_Paraxial("/nonexistent-dir/paraxial.txt"));  // nothing to write into
}

TEST(CalcApi, StopDistanceOfAStopSurfaceInAir) {
  // Dummy stop 10 before a lens, lens, then a dummy stop 5 behind it.
  EXPECT_OK(ZELT_System_Create_Base());
  for (int i = 0; i < 4; ++i) EXPECT_OK(ZELT_System_Append_Surface());
  EXPECT_OK(ZELT_Surface_Set_Thickness(1, 10));
  EXPECT_OK(ZELT_Surface_Set_Curvature(2, 0.02));
  EXPECT_OK(ZELT_Surface_Set_Thickness(2, 3));
  EXPECT_OK(ZELT_Surface_Set_And_Create_Glass(2, "N15", {1.5}));
  EXPECT_OK(ZELT_Surface_Set_Thickness(3, 5));
  struct Case {
    int surface;
    double sd;
  };
  for (const Case c : {Case{1, -10}, Case{4, 5}, Case{2, 99}}) {
    EXPECT_OK(ZELT_Stop_Set_Surface_Num(c.surface));
    double sd = 99;
    EXPECT_OK(ZELT_Stop_Get_SD(sd));
    EXPECT_EQ(sd, c.sd) << "stop on surface " << c.surface;
  }
}

}  // namespace

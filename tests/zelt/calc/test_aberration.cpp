// Aberration tables checked against physics: a perfect mirror, symmetry on the axis, an exact
// axis crossing, third-order scaling, single traced rays, and the refusals.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/TestSupport.h"

using zelt_test::errorText;

namespace {

// Relative pupil of the table elements, upper rim first.
const double kPupil[9] = {1.0,  std::sqrt(0.75), std::sqrt(0.5),   0.5, 0.0,
                          -0.5, -std::sqrt(0.5), -std::sqrt(0.75), -1.0};

void calculate() {
  EXPECT_OK(ZELT_Calc_Paraxial());
  EXPECT_OK(ZELT_Calc_Aberration());
}

using Row = std::vector<double>;
Row transverse(int w, int field) {
  Row row;
  EXPECT_OK(ZELT_Aberration_Get_Transverse_Aberration(w, field, row));
  return row;
}
Row longitudinal(int w) {
  Row row;
  EXPECT_OK(ZELT_Aberration_Get_Longitudinale_Aberration(w, row));
  return row;
}
Row wave(int w, int field) {
  Row row;
  EXPECT_OK(ZELT_Aberration_Get_Wave_Aberration(w, field, row));
  return row;
}

using zelt_test::buildSinglet;
using zelt_test::Singlet;
using zelt_test::tracedRay;

TEST(Aberration, ParaboloidMirrorFocusesTheAxialBeamPerfectly) {
  zelt_test::buildParaboloid(200.0, 40.0);
  calculate();
  for (int w = 0; w < 3; ++w) {
    const std::vector<double> t = transverse(w, 0), la = longitudinal(w), wv = wave(w, 0);
    ASSERT_EQ(t.size(), 9u);
    for (int k = 0; k < 9; ++k) {
      EXPECT_NEAR(t[k], 0.0, 1e-10) << w << " " << k;
      EXPECT_NEAR(la[k], 0.0, 1e-8) << w << " " << k;
      EXPECT_NEAR(wv[k], 0.0, 1e-6) << w << " " << k;
      EXPECT_TRUE(std::isfinite(wave(w, 4)[k]));  // κ of a chief ray with no neighbour is 0
    }
  }
}

// The axial beam is symmetric at every wavelength; the tables agree with single traced rays.
TEST(Aberration, AxialSymmetryAndSingleTracedRays) {
  buildSinglet({});
  calculate();
  EXPECT_NEAR(transverse(0, 0)[4], 0.0, 1e-15);
  for (int w = 0; w < 3; ++w) {
    const std::vector<double> t = transverse(w, 0), la = longitudinal(w), wv = wave(w, 0);
    EXPECT_EQ(wv[4], 0.0);
    EXPECT_GT(std::fabs(t[0]), 1e-3);  // a singlet at f/2.5 has plenty of spherical aberration
    for (int k = 0; k < 4; ++k) {
      EXPECT_NEAR(t[k] - t[4], -(t[8 - k] - t[4]), 1e-12) << w << " " << k;
      EXPECT_NEAR(la[k], la[8 - k], 1e-9) << w << " " << k;
      EXPECT_NEAR(wv[k], wv[8 - k], 1e-7) << w << " " << k;
    }
  }
  const double omega = 0.05;  // the singlet's field angle
  for (int field : {0, 2, 4}) {
    // Field points sit evenly in the tangent of the field angle, i.e. in image height.
    const double f = std::atan(std::sqrt(field / 4.0) * std::tan(omega)) / omega;
    const double chiefY = tracedRay(f, 0, 0, 0).y;
    const std::vector<double> t = transverse(0, field);
    for (int k = 0; k < 9; ++k) {
      const zelt_test::Ray ray = tracedRay(f, 0, kPupil[k], 0);
      EXPECT_NEAR(t[k], ray.y - chiefY, 1e-12) << field << " " << k;
      if (field == 0 && k != 4) {
        EXPECT_NEAR(longitudinal(0)[k], t[k] * ray.Z / ray.Y, 1e-9);
      }
    }
  }
}

// Axis crossing of the meridional ray entering parallel at height h, measured from the paraxial
// focus, through a sphere of radius R and a plane behind it: Snell's law written apart.
double exactCrossingFromFocus(double R, double d, double n, double h) {
  const double sinI = h / R;
  const double sinI_ = sinI / n;
  const double bend = std::asin(sinI) - std::asin(sinI_);  // slope angle behind surface 1
  const double sag = R - std::sqrt(R * R - h * h);
  const double yAtPlane = h - (d - sag) * std::tan(bend);   // height on the plane
  const double slopeInAir = std::asin(n * std::sin(bend));  // after the plane
  const double crossing = yAtPlane / std::tan(slopeInAir);  // behind the plane
  const double backFocus = R / (n - 1.0) - d / n;
  return crossing - backFocus;
}

TEST(Aberration, RimLongitudinalValueMatchesTheExactAxisCrossing) {
  const double R = Singlet::kRadius, d = Singlet::kThickness, n = 1.5168, r = 10.0;
  buildSinglet({.pupilRadius = r, .waves = {0.5876}, .indices = {n}});
  calculate();
  const std::vector<double> la = longitudinal(0);
  // The value is the distance from the crossing forward to the image plane.
  EXPECT_NEAR(la[0], -exactCrossingFromFocus(R, d, n, r), 1e-9);
  EXPECT_NEAR(la[2], -exactCrossingFromFocus(R, d, n, r * std::sqrt(0.5)), 1e-9);
  EXPECT_GT(la[0], 0.0);  // the rim focuses short of the paraxial focus
}

TEST(Aberration, SmallAperturesScaleAsThirdOrderTheory) {
  buildSinglet({.pupilRadius = 0.5, .waves = {0.5876}, .indices = {1.5168}});
  calculate();
  const std::vector<double> la = longitudinal(0), t = transverse(0, 0);
  for (int k : {1, 2, 3}) {
    const double rho = kPupil[k];
    EXPECT_NEAR(la[k] / la[0], rho * rho, 2e-3 * rho * rho) << k;
    EXPECT_NEAR(t[k] / t[0], rho * rho * rho, 2e-3 * rho * rho * rho) << k;
  }
  // Halving the aperture: a quarter of the longitudinal, an eighth of the transverse value.
  EXPECT_OK(ZELT_Stop_Set(0.25, 'p'));
  calculate();
  EXPECT_NEAR(longitudinal(0)[0] / la[0], 0.25, 1e-3);
  EXPECT_NEAR(transverse(0, 0)[0] / t[0], 0.125, 1e-3);
}

// A plane in air in front of the stop bends no ray and must not disturb the neighbouring rays
// either: its crossing is read as a refraction of index ratio 1.
TEST(Aberration, PlaneInAirInFrontOfTheLensChangesNothing) {
  std::vector<Row> tables[2];
  for (bool leadingPlane : {false, true}) {
    buildSinglet({.leadingPlane = leadingPlane});
    calculate();
    for (int field : {0, 4}) tables[leadingPlane].push_back(wave(0, field));
    tables[leadingPlane].push_back(transverse(0, 4));
  }
  for (std::size_t r = 0; r < tables[0].size(); ++r)
    for (int k = 0; k < 9; ++k) EXPECT_NEAR(tables[1][r][k], tables[0][r][k], 1e-7) << r << k;
}

// Contains `part`: the messages name what is missing and how to mend it.
#define EXPECT_MESSAGE(status, part) EXPECT_NE(errorText(status).find(part), std::string::npos)

TEST(Aberration, RefusesWhatItCannotComputeWithClearMessages) {
  std::vector<double> row{7.0};
  EXPECT_OK(zelt_test::buildSystem(1));
  EXPECT_MESSAGE(ZELT_Calc_Aberration(), "no aperture stop");

  buildSinglet({});
  EXPECT_MESSAGE(ZELT_Calc_Aberration(), "run the paraxial calculation");
  EXPECT_OK(ZELT_Calc_Paraxial());
  EXPECT_OK(ZELT_Source_Append_Wave(0.7, 1));
  EXPECT_MESSAGE(ZELT_Calc_Aberration(), "paraxial");

  buildSinglet({});
  EXPECT_OK(ZELT_Image_Set_Type(false));
  EXPECT_OK(ZELT_Calc_Paraxial());
  EXPECT_MESSAGE(ZELT_Calc_Aberration(), "afocal");
  // No table survives a refused calculation.
  EXPECT_MESSAGE(ZELT_Aberration_Get_Wave_Aberration(0, 0, row), "No aberration");
  EXPECT_EQ(row, std::vector<double>{7.0});

  // An aperture wider than the sphere: the rim ray misses, its message is the status.
  buildSinglet({.pupilRadius = 60.0});
  EXPECT_OK(ZELT_Calc_Paraxial());
  EXPECT_EQ(errorText(ZELT_Calc_Aberration()), "Missing On Surface");
  EXPECT_NE(ZELT_Aberration_Get_Transverse_Aberration(0, 0, row), 0);

  // Out-of-range indices; with the main wavelength the longest, only it is computed.
  buildSinglet({.waves = {0.6563, 0.4861, 0.5876}, .indices = {1.5143, 1.5224, 1.5168}});
  calculate();
  EXPECT_EQ(wave(0, 4).size(), 9u);
  EXPECT_NE(ZELT_Aberration_Get_Transverse_Aberration(3, 0, row), 0);
  EXPECT_NE(ZELT_Aberration_Get_Transverse_Aberration(0, 5, row), 0);
  EXPECT_MESSAGE(ZELT_Aberration_Get_Wave_Aberration(0, -1, row), "Field index -1");
  EXPECT_MESSAGE(ZELT_Aberration_Get_Wave_Aberration(1, 0, row), "Wavelength index 1");
  EXPECT_EQ(row, std::vector<double>{7.0});
}

}  // namespace

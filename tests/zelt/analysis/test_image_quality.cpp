// Image quality and refinement checked against physics: a paraboloid mirror images the axis
// perfectly, a singlet's spot and wavefront agree with rays traced here one by one, a refined
// doublet keeps its focal length and improves, a perfect pupil gives the textbook MTF.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "tests/support/TestSupport.h"
#include "zelt/analysis/OPupilSampling.h"

namespace {

constexpr double kPi = std::numbers::pi;

// A paraboloid mirror of focal length `focal` read from a lens file (only a file makes a
// surface reflect), stop on the mirror, image on the paraxial focus.
void buildParaboloid(double focal, double pupilRadius) {
  const std::string path = zelt_test::tempPath("quality_paraboloid.zmx");
  zelt_test::writeBytes(
      path,
      "VERS 120928 15 30221\nMODE SEQ\nNAME PARABOLOID\nUNIT MM X W X CM MR CPMM\n"
      "ENPD 20\nWAVM 1 5.5E-1 1\nWAVM 2 4.5E-1 1\nWAVM 3 6.5E-1 1\nPWAV 1\n"
      "SURF 0\n  TYPE STANDARD\n  CURV 0.0 0 0 0 0 \"\"\n  DISZ INFINITY\n"
      "SURF 1\n  STOP\n  TYPE STANDARD\n  CURV 0.0 0 0 0 0 \"\"\n  GLAS MIRROR\n  DISZ -100\n"
      "SURF 2\n  TYPE STANDARD\n  CURV 0.0 0 0 0 0 \"\"\n  DISZ 0\n");
  EXPECT_OK(ZELT_System_Read_Zmx_File(path.c_str()));
  EXPECT_OK(ZELT_Surface_Set_Curvature(1, -0.5 / focal));
  EXPECT_OK(ZELT_Surface_Set_Conic(1, 1.0));
  EXPECT_OK(ZELT_Surface_Set_Thickness(1, -focal));
  EXPECT_OK(ZELT_Object_Set_Type(false));
  EXPECT_OK(ZELT_Object_Set_Size(0.01));
  EXPECT_OK(ZELT_Image_Set_Type(true));
  EXPECT_OK(ZELT_Image_Set_Distance_Type(true));
  EXPECT_OK(ZELT_Image_Set_S_(0.0));
  EXPECT_OK(ZELT_Stop_Set(pupilRadius, 'p'));
  EXPECT_OK(ZELT_Calc_Paraxial());
}

// Plano-convex singlet, convex side to the object at infinity, stop on the first surface.
constexpr double kRadius = 51.5, kThickness = 5.0, kPupilRadius = 8.0;
const std::vector<double> kIndices{1.5168, 1.5224, 1.5143};

void buildSinglet() {
  EXPECT_OK(ZELT_System_Create_Base());
  EXPECT_OK(ZELT_System_Append_Surface());
  EXPECT_OK(ZELT_System_Append_Surface());
  EXPECT_OK(ZELT_Surface_Set_Curvature(1, 1.0 / kRadius));
  EXPECT_OK(ZELT_Surface_Set_Thickness(1, kThickness));
  EXPECT_OK(ZELT_Surface_Set_And_Create_Glass(1, "GLASS", kIndices));
  EXPECT_OK(ZELT_Source_Set_Wavelength(0, 0.5876));
  EXPECT_OK(ZELT_Source_Append_Wave(0.4861, 1));
  EXPECT_OK(ZELT_Source_Append_Wave(0.6563, 1));
  EXPECT_OK(ZELT_Object_Set_Type(false));
  EXPECT_OK(ZELT_Object_Set_Size(-0.05));
  EXPECT_OK(ZELT_Image_Set_Type(true));
  EXPECT_OK(ZELT_Image_Set_Distance_Type(true));
  EXPECT_OK(ZELT_Stop_Set_Surface_Num(1));
  EXPECT_OK(ZELT_Stop_Set(kPupilRadius, 'p'));
  EXPECT_OK(ZELT_Calc_Paraxial());
}

struct Ray {
  double x = 0, y = 0, z = 0, X = 0, Y = 0, Z = 0, L = 0;
};

Ray traceOne(double fy, double px, double py, int w) {
  Ray r;
  int code = -1, node = -1;
  EXPECT_OK(
      ZELT_Ray_Trace(0, fy, px, py, w, &r.x, &r.y, &r.z, &r.X, &r.Y, &r.Z, &r.L, &code, &node));
  EXPECT_EQ(code, 0);
  return r;
}

double spotRms(int field) {
  double rms = 0.0;
  EXPECT_OK(ZELT_Quality_Get_Spot_Rms(field, &rms));
  return rms;
}

}  // namespace

TEST(ImageQuality, ParaboloidMirrorImagesTheAxisPerfectly) {
  buildParaboloid(200.0, 40.0);
  EXPECT_OK(ZELT_Quality_Calc({0.0}));
  EXPECT_NEAR(spotRms(0), 0.0, 1e-10);  // mm: rounding of 127 × 3 traces only
  double wfe = 1.0, strehl = 0.0;
  EXPECT_OK(ZELT_Quality_Get_Wavefront(&wfe, &strehl));
  EXPECT_NEAR(wfe, 0.0, 1e-6);  // waves
  EXPECT_NEAR(strehl, 1.0, 1e-9);
}

TEST(ImageQuality, SingletSpotAndWavefrontAgreeWithRaysTracedOneByOne) {
  buildSinglet();
  EXPECT_OK(ZELT_Quality_Calc({0.0, 1.0}));
  const std::vector<zelt::OPupilPoint> pupil = zelt::hexapolarPupil(6);
  ASSERT_EQ(pupil.size(), 127u);
  for (int field = 0; field < 2; ++field) {
    std::vector<Ray> rays;
    double cx = 0, cy = 0;
    for (int w = 0; w < 3; ++w)
      for (const auto& p : pupil) {
        rays.push_back(traceOne(field, p.px, p.py, w));
        cx += rays.back().x / 381.0;
        cy += rays.back().y / 381.0;
      }
    double sum = 0;
    for (const Ray& r : rays) sum += (r.x - cx) * (r.x - cx) + (r.y - cy) * (r.y - cy);
    EXPECT_NEAR(spotRms(field), std::sqrt(sum / 381.0), 1e-12) << field;
  }
  // Wavefront on the axis: the exit pupil is the stop seen through the plane back face, at the
  // apparent depth d/n in front of it; the reference sphere runs from there to the axial image.
  double sPrime = 0.0;
  EXPECT_OK(ZELT_Quality_Get_Image_Distance(&sPrime));
  const double radius = sPrime + kThickness / kIndices[0];
  std::vector<double> opd;
  double mean = 0;
  for (const auto& p : pupil) {
    const Ray r = traceOne(0, p.px, p.py, 0);  // on the image plane
    const double vd = r.x * r.X + r.y * r.Y;
    const double t = -vd - std::sqrt(vd * vd - (r.x * r.x + r.y * r.y) + radius * radius);
    opd.push_back(r.L + t);
    mean += opd.back() / 127.0;
  }
  double sum = 0;
  for (double v : opd) sum += (v - mean) * (v - mean);
  const double expected = std::sqrt(sum / 127.0) * 1000.0 / 0.5876;
  double wfe = 0.0, strehl = 0.0;
  EXPECT_OK(ZELT_Quality_Get_Wavefront(&wfe, &strehl));
  EXPECT_GT(wfe, 0.1);  // a fast singlet is far from diffraction-limited
  EXPECT_NEAR(wfe, expected, 1e-9 * expected);
  EXPECT_NEAR(strehl, std::exp(-std::pow(2 * kPi * wfe, 2)), 1e-12);
}

TEST(ImageQuality, PerfectPupilGivesTheCircularApertureMtf) {
  buildParaboloid(200.0, 20.0);
  EXPECT_OK(ZELT_Quality_Calc_Mtf({0.0}, 128));
  std::vector<double> f, t, s;
  EXPECT_OK(ZELT_Quality_Get_Mtf(0, 3, f, t, s));  // polychromatic
  ASSERT_EQ(f.size(), 129u);
  // Cut-off D/(λ f′) at 0.55 µm: 40 mm / (0.55e-3 mm · 200 mm).
  EXPECT_NEAR(f.back(), 40.0 / (0.55e-3 * 200.0), 1e-9);
  EXPECT_OK(ZELT_Quality_Get_Mtf(0, 0, f, t, s));
  for (std::size_t k = 0; k < f.size(); ++k) {
    const double nu = f[k] / f.back();
    const double expected = 2 / kPi * (std::acos(nu) - nu * std::sqrt(1 - nu * nu));
    EXPECT_NEAR(t[k], expected, 1e-3) << nu;
    EXPECT_NEAR(s[k], expected, 1e-3) << nu;
  }
}

TEST(Refinement, DoubletKeepsItsFocalLengthAndImproves) {
  for (double weight : {0.0, 0.25}) {
    zelt_test::buildDoublet(zelt_test::kAchromat);
    EXPECT_OK(ZELT_Object_Set_Size(-0.05));
    EXPECT_OK(ZELT_Calc_Paraxial());
    double focal = 0.0, after = 0.0, start = 0.0, merit = 0.0;
    EXPECT_OK(ZELT_Paraxial_Get_F_(&focal));
    EXPECT_OK(ZELT_Refine_Run(weight, &start, &merit));
    EXPECT_OK(ZELT_Calc_Paraxial());
    EXPECT_OK(ZELT_Paraxial_Get_F_(&after));
    EXPECT_NEAR(after, focal, 1e-9 * focal) << weight;
    EXPECT_LE(merit, start) << weight;
    // The merit is the judged image: recomputed from the refined system it is the same.
    EXPECT_OK(ZELT_Quality_Calc({0.0, 1.0}));
    const double axis = spotRms(0), field = spotRms(1);
    EXPECT_NEAR(axis * axis + weight * field * field, merit, 1e-9 * merit) << weight;
  }
}

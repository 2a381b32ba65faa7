#include "synthesis/doublet_aberrations.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "zelt_api/zelt_api.h"

namespace synthesis {

namespace {

constexpr int kFieldPoints = 5;

// Returns the source's wavelengths up to its first longest one: those the tables hold.
std::vector<double> tableWavelengths() {
  int count = 0;
  ZELT_Throw_On_Error(ZELT_Source_Get_Wavelength_Count(&count));
  std::vector<double> all(static_cast<std::size_t>(count));
  for (int w = 0; w < count; ++w) ZELT_Throw_On_Error(ZELT_Source_Get_Wavelength(w, &all[w]));
  const auto longest = std::max_element(all.begin(), all.end());
  return {all.begin(), longest == all.end() ? all.end() : longest + 1};
}

// Fills the relative fields and their angles: even steps in the tangent of the field angle.
void labelFields(double fieldAngle, DoubletAberrations& a) {
  const double omega = fieldAngle * std::numbers::pi / 180.0;
  for (int i = 0; i < kFieldPoints; ++i) {
    const double f = std::sqrt(i / (kFieldPoints - 1.0));
    const double relative = omega != 0.0 ? std::atan(f * std::tan(omega)) / omega : f;
    a.fields.push_back(relative);
    a.fieldAngles.push_back(relative * fieldAngle);
  }
}

}  // namespace

DoubletAberrations computeDoubletAberrations(const DoubletResult& doublet) {
  doublet.buildDoublet();
  ZELT_Throw_On_Error(ZELT_Object_Set_Size(-doublet.fieldAngle * std::numbers::pi / 180.0));
  ZELT_Throw_On_Error(ZELT_Calc_Paraxial());
  ZELT_Throw_On_Error(ZELT_Calc_Aberration());
  DoubletAberrations a;
  a.wavelengths = tableWavelengths();
  labelFields(doublet.fieldAngle, a);
  a.pupil = {1.0,  std::sqrt(0.75), std::sqrt(0.5),   0.5, 0.0,
             -0.5, -std::sqrt(0.5), -std::sqrt(0.75), -1.0};
  const int waves = static_cast<int>(a.wavelengths.size());
  a.longitudinal.resize(waves);
  a.transverse.assign(waves, std::vector<std::vector<double>>(kFieldPoints));
  a.wave.assign(waves, std::vector<std::vector<double>>(kFieldPoints));
  for (int w = 0; w < waves; ++w) {
    ZELT_Throw_On_Error(ZELT_Aberration_Get_Longitudinale_Aberration(w, a.longitudinal[w]));
    for (int i = 0; i < kFieldPoints; ++i) {
      ZELT_Throw_On_Error(ZELT_Aberration_Get_Transverse_Aberration(w, i, a.transverse[w][i]));
      ZELT_Throw_On_Error(ZELT_Aberration_Get_Wave_Aberration(w, i, a.wave[w][i]));
    }
  }
  return a;
}

}  // namespace synthesis

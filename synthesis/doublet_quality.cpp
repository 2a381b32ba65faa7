#include "synthesis/doublet_quality.h"

#include <cmath>
#include <numbers>

#include "zelt_api/zelt_api.h"

namespace synthesis {

namespace {

void fillSpots(DoubletQuality& q) {
  ZELT_Throw_On_Error(ZELT_Quality_Calc(q.fields));
  for (int i = 0; i < static_cast<int>(q.fields.size()); ++i) {
    double rms = 0.0;
    ZELT_Throw_On_Error(ZELT_Quality_Get_Spot_Rms(i, &rms));
    q.rms.push_back(rms);
    q.spots.emplace_back(q.wavelengths.size());
    for (int w = 0; w < static_cast<int>(q.wavelengths.size()); ++w) {
      SpotPoints& spot = q.spots.back()[static_cast<std::size_t>(w)];
      ZELT_Throw_On_Error(ZELT_Quality_Get_Spot_Points(i, w, spot.x, spot.y));
    }
  }
  ZELT_Throw_On_Error(ZELT_Quality_Get_Wavefront(&q.wfeRms, &q.strehl));
  ZELT_Throw_On_Error(ZELT_Quality_Get_Image_Distance(&q.imageDistance));
}

void fillMtf(DoubletQuality& q) {
  ZELT_Throw_On_Error(ZELT_Quality_Calc_Mtf(q.fields, kMtfSamples));
  for (int i = 0; i < static_cast<int>(q.fields.size()); ++i) {
    q.mtf.emplace_back(q.wavelengths.size() + 1);
    for (int w = 0; w <= static_cast<int>(q.wavelengths.size()); ++w) {
      MtfCurves& c = q.mtf.back()[static_cast<std::size_t>(w)];
      ZELT_Throw_On_Error(ZELT_Quality_Get_Mtf(i, w, q.frequencies, c.tangential, c.sagittal));
    }
  }
}

}  // namespace

DoubletQuality computeDoubletQuality(const DoubletResult& doublet) {
  doublet.buildDoublet();
  ZELT_Throw_On_Error(ZELT_Object_Set_Size(-doublet.fieldAngle * std::numbers::pi / 180.0));
  ZELT_Throw_On_Error(ZELT_Calc_Paraxial());
  DoubletQuality q;
  q.wavelengths = {doublet.lambda0, doublet.lambdaMin, doublet.lambdaMax};
  q.fields = {0.0, 0.7, 1.0};
  for (double f : q.fields) q.fieldAngles.push_back(f * doublet.fieldAngle);
  double focal = 0.0;
  ZELT_Throw_On_Error(ZELT_Paraxial_Get_F_(&focal));
  q.airyRadius = 1.22 * doublet.lambda0 * 1e-3 * std::fabs(focal) / doublet.pupilDiameter;
  fillSpots(q);
  fillMtf(q);
  return q;
}

}  // namespace synthesis

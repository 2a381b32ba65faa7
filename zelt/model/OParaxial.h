#pragma once

#include <vector>

namespace zelt {

// First-order characteristics of a system: focal lengths and cardinal points at the main
// wavelength, and per source wavelength the pupils, the Gaussian image and the magnification.
class OParaxial {
 public:
  virtual ~OParaxial() = default;

  // Zeroes the focal data and empties the per-wavelength lists; S and S_ are kept.
  virtual void clear() {
    F = F_ = SF = SF_ = SH = SH_ = 0.0;
    SP.clear();
    SP_.clear();
    SG.clear();
    Inv.clear();
    V.clear();
    wavelengths.clear();
  }

  double F = 0.0;    // front focal length
  double F_ = 0.0;   // back focal length
  double SF = 0.0;   // front focal point from the first surface
  double SF_ = 0.0;  // back focal point from the last surface
  double SH = 0.0;   // front principal point from the first surface
  double SH_ = 0.0;  // back principal point from the last surface
  double S = 0.0;    // object distance used by the calculation
  double S_ = 0.0;   // image distance used by the calculation

  std::vector<double> SP;   // entrance pupil position per wavelength
  std::vector<double> SP_;  // exit pupil position per wavelength
  std::vector<double> SG;   // Gaussian image position per wavelength
  std::vector<double> Inv;  // invariant of the axial and chief rays per wavelength
  std::vector<double> V;    // magnification per wavelength

  // Source wavelengths the lists were computed for; ray traces refuse stale lists.
  std::vector<double> wavelengths;
};

}  // namespace zelt

#pragma once

#include <vector>

#include "zelt/calc/OAxisSystemCalc.h"
#include "zelt/calc/ODiffRealRay.h"
#include "zelt/calc/OPath.h"
#include "zelt/ray/ORayCalc.h"

namespace zelt {

// A table over field point, wavelength and pupil point, in that order of indices.
template <class T>
using OFieldWavePupil = std::vector<std::vector<std::vector<T>>>;

// The per-ray tables of one aberration calculation, all of the same field × wavelength × pupil
// shape.
class OAberrationAxisBeam {
 public:
  explicit OAberrationAxisBeam(OAxisSystem* owner = nullptr) : system(owner) {}
  virtual ~OAberrationAxisBeam() = default;

  // Empties every table.
  virtual void clear() {
    paths.clear();
    finalRays.clear();
    opticalPath.clear();
    transverse.clear();
    wave.clear();
  }

  OFieldWavePupil<OPath<ODiffRealRay>> paths;  // N + 2 rays each, entry N + 1 on the image
  OFieldWavePupil<ODiffRealRay> finalRays;     // R: the rays on the image plane
  OFieldWavePupil<double> opticalPath;         // OPL from the entrance wavefront to the image
  OFieldWavePupil<double> transverse;          // T, from the main wavelength's chief ray
  OFieldWavePupil<double> wave;                // W, in waves of the main wavelength
  OAxisSystem* system;
};

// Real-ray aberrations of a centred system over five field points, the wavelengths up to the
// first longest one and nine meridional pupil points. After a calculation the pupil-ordered rows
// run from the upper rim (element 0) to the lower rim.
class OAberration {
 public:
  explicit OAberration(OAxisSystem& system) : beam(&system), system_(&system), calc_(system) {}
  virtual ~OAberration() = default;
  OAberration(const OAberration&) = delete;
  OAberration& operator=(const OAberration&) = delete;

  // Fills the tables from the current system and its last paraxial calculation. Throws, and
  // leaves the tables unavailable, when a ray fails or the system cannot be calculated.
  void calculate();

  // Returns true when the last calculation completed.
  bool ready() const { return ready_; }
  // Returns the number of wavelengths the tables hold.
  int wavelengthCount() const { return static_cast<int>(lambda.size()); }
  // Returns the number of field points.
  int fieldCount() const { return static_cast<int>(fieldSteps) + 1; }

  // Returns the longitudinal row of wavelength w; throws unless ready and w is in range.
  const std::vector<double>& longitudinal(int w) const;
  // Returns the transverse row of wavelength w and field point i; throws as above.
  const std::vector<double>& transverse(int w, int i) const;
  // Returns the wave aberration row of wavelength w and field point i; throws as above.
  const std::vector<double>& wave(int w, int i) const;

  double fieldSteps = 4.0;  // NF: five field points
  double pupilSteps = 8.0;  // NP: nine pupil points
  bool modeFlag1 = false;   // alternative modes, off in this library
  bool modeFlag2 = false;
  int modeNumber = 0;

  std::vector<double> lambda;  // wavelengths taken, µm
  std::vector<double> field;   // relative field of each field point
  std::vector<double> pupil;   // relative pupil of each pupil point
  OAberrationAxisBeam beam;
  std::vector<std::vector<ODiffRealRay>> chiefRays;   // C: final ray of the pupil centre
  std::vector<std::vector<double>> longitudinalRows;  // LA per wavelength, on the axis

 private:
  void sample();
  void resizeTables();
  void traceGridRay(int i, int w, int j);
  void fillTransverseAndLongitudinal();
  void fillWave();
  void reversePupilOrder();
  void checkRow(int w, int i) const;

  OAxisSystem* system_;
  OAxisSystemCalc calc_;
  bool ready_ = false;
};

// Starts the neighbouring rays of a start ray: for stop size r and wavelength w.
void startDifferential(const OAxisSystem& system, ODiffRealRay& ray, double r, int w);

// Carries the neighbourhood of a ray over the transfer and refraction the real node step has
// just made at a surface of curvature calc.curvature[0][0]; mu is the index ratio there.
void stepDifferential(ODiffRealRay& ray, double mu, ORayCalc& calc);

// Traces path.rays[0] from node `first` through node `last` with the differential node step.
void traceDiffPath(const OAxisSystem& system, OPath<ODiffRealRay>& path, const ONode* first,
                   const ONode* last, int w, ORayCalc& calc);

}  // namespace zelt

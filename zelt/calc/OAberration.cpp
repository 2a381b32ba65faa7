#include "zelt/calc/OAberration.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <string>

#include "zelt/ray/RayErrors.h"

namespace zelt {

namespace {

constexpr int kPupilCentre = 4;

const ONode* stopNodeOf(const OSystem& system) {
  const auto* stop = dynamic_cast<const OApertureStop*>(system.stop());
  return stop ? stop->node : nullptr;
}

// A surface between equal signed indices is crossed as a refraction of index ratio 1: the
// record then holds this surface's own angles, no bending and its curvature matrix.
void markPlainPassage(const OElement& surface, ORayCalc& calc) {
  const double n2 = calc.Nx * calc.Nx + calc.Ny * calc.Ny + calc.Nz * calc.Nz;
  calc.cos2I = calc.cos2I / n2;
  calc.cos2I_ = calc.cos2I;
  calc.gamma = 0.0;
  const double c = surface.getCurvature();
  for (auto& row : calc.curvature)
    for (double& v : row) v = 0.0;
  calc.curvature[0][0] = c;
  calc.curvature[1][1] = c;
  calc.curvature[2][2] = (1.0 - surface.getConic()) * c;
}

// Neighbour heights follow the transfer; dP is carried to the surface along the ray and then
// projected onto it along the ray's direction.
void transferDifferential(ODiffRealRay& ray, ORayCalc& calc) {
  const double t = calc.t;
  ray.hx -= ray.ax * t;
  ray.hy -= ray.ay * t;
  ray.dPx += ray.dDx * t;
  ray.dPy += ray.dDy * t;
  ray.dPz += ray.dDz * t;
  const double cosI = std::sqrt(calc.cos2I);
  const double sigma = -(calc.Nx * ray.dPx + calc.Ny * ray.dPy + calc.Nz * ray.dPz) / cosI;
  calc.diffPath = sigma;
  const double scale = std::sqrt(calc.cos2I_ / calc.cos2I);
  ray.dPx = (ray.dPx + sigma * ray.X) * scale;
  ray.dPy = (ray.dPy + sigma * ray.Y) * scale;
  ray.dPz = (ray.dPz + sigma * ray.Z) * scale;
}

// Refraction of the neighbourhood: the sagittal and tangential (Coddington) equations for the
// heights and angles, and the first-order change of the vector law for dD.
void refractDifferential(ODiffRealRay& ray, double mu, ORayCalc& calc) {
  const double a = std::sqrt(calc.cos2I);
  const double b = std::sqrt(calc.cos2I_);
  const double normal = std::sqrt(calc.Nx * calc.Nx + calc.Ny * calc.Ny + calc.Nz * calc.Nz);
  const double c = calc.curvature[0][0];
  const double g = calc.gamma;
  ray.hy = (b / a) * ray.hy;
  ray.ax = mu * ray.ax + c * normal * g * ray.hx;
  ray.ay = calc.cos2I_ != 0.0
               ? (mu * a * b * ray.ay + c * normal * normal * normal * g * ray.hy) / calc.cos2I_
               : 0.0;
  const auto& m = calc.curvature;
  calc.diff1 = m[0][0] * ray.dPx + m[0][1] * ray.dPy + m[0][2] * ray.dPz;
  calc.diff2 = m[1][0] * ray.dPx + m[1][1] * ray.dPy + m[1][2] * ray.dPz;
  calc.diff3 = m[2][0] * ray.dPx + m[2][1] * ray.dPy + m[2][2] * ray.dPz;
  ray.dDx = mu * ray.dDx + g * calc.diff1;
  ray.dDy = mu * ray.dDy + g * calc.diff2;
  ray.dDz = mu * ray.dDz + g * calc.diff3;
  const double q = -(ray.X * ray.dDx + ray.Y * ray.dDy + ray.Z * ray.dDz) / b;
  calc.diff4 = q;
  ray.dDx += q * calc.Nx;
  ray.dDy += q * calc.Ny;
  ray.dDz += q * calc.Nz;
  if (calc.atStop) {  // the neighbour leaves the stop at a unit angle
    ray.dDx = 1.0;
    ray.dDy = 1.0;
    ray.dDz = 0.0;
    calc.atStop = false;
  }
}

// The real node step, then the neighbourhood over the same surface.
void traceDiffNode(const ONode& node, ODiffRealRay& ray, ORayCalc& calc) {
  traceNode(node, ray, calc);
  const double n = signedIndex(node.in, calc.wavelength);
  const double n_ = signedIndex(node.out, calc.wavelength);
  double mu = n / n_;
  if (n == n_) {
    markPlainPassage(*node.element(), calc);
    mu = 1.0;
  }
  stepDifferential(ray, mu, calc);
}

// Returns the index of the first longest wavelength.
std::size_t firstLongest(const std::vector<double>& lambdas) {
  return static_cast<std::size_t>(std::max_element(lambdas.begin(), lambdas.end()) -
                                  lambdas.begin());
}

template <class T>
void reshape(OFieldWavePupil<T>& table, std::size_t nf, std::size_t nw, std::size_t np) {
  table.resize(nf);
  for (auto& perWave : table) {
    perWave.resize(nw);
    for (auto& row : perWave) row.resize(np);
  }
}

}  // namespace

void startDifferential(const OAxisSystem& system, ODiffRealRay& ray, double r, int w) {
  const OObject& object = *system.object();
  const double n0 = signedIndex(object.out, w);
  ray.dPx = ray.dPy = ray.dPz = 0.0;
  ray.dDx = ray.dDy = ray.dDz = 0.0;
  if (!object.finite) {
    const double c = std::cos(object.h) * object.S;
    ray.hx = ray.hy = r / n0;
    ray.ax = ray.ay = (r / n0) * c;
  } else {
    ray.hx = ray.hy = 0.0;
    ray.ax = -r / n0;
    ray.ay = -r / (n0 * ray.Z);
  }
}

void stepDifferential(ODiffRealRay& ray, double mu, ORayCalc& calc) {
  transferDifferential(ray, calc);
  refractDifferential(ray, mu, calc);
}

void traceDiffPath(const OAxisSystem& system, OPath<ODiffRealRay>& path, const ONode* first,
                   const ONode* last, int w, ORayCalc& calc) {
  traceChain(
      path, first, last, stopNodeOf(system), w, calc,
      [](const ONode& node, ODiffRealRay& ray, ORayCalc& c) { traceDiffNode(node, ray, c); });
}

void OAberration::calculate() {
  ready_ = false;
  calc_.requireParaxial();
  if (!system_->image()->finite)
    throw std::runtime_error(
        "Aberrations need an image at a finite distance: afocal output is not supported");
  sample();
  resizeTables();
  const int nf = fieldCount();
  const int nw = wavelengthCount();
  const int np = static_cast<int>(pupil.size());
  for (int i = 0; i < nf; ++i)
    for (int w = 0; w < nw; ++w)
      for (int j = 0; j < np; ++j) traceGridRay(i, w, j);
  fillTransverseAndLongitudinal();
  fillWave();
  reversePupilOrder();
  ready_ = true;
}

void OAberration::sample() {
  const std::vector<double>& source = system_->source()->wavelengths;
  lambda.assign(source.begin(),
                source.begin() + 1 + static_cast<std::ptrdiff_t>(firstLongest(source)));
  const OObject& object = *system_->object();
  field.resize(fieldCount());
  for (int i = 0; i < fieldCount(); ++i) {
    const double f = std::sqrt(i / fieldSteps);
    // At infinity the points are spaced evenly in the tangent of the field angle (image height);
    // with no field angle every point is on the axis anyway.
    const double omega = object.h;
    field[i] = !object.finite && omega != 0.0 ? std::atan(f * std::tan(omega)) / omega : f;
  }
  const int np = static_cast<int>(pupilSteps) + 1;
  const double half = pupilSteps / 2.0;
  pupil.resize(np);
  for (int j = 0; j < np; ++j) {
    const double u = j - half;
    pupil[j] = u >= 0.0 ? std::sqrt(u / half) : -std::sqrt(-u / half);
  }
}

void OAberration::resizeTables() {
  const std::size_t nf = field.size(), nw = lambda.size(), np = pupil.size();
  reshape(beam.paths, nf, nw, np);
  reshape(beam.finalRays, nf, nw, np);
  reshape(beam.opticalPath, nf, nw, np);
  reshape(beam.transverse, nf, nw, np);
  reshape(beam.wave, nf, nw, np);
  chiefRays.assign(nf, std::vector<ODiffRealRay>(nw));
  longitudinalRows.assign(nw, std::vector<double>(np, 0.0));
}

void OAberration::traceGridRay(int i, int w, int j) {
  const OAxisSystem& sys = *system_;
  const std::size_t n = sys.surfaceCount();
  const double r = stopRadius(*sys.stop(), sys.paraxial, w);
  OPath<ODiffRealRay>& path = beam.paths[i][w][j];
  path.L = 0.0;
  path.rays.resize(n + 2);
  ODiffRealRay& start = path.rays[0];
  start.clear();
  // The analyses' one ray launch: the same aperture and entrance pupil per wavelength.
  static_cast<ORealRay&>(start) = launchRay(sys, field[i], 0.0, pupil[j], w);
  startDifferential(sys, start, r, w);
  ORayCalc rayCalc;
  traceDiffPath(sys, path, sys.object()->next(), sys.image()->prev(), w, rayCalc);
  ODiffRealRay& onImage = path.rays[n + 1];
  onImage = path.rays[n];
  const double extra = calc_.toImagePlane(onImage, w);
  path.L += extra;
  onImage.hx -= onImage.ax * extra;
  onImage.hy -= onImage.ay * extra;
  // At infinity the path is counted from the tilted plane wavefront through the pupil centre.
  if (!sys.object()->finite) path.L += r * start.Y * pupil[j];
  beam.finalRays[i][w][j] = onImage;
  if (pupil[j] == 0.0) chiefRays[i][w] = onImage;
  beam.opticalPath[i][w][j] = path.L;
}

void OAberration::fillTransverseAndLongitudinal() {
  for (std::size_t i = 0; i < field.size(); ++i)
    for (std::size_t w = 0; w < lambda.size(); ++w)
      for (std::size_t j = 0; j < pupil.size(); ++j)
        beam.transverse[i][w][j] = beam.finalRays[i][w][j].y - chiefRays[i][0].y;
  // On the axis: the distance along the axis from the image plane back to where the ray of the
  // main wavelength through this pupil point would cross it.
  for (std::size_t j = 0; j < pupil.size(); ++j) {
    const ODiffRealRay& ray = beam.finalRays[0][0][j];
    const double slope = ray.Y / ray.Z;
    for (std::size_t w = 0; w < lambda.size(); ++w)
      longitudinalRows[w][j] = slope != 0.0 ? beam.transverse[0][w][j] / slope : 0.0;
  }
}

void OAberration::fillWave() {
  const double n = 1000.0 / lambda[0];  // waves of the main wavelength per millimetre
  const bool atInfinity = !system_->object()->finite;
  for (std::size_t i = 0; i < field.size(); ++i) {
    for (std::size_t w = 0; w < lambda.size(); ++w) {
      const double index = signedIndex(system_->image()->in, static_cast<int>(w));
      const ODiffRealRay& chief = chiefRays[i][w];
      // Curvature of the reference sphere; none when the chief ray carries no neighbour.
      const double kappa = atInfinity && chief.dPy != 0.0 ? chief.Y / chief.dPy : 0.0;
      std::vector<double>& row = beam.wave[i][w];
      const std::vector<double>& opl = beam.opticalPath[i][w];
      for (std::size_t j = 0; j < pupil.size(); ++j) {
        const ODiffRealRay& ray = beam.finalRays[i][w][j];
        const double dy = ray.y - chiefRays[i][0].y;
        const double x = ray.x;
        const double d = x * ray.X + dy * ray.Y;
        const double sag = 0.5 * kappa * ((x * x + dy * dy) - d * d);
        row[j] = (opl[j] - index * (d - sag) - opl[kPupilCentre]) * n;
      }
      if (w > 0)
        for (std::size_t j = 0; j < pupil.size(); ++j)
          if (pupil[j] != pupil[kPupilCentre]) row[j] -= row[kPupilCentre];
      row[kPupilCentre] = 0.0;
    }
  }
}

void OAberration::reversePupilOrder() {
  std::reverse(pupil.begin(), pupil.end());
  for (std::size_t i = 0; i < field.size(); ++i) {
    for (std::size_t w = 0; w < lambda.size(); ++w) {
      std::reverse(beam.paths[i][w].begin(), beam.paths[i][w].end());
      std::reverse(beam.finalRays[i][w].begin(), beam.finalRays[i][w].end());
      std::reverse(beam.opticalPath[i][w].begin(), beam.opticalPath[i][w].end());
      std::reverse(beam.transverse[i][w].begin(), beam.transverse[i][w].end());
      std::reverse(beam.wave[i][w].begin(), beam.wave[i][w].end());
    }
  }
  for (auto& row : longitudinalRows) std::reverse(row.begin(), row.end());
}

void OAberration::checkRow(int w, int i) const {
  if (!ready_) throw std::runtime_error("No aberration tables: run the aberration calculation");
  if (w < 0 || w >= wavelengthCount())
    throw std::out_of_range("Wavelength index " + std::to_string(w) +
                            " is outside the aberration tables");
  if (i < 0 || i >= fieldCount())
    throw std::out_of_range("Field index " + std::to_string(i) +
                            " is outside the aberration tables");
}

const std::vector<double>& OAberration::longitudinal(int w) const {
  checkRow(w, 0);
  return longitudinalRows[w];
}

const std::vector<double>& OAberration::transverse(int w, int i) const {
  checkRow(w, i);
  return beam.transverse[i][w];
}

const std::vector<double>& OAberration::wave(int w, int i) const {
  checkRow(w, i);
  return beam.wave[i][w];
}

}  // namespace zelt

#include "zelt/analysis/OMtfAnalysis.h"

#include <unsupported/Eigen/FFT>

#include "zelt/calc/OAxisSystemCalc.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace zelt {

namespace {

using Complex = std::complex<double>;

// Transforms the rows, then the columns, of a square row-major array of side m in place.
void fft2(Eigen::FFT<double>& fft, std::vector<Complex>& a, std::size_t m) {
  std::vector<Complex> in(m), out(m);
  for (std::size_t r = 0; r < m; ++r) {
    in.assign(a.begin() + static_cast<std::ptrdiff_t>(r * m),
              a.begin() + static_cast<std::ptrdiff_t>((r + 1) * m));
    fft.fwd(out, in);
    std::copy(out.begin(), out.end(), a.begin() + static_cast<std::ptrdiff_t>(r * m));
  }
  for (std::size_t c = 0; c < m; ++c) {
    for (std::size_t r = 0; r < m; ++r) in[r] = a[r * m + c];
    fft.fwd(out, in);
    for (std::size_t r = 0; r < m; ++r) a[r * m + c] = out[r];
  }
}

// The OTF along one axis is the transform of the line spread function, the PSF summed across.
std::vector<Complex> otfLine(Eigen::FFT<double>& fft, std::vector<Complex> lineSpread,
                             int samples) {
  std::vector<Complex> otf;
  fft.fwd(otf, lineSpread);
  otf.resize(static_cast<std::size_t>(samples) + 1);
  const double zero = std::abs(otf[0]);
  for (Complex& v : otf) v = zero > 0.0 ? v / zero : Complex{};
  return otf;
}

// Returns the OTF at fractional cell shift q by linear interpolation; 0 beyond the cut-off.
Complex otfAt(const std::vector<Complex>& otf, double q) {
  const auto last = static_cast<double>(otf.size() - 1);
  if (q >= last) return q == last ? otf.back() : Complex{};
  const auto k = static_cast<std::size_t>(q);
  const double f = q - static_cast<double>(k);
  return otf[k] * (1.0 - f) + otf[k + 1] * f;
}

}  // namespace

OOtfLines otfOfPupil(const std::vector<Complex>& pupil, int samples) {
  const auto n = static_cast<std::size_t>(samples);
  if (samples < 2 || pupil.size() != n * n)
    throw std::invalid_argument("The pupil function does not fill its square grid");
  const std::size_t m = 2 * n;
  std::vector<Complex> field(m * m);
  for (std::size_t r = 0; r < n; ++r)
    for (std::size_t c = 0; c < n; ++c) field[r * m + c] = pupil[r * n + c];
  Eigen::FFT<double> fft;
  fft2(fft, field, m);
  // The PSF is |FFT(P)|²; its transform is the autocorrelation of P, the OTF.
  std::vector<Complex> alongY(m), alongX(m);
  for (std::size_t r = 0; r < m; ++r)
    for (std::size_t c = 0; c < m; ++c) {
      const double psf = std::norm(field[r * m + c]);
      alongY[r] += psf;
      alongX[c] += psf;
    }
  return {otfLine(fft, alongY, samples), otfLine(fft, alongX, samples)};
}

void OMtfAnalysis::calculate(const std::vector<double>& fields, int samples) {
  ready_ = false;
  if (samples < 8) throw std::invalid_argument("The MTF needs a pupil grid of at least 8 cells");
  if (system_->object() && system_->object()->finite)
    throw std::runtime_error("The MTF needs an object at infinity");
  const ORayGrid grid(*system_, imageDistanceOf(*system_));
  const OSquarePupil pupil = squarePupil(samples);
  const std::vector<double>& lambdas = system_->source()->wavelengths;
  waves_ = static_cast<int>(lambdas.size());
  // Cut-off of incoherent imaging D/(λ f′), λ in mm.
  const double diameter = 2.0 * std::fabs(launchRay(*system_, 0.0, 0.0, 1.0, 0).y);
  const double cutoff = diameter / (lambdas[0] * 1e-3 * std::fabs(system_->paraxial.F_));
  frequencies_.resize(static_cast<std::size_t>(samples) + 1);
  for (int j = 0; j <= samples; ++j)
    frequencies_[static_cast<std::size_t>(j)] = cutoff * j / samples;
  curves_.assign(fields.size(), {});
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::vector<OOtfLines> otf = fieldOtf(grid, pupil, fields[i]);
    std::vector<OMtfCurve>& curves = curves_[i];
    curves.assign(lambdas.size() + 1, {});
    for (std::size_t j = 0; j <= static_cast<std::size_t>(samples); ++j) {
      Complex sumT, sumS;
      for (std::size_t w = 0; w < lambdas.size(); ++w) {
        // The curves share the frequencies of λ0: wavelength w's cell shift is j·λw/λ0.
        const double q = static_cast<double>(j) * lambdas[w] / lambdas[0];
        const Complex t = otfAt(otf[w].tangential, q), s = otfAt(otf[w].sagittal, q);
        curves[w].tangential.push_back(std::abs(t));
        curves[w].sagittal.push_back(std::abs(s));
        sumT += t;
        sumS += s;
      }
      const auto count = static_cast<double>(lambdas.size());
      curves.back().tangential.push_back(std::abs(sumT) / count);
      curves.back().sagittal.push_back(std::abs(sumS) / count);
    }
  }
  ready_ = true;
}

std::vector<OOtfLines> OMtfAnalysis::fieldOtf(const ORayGrid& grid, const OSquarePupil& pupil,
                                              double fy) const {
  // One reference sphere for every wavelength, on the main wavelength's chief ray: lateral
  // colour then shows as a tilt and the polychromatic sum keeps it.
  OImageRays chief;
  grid.trace(fy, 0, {{0.0, 0.0}}, chief);
  if (chief.lost > 0) throw std::runtime_error("The chief ray of an MTF field is lost");
  const OReferenceSphere sphere = grid.sphereAt(chief.x[0], chief.y[0]);
  const double reference = ORayGrid::pathToSphere(chief, 0, sphere);
  const auto n = static_cast<std::size_t>(pupil.samples);
  std::vector<OOtfLines> result;
  OImageRays rays;
  for (std::size_t w = 0; w < system_->source()->count(); ++w) {
    grid.trace(fy, static_cast<int>(w), pupil.points, rays);
    const double wavesPerMm = 1000.0 / system_->source()->wavelengths[w];
    std::vector<Complex> function(n * n);
    for (std::size_t k = 0; k < rays.size(); ++k) {
      const double opd = ORayGrid::pathToSphere(rays, k, sphere) - reference;
      // A lost ray is a blocked part of the pupil: no amplitude.
      if (std::isfinite(opd))
        function[static_cast<std::size_t>(pupil.cell[k])] =
            std::polar(1.0, 2.0 * std::numbers::pi * opd * wavesPerMm);
    }
    result.push_back(otfOfPupil(function, pupil.samples));
  }
  return result;
}

const OMtfCurve& OMtfAnalysis::curve(int field, int w) const {
  if (!ready_) throw std::runtime_error("No MTF curves: run the MTF calculation first");
  if (field < 0 || field >= static_cast<int>(curves_.size()))
    throw std::out_of_range("Field index " + std::to_string(field) + " is outside the MTF");
  if (w < 0 || w > waves_)
    throw std::out_of_range("Wavelength index " + std::to_string(w) + " is outside the MTF");
  return curves_[static_cast<std::size_t>(field)][static_cast<std::size_t>(w)];
}

}  // namespace zelt

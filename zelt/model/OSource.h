#pragma once
// The light of the system: wavelengths (µm) and their weights; number 0 is the main wavelength.

#include <vector>

namespace zelt {

/// Wavelengths and weights, kept at equal length.
class OSource {
 public:
  virtual ~OSource() = default;

  /// Removes every wavelength.
  virtual void clear();

  /// Appends a wavelength with its weight.
  void append(double lambda, double weight);
  /// Resizes both lists to `n`; new entries are 0.
  void resize(std::size_t n);
  std::size_t count() const { return wavelengths.size(); }

  std::vector<double> wavelengths;
  std::vector<double> weights;
};

}  // namespace zelt

#pragma once
// Optical media that fill the gaps of the chain: given by indices, or catalog glasses.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "zelt/model/ORayTypes.h"

namespace zelt {

class OElement;

/// Failure of a medium (unknown formula, wavelength out of range, bad data).
class MediaError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// The dispersion formula of a glass is not one of the thirteen catalog formulas.
class UnknownDFormula : public MediaError {
 public:
  using MediaError::MediaError;
};

/// A wavelength lies outside the range in which a glass's data are valid.
class OutOfSpectralRange : public MediaError {
 public:
  using MediaError::MediaError;
};

/// Abstract optical medium with its name and the catalog it comes from.
class OMedium {
 public:
  virtual ~OMedium() = default;

  /// Returns a heap copy.
  virtual std::unique_ptr<OMedium> clone() const = 0;

  /// Brings the index list up to date for `lambdas` (µm, in the source's order).
  virtual void setWavelengths(const std::vector<double>& lambdas) = 0;

  /// Returns the refractive index at wavelength number `w`; throws MediaError when the index list
  /// has no such entry.
  virtual double index(unsigned w) const;

  /// Moves `ray` through the medium onto `surface`: intersect, check for a miss, advance the ray.
  /// Throws MissOnSurface. Defined in ModelRayOps.cpp.
  virtual void transfer(ORealRay& ray, const OElement& surface, ORayCalc& calc) const = 0;

  std::string name;
  std::string catalogName;

 protected:
  OMedium() = default;
  OMedium(const OMedium&) = default;
  OMedium& operator=(const OMedium&) = default;
};

/// Homogeneous medium given by one refractive index per wavelength of the source.
class OHMedium : public OMedium {
 public:
  OHMedium() = default;
  OHMedium(std::string mediumName, std::vector<double> indexList);
  OHMedium(const OHMedium&) = default;
  OHMedium& operator=(const OHMedium&) = default;

  std::unique_ptr<OMedium> clone() const override;
  /// Keeps the given indices: a medium made from indices has nothing to recompute.
  void setWavelengths(const std::vector<double>& lambdas) override;
  double index(unsigned w) const override;
  void transfer(ORealRay& ray, const OElement& surface, ORayCalc& calc) const override;

  std::vector<double> indices;  // one per source wavelength, in the source's order
  double nd = 0.0;              // the glass's nd and νd when given (lens files name them);
  double vd = 0.0;              // 0 when unknown
};

/// Catalog glass: dispersion formula, its coefficients and the range of validity.
class OAMedium : public OHMedium {
 public:
  OAMedium() = default;
  OAMedium(const OAMedium&) = default;
  OAMedium& operator=(const OAMedium&) = default;

  std::unique_ptr<OMedium> clone() const override;

  /// Recomputes one index per wavelength; on a failure the list keeps the indices computed so far.
  void setWavelengths(const std::vector<double>& lambdas) override;

  /// Returns the formula index at `lambda` (µm); throws OutOfSpectralRange outside the range or
  /// for lambda <= 0,
  /// UnknownDFormula for a formula outside 0..12 and MediaError for too few coefficients.
  double indexAt(double lambda) const;

  int formula = 0;                   // AGF formula number minus 1 (0..12)
  std::vector<double> coefficients;  // in the order of the catalog's CD record
  double lambdaMin = 0.0;            // shortest wavelength of validity, µm
  double lambdaMax = 0.0;            // longest wavelength of validity, µm
  std::vector<double> thermal;       // the catalog's TD record: D0, D1, D2, E0, E1, λtk, Tref
  // Conditions of a lens file that differ from the catalog's: the indices are brought to this
  // temperature [°C] with the TD record, and made relative to air at this pressure [atm].
  std::optional<double> temperature;
  double pressure = 1.0;
};

}  // namespace zelt

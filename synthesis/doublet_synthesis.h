#pragma once
// The synthesis core: glass-pair search by the basic parameters P, W, C of a thin cemented
// component, and the design of every doublet found.

#include <array>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "synthesis/glass_catalog.h"
#include "synthesis/glass_filter.h"
#include "synthesis/message_text.h"

namespace synthesis {

/// A value not computed (yet), or lost with a ray.
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

/// Thin-doublet values of a glass pair for total power 1 and an object at infinity; glass 1 is
/// the glass of larger Abbe number.
struct PairData {
  double phi1 = 0.0;                       ///< power of glass 1
  double pi = 0.0;                         ///< φ1/n1 + φ2/n2
  double p0A = 0.0, q0A = 0.0, w0A = 0.0;  ///< order A: glass 1 in the first lens
  double p0B = 0.0, q0B = 0.0, w0B = 0.0;  ///< order B: glass 2 in the first lens
};

/// Pair values keyed by "crown flint": the two glass names joined by a blank, the glass of
/// larger Abbe number first.
using PairTable = std::map<std::string, PairData>;

/// A doublet of one lens order on a candidate list: its P0 and its two glasses in lens order.
struct PairCandidate {
  double p0;
  std::string first;   ///< glass of the first lens
  std::string second;  ///< glass of the second lens
};

/// Returns the pair values of glasses (n1, ν1) and (n2, ν2) for the chromatic parameter `c`.
PairData computePairData(double n1, double nu1, double n2, double nu2, double c);

/// Returns true when every value of `pair` is finite (equal Abbe numbers give infinities).
bool isFinite(const PairData& pair);

/// One designed cemented doublet.
struct DoubletResult {
  GlassRecord glass1;                      ///< glass of the first lens (the light meets it first)
  GlassRecord glass2;                      ///< glass of the second lens
  PairData pair;                           ///< thin-doublet values of the pair (zero when unknown)
  double index1 = 0.0, index2 = 0.0;       ///< indices at lambda0
  bool orderB = false;                     ///< false: the first lens has the larger Abbe number
  double r1 = 0.0, r2 = 0.0, r3 = 0.0;     ///< radii [mm]
  double p = 0.0, w = 0.0, c = 0.0;        ///< P, W, C of the designed doublet
  double alpha2 = 0.0, alpha3 = 0.0;       ///< paraxial angles after surfaces 1 and 2 (unit power)
  double phiFirst = 0.0, phiSecond = 0.0;  ///< powers of the first and second lens (sum 1)
  double thickness1 = 0.0, thickness2 = 0.0;               ///< axial thicknesses [mm]
  double pupilDiameter = 0.0;                              ///< [mm]
  double lambda0 = 0.0, lambdaMin = 0.0, lambdaMax = 0.0;  ///< [um]
  double fieldAngle = 0.0;                                 ///< [degrees]
  std::vector<double> longitudinal;                        ///< [mm] at lambda0, per pupil zone
  std::vector<double> transverse;                          ///< [mm] at lambda0, per pupil zone
  std::vector<double> chromatism;                          ///< [mm] per pupil zone
  std::vector<double> secondarySpectrum;                   ///< [mm] per pupil zone
  double coma = 0.0;                                       ///< [mm]
  double minEdge = 0.0;   ///< least edge thickness a lens may have [mm]
  bool fitEdges = false;  ///< raise the axial thicknesses to give the least edge thickness
  double edge1 = 0.0;     ///< edge thickness of the first lens at D/2 [mm]; NaN: no edge
  double edge2 = 0.0;     ///< edge thickness of the second lens at D/2 [mm]; NaN: no edge
  // Image quality by real rays, judged on the image plane (NaN until judged or when lost).
  bool refined = false;         ///< true: radii and image distance come from the refinement
  double imageDistance = kNaN;  ///< s′ behind the last surface [mm]
  double rmsAxis = kNaN, rmsField = kNaN;            ///< RMS spot on axis, at full field [mm]
  double rmsAxisStart = kNaN, rmsFieldStart = kNaN;  ///< the same before the refinement [mm]
  double wfeRms = kNaN;  ///< RMS wavefront error on the axis at lambda0 [waves]
  double strehl = kNaN;  ///< Strehl ratio by Maréchal

  /// Computes powers, paraxial angles and the three radii for back focal length `fPrime` [mm].
  void computeRadii(double C, double fPrime, double lambda0, double W);
  /// Computes the edge thicknesses of both lenses at the pupil's semi-diameter.
  void computeEdges();
  /// Returns true when both lenses have an edge of at least minEdge.
  bool edgesOk() const;
  /// Raises each axial thickness to the least value (never below the given one) that gives an
  /// edge of minEdge, redesigning the radii until thicknesses and radii agree to 1e-9 mm; a
  /// lens without an edge keeps the given thicknesses.
  void fitEdgeThicknesses(double C, double fPrime, double lambda0, double W);
  /// Computes the P, W, C that the designed angles really give.
  void computeParameters();
  /// Returns the thermal value V_d of the achromatic combination (1/°C).
  double thermalValue() const;
  /// Makes this doublet the optics library's current system.
  void buildDoublet() const;
  /// Builds and traces the doublet: aberrations over the five pupil zones and the coma.
  /// A ray lost in the doublet gives NaN for the values that need it.
  void traceAberrations();
  /// Judges the built doublet's image on its plane: RMS spots, wavefront, Strehl, s′; a lost
  /// ray gives NaN.
  void judgeImage();
  /// Refines radii and image distance by real rays (focal length held) with the field weighted
  /// by `fieldWeight`, keeping the judged start values; a failure leaves the design unrefined.
  void refineImage(double fieldWeight);
};

/// Builds `doublet` in the optics library and writes it as a ZMX lens file whose glasses name
/// the catalog `catalogName`; a writer's warning or error is thrown with the library's message.
void saveDoubletZmx(const DoubletResult& doublet, const std::string& path,
                    const std::string& catalogName);

/// Builds `doublet` in the optics library and writes it as a ZMX lens file whose GCAT line names
/// the catalogs its two glasses came from.
void saveDoubletZmx(const DoubletResult& doublet, const std::string& path);

/// Returns the catalogs of origin of the doublet's glasses, blank-separated, each named once.
std::string glassCatalogs(const DoubletResult& doublet);

/// Returns the relative pupil zones of the aberration lists, from the axis to the rim.
const std::array<double, 5>& pupilZones();

/// Returns the sag [mm] of a sphere of radius `r` at height `h`; NaN when |r| < h.
double sphereSag(double r, double h);

/// Returns the edge thickness [mm] at height `h` of a lens of axial thickness `t` between the
/// radii `front` and `back`: t − sag(front) + sag(back).
double edgeThickness(double t, double front, double back, double h);

/// Returns which lens of the doublet is thinner at the edge than its minimum and by how much,
/// one line a lens; empty when both edges are thick enough.
std::string edgeWarning(const DoubletResult& doublet);

/// Returns the proposed axial lens thickness [mm] for pupil diameter `d` [mm] (0: no proposal).
double defaultThickness(double d);

/// What the main window gives every result before its design.
struct DesignInputs {
  double crownThickness = 5.0;    ///< lens of larger Abbe number [mm]
  double flintThickness = 3.0;    ///< the other lens [mm]
  double pupilDiameter = 20.0;    ///< [mm]
  double fieldAngle = 5.0;        ///< [degrees]
  GlassEnvironment environment;   ///< of both glasses
  double minEdgeThickness = 1.0;  ///< least edge thickness of a lens [mm]
  bool fitEdgeThickness = false;  ///< raise the axial thicknesses to give that edge
};

/// The synthesis core: catalog, wavelengths, last search and its results.
class DoubletSynthesis {
 public:
  /// The pairs of the last search that became results. The search itself ranks every pair on
  /// the fly and keeps no table of them.
  PairTable pairTable;
  std::vector<DoubletResult> results;
  double lambda0 = 0.546074;
  double lambdaMin = 0.4799914;
  double lambdaMax = 0.6438469;
  double chromatic = 0.0;
  std::string catalogPath;
  GlassCatalog catalog;
  /// Filter steps that run after the built-in ones (status, wavelength range, dispersion,
  /// index and Abbe ranges), in this order.
  std::vector<GlassFilterStep> extraFilterSteps;
  /// Glasses that every filter step of the last search received and left.
  std::vector<FilterStepCount> filterCounts;
  /// Why the last search added no doublet; empty when it added some.
  std::string emptySearchReason;

  /// Reads the AGF file at catalogPath into the catalog; returns the reading's warnings.
  std::vector<std::string> readAgfCatalog();

  /// Searches the pairs nearest the target P0 = P − 0.85·(W − 0.14)² and appends them to results.
  /// `count` pairs are taken from each side of the target in each lens order; a non-empty
  /// glass1Name keeps the pairs with that glass, both names keep that one pair. A search that
  /// adds nothing says why in emptySearchReason.
  void synthesize(double C, double P, double W, int count, const StatusFlags& statusFlags,
                  const FilterRanges& ranges, bool indexFilterOn, bool abbeFilterOn,
                  const std::string& glass1Name, const std::string& glass2Name);

  /// Returns the first result whose lenses are made of these glasses (labels), in this order.
  DoubletResult& findResult(const std::string& glass1Name, const std::string& glass2Name);

  /// Gives every result the window's thicknesses (by lens order), pupil, field, environment and
  /// the core's three wavelengths.
  void prepareDesigns(const DesignInputs& inputs);

  /// Designs every result for back focal length `fPrime` [mm] and traces it.
  void computeDesigns(double fPrime, double lambda0, double W);

  /// Judges every result's image and, with `refine`, refines it first with field weight
  /// `fieldWeight`; a refined result is traced again.
  void judgeDesigns(bool refine, double fieldWeight);
};

/// Returns the target P0 of a search for the requested P and W.
inline double targetP0(double P, double W) {
  return P - 0.85 * (W - 0.14) * (W - 0.14);
}

/// Messages of the search, shown to the user as they stand.
inline constexpr const char* kTargetOutOfRange =
    SYNTHESIS_TEXT("synthesis", "Невозможно подобрать стекла для таких значений P,W,C.");
inline constexpr const char* kWindowDoesNotFit =
    SYNTHESIS_TEXT("synthesis",
                   "Невозможно подобрать такое количество пар стекол для заданных параметров "
                   "P,W,C.Попробуйте уменьшить количество стекол для анализа.");
/// Returns the message of a target P0 outside the list's P0 from `smallest` to `largest`.
std::string targetOutOfRangeMessage(double target, double smallest, double largest);

inline constexpr const char* kResultNotFound =
    SYNTHESIS_TEXT("synthesis", "Склейка с такими стеклами не найдена");

}  // namespace synthesis

#pragma once
// The content of an OPJ project file that the library reads and writes, in the file's units,
// and the conventions its reader and writer share.

#include <cstdint>
#include <string>
#include <vector>

namespace zelt {

/// Section flags of the first flag word and the limits of the format.
namespace opj {
constexpr std::uint16_t kAspheres = 0x4000;
constexpr std::uint16_t kSemiDiameters = 0x2000;
constexpr std::uint16_t kZones = 0x1000;
constexpr std::uint16_t kUnusedProfile = 0x800;
constexpr std::uint16_t kWeights = 0x400;
constexpr std::uint16_t kUnsupported = 0x3C0;  // narcissus, blocks, gradient media, melt data
constexpr std::uint16_t kBaseFlags = 0x9400;   // what the writer always sets
constexpr std::uint16_t kSpaceSystem = 0x8000;
constexpr std::uint16_t kSecondExtra = 0x4000;  // second flag word: optional trailing sections
constexpr std::uint16_t kThirdExtra = 0x2000;
constexpr int kNameBytes = 40;
constexpr int kGlassNameBytes = 8;
constexpr int kIndicesPerGlass = 5;
constexpr int kConicSlots = 100;
constexpr int kWeightSlots = 10;
constexpr int kMaxZones = 5;
constexpr int kEntrancePupil = 99;      // stop surface number of an entrance-pupil stop
constexpr int kEntrancePupilAlt = 999;  // the same, as older writers stored it
}  // namespace opj

/// One glass entry: its name without the catalog character, catalog code and indices.
struct OpjGlass {
  std::string name;
  int catalogCode = 0;
  std::vector<double> indices;  // at the first min(W, 5) wavelengths
};

/// One field zone of the zone section.
struct OpjZone {
  double relative = 0.0;  // relative field coordinate
  double upper = 0.0;     // vignetting coefficients
  double lower = 0.0;
  double objectOffset = 0.0;
  double imageOffset = 0.0;
  double stopOffset = 0.0;
};

/// The fields of an OPJ file that the library uses.
struct OpjDocument {
  std::string name;
  int stopSurface = 0;
  bool objectFinite = false;
  bool imageFinite = false;
  int objectAngleMode = 1;
  int imageAngleMode = 1;
  int imageDistanceKind = 0;  // 0: the image distance is counted from the paraxial image
  int stopType = 0;           // 1 'z', −1 'p', other 'd'
  bool fieldOnImage = false;
  double objectDistance = 0.0;  // S / 1000 for an object at infinity, S for a finite one
  double imageDistance = 0.0;
  double stopSize = 0.0;
  double stopPosition = 0.0;
  double fieldSize = 0.0;
  double objectCurvature = 0.0;
  double imageCurvature = 0.0;
  std::vector<double> wavelengths;    // µm
  std::vector<double> weights;        // one per wavelength
  std::vector<double> curvatures;     // surfaces 1..N
  std::vector<double> distances;      // after surfaces 1..N
  std::vector<int> glassCodes;        // spaces 0..N; negative after a reflection
  std::vector<OpjGlass> glasses;      // glass entries, numbered from 1 by the codes
  std::vector<int> kinds;             // surface kinds (2: conic), empty without the section
  std::vector<double> conics;         // conic terms e² in the order of the kind-2 surfaces
  std::vector<double> semiDiameters;  // empty without the section
  bool hasZoneSection = false;
  std::vector<OpjZone> zones;
};

/// Returns the double nearest to the short decimal that the float `f` was written from.
double opjShortDecimal(float f);

/// Returns the catalog code of a glass entry from the first character of its stored name;
/// a blank takes the code from the file's default catalog.
int opjCatalogCode(char first, int defaultCatalog);

/// Returns the character that stores catalog code `code` in front of a glass name.
char opjCatalogChar(int code);

/// Returns the default catalog a file with `glasses` is written with: 8 when a glass has code 11,
/// whose blank-led name reads as 11 only under that default; 0 otherwise.
int opjDefaultCatalog(const std::vector<OpjGlass>& glasses);

}  // namespace zelt

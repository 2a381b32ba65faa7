#pragma once
// Aperture of the system: how the beam is limited and on which node.

#include <memory>

namespace zelt {

class ONode;

/// Aperture size and its kind: 'd' pupil half-height, 'p' aperture value, 'z' image-side aperture.
class OStop {
 public:
  OStop() = default;
  virtual ~OStop() = default;

  /// Resets to type 'd', size 0.
  virtual void clear();
  /// Returns a heap copy.
  virtual std::unique_ptr<OStop> clone() const;

  /// Converts the size between kinds 'd' and 'p' for object distance `S`; other pairs keep both.
  void convertTo(char requested, double S);

  char type = 'd';
  double size = 0.0;

 protected:
  OStop(const OStop&) = default;
  OStop& operator=(const OStop&) = default;
};

/// Aperture stop placed on a node of the chain.
class OApertureStop : public OStop {
 public:
  OApertureStop() = default;

  void clear() override;
  std::unique_ptr<OStop> clone() const override;

  ONode* node = nullptr;  // node that carries the stop, not owned

 protected:
  OApertureStop(const OApertureStop&) = default;
};

}  // namespace zelt

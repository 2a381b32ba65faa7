#pragma once
// A node of the chain object → surfaces → image, linked by gaps.

#include <memory>

#include "zelt/geom/GShape.h"
#include "zelt/model/OElement.h"
#include "zelt/model/OGuide.h"

namespace zelt {

/// Node of the chain: its element (a surface), its outline and the gaps on both sides.
class ONode {
 public:
  ONode() = default;
  explicit ONode(std::unique_ptr<OElement> e) : element_(std::move(e)) {}
  virtual ~ONode() = default;
  ONode& operator=(const ONode&) = delete;

  /// Deletes element and outline, unlinks both gaps and sets h to 0.
  virtual void clear();

  /// Returns a node with the same values: element and outline copied, gap links shared.
  virtual std::unique_ptr<ONode> clone() const;

  /// Returns the element the node carries (null when it carries none).
  virtual OElement* element() const { return element_.get(); }
  /// Replaces the element the node carries.
  virtual void setElement(std::unique_ptr<OElement> e) { element_ = std::move(e); }

  /// Returns the node after the outgoing gap, or null.
  virtual ONode* next() const { return out ? out->next : nullptr; }
  /// Returns the node before the incoming gap, or null.
  virtual ONode* prev() const { return in ? in->prev : nullptr; }

  /// Returns the outline (clear aperture), or null.
  geom::GShape<double>* outline() const { return outline_.get(); }
  /// Replaces the outline.
  void setOutline(std::unique_ptr<geom::GShape<double>> shape) { outline_ = std::move(shape); }

  double h = 0.0;         // semi-height of a surface; size of the object or image
  OGuide* in = nullptr;   // incoming gap, not owned
  OGuide* out = nullptr;  // outgoing gap, not owned

 protected:
  ONode(const ONode& other);

 private:
  std::unique_ptr<geom::GShape<double>> outline_;
  std::unique_ptr<OElement> element_;
};

}  // namespace zelt

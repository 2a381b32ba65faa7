#pragma once
// An optical system: the chain object → gaps and surfaces → image, with its source, stop, zones,
// settings and the media it owns.

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "zelt/model/OGlassStore.h"
#include "zelt/model/OGuide.h"
#include "zelt/model/OImage.h"
#include "zelt/model/OObject.h"
#include "zelt/model/OSettings.h"
#include "zelt/model/OSource.h"
#include "zelt/model/OStop.h"
#include "zelt/model/OSurface2.h"
#include "zelt/model/OZone.h"

namespace zelt {

/// Optical system. Node numbers: 0 the object, 1..N the surfaces, N + 1 the image.
class OSystem {
 public:
  OSystem();
  virtual ~OSystem();
  OSystem(const OSystem&) = delete;
  OSystem& operator=(const OSystem&) = delete;

  /// Deletes chain, stop, source and zones; keeps name, texts, settings and glass store.
  virtual void clear();

  /// Replaces the contents by a base system: source with 0.55 µm, object, one gap, image.
  void createBase();

  /// Replaces the contents by a copy of `other`: chain, stop, source, zones, settings, name and
  /// texts, with copies of the media the gaps use (catalogs stay with `other`). Trial changes
  /// then touch the copy only.
  void copyFrom(const OSystem& other);

  // --- node access ---------------------------------------------------------------------------
  /// Returns node `i` counted from the object, or null when the chain is shorter (or i < 0).
  ONode* nodeAt(int i) const;
  /// Returns the number of nodes, object and image included (0 without an object).
  int nodeCount() const;
  /// Returns the number of `node`; throws std::runtime_error("OSystem: Node does not exist").
  int indexOf(const ONode* node) const;
  /// Returns the number N of surface nodes.
  std::size_t surfaceCount() const { return surfaceCount_; }

  // --- chain editing -------------------------------------------------------------------------
  /// Links `node` and its outgoing `gap` just before the image; returns the node.
  ONode* appendBeforeImage(std::unique_ptr<ONode> node, std::unique_ptr<OGuide> gap);
  /// Appends a plane surface before the image with a fresh gap (no medium, distance 0).
  ONode* appendSurface();
  /// Inserts a plane surface just before node `x`; its new gap takes the medium of the split gap.
  ONode* insertBefore(ONode* x);
  /// Inserts a plane surface right after the object.
  ONode* insertFirst();
  /// Inserts a plane surface right before the image.
  ONode* insertLast();
  /// Removes surface node `node` (not the object or image); the gap before it survives.
  void remove(ONode* node);

  // --- media -----------------------------------------------------------------------------------
  /// Recomputes the indices of every medium in the chain for the source's wavelengths; call it
  /// before a calculation reads indices.
  void refreshMedia();
  /// Recomputes the indices of `medium` for the source's wavelengths.
  void refreshMedium(OMedium& medium) const;

  // --- zones -------------------------------------------------------------------------------------
  /// Sets a zone from a real field value y (angle in radians at infinity, else a length).
  void setZoneFromField(OZone& zone, double y) const;
  /// Sets a zone from a relative field value r.
  void setZoneFromRelative(OZone& zone, double r) const;
  /// Orders the zones by relative y, largest first.
  void sortZones();

  // --- parts -------------------------------------------------------------------------------------
  OSource* source() const { return source_.get(); }
  OObject* object() const { return object_.get(); }
  OImage* image() const { return image_.get(); }
  OStop* stop() const { return stop_.get(); }
  /// Replaces the stop (null removes it).
  void setStop(std::unique_ptr<OStop> s) { stop_ = std::move(s); }
  /// Replaces the source.
  void setSource(std::unique_ptr<OSource> s) { source_ = std::move(s); }

  std::vector<std::unique_ptr<OZone>>& zones() { return zones_; }
  const std::vector<std::unique_ptr<OZone>>& zones() const { return zones_; }
  OSettings& settings() { return settings_; }
  const OSettings& settings() const { return settings_; }
  OGlassStore& glassStore() { return glassStore_; }
  const OGlassStore& glassStore() const { return glassStore_; }

  std::string name;
  std::string text1;  // further texts, kept with the system
  std::string text2;

 private:
  // Where a zone's field is given: object or image side, its kind and size, the point to set.
  struct ZoneReference {
    bool onObject;
    bool finite;
    double size;
    geom::GPoint<double>& target;
  };
  ZoneReference zoneReference(OZone& zone) const;

  // Links a new plane surface with a new gap before `x`; the new gap gets `medium`.
  ONode* linkBefore(ONode* x, OMedium* medium);
  // Returns the copy's own medium for a medium of another system (null for null).
  OMedium* copiedMedium(const OMedium* medium,
                        std::vector<std::pair<const OMedium*, OMedium*>>& done);
  // Deletes the owned node `node` and gap `gap` (either may be null).
  void dispose(ONode* node, OGuide* gap);

  std::unique_ptr<OSource> source_;
  std::unique_ptr<OObject> object_;
  std::unique_ptr<OImage> image_;
  std::unique_ptr<OStop> stop_;
  std::size_t surfaceCount_ = 0;
  std::vector<std::unique_ptr<ONode>> surfaceNodes_;  // owners; the chain order is in the links
  std::vector<std::unique_ptr<OGuide>> gaps_;         // owners; the chain order is in the links
  std::vector<std::unique_ptr<OZone>> zones_;
  OSettings settings_;
  OGlassStore glassStore_;
};

}  // namespace zelt

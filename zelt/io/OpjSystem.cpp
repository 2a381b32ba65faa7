// Making an optical system from the checked content of an OPJ file.

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "zelt/model/OEntrancePupil.h"
#include "zelt/io/OpjReader.h"

namespace zelt {
namespace {

// The media of the file's glass entries, each made once, and air for spaces without a glass.
class OpjMedia {
 public:
  OpjMedia(const OpjDocument& doc, OSystem& system)
      : doc_(doc), system_(system), made_(doc.glasses.size(), nullptr) {}

  OMedium* forCode(int code) {
    const std::size_t entry = static_cast<std::size_t>(std::abs(code));
    if (entry == 0) return air();
    OMedium*& medium = made_[entry - 1];
    if (medium == nullptr) {
      const OpjGlass& glass = doc_.glasses[entry - 1];
      auto made = std::make_unique<OHMedium>(glass.name, glass.indices);
      made->catalogName = std::to_string(glass.catalogCode);
      medium = &system_.glassStore().addMedium(std::move(made));
    }
    return medium;
  }

 private:
  OMedium* air() {
    if (air_ == nullptr) {
      air_ = &system_.glassStore().addMedium(
          std::make_unique<OHMedium>("AIR", std::vector<double>(doc_.wavelengths.size(), 1.0)));
    }
    return air_;
  }

  const OpjDocument& doc_;
  OSystem& system_;
  std::vector<OMedium*> made_;
  OMedium* air_ = nullptr;
};

void setAngleMode(int mode, OSettings& settings) {
  static const char* const kModes[] = {"tg", "rad", "sin"};
  if (mode >= 0 && mode <= 2) settings.angleMode = kModes[mode];
}

void placeObjectAndImage(const OpjDocument& doc, OSystem& system) {
  OObject& object = *system.object();
  object.finite = doc.objectFinite;
  object.S = doc.objectFinite ? doc.objectDistance : doc.objectDistance * 1000.0;
  if (doc.objectCurvature != 0.0) {
    object.setElement(std::make_unique<OSurface2>(doc.objectCurvature, 0.0));
  }
  if (!object.finite) setAngleMode(doc.objectAngleMode, system.settings());
  OImage& image = *system.image();
  image.finite = doc.imageFinite;
  image.S_ = doc.imageDistance;
  if (doc.imageCurvature != 0.0) {
    image.setElement(std::make_unique<OSurface2>(doc.imageCurvature, 0.0));
  }
  if (!image.finite) setAngleMode(doc.imageAngleMode, system.settings());
  image.fromParaxial = doc.imageDistanceKind == 0;
  if (doc.fieldOnImage) {
    image.h = doc.fieldSize;
    system.settings().flags[3] = false;
  } else {
    object.h = doc.fieldSize;
    system.settings().flags[3] = true;
  }
}

bool isEntrancePupil(int stopSurface) {
  return stopSurface == opj::kEntrancePupil || stopSurface == opj::kEntrancePupilAlt;
}

std::unique_ptr<OStop> makeStop(const OpjDocument& doc) {
  std::unique_ptr<OStop> stop;
  if (isEntrancePupil(doc.stopSurface)) {
    stop = std::make_unique<OEntrancePupil>(doc.stopPosition);
  } else {
    stop = std::make_unique<OApertureStop>();
  }
  stop->type = doc.stopType == 1 ? 'z' : doc.stopType == -1 ? 'p' : 'd';
  stop->size = doc.stopSize;
  return stop;
}

// Puts the stop on a plane `p` from `surface` (the node just appended, or the object) along the
// axis, splitting the gap it falls in; returns the plane.
ONode* placeStopPlane(OSystem& system, ONode& surface, double p, bool lastSurface) {
  if (p > 0.0) {
    OGuide& split = *surface.out;
    const double old = split.getDistance();
    ONode* plane = system.insertLast();
    split.distance() = p;
    plane->out->distance() = lastSurface ? 0.0 : old - p;
    plane->out->sign = split.sign;
    return plane;
  }
  if (system.indexOf(&surface) < 2) {
    ONode* plane = system.insertFirst();
    plane->out->distance() = -p;
    plane->out->sign = system.object()->out->sign;
    return plane;
  }
  ONode* plane = system.insertBefore(&surface);
  plane->in->distance() += p;
  plane->out->distance() = -p;
  plane->out->sign = plane->in->sign;
  return plane;
}

void makeSurfaces(const OpjDocument& doc, OSystem& system, OApertureStop* aperture) {
  OpjMedia media(doc, system);
  system.object()->out->medium = media.forCode(doc.glassCodes.front());
  const std::size_t n = doc.curvatures.size();
  const int s = aperture ? doc.stopSurface : -1;
  const double p = doc.stopPosition;
  if (s == 0 && p != 0.0) aperture->node = placeStopPlane(system, *system.object(), p, n == 0);
  std::size_t conic = 0;
  for (std::size_t k = 1; k <= n; ++k) {
    const bool conicSurface = !doc.kinds.empty() && doc.kinds[k - 1] == 2;
    auto node = std::make_unique<ONode>(
        std::make_unique<OSurface2>(doc.curvatures[k - 1], conicSurface ? doc.conics[conic++] : 0));
    node->h = doc.semiDiameters.empty() ? 0.0 : doc.semiDiameters[k - 1];
    auto gap = std::make_unique<OGuide>();
    gap->medium = media.forCode(doc.glassCodes[k]);
    gap->sign = doc.glassCodes[k] < 0 ? -1 : 1;
    gap->distance() = k < n ? doc.distances[k - 1] : 0.0;
    ONode* linked = system.appendBeforeImage(std::move(node), std::move(gap));
    if (static_cast<int>(k) != s) continue;
    aperture->node = p == 0.0 ? linked : placeStopPlane(system, *linked, p, k == n);
  }
}

void makeZones(const OpjDocument& doc, OSystem& system) {
  const std::size_t entries = doc.wavelengths.size();
  // The file lists the field zones; the axis is always there and comes first.
  auto axis = std::make_unique<OZone>();
  axis->resizeEntries(entries);
  system.zones().push_back(std::move(axis));
  const double S = system.object()->S;
  const double S_ = system.image()->S_;
  for (auto it = doc.zones.rbegin(); it != doc.zones.rend(); ++it) {
    auto zone = std::make_unique<OZone>();
    zone->resizeEntries(entries);
    zone->setVignetting(it->upper, it->lower);
    std::fill(zone->vignetting.begin() + 1, zone->vignetting.end(), zone->vignetting.front());
    zone->shift = {S - it->objectOffset, S_ - it->imageOffset, doc.stopPosition - it->stopOffset};
    system.setZoneFromRelative(*zone, it->relative);
    system.zones().push_back(std::move(zone));
  }
}

}  // namespace

void buildOpjSystem(const OpjDocument& doc, OSystem& system) {
  system.createBase();
  system.name = doc.name;
  system.source()->wavelengths = doc.wavelengths;
  system.source()->weights = doc.weights;
  placeObjectAndImage(doc, system);
  std::unique_ptr<OStop> stop = makeStop(doc);
  makeSurfaces(doc, system, dynamic_cast<OApertureStop*>(stop.get()));
  system.setStop(std::move(stop));
  makeZones(doc, system);
  system.refreshMedia();
}

}  // namespace zelt

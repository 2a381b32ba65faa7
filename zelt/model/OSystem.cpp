#include "zelt/model/OSystem.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zelt {

OSystem::OSystem() = default;
OSystem::~OSystem() = default;

void OSystem::clear() {
  stop_.reset();
  // Unlink before the owners go so that no node keeps a pointer to a deleted gap.
  surfaceNodes_.clear();
  gaps_.clear();
  source_.reset();
  object_.reset();
  image_.reset();
  zones_.clear();
  surfaceCount_ = 0;
}

void OSystem::createBase() {
  clear();
  source_ = std::make_unique<OSource>();
  source_->append(0.55, 1.0);
  object_ = std::make_unique<OObject>();
  image_ = std::make_unique<OImage>();
  auto gap = std::make_unique<OGuide>();
  gap->prev = object_.get();
  gap->next = image_.get();
  object_->out = gap.get();
  image_->in = gap.get();
  gaps_.push_back(std::move(gap));
}

OMedium* OSystem::copiedMedium(const OMedium* medium,
                               std::vector<std::pair<const OMedium*, OMedium*>>& done) {
  if (medium == nullptr) return nullptr;
  for (const auto& [from, to] : done)
    if (from == medium) return to;
  std::unique_ptr<OMedium> copy = medium->clone();
  auto* homogeneous = dynamic_cast<OHMedium*>(copy.get());
  if (homogeneous == nullptr) throw std::runtime_error("OSystem: a medium cannot be copied");
  copy.release();
  OMedium* own = &glassStore_.addMedium(std::unique_ptr<OHMedium>(homogeneous));
  done.emplace_back(medium, own);
  return own;
}

void OSystem::copyFrom(const OSystem& other) {
  if (&other == this) return;
  clear();
  name = other.name;
  text1 = other.text1;
  text2 = other.text2;
  settings_ = other.settings_;
  for (const auto& zone : other.zones_) zones_.push_back(std::make_unique<OZone>(*zone));
  if (other.source_) source_ = std::make_unique<OSource>(*other.source_);
  if (!other.object_ || !other.image_) return;
  object_.reset(static_cast<OObject*>(other.object_->clone().release()));
  image_.reset(static_cast<OImage*>(other.image_->clone().release()));
  std::vector<std::pair<const OMedium*, OMedium*>> media;
  const auto* otherStop = dynamic_cast<const OApertureStop*>(other.stop_.get());
  ONode* stopNode = otherStop && otherStop->node == other.object_.get() ? object_.get() : nullptr;
  ONode* prev = object_.get();
  for (const ONode* node = other.object_.get(); node != other.image_.get(); node = node->next()) {
    if (node == nullptr || node->out == nullptr)
      throw std::runtime_error("OSystem: the chain to copy is broken");
    const OGuide& from = *node->out;
    auto gap = std::make_unique<OGuide>();
    gap->alignment = from.alignment->clone();
    gap->sign = from.sign;
    gap->medium = copiedMedium(from.medium, media);
    ONode* next = image_.get();
    if (from.next != other.image_.get()) {
      surfaceNodes_.push_back(from.next->clone());
      next = surfaceNodes_.back().get();
      ++surfaceCount_;
    }
    if (otherStop && otherStop->node == from.next) stopNode = next;
    gap->prev = prev;
    gap->next = next;
    prev->out = gap.get();
    next->in = gap.get();
    gaps_.push_back(std::move(gap));
    prev = next;
  }
  if (other.stop_) stop_ = other.stop_->clone();
  if (auto* aperture = dynamic_cast<OApertureStop*>(stop_.get())) aperture->node = stopNode;
}

ONode* OSystem::nodeAt(int i) const {
  if (i < 0) return nullptr;
  ONode* node = object_.get();
  for (int k = 0; k < i && node != nullptr; ++k) node = node->next();
  return node;
}

int OSystem::nodeCount() const {
  int count = 0;
  for (const ONode* node = object_.get(); node != nullptr; node = node->next()) ++count;
  return count;
}

int OSystem::indexOf(const ONode* node) const {
  int i = 0;
  for (const ONode* n = object_.get(); n != nullptr; n = n->next(), ++i) {
    if (n == node) return i;
  }
  throw std::runtime_error("OSystem: Node does not exist");
}

ONode* OSystem::appendBeforeImage(std::unique_ptr<ONode> node, std::unique_ptr<OGuide> gap) {
  if (!image_ || !image_->in) throw std::runtime_error("OSystem: the system has no image");
  OGuide* before = image_->in;
  ONode* n = node.get();
  before->next = n;
  n->in = before;
  n->out = gap.get();
  gap->prev = n;
  gap->next = image_.get();
  image_->in = gap.get();
  surfaceNodes_.push_back(std::move(node));
  gaps_.push_back(std::move(gap));
  ++surfaceCount_;
  return n;
}

ONode* OSystem::appendSurface() {
  return appendBeforeImage(std::make_unique<ONode>(std::make_unique<OSurface2>()),
                           std::make_unique<OGuide>());
}

ONode* OSystem::linkBefore(ONode* x, OMedium* medium) {
  if (x == nullptr || x->in == nullptr) {
    throw std::runtime_error("OSystem: a surface can only be inserted before a linked node");
  }
  auto node = std::make_unique<ONode>(std::make_unique<OSurface2>());
  auto gap = std::make_unique<OGuide>();
  OGuide* split = x->in;
  // The split gap now ends at the new surface; the new gap leads from it to x.
  split->next = node.get();
  node->in = split;
  node->out = gap.get();
  gap->prev = node.get();
  gap->next = x;
  gap->medium = medium;
  x->in = gap.get();
  ONode* n = node.get();
  surfaceNodes_.push_back(std::move(node));
  gaps_.push_back(std::move(gap));
  ++surfaceCount_;
  return n;
}

ONode* OSystem::insertBefore(ONode* x) {
  return linkBefore(x, x && x->in ? x->in->medium : nullptr);
}

ONode* OSystem::insertFirst() {
  if (!object_ || !object_->out) throw std::runtime_error("OSystem: the system has no object");
  return linkBefore(object_->next(), object_->out->medium);
}

ONode* OSystem::insertLast() {
  if (!image_) throw std::runtime_error("OSystem: the system has no image");
  return insertBefore(image_.get());
}

void OSystem::remove(ONode* node) {
  if (node == nullptr || node == object_.get() || node == image_.get()) {
    throw std::runtime_error("OSystem: only a surface node can be removed");
  }
  indexOf(node);  // throws for a node outside the chain
  OGuide* in = node->in;
  OGuide* out = node->out;
  ONode* after = out->next;
  in->next = after;
  after->in = in;
  // A stop on the removed surface would otherwise point at a deleted node.
  if (auto* aperture = dynamic_cast<OApertureStop*>(stop_.get());
      aperture && aperture->node == node) {
    aperture->node = nullptr;
  }
  dispose(node, out);
  --surfaceCount_;
}

void OSystem::dispose(ONode* node, OGuide* gap) {
  std::erase_if(surfaceNodes_, [node](const auto& p) { return p.get() == node; });
  std::erase_if(gaps_, [gap](const auto& p) { return p.get() == gap; });
}

void OSystem::refreshMedium(OMedium& medium) const {
  static const std::vector<double> none;
  medium.setWavelengths(source_ ? source_->wavelengths : none);
}

void OSystem::refreshMedia() {
  for (const auto& gap : gaps_) {
    if (gap->medium) refreshMedium(*gap->medium);
  }
}

namespace {

// Relative field r of angle y against the full field angle h in the system's angle mode.
double relativeAngle(const std::string& mode, double y, double h) {
  if (h == 0.0) return 0.0;
  if (mode == "tg") return std::tan(y) / std::tan(h);
  if (mode == "sin") return std::sin(y) / std::sin(h);
  return y / h;
}

// Field angle of relative field r against the full field angle h in the system's angle mode.
double angleOfRelative(const std::string& mode, double r, double h) {
  if (mode == "tg") return std::atan(std::tan(h) * r);
  if (mode == "sin") return std::asin(std::sin(h) * r);
  return r * h;
}

}  // namespace

OSystem::ZoneReference OSystem::zoneReference(OZone& zone) const {
  const bool onObject = settings_.zonesOnObject();
  const ONode* ref = onObject ? static_cast<const ONode*>(object_.get()) : image_.get();
  if (ref == nullptr) throw std::runtime_error("OSystem: the system has no object or image");
  if (!onObject && zone.points.empty()) zone.resizeEntries(1);
  return {onObject, onObject ? object_->finite : image_->finite, ref->h,
          onObject ? zone.real : zone.points.front()};
}

void OSystem::setZoneFromField(OZone& zone, double y) const {
  const ZoneReference ref = zoneReference(zone);
  ref.target = {0.0, y};
  if (!ref.finite) {
    if (ref.onObject) zone.relative = {0.0, relativeAngle(settings_.angleMode, y, ref.size)};
  } else {
    zone.relative = {0.0, ref.size == 0.0 ? 0.0 : y / ref.size};
  }
}

void OSystem::setZoneFromRelative(OZone& zone, double r) const {
  const ZoneReference ref = zoneReference(zone);
  zone.relative = {0.0, r};
  ref.target = {0.0, ref.finite ? r * ref.size : angleOfRelative(settings_.angleMode, r, ref.size)};
}

void OSystem::sortZones() {
  std::stable_sort(zones_.begin(), zones_.end(),
                   [](const auto& a, const auto& b) { return a->relative.y > b->relative.y; });
}

}  // namespace zelt

#include "zelt/calc/OAxisSystemCalc.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "zelt/model/OEntrancePupil.h"
#include "zelt/ray/RayErrors.h"

namespace zelt {

namespace {

constexpr double kMachineEpsilon = 2.220446049250313e-16;

const OApertureStop* apertureStop(const OSystem& system) {
  return dynamic_cast<const OApertureStop*>(system.stop());
}

// Checks that the system has everything a calculation reads: a base chain with surfaces, a
// source and a stop whose node still belongs to the chain.
void requireCalculable(const OSystem& system) {
  if (!system.object() || !system.image() || !system.source())
    throw std::runtime_error("No optical system: create a base system first");
  if (system.surfaceCount() == 0) throw std::runtime_error("The optical system has no surfaces");
  if (system.source()->count() == 0) throw std::runtime_error("The source has no wavelengths");
  if (!system.stop())
    throw std::runtime_error("The optical system has no aperture stop: set the stop surface first");
  const OApertureStop* stop = apertureStop(system);
  if (stop && !stop->node) throw std::runtime_error("The aperture stop is on no surface");
  if (stop) system.indexOf(stop->node);  // throws for a node that left the chain
}

const OElement& elementOf(const ONode& node) {
  const OElement* e = node.element();
  if (!e) throw std::runtime_error("A surface node carries no surface");
  return *e;
}

Matrix2 refraction(const ONode& node, int w) {
  return elementOf(node).refractionMatrix(indexRatio(node, w), 1.0);
}

// True for a node between two gaps of equal signed index at wavelength 0: it does not refract.
bool isDummy(const ONode& node) {
  return node.in && node.out && signedIndex(node.in, 0) == signedIndex(node.out, 0);
}

}  // namespace

double signedIndex(const OGuide* gap, int w) {
  if (!gap) throw std::runtime_error("A surface has no gap on one side");
  const double n = gap->medium ? gap->medium->index(static_cast<unsigned>(w)) : 1.0;
  return n * gap->sign;
}

double stopRadius(const OStop& stop, const OParaxial& paraxial, int w) {
  if (stop.type == 'z') return std::fabs(paraxial.V[w]) * stop.size;
  if (stop.type == 'd') return stop.size / std::fabs(paraxial.Inv[w]);
  return stop.size;
}

double indexRatio(const ONode& node, int w) {
  return signedIndex(node.in, w) / signedIndex(node.out, w);
}

Matrix2 OAxisSystemCalc::systemMatrix(const ONode* first, const ONode* last, int w) const {
  Matrix2 m;
  for (const ONode* node = last; node != first; node = node->prev()) {
    if (!node || !node->in) throw std::runtime_error("Paraxial range of surfaces is empty");
    m = m * refraction(*node, w) * transferMatrix(node->in->getDistance());
  }
  if (!first) throw std::runtime_error("Paraxial range of surfaces is empty");
  return m * refraction(*first, w);
}

namespace {

// The refracting range of the chain and where the chief ray crosses the axis: d behind the node
// before the stop. A dummy stop surface at either end stays out of the range.
struct ParaxialRange {
  const ONode* first = nullptr;
  const ONode* last = nullptr;
  const ONode* stopNode = nullptr;
  double d = 0.0;
};

ParaxialRange paraxialRange(const OSystem& sys) {
  ParaxialRange range{sys.object()->next(), sys.image()->prev()};
  if (const OApertureStop* stop = apertureStop(sys)) {
    const ONode* stopNode = stop->node;
    range.stopNode = stopNode;
    range.d = stopNode->in ? stopNode->in->getDistance() : 0.0;
    if (stopNode == range.last && isDummy(*stopNode)) range.last = stopNode->prev();
    if (stopNode == range.first && isDummy(*stopNode)) {
      range.first = stopNode->next();
      range.d = -stopNode->out->getDistance();
    }
  } else if (const auto* pupil = dynamic_cast<const OEntrancePupil*>(sys.stop())) {
    range.d = pupil->position;
  }
  if (range.first == sys.image() || range.last == sys.object())
    throw std::runtime_error("The optical system has no refracting surface");
  return range;
}

// Focal lengths and cardinal points from the system matrix at the main wavelength.
void setFocalData(const Matrix2& m, OParaxial& p) {
  if (std::fabs(m.a21) > kMachineEpsilon) {
    p.F_ = 1.0 / m.a21;
    p.SF_ = m.a11 / m.a21;
    p.SF = -m.a22 / m.a21;
    p.F = m.a12 - m.a11 * m.a22 / m.a21;
    p.SH = p.SF - p.F;
    p.SH_ = p.SF_ - p.F_;
  } else {  // afocal
    const double inf = std::numeric_limits<double>::infinity();
    p.F = p.F_ = p.SF = p.SF_ = inf;
    p.SH = p.SH_ = 0.0;
  }
}

// Appends the pupils, the Gaussian image, the invariant and the magnification at wavelength w.
void addPupilsAndImage(const OAxisSystemCalc& calc, const ParaxialRange& range, int w) {
  OAxisSystem& sys = calc.system();
  OParaxial& p = sys.paraxial;
  const OObject& object = *sys.object();
  const OImage& image = *sys.image();
  const ONode* first = range.first;
  const bool stopAtFront =
      !range.stopNode || range.stopNode == first || range.stopNode == first->prev();
  const double n0 = signedIndex(object.out, w);
  const Matrix2 mw = calc.systemMatrix(first, range.last, w);
  const Matrix2 ms = stopAtFront ? Matrix2{} : calc.systemMatrix(first, range.stopNode->prev(), w);
  // The chief ray crosses the axis at the stop; traced back to the front of the system.
  ParaxialRay chief{(range.d * ms.a22 - ms.a12) / n0, (ms.a11 - range.d * ms.a21) / n0};
  ParaxialRay axial;
  double e = 0.0;
  if (!object.finite) {
    p.SP.push_back(chief.h / chief.alpha);
    axial = {1.0 + p.SP[0] * object.S, object.S};
    e = axial.h * chief.alpha - axial.alpha * chief.h;
  } else {
    e = chief.h - chief.alpha * object.S;
    p.SP.push_back(chief.alpha / e);
    axial = {-object.S, -1.0};
  }
  p.Inv.push_back(e);
  const ParaxialRay a = mw * axial;
  const ParaxialRay c = mw * chief;
  if (!image.finite) {
    p.SP_.push_back(c.h / c.alpha);
    const double denominator = a.h - a.alpha * p.SP_[0];
    p.SG.push_back(a.alpha / denominator);
    if (w == 0 && image.fromParaxial) p.S_ += p.SG[0];
    p.V.push_back((n0 / signedIndex(image.in, w)) / denominator);
  } else {
    p.SG.push_back(a.h / a.alpha);
    if (w == 0 && image.fromParaxial) p.S_ += p.SG[0];
    const double t = c.h - c.alpha * p.S_;
    p.SP_.push_back(c.alpha / t);
    p.V.push_back(t / e);
  }
}

}  // namespace

void OAxisSystemCalc::calcParaxial() {
  OAxisSystem& sys = *system_;
  requireCalculable(sys);
  sys.refreshMedia();
  OParaxial& p = sys.paraxial;
  p.clear();
  const ParaxialRange range = paraxialRange(sys);
  setFocalData(systemMatrix(range.first, range.last, 0), p);
  p.S = sys.object()->S;
  p.S_ = sys.image()->S_;
  const int count = static_cast<int>(sys.source()->count());
  for (int w = 0; w < count; ++w) addPupilsAndImage(*this, range, w);
  p.wavelengths = sys.source()->wavelengths;
}

void OAxisSystemCalc::requireParaxial() const {
  const OAxisSystem& sys = *system_;
  requireCalculable(sys);
  const OParaxial& p = sys.paraxial;
  const std::size_t count = sys.source()->count();
  if (p.SP.size() != count || p.SG.size() != count || p.wavelengths != sys.source()->wavelengths)
    throw std::runtime_error(
        "No paraxial data for the current wavelengths: run the paraxial calculation first");
}

ORealRay OAxisSystemCalc::startRay(double r, double px, double py, double fy, double sp0,
                                   int w) const {
  return startRayOf(*system_, r, px, py, fy, sp0, w);
}

ORealRay startRayOf(const OAxisSystem& sys, double r, double px, double py, double fy, double sp0,
                    int w) {
  const OObject& object = *sys.object();
  const double n0 = signedIndex(object.out, w);
  const OApertureStop* stop = apertureStop(sys);
  const bool stopOnFirst = stop && stop->node == object.next();
  ORealRay ray;
  if (!object.finite) {
    // A plane (or spherical, for S != 0) wave of field angle omega through the pupil point.
    const double omega = fy * object.h;
    const double c = object.S * std::cos(omega);
    ray.x = r * px / n0;
    ray.y = r * py / n0;
    const double rho2 = ray.x * ray.x + ray.y * ray.y;
    ray.z = c * rho2 / (1.0 + std::sqrt(1.0 - c * c * rho2));
    ray.X = -ray.x * c;
    ray.Y = -std::sin(omega) - ray.y * c;
    ray.Z = std::cos(omega) - ray.z * c;
    ray.z += stopOnFirst ? sp0 - sys.paraxial.SP[w] : sp0;
    return ray;
  }
  ray.x = 0.0;
  ray.y = fy * object.h;
  ray.z = object.S;
  const double mx = r * px / n0;
  const double my = r * py / n0;
  ray.X = mx;
  const double tangent = my / std::sqrt(1.0 - my * my);
  ray.Y = std::sin(std::atan(tangent - ray.y * sp0));
  ray.Z = std::sqrt(1.0 - ray.X * ray.X - ray.Y * ray.Y);
  if (stopOnFirst && signedIndex(object.next()->out, 0) == 1.0)
    ray.z += object.next()->out->getDistance();
  return ray;
}

ORealRay launchRay(const OAxisSystem& system, double fy, double px, double py, int w) {
  const double r = stopRadius(*system.stop(), system.paraxial, w);
  return startRayOf(system, r, px, py, fy, system.paraxial.SP.at(static_cast<std::size_t>(w)), w);
}

double OAxisSystemCalc::toImagePlane(ORealRay& ray, int w) const {
  const OAxisSystem& sys = *system_;
  const OImage& image = *sys.image();
  double distance = image.S_;
  if (image.fromParaxial) distance += sys.paraxial.SG[0];
  const ONode* lastSurface = image.prev();
  const OApertureStop* stop = apertureStop(sys);
  if (stop && stop->node == lastSurface && isDummy(*lastSurface))
    distance -= lastSurface->in->getDistance();
  if (ray.Z == 0.0) {  // parallel to the image plane: it never gets there
    MissOnSurface miss{ORayCalc{}};
    miss.node = &image;
    throw miss;
  }
  const double t = (distance - ray.z) / ray.Z;
  ray.x += ray.X * t;
  ray.y += ray.Y * t;
  ray.z = 0.0;
  return signedIndex(image.in, w) * t;
}

TraceResult OAxisSystemCalc::traceRay(double fy, double px, double py, int w,
                                      OPath<ORealRay>& path) const {
  const OAxisSystem& sys = *system_;
  const std::size_t n = sys.surfaceCount();
  path.rays.resize(n + 1);
  const double r = sys.stop()->size;
  path.rays[0] = startRay(r, px, py, fy, sys.paraxial.SP[0], w);
  ORayCalc calc;
  tracePath(*this, path, sys.object()->next(), sys.image()->prev(), w, calc);
  TraceResult result{path.rays[n], path.L};
  if (sys.image()->finite) result.L += toImagePlane(result.ray, w);
  return result;
}

void OAxisSystemCalc::switchStopToAperture() {
  OStop* stop = system_->stop();
  if (!stop || stop->type != 'd') return;
  const double s = system_->object() ? system_->object()->S : 0.0;
  const double v = stop->size;
  const double seen = std::sqrt(s * s + v * v);
  stop->size = seen > 0.0 ? std::fabs(v) / seen : 0.0;
  stop->type = 'p';
}

bool OAxisSystemCalc::stopDistance(double& sd) {
  OAxisSystem& sys = *system_;
  const OApertureStop* stop = apertureStop(sys);
  if (!stop || !stop->node || !sys.object()) return false;
  const int n = static_cast<int>(sys.surfaceCount());
  for (int i = 1; i <= n; ++i) {
    ONode* node = sys.nodeAt(i);
    if (node != stop->node) continue;
    if (node->in->medium) sys.refreshMedium(*node->in->medium);
    if (node->out->medium) sys.refreshMedium(*node->out->medium);
    if (signedIndex(node->in, 0) != 1.0 || signedIndex(node->out, 0) != 1.0) return false;
    // A stop in front of the system is placed by its distance to the next surface.
    sd = i == 1 ? -node->out->getDistance() : node->in->getDistance();
    return true;
  }
  return false;
}

void traceNode(const ONode& node, ORealRay& ray, ORayCalc& calc) {
  const OElement& surface = elementOf(node);
  const OGuide* in = node.in;
  const double n = signedIndex(in, calc.wavelength);
  if (in->medium) {
    in->medium->transfer(ray, surface, calc);
  } else {
    surface.moveToSurface(ray, calc);  // a gap without medium is homogeneous too
  }
  calc.segmentPath = n * calc.t;
  const double n_ = signedIndex(node.out, calc.wavelength);
  if (n != n_) surface.refract(ray, n / n_, calc);
}

void tracePath(const OAxisSystemCalc& calculator, OPath<ORealRay>& path, const ONode* first,
               const ONode* last, int w, ORayCalc& calc) {
  const OApertureStop* stop = apertureStop(calculator.system());
  traceChain(path, first, last, stop ? stop->node : nullptr, w, calc,
             [](const ONode& node, ORealRay& ray, ORayCalc& c) { traceNode(node, ray, c); });
}

}  // namespace zelt

#include "zelt/io/WriteGuard.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace zelt {
namespace {

// Throws when `value` is NaN or infinite; `what` names the quantity and where it sits.
void requireFinite(double value, const std::string& what, const std::string& prefix) {
  if (!std::isfinite(value)) {
    throw std::runtime_error(prefix + what + " is not a finite number; nothing was written");
  }
}

// Checks every index the medium of `gap` gives at the source's wavelengths. A glass that cannot
// give an index there is the writer's own concern (it reports the range); only a number that
// is NaN or infinite is refused here.
void requireFiniteIndices(const OGuide& gap, const OSource& source, const std::string& where,
                          const std::string& prefix) {
  if (gap.medium == nullptr) return;
  for (std::size_t w = 0; w < source.count(); ++w) {
    double n = 0.0;
    try {
      if (const auto* glass = dynamic_cast<const OAMedium*>(gap.medium)) {
        n = glass->indexAt(source.wavelengths[w]);
      } else {
        n = gap.medium->index(static_cast<unsigned>(w));
      }
    } catch (const std::exception&) {
      continue;
    }
    requireFinite(n,
                  "the refractive index after " + where + " at wavelength " + std::to_string(w + 1),
                  prefix);
  }
}

// Checks one surface of the chain: its shape, height, the gap behind it and that gap's medium.
void requireFiniteNode(const ONode& node, const OSource& source, const std::string& where,
                       const std::string& prefix) {
  if (const OElement* surface = node.element()) {
    requireFinite(surface->getCurvature(), "the curvature of " + where, prefix);
    requireFinite(surface->getConic(), "the conic constant of " + where, prefix);
  }
  requireFinite(node.h, "the semi-height of " + where, prefix);
  if (node.out == nullptr) return;
  requireFinite(node.out->getDistance(), "the distance after " + where, prefix);
  requireFiniteIndices(*node.out, source, where, prefix);
}

}  // namespace

void requireFiniteSystem(const OSystem& system, const std::string& prefix) {
  const OObject* object = system.object();
  const OImage* image = system.image();
  const OSource* source = system.source();
  if (object == nullptr || image == nullptr || source == nullptr) return;
  for (std::size_t w = 0; w < source->count(); ++w) {
    requireFinite(source->wavelengths[w], "wavelength " + std::to_string(w + 1), prefix);
  }
  requireFinite(object->S, "the object distance", prefix);
  requireFinite(object->h, "the object size", prefix);
  requireFinite(image->S_, "the image distance", prefix);
  requireFinite(image->h, "the image size", prefix);
  if (const OElement* own = object->element()) {
    requireFinite(own->getCurvature(), "the curvature of the object", prefix);
  }
  if (const OElement* own = image->element()) {
    requireFinite(own->getCurvature(), "the curvature of the image", prefix);
  }
  if (const OStop* stop = system.stop()) requireFinite(stop->size, "the stop size", prefix);
  if (object->out) requireFiniteIndices(*object->out, *source, "the object", prefix);
  int number = 1;
  for (const ONode* node = object->next(); node && node != image; node = node->next()) {
    requireFiniteNode(*node, *source, "surface " + std::to_string(number++), prefix);
  }
}

void replaceFileContents(const std::string& path, const std::string& bytes,
                         const std::string& prefix) {
  if (path.empty()) throw std::runtime_error(prefix + "no file name given");
  const std::string partial = path + ".partial";
  {
    std::ofstream file(partial, std::ios::binary | std::ios::trunc);
    if (!file) throw std::runtime_error(prefix + "cannot open file " + path);
    file << bytes;
    file.close();
    if (!file) {
      std::error_code ignored;
      std::filesystem::remove(partial, ignored);
      throw std::runtime_error(prefix + "cannot write file " + path);
    }
  }
  std::error_code error;
  std::filesystem::rename(partial, path, error);
  if (error) {
    std::filesystem::remove(partial, error);
    throw std::runtime_error(prefix + "cannot write file " + path);
  }
}

}  // namespace zelt

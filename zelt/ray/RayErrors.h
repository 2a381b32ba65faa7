#pragma once

#include <stdexcept>
#include <string>

#include "zelt/ray/ORayCalc.h"

namespace zelt {

class ONode;

// A ray that could not continue at a surface; the path trace fills in the node.
class ErrorOnSurface : public std::runtime_error {
 public:
  ErrorOnSurface(const std::string& message, const ORayCalc& rayCalc)
      : std::runtime_error(message), calc(rayCalc) {}

  const ONode* node = nullptr;
  ORayCalc calc;
};

// The ray does not meet the surface (or only touches it).
class MissOnSurface : public ErrorOnSurface {
 public:
  explicit MissOnSurface(const ORayCalc& rayCalc) : ErrorOnSurface("Missing On Surface", rayCalc) {}
};

// The ray is totally reflected where it should refract.
class FullReflectionOnSurface : public ErrorOnSurface {
 public:
  explicit FullReflectionOnSurface(const ORayCalc& rayCalc)
      : ErrorOnSurface("Full Reflection On Surface", rayCalc) {}
};

// The ray meets a sharp edge; reported as its own code, raised by no surface kind yet.
class SharpEdgeOnSurface : public ErrorOnSurface {
 public:
  explicit SharpEdgeOnSurface(const ORayCalc& rayCalc)
      : ErrorOnSurface("Sharp Edge On Surface", rayCalc) {}
};

// Ray error codes of the tracing exports.
enum RayErrorCode { kRayOk = 0, kRayMissed = 1, kRayFullReflection = 2, kRaySharpEdge = 3 };

// Returns the code of a ray error.
inline int rayErrorCode(const ErrorOnSurface& e) {
  if (dynamic_cast<const MissOnSurface*>(&e)) return kRayMissed;
  if (dynamic_cast<const FullReflectionOnSurface*>(&e)) return kRayFullReflection;
  if (dynamic_cast<const SharpEdgeOnSurface*>(&e)) return kRaySharpEdge;
  return kRayMissed;
}

}  // namespace zelt

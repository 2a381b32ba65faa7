#include "zelt/optim/OVariable.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "zelt/analysis/ORayGrid.h"
#include "zelt/calc/OAxisSystemCalc.h"

namespace zelt {

OElement& surfaceElement(const OAxisSystem& system, int surface) {
  if (surface < 1 || surface > static_cast<int>(system.surfaceCount()))
    throw std::out_of_range("Surface " + std::to_string(surface) + " does not exist");
  OElement* element = system.nodeAt(surface)->element();
  if (element == nullptr) throw std::runtime_error("A surface node carries no surface");
  return *element;
}

double OCurvatureVariable::get(const OAxisSystem& system) const {
  return surfaceElement(system, surface_).getCurvature();
}

void OCurvatureVariable::set(OAxisSystem& system, double value) const {
  surfaceElement(system, surface_).setCurvature(value);
}

double OImageDistanceVariable::get(const OAxisSystem& system) const {
  return imageDistanceOf(system);
}

void OImageDistanceVariable::set(OAxisSystem& system, double value) const {
  system.image()->fromParaxial = false;
  system.image()->S_ = value;
}

void solveFocalLength(OAxisSystem& system, int surface, double focal) {
  OElement& element = surfaceElement(system, surface);
  system.refreshMedia();
  const OAxisSystemCalc calc(system);
  const ONode* first = system.object()->next();
  const ONode* last = system.image()->prev();
  // The power a21 = 1/f′ of the system matrix is linear in the curvature of any one surface.
  element.setCurvature(0.0);
  const double power0 = calc.systemMatrix(first, last, 0).a21;
  element.setCurvature(1.0);
  const double slope = calc.systemMatrix(first, last, 0).a21 - power0;
  if (slope == 0.0 || !std::isfinite(slope))
    throw std::runtime_error("The curvature of surface " + std::to_string(surface) +
                             " does not change the focal length");
  element.setCurvature((1.0 / focal - power0) / slope);
}

}  // namespace zelt

#include "zelt/optim/ORefinement.h"

#include <cmath>
#include <stdexcept>

#include "zelt/calc/OAxisSystemCalc.h"

namespace zelt {

std::unique_ptr<OProblem> makeRefinementProblem(OAxisSystem& system, double fieldWeight) {
  if (!(fieldWeight >= 0.0) || !std::isfinite(fieldWeight))
    throw std::invalid_argument("The field weight must be a finite number of 0 or more");
  OAxisSystemCalc(system).calcParaxial();
  const double focal = system.paraxial.F_;
  if (!std::isfinite(focal) || focal == 0.0)
    throw std::runtime_error("Refinement needs a system of finite focal length");
  const int last = static_cast<int>(system.surfaceCount());
  const int waves = static_cast<int>(system.source()->count());
  auto problem = std::make_unique<OProblem>(system);
  for (int k = 1; k < last; ++k) problem->addVariable(std::make_unique<OCurvatureVariable>(k));
  problem->addVariable(std::make_unique<OImageDistanceVariable>());
  problem->setSolve([last, focal](OAxisSystem& s) { solveFocalLength(s, last, focal); });
  problem->addOperand(std::make_unique<OSpotOperand>(0.0, 1.0, waves));
  // Without a field angle the full field is the axis again.
  if (fieldWeight > 0.0 && system.object()->h != 0.0)
    problem->addOperand(std::make_unique<OSpotOperand>(1.0, fieldWeight, waves));
  return problem;
}

ORefinementReport refineByRealRays(OAxisSystem& system, double fieldWeight) {
  const std::unique_ptr<OProblem> problem = makeRefinementProblem(system, fieldWeight);
  const OSolveReport solved = solveLevenbergMarquardt(*problem);
  problem->apply(solved.x, system);
  return {solved.meritStart, solved.merit, solved.iterations};
}

}  // namespace zelt

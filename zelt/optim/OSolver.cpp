#include "zelt/optim/OSolver.h"

#include <unsupported/Eigen/NonLinearOptimization>

namespace zelt {

OSolveReport solveLevenbergMarquardt(OProblem& problem, double relativeDecrease,
                                     int maxIterations) {
  OSolveReport report;
  report.x = problem.startValues();
  report.meritStart = problem.merit(report.x);
  report.merit = report.meritStart;
  OProblemFunctor functor{&problem};
  if (functor.inputs() == 0 || functor.values() < functor.inputs()) return report;
  Eigen::LevenbergMarquardt<OProblemFunctor> solver(functor);
  // Stop on the relative decrease of the merit alone: no step-size or gradient test.
  solver.parameters.ftol = relativeDecrease;
  solver.parameters.xtol = 0.0;
  solver.parameters.gtol = 0.0;
  solver.parameters.maxfev = 100 * maxIterations * (functor.inputs() + 1);
  Eigen::VectorXd x = report.x;
  auto status = solver.minimizeInit(x);
  while (status == Eigen::LevenbergMarquardtSpace::NotStarted ||
         status == Eigen::LevenbergMarquardtSpace::Running) {
    if (report.iterations >= maxIterations) break;
    status = solver.minimizeOneStep(x);
    ++report.iterations;
  }
  const double merit = problem.merit(x);
  if (merit < report.meritStart) {
    report.x = x;
    report.merit = merit;
  }
  return report;
}

}  // namespace zelt

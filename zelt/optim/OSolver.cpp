#include "zelt/optim/OSolver.h"

#include <unsupported/Eigen/NonLinearOptimization>

namespace zelt {

namespace {

// The problem in the shape Eigen's solvers call: residuals of a variable vector and their
// Jacobian.
struct ProblemFunctor {
  using Scalar = double;
  using InputType = Eigen::VectorXd;
  using ValueType = Eigen::VectorXd;
  using JacobianType = Eigen::MatrixXd;
  enum { InputsAtCompileTime = Eigen::Dynamic, ValuesAtCompileTime = Eigen::Dynamic };

  OProblem* problem;
  int inputCount;
  int valueCount;

  int inputs() const { return inputCount; }
  int values() const { return valueCount; }
  int operator()(const Eigen::VectorXd& x, Eigen::VectorXd& residuals) const {
    problem->evaluate(x, residuals);
    return 0;
  }
  int df(const Eigen::VectorXd& x, Eigen::MatrixXd& jacobian) const {
    problem->jacobian(x, jacobian);
    return 0;
  }
};

}  // namespace

OSolveReport solveLevenbergMarquardt(OProblem& problem, double relativeDecrease,
                                     int maxIterations) {
  OSolveReport report;
  report.x = problem.startValues();
  report.meritStart = problem.merit(report.x);
  report.merit = report.meritStart;
  ProblemFunctor functor{&problem, problem.variableCount(), problem.residualCount()};
  if (functor.inputCount == 0 || functor.valueCount < functor.inputCount) return report;
  Eigen::LevenbergMarquardt<ProblemFunctor> solver(functor);
  // Stop on the relative decrease of the merit alone: no step-size or gradient test.
  solver.parameters.ftol = relativeDecrease;
  solver.parameters.xtol = 0.0;
  solver.parameters.gtol = 0.0;
  solver.parameters.maxfev = 100 * maxIterations * (functor.inputCount + 1);
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

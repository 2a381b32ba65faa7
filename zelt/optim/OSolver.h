#pragma once
// The solver of an optimisation problem: Levenberg–Marquardt from Eigen's MINPACK port.

#include "zelt/optim/OProblem.h"

namespace zelt {

/// How a solve went.
struct OSolveReport {
  Eigen::VectorXd x;        ///< the best variable values found
  double meritStart = 0.0;  ///< sum of squared residuals at the start values
  double merit = 0.0;       ///< at x; never above meritStart
  int iterations = 0;       ///< Jacobian evaluations taken
};

/// Minimises the problem's sum of squared residuals by Levenberg–Marquardt with the problem's
/// Jacobian, until the relative decrease of the merit falls below `relativeDecrease`
/// or after `maxIterations` iterations. The start values are kept when nothing better is found.
OSolveReport solveLevenbergMarquardt(OProblem& problem, double relativeDecrease = 1e-10,
                                     int maxIterations = 100);

}  // namespace zelt

#include "zelt/optim/OProblem.h"

#include <cmath>
#include <exception>
#include <limits>
#include <vector>

#include "zelt/calc/OAxisSystemCalc.h"

namespace zelt {

OProblem::OProblem(const OAxisSystem& start) {
  work_.copyFrom(start);
}

void OProblem::addVariable(std::unique_ptr<OVariable> variable) {
  const double value = variable->get(work_);
  variables_.push_back(std::move(variable));
  start_.conservativeResize(start_.size() + 1);
  start_(start_.size() - 1) = value;
  last_.valid = false;
}

void OProblem::addOperand(std::unique_ptr<OOperand> operand) {
  operands_.push_back(std::move(operand));
  last_.valid = false;
}

void OProblem::setSolve(std::function<void(OAxisSystem&)> solve) {
  solve_ = std::move(solve);
  last_.valid = false;
}

int OProblem::residualCount() const {
  int count = 0;
  for (const auto& operand : operands_) count += operand->size();
  return count;
}

void OProblem::write(const Eigen::VectorXd& x, OAxisSystem& system) const {
  for (std::size_t k = 0; k < variables_.size(); ++k)
    variables_[k]->set(system, x(static_cast<Eigen::Index>(k)));
  if (solve_) solve_(system);
  OAxisSystemCalc(system).calcParaxial();
}

const OProblem::Trace& OProblem::traceAt(const Eigen::VectorXd& x) {
  // The working system is a function of x alone, so the same x gives the same residuals.
  if (last_.valid && last_.x.size() == x.size() && last_.x == x) return last_;
  const int count = residualCount();
  last_.valid = true;
  last_.ok = false;
  last_.x = x;
  last_.residuals.resize(count);
  last_.focusSlopes.resize(count);
  try {
    write(x, work_);
    double* out = last_.residuals.data();
    double* slopes = last_.focusSlopes.data();
    for (const auto& operand : operands_) {
      operand->residuals(work_, out, slopes);
      out += operand->size();
      slopes += operand->size();
    }
    last_.ok = last_.residuals.allFinite();
  } catch (const std::exception&) {
  }
  if (!last_.ok) {
    // A trial the system cannot take (no power left, a paraxial failure) is a very bad point.
    last_.residuals.setConstant(kLostRayResidual);
    last_.focusSlopes.setZero();
  }
  return last_;
}

bool OProblem::evaluate(const Eigen::VectorXd& x, Eigen::VectorXd& residuals) {
  const Trace& trace = traceAt(x);
  residuals = trace.residuals;
  return trace.ok;
}

bool OProblem::hasExactFocusColumn(std::size_t variable, double value) const {
  // Only while the working system holds the last point, and only when the solve left the image
  // distance as written: then the variable moves the image plane and nothing else.
  return last_.ok && variables_[variable]->isImageDistance() &&
         variables_[variable]->get(work_) == value && last_.focusSlopes.allFinite();
}

void OProblem::jacobian(const Eigen::VectorXd& x, Eigen::MatrixXd& jacobian) {
  const Eigen::VectorXd residuals = traceAt(x).residuals;
  jacobian.resize(residuals.size(), x.size());
  // The exact columns first, while the working system still holds x.
  std::vector<bool> exact(variables_.size());
  for (std::size_t j = 0; j < variables_.size(); ++j) {
    const auto column = static_cast<Eigen::Index>(j);
    exact[j] = hasExactFocusColumn(j, x(column));
    if (exact[j]) jacobian.col(column) = last_.focusSlopes;
  }
  // The forward step of Eigen's NumericalDiff: √ε·|x|, or √ε where x is 0.
  const double epsilon = std::sqrt(std::numeric_limits<double>::epsilon());
  Eigen::VectorXd shifted = x, trial;
  for (std::size_t j = 0; j < variables_.size(); ++j) {
    if (exact[j]) continue;
    const auto column = static_cast<Eigen::Index>(j);
    double h = epsilon * std::abs(x(column));
    if (h == 0.0) h = epsilon;
    shifted(column) += h;
    evaluate(shifted, trial);
    shifted(column) = x(column);
    jacobian.col(column) = (trial - residuals) / h;
  }
}

double OProblem::merit(const Eigen::VectorXd& x) {
  return traceAt(x).residuals.squaredNorm();
}

void OProblem::apply(const Eigen::VectorXd& x, OAxisSystem& target) const {
  write(x, target);
}

}  // namespace zelt

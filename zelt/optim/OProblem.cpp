#include "zelt/optim/OProblem.h"

#include <exception>

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
}

void OProblem::addOperand(std::unique_ptr<OOperand> operand) {
  operands_.push_back(std::move(operand));
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

bool OProblem::evaluate(const Eigen::VectorXd& x, Eigen::VectorXd& residuals) {
  residuals.resize(residualCount());
  try {
    write(x, work_);
    double* out = residuals.data();
    for (const auto& operand : operands_) {
      operand->residuals(work_, out);
      out += operand->size();
    }
    if (residuals.allFinite()) return true;
  } catch (const std::exception&) {
  }
  // A trial the system cannot take (no power left, a paraxial failure) is a very bad point.
  residuals.setConstant(kLostRayResidual);
  return false;
}

double OProblem::merit(const Eigen::VectorXd& x) {
  Eigen::VectorXd residuals;
  evaluate(x, residuals);
  return residuals.squaredNorm();
}

void OProblem::apply(const Eigen::VectorXd& x, OAxisSystem& target) const {
  write(x, target);
}

}  // namespace zelt

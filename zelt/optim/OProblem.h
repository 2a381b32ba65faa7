#pragma once
// An optimisation problem on a copy of a system: its variables, its operands, a solve that
// restores a condition after every change, and the residual vector they make.

#include <Eigen/Dense>
#include <functional>
#include <memory>
#include <vector>

#include "zelt/optim/OOperand.h"
#include "zelt/optim/OVariable.h"

namespace zelt {

/// Variables and operands over a working copy of a system; trial values never touch the
/// system the problem was made from.
class OProblem {
 public:
  /// Copies `start` as the working system.
  explicit OProblem(const OAxisSystem& start);

  /// Adds a variable; its start value is read from the working system.
  void addVariable(std::unique_ptr<OVariable> variable);
  /// Adds an operand: a block of the residual vector.
  void addOperand(std::unique_ptr<OOperand> operand);
  /// Sets the step run after the variables are written, before the system is judged (a solve
  /// such as the focal length held by one curvature).
  void setSolve(std::function<void(OAxisSystem&)> solve);

  /// Returns the number of variables.
  int variableCount() const { return static_cast<int>(variables_.size()); }
  /// Returns the length of the residual vector.
  int residualCount() const;
  /// Returns the variables' start values.
  Eigen::VectorXd startValues() const { return start_; }

  /// Writes `x` into the working system, runs the solve and the paraxial calculation, and
  /// fills `residuals`; returns false (residuals of lost rays) when the system fails there.
  /// The last point's residuals are kept and handed out again when the same `x` comes back.
  bool evaluate(const Eigen::VectorXd& x, Eigen::VectorXd& residuals);
  /// Fills `jacobian` with the derivatives of the residuals at `x`: forward differences, but
  /// the image distance's column from the operands' own derivatives of the trace at `x`.
  void jacobian(const Eigen::VectorXd& x, Eigen::MatrixXd& jacobian);
  /// Returns the merit, the sum of squared residuals, at `x`.
  double merit(const Eigen::VectorXd& x);
  /// Writes `x` into `target`, runs the solve and the paraxial calculation there.
  void apply(const Eigen::VectorXd& x, OAxisSystem& target) const;

 private:
  // The last point traced: its residuals and their derivatives along the image distance.
  struct Trace {
    bool valid = false;
    bool ok = false;
    Eigen::VectorXd x, residuals, focusSlopes;
  };

  void write(const Eigen::VectorXd& x, OAxisSystem& system) const;
  const Trace& traceAt(const Eigen::VectorXd& x);
  bool hasExactFocusColumn(std::size_t variable, double value) const;

  OAxisSystem work_;
  std::vector<std::unique_ptr<OVariable>> variables_;
  std::vector<std::unique_ptr<OOperand>> operands_;
  std::function<void(OAxisSystem&)> solve_;
  Eigen::VectorXd start_;
  Trace last_;
};

/// The problem in the shape Eigen's solvers and NumericalDiff call: residuals of a variable
/// vector and their Jacobian.
struct OProblemFunctor {
  using Scalar = double;
  using InputType = Eigen::VectorXd;
  using ValueType = Eigen::VectorXd;
  using JacobianType = Eigen::MatrixXd;
  enum { InputsAtCompileTime = Eigen::Dynamic, ValuesAtCompileTime = Eigen::Dynamic };

  OProblem* problem;

  int inputs() const { return problem->variableCount(); }
  int values() const { return problem->residualCount(); }
  int operator()(const Eigen::VectorXd& x, Eigen::VectorXd& residuals) const {
    problem->evaluate(x, residuals);
    return 0;
  }
  int df(const Eigen::VectorXd& x, Eigen::MatrixXd& jacobian) const {
    problem->jacobian(x, jacobian);
    return 0;
  }
};

}  // namespace zelt

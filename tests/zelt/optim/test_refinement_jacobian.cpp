// The refinement's Jacobian: its image-distance column comes from the ray directions of one
// trace, the curvature columns from forward differences. Both are checked against numerical
// derivatives of the residuals on the achromat, on axis alone and with the full field.

#include <gtest/gtest.h>

#include <unsupported/Eigen/NumericalDiff>

#include "tests/support/TestSupport.h"
#include "zelt/api/OApiState.h"
#include "zelt/optim/ORefinement.h"

TEST(RefinementJacobian, AgreesWithNumericalDerivatives) {
  for (double weight : {0.0, 0.25}) {
    zelt_test::buildDoublet(zelt_test::kAchromat);
    EXPECT_OK(ZELT_Object_Set_Size(-0.05));
    EXPECT_OK(ZELT_Calc_Paraxial());
    const auto problem = zelt::makeRefinementProblem(zelt::apiState().system, weight);
    const Eigen::VectorXd x = problem->startValues();
    const Eigen::Index focus = x.size() - 1;  // the image distance comes last
    Eigen::MatrixXd exact, numeric(problem->residualCount(), x.size());
    problem->jacobian(x, exact);
    Eigen::NumericalDiff<zelt::OProblemFunctor>(zelt::OProblemFunctor{problem.get()})
        .df(x, numeric);
    // Forward differences of √ε steps carry rounding of about 1e-8 of a column.
    for (Eigen::Index j = 0; j < x.size(); ++j)
      EXPECT_LE((exact.col(j) - numeric.col(j)).norm(), 1e-6 * numeric.col(j).norm())
          << weight << " column " << j;
    // The residuals are linear in the image distance, so a long central step is exact to
    // rounding (about 1e-14 of the column): the analytic column must match it far closer than
    // a forward difference can (about 5e-9).
    Eigen::VectorXd nearer, farther, shifted = x;
    shifted(focus) = x(focus) - 1.0;
    EXPECT_TRUE(problem->evaluate(shifted, nearer));
    shifted(focus) = x(focus) + 1.0;
    EXPECT_TRUE(problem->evaluate(shifted, farther));
    const Eigen::VectorXd central = (farther - nearer) / 2.0;
    EXPECT_LE((exact.col(focus) - central).norm(), 1e-11 * central.norm()) << weight;
  }
}

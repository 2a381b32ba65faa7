#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "synthesis/doublet_synthesis.h"
#include "synthesis/reference/literal_search.h"
#include "tests/support/SynthesisSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using synthesis::DoubletResult;
using synthesis::DoubletSynthesis;
using synthesis::FilterRanges;
using synthesis::GlassRecord;
using synthesis::StatusFlags;

using zelt_test::kCatalogs;
constexpr StatusFlags kStandardPreferred{true, true, false, false, false};
constexpr StatusFlags kAllStatuses{true, true, true, true, true};
constexpr FilterRanges kNoRanges{0, 0, 0, 0};

// A Conrady glass n(λ) = a + b/λ with index `nd` at 0.5875618 µm and Abbe number near `vd`.
GlassRecord conradyGlass(const std::string& name, double nd, double vd) {
  const double spread = 1.0 / 0.4861327 - 1.0 / 0.6562725;
  const double b = (nd - 1.0) / (vd * spread);
  GlassRecord g;
  g.name = name;
  g.formula = 5;
  g.dispersion = {nd - b / 0.5875618, b, 0.0};
  g.lambdaMin = 0.3;
  g.lambdaMax = 2.5;
  g.status = synthesis::Standard;
  return g;
}

DoubletSynthesis coreWith(std::initializer_list<GlassRecord> glasses) {
  DoubletSynthesis core;
  core.lambda0 = 0.5875618;
  core.lambdaMin = 0.4861327;
  core.lambdaMax = 0.6562725;
  for (const auto& g : glasses) core.catalog[g.name] = g;
  return core;
}

std::string searchError(DoubletSynthesis& core, double P, double W, int count,
                        const std::string& g1 = "", const std::string& g2 = "") {
  return zelt_test::thrownMessage([&] {
    core.synthesize(0.0, P, W, count, kStandardPreferred, kNoRanges, false, false, g1, g2);
  });
}

double p0Of(const DoubletResult& r) {
  return r.orderB ? r.pair.p0B : r.pair.p0A;
}

TEST(PairSearch, TwoGlassesGiveOnePairInOrderA) {
  auto core = coreWith({conradyGlass("CROWN", 1.5168, 64), conradyGlass("FLINT", 1.62, 36)});
  EXPECT_EQ(searchError(core, 0, 0, 1), "");
  ASSERT_EQ(core.results.size(), 1u);
  EXPECT_EQ(core.results[0].glass1.name, "CROWN");
  EXPECT_FALSE(core.results[0].orderB);
  // C = 0 splits the power as the classic achromat: φ1 = ν1/(ν1 − ν2).
  const double nu1 = core.results[0].glass1.abbeNumber(0.5875618, 0.4861327, 0.6562725);
  const double nu2 = core.results[0].glass2.abbeNumber(0.5875618, 0.4861327, 0.6562725);
  EXPECT_NEAR(core.results[0].pair.phi1, nu1 / (nu1 - nu2), 1e-12);
}

TEST(PairSearch, GivenPairWithTheFlintFirstIsOrderB) {
  auto core = coreWith({conradyGlass("CROWN", 1.5168, 64), conradyGlass("FLINT", 1.62, 36),
                        conradyGlass("OTHER", 1.7, 30)});
  EXPECT_EQ(searchError(core, 0, 0, 1, "FLINT", "CROWN"), "");
  ASSERT_EQ(core.results.size(), 1u);
  EXPECT_TRUE(core.results[0].orderB);
  EXPECT_EQ(core.results[0].glass1.name, "FLINT");
  // The same glass twice, or a glass not in the catalog, gives no result and no message.
  core.results.clear();
  EXPECT_EQ(searchError(core, 0, 0, 1, "CROWN", "CROWN"), "");
  EXPECT_EQ(searchError(core, 0, 0, 1, "CROWN", "NONE"), "");
  EXPECT_TRUE(core.results.empty());
}

TEST(PairSearch, EqualAbbeNumbersFormNoPair) {
  GlassRecord twin = conradyGlass("A", 1.5, 50);
  twin.name = "B";
  auto core = coreWith({conradyGlass("A", 1.5, 50), twin});
  EXPECT_EQ(searchError(core, 0, 0, 1), "");
  EXPECT_TRUE(core.results.empty());
}

TEST(PairSearch, MainWavelengthOutsideAGlassEndsTheSearch) {
  GlassRecord narrow = conradyGlass("NARROW", 1.6, 40);
  narrow.lambdaMin = 0.48;
  narrow.lambdaMax = 0.66;
  auto core = coreWith({conradyGlass("A", 1.5, 60), narrow});
  core.lambda0 = 0.40;
  core.lambdaMin = 0.4861327;
  EXPECT_EQ(searchError(core, 0, 0, 1),
            "Длина волны 0.4 выходит за границы разрешенного диапазона для стекла NARROW");
}

class RealCatalogSearch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    core_ = new DoubletSynthesis(synthesis_test::coreWith({"SCHOTT.AGF"}));
  }
  static void TearDownTestSuite() { delete core_; }
  static DoubletSynthesis* core_;

  // The largest P0 of lists A and B for the standard and preferred glasses at C = 0.
  static std::pair<double, double> largestP0() {
    const auto table = synthesis::reference::literalPairTable(*core_, 0.0, kStandardPreferred,
                                                              kNoRanges, false, false);
    double largestA = -std::numeric_limits<double>::infinity();
    double largestB = largestA;
    for (const auto& [key, d] : table) {
      largestA = std::max(largestA, d.p0A);
      largestB = std::max(largestB, d.p0B);
    }
    return {largestA, largestB};
  }
};
DoubletSynthesis* RealCatalogSearch::core_ = nullptr;

TEST_F(RealCatalogSearch, FindsCountPairsOnEachSideInBothOrders) {
  DoubletSynthesis core = *core_;
  ASSERT_EQ(searchError(core, 0, 0, 2), "");
  ASSERT_EQ(core.results.size(), 8u);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(core.results[k].orderB, k >= 4);
  // Each half is in descending P0, and the target lies between its 2nd and 3rd doublet.
  const double target = synthesis::targetP0(0, 0);
  for (int half : {0, 4}) {
    for (int k = half; k < half + 3; ++k)
      EXPECT_GE(p0Of(core.results[k]), p0Of(core.results[k + 1]));
    EXPECT_GE(p0Of(core.results[half + 1]), target);
    EXPECT_LT(p0Of(core.results[half + 2]), target);
  }
  // The table keeps each found pair under "crown flint".
  for (const DoubletResult& r : core.results) {
    const std::string key =
        r.orderB ? r.glass2.name + " " + r.glass1.name : r.glass1.name + " " + r.glass2.name;
    ASSERT_TRUE(core.pairTable.count(key)) << key;
    EXPECT_EQ(core.pairTable.at(key).p0B, r.pair.p0B);
  }
  EXPECT_EQ(&core.findResult(core.results[5].glass1.name, core.results[5].glass2.name),
            &core.results[5]);
  EXPECT_THROW(core.findResult("NO", "SUCH"), std::runtime_error);
}

TEST_F(RealCatalogSearch, TargetErrorsAndTheEdgesOfTheList) {
  DoubletSynthesis core = *core_;
  // Nearly equal Abbe numbers give huge P0: only a target beyond them is out of range.
  EXPECT_EQ(searchError(core, 1e300, 0.14, 1).rfind(synthesis::kTargetOutOfRange, 0), 0u);
  EXPECT_EQ(searchError(core, -1e300, 0.14, 1).rfind(synthesis::kTargetOutOfRange, 0), 0u);
  // count 0 checks the target and adds nothing.
  core.results.clear();
  EXPECT_EQ(searchError(core, 0, 0, 0), "");
  EXPECT_TRUE(core.results.empty());
  // A target equal to the largest P0 of the list whose largest P0 is smaller: count 1 takes
  // that list's candidates 0 and 1 ...
  const auto [topA, topB] = largestP0();
  const double top = std::min(topA, topB);
  const bool inListA = topA <= topB;
  core.results.clear();
  core.synthesize(0.0, top, 0.14, 1, kStandardPreferred, kNoRanges, false, false, "", "");
  ASSERT_EQ(core.results.size(), 4u);
  EXPECT_EQ(p0Of(core.results[inListA ? 0 : 2]), top);
  // ... and count 2 reaches before its first candidate.
  EXPECT_EQ(searchError(core, top, 0.14, 2), synthesis::kWindowDoesNotFit);
}

// The fast search and the literal one give the same doublets in the same order (up to ties in
// P0) and the same errors.
struct SearchCase {
  double C, P, W;
  int count;
  StatusFlags statuses;
  bool indexOn, abbeOn;
  std::string glass1, glass2;
};

void expectSameAsLiteral(const DoubletSynthesis& base, const SearchCase& c) {
  const FilterRanges ranges{1.5, 1.75, 25, 65};
  DoubletSynthesis fast = base, literal = base;
  const std::string fastError = zelt_test::thrownMessage([&] {
    fast.synthesize(c.C, c.P, c.W, c.count, c.statuses, ranges, c.indexOn, c.abbeOn, c.glass1,
                    c.glass2);
  });
  const std::string literalError = zelt_test::thrownMessage([&] {
    synthesis::reference::literalSynthesize(literal, c.C, c.P, c.W, c.count, c.statuses, ranges,
                                            c.indexOn, c.abbeOn, c.glass1, c.glass2);
  });
  const std::string where = "C=" + std::to_string(c.C) + " P=" + std::to_string(c.P) +
                            " W=" + std::to_string(c.W) + " count=" + std::to_string(c.count) +
                            " mode " + c.glass1 + "/" + c.glass2;
  EXPECT_EQ(fastError, literalError) << where;
  ASSERT_EQ(fast.results.size(), literal.results.size()) << where;
  for (std::size_t k = 0; k < fast.results.size(); ++k) {
    const auto& f = fast.results[k];
    const auto& l = literal.results[k];
    EXPECT_EQ(f.orderB, l.orderB) << where;
    EXPECT_EQ(p0Of(f), p0Of(l)) << where << " result " << k;
    if (f.glass1.name == l.glass1.name && f.glass2.name == l.glass2.name) {
      EXPECT_EQ(f.pair.w0A, l.pair.w0A) << where;
      EXPECT_EQ(f.pair.q0B, l.pair.q0B) << where;
    }
  }
}

TEST(FastSearch, MatchesTheLiteralSearchOnRealCatalogs) {
  const DoubletSynthesis schott = synthesis_test::coreWith({"SCHOTT_20180601.agf"});
  const DoubletSynthesis ohara = synthesis_test::coreWith({"OHARA.agf", "HERAEUS.AGF"});
  std::vector<SearchCase> cases;
  for (double C : {0.0, 0.002, -0.003}) {
    for (double P : {-3.0, 0.0, 0.5, 2.0, 8.0, 1e4}) {
      for (int count : {0, 1, 2, 4, 60}) {
        cases.push_back({C, P, 0.1, count, kStandardPreferred, false, false, "", ""});
      }
    }
  }
  cases.push_back({0, 0, 0, 2, kAllStatuses, true, true, "", ""});
  cases.push_back({0, 0, 0.5, 1, kAllStatuses, true, false, "", ""});
  cases.push_back({0, 1, -0.5, 3, kStandardPreferred, false, true, "", ""});
  for (const std::string glass : {"N-BK7", "S-BSL7", "N-SF5", "S-TIH6"}) {
    cases.push_back({0, 0, 0, 1, kAllStatuses, false, false, glass, ""});
    cases.push_back({0, 0, 0, 4, kAllStatuses, false, false, glass, ""});
    cases.push_back({0.001, 2, 0.2, 2, kStandardPreferred, true, true, glass, ""});
  }
  for (const auto& [a, b] : {std::pair{"N-BK7", "N-SF5"}, std::pair{"N-SF5", "N-BK7"},
                             std::pair{"S-BSL7", "S-TIH6"}, std::pair{"S-TIH6", "S-BSL7"}}) {
    cases.push_back({0, 0, 0, 1, kAllStatuses, false, false, a, b});
  }
  for (const auto& c : cases) {
    expectSameAsLiteral(schott, c);
    expectSameAsLiteral(ohara, c);
  }
}

}  // namespace

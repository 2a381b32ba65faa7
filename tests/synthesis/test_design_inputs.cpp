// Refused inputs, explained empty searches and the edge thickness of the designed lenses.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "synthesis/design_input_check.h"
#include "synthesis/doublet_calculation.h"
#include "tests/support/SynthesisSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using synthesis::CalculationInputs;

struct BadInput {
  std::function<void(CalculationInputs&)> change;
  std::string message;
};

TEST(DesignInputs, EachRefusalNamesTheFieldAndWhatItMayBe) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<BadInput> cases = {
      {[](auto& in) { in.focus = 0; },
       "«Заднее фокусное расстояние f′ [мм]» = 0: допустимо конечное число, не равное 0."},
      {[&](auto& in) { in.focus = inf; },
       "«Заднее фокусное расстояние f′ [мм]» = inf: допустимо конечное число, не равное 0."},
      {[](auto& in) { in.design.pupilDiameter = 0; },
       "«Диаметр зрачка D [мм]» = 0: допустимо больше 0."},
      {[](auto& in) { in.design.crownThickness = 0; },
       "«Толщина кроновой линзы [мм]» = 0: допустимо больше 0."},
      {[](auto& in) { in.design.flintThickness = -1; },
       "«Толщина флинтовой линзы [мм]» = -1: допустимо больше 0."},
      {[](auto& in) { in.design.fieldAngle = 90; },
       "«Поле [°]» = 90: допустимо от 0 до 90, меньше 90."},
      {[](auto& in) { in.design.fieldAngle = -0.5; },
       "«Поле [°]» = -0.5: допустимо от 0 до 90, меньше 90."},
      {[](auto& in) { in.design.environment.pressure = 0; },
       "«Давление P [атм]» = 0: допустимо больше 0."},
      {[&](auto& in) { in.W = nan; }, "«W» = nan: допустимо любое конечное число."},
      {[](auto& in) { in.design.minEdgeThickness = -0.1; },
       "«Мин. толщина по краю [мм]» = -0.1: допустимо 0 или больше."},
      {[](auto& in) { in.ranges[0] = 1.9; },
       "Фильтр «показатель преломления n»: Min = 1.9 больше Max = 1.8; допустимо Min ≤ Max."},
      {[](auto& in) { in.ranges[3] = 10; },
       "Фильтр «число Аббе ν»: Min = 20 больше Max = 10; допустимо Min ≤ Max."},
      {[](auto& in) { in.dataFilter.maxClass[2] = -1; },
       "«Фильтр: класс SR, не выше» = -1: допустимо 0 или больше."},
      {[](auto& in) { in.dataFilter.minTransmittance = 1.5; },
       "«Фильтр: пропускание 10 мм при λmin, не ниже» = 1.5: допустимо от 0 до 1."},
  };
  for (const BadInput& c : cases) {
    CalculationInputs in;
    c.change(in);
    EXPECT_EQ(synthesis::checkInputs(in).value_or("accepted"), c.message);
  }
  // The defaults, a negative f′, field 0 and a reversed range of a filter that is off pass.
  CalculationInputs in;
  EXPECT_FALSE(synthesis::checkInputs(in));
  in.focus = -100;
  in.design.fieldAngle = 0;
  in.indexFilter = false;
  in.ranges[0] = 3;
  EXPECT_FALSE(synthesis::checkInputs(in));
  EXPECT_EQ(synthesis::unreadableInputMessage(synthesis::InputField::Focus),
            "«Заднее фокусное расстояние f′ [мм]»: поле пусто или не число; допустимо конечное "
            "число, не равное 0.");
}

// Runs a calculation on the catalog `file` and returns its error message, or "found N".
std::string emptySearchMessage(const std::function<void(CalculationInputs&)>& change,
                               const std::string& file = "SCHOTT.AGF") {
  synthesis::DoubletSynthesis core = synthesis_test::coreWith({file});
  CalculationInputs in;
  change(in);
  const std::string message =
      zelt_test::thrownMessage([&] { synthesis::runCalculation(core, in); });
  EXPECT_EQ(core.results.empty(), !message.empty()) << message;  // a refused search keeps none
  return message.empty() ? "found " + std::to_string(core.results.size()) : message;
}

// Returns a change to a search for the pair `glass1`, `glass2` alone.
auto pairOf(const std::string& glass1, const std::string& glass2) {
  return [=](CalculationInputs& in) {
    in.mode = synthesis::SearchMode::Pair;
    in.glass1 = glass1;
    in.glass2 = glass2;
  };
}

TEST(EmptySearch, SaysWhichFilterOrGlassLeftNothing) {
  const std::string none = "Склейки не найдены: ";
  EXPECT_EQ(
      emptySearchMessage(pairOf("N-BK7", "N-BK7")),
      none + "стекло «N-BK7» задано дважды; склейка из одного стекла не исправляет хроматизм.");
  EXPECT_EQ(emptySearchMessage([](auto& in) {
              in.mode = synthesis::SearchMode::One;
              in.glass1 = "N-LASF9";  // n 1.85 above the index filter's 1.8
            }),
            none + "стекло «N-LASF9» не проходит шаг «фильтр показателя преломления».");
  EXPECT_EQ(emptySearchMessage(pairOf("N-BK7", "NO-SUCH")),
            none + "стекла «NO-SUCH» нет в загруженном каталоге.");
  // Every step's count down to the one that emptied the search.
  const std::string filtered = emptySearchMessage([](auto& in) { in.ranges = {1.0, 1.2, 0, 99}; });
  EXPECT_NE(filtered.find("\nфильтр статуса стекол: "), std::string::npos) << filtered;
  EXPECT_NE(filtered.find("\nфильтр показателя преломления: 0 из "), std::string::npos);
  EXPECT_EQ(filtered.find("фильтр числа Аббе"), std::string::npos);
  const std::string status = emptySearchMessage([](auto& in) { in.statuses = {}; });
  EXPECT_NE(status.find("\nфильтр статуса стекол: 0 из "), std::string::npos) << status;
  // The makers' data: SCHOTT gives no cost for some glasses, they pass unless data are required.
  const auto cheap = [](bool requireData) {
    return [=](CalculationInputs& in) {
      in.dataFilter.maxCost = 0.5;
      in.dataFilter.requireData = requireData;
    };
  };
  const std::string cost = emptySearchMessage(cheap(true), "SCHOTT_20180601.agf");
  EXPECT_NE(cost.find("\nфильтр стоимости: 0 из"), std::string::npos) << cost;
  EXPECT_EQ(emptySearchMessage(cheap(false), "SCHOTT_20180601.agf").rfind("found ", 0), 0u);
}

// Hand calculation for r = ±50 mm at h = 10 mm: sag = 50 − √(2500 − 100) = 1.0102051443364...
TEST(EdgeThickness, FollowsTheSagsOfBothSurfaces) {
  const double sag = 50.0 - std::sqrt(2400.0);
  EXPECT_NEAR(synthesis::sphereSag(50.0, 10.0), 1.0102051443364380, 1e-12);
  EXPECT_NEAR(synthesis::sphereSag(-50.0, 10.0), -sag, 1e-12);
  EXPECT_EQ(synthesis::sphereSag(std::numeric_limits<double>::infinity(), 10.0), 0.0);
  EXPECT_TRUE(std::isnan(synthesis::sphereSag(9.9, 10.0)));  // the sphere ends below h
  EXPECT_NEAR(synthesis::edgeThickness(5.0, 50.0, -50.0, 10.0), 5.0 - 2.0 * sag, 1e-12);
  EXPECT_NEAR(synthesis::edgeThickness(3.0, -50.0, 1e300, 10.0), 3.0 + sag, 1e-12);

  synthesis::DoubletResult r = synthesis_test::designedAchromat();
  EXPECT_NEAR(r.edge1, synthesis::edgeThickness(r.thickness1, r.r1, r.r2, 10.0), 1e-12);
  EXPECT_NEAR(r.edge2, synthesis::edgeThickness(r.thickness2, r.r2, r.r3, 10.0), 1e-12);
  r.minEdge = 1.0;
  r.pupilDiameter = 2.0 * std::abs(r.r1) + 1.0;  // beyond the first surface's sphere
  r.computeEdges();
  EXPECT_FALSE(r.edgesOk());
  EXPECT_EQ(synthesis::edgeWarning(r).rfind("Линза 1: радиус поверхности меньше D/2", 0), 0u);
}

TEST(EdgeThickness, RaisedThicknessesGiveTheMinimumEdgeAndARefusalKeepsTheResults) {
  synthesis::DoubletSynthesis core = synthesis_test::coreWith({"SCHOTT.AGF"});
  CalculationInputs in;
  in.design.pupilDiameter = 40.0;  // the crowns of 5 mm have no edge left at f′ 100
  in.design.minEdgeThickness = 1.5;
  synthesis::runCalculation(core, in);
  ASSERT_FALSE(core.results.empty());
  // A refused input leaves the results as they were.
  const std::size_t found = core.results.size();
  CalculationInputs refused = in;
  refused.focus = 0;
  EXPECT_THROW(synthesis::runCalculation(core, refused), std::invalid_argument);
  EXPECT_EQ(core.results.size(), found);
  for (const auto& r : core.results) {
    EXPECT_FALSE(r.edgesOk());
    EXPECT_NE(synthesis::edgeWarning(r).find("мм меньше минимума 1.5 мм"), std::string::npos);
  }
  in.design.fitEdgeThickness = true;
  synthesis::runCalculation(core, in);
  for (const auto& r : core.results) {
    EXPECT_TRUE(r.edgesOk());
    EXPECT_EQ(synthesis::edgeWarning(r), "");
    // The lens of given thickness keeps it; the raised one has the minimum edge, and the radii
    // belong to the thicknesses reported.
    const double crown = r.orderB ? r.thickness2 : r.thickness1;
    const double crownEdge = r.orderB ? r.edge2 : r.edge1;
    EXPECT_GT(crown, 5.0);
    EXPECT_NEAR(crownEdge, 1.5, 1e-9);
    EXPECT_EQ(r.orderB ? r.thickness1 : r.thickness2, 3.0);
    synthesis::DoubletResult again = r;
    again.computeRadii(0.0, 100.0, r.lambda0, 0.0);
    EXPECT_NEAR(again.r2, r.r2, 1e-9);
    EXPECT_NEAR(again.r3, r.r3, 1e-9);
  }
}

}  // namespace

#include "tests/support/SynthesisSupport.h"

#include <string>

#include "tests/support/TestSupport.h"

namespace synthesis_test {

synthesis::DoubletResult designedAchromat() {
  synthesis::DoubletSynthesis core;
  core.catalogPath = std::string(ZELT_TEST_DATA) + "/../../data/sample_glasses.agf";
  core.readAgfCatalog();
  core.synthesize(0, 0, 0, 1, {true, true, false, false, false}, {0, 0, 0, 0}, false, false,
                  "N-BK7", "N-SF5");
  synthesis::DoubletResult r = core.results.at(0);
  r.thickness1 = 5;
  r.thickness2 = 3;
  r.pupilDiameter = 20;
  r.lambda0 = core.lambda0;
  r.lambdaMin = core.lambdaMin;
  r.lambdaMax = core.lambdaMax;
  r.fieldAngle = 5;
  r.computeRadii(0, 100, core.lambda0, 0);
  r.computeParameters();
  return r;
}

synthesis::DoubletSynthesis coreWith(std::initializer_list<std::string> files) {
  synthesis::DoubletSynthesis core;
  for (const auto& file : files) {
    core.catalogPath = zelt_test::kCatalogs + file;
    core.readAgfCatalog();
  }
  return core;
}

synthesis::CalculationInputs pairInputs(const std::string& glass1, const std::string& glass2) {
  synthesis::CalculationInputs inputs;
  inputs.mode = synthesis::SearchMode::Pair;
  inputs.glass1 = glass1;
  inputs.glass2 = glass2;
  inputs.indexFilter = inputs.abbeFilter = false;
  return inputs;
}

}  // namespace synthesis_test

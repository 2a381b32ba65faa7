#include "tests/support/SynthesisSupport.h"

#include <string>

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

}  // namespace synthesis_test

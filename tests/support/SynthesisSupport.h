#pragma once
// The synthesis core's doublet, catalogs and one-pair search shared by the core's tests and the
// benchmarks.

#include <initializer_list>
#include <string>

#include "synthesis/doublet_calculation.h"
#include "synthesis/doublet_synthesis.h"

namespace synthesis_test {

/// Returns N-BK7 / N-SF5 of the bundled catalog designed for f′ = 100 mm, D = 20 mm, thicknesses
/// 5 and 3 mm and 5° of field at the default lines: radii and P, W, C computed, not yet traced.
synthesis::DoubletResult designedAchromat();

/// Returns a core that has read tests/data/catalogs/<file> for each of `files` in turn.
synthesis::DoubletSynthesis coreWith(std::initializer_list<std::string> files);

/// Returns the inputs of a search for the one pair `glass1`, `glass2`, index and Abbe filters off.
synthesis::CalculationInputs pairInputs(const std::string& glass1, const std::string& glass2);

}  // namespace synthesis_test

#pragma once
// The synthesis core's doublet shared by the core's tests and the benchmarks.

#include "synthesis/doublet_synthesis.h"

namespace synthesis_test {

/// Returns N-BK7 / N-SF5 of the bundled catalog designed for f′ = 100 mm, D = 20 mm, thicknesses
/// 5 and 3 mm and 5° of field at the default lines: radii and P, W, C computed, not yet traced.
synthesis::DoubletResult designedAchromat();

}  // namespace synthesis_test

#pragma once
// The glass-pair search written step by step as the method states it: indices recomputed at
// every visit, a pair table keyed by the joined names, fully sorted candidate lists. Kept only
// to check and to measure the fast search against it.

#include <map>
#include <string>

#include "synthesis/doublet_synthesis.h"

namespace synthesis::reference {

/// Builds the pair table of every admissible pair of core.catalog, as the search does.
PairTable literalPairTable(const DoubletSynthesis& core, double C, const StatusFlags& statusFlags,
                           const FilterRanges& ranges, bool indexFilterOn, bool abbeFilterOn);

/// Runs the search on `core` as DoubletSynthesis::synthesize does, appending to core.results.
void literalSynthesize(DoubletSynthesis& core, double C, double P, double W, int count,
                       const StatusFlags& statusFlags, const FilterRanges& ranges,
                       bool indexFilterOn, bool abbeFilterOn, const std::string& glass1Name,
                       const std::string& glass2Name);

}  // namespace synthesis::reference

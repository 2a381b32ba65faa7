#pragma once
// Output of doublet_batch --quality: spot diagrams, wavefront and MTF curves of one doublet.

#include <ostream>

#include "batch_options.h"
#include "synthesis/doublet_quality.h"

namespace batch {

/// Prints the RMS spots, the wavefront, the spot diagram points and the MTF curves in the chosen
/// format (CSV: one record a line, its kind first; JSON: one object; table: a summary and the
/// polychromatic MTF).
void printQuality(const synthesis::DoubletQuality& quality, Format format, std::ostream& out);

}  // namespace batch

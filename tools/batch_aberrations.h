#pragma once
// Output of doublet_batch --aberrations: the three aberration tables of one doublet.

#include <ostream>

#include "batch_options.h"
#include "synthesis/doublet_aberrations.h"

namespace batch {

/// Prints the longitudinal, transverse and wave aberration tables, one line per wavelength and
/// field point, one column per pupil coordinate, in the chosen format.
void printAberrations(const synthesis::DoubletAberrations& tables, Format format,
                      std::ostream& out);

}  // namespace batch

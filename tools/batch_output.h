#pragma once
// Output of doublet_batch: the result table as aligned text, CSV or JSON.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "batch_options.h"
#include "synthesis/doublet_calculation.h"

namespace batch {

/// One printed doublet: two glass names, the lens order, then the numeric columns.
struct Row {
  std::string glass1, glass2;
  char order = 'A';
  std::vector<std::optional<double>> values;  ///< empty optional: not computed
  bool refined = false;                       ///< printed last, as true or false
};

/// Returns the names of the numeric columns, in row order.
const std::vector<std::string>& numericColumns();

/// Returns the printed row of one designed (and possibly traced) doublet.
Row makeRow(const synthesis::DoubletResult& result);

/// Prints the rows in the chosen format.
void printRows(const std::vector<Row>& rows, Format format, std::ostream& out);

/// Prints every catalog glass with status, index at λ0, Abbe number and wavelength range.
void printGlassList(const synthesis::DoubletSynthesis& core, std::ostream& out);

}  // namespace batch

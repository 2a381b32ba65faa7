#pragma once
// Output of doublet_batch: the result table as aligned text, CSV or JSON.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "batch_options.h"
#include "synthesis/doublet_calculation.h"

namespace batch {

/// One printed doublet: two glass names, the lens order, the numeric columns, then the catalogs
/// of the two glasses.
struct Row {
  std::string glass1, glass2;
  char order = 'A';
  std::vector<std::optional<double>> values;  ///< empty optional: not computed
  std::string catalog1, catalog2;
  std::string label1, label2;  ///< names in the merged catalog: "NAME (CATALOG)" when shared
  bool edgeOk = true;          ///< both edges at least the minimum
  bool refined = false;        ///< printed last, as true or false
};

/// Returns the names of the numeric columns, in row order.
const std::vector<std::string>& numericColumns();

/// Returns the printed row of one designed (and possibly traced) doublet.
Row makeRow(const synthesis::DoubletResult& result);

/// Prints the rows in the chosen format.
void printRows(const std::vector<Row>& rows, Format format, std::ostream& out);

/// Prints every catalog glass with its catalog, status, index at λ0, Abbe number and wavelength
/// range, as a table or (Format::Json) a JSON array.
void printGlassList(const synthesis::DoubletSynthesis& core, Format format, std::ostream& out);

}  // namespace batch

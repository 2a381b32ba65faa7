// doublet_batch: the main window's calculation without a window.

#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "batch_options.h"
#include "batch_output.h"

namespace {

// Runs the search and design exactly as the main window's "Вычислить" does.
std::vector<synthesis::DoubletResult> synthesizeDoublets(synthesis::DoubletSynthesis& core,
                                                         const batch::Options& o) {
  synthesis::CalculationInputs in;
  in.P = o.P;
  in.W = o.W;
  in.C = o.C;
  in.focus = o.focus;
  in.design = {o.thickness1, o.thickness2, o.pupil, o.field, o.environment};
  in.lambda0 = o.lambda0;
  in.lambdaMin = o.lambdaMin;
  in.lambdaMax = o.lambdaMax;
  in.pairCount = o.pairs;
  in.mode = o.mode;
  in.glass1 = o.glass1;
  in.glass2 = o.glass2;
  in.statuses = o.statuses;
  in.ranges = o.ranges;
  in.indexFilter = o.indexFilter;
  in.abbeFilter = o.abbeFilter;
  synthesis::runCalculation(core, in);
  return core.results;
}

// Saves the chosen doublet as the main window's "Сохранить в ZMX" does.
void saveRow(const std::vector<synthesis::DoubletResult>& results, const batch::Options& o) {
  if (o.zmxRow < 1 || static_cast<std::size_t>(o.zmxRow) > results.size()) {
    throw std::runtime_error("--row " + std::to_string(o.zmxRow) + ": the search found " +
                             std::to_string(results.size()) + " doublets");
  }
  synthesis::saveDoubletZmx(results[o.zmxRow - 1], o.zmxPath);
}

int run(const batch::Options& o) {
  synthesis::DoubletSynthesis core;
  core.lambda0 = o.lambda0;
  core.lambdaMin = o.lambdaMin;
  core.lambdaMax = o.lambdaMax;
  for (const auto& file : o.catalogs) {
    core.catalogPath = file;
    core.readAgfCatalog();
  }
  if (o.list) {
    batch::printGlassList(core, std::cout);
    return 0;
  }
  const auto results = synthesizeDoublets(core, o);
  std::vector<batch::Row> rows;
  for (const auto& r : results) rows.push_back(batch::makeRow(r));
  batch::printRows(rows, o.format, std::cout);
  if (!o.zmxPath.empty()) saveRow(results, o);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  batch::Options options;
  try {
    options = batch::parseOptions(std::vector<std::string>(argv + 1, argv + argc),
                                  DOUBLET_DEFAULT_CATALOG);
  } catch (const std::invalid_argument& e) {
    std::cerr << "doublet_batch: " << e.what() << "\n\n" << batch::usage();
    return 2;
  }
  if (options.help) {
    std::cout << batch::usage();
    return 0;
  }
  try {
    return run(options);
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
}

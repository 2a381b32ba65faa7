// doublet_batch: the main window's calculation without a window.

#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "batch_options.h"
#include "batch_output.h"

namespace {

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
  core.lambda0 = o.calculation.lambda0;
  core.lambdaMin = o.calculation.lambdaMin;
  core.lambdaMax = o.calculation.lambdaMax;
  for (const auto& file : o.catalogs) {
    core.catalogPath = file;
    core.readAgfCatalog();
  }
  if (o.list) {
    batch::printGlassList(core, std::cout);
    return 0;
  }
  // The search and design run exactly as the main window's "Вычислить" does.
  synthesis::runCalculation(core, o.calculation);
  const auto& results = core.results;
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

// doublet_batch: the main window's calculation without a window.

#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "batch_aberrations.h"
#include "batch_options.h"
#include "batch_output.h"
#include "batch_quality.h"
#include "synthesis/design_input_check.h"
#include "synthesis/doublet_files.h"

namespace {

// Returns the bundled catalog beside the program: in the build tree data/ next to it, once
// installed share/doublet_synth/ beside bin/. The first that exists wins; without any, the
// installed place, which the error message then names.
std::string defaultCatalog() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path dir = error ? std::filesystem::path(".") : program.parent_path();
  const std::filesystem::path candidates[] = {
      dir / "sample_glasses.agf", dir / "data" / "sample_glasses.agf",
      dir / ".." / "share" / "doublet_synth" / "sample_glasses.agf"};
  for (const auto& path : candidates) {
    if (std::filesystem::is_regular_file(path, error)) return path.lexically_normal().string();
  }
  return candidates[2].lexically_normal().string();
}

// Returns the doublet of --row; throws when the list is shorter.
const synthesis::DoubletResult& chosenRow(const std::vector<synthesis::DoubletResult>& results,
                                          const batch::Options& o) {
  if (o.row < 1 || static_cast<std::size_t>(o.row) > results.size()) {
    throw std::runtime_error("--row " + std::to_string(o.row) + ": the search found " +
                             std::to_string(results.size()) + " doublets");
  }
  return results[o.row - 1];
}

void printResults(const std::vector<synthesis::DoubletResult>& results, const batch::Options& o) {
  if (o.aberrations) {
    batch::printAberrations(synthesis::computeDoubletAberrations(chosenRow(results, o)), o.format,
                            std::cout);
    return;
  }
  if (o.quality) {
    batch::printQuality(synthesis::computeDoubletQuality(chosenRow(results, o)), o.format,
                        std::cout);
    return;
  }
  std::vector<batch::Row> rows;
  for (const auto& r : results) rows.push_back(batch::makeRow(r));
  batch::printRows(rows, o.format, std::cout);
}

// Saves the chosen doublet in every format asked for, as the main window's save commands do.
void saveFiles(const std::vector<synthesis::DoubletResult>& results, const batch::Options& o) {
  using Save = void (*)(const synthesis::DoubletResult&, const std::string&);
  const std::pair<const std::string*, Save> files[] = {
      {&o.zmxPath, [](const auto& d, const auto& path) { synthesis::saveDoubletZmx(d, path); }},
      {&o.opjPath, synthesis::saveDoubletOpj},
      {&o.txtPath, synthesis::saveDoubletTxt},
      {&o.osmPath, synthesis::saveDoubletOsm}};
  for (const auto& [path, save] : files) {
    if (!path->empty()) save(chosenRow(results, o), *path);
  }
}

int run(const batch::Options& o) {
  // Inputs that cannot make a lens are refused before any file is read.
  if (!o.list) {
    if (auto refusal = synthesis::checkInputs(o.calculation)) throw std::runtime_error(*refusal);
  }
  synthesis::DoubletSynthesis core;
  core.lambda0 = o.calculation.lambda0;
  core.lambdaMin = o.calculation.lambdaMin;
  core.lambdaMax = o.calculation.lambdaMax;
  for (const auto& file : o.catalogs) {
    core.catalogPath = file;
    for (const auto& warning : core.readAgfCatalog()) std::cerr << warning << '\n';
  }
  if (o.list) {
    batch::printGlassList(core, o.format, std::cout);
    return 0;
  }
  // A glass is named as the catalog lists it, or as CATALOG/NAME where makers share the name.
  synthesis::CalculationInputs in = o.calculation;
  if (!in.glass1.empty()) in.glass1 = synthesis::resolveGlass(core.catalog, in.glass1);
  if (!in.glass2.empty()) in.glass2 = synthesis::resolveGlass(core.catalog, in.glass2);
  // The search and design run exactly as the main window's "Вычислить" does.
  synthesis::runCalculation(core, in);
  printResults(core.results, o);
  saveFiles(core.results, o);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  batch::Options options;
  try {
    options =
        batch::parseOptions(std::vector<std::string>(argv + 1, argv + argc), defaultCatalog());
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

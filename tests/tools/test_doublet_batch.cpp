#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "batch_options.h"
#include "tests/support/TestSupport.h"

namespace {

using zelt_test::kCatalogs;

struct BatchRun {
  int status;
  std::string out;
};

// Runs doublet_batch with `args`; stderr is dropped.
BatchRun batch(const std::string& args) {
  const std::string command = std::string(DOUBLET_BATCH) + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[4096];
  while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

std::vector<std::vector<std::string>> csvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.emplace_back();
    rows.push_back(cells);
  }
  return rows;
}

// Focal length of the designed doublet from a paraxial ray parallel to the axis, traced
// independently of the design formulas: n'u' = nu − y(n' − n)/r, then y += t·u'.
double effectiveFocalLength(const std::vector<std::string>& row, int column0) {
  auto at = [&](int k) { return std::stod(row[column0 + k]); };
  const double r[] = {at(0), at(1), at(2)};
  const double n[] = {1.0, at(3), at(4), 1.0};
  const double t[] = {at(5), at(6)};
  double y = 1.0, nu = 0.0;
  for (int s = 0; s < 3; ++s) {
    nu -= y * (n[s + 1] - n[s]) / r[s];
    if (s < 2) y += t[s] * nu / n[s + 1];
  }
  return -1.0 / nu;
}

TEST(DoubletBatch, CsvHeaderAndDesignedFocalLength) {
  // At the catalog's own environment (air index on) the design returns W exactly.
  const BatchRun run = batch("--format csv --focus 150 --air");
  ASSERT_EQ(run.status, 0);
  const auto rows = csvRows(run.out);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            "glass1,glass2,order,phi1,phi2,P,W,C,transverse,longitudinal,longitudinal3,"
            "longitudinal5,chromatism,secondary_spectrum,coma,thermal,r1,r2,r3,n1,n2,t1,t2");
  for (std::size_t i = 1; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 23u);
    EXPECT_NEAR(effectiveFocalLength(rows[i], 16), 150.0, 1e-9);
    // W comes back as requested.
    EXPECT_NEAR(std::stod(rows[i][6]), 0.0, 1e-12);
  }
}

TEST(DoubletBatch, PairModeAndGlassList) {
  const BatchRun pair = batch("--format csv --mode pair --glass1 N-SF5 --glass2 N-BK7");
  ASSERT_EQ(pair.status, 0);
  const auto rows = csvRows(pair.out);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][0], "N-SF5");
  EXPECT_EQ(rows[1][2], "B");
  EXPECT_EQ(rows[1][21], "3");  // the flint lens comes first and gets the flint thickness

  const BatchRun list = batch("--list");
  ASSERT_EQ(list.status, 0);
  EXPECT_NE(list.out.find("N-BK7"), std::string::npos);
}

TEST(DoubletBatch, ExitStatusTellsBadInputFromFailedSearch) {
  EXPECT_EQ(batch("--bogus 1").status, 2);
  EXPECT_EQ(batch("--P").status, 2);
  EXPECT_EQ(batch("--pairs 5").status, 2);
  EXPECT_EQ(batch("--lambda0 X").status, 2);
  EXPECT_EQ(batch("--mode pair --glass1 N-BK7").status, 2);
  EXPECT_EQ(batch("--P 1e300").status, 1);
  EXPECT_EQ(batch("--catalog /nonexistent.agf").status, 1);
  EXPECT_EQ(batch("--help").status, 0);
}

TEST(DoubletBatch, EveryRealCatalogGivesDoublets) {
  for (const std::string file :
       {"SCHOTT.AGF", "SCHOTT_20180601.agf", "OHARA.agf", "OHARA_20200623.AGF",
        "HOYA20220711_include_obsolete.agf", "HOYA_20200803.agf", "CDGM_201904.AGF",
        "SUMITA_20200803.agf", "NIKON-HIKARI_201911.AGF", "NIKON-HIKARI.agf", "HIKARI.AGF",
        "NHG.agf"}) {
    const BatchRun run =
        batch("--format csv --air --lambda0 d --lambda-min F --lambda-max C --catalog " +
              kCatalogs + file);
    ASSERT_EQ(run.status, 0) << file;
    const auto rows = csvRows(run.out);
    EXPECT_EQ(rows.size(), 5u) << file;
    for (std::size_t i = 1; i < rows.size(); ++i) {
      EXPECT_NEAR(effectiveFocalLength(rows[i], 16), 100.0, 1e-9) << file;
      EXPECT_NEAR(std::stod(rows[i][7]), 0.0, 1e-12) << file;  // C = 0 with the F and C lines
    }
  }
}

TEST(DoubletBatch, SavesTheChosenRowAsZmx) {
  const std::string path = ::testing::TempDir() + "batch_row2.zmx";
  std::remove(path.c_str());
  ASSERT_EQ(batch("--zmx " + path + " --row 2").status, 0);
  FILE* file = std::fopen(path.c_str(), "r");
  ASSERT_NE(file, nullptr);
  char head[64] = {};
  std::fread(head, 1, sizeof head - 1, file);
  std::fclose(file);
  EXPECT_EQ(std::string(head).substr(0, 18), "VERS 90609 1 19052");
  EXPECT_NE(std::string(head).find("NAME Cemented Doublet"), std::string::npos);
  // A row past the result list, or a file that cannot be written, fails with status 1.
  EXPECT_EQ(batch("--zmx " + path + " --row 99").status, 1);
  EXPECT_EQ(batch("--zmx /nonexistent/dir/x.zmx").status, 1);
}

TEST(DoubletBatch, PrintsTracedAberrations) {
  const BatchRun run = batch("--format csv");
  ASSERT_EQ(run.status, 0);
  const auto rows = csvRows(run.out);
  ASSERT_GT(rows.size(), 1u);
  for (int column = 8; column <= 15; ++column) {
    EXPECT_FALSE(rows[1][column].empty()) << rows[0][column];
  }
  const BatchRun json = batch("--format json");
  EXPECT_NE(json.out.find("\"secondary_spectrum\": "), std::string::npos);
}

TEST(BatchOptions, SpectralLinesAndDefaults) {
  EXPECT_EQ(batch::parseWavelength("F'"), 0.4799914);
  EXPECT_EQ(batch::parseWavelength("F\u2032"), 0.4799914);
  EXPECT_EQ(batch::parseWavelength("0.55"), 0.55);
  EXPECT_FALSE(batch::parseWavelength("-1"));
  const auto o =
      batch::parseOptions({"--index-range", "off", "--status", "melt,obsolete"}, "x.agf");
  EXPECT_FALSE(o.indexFilter);
  EXPECT_TRUE(o.abbeFilter);
  EXPECT_EQ(o.statuses, (synthesis::StatusFlags{false, false, true, false, true}));
  EXPECT_EQ(o.catalogs, std::vector<std::string>{"x.agf"});
}

}  // namespace

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <algorithm>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "batch_options.h"
#include "tests/support/TestSupport.h"

namespace {

using zelt_test::fileBytes;
using zelt_test::kCatalogs;

struct BatchRun {
  int status;
  std::string out;
};

// Runs doublet_batch with `args`; stderr is dropped.
BatchRun batch(const std::string& args) {
  const std::string command = std::string(DOUBLET_BATCH) + " " + args +
                              (args.find("2>&1") == std::string::npos ? " 2>/dev/null" : "");
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[4096];
  while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// Runs doublet_batch with `args` and returns its exit status and stderr; stdout is dropped.
BatchRun batchErrors(const std::string& args) {
  return batch(args + " 2>&1 >/dev/null");
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
// Returns the column of `key` in a CSV header row.
std::size_t column(const std::vector<std::string>& header, const std::string& key) {
  const auto it = std::find(header.begin(), header.end(), key);
  EXPECT_NE(it, header.end()) << key;
  return static_cast<std::size_t>(it - header.begin());
}

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
            "longitudinal5,chromatism,secondary_spectrum,coma,thermal,r1,r2,r3,n1,n2,t1,t2,edge1,"
            "edge2,cost1,cost2,transmittance,mass,rms_axis,rms_field,wfe_rms,strehl,image_distance,"
            "rms_axis_start,rms_field_start,edge_ok,catalog1,catalog2,refined");
  for (std::size_t i = 1; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 40u);
    EXPECT_EQ(rows[i][37], "sample_glasses");
    EXPECT_EQ(rows[i][39], "false");
    EXPECT_EQ(rows[i][29], rows[i][34]);  // unrefined: the start is the judged doublet
    EXPECT_NEAR(effectiveFocalLength(rows[i], 16), 150.0, 1e-9);
    // W comes back as requested.
    EXPECT_NEAR(std::stod(rows[i][6]), 0.0, 1e-12);
  }
}

// Refined by real rays, every doublet keeps its focal length and images the axis better than
// its design: M = rms_axis² with the default field weight 0.
TEST(DoubletBatch, RefinementLowersEveryRowsMerit) {
  const std::string catalog = std::string(ZELT_TEST_DATA) + "/catalogs/SCHOTT_20180601.agf";
  const BatchRun run = batch("--format csv --air --refine --pairs 16 --catalog " + catalog);
  ASSERT_EQ(run.status, 0);
  const auto rows = csvRows(run.out);
  ASSERT_EQ(rows.size(), 17u);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i][column(rows[0], "refined")], "true");
    EXPECT_LT(std::stod(rows[i][column(rows[0], "rms_axis")]),
              std::stod(rows[i][column(rows[0], "rms_axis_start")]))
        << rows[i][0] << " " << rows[i][1];
    EXPECT_NEAR(effectiveFocalLength(rows[i], 16), 100.0, 1e-9);
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
  EXPECT_EQ(batch("--pairs 260").status, 2);
  EXPECT_EQ(batch("--field-weight -1").status, 2);
  EXPECT_EQ(batch("--lambda0 X").status, 2);
  EXPECT_EQ(batch("--mode pair --glass1 N-BK7").status, 2);
  EXPECT_EQ(batch("--row 1e300").status, 2);  // a row number must fit an int
  EXPECT_EQ(batch("--P 1e300").status, 1);
  EXPECT_EQ(batch("--catalog /nonexistent.agf").status, 1);
  EXPECT_EQ(batch("--help").status, 0);
}

TEST(DoubletBatch, RefusedInputsAndEmptySearchesExitOneWithTheReason) {
  const std::pair<const char*, const char*> cases[] = {
      {"--focus 0", "«Заднее фокусное расстояние f′ [мм]» = 0: допустимо конечное число"},
      {"--pupil -2", "«Диаметр зрачка D [мм]» = -2: допустимо больше 0."},
      {"--abbe-range 70:20", "Фильтр «число Аббе ν»: Min = 70 больше Max = 20"},
      {"--mode one --glass1 N-LASF9",
       "Склейки не найдены: стекло «N-LASF9» не проходит шаг «фильтр показателя преломления»."},
      {"--mode pair --glass1 N-BK7 --glass2 N-BK7", "стекло «N-BK7» задано дважды"},
      {"--index-range 1.9:2", "\nфильтр показателя преломления: 0 из 36 стекол\n"},
      {"--max-cost 0.5 --require-data", "\nфильтр стоимости: 0 из "},
  };
  for (const auto& [args, message] : cases) {
    const BatchRun run = batchErrors(args);
    EXPECT_EQ(run.status, 1) << args;
    EXPECT_NE(run.out.find(message), std::string::npos) << args << ": " << run.out;
  }
}

TEST(DoubletBatch, EdgeThicknessColumnsAndOption) {
  // At D 40 the crowns of 5 mm have too thin an edge; --edge-thickness raises them to 1.5 mm.
  const auto thin = csvRows(batch("--format csv --pupil 40 --min-edge 1.5").out);
  const auto fitted = csvRows(batch("--format csv --pupil 40 --min-edge 1.5 --edge-thickness").out);
  ASSERT_EQ(thin.size(), 5u);
  ASSERT_EQ(fitted.size(), 5u);
  for (std::size_t i = 1; i < thin.size(); ++i) {
    EXPECT_EQ(thin[i][column(thin[0], "edge_ok")], "false");
    EXPECT_EQ(fitted[i][column(fitted[0], "edge_ok")], "true");
    const std::size_t crown = fitted[i][2] == "A" ? 0 : 1;  // lens order of the crown
    EXPECT_GT(std::stod(fitted[i][column(fitted[0], "t1") + crown]), 5.0);
    EXPECT_NEAR(std::stod(fitted[i][column(fitted[0], "edge1") + crown]), 1.5, 1e-9);
  }
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

TEST(DoubletBatch, SavesTheChosenRowInEveryFormat) {
  const std::string base = ::testing::TempDir() + "batch_row2.";
  for (const char* ext : {"zmx", "opj", "txt", "osm"}) std::remove((base + ext).c_str());
  ASSERT_EQ(batch("--row 2 --zmx " + base + "zmx --opj " + base + "opj --txt " + base +
                  "txt --osm " + base + "osm")
                .status,
            0);
  const std::string zmx = fileBytes(base + "zmx");
  EXPECT_EQ(zmx.substr(0, 18), "VERS 90609 1 19052");
  EXPECT_NE(zmx.find("NAME Cemented Doublet"), std::string::npos);
  EXPECT_EQ(fileBytes(base + "txt").substr(0, 16), "Cemented Doublet");
  EXPECT_FALSE(fileBytes(base + "opj").empty());
  EXPECT_FALSE(fileBytes(base + "osm").empty());
  // A row past the result list, or a file that cannot be written, fails with status 1.
  EXPECT_EQ(batch("--zmx " + base + "zmx --row 99").status, 1);
  EXPECT_EQ(batch("--zmx /nonexistent/dir/x.zmx").status, 1);
  EXPECT_EQ(batch("--osm /nonexistent/dir/x.osm").status, 1);
}

TEST(DoubletBatch, PrintsTracedAberrations) {
  const BatchRun run = batch("--format csv");
  ASSERT_EQ(run.status, 0);
  const auto rows = csvRows(run.out);
  ASSERT_GT(rows.size(), 1u);
  for (int column = 8; column <= 15; ++column) {
    EXPECT_FALSE(rows[1][column].empty()) << rows[0][column];
  }
  // JSON carries the same doubles as the CSV, bit for bit, and null where CSV is empty.
  const auto json = nlohmann::json::parse(batch("--format json").out);
  ASSERT_EQ(json.size(), rows.size() - 1);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    EXPECT_EQ(json[i - 1]["refined"].get<bool>(), rows[i].back() == "true");
    for (std::size_t k = 3; k + 3 < rows[0].size(); ++k) {
      const auto& value = json[i - 1][rows[0][k]];
      if (rows[0][k] == "edge_ok") {
        EXPECT_EQ(value.get<bool>(), rows[i][k] == "true");
        continue;
      }
      if (rows[i][k].empty())
        EXPECT_TRUE(value.is_null()) << rows[0][k];
      else
        EXPECT_EQ(value.get<double>(), std::stod(rows[i][k])) << rows[0][k];
    }
  }
}

TEST(DoubletBatch, AberrationTablesOfTheChosenRow) {
  const auto rows = csvRows(batch("--format csv").out);
  ASSERT_GT(rows.size(), 2u);
  const BatchRun run = batch("--aberrations --row 2 --format json");
  ASSERT_EQ(run.status, 0);
  const auto tables = nlohmann::json::parse(run.out);
  // Three wavelengths: longitudinal on the axis only, the others at five field points each.
  EXPECT_EQ(tables["longitudinal"].size(), 3u);
  ASSERT_EQ(tables["transverse"].size(), 15u);
  // Main wavelength, axis, upper rim: the rim transverse aberration of row 2 of the list.
  EXPECT_NEAR(tables["transverse"][0]["values"][0].get<double>(), std::stod(rows[2][8]), 1e-9);
  EXPECT_EQ(batch("--aberrations --row 99").status, 1);
}

// Two glasses of the sample catalog under names a catalog may hold: a comma, a quote and a
// control character in one, an 8-bit (Latin-1) letter in the other. No thermal data.
const char* const kOddNames =
    "NM K\x01\"x,y 2 517642.251 1.5168 64.17 0 1\n"
    "CD 1.039612120E+00 6.000698670E-03 2.317923440E-01 2.001791440E-02 1.010469450E+00 "
    "1.035606530E+02 0 0\n"
    "LD 3.00000E-01 2.50000E+00\n"
    "NM F\xC4 2 673323.286 1.67271 32.25 0 1\n"
    "CD 1.524818890E+00 1.125475600E-02 1.870855270E-01 5.889953920E-02 1.427290150E+00 "
    "1.291416750E+02 0 0\n"
    "LD 3.70000E-01 2.50000E+00\n";

TEST(DoubletBatch, OddGlassNamesGiveValidJsonAndQuotedCsv) {
  const std::string path = ::testing::TempDir() + "batch_odd_names.agf";
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fputs(kOddNames, file);
  std::fclose(file);

  const BatchRun csv = batch("--format csv --catalog " + path);
  const std::string row = csv.out.substr(csv.out.find('\n') + 1);
  EXPECT_NE(row.find("\"K\x01\"\"x,y\","), std::string::npos) << row;
  EXPECT_NE(row.find("F\xC4,"), std::string::npos) << row;  // raw bytes, as the catalog has them

  nlohmann::json rows;
  ASSERT_NO_THROW(rows = nlohmann::json::parse(batch("--format json --catalog " + path).out));
  ASSERT_EQ(rows.size(), 1u);
  const std::set<std::string> names{rows[0]["glass1"], rows[0]["glass2"]};
  EXPECT_EQ(names, (std::set<std::string>{"K\x01\"x,y", "F\xC3\x84"}));
}

// Makers share glass names: each maker's glass is kept and named by CATALOG/NAME.
TEST(DoubletBatch, GlassesOfSeveralCatalogs) {
  const std::string merged = "--status standard,preferred,obsolete --catalog " + kCatalogs +
                             "SCHOTT.AGF --catalog " + kCatalogs + "CDGM_201904.AGF --catalog " +
                             kCatalogs + "SUMITA_20200803.agf ";
  const auto list = nlohmann::json::parse(batch(merged + "--list --format json").out);
  std::set<std::string> baf4;
  for (const auto& g : list)
    if (g["glass"] == "BAF4") baf4.insert(g["catalog"].get<std::string>());
  EXPECT_EQ(baf4, (std::set<std::string>{"CDGM_201904", "SCHOTT", "SUMITA_20200803"}));
  EXPECT_EQ(batch(merged + "--mode one --glass1 BAF4").status, 1);  // which maker's?
  const auto rows = nlohmann::json::parse(
      batch(merged + "--mode one --glass1 CDGM_201904/BAF4 --format json").out);
  ASSERT_FALSE(rows.empty());
  for (const auto& r : rows) {
    const bool first = r["glass1"] == "BAF4" && r["catalog1"] == "CDGM_201904";
    EXPECT_TRUE(first || (r["glass2"] == "BAF4" && r["catalog2"] == "CDGM_201904")) << r;
  }
  // NHG lists D-K9 twice, the second time as a placeholder: the glass with data is kept.
  const BatchRun dk9 = batch("--mode one --glass1 D-K9 --catalog " + kCatalogs + "NHG.agf");
  EXPECT_EQ(dk9.status, 0);
  EXPECT_NE(dk9.out.find("D-K9"), std::string::npos);
  // A file without a glass is no catalog.
  EXPECT_EQ(batch("--list --catalog " + kCatalogs + "../lenses/reference.csv").status, 1);
}

// The maker's record of each glass as the file text has it: the fields after the keyword of its
// OD and ED lines and of its IT line at 0.4 µm.
using TextRecord = std::map<std::string, std::vector<std::string>>;
std::map<std::string, TextRecord> textRecords(const std::string& path) {
  std::map<std::string, TextRecord> records;
  std::istringstream lines(fileBytes(path));
  TextRecord* current = nullptr;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream in(line);
    std::vector<std::string> f{std::istream_iterator<std::string>(in), {}};
    if (!f.empty() && f[0] == "NM") current = &records[f.at(1)];
    const bool it400 = !f.empty() && f[0] == "IT" && f.size() == 4 && std::stod(f[1]) == 0.4;
    if (current && (it400 || (!f.empty() && (f[0] == "OD" || f[0] == "ED"))))
      (*current)[f[0]].assign(f.begin() + 1, f.end());
  }
  return records;
}

// A datum of the text: "-" and negative numbers are no data; none is null.
void expectDatum(const nlohmann::json& value, const std::vector<std::string>& fields, std::size_t k,
                 const std::string& what) {
  const bool none = k >= fields.size() || fields[k] == "-" || std::stod(fields[k]) < 0;
  if (none) {
    EXPECT_TRUE(value.is_null()) << what;
  } else {
    EXPECT_EQ(value.get<double>(), std::stod(fields[k])) << what;
  }
}

TEST(DoubletBatch, GlassListGivesTheMakersDataAsTheFileHasThem) {
  for (const std::string file : {"SCHOTT_20180601.agf", "CDGM_201904.AGF"}) {
    const auto records = textRecords(kCatalogs + file);
    const auto list = nlohmann::json::parse(
        batch("--list --format json --lambda-min 0.4 --catalog " + kCatalogs + file).out);
    ASSERT_EQ(list.size(), records.size()) << file;
    int checked = 0;
    for (const auto& g : list) {
      TextRecord r = records.at(g["glass"].get<std::string>());
      const std::string what = file + " " + g["glass"].get<std::string>();
      // SCHOTT leaves the cost of a few glasses blank; those lines are checked by the reader's
      // tests.
      if (r["OD"].size() == 6) {
        for (std::size_t k = 0; k < 6; ++k)
          expectDatum(g[std::vector<std::string>{"cost", "cr", "fr", "sr", "ar", "pr"}[k]], r["OD"],
                      k, what);
        ++checked;
      }
      EXPECT_EQ(g["tce"].get<double>(), std::stod(r["ED"].at(0))) << what;
      EXPECT_EQ(g["density"].get<double>(), std::stod(r["ED"].at(2))) << what;
      EXPECT_EQ(g["dpgf"].get<double>(), std::stod(r["ED"].at(3))) << what;
      // The maker states T through 10 mm or 25 mm.
      if (r["IT"].empty()) continue;
      const double t = std::stod(r["IT"][1]);
      EXPECT_DOUBLE_EQ(g["t10_min"].get<double>(), std::pow(t, 10.0 / std::stod(r["IT"][2])))
          << what;
    }
    EXPECT_GT(checked, 150) << file;
  }
}

// Glasses limited by cost and climate class: every glass of every doublet stays within them.
TEST(DoubletBatch, CostAndClassLimitsHoldForEveryGlassFound) {
  const std::string catalog = "--catalog " + kCatalogs + "SCHOTT_20180601.agf ";
  const auto list = nlohmann::json::parse(batch(catalog + "--list --format json").out);
  std::map<std::string, nlohmann::json> glasses;
  for (const auto& g : list) glasses[g["glass"].get<std::string>()] = g;
  const BatchRun run = batch(catalog + "--max-cost 1.5 --max-cr 2 --pairs 16 --format json");
  ASSERT_EQ(run.status, 0);
  const auto rows = nlohmann::json::parse(run.out);
  ASSERT_EQ(rows.size(), 16u);
  for (const auto& r : rows) {
    for (const char* key : {"glass1", "glass2"}) {
      const auto& g = glasses.at(r[key].get<std::string>());
      EXPECT_TRUE(g["cost"].is_null() || g["cost"].get<double>() <= 1.5) << g;
      EXPECT_TRUE(g["cr"].is_null() || g["cr"].get<double>() <= 2) << g;
    }
    EXPECT_EQ(r["cost1"], glasses.at(r["glass1"].get<std::string>())["cost"]);
    EXPECT_TRUE(r["transmittance"].get<double>() > 0.9) << r;
    EXPECT_TRUE(r["mass"].get<double>() > 0) << r;
  }
  EXPECT_EQ(batch(catalog + "--max-cost 1.5 --require-data --pairs 16").status, 0);
  EXPECT_EQ(batch(catalog + "--min-transmittance 1.5").status, 2);
}

TEST(BatchOptions, SpectralLinesAndDefaults) {
  EXPECT_EQ(batch::parseWavelength("F'"), 0.4799914);
  EXPECT_EQ(batch::parseWavelength("F\u2032"), 0.4799914);
  EXPECT_EQ(batch::parseWavelength("0.55"), 0.55);
  EXPECT_FALSE(batch::parseWavelength("-1"));
  const auto o =
      batch::parseOptions({"--index-range", "off", "--status", "melt,obsolete"}, "x.agf");
  EXPECT_FALSE(o.calculation.indexFilter);
  EXPECT_TRUE(o.calculation.abbeFilter);
  EXPECT_EQ(o.calculation.statuses, (synthesis::StatusFlags{false, false, true, false, true}));
  EXPECT_EQ(o.catalogs, std::vector<std::string>{"x.agf"});
}

}  // namespace

#include "synthesis/doublet_calculation.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "synthesis/design_input_check.h"
#include "synthesis/message_text.h"

namespace synthesis {
namespace {

double zoneValue(const std::vector<double>& values, std::size_t zone) {
  return zone < values.size() ? values[zone] : kNaN;
}

std::optional<double> thermalRowValue(const DoubletResult& result) {
  try {
    return -1e6 * result.thermalValue();
  } catch (const std::runtime_error&) {
    return std::nullopt;  // a glass without ED or TD data has no thermal value
  }
}

}  // namespace

const std::array<SpectralLine, kSpectralLineCount>& spectralLines() {
  static constexpr std::array<SpectralLine, kSpectralLineCount> lines{{
      {"i", 0.3650146},
      {"h", 0.4046561},
      {"G'", 0.434},
      {"g", 0.4358343},
      {"F'", 0.4799914},
      {"F", 0.4861327},
      {"e", 0.546074},
      {"d", 0.5875618},
      {"D", 0.5892938},
      {"C'", 0.6438469},
      {"C", 0.6562725},
      {"r", 0.7065188},
      {"A'", 0.76819},
  }};
  return lines;
}

const char* statusName(int status) {
  static constexpr std::array<const char*, kGlassStatusCount> names{"standard", "preferred",
                                                                    "obsolete", "special", "melt"};
  return status >= 0 && status < kGlassStatusCount ? names[status] : "unknown";
}

void runCalculation(DoubletSynthesis& core, const CalculationInputs& in) {
  // Inputs that cannot make a lens are refused before the old results are touched.
  if (auto refusal = checkInputs(in)) throw std::invalid_argument(*refusal);
  if (in.mode != SearchMode::Pair &&
      (in.pairCount < 4 || in.pairCount > kMaxPairCount || in.pairCount % 4 != 0))
    throw std::invalid_argument(messageText(
        "synthesis", "Количество пар для анализа: допустимо кратное 4 число от 4 до 256"));
  if (!std::isfinite(in.fieldWeight) || in.fieldWeight < 0.0)
    throw std::invalid_argument(
        messageText("synthesis", "Вес поля при доводке: допустимо число 0 или больше"));
  core.results.clear();
  core.lambda0 = in.lambda0;
  core.lambdaMin = in.lambdaMin;
  core.lambdaMax = in.lambdaMax;
  core.extraFilterSteps = glassDataSteps(in.dataFilter);
  // The count is split over both sides of the target and both lens orders; one pair is one pair.
  const int count = in.mode == SearchMode::Pair ? 1 : in.pairCount / 4;
  const std::string glass1 = in.mode == SearchMode::All ? std::string() : in.glass1;
  const std::string glass2 = in.mode == SearchMode::Pair ? in.glass2 : std::string();
  core.synthesize(in.C, in.P, in.W, count, in.statuses, in.ranges, in.indexFilter, in.abbeFilter,
                  glass1, glass2);
  if (core.results.empty()) throw std::runtime_error(core.emptySearchReason);
  core.prepareDesigns(in.design);
  core.computeDesigns(in.focus, in.lambda0, in.W);
  core.judgeDesigns(in.refine, in.fieldWeight);
}

ResultSummary summarize(const DoubletResult& r) {
  const double rim = zoneValue(r.longitudinal, 4);
  const double seventy = zoneValue(r.longitudinal, 2);  // zone √0.5
  const bool traced = r.longitudinal.size() == pupilZones().size();
  return {r.phiFirst,
          r.phiSecond,
          r.p,
          r.w,
          r.c,
          zoneValue(r.transverse, 4),
          rim,
          4.0 * seventy - rim,
          2.0 * rim - 4.0 * seventy,
          zoneValue(r.chromatism, 0),
          zoneValue(r.secondarySpectrum, 0),
          traced ? r.coma : kNaN,
          thermalRowValue(r),
          r.edge1,
          r.edge2,
          r.edgesOk(),
          r.rmsAxis,
          r.rmsField,
          r.wfeRms,
          r.strehl,
          r.imageDistance,
          r.refined,
          r.rmsAxisStart,
          r.rmsFieldStart};
}

}  // namespace synthesis

#include "synthesis/glass_filter.h"

#include <algorithm>
#include <stdexcept>
#include "synthesis/message_text.h"

namespace synthesis {

void FilterGlass::computeOptics() const {
  // The Abbe number first, as the search always did: a glass that cannot give either fails
  // with the message of the first value it cannot give.
  const double abbe = record_->abbeNumber(band_.lambda0, band_.lambdaMin, band_.lambdaMax);
  n_ = record_->index(band_.lambda0);
  nu_ = abbe;
}

double FilterGlass::n() const {
  if (!n_) computeOptics();
  return *n_;
}

double FilterGlass::nu() const {
  if (!nu_) computeOptics();
  return *nu_;
}

std::vector<FilterGlass> GlassFilter::apply(const GlassCatalog& catalog, const SearchBand& band,
                                            std::vector<FilterStepCount>& counts) const {
  std::vector<FilterGlass> glasses;
  glasses.reserve(catalog.size());
  for (const auto& entry : catalog) glasses.emplace_back(entry.second, band);
  counts.clear();
  for (const GlassFilterStep& step : steps_) {
    const std::size_t received = glasses.size();
    std::erase_if(glasses, [&step](const FilterGlass& g) { return !step.admits(g); });
    counts.push_back({step.name, received, glasses.size()});
  }
  return glasses;
}

std::optional<std::string> GlassFilter::firstRefusal(const FilterGlass& glass) const {
  for (const GlassFilterStep& step : steps_) {
    if (!step.admits(glass)) return step.name;
  }
  return std::nullopt;
}

GlassFilter standardGlassFilter(const StatusFlags& statusFlags, const FilterRanges& ranges,
                                bool indexFilterOn, bool abbeFilterOn) {
  GlassFilter filter;
  filter.add(
      {SYNTHESIS_TEXT("synthesis", "фильтр статуса стекол"), [statusFlags](const FilterGlass& g) {
         const int s = g.record().status;
         return s >= 0 && s < kGlassStatusCount && statusFlags[s];
       }});
  // A glass whose formula does not reach the lines of the search has no index there.
  filter.add({SYNTHESIS_TEXT("synthesis", "диапазон длин волн стекла"), [](const FilterGlass& g) {
                return g.record().lambdaMax >= g.band().lambdaMax &&
                       g.record().lambdaMin <= g.band().lambdaMin;
              }});
  // No dispersion between the lines: such a glass cannot take part in an achromat.
  filter.add({SYNTHESIS_TEXT("synthesis", "дисперсия на выбранных длинах волн"),
              [](const FilterGlass& g) { return g.nu() != 0.0; }});
  if (indexFilterOn) {
    filter.add(
        {SYNTHESIS_TEXT("synthesis", "фильтр показателя преломления"),
         [ranges](const FilterGlass& g) { return ranges[0] <= g.n() && g.n() <= ranges[1]; }});
  }
  if (abbeFilterOn) {
    filter.add({SYNTHESIS_TEXT("synthesis", "фильтр числа Аббе"), [ranges](const FilterGlass& g) {
                  return ranges[2] <= g.nu() && g.nu() <= ranges[3];
                }});
  }
  return filter;
}

namespace {

std::string nothingFound() {
  return messageText("synthesis", "Склейки не найдены: ");
}

std::string quoted(const std::string& name) {
  return "«" + name + "»";
}

const GlassRecord* findByName(const GlassCatalog& catalog, const std::string& name) {
  for (const auto& entry : catalog) {
    if (entry.second.name == name) return &entry.second;
  }
  return nullptr;
}

// Why a given glass is not among the admitted ones, or nothing when it is admitted.
std::optional<std::string> givenGlassProblem(const FilterOutcome& o, const std::string& name) {
  const GlassRecord* record = findByName(o.catalog, name);
  if (!record) {
    return messageText("synthesis", "стекла ") + quoted(name) +
           messageText("synthesis", " нет в загруженном каталоге.");
  }
  std::optional<std::string> step;
  try {
    step = o.filter.firstRefusal(FilterGlass(*record, o.band));
  } catch (const std::runtime_error& e) {
    return messageText("synthesis", "стекло ") + quoted(name) + ": " + e.what();
  }
  if (!step) return std::nullopt;
  return messageText("synthesis", "стекло ") + quoted(name) +
         messageText("synthesis", " не проходит шаг ") +
         quoted(messageText("synthesis", step->c_str())) + ".";
}

// Every step's count, one a line, up to the first step that left fewer than two glasses.
std::string countLines(const std::vector<FilterStepCount>& counts) {
  std::string lines;
  for (const FilterStepCount& c : counts) {
    // Appended, not prefixed: g++ 12 at -O3 warns falsely (-Wrestrict) on "literal" + temporary.
    lines += '\n';
    lines += filterCountLine(c);
    if (c.left < 2) break;
  }
  return lines;
}

}  // namespace

std::string explainEmptySearch(const FilterOutcome& o, const std::string& glass1,
                               const std::string& glass2) {
  if (!glass1.empty() && glass1 == glass2) {
    return nothingFound() + messageText("synthesis", "стекло ") + quoted(glass1) +
           messageText("synthesis",
                       " задано дважды; склейка из одного стекла не исправляет хроматизм.");
  }
  for (const std::string* name : {&glass1, &glass2}) {
    if (name->empty()) continue;
    if (auto problem = givenGlassProblem(o, *name)) return nothingFound() + *problem;
  }
  if (o.passed < 2) {
    return nothingFound() + messageText("synthesis", "стекол в каталоге ") +
           std::to_string(o.catalog.size()) +
           messageText("synthesis", ", для пары нужно два, а фильтр оставил ") +
           std::to_string(o.passed) + "." + countLines(o.counts);
  }
  return nothingFound() + messageText("synthesis", "ни одна пара из ") + std::to_string(o.passed) +
         messageText("synthesis", " стекол не дает конечных сил линз (числа Аббе пары равны).");
}

std::string filterCountLine(const FilterStepCount& count) {
  return messageText("synthesis", count.name.c_str()) + ": " + std::to_string(count.left) +
         messageText("synthesis", " из ") + std::to_string(count.received) +
         messageText("synthesis", " стекол");
}

}  // namespace synthesis

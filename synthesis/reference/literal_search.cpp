#include "synthesis/reference/literal_search.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace synthesis::reference {
namespace {

struct Search {
  const DoubletSynthesis& core;
  const StatusFlags& flags;
  const FilterRanges& ranges;
  bool indexOn;
  bool abbeOn;

  double abbe(const GlassRecord& g) const {
    return g.abbeNumber(core.lambda0, core.lambdaMin, core.lambdaMax);
  }

  bool admissible(const GlassRecord& g) const {
    if (g.status < 0 || g.status >= kGlassStatusCount || !flags[g.status]) return false;
    if (!(g.lambdaMax >= core.lambdaMax && core.lambdaMin >= g.lambdaMin)) return false;
    const double nu = abbe(g);
    if (nu == 0.0) return false;
    const double n = g.index(core.lambda0);
    if (indexOn && !(ranges[0] <= n && n <= ranges[1])) return false;
    return !abbeOn || (ranges[2] <= nu && nu <= ranges[3]);
  }

  PairTable buildPairTable(double c) const {
    PairTable table;
    for (const auto& [nameX, x] : core.catalog) {
      if (!admissible(x)) continue;
      for (const auto& [nameY, y] : core.catalog) {
        if (nameY == nameX || !admissible(y)) continue;
        const double nuX = abbe(x), nuY = abbe(y);
        const bool xFirst = nuY <= nuX;
        const std::string key = xFirst ? nameX + " " + nameY : nameY + " " + nameX;
        if (table.count(key)) continue;
        const GlassRecord& a = xFirst ? x : y;
        const GlassRecord& b = xFirst ? y : x;
        table[key] =
            computePairData(a.index(core.lambda0), abbe(a), b.index(core.lambda0), abbe(b), c);
      }
    }
    // Equal Abbe numbers give non-finite powers: such entries are no pairs.
    std::erase_if(table, [](const auto& entry) { return !isFinite(entry.second); });
    return table;
  }

  DoubletResult makeResult(const PairTable& table, const PairCandidate& c, bool orderB) const {
    DoubletResult r;
    r.glass1 = core.catalog.at(c.first);
    r.glass2 = core.catalog.at(c.second);
    r.orderB = orderB;
    r.pair = table.at(orderB ? c.second + " " + c.first : c.first + " " + c.second);
    return r;
  }

  void selectPairsNearP0(const PairTable& table, double target, int count,
                         const std::vector<PairCandidate>& list, bool orderB,
                         std::vector<DoubletResult>& results) const {
    const long n = static_cast<long>(list.size());
    if (target > list.front().p0 || target < list.back().p0) {
      throw std::runtime_error(targetOutOfRangeMessage(target, list.back().p0, list.front().p0));
    }
    long i = 0;
    while (i <= n - 2 && !(list[i].p0 >= target && target > list[i + 1].p0)) ++i;
    if (i > n - 2) return;
    for (long k = i - count + 1; k <= i + count; ++k) {
      if (k < 0 || k >= n) throw std::runtime_error(kWindowDoesNotFit);
      results.push_back(makeResult(table, list[k], orderB));
    }
  }
};

bool keep(const PairCandidate& c, const std::string& g1, const std::string& g2) {
  if (g1.empty()) return true;
  if (g2.empty()) return c.first == g1 || c.second == g1;
  return c.first == g1 && c.second == g2;
}

}  // namespace

PairTable literalPairTable(const DoubletSynthesis& core, double C, const StatusFlags& statusFlags,
                           const FilterRanges& ranges, bool indexFilterOn, bool abbeFilterOn) {
  return Search{core, statusFlags, ranges, indexFilterOn, abbeFilterOn}.buildPairTable(C);
}

void literalSynthesize(DoubletSynthesis& core, double C, double P, double W, int count,
                       const StatusFlags& statusFlags, const FilterRanges& ranges,
                       bool indexFilterOn, bool abbeFilterOn, const std::string& glass1Name,
                       const std::string& glass2Name) {
  core.chromatic = C;
  const Search search{core, statusFlags, ranges, indexFilterOn, abbeFilterOn};
  const PairTable table = search.buildPairTable(C);
  std::vector<PairCandidate> listA, listB;
  for (const auto& [key, data] : table) {
    const std::string a = key.substr(0, key.find(' '));
    const std::string b = key.substr(key.find(' ') + 1);
    listA.push_back({data.p0A, a, b});
    listB.push_back({data.p0B, b, a});
  }
  const auto byP0Descending = [](const PairCandidate& l, const PairCandidate& r) {
    return l.p0 > r.p0;
  };
  std::sort(listA.begin(), listA.end(), byP0Descending);
  std::sort(listB.begin(), listB.end(), byP0Descending);
  std::erase_if(listA, [&](const PairCandidate& c) { return !keep(c, glass1Name, glass2Name); });
  std::erase_if(listB, [&](const PairCandidate& c) { return !keep(c, glass1Name, glass2Name); });
  if (listA.size() < 2 || listB.size() < 2) {
    if (!listA.empty()) {
      core.results.push_back(search.makeResult(table, listA.front(), false));
    } else if (!listB.empty()) {
      core.results.push_back(search.makeResult(table, listB.front(), true));
    }
    return;
  }
  const double target = targetP0(P, W);
  search.selectPairsNearP0(table, target, count, listA, false, core.results);
  search.selectPairsNearP0(table, target, count, listB, true, core.results);
}

}  // namespace synthesis::reference

#include "synthesis/doublet_synthesis.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <queue>
#include <stdexcept>

namespace synthesis {
namespace {

// A catalog glass admitted to the search, with its index and Abbe number computed once.
struct SearchGlass {
  const GlassRecord* record;
  double n;
  double nu;
};

// A candidate doublet of a lens order: its P0 and its first- and second-lens glasses.
struct RankedPair {
  double p0;
  std::uint32_t first;
  std::uint32_t second;
};

struct SearchBand {
  double lambda0, lambdaMin, lambdaMax;
};

bool passesStatusAndBand(const GlassRecord& g, const StatusFlags& flags, const SearchBand& band) {
  if (g.status < 0 || g.status >= kGlassStatusCount || !flags[g.status]) return false;
  return g.lambdaMax >= band.lambdaMax && g.lambdaMin <= band.lambdaMin;
}

bool passesFilters(double n, double nu, const FilterRanges& ranges, bool indexOn, bool abbeOn) {
  if (indexOn && !(ranges[0] <= n && n <= ranges[1])) return false;
  return !abbeOn || (ranges[2] <= nu && nu <= ranges[3]);
}

// Glasses of the catalog, in catalog order, that may form pairs. An index that cannot be
// computed ends the search with its message, at the first such glass in catalog order.
std::vector<SearchGlass> admissibleGlasses(const GlassCatalog& catalog, const SearchBand& band,
                                           const StatusFlags& flags, const FilterRanges& ranges,
                                           bool indexOn, bool abbeOn) {
  std::vector<SearchGlass> glasses;
  for (const auto& [name, glass] : catalog) {
    if (!passesStatusAndBand(glass, flags, band)) continue;
    const double nu = glass.abbeNumber(band.lambda0, band.lambdaMin, band.lambdaMax);
    const double n = glass.index(band.lambda0);
    if (nu == 0.0 || !passesFilters(n, nu, ranges, indexOn, abbeOn)) continue;
    glasses.push_back({&glass, n, nu});
  }
  return glasses;
}

// Follows one candidate list, sorted by descending P0, without storing it: its size, its first
// candidate, its smallest P0, and the `count` candidates on each side of the target.
class NearTargetSelector {
 public:
  NearTargetSelector(double target, int count) : target_(target), count_(std::max(count, 0)) {}

  void offer(const RankedPair& c) {
    if (size_ == 0 || c.p0 > first_.p0) first_ = c;
    smallest_ = std::min(smallest_, c.p0);
    ++size_;
    if (c.p0 >= target_) {
      ++aboveCount_;
      keepBounded(above_, c);
    } else {
      ++belowCount_;
      keepBounded(below_, c);
    }
  }

  std::size_t size() const { return size_; }
  const RankedPair& first() const { return first_; }

  // Emits the candidates from `count` places above the target to `count` below it, in list
  // order; fails like the search when the target or the window falls outside the list.
  template <class Emit>
  void select(Emit emit) const {
    if (target_ > first_.p0 || target_ < smallest_) throw std::runtime_error(kTargetOutOfRange);
    if (belowCount_ == 0) return;  // the target is the last P0: no place lies below it
    if (aboveCount_ < static_cast<std::size_t>(count_)) throw std::runtime_error(kWindowDoesNotFit);
    for (const RankedPair& c : descending(above_)) emit(c);
    for (const RankedPair& c : descending(below_)) emit(c);
    if (belowCount_ < static_cast<std::size_t>(count_)) throw std::runtime_error(kWindowDoesNotFit);
  }

 private:
  // Above the target the heap keeps the smallest P0 (largest on top), below it the largest.
  struct LowerP0 {
    bool operator()(const RankedPair& a, const RankedPair& b) const { return a.p0 < b.p0; }
  };
  struct HigherP0 {
    bool operator()(const RankedPair& a, const RankedPair& b) const { return a.p0 > b.p0; }
  };
  using AboveHeap = std::priority_queue<RankedPair, std::vector<RankedPair>, LowerP0>;
  using BelowHeap = std::priority_queue<RankedPair, std::vector<RankedPair>, HigherP0>;

  template <class Heap>
  void keepBounded(Heap& heap, const RankedPair& c) {
    if (count_ == 0) return;
    if (heap.size() < static_cast<std::size_t>(count_)) {
      heap.push(c);
    } else if (typename Heap::value_compare()(c, heap.top())) {
      heap.pop();
      heap.push(c);
    }
  }

  template <class Heap>
  static std::vector<RankedPair> descending(Heap heap) {
    std::vector<RankedPair> out;
    while (!heap.empty()) {
      out.push_back(heap.top());
      heap.pop();
    }
    std::sort(out.begin(), out.end(), HigherP0());
    return out;
  }

  double target_;
  int count_;
  std::size_t size_ = 0;
  std::size_t aboveCount_ = 0;
  std::size_t belowCount_ = 0;
  RankedPair first_{};
  double smallest_ = std::numeric_limits<double>::infinity();
  AboveHeap above_;
  BelowHeap below_;
};

constexpr std::uint32_t kNoGlass = std::numeric_limits<std::uint32_t>::max();

std::uint32_t findGlass(const std::vector<SearchGlass>& glasses, const std::string& name) {
  for (std::uint32_t i = 0; i < glasses.size(); ++i) {
    if (glasses[i].record->name == name) return i;
  }
  return kNoGlass;
}

// Walks the pairs that the search mode admits and feeds both candidate lists.
class PairWalker {
 public:
  PairWalker(const std::vector<SearchGlass>& glasses, double c, NearTargetSelector& listA,
             NearTargetSelector& listB)
      : glasses_(glasses), c_(c), listA_(listA), listB_(listB) {}

  void allPairs() {
    for (std::uint32_t i = 0; i < glasses_.size(); ++i) {
      for (std::uint32_t j = i + 1; j < glasses_.size(); ++j) offer(i, j);
    }
  }

  void pairsWith(std::uint32_t k) {
    if (k == kNoGlass) return;
    for (std::uint32_t j = 0; j < glasses_.size(); ++j) {
      if (j != k) offer(k, j);
    }
  }

  // The given pair enters only the list in which glass `first` is the first lens.
  void onePair(std::uint32_t first, std::uint32_t second) {
    if (first == kNoGlass || second == kNoGlass || first == second) return;
    onlyFirst_ = first;
    offer(first, second);
  }

 private:
  void offer(std::uint32_t i, std::uint32_t j) {
    // Equal Abbe numbers cannot be achromatised: no finite powers exist, the pair is no pair.
    if (glasses_[i].nu == glasses_[j].nu) return;
    const auto [crown, flint] = glasses_[i].nu > glasses_[j].nu ? std::pair{i, j} : std::pair{j, i};
    const SearchGlass& x = glasses_[crown];
    const SearchGlass& y = glasses_[flint];
    const PairData d = computePairData(x.n, x.nu, y.n, y.nu, c_);
    if (!isFinite(d)) return;
    if (onlyFirst_ == kNoGlass || onlyFirst_ == crown) listA_.offer({d.p0A, crown, flint});
    if (onlyFirst_ == kNoGlass || onlyFirst_ == flint) listB_.offer({d.p0B, flint, crown});
  }

  const std::vector<SearchGlass>& glasses_;
  double c_;
  NearTargetSelector& listA_;
  NearTargetSelector& listB_;
  std::uint32_t onlyFirst_ = kNoGlass;
};

DoubletResult makeResult(const std::vector<SearchGlass>& glasses, const RankedPair& c, bool orderB,
                         double chromatic) {
  const SearchGlass& first = glasses[c.first];
  const SearchGlass& second = glasses[c.second];
  const SearchGlass& crown = orderB ? second : first;
  const SearchGlass& flint = orderB ? first : second;
  DoubletResult result;
  result.glass1 = *first.record;
  result.glass2 = *second.record;
  result.orderB = orderB;
  result.pair = computePairData(crown.n, crown.nu, flint.n, flint.nu, chromatic);
  return result;
}

}  // namespace

void DoubletSynthesis::readAgfCatalog() {
  readAgfFile(catalogPath, catalog);
}

void DoubletSynthesis::synthesize(double C, double P, double W, int count,
                                  const StatusFlags& statusFlags, const FilterRanges& ranges,
                                  bool indexFilterOn, bool abbeFilterOn,
                                  const std::string& glass1Name, const std::string& glass2Name) {
  chromatic = C;
  pairTable.clear();
  const SearchBand band{lambda0, lambdaMin, lambdaMax};
  const auto glasses =
      admissibleGlasses(catalog, band, statusFlags, ranges, indexFilterOn, abbeFilterOn);
  const double target = targetP0(P, W);
  NearTargetSelector listA(target, count);
  NearTargetSelector listB(target, count);
  PairWalker walker(glasses, C, listA, listB);
  if (glass1Name.empty()) {
    walker.allPairs();
  } else if (glass2Name.empty()) {
    walker.pairsWith(findGlass(glasses, glass1Name));
  } else {
    walker.onePair(findGlass(glasses, glass1Name), findGlass(glasses, glass2Name));
  }
  const auto take = [&](const RankedPair& c, bool orderB) {
    results.push_back(makeResult(glasses, c, orderB, C));
    const DoubletResult& r = results.back();
    const std::string& crown = orderB ? r.glass2.name : r.glass1.name;
    const std::string& flint = orderB ? r.glass1.name : r.glass2.name;
    pairTable.insert_or_assign(crown + " " + flint, r.pair);
  };
  if (listA.size() < 2 || listB.size() < 2) {
    if (listA.size() > 0) {
      take(listA.first(), false);
    } else if (listB.size() > 0) {
      take(listB.first(), true);
    }
    return;
  }
  listA.select([&](const RankedPair& c) { take(c, false); });
  listB.select([&](const RankedPair& c) { take(c, true); });
}

DoubletResult& DoubletSynthesis::findResult(const std::string& glass1Name,
                                            const std::string& glass2Name) {
  for (DoubletResult& result : results) {
    if (result.glass1.name == glass1Name && result.glass2.name == glass2Name) return result;
  }
  throw std::runtime_error(kResultNotFound);
}

void DoubletSynthesis::prepareDesigns(const DesignInputs& inputs) {
  for (DoubletResult& r : results) {
    r.thickness1 = r.orderB ? inputs.flintThickness : inputs.crownThickness;
    r.thickness2 = r.orderB ? inputs.crownThickness : inputs.flintThickness;
    r.pupilDiameter = inputs.pupilDiameter;
    r.lambda0 = lambda0;
    r.lambdaMin = lambdaMin;
    r.lambdaMax = lambdaMax;
    r.fieldAngle = inputs.fieldAngle;
    r.glass1.environment = inputs.environment;
    r.glass2.environment = inputs.environment;
  }
}

void DoubletSynthesis::computeDesigns(double fPrime, double lambda0Design, double W) {
  for (DoubletResult& result : results) {
    result.computeRadii(chromatic, fPrime, lambda0Design, W);
    result.computeParameters();
    result.traceAberrations();
  }
}

void DoubletSynthesis::judgeDesigns(bool refine, double fieldWeight) {
  for (DoubletResult& result : results) {
    result.judgeImage();
    if (!refine) continue;
    result.refineImage(fieldWeight);
    if (result.refined) result.traceAberrations();
  }
}

}  // namespace synthesis

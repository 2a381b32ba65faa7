#include "synthesis/doublet_synthesis.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <queue>
#include <stdexcept>
#include "synthesis/message_text.h"

namespace synthesis {
namespace {

// A catalog glass admitted to the search, with its index and Abbe number computed once.
struct SearchGlass {
  const std::string* key;  ///< label of the glass in the merged catalog
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

// Glasses that passed the filter, in catalog order, with their index and Abbe number.
std::vector<SearchGlass> searchGlasses(const std::vector<FilterGlass>& passed) {
  std::vector<SearchGlass> glasses;
  glasses.reserve(passed.size());
  for (const FilterGlass& g : passed)
    glasses.push_back({&g.record().shownName(), &g.record(), g.n(), g.nu()});
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
    if (target_ > first_.p0 || target_ < smallest_)
      throw std::runtime_error(targetOutOfRangeMessage(target_, smallest_, first_.p0));
    if (belowCount_ == 0) return;  // the target is the last P0: no place lies below it
    if (aboveCount_ < static_cast<std::size_t>(count_))
      throw std::runtime_error(messageText("synthesis", kWindowDoesNotFit));
    for (const RankedPair& c : descending(above_)) emit(c);
    for (const RankedPair& c : descending(below_)) emit(c);
    if (belowCount_ < static_cast<std::size_t>(count_))
      throw std::runtime_error(messageText("synthesis", kWindowDoesNotFit));
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
    if (*glasses[i].key == name) return i;
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

struct PairQuery {
  double chromatic;
  double target;
  int count;
};

// Walks the pairs of the admitted glasses that the mode allows and appends the doublets nearest
// the target to the core's results.
void searchPairs(DoubletSynthesis& core, const std::vector<SearchGlass>& glasses,
                 const PairQuery& q, const std::string& glass1Name, const std::string& glass2Name) {
  NearTargetSelector listA(q.target, q.count);
  NearTargetSelector listB(q.target, q.count);
  PairWalker walker(glasses, q.chromatic, listA, listB);
  if (glass1Name.empty()) {
    walker.allPairs();
  } else if (glass2Name.empty()) {
    walker.pairsWith(findGlass(glasses, glass1Name));
  } else {
    walker.onePair(findGlass(glasses, glass1Name), findGlass(glasses, glass2Name));
  }
  const auto take = [&](const RankedPair& c, bool orderB) {
    core.results.push_back(makeResult(glasses, c, orderB, q.chromatic));
    const DoubletResult& r = core.results.back();
    const std::string& crown = orderB ? r.glass2.shownName() : r.glass1.shownName();
    const std::string& flint = orderB ? r.glass1.shownName() : r.glass2.shownName();
    core.pairTable.insert_or_assign(crown + " " + flint, r.pair);
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

}  // namespace

std::vector<std::string> DoubletSynthesis::readAgfCatalog() {
  return readAgfFile(catalogPath, catalog);
}

void DoubletSynthesis::synthesize(double C, double P, double W, int count,
                                  const StatusFlags& statusFlags, const FilterRanges& ranges,
                                  bool indexFilterOn, bool abbeFilterOn,
                                  const std::string& glass1Name, const std::string& glass2Name) {
  chromatic = C;
  pairTable.clear();
  emptySearchReason.clear();
  const SearchBand band{lambda0, lambdaMin, lambdaMax};
  GlassFilter filter = standardGlassFilter(statusFlags, ranges, indexFilterOn, abbeFilterOn);
  for (const GlassFilterStep& step : extraFilterSteps) filter.add(step);
  const auto glasses = searchGlasses(filter.apply(catalog, band, filterCounts));
  const std::size_t before = results.size();
  searchPairs(*this, glasses, {C, targetP0(P, W), count}, glass1Name, glass2Name);
  if (results.size() == before) {
    emptySearchReason = explainEmptySearch({catalog, band, filter, filterCounts, glasses.size()},
                                           glass1Name, glass2Name);
  }
}

std::string targetOutOfRangeMessage(double target, double smallest, double largest) {
  const std::string format =
      messageText("synthesis", " Целевое P₀ = %.6g, пары дают P₀ от %.6g до %.6g.");
  char range[320];
  std::snprintf(range, sizeof range, format.c_str(), target, smallest, largest);
  return messageText("synthesis", kTargetOutOfRange) + range;
}

DoubletResult& DoubletSynthesis::findResult(const std::string& glass1Name,
                                            const std::string& glass2Name) {
  for (DoubletResult& result : results) {
    if (result.glass1.shownName() == glass1Name && result.glass2.shownName() == glass2Name)
      return result;
  }
  throw std::runtime_error(messageText("synthesis", kResultNotFound));
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
    r.minEdge = inputs.minEdgeThickness;
    r.fitEdges = inputs.fitEdgeThickness;
  }
}

void DoubletSynthesis::computeDesigns(double fPrime, double lambda0Design, double W) {
  for (DoubletResult& result : results) {
    result.computeRadii(chromatic, fPrime, lambda0Design, W);
    if (result.fitEdges) result.fitEdgeThicknesses(chromatic, fPrime, lambda0Design, W);
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

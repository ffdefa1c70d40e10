#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "optimize/optimization_limits.h"
#include "optimize/results.h"

// The nozzle sets of a series within a spread, gathered by their total area. The program's
// figures depend on the nozzles through their area alone, so sets of equal area give equal
// figures and a search need look at each area once. Each size stands for its square on an
// integer grid (k² for k/32 in, (d·g)² for sizes in mm that are multiples of 1/g mm), so that
// sets of equal area have equal sums; sizes on no such grid are rounded to a fine one.
namespace bithydraulics::optimize {

enum class SetSearchMethod {
    Automatic,  // every set when there are few enough, by area otherwise
    EverySet,   // every set of the series, each group listing its sets
    ByArea,     // the areas alone, by dynamic programming over the sums: any number of nozzles
};

// The most sets Automatic lists one by one.
inline constexpr double kMostSetsListed = 200000;

class AreaGroups {
  public:
    // The sets of `count` sizes of `series`, smallest first, whose steps lie at most `spread`
    // apart (any with none).
    AreaGroups(const NozzleSeries& series, int count, std::optional<int> spread,
               SetSearchMethod method);

    // The number of distinct areas; group 0 is the smallest.
    std::size_t size() const { return byArea_ ? sums_.size() : groupStarts_.size() - 1; }
    // The set that stands for a group: of its sets, the one whose steps come first.
    NozzleSet representative(std::size_t group) const;
    // Every set of a group, in the order of their steps; only the representative when the
    // groups were found by area.
    std::vector<NozzleSet> members(std::size_t group) const;
    // How many sets share the group's area; none when the groups were found by area.
    std::optional<std::uint64_t> memberCount(std::size_t group) const;

    // The number of sets within the spread (a whole number, exact up to 2^53).
    double setCount() const { return setCount_; }
    bool byArea() const { return byArea_; }

  private:
    using Bits = std::vector<std::uint64_t>;
    // Sums reachable with r sizes from steps j..last of a window, for j from its first step.
    struct SuffixTable {
        int first = 0;
        int last = 0;
        int most = 0;            // the largest r
        std::vector<Bits> bits;  // [(j − first)·(most + 1) + r]

        const Bits& at(int step, int r) const {
            return bits[static_cast<std::size_t>((step - first) * (most + 1) + r)];
        }
    };

    NozzleSet makeSet(const std::vector<int>& steps) const;
    int windowEnd(int first) const;
    void enumerate();
    void searchByArea();
    SuffixTable suffixTable(int first, int last, int most) const;
    std::vector<int> walk(const SuffixTable& table, int from, int remaining,
                          std::uint64_t sum) const;

    const NozzleSeries& series_;
    int count_;
    int reach_;  // the largest step difference within a set
    bool byArea_ = false;
    double setCount_ = 0;
    std::vector<std::uint64_t> keys_;  // each size's square on the grid

    // Every set: steps (count_ each, flat), grouped by area; group g is sets
    // [groupStarts_[g], groupStarts_[g + 1]) of `order_`.
    std::vector<std::uint8_t> steps_;
    std::vector<std::uint32_t> order_;
    std::vector<std::uint32_t> groupStarts_;

    // By area: the reachable sums, smallest first, and what rebuilds a set of each.
    std::vector<std::uint64_t> sums_;
    std::size_t words_ = 0;
    std::optional<SuffixTable> anySpread_;  // the one table when the spread is any
    std::vector<Bits> withFirst_;           // by first step: the sums of sets starting there
};

}  // namespace bithydraulics::optimize

#include "optimize/area_groups.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numeric>

namespace bithydraulics::optimize {
namespace {

// The largest sum a grid may reach: by area, the bit sets of every step and count must stay a few
// megabytes; listed one by one, sums only need to tell areas apart.
constexpr double kByAreaSums = 1 << 17;
constexpr double kListedSums = 1e15;

// Grids of 1/g mm tried for sizes in mm, coarsest first: the coarser, the fewer sums.
constexpr std::array kGrids{1, 2, 4, 5, 8, 10, 16, 20, 25, 32, 40, 50, 100, 200, 1000};

std::vector<std::uint64_t> gridKeys(const NozzleSeries& series, int count, double budget) {
    std::vector<std::uint64_t> keys;
    if (series.inInches()) {
        for (const int k : series.thirtySecondsInch) {
            keys.push_back(static_cast<std::uint64_t>(k) * static_cast<std::uint64_t>(k));
        }
        return keys;
    }
    const std::vector<double>& sizes = series.diametersMm;
    const double largest = sizes.back();
    for (const int grid : kGrids) {
        const double top = std::round(largest * grid);
        if (count * top * top > budget) {
            break;
        }
        const bool onGrid = std::all_of(sizes.begin(), sizes.end(), [&](double size) {
            const double scaled = size * grid;
            return std::abs(scaled - std::round(scaled)) <= 1e-9 * scaled;
        });
        if (onGrid) {
            for (const double size : sizes) {
                const auto scaled = static_cast<std::uint64_t>(std::llround(size * grid));
                keys.push_back(scaled * scaled);
            }
            return keys;
        }
    }
    // No grid fits: squares rounded to a quantum that keeps the sums within the budget.
    const double quantum = count * largest * largest / budget;
    for (const double size : sizes) {
        keys.push_back(std::max<std::uint64_t>(1, std::llround(size * size / quantum)));
    }
    return keys;
}

// C(n, k) as a double, exact while it stays below 2^53.
double binomial(int n, int k) {
    double value = 1;
    for (int i = 1; i <= k; ++i) {
        value = value * (n - k + i) / i;
    }
    return value;
}

// dst |= src << shift, over bit sets of equal length.
void orShifted(std::vector<std::uint64_t>& dst, const std::vector<std::uint64_t>& src,
               std::uint64_t shift) {
    const std::size_t words = dst.size();
    const std::size_t wordShift = shift / 64;
    const unsigned bitShift = shift % 64;
    for (std::size_t w = words; w-- > wordShift;) {
        const std::size_t from = w - wordShift;
        std::uint64_t word = src[from] << bitShift;
        if (bitShift != 0 && from > 0) {
            word |= src[from - 1] >> (64 - bitShift);
        }
        dst[w] |= word;
    }
}

bool test(const std::vector<std::uint64_t>& bits, std::uint64_t bit) {
    return bit / 64 < bits.size() && ((bits[bit / 64] >> (bit % 64)) & 1) != 0;
}

}  // namespace

AreaGroups::AreaGroups(const NozzleSeries& series, int count, std::optional<int> spread,
                       SetSearchMethod method)
    : series_(series), count_(count) {
    const int sizes = static_cast<int>(series.diametersMm.size());
    reach_ = spread ? std::min(*spread, sizes - 1) : sizes - 1;
    for (int first = 0; first < sizes; ++first) {
        const int window = windowEnd(first) - first + 1;
        setCount_ += binomial(window + count - 2, count - 1);
    }
    byArea_ = method == SetSearchMethod::ByArea ||
              (method == SetSearchMethod::Automatic && setCount_ > kMostSetsListed);
    keys_ = gridKeys(series, count, byArea_ ? kByAreaSums : kListedSums);
    if (byArea_) {
        searchByArea();
    } else {
        enumerate();
    }
}

int AreaGroups::windowEnd(int first) const {
    return std::min(static_cast<int>(series_.diametersMm.size()) - 1, first + reach_);
}

NozzleSet AreaGroups::makeSet(const std::vector<int>& steps) const {
    NozzleSet set;
    set.count = count_;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const auto step = static_cast<std::size_t>(steps[i]);
        set.steps[i] = steps[i];
        set.diametersMm[i] = series_.diametersMm[step];
        set.thirtySecondsInch[i] = series_.inInches() ? series_.thirtySecondsInch[step] : 0;
    }
    return set;
}

// Every set in the order of its steps, then stably by area sum.
void AreaGroups::enumerate() {
    const int sizes = static_cast<int>(series_.diametersMm.size());
    const auto n = static_cast<std::size_t>(count_);
    std::vector<std::uint64_t> sums;
    std::vector<int> steps(n);
    for (int first = 0; first < sizes; ++first) {
        const int last = windowEnd(first);
        steps.assign(n, first);
        for (;;) {
            std::uint64_t sum = 0;
            for (const int step : steps) {
                steps_.push_back(static_cast<std::uint8_t>(step));
                sum += keys_[static_cast<std::size_t>(step)];
            }
            sums.push_back(sum);
            // The next multiset: raise the last step that can rise, the ones after it to match.
            std::size_t i = n;
            while (i > 1 && steps[i - 1] == last) {
                --i;
            }
            if (i <= 1) {
                break;
            }
            const int raised = steps[i - 1] + 1;
            std::fill(steps.begin() + static_cast<std::ptrdiff_t>(i) - 1, steps.end(), raised);
        }
    }
    order_.resize(sums.size());
    std::iota(order_.begin(), order_.end(), 0);
    std::stable_sort(order_.begin(), order_.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return sums[a] < sums[b]; });
    for (std::size_t i = 0; i < order_.size(); ++i) {
        if (i == 0 || sums[order_[i]] != sums[order_[i - 1]]) {
            groupStarts_.push_back(static_cast<std::uint32_t>(i));
        }
    }
    groupStarts_.push_back(static_cast<std::uint32_t>(order_.size()));
}

AreaGroups::SuffixTable AreaGroups::suffixTable(int first, int last, int most) const {
    SuffixTable table{first, last, most, {}};
    const auto rows = static_cast<std::size_t>(most + 1);
    table.bits.assign(static_cast<std::size_t>(last - first + 2) * rows, Bits(words_, 0));
    // Past the last step only the empty choice: sum 0 with no size.
    Bits& none = table.bits[static_cast<std::size_t>(last - first + 1) * rows];
    none[0] = 1;
    for (int j = last; j >= first; --j) {
        const std::size_t here = static_cast<std::size_t>(j - first) * rows;
        const std::size_t next = here + rows;
        const std::uint64_t key = keys_[static_cast<std::size_t>(j)];
        for (std::size_t r = 0; r < rows; ++r) {
            table.bits[here + r] = table.bits[next + r];
            if (r > 0) {
                orShifted(table.bits[here + r], table.bits[here + r - 1], key);
            }
        }
    }
    return table;
}

// The steps, smallest first and each as small as may be, of `remaining` sizes from `from` on
// whose keys add up to `sum`; `sum` must be reachable.
std::vector<int> AreaGroups::walk(const SuffixTable& table, int from, int remaining,
                                  std::uint64_t sum) const {
    std::vector<int> steps;
    for (int step = from; remaining > 0;) {
        const std::uint64_t key = keys_[static_cast<std::size_t>(step)];
        if (key <= sum && test(table.at(step, remaining - 1), sum - key)) {
            steps.push_back(step);
            sum -= key;
            --remaining;
        } else {
            ++step;
        }
    }
    return steps;
}

// The reachable sums by dynamic programming over the steps: with any spread one table over the
// whole series; with a spread, for each first step the sets within its window that start there.
void AreaGroups::searchByArea() {
    const int sizes = static_cast<int>(series_.diametersMm.size());
    const std::uint64_t range = static_cast<std::uint64_t>(count_) * keys_.back() + 1;
    words_ = static_cast<std::size_t>((range + 63) / 64);
    Bits reachable(words_, 0);
    if (windowEnd(0) == sizes - 1 && reach_ == sizes - 1) {
        anySpread_ = suffixTable(0, sizes - 1, count_);
        reachable = anySpread_->at(0, count_);
    } else {
        for (int first = 0; first < sizes; ++first) {
            const SuffixTable table = suffixTable(first, windowEnd(first), count_ - 1);
            Bits starting(words_, 0);
            orShifted(starting, table.at(first, count_ - 1),
                      keys_[static_cast<std::size_t>(first)]);
            for (std::size_t w = 0; w < words_; ++w) {
                reachable[w] |= starting[w];
            }
            withFirst_.push_back(std::move(starting));
        }
    }
    for (std::size_t w = 0; w < words_; ++w) {
        for (std::uint64_t word = reachable[w]; word != 0; word &= word - 1) {
            sums_.push_back(w * 64 + static_cast<std::uint64_t>(std::countr_zero(word)));
        }
    }
}

NozzleSet AreaGroups::representative(std::size_t group) const {
    if (!byArea_) {
        const std::size_t set = order_[groupStarts_[group]];
        const auto n = static_cast<std::size_t>(count_);
        std::vector<int> steps(steps_.begin() + static_cast<std::ptrdiff_t>(set * n),
                               steps_.begin() + static_cast<std::ptrdiff_t>((set + 1) * n));
        return makeSet(steps);
    }
    const std::uint64_t sum = sums_[group];
    if (anySpread_) {
        return makeSet(walk(*anySpread_, 0, count_, sum));
    }
    for (std::size_t first = 0; first < withFirst_.size(); ++first) {
        if (test(withFirst_[first], sum)) {
            const int step = static_cast<int>(first);
            const SuffixTable table = suffixTable(step, windowEnd(step), count_ - 1);
            std::vector<int> steps{step};
            const std::vector<int> rest = walk(table, step, count_ - 1, sum - keys_[first]);
            steps.insert(steps.end(), rest.begin(), rest.end());
            return makeSet(steps);
        }
    }
    return {};
}

std::vector<NozzleSet> AreaGroups::members(std::size_t group) const {
    if (byArea_) {
        return {representative(group)};
    }
    std::vector<NozzleSet> sets;
    const auto n = static_cast<std::size_t>(count_);
    for (std::uint32_t i = groupStarts_[group]; i < groupStarts_[group + 1]; ++i) {
        const std::size_t set = order_[i];
        std::vector<int> steps(steps_.begin() + static_cast<std::ptrdiff_t>(set * n),
                               steps_.begin() + static_cast<std::ptrdiff_t>((set + 1) * n));
        sets.push_back(makeSet(steps));
    }
    return sets;
}

std::optional<std::uint64_t> AreaGroups::memberCount(std::size_t group) const {
    if (byArea_) {
        return std::nullopt;
    }
    return groupStarts_[group + 1] - groupStarts_[group];
}

}  // namespace bithydraulics::optimize

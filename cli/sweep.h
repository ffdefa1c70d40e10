#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "cli/command.h"

namespace bithydraulics::cli {

// NAME=FROM:TO:STEP: one input taking the values FROM + i × STEP, i = 0, 1, …, from FROM to TO
// inclusive. FROM, TO and STEP are plain figures. The rows are counted and each value formed
// exactly in decimal, as the figures are written, and rounded once to a double: 0:0.3:0.1 gives
// 0, 0.1, 0.2 and 0.3, and a TO that the steps reach is always included.
class SweepRange {
  public:
    static constexpr std::size_t kMaxRows = 1'000'000;

    // Throws UsageError for a malformed range, a figure beyond a double, a step of 0, a step that
    // leads away from TO or is too small to change the value, or more than kMaxRows values.
    static SweepRange parse(std::string_view argument);

    std::size_t input() const { return input_; }
    const std::string& name() const { return name_; }
    std::size_t count() const { return count_; }
    double value(std::size_t i) const;

  private:
    std::size_t input_ = 0;
    std::string name_;
    std::size_t count_ = 0;
    // Value i is (from_ + i × step_) × 10^exponent_.
    mpz_class from_;
    mpz_class step_;
    long exponent_ = 0;
};

// sweep NAME=FROM:TO:STEP [NAME=TEXT ...]: one row per value of the range; the other inputs
// take their NAME=TEXT or their default texts. The rows carry the swept input and then the fixed
// ones, as named on the command line; each value shows as the shortest figure that reads back as
// it. Returns kExitComputed or kExitFaulted.
CLI::App* declareSweep(CLI::App& program, Options& options);
int runSweep(const Options& options, Streams& streams);

}  // namespace bithydraulics::cli

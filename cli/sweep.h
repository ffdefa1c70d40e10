#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "cli/whole_number.h"

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
    WholeNumber from_;
    WholeNumber step_;
    long exponent_ = 0;
};

}  // namespace bithydraulics::cli

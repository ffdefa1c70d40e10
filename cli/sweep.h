#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/names.h"
#include "cli/output_buffer.h"
#include "cli/row_writer.h"

namespace bithydraulics::cli {

// NAME=FROM:TO:STEP: one input taking the values FROM + i × STEP, i = 0, 1, …, from FROM to TO
// inclusive. FROM, TO and STEP are plain figures. Each value is formed from i directly, never by
// adding up steps; when FROM and STEP are decimals of modest size the sum is done exactly in
// decimal and rounded once, so 0:0.3:0.1 gives 0, 0.1, 0.2 and 0.3, and a TO that the steps reach
// exactly is always included.
class SweepRange {
  public:
    static constexpr std::size_t kMaxRows = 1'000'000;

    // Throws UsageError for a malformed range, a step of 0, a step that leads away from TO, or
    // more than kMaxRows values.
    static SweepRange parse(std::string_view argument);

    std::size_t input() const { return input_; }
    const std::string& name() const { return name_; }
    std::size_t count() const { return count_; }
    double value(std::size_t i) const;

  private:
    std::size_t input_ = 0;
    std::string name_;
    double from_ = 0;
    double step_ = 0;
    std::size_t count_ = 0;
    // The exact form: value i is (scaledFrom_ + i × scaledStep_) ÷ 10^scale_.
    bool exact_ = false;
    std::int64_t scaledFrom_ = 0;
    std::int64_t scaledStep_ = 0;
    int scale_ = 0;
};

struct SweepSettings {
    RowFormat format = RowFormat::Csv;
    bool full = false;
    bool strict = false;
};

// One row per value of the range; the other inputs take `fixed` or their default texts. The
// rows carry the swept input and then the fixed ones, as named on the command line; each value
// shows as the shortest figure that reads back as it. Returns kExitComputed or kExitFaulted.
int runSweep(const SweepRange& range, const std::vector<Assignment>& fixed, OutputBuffer& out,
             const SweepSettings& settings);

}  // namespace bithydraulics::cli

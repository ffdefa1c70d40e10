#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/hydraulics.h"
#include "calc/quantities.h"

namespace bithydraulics {

inline constexpr int kFieldCount = 20;
inline constexpr int kInputFieldCount = static_cast<int>(kInputCount);  // fields 0..10
inline constexpr int kFirstResultField = 11;
inline constexpr int kResultFieldCount = 9;  // fields 11..19

// The twenty text fields the compute command works on, told apart by index; texts are UTF-8.
class FieldArray {
  public:
    virtual ~FieldArray() = default;
    virtual std::string readText(int index) const = 0;
    virtual void replaceText(int index, std::string_view text) = 0;
};

// The calculation state its owner keeps; each command overwrites it completely.
struct CalculationState {
    HydraulicsInputs inputs;
    HydraulicsResults results;
};

using ResultTexts = std::array<std::string, kResultFieldCount>;

// Reads fields 0..10 in order, each once. A figure too large to read raises an overflow fault
// located at that input's field name.
HydraulicsInputs readInputs(const FieldArray& fields);

// The nine display texts of the result fields, in field order. The annular velocities are
// scaled by 100 with a checked multiplication, located at their result.
ResultTexts formResultTexts(const HydraulicsResults& results);

// The compute command: read the inputs, compute every quantity, form all nine texts, and only
// then write fields 11..19 in order. A CalculationFault at any point propagates with every
// field exactly as it was.
void runComputeCommand(FieldArray& fields, CalculationState& state);

// The same for a bit whose nozzles are listed: the nozzle area is summed over `nozzleDiameters`
// and the three nozzle fields, though read, take no part.
void runComputeCommand(FieldArray& fields, CalculationState& state,
                       std::span<const double> nozzleDiameters);

// Twenty texts held in memory: for tests, batch work and anything else without a window.
class InMemoryFieldArray : public FieldArray {
  public:
    InMemoryFieldArray();  // the window's initial texts: the defaults and "Text1"
    std::string readText(int index) const override;
    void replaceText(int index, std::string_view text) override;
    const std::string& text(int index) const { return texts_.at(static_cast<std::size_t>(index)); }

  private:
    std::array<std::string, kFieldCount> texts_;
};

// What a result field shows before the first command.
inline constexpr std::string_view kInitialResultText = "Text1";

}  // namespace bithydraulics

#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/compute_command.h"
#include "calc/quantities.h"
#include "cases/column_names.h"
#include "cases/result_columns.h"

// One case through the window's compute command: the eleven input texts go into a field array,
// runComputeCommand reads, computes and writes the nine result texts, exactly as the window does.
namespace bithydraulics::cli {

using InputTexts = std::array<std::string_view, kInputCount>;
using GivenInputs = std::bitset<kInputCount>;

// The texts of one case: each assignment's text (viewed where the assignment keeps it) and the
// default text (what the window's field holds when it opens) of every other input; `given`
// marks the inputs assigned.
InputTexts caseTexts(const std::vector<cases::Assignment>& assignments, GivenInputs& given);

// The fault name --strict gives a text that is not one plain figure.
inline constexpr std::string_view kInvalidTextFault = "invalid_text";
// The fault of a row from a file whose figure would be read only in part ("15mm", "1,820").
inline constexpr std::string_view kPartialTextFault = "partial_text";
// The fault of a row whose figure has marks that read two ways ("1.234,5" in a ';' file).
inline constexpr std::string_view kAmbiguousFigureFault = "ambiguous_figure";

// How much of a given input's text must be a figure for the case to be computed.
enum class FigureRule {
    Lenient,  // as the window reads its fields: the figure the text begins with
    Whole,    // the figure must take the whole text, blanks aside (an empty text reads 0)
    Plain,    // --strict: one plain figure and nothing else
};

// The first given input whose text is not one plain figure, which --strict faults; none when all
// are.
std::optional<std::size_t> firstLenientInput(const InputTexts& texts, GivenInputs given);

// Whether the figure that the window reads from `text` takes all of it, blanks aside.
bool isWholeFigure(std::string_view text);

// "fault: division_by_zero at powerUtilization": how a case states its fault on one line.
std::string faultLine(std::string_view fault, std::string_view faultQuantity);

struct CaseResult {
    std::string_view fault;  // empty when every result was computed
    std::string_view
        faultQuantity;  // the result whose step faulted, or the input it could not read
    // The result cells, one per resultColumns(full): the display texts, or with `full` the
    // shortest round-trip figures of the values; all empty on fault.
    std::span<const std::string_view> cells;
    HydraulicsResults values;  // the calculation state's results; meaningful without a fault

    bool computed() const { return fault.empty(); }
};

class CaseComputer {
  public:
    // With `full`, the result cells are the shortest round-trip figures, nozzleArea first.
    explicit CaseComputer(bool full);
    CaseComputer(const CaseComputer&) = delete;
    CaseComputer& operator=(const CaseComputer&) = delete;

    // Runs the compute command on `texts`. Under FigureRule::Plain each given input must first
    // hold one plain figure, or the case faults with invalid_text at the first that does not;
    // under FigureRule::Whole a given input whose figure is only a part of its text faults the
    // case with partial_text. The result and its texts stay valid until the next call.
    const CaseResult& compute(const InputTexts& texts, GivenInputs given, FigureRule rule);
    const CaseResult& compute(const InputTexts& texts, GivenInputs given, bool strict) {
        return compute(texts, given, strict ? FigureRule::Plain : FigureRule::Lenient);
    }
    // The same for a bit whose nozzles are listed (`nozzles`), in place of the three nozzle
    // fields; a list that could not be read (`listRead` false) faults the case with
    // invalid_text at `listName`.
    const CaseResult& compute(const InputTexts& texts, GivenInputs given, FigureRule rule,
                              const NozzleList& nozzles, std::string_view listName, bool listRead);
    const CaseResult& compute(const InputTexts& texts, GivenInputs given, bool strict,
                              const NozzleList& nozzles, std::string_view listName, bool listRead) {
        return compute(texts, given, strict ? FigureRule::Plain : FigureRule::Lenient, nozzles,
                       listName, listRead);
    }

    // A case not computed: `fault` at input `input`.
    const CaseResult& refuse(std::string_view fault, std::size_t input);

  private:
    const CaseResult& run(const InputTexts& texts, GivenInputs given, FigureRule rule,
                          const NozzleList* nozzles);

    // The twenty fields: input texts viewed where the caller keeps them, result texts owned.
    class Fields final : public FieldArray {
      public:
        std::string readText(int index) const override;
        void replaceText(int index, std::string_view text) override;

        InputTexts inputs;
        std::array<std::string, kResultFieldCount> results;
    };

    bool full_;
    Fields fields_;
    CalculationState state_;
    std::array<std::array<char, 32>, cases::kMaxResultColumns> figures_{};
    std::array<std::string_view, cases::kMaxResultColumns> cells_{};
    CaseResult result_;
};

}  // namespace bithydraulics::cli

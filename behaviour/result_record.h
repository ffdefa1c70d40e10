#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/compute_command.h"

// Which inputs the results on screen belong to, and what copying or exporting them hands out.
// The results stay on screen until the next 运算, as they always did, but once the inputs no
// longer read as they did when they were computed the results are stale: shown as such, and
// never handed out beside inputs that did not produce them.
namespace bithydraulics {

using InputTexts = std::array<std::string, kInputFieldCount>;

// The tooltip a stale result field carries.
inline constexpr std::string_view kStaleResultNote = "输入已改动，按 运算 更新";

// What the tool windows say over an answer worked out from the figures of the last 运算 while
// the main window's inputs have changed since.
inline constexpr std::string_view kStaleSetUpNote =
    "主窗口的输入已修改，下列结果按修改前的数据算出；请按“运算”。";

// One row of the results table: the caption, the figure and its unit.
struct ResultRow {
    std::string caption;
    std::string figure;
    std::string unit;
};

class ResultRecord {
  public:
    // 运算 computed `results` from `inputs`.
    void computed(const InputTexts& inputs, const ResultTexts& results);

    // The input fields now read `inputs` (after an edit, a case opened or pasted, an undo, or a
    // fault reported). Returns whether the results became stale or fresh by it.
    bool inputsAre(const InputTexts& inputs);

    // Nothing computed yet: the result fields hold their initial text.
    bool empty() const { return !computedFrom_.has_value(); }
    // Results on screen that other inputs produced.
    bool stale() const { return stale_; }

    // The table that copy and export hand out: a header, then the eleven inputs that produced
    // the results and the nine results, each figure once with its unit (the power utilisation
    // as "32.27" under "%"). Empty before the first 运算.
    std::vector<ResultRow> table() const;

  private:
    std::optional<InputTexts> computedFrom_;
    ResultTexts results_;
    bool stale_ = false;
};

// `rows` as tab-separated text, one line (ended by a line break) a row, ready to paste into a
// spreadsheet; tabs and line breaks inside a cell become blanks.
std::string tabSeparatedText(const std::vector<ResultRow>& rows);

}  // namespace bithydraulics

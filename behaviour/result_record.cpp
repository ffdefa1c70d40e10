#include "behaviour/result_record.h"

#include "behaviour/quantity_captions.h"

namespace bithydraulics {
namespace {

// A figure without the unit its display text already carries: "32.27%" under "%" is "32.27".
std::string figureWithoutUnit(std::string figure, std::string_view unit) {
    if (!unit.empty() && std::string_view(figure).ends_with(unit)) {
        figure.resize(figure.size() - unit.size());
    }
    return figure;
}

}  // namespace

void ResultRecord::computed(const InputTexts& inputs, const ResultTexts& results) {
    computedFrom_ = inputs;
    results_ = results;
    stale_ = false;
}

bool ResultRecord::inputsAre(const InputTexts& inputs) {
    const bool stale = computedFrom_.has_value() && *computedFrom_ != inputs;
    const bool changed = stale != stale_;
    stale_ = stale;
    return changed;
}

std::vector<ResultRow> ResultRecord::table() const {
    if (!computedFrom_) {
        return {};
    }
    std::vector<ResultRow> rows{{"项目", "数值", "单位"}};
    for (int i = 0; i < kFieldCount; ++i) {
        const std::string_view unit = fieldUnit(i);
        const std::string& figure = i < kInputFieldCount
                                        ? (*computedFrom_)[static_cast<std::size_t>(i)]
                                        : results_[static_cast<std::size_t>(i - kFirstResultField)];
        rows.push_back({std::string(fieldCaption(i)),
                        i < kInputFieldCount ? figure : figureWithoutUnit(figure, unit),
                        std::string(unit)});
    }
    return rows;
}

std::string tabSeparatedText(const std::vector<ResultRow>& rows) {
    std::string text;
    for (const ResultRow& row : rows) {
        for (const std::string* cell : {&row.caption, &row.figure, &row.unit}) {
            if (cell != &row.caption) {
                text += '\t';
            }
            for (const char c : *cell) {
                text += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
            }
        }
        text += '\n';
    }
    return text;
}

}  // namespace bithydraulics

#include "behaviour/field_glossary.h"

#include <utility>

#include "calc/compute_command.h"
#include "calc/quantities.h"

namespace bithydraulics {
namespace {

// The optimiser's own figures, where its arithmetic may fault.
constexpr std::pair<std::string_view, std::string_view> kOptimizerCaptions[] = {
    {"parasiticLoss", "循环压耗"},
    {"pumpPower", "泵功率"},
    {"equivalentDensity", "当量循环密度"},
    {"verticalDepth", "垂深"},
};

std::string withUnit(std::string_view caption, std::string_view unit) {
    std::string text(caption);
    text += " (";
    text += unit;
    text += ')';
    return text;
}

}  // namespace

std::string_view fieldCaption(int index) {
    if (index < kFirstResultField) {
        return kInputQuantities.at(static_cast<std::size_t>(index)).caption;
    }
    return kDisplayedResults.at(static_cast<std::size_t>(index - kFirstResultField)).caption;
}

std::string_view fieldUnit(int index) {
    if (index < kFirstResultField) {
        return kInputQuantities.at(static_cast<std::size_t>(index)).unit;
    }
    return kDisplayedResults.at(static_cast<std::size_t>(index - kFirstResultField)).displayUnit;
}

std::string fieldToolTip(int index) {
    return withUnit(fieldCaption(index), fieldUnit(index));
}

std::string_view quantityCaption(std::string_view name) {
    for (const InputQuantity& input : kInputQuantities) {
        if (input.name == name) {
            return input.caption;
        }
    }
    for (const ResultQuantity& result : kDisplayedResults) {
        if (result.name == name) {
            return result.caption;
        }
    }
    if (name == kNozzleAreaName) {
        return kNozzleAreaCaption;
    }
    for (const auto& [figure, caption] : kOptimizerCaptions) {
        if (figure == name) {
            return caption;
        }
    }
    return name;
}

}  // namespace bithydraulics

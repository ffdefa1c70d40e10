#include "behaviour/quantity_captions.h"

#include "calc/compute_command.h"

namespace bithydraulics {

std::string withUnit(std::string_view caption, std::string_view unit) {
    std::string text(caption);
    if (!unit.empty()) {
        text += " (";
        text += unit;
        text += ')';
    }
    return text;
}

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

}  // namespace bithydraulics

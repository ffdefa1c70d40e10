#include "cases/plain_figure.h"

#include <algorithm>

namespace bithydraulics::cases {
namespace {

// The run of digits at the front of `text`, removed from it.
std::string_view takeDigits(std::string_view& text) {
    const auto n = static_cast<std::size_t>(
        std::find_if_not(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }) -
        text.begin());
    const std::string_view digits = text.substr(0, n);
    text.remove_prefix(n);
    return digits;
}

// An optional sign at the front of `text`, removed from it; true for a minus.
bool takeSign(std::string_view& text) {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    return negative;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
    text.remove_suffix(text.size() - (text.find_last_not_of(" \t") + 1));
    return text;
}

std::optional<PlainFigure> parsePlainFigure(std::string_view text) {
    text = trimBlanks(text);
    PlainFigure figure;
    figure.negative = takeSign(text);
    figure.integerDigits = takeDigits(text);
    if (text.starts_with('.')) {
        text.remove_prefix(1);
        figure.fractionDigits = takeDigits(text);
    }
    if (figure.integerDigits.empty() && figure.fractionDigits.empty()) {
        return std::nullopt;
    }
    if (text.starts_with('e') || text.starts_with('E')) {
        text.remove_prefix(1);
        figure.exponentNegative = takeSign(text);
        figure.exponentDigits = takeDigits(text);
        if (figure.exponentDigits.empty()) {
            return std::nullopt;
        }
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return figure;
}

}  // namespace bithydraulics::cases

#include "cli/io/plain_figure.h"

namespace bithydraulics::cli {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The run of digits at the front of `text`, removed from it.
std::string_view takeDigits(std::string_view& text) {
    std::size_t n = 0;
    while (n < text.size() && isDigit(text[n])) {
        ++n;
    }
    const std::string_view digits = text.substr(0, n);
    text.remove_prefix(n);
    return digits;
}

// An optional sign at the front of `text`, removed from it; true for a minus.
bool takeSign(std::string_view& text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        const bool negative = text.front() == '-';
        text.remove_prefix(1);
        return negative;
    }
    return false;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<PlainFigure> parsePlainFigure(std::string_view text) {
    text = trimBlanks(text);
    PlainFigure figure;
    figure.negative = takeSign(text);
    figure.integerDigits = takeDigits(text);
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        figure.fractionDigits = takeDigits(text);
    }
    if (figure.integerDigits.empty() && figure.fractionDigits.empty()) {
        return std::nullopt;
    }
    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
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

}  // namespace bithydraulics::cli

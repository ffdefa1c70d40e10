#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace bithydraulics::cases {

// A plain figure is what --strict asks of every input text and what a sweep range is made of:
// after trimming blanks (spaces and tabs) at both ends, exactly
//     [+-]? ( digits ( "." digits? )? | "." digits ) ( [Ee] [+-]? digits )?
// with ASCII digits and nothing else. "12", "-0.5", ".5", "3.", "+1e-3" are plain; "", "15mm",
// "1,5", "1 000", "0x10", "1d3", "１５", "1e", "." are not.
struct PlainFigure {
    bool negative = false;
    std::string_view integerDigits;   // possibly empty (".5")
    std::string_view fractionDigits;  // possibly empty ("3." or "3")
    bool exponentNegative = false;
    std::string_view exponentDigits;  // empty without an exponent
};

std::optional<PlainFigure> parsePlainFigure(std::string_view text);

inline bool isPlainFigure(std::string_view text) {
    // Most figures are up to eight digits with at most one point, told at a glance in one word:
    // the high bit of each byte says whether it is at least '0', above '9', or the point.
    if (text.empty() || text.size() > 8) {
        return parsePlainFigure(text).has_value();
    }
    constexpr std::uint64_t kHigh = 0x8080808080808080;
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        word |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    }
    const std::uint64_t used = kHigh & (~std::uint64_t{0} >> (64 - 8 * text.size()));
    const std::uint64_t digits = (word + 0x5050505050505050) & ~(word + 0x4646464646464646) & used;
    const std::uint64_t points = ~((word ^ 0x2E2E2E2E2E2E2E2E) + 0x7F7F7F7F7F7F7F7F) & used;
    if ((word & kHigh) == 0 && (digits | points) == used) {
        return digits != 0 && (points & (points - 1)) == 0;
    }
    return parsePlainFigure(text).has_value();
}

// `text` without the spaces and tabs at either end.
std::string_view trimBlanks(std::string_view text);

}  // namespace bithydraulics::cases

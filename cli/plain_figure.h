#pragma once

#include <optional>
#include <string_view>

namespace bithydraulics::cli {

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
    return parsePlainFigure(text).has_value();
}

// `text` without the spaces and tabs at either end.
std::string_view trimBlanks(std::string_view text);

}  // namespace bithydraulics::cli

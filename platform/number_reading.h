#pragma once

#include <string_view>

namespace bithydraulics {

// Lenient text-to-number reading: reads the figure the text begins with and
// ignores the rest, never rejecting malformed text.
//  - Spaces and U+3000 are skipped wherever they stand. Tabs and line breaks, which separate the
//    cells of a pasted table, are skipped before the figure and end it once it has begun.
//  - Full-width digits, point, signs and Ｅ/ｅ read as their ASCII forms; "。" (U+3002, what
//    Chinese input methods type for the "." key) reads as the decimal point.
//  - Figure: optional sign, digits with at most one ".", then an optional exponent (E, e, D or d,
//    an optional sign and at least one digit). Reading stops at the first character that cannot
//    continue it; text not beginning with a figure reads 0.
//  - The decimal point is always "."; conversion is correctly rounded.
// A figure beyond the range of a double raises CalculationFault (overflow, no quantity); one
// below the smallest double reads as zero.
double readNumber(std::string_view text);

// A reading that also tells whether the figure took the whole text, blanks aside: "15" and
// " 15 " do, "15mm", "1,820", "abc" and "-" do not. Empty or blank text reads 0 and does.
struct FigureReading {
    double value = 0.0;
    bool whole = true;
};

// Reads as readNumber does, with the same value and faults.
FigureReading readFigure(std::string_view text);

}  // namespace bithydraulics

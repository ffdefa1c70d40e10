#pragma once

#include <string_view>

namespace bithydraulics {

// Lenient text-to-number reading: reads the figure the text begins with and
// ignores the rest, never rejecting malformed text.
//  - Blanks (space, tab, line feed, carriage return, U+3000) are skipped wherever they stand.
//  - Full-width digits, point, signs and Ｅ/ｅ read as their ASCII forms.
//  - Figure: optional sign, digits with at most one ".", then an optional exponent (E, e, D or d,
//    an optional sign and at least one digit). Reading stops at the first character that cannot
//    continue it; text not beginning with a figure reads 0.
//  - The decimal point is always "."; conversion is correctly rounded.
// A figure beyond the range of a double raises CalculationFault (overflow, no quantity); one
// below the smallest double reads as zero.
double readNumber(std::string_view text);

}  // namespace bithydraulics

#pragma once

#include <string>
#include <string_view>

// The two conversions between the text of a field and a figure.
namespace bithydraulics {

// Reads the figure a field's text begins with; never rejects text (malformed text reads 0).
// Raises CalculationFault (overflow) only for a figure beyond the range of a double.
double parseFieldNumber(std::string_view text);

// Display text under "###0.00": 4.195132 shows "4.20".
std::string formatFixed2(double value);

// Display text under "###0.00%": 0.322702 shows "32.27%".
std::string formatPercent2(double value);

}  // namespace bithydraulics

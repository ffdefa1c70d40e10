#pragma once

#include <string>

// Figures as the windows write them into their texts, without the GUI library's number
// formatting, so that every front-end writes the same digits.
namespace bithydraulics {

// As the program shows its results ("###0.00"): "4.20".
std::string fixed2(double value);

// With `decimals` digits after the point: "32.3" for (32.27, 1).
std::string withDecimals(double value, int decimals);

// The shortest text that reads back as `value`: "15", "8.73125".
std::string shortest(double value);

}  // namespace bithydraulics

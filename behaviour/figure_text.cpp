#include "behaviour/figure_text.h"

#include <array>
#include <charconv>
#include <cmath>

#include "calc/field_text.h"

namespace bithydraulics {

std::string fixed2(double value) {
    return std::isfinite(value) ? formatFixed2(value) : std::string(value > 0 ? "∞" : "-∞");
}

std::string withDecimals(double value, int decimals) {
    std::array<char, 352> buffer{};  // room for the largest double written out in full
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    return std::string(buffer.data(), end);
}

std::string shortest(double value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

}  // namespace bithydraulics

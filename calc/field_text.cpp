#include "calc/field_text.h"

#include "platform/runtime.h"

namespace bithydraulics {
namespace {

constexpr NumberPattern kFixed2 = parseNumberPattern("###0.00");
constexpr NumberPattern kPercent2 = parseNumberPattern("###0.00%");

}  // namespace

double parseFieldNumber(std::string_view text) {
    return readNumber(text);
}

std::string formatFixed2(double value) {
    return formatNumber(value, kFixed2);
}

std::string formatPercent2(double value) {
    return formatNumber(value, kPercent2);
}

}  // namespace bithydraulics

#include "optimize/size_list.h"

#include <array>

namespace bithydraulics::optimize {
namespace {

constexpr std::array<std::string_view, 4> kWideSeparators{"，", "；", "、", "\u3000"};

// The length of the separator `list` begins with at `at`; 0 when none.
std::size_t separatorAt(std::string_view list, std::size_t at) {
    const char c = list[at];
    if (c == ',' || c == ';' || c == ' ' || c == '\t' || c == '\n' || c == '\r') {
        return 1;
    }
    for (const std::string_view wide : kWideSeparators) {
        if (list.substr(at, wide.size()) == wide) {
            return wide.size();
        }
    }
    return 0;
}

}  // namespace

std::vector<std::string_view> splitSizeList(std::string_view list) {
    std::vector<std::string_view> items;
    std::size_t start = 0;
    std::size_t at = 0;
    while (at < list.size()) {
        if (const std::size_t length = separatorAt(list, at)) {
            if (at > start) {
                items.push_back(list.substr(start, at - start));
            }
            at += length;
            start = at;
        } else {
            ++at;
        }
    }
    if (start < list.size()) {
        items.push_back(list.substr(start));
    }
    return items;
}

}  // namespace bithydraulics::optimize

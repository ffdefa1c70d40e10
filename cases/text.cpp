#include "cases/text.h"

#include <utf8.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

#include "platform/utf8_character.h"

namespace bithydraulics::cases {
namespace {

// How many bytes at the start of `text` take at most `width` columns, and the columns they take.
std::pair<std::size_t, std::size_t> measure(std::string_view text, std::size_t width) {
    std::size_t end = 0;
    std::size_t taken = 0;
    while (end < text.size()) {
        const Utf8Character character = firstUtf8Character(text.substr(end));
        // A byte that is not UTF-8 takes one column.
        const std::size_t columns = character.length == 0 ? 1 : characterWidth(character.codePoint);
        if (taken + columns > width) {
            break;
        }
        end += std::max<std::size_t>(character.length, 1);
        taken += columns;
    }
    return {end, taken};
}

}  // namespace

std::size_t findInvalidUtf8(std::string_view text) {
    // Runs of ASCII eight bytes at a time: most input is nothing else.
    std::size_t i = 0;
    for (std::uint64_t word = 0; i + 8 <= text.size(); i += 8) {
        std::memcpy(&word, text.data() + i, sizeof word);
        if ((word & 0x8080808080808080ULL) != 0) {
            break;
        }
    }
    const auto invalid = utf8::find_invalid(text.begin() + static_cast<long>(i), text.end());
    return invalid == text.end() ? std::string_view::npos
                                 : static_cast<std::size_t>(invalid - text.begin());
}

std::size_t displayWidth(std::string_view text) {
    return measure(text, std::numeric_limits<std::size_t>::max()).second;
}

std::string_view leadingColumns(std::string_view text, std::size_t width) {
    return text.substr(0, measure(text, width).first);
}

}  // namespace bithydraulics::cases

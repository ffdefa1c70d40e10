#include "platform/utf8_character.h"

#include <algorithm>
#include <cstdint>

#include "platform/character_width_table.h"

namespace bithydraulics {

Utf8Character firstUtf8Character(std::string_view text) {
    const auto byte = [&text](std::size_t i) -> std::uint32_t {
        return static_cast<unsigned char>(text[i]);
    };
    const std::uint32_t lead = byte(0);
    if (lead < 0x80) {
        return {lead, 1};
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length) {
        return {};
    }
    std::uint32_t codePoint = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return {};
        }
        codePoint = codePoint << 6 | (byte(i) & 0x3F);
    }
    const std::uint32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (codePoint < smallest || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint < 0xE000)) {
        return {};
    }
    return {codePoint, length};
}

std::size_t characterWidth(char32_t codePoint) {
    const auto* run = std::ranges::lower_bound(kWidthRuns, static_cast<std::uint32_t>(codePoint),
                                               {}, &WidthRun::last);
    return run != kWidthRuns.end() && codePoint >= run->first ? run->width : 1;
}

}  // namespace bithydraulics

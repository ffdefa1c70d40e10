#include "platform/text_decoder.h"

#include <algorithm>
#include <cstdint>

#include "platform/gb18030_table.h"

namespace bithydraulics {
namespace {

// One character: its code point and how many bytes it took, or a stop.
struct Character {
    char32_t codePoint = 0;
    std::size_t length = 0;
    DecodeStop stop = DecodeStop::Done;
};

constexpr Character incomplete() {
    return {0, 0, DecodeStop::Incomplete};
}
constexpr Character invalid() {
    return {0, 0, DecodeStop::Invalid};
}

std::uint32_t byteAt(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

Character nextUtf16(std::string_view text, bool bigEndian) {
    const auto unit = [&](std::size_t at) {
        return bigEndian ? byteAt(text, at) << 8 | byteAt(text, at + 1)
                         : byteAt(text, at + 1) << 8 | byteAt(text, at);
    };
    if (text.size() < 2) {
        return incomplete();
    }
    const std::uint32_t first = unit(0);
    if (first < 0xD800 || first > 0xDFFF) {
        return {first, 2};
    }
    if (first > 0xDBFF) {
        return invalid();  // a low surrogate first
    }
    if (text.size() < 4) {
        return incomplete();
    }
    const std::uint32_t second = unit(2);
    if (second < 0xDC00 || second > 0xDFFF) {
        return invalid();
    }
    return {0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00), 4};
}

bool inRange(std::uint32_t byte, std::uint32_t low, std::uint32_t high) {
    return byte >= low && byte <= high;
}

Character nextGb18030(std::string_view text) {
    const std::uint32_t lead = byteAt(text, 0);
    if (lead < 0x80) {
        return {lead, 1};
    }
    if (!inRange(lead, 0x81, 0xFE)) {
        return invalid();
    }
    if (text.size() < 2) {
        return incomplete();
    }
    const std::uint32_t second = byteAt(text, 1);
    if (inRange(second, 0x40, 0x7E) || inRange(second, 0x80, 0xFE)) {
        const std::uint32_t index = (lead - 0x81) * 190 + second - (second < 0x7F ? 0x40 : 0x41);
        if (const std::uint16_t unit = kGb18030TwoByte[index]; unit != 0) {
            return {unit, 2};
        }
        const auto* pair = std::ranges::find(kGb18030TwoByteBeyondBmp, index, &Gb18030Pair::index);
        return pair != kGb18030TwoByteBeyondBmp.end() ? Character{pair->codePoint, 2} : invalid();
    }
    if (!inRange(second, 0x30, 0x39)) {
        return invalid();
    }
    if (text.size() < 4) {
        return incomplete();
    }
    const std::uint32_t fourth = byteAt(text, 3);
    if (!inRange(byteAt(text, 2), 0x81, 0xFE) || !inRange(fourth, 0x30, 0x39)) {
        return invalid();
    }
    const std::uint32_t number =
        (((lead - 0x81) * 10 + second - 0x30) * 126 + byteAt(text, 2) - 0x81) * 10 + fourth - 0x30;
    const auto* run = std::ranges::lower_bound(kGb18030FourByteRuns, number, {}, &Gb18030Run::last);
    if (run == kGb18030FourByteRuns.end() || number < run->first) {
        return invalid();
    }
    return {run->codePoint + (number - run->first), 4};
}

std::size_t utf8Length(char32_t codePoint) {
    return codePoint < 0x80 ? 1 : codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
}

void writeUtf8(char32_t codePoint, char* out) {
    const auto put = [&out](std::uint32_t byte) { *out++ = static_cast<char>(byte); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | codePoint >> 6);
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | codePoint >> 12);
        put(0x80 | (codePoint >> 6 & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | codePoint >> 18);
        put(0x80 | (codePoint >> 12 & 0x3F));
        put(0x80 | (codePoint >> 6 & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

DecodeStep decodeToUtf8(SourceEncoding encoding, std::string_view input, char* output,
                        std::size_t capacity) {
    DecodeStep step;
    while (step.read < input.size()) {
        const std::string_view rest = input.substr(step.read);
        const Character character =
            encoding == SourceEncoding::Gb18030
                ? nextGb18030(rest)
                : nextUtf16(rest, encoding == SourceEncoding::Utf16BigEndian);
        if (character.stop != DecodeStop::Done) {
            step.stop = character.stop;
            return step;
        }
        const std::size_t length = utf8Length(character.codePoint);
        if (length > capacity - step.written) {
            return step;
        }
        writeUtf8(character.codePoint, output + step.written);
        step.written += length;
        step.read += character.length;
    }
    return step;
}

}  // namespace bithydraulics

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// GB18030's mapping to Unicode, generated from the standard mapping (gb18030_table.cpp).
namespace bithydraulics {

// Two-byte sequences: lead 0x81–0xFE, trail 0x40–0x7E or 0x80–0xFE, numbered lead-major with
// the trail's 190 values; 0 where the code point is beyond U+FFFF (kGb18030TwoByteBeyondBmp) or
// the sequence is not mapped.
inline constexpr std::size_t kGb18030TwoByteCount = 126 * 190;
extern const std::array<std::uint16_t, kGb18030TwoByteCount> kGb18030TwoByte;

struct Gb18030Pair {
    std::uint32_t index;
    std::uint32_t codePoint;
};
extern const std::array<Gb18030Pair, 6> kGb18030TwoByteBeyondBmp;

// Four-byte sequences b1 b2 b3 b4 (0x81–0xFE, 0x30–0x39, 0x81–0xFE, 0x30–0x39) numbered
// ((b1·10 + b2)·126 + b3)·10 + b4 from 0x81308130: runs of numbers mapped to consecutive code
// points, in order. (The counts are the generator's; a new mapping that changes them fails to
// compile until they are changed here.)
struct Gb18030Run {
    std::uint32_t first;
    std::uint32_t last;
    std::uint32_t codePoint;  // of `first`
};
extern const std::array<Gb18030Run, 211> kGb18030FourByteRuns;

}  // namespace bithydraulics

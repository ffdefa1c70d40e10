// Character widths and UTF-8 decoding against utf8proc, the table's source, on every code point;
// utf8proc is installed on Linux only, so this test is built there.
#include <utf8proc.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/utf8_character.h"

namespace bithydraulics {
namespace {

TEST(CharacterWidthAgainstUtf8proc, EveryCodePoint) {
    int differences = 0;
    for (char32_t point = 0; point < 0x110000; ++point) {
        const auto expected =
            static_cast<std::size_t>(utf8proc_charwidth(static_cast<utf8proc_int32_t>(point)));
        if (characterWidth(point) != expected && ++differences < 20) {
            ADD_FAILURE() << std::hex << static_cast<unsigned>(point);
        }
    }
    EXPECT_EQ(differences, 0);
}

TEST(Utf8DecodingAgainstUtf8proc, EverySequenceUpToThreeBytesAndFourByteLeads) {
    int differences = 0;
    const auto check = [&](const std::string& text) {
        utf8proc_int32_t point = -1;
        const utf8proc_ssize_t length =
            utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(text.data()),
                             static_cast<utf8proc_ssize_t>(text.size()), &point);
        const Utf8Character ours = firstUtf8Character(text);
        const bool same = length <= 0 ? ours.length == 0
                                      : ours.length == static_cast<std::size_t>(length) &&
                                            ours.codePoint == static_cast<char32_t>(point);
        if (!same && ++differences < 20) {
            ADD_FAILURE() << testing::PrintToString(text);
        }
    };
    for (unsigned a = 0; a < 256; ++a) {
        for (unsigned b = 0; b < 256; ++b) {
            check({static_cast<char>(a), static_cast<char>(b)});
            for (unsigned c = 0; c < 256 && a >= 0xE0; ++c) {
                check({static_cast<char>(a), static_cast<char>(b), static_cast<char>(c)});
                if (a >= 0xF0 && c >= 0x80 && c < 0xC0) {
                    check(
                        {static_cast<char>(a), static_cast<char>(b), static_cast<char>(c), '\x80'});
                    check(
                        {static_cast<char>(a), static_cast<char>(b), static_cast<char>(c), '\xBF'});
                    check({static_cast<char>(a), static_cast<char>(b), static_cast<char>(c), 'a'});
                }
            }
        }
    }
    EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace bithydraulics

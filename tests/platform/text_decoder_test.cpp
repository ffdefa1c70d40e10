#include "platform/text_decoder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace bithydraulics {
namespace {

struct DecodeRow {
    std::string name;
    SourceEncoding encoding;
    std::string input;
    std::string utf8;  // what the whole characters read as
    DecodeStop stop;
    friend void PrintTo(const DecodeRow& row, std::ostream* out) { *out << row.name; }
};

std::string decodeAll(const DecodeRow& row, DecodeStop& stop, std::size_t capacity = 64) {
    std::string out(capacity, '\0');
    const DecodeStep step = decodeToUtf8(row.encoding, row.input, out.data(), out.size());
    stop = step.stop;
    out.resize(step.written);
    return out;
}

class Decoding : public testing::TestWithParam<DecodeRow> {};

TEST_P(Decoding, GivesTheCharactersThenStops) {
    const DecodeRow& row = GetParam();
    DecodeStop stop = DecodeStop::Done;
    EXPECT_EQ(decodeAll(row, stop), row.utf8);
    EXPECT_EQ(stop, row.stop);
}

constexpr auto kGb = SourceEncoding::Gb18030;
constexpr auto kLe = SourceEncoding::Utf16LittleEndian;
constexpr auto kBe = SourceEncoding::Utf16BigEndian;
constexpr auto kDone = DecodeStop::Done;

// The same table on every platform: rows from each part of the mapping.
INSTANTIATE_TEST_SUITE_P(
    Rows, Decoding,
    testing::Values(
        DecodeRow{"gb_ascii_and_two_byte", kGb, "Q=\xC5\xC5\xC1\xBF", "Q=排量", kDone},
        DecodeRow{"gb_euro_sign", kGb, "\x80", "", DecodeStop::Invalid},
        DecodeRow{"gb_four_byte_bmp", kGb, "\x81\x30\x81\x30", "\u0080", kDone},
        DecodeRow{"gb_four_byte_degree_cubed_unit", kGb, "g/cm\x81\x30\x85\x36", "g/cm\u00B3",
                  kDone},
        DecodeRow{"gb_four_byte_supplementary", kGb, "\x95\x32\x82\x36", "\U00020000", kDone},
        DecodeRow{"gb_two_byte_beyond_bmp", kGb, "\xFE\x51", "\U00020087", kDone},
        DecodeRow{"gb_last_code_point", kGb, "\xE3\x32\x9A\x35", "\U0010FFFF", kDone},
        DecodeRow{"gb_beyond_the_last", kGb, "\xE3\x32\x9A\x36", "", DecodeStop::Invalid},
        DecodeRow{"gb_cut_after_the_lead", kGb, "a\xC5", "a", DecodeStop::Incomplete},
        DecodeRow{"gb_cut_in_four_bytes", kGb, "a\x81\x30\x81", "a", DecodeStop::Incomplete},
        DecodeRow{"gb_bad_trail", kGb, "a\xC5\x20", "a", DecodeStop::Invalid},
        DecodeRow{"le_ascii_and_chinese", kLe, std::string("Q\0=\0\x92\x63", 6), "Q=排", kDone},
        DecodeRow{"be_surrogate_pair", kBe, std::string("\xD8\x40\xDC\x00", 4), "\U00020000",
                  kDone},
        DecodeRow{"le_lone_low_surrogate", kLe, std::string("\x00\xDC", 2), "",
                  DecodeStop::Invalid},
        DecodeRow{"le_high_surrogate_then_letter", kLe, std::string("\x00\xD8\x41\x00", 4), "",
                  DecodeStop::Invalid},
        DecodeRow{"le_cut_pair", kLe, std::string("\x00\xD8\xDC", 3), "", DecodeStop::Incomplete},
        DecodeRow{"le_odd_byte", kLe, std::string("a\0b", 3), "a", DecodeStop::Incomplete}));

TEST(Decoding, StopsBeforeACharacterWithoutRoom) {
    const DecodeRow row{"", kGb, "a\xC5\xC5", "", kDone};
    DecodeStop stop = DecodeStop::Invalid;
    EXPECT_EQ(decodeAll(row, stop, 3), "a");  // 排 needs three bytes; two are left
    EXPECT_EQ(stop, kDone);
}

}  // namespace
}  // namespace bithydraulics

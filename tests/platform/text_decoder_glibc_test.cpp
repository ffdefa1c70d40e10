// The decoder against glibc's iconv on every sequence of the encodings' byte patterns; glibc is
// the reference, so this test is built on Linux only.
#include <iconv.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/text_decoder.h"

namespace bithydraulics {
namespace {

struct Reading {
    std::string utf8;
    DecodeStop stop = DecodeStop::Done;
    bool operator==(const Reading&) const = default;
};

class GlibcConverter {
  public:
    explicit GlibcConverter(const char* from) : converter_(iconv_open("UTF-8", from)) {}
    ~GlibcConverter() { iconv_close(converter_); }
    GlibcConverter(const GlibcConverter&) = delete;
    GlibcConverter& operator=(const GlibcConverter&) = delete;

    Reading read(const std::string& bytes) {
        iconv(converter_, nullptr, nullptr, nullptr, nullptr);
        char out[64];
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        char* to = out;
        std::size_t outLeft = sizeof out;
        Reading reading;
        if (iconv(converter_, &in, &inLeft, &to, &outLeft) == static_cast<std::size_t>(-1)) {
            reading.stop = errno == EINVAL ? DecodeStop::Incomplete : DecodeStop::Invalid;
        }
        reading.utf8.assign(out, to);
        return reading;
    }

  private:
    iconv_t converter_;
};

Reading ours(SourceEncoding encoding, const std::string& bytes) {
    char out[64];
    const DecodeStep step = decodeToUtf8(encoding, bytes, out, sizeof out);
    return {std::string(out, step.written), step.stop};
}

std::string bytes(std::initializer_list<unsigned> values) {
    std::string text;
    for (const unsigned value : values) {
        text += static_cast<char>(value);
    }
    return text;
}

TEST(DecoderAgainstGlibc, Gb18030EveryOneTwoAndFourByteSequence) {
    GlibcConverter glibc("GB18030");
    int differences = 0;
    const auto check = [&](const std::string& sequence) {
        const Reading expected = glibc.read(sequence);
        const Reading actual = ours(SourceEncoding::Gb18030, sequence);
        if (actual != expected && ++differences < 20) {
            ADD_FAILURE() << testing::PrintToString(sequence) << ": glibc "
                          << static_cast<int>(expected.stop) << " "
                          << testing::PrintToString(expected.utf8) << ", ours "
                          << static_cast<int>(actual.stop) << " "
                          << testing::PrintToString(actual.utf8);
        }
    };
    for (unsigned a = 0; a < 256; ++a) {
        check(bytes({a}));
        for (unsigned b = 0; b < 256; ++b) {
            check(bytes({a, b}));
        }
    }
    for (unsigned a = 0x81; a <= 0xFE; ++a) {
        for (unsigned b = 0x30; b <= 0x39; ++b) {
            for (unsigned c = 0; c < 256; ++c) {
                check(bytes({a, b, c}));
                if (c < 0x81 || c == 0xFF) {
                    check(bytes({a, b, c, 0x30}));
                    continue;
                }
                for (unsigned d = 0x2F; d <= 0x3A; ++d) {
                    check(bytes({a, b, c, d}));
                }
            }
        }
    }
    EXPECT_EQ(differences, 0);
}

TEST(DecoderAgainstGlibc, Utf16EveryUnitAndEverySurrogatePair) {
    for (const bool big : {false, true}) {
        GlibcConverter glibc(big ? "UTF-16BE" : "UTF-16LE");
        const auto encoding =
            big ? SourceEncoding::Utf16BigEndian : SourceEncoding::Utf16LittleEndian;
        const auto unit = [big](unsigned value) {
            return big ? bytes({value >> 8, value & 0xFF}) : bytes({value & 0xFF, value >> 8});
        };
        int differences = 0;
        const auto check = [&](const std::string& sequence) {
            if (ours(encoding, sequence) != glibc.read(sequence) && ++differences < 20) {
                ADD_FAILURE() << testing::PrintToString(sequence);
            }
        };
        for (unsigned first = 0; first < 0x10000; ++first) {
            check(unit(first));
            check(unit(first).substr(0, 1));
        }
        for (unsigned high = 0xD800; high < 0xDC00; ++high) {
            check(unit(high) + unit('a'));
            check(unit(high) + unit(0xD800));
            for (unsigned low = 0xDC00; low < 0xE000; low += big ? 7 : 1) {
                check(unit(high) + unit(low));
            }
        }
        EXPECT_EQ(differences, 0);
    }
}

}  // namespace
}  // namespace bithydraulics

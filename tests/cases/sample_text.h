#pragma once

#include <cerrno>
#include <cstdint>
#include <map>
#include <sstream>
#include <streambuf>
#include <string>
#include <system_error>
#include <vector>

#include "platform/gb18030_table.h"
#include "platform/utf8_character.h"

// Texts for the tests of reading and writing case tables: lines, encodings, a failing stream.
namespace bithydraulics::cases {

// The lines of `text`, without their line feeds.
inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// GB18030's sequence for each code point beyond ASCII, from the decoding tables, which a Linux
// test checks against glibc: two bytes where there are two, else four.
inline const std::map<char32_t, std::string>& gb18030Sequences() {
    static const std::map<char32_t, std::string> sequences = [] {
        std::map<char32_t, std::string> map;
        for (std::uint32_t run = 0; run < kGb18030FourByteRuns.size(); ++run) {
            const Gb18030Run& r = kGb18030FourByteRuns[run];
            // Beyond U+FFFF the runs hold every code point: fourBytes() works those out.
            for (std::uint32_t n = r.first; n <= r.last && r.codePoint < 0x10000; ++n) {
                const std::uint32_t b4 = n % 10, b3 = n / 10 % 126, b2 = n / 1260 % 10,
                                    b1 = n / 12600;
                map[r.codePoint + (n - r.first)] = {
                    static_cast<char>(0x81 + b1), static_cast<char>(0x30 + b2),
                    static_cast<char>(0x81 + b3), static_cast<char>(0x30 + b4)};
            }
        }
        const auto twoBytes = [](std::uint32_t index) {
            const std::uint32_t trail = index % 190;
            return std::string{static_cast<char>(0x81 + index / 190),
                               static_cast<char>(trail + (trail < 0x3F ? 0x40 : 0x41))};
        };
        for (std::uint32_t index = 0; index < kGb18030TwoByte.size(); ++index) {
            if (kGb18030TwoByte[index] != 0) {
                map[kGb18030TwoByte[index]] = twoBytes(index);
            }
        }
        for (const Gb18030Pair& pair : kGb18030TwoByteBeyondBmp) {
            map[pair.codePoint] = twoBytes(pair.index);
        }
        return map;
    }();
    return sequences;
}

// `text`, well-formed UTF-8, in "GB18030", "UTF-16LE", "UTF-16BE" or "UTF-8": the reference for
// what the readers convert.
inline std::string converted(const std::string& text, const std::string& encoding) {
    std::string result;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = firstUtf8Character(std::string_view(text).substr(at));
        at += character.length;
        const char32_t point = character.codePoint;
        if (encoding == "UTF-8") {
            result += text.substr(at - character.length, character.length);
            continue;
        }
        if (encoding == "GB18030") {
            const auto& sequences = gb18030Sequences();
            const auto found = sequences.find(point);
            if (point < 0x80) {
                result += static_cast<char>(point);
            } else if (found != sequences.end()) {
                result += found->second;
            } else {
                // U+10000 onwards: 0x90308130 onwards, in order.
                const std::uint32_t n = point - 0x10000;
                result +=
                    {static_cast<char>(0x90 + n / 12600), static_cast<char>(0x30 + n / 1260 % 10),
                     static_cast<char>(0x81 + n / 10 % 126), static_cast<char>(0x30 + n % 10)};
            }
            continue;
        }
        const auto unit = [&](std::uint32_t value) {
            const char high = static_cast<char>(value >> 8);
            const char low = static_cast<char>(value & 0xFF);
            result += encoding == "UTF-16BE" ? std::string{high, low} : std::string{low, high};
        };
        if (point < 0x10000) {
            unit(point);
        } else {
            unit(0xD800 + ((point - 0x10000) >> 10));
            unit(0xDC00 + ((point - 0x10000) & 0x3FF));
        }
    }
    return result;
}

// A stream that gives `text` and then fails as a faulty disk does.
class FailingBuffer : public std::streambuf {
  public:
    explicit FailingBuffer(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

  protected:
    int_type underflow() override {
        throw std::ios_base::failure("read", std::error_code(EIO, std::generic_category()));
    }

  private:
    std::string text_;
};

}  // namespace bithydraulics::cases

#pragma once

#include <cstddef>
#include <string_view>

// Text in UTF-16 or GB18030 turned into UTF-8, the same on every platform: the system's converters
// differ (Windows' GB18030 code page least of all to be trusted).
namespace bithydraulics {

enum class SourceEncoding { Utf16LittleEndian, Utf16BigEndian, Gb18030 };

enum class DecodeStop {
    Done,        // every byte read, or no room left in the output for the next character
    Incomplete,  // the bytes left begin a character that they do not finish
    Invalid,     // the bytes at `read` are not a character of the encoding
};

struct DecodeStep {
    std::size_t read = 0;     // bytes taken from the input: whole characters only
    std::size_t written = 0;  // bytes of UTF-8 written
    DecodeStop stop = DecodeStop::Done;
};

// Converts as many whole characters of `input` as `output` (of `capacity` bytes) has room for.
// Unpaired surrogates and unmapped sequences are invalid; nothing is replaced.
DecodeStep decodeToUtf8(SourceEncoding encoding, std::string_view input, char* output,
                        std::size_t capacity);

}  // namespace bithydraulics

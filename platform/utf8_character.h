#pragma once

#include <cstddef>
#include <string_view>

// One UTF-8 character at a time, and the columns it takes on a terminal.
namespace bithydraulics {

struct Utf8Character {
    char32_t codePoint = 0;
    std::size_t length = 0;  // 0: the text does not begin with a well-formed character
};

// The character `text` (not empty) begins with. Overlong forms, surrogates, code points beyond
// U+10FFFF and stray or missing continuation bytes are not well formed.
Utf8Character firstUtf8Character(std::string_view text);

// Columns on a terminal: East Asian wide and full-width characters take two, combining marks and
// controls none, everything else one.
std::size_t characterWidth(char32_t codePoint);

}  // namespace bithydraulics

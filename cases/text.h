#pragma once

#include <cstddef>
#include <string_view>

// UTF-8 text: well-formedness and width on a terminal.
namespace bithydraulics::cases {

// The offset of the first byte that does not begin a well-formed UTF-8 character (an overlong
// form, a surrogate, a code point beyond U+10FFFF, a stray or missing continuation byte), or npos
// when the whole text is well formed.
std::size_t findInvalidUtf8(std::string_view text);

inline bool isValidUtf8(std::string_view text) {
    return findInvalidUtf8(text) == std::string_view::npos;
}

// Columns `text` takes on a terminal: East Asian wide and full-width characters take two,
// combining marks none. A byte that is not UTF-8 counts as one column.
std::size_t displayWidth(std::string_view text);

// The longest start of `text` that takes at most `width` columns.
std::string_view leadingColumns(std::string_view text, std::size_t width);

}  // namespace bithydraulics::cases

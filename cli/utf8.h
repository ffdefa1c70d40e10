#pragma once

#include <cstddef>
#include <string_view>

namespace bithydraulics::cli {

// The offset of the first byte that does not begin a well-formed UTF-8 character (an overlong
// form, a surrogate, a code point beyond U+10FFFF, a stray or missing continuation byte), or npos
// when the whole text is well formed.
std::size_t findInvalidUtf8(std::string_view text);

inline bool isValidUtf8(std::string_view text) {
    return findInvalidUtf8(text) == std::string_view::npos;
}

}  // namespace bithydraulics::cli

#pragma once

#include <string>
#include <string_view>

// UTF-8, as the rest of the program holds text, and UTF-16, as Windows' wide calls take it.
namespace bithydraulics::win32 {

std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

}  // namespace bithydraulics::win32

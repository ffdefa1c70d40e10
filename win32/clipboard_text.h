#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Text on the Windows clipboard, in UTF-8 on the program's side.
namespace bithydraulics::win32 {

// The clipboard's text, or nothing when it holds none or cannot be opened.
std::optional<std::string> clipboardText(HWND owner);

// Puts `text` on the clipboard; line breaks become CRLF, as Windows programs expect them.
bool setClipboardText(HWND owner, const std::string& text);

}  // namespace bithydraulics::win32

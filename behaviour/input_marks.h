#pragma once

#include <optional>
#include <string>
#include <string_view>

// Input marks: a field whose text the compute command reads only in part ("15mm" reads 15,
// "1,820" reads 1, "abc" reads 0) is marked before 运算, and its tooltip says what was read. The
// figures themselves are not changed; a mark goes when its field is edited.
namespace bithydraulics {

// The note a marked field's tooltip adds ("读作 15"), or nothing when `text` reads whole or
// holds a figure too large to read (which the compute command reports instead).
std::optional<std::string> partlyReadNote(std::string_view text);

// The field's tooltip with `note` under it.
std::string markedToolTip(std::string_view toolTip, std::string_view note);

}  // namespace bithydraulics

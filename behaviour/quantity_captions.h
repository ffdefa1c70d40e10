#pragma once

#include <string>
#include <string_view>

#include "calc/quantities.h"

// How every window names the quantity behind each field of the main window, taken from the
// calculation's catalogue.
namespace bithydraulics {

// The caption on the row of field `index` (0..19), e.g. "泵压".
std::string_view fieldCaption(int index);

// The unit of field `index`'s text, e.g. "L/s"; results give their display unit.
std::string_view fieldUnit(int index);

// The quantity and unit of field `index`, e.g. "排量 (L/s)"; results give their display unit.
std::string fieldToolTip(int index);

// A caption with its unit, "排量 (L/s)"; the caption alone for a quantity without a unit.
std::string withUnit(std::string_view caption, std::string_view unit);

}  // namespace bithydraulics

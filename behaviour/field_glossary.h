#pragma once

#include <string>
#include <string_view>

// How every window names the quantity behind each of the twenty fields, taken from the
// calculation's catalogue.
namespace bithydraulics {

// The caption on the row of field `index` (0..19), e.g. "泵压".
std::string_view fieldCaption(int index);

// The unit of field `index`'s text, e.g. "L/s"; results give their display unit.
std::string_view fieldUnit(int index);

// The quantity and unit of field `index`, e.g. "排量 (L/s)"; results give their display unit.
std::string fieldToolTip(int index);

// The caption of the quantity named `name` (an input or result field name, as a fault names
// where it arose), e.g. "功率利用率" for "powerUtilization". The nozzle area, which has no
// field, is "喷嘴面积", and the optimiser's own figures have theirs ("equivalentDensity" is
// "当量循环密度"); an unknown name is returned as it is.
std::string_view quantityCaption(std::string_view name);

}  // namespace bithydraulics

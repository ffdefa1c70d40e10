#pragma once

#include <string>
#include <string_view>

#include "calc/compute_command.h"
#include "platform/ui/fault_report.h"

// How the window names the quantity behind each field, taken from the calculation's catalogue.
namespace bithydraulics {

// The caption on the row of field `index` (0..19), e.g. "泵压".
std::string_view fieldCaption(int index);

// The unit of field `index`'s text, e.g. "L/s"; results give their display unit.
std::string_view fieldUnit(int index);

// The quantity and unit of field `index`, e.g. "排量 (L/s)"; results give their display unit.
std::string fieldToolTip(int index);

// The caption of the quantity named `name` (an input or result field name, as a fault names
// where it arose), e.g. "功率利用率" for "powerUtilization". The nozzle area, which has no
// field, is "喷嘴面积"; an unknown name is returned as it is.
std::string_view quantityCaption(std::string_view name);

// Where a fault located at the quantity named `name` arose, for the fault report: its caption
// and the input figures its step takes, with the texts that `fields` hold.
FaultLocation faultLocation(std::string_view name, const FieldArray& fields);

}  // namespace bithydraulics

#pragma once

#include <string>
#include <string_view>

#include "behaviour/field_glossary.h"
#include "calc/compute_command.h"
#include "platform/ui/fault_report.h"

// The fault report's location in the Qt window's texts; the names themselves are the glossary's.
namespace bithydraulics {

// Where a fault located at the quantity named `name` arose, for the fault report: its caption
// and the input figures its step takes, with the texts that `fields` hold.
FaultLocation faultLocation(std::string_view name, const FieldArray& fields);

}  // namespace bithydraulics

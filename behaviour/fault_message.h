#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/compute_command.h"
#include "platform/calculation_fault.h"

// The report of a calculation fault in the user's words, decided apart from how it is shown:
// what went wrong, where, and which figures to check. Texts are UTF-8.
namespace bithydraulics {

// Where a fault arose, in the user's terms: the caption of the quantity whose step failed, and
// the input figures that step takes, each as its caption and the text it was read from.
struct FaultLocation {
    std::string quantity;  // "功率利用率"; empty when unknown
    std::vector<std::pair<std::string, std::string>> figures;  // {"泵压", "0"}
};

// Where a fault located at the quantity named `name` arose: its caption and the input figures
// its step takes, with the texts that `fields` hold. A name the glossary does not know gives no
// caption rather than the program's own name for it.
FaultLocation faultLocation(std::string_view name, const FieldArray& fields);

// The report's lines, each a phrase not to be broken: the fault ("错误 11：除数为零"), where it
// arose ("出错之处：功率利用率"), then what to check, one figure a line ("请检查：泵压 = 0",
// an empty field as "（空）", a long text cut short).
std::vector<std::string> faultMessageLines(const CalculationFault& fault,
                                           const FaultLocation& location);

// What the report adds below: that nothing was changed and what to do.
std::vector<std::string> faultAdviceLines();

// The whole report as plain text, for a message box that breaks lines only where the text does:
// the report's lines, a blank line, then the advice.
std::string faultReportPlainText(const CalculationFault& fault, const FaultLocation& location);

}  // namespace bithydraulics

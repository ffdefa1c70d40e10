#pragma once

#include <string>
#include <vector>

#include "calc/compute_command.h"
#include "platform/calculation_fault.h"

// What the report of a calculation fault says, whichever window shows it: the fault's number and
// kind ("错误 11：除数为零"), the quantity whose step failed ("出错之处：功率利用率"), the input
// figures that step takes as the fields hold them ("请检查：泵压 = 0", one a line), and that
// nothing was changed. Each line is a phrase that a window shows unbroken.
namespace bithydraulics {

struct FaultMessage {
    std::vector<std::string> lines;   // the fault, where, what to check
    std::vector<std::string> advice;  // 各栏内容保持不变，请修改后重新运算。
};

// The report of `fault`, quoting the texts that `fields` hold. A long figure is cut short with
// "…", an empty one reads （空）, and control characters show as blanks.
FaultMessage faultMessage(const CalculationFault& fault, const FieldArray& fields);

// The lines of `message` as one text, a line break between lines and a blank line before the
// advice.
std::string faultMessageText(const FaultMessage& message);

}  // namespace bithydraulics

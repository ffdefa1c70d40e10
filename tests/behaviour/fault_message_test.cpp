// The fault report's words: never the program's own names, never an empty figure left blank.
#include "behaviour/fault_message.h"

#include <gtest/gtest.h>

namespace bithydraulics {
namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + '\n';
    }
    return text;
}

TEST(FaultMessage, NamesTheStepAndTheFiguresToCheck) {
    InMemoryFieldArray fields;
    fields.replaceText(10, "0");
    const CalculationFault fault(FaultKind::DivisionByZero, "powerUtilization");
    EXPECT_EQ(faultMessageLines(fault, faultLocation(fault.quantity(), fields)),
              (std::vector<std::string>{"错误 11：除数为零", "出错之处：功率利用率",
                                        "请检查：泵压 = 0"}));
}

TEST(FaultMessage, AnEmptyFieldIsNamedEmpty) {
    InMemoryFieldArray fields;
    fields.replaceText(10, "");
    const std::string text = joined(faultMessageLines(CalculationFault(FaultKind::DivisionByZero),
                                                      faultLocation("powerUtilization", fields)));
    EXPECT_NE(text.find("泵压 = （空）"), std::string::npos) << text;
}

TEST(FaultMessage, NeverShowsTheProgramsOwnNames) {
    InMemoryFieldArray fields;
    for (const std::string_view name : {"lossCoefficient", "equivalentDensity", "someNewFigure"}) {
        const std::string text = joined(
            faultMessageLines(CalculationFault(FaultKind::Overflow), faultLocation(name, fields)));
        EXPECT_EQ(text.find(name), std::string::npos) << text;
    }
    EXPECT_NE(joined(faultMessageLines(CalculationFault(FaultKind::Overflow),
                                       faultLocation("lossCoefficient", fields)))
                  .find("出错之处：循环压耗系数"),
              std::string::npos);
}

TEST(FaultMessage, ALongFigureIsCutShortOnACharacter) {
    InMemoryFieldArray fields;
    fields.replaceText(10, std::string(30, 'x') + "泵泵泵");
    fields.replaceText(3, "泵压泵压泵压泵压泵压泵压泵压泵压泵压泵压泵压泵压泵压");
    const std::string text = joined(faultMessageLines(
        CalculationFault(FaultKind::Overflow), faultLocation("annularVelocityPipe", fields)));
    EXPECT_NE(text.find("排量 = 泵压泵压泵压泵压泵压泵压泵压泵压泵压泵压泵压泵…"),
              std::string::npos)
        << text;
    const std::string pump = joined(faultMessageLines(CalculationFault(FaultKind::Overflow),
                                                      faultLocation("powerUtilization", fields)));
    EXPECT_NE(pump.find("泵压 = " + std::string(23, 'x') + "…"), std::string::npos) << pump;
}

}  // namespace
}  // namespace bithydraulics

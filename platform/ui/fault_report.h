#pragma once

#include <QString>
#include <memory>
#include <string_view>

#include "platform/calculation_fault.h"

class QMessageBox;
class QWidget;

// The report of a calculation fault that no command handles: one modal message that names the
// fault's number, its kind in Chinese and the quantity where it arose.
namespace bithydraulics {

// The body of the report, e.g. "错误 11：除数为零" and where it arose.
QString faultReportText(const CalculationFault& fault, std::string_view whereCaption);

// The report as a modal message box over `window`, titled with the window's title and in its
// font, ready to be shown.
std::unique_ptr<QMessageBox> makeFaultReportBox(QWidget& window, const CalculationFault& fault,
                                                std::string_view whereCaption);

class FaultReporter {
  public:
    virtual ~FaultReporter() = default;
    // Tells the user about `fault`, which arose in the quantity captioned `whereCaption`.
    // Returns when the user has dismissed the report.
    virtual void report(QWidget& window, const CalculationFault& fault,
                        std::string_view whereCaption) = 0;
};

// Shows the report's message box and waits for the user to dismiss it.
class MessageBoxFaultReporter final : public FaultReporter {
  public:
    void report(QWidget& window, const CalculationFault& fault,
                std::string_view whereCaption) override;
};

}  // namespace bithydraulics

#pragma once

#include <QString>
#include <memory>

#include "behaviour/fault_message.h"
#include "platform/calculation_fault.h"

class QMessageBox;
class QWidget;

// The report of a calculation fault that no command handles: one modal message that names the
// fault's number, its kind in Chinese, the quantity where it arose and the figures to check.
namespace bithydraulics {

// The body of the report as rich text, one phrase a line and no line broken inside
// (faultMessageLines()).
QString faultReportText(const CalculationFault& fault, const FaultLocation& location);

// The report as a modal message box over `window`, titled with the window's title and in its
// font, ready to be shown.
std::unique_ptr<QMessageBox> makeFaultReportBox(QWidget& window, const CalculationFault& fault,
                                                const FaultLocation& location);

class FaultReporter {
  public:
    virtual ~FaultReporter() = default;
    // Tells the user about `fault`, which arose at `location`. Returns when the user has
    // dismissed the report.
    virtual void report(QWidget& window, const CalculationFault& fault,
                        const FaultLocation& location) = 0;
};

// Shows the report's message box and waits for the user to dismiss it.
class MessageBoxFaultReporter final : public FaultReporter {
  public:
    void report(QWidget& window, const CalculationFault& fault,
                const FaultLocation& location) override;
};

}  // namespace bithydraulics

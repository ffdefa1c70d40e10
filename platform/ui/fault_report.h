#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <utility>

#include "platform/calculation_fault.h"

class QMessageBox;
class QWidget;

// The report of a calculation fault that no command handles: one modal message that names the
// fault's number, its kind in Chinese, the quantity where it arose and the figures to check.
namespace bithydraulics {

// Where a fault arose, in the user's terms: the caption of the quantity whose step failed, and
// the input figures that step takes, each as its caption and the text it was read from.
struct FaultLocation {
    QString quantity;                            // "功率利用率"; empty when unknown
    QList<std::pair<QString, QString>> figures;  // {"泵压", "0"}
};

// The body of the report as rich text, one phrase a line and no line broken inside: the fault
// ("错误 11：除数为零"), where it arose ("出错之处：功率利用率"), then what to check
// ("请检查：泵压 = 0").
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

#include "platform/ui/fault_report.h"

#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace bithydraulics {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Lines that wrap only where they break: a message box wraps its text to its own width, which
// would cut a Chinese phrase anywhere.
QString unwrappedLines(const std::vector<std::string>& lines) {
    QStringList escaped;
    for (const std::string& line : lines) {
        escaped << fromUtf8(line).toHtmlEscaped();
    }
    return QStringLiteral("<p style=\"white-space:pre\">") + escaped.join(QStringLiteral("<br>")) +
           QStringLiteral("</p>");
}

}  // namespace

QString faultReportText(const CalculationFault& fault, const FaultLocation& location) {
    return unwrappedLines(faultMessageLines(fault, location));
}

std::unique_ptr<QMessageBox> makeFaultReportBox(QWidget& window, const CalculationFault& fault,
                                                const FaultLocation& location) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Critical, window.windowTitle(),
                                      faultReportText(fault, location), QMessageBox::Ok, &window);
    box->setTextFormat(Qt::RichText);
    box->setInformativeText(unwrappedLines(faultAdviceLines()));
    box->setFont(window.font());
    box->button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    return box;
}

void MessageBoxFaultReporter::report(QWidget& window, const CalculationFault& fault,
                                     const FaultLocation& location) {
    makeFaultReportBox(window, fault, location)->exec();
}

}  // namespace bithydraulics

#include "platform/ui/fault_report.h"

#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace bithydraulics {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString faultReportText(const CalculationFault& fault, std::string_view whereCaption) {
    QString text = QStringLiteral("错误 %1：%2")
                       .arg(fault.errorNumber())
                       .arg(fromUtf8(faultKindDescription(fault.kind())));
    if (!whereCaption.empty()) {
        text += QStringLiteral("\n出错之处：%1").arg(fromUtf8(whereCaption));
    }
    return text;
}

std::unique_ptr<QMessageBox> makeFaultReportBox(QWidget& window, const CalculationFault& fault,
                                                std::string_view whereCaption) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, window.windowTitle(),
                                             faultReportText(fault, whereCaption), QMessageBox::Ok,
                                             &window);
    box->setInformativeText(QStringLiteral("各栏内容保持不变，请修改后重新运算。"));
    box->setFont(window.font());
    box->button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    return box;
}

void MessageBoxFaultReporter::report(QWidget& window, const CalculationFault& fault,
                                     std::string_view whereCaption) {
    makeFaultReportBox(window, fault, whereCaption)->exec();
}

}  // namespace bithydraulics

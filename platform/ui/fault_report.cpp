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
QString unwrappedLines(const QStringList& lines) {
    QStringList escaped;
    for (const QString& line : lines) {
        escaped << line.toHtmlEscaped();
    }
    return QStringLiteral("<p style=\"white-space:pre\">") + escaped.join(QStringLiteral("<br>")) +
           QStringLiteral("</p>");
}

// A figure's text as the report quotes it: a long one cut short, so that its line stays short.
QString quoted(const QString& text) {
    constexpr qsizetype kLongest = 24;
    QString shown = text.size() > kLongest ? text.left(kLongest - 1) + QChar(0x2026) : text;
    for (QChar& c : shown) {
        c = c.isPrint() ? c : QChar(' ');
    }
    return shown;
}

}  // namespace

QString faultReportText(const CalculationFault& fault, const FaultLocation& location) {
    QStringList lines{QStringLiteral("错误 %1：%2")
                          .arg(fault.errorNumber())
                          .arg(fromUtf8(faultKindDescription(fault.kind())))};
    if (!location.quantity.isEmpty()) {
        lines << QStringLiteral("出错之处：%1").arg(location.quantity);
    }
    // One figure a line, lined up under the first.
    const QString checkLabel = QStringLiteral("请检查：");
    const QString indent = QStringLiteral("　　　　");  // as wide as the label
    for (qsizetype i = 0; i < location.figures.size(); ++i) {
        const auto& [caption, text] = location.figures[i];
        lines << (i == 0 ? checkLabel : indent) +
                     QStringLiteral("%1 = %2").arg(caption, quoted(text));
    }
    return unwrappedLines(lines);
}

std::unique_ptr<QMessageBox> makeFaultReportBox(QWidget& window, const CalculationFault& fault,
                                                const FaultLocation& location) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Critical, window.windowTitle(),
                                      faultReportText(fault, location), QMessageBox::Ok, &window);
    box->setTextFormat(Qt::RichText);
    box->setInformativeText(unwrappedLines(
        {QStringLiteral("各栏内容保持不变，"), QStringLiteral("请修改后重新运算。")}));
    box->setFont(window.font());
    box->button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    return box;
}

void MessageBoxFaultReporter::report(QWidget& window, const CalculationFault& fault,
                                     const FaultLocation& location) {
    makeFaultReportBox(window, fault, location)->exec();
}

}  // namespace bithydraulics

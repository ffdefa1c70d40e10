// bit-hydraulics' start-up, as its entry point does it, with a probe at the first paint.
#include <QApplication>

#include "first_paint_probe.h"
#include "platform/ui/fault_report.h"
#include "platform/version.h"
#include "window/hydraulics_form.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bit-hydraulics"));
    QApplication::setApplicationVersion(
        QString::fromUtf8(bithydraulics::kDisplayVersion.data(),
                          static_cast<qsizetype>(bithydraulics::kDisplayVersion.size())));
    QApplication::setDesktopFileName(QStringLiteral("bit-hydraulics"));

    bithydraulics::MessageBoxFaultReporter faults;
    bithydraulics::HydraulicsForm form(faults);
    FirstPaintProbe probe(form);
    form.show();
    return QApplication::exec();
}

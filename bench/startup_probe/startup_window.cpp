// bit-hydraulics' start-up, as its entry point does it, with a probe at the first paint.
#include <QApplication>

#include "first_paint_probe.h"
#include "platform/ui/fault_report.h"
#include "window/hydraulics_form.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bit-hydraulics"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("bit-hydraulics"));

    bithydraulics::MessageBoxFaultReporter faults;
    bithydraulics::HydraulicsForm form(faults);
    FirstPaintProbe probe(form);
    form.show();
    return QApplication::exec();
}

// bit-hydraulics: starts the GUI library, shows the one window and runs its event loop.
#include <QApplication>
#include <cstdio>

#include "platform/ui/display_check.h"
#include "platform/ui/fault_report.h"
#include "platform/version.h"
#include "window/hydraulics_form.h"

int main(int argc, char* argv[]) {
    using namespace bithydraulics;
    if (const auto reason = missingDisplay(currentDisplaySettings(argc, argv))) {
        std::fprintf(stderr, "bit-hydraulics: %s\n", reason->c_str());
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bit-hydraulics"));
    QApplication::setApplicationVersion(
        QString::fromUtf8(kDisplayVersion.data(), static_cast<qsizetype>(kDisplayVersion.size())));
    QApplication::setDesktopFileName(QStringLiteral("bit-hydraulics"));

    MessageBoxFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    return QApplication::exec();
}

#include "window/program_start.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "platform/ui/display_check.h"
#include "platform/ui/fault_report.h"
#include "platform/version.h"
#include "window/font_configuration_warmup.h"
#include "window/hydraulics_form.h"
#include "window/program_icon.h"

namespace bithydraulics {

int runProgram(int& argc, char* argv[], const std::function<void(HydraulicsForm&)>& beforeShowing) {
    const DisplaySettings display = currentDisplaySettings(argc, argv);
    if (const auto reason = missingDisplay(display)) {
        std::fprintf(stderr, "bit-hydraulics: %s\n", reason->c_str());
        return 1;
    }

    FontConfigurationWarmUp fonts;
    std::optional<DisplayStartWatch> watch(display);
    QApplication application(argc, argv);
    watch.reset();
    fonts.finish();
    // The settings' place: ~/.config/bit-hydraulics/bit-hydraulics.conf on Linux.
    QApplication::setOrganizationName(QStringLiteral("bit-hydraulics"));
    QApplication::setApplicationName(QStringLiteral("bit-hydraulics"));
    QApplication::setApplicationVersion(
        QString::fromUtf8(kDisplayVersion.data(), static_cast<qsizetype>(kDisplayVersion.size())));
    QApplication::setDesktopFileName(QStringLiteral("bit-hydraulics"));
    QApplication::setWindowIcon(programIcon());

    MessageBoxFaultReporter faults;
    QSettings settings;
    HydraulicsForm form({faults, nullptr, &settings});
    if (beforeShowing) {
        beforeShowing(form);
    }
    form.show();
    // A case file named on the command line, as a file manager starts the program on one: opened
    // once the window is up, where its messages and case chooser belong.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        QTimer::singleShot(0, &form, [&form, path = arguments[1]] { form.openCaseFile(path); });
    }
    return QApplication::exec();
}

}  // namespace bithydraulics

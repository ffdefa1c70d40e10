#include "window/tool_windows.h"

#include <QDir>
#include <QFile>
#include <algorithm>

#include "behaviour/write_failure_text.h"
#include "platform/atomic_file.h"
#include "window/close_on_escape.h"
#include "window/hydraulics_form.h"
#include "window/main_menu.h"
#include "window/optimization_window.h"
#include "window/tools_session.h"
#include "window/user_dialogs.h"
#include "window/window_memory.h"
#include "window/window_placement.h"

namespace bithydraulics {
namespace {

// The chart as tall as the screen allows, about as wide as it is tall.
QSize chartSize(const QRect& area) {
    return {std::min(area.width() * 2 / 3, area.height() * 4 / 3), area.height()};
}

void bringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

ToolWindows::ToolWindows(HydraulicsForm& form, UserDialogs& dialogs, WindowMemory& memory)
    : form_(form), dialogs_(dialogs), memory_(memory), chartLoader_(form.chartLibraryFolder()) {}

ToolWindows::~ToolWindows() {
    // They hold on to the session and to this host.
    delete optimization_;
    delete chartWindow_;
}

OptimizationWindow* ToolWindows::optimizationWindow() const {
    return optimization_;
}

ToolsSession& ToolWindows::session() {
    if (!session_) {
        session_ = std::make_unique<ToolsSession>(form_, memory_);
        QObject::connect(session_.get(), &ToolsSession::changed, session_.get(),
                         [this] { drawChart(); });
    }
    return *session_;
}

void ToolWindows::showOptimization() {
    if (optimization_ == nullptr) {
        ToolsSession& tools = session();
        tools.readMainWindow();
        optimization_ = new OptimizationWindow(form_, tools);
        closeOnEscape(*optimization_);
        placeBeside(*optimization_, form_, optimization_->preferredSize());
        shareEveryWindowShortcuts(form_, *optimization_);
    }
    bringToFront(*optimization_);
}

void ToolWindows::showFlowChart() {
    if (chartWindow_ == nullptr) {
        QString problem;
        FlowChartLibrary* library = chartLoader_.library(problem);
        if (library == nullptr) {
            dialogs_.error(form_, problem);
            return;
        }
        chart_ = library->createWindow(form_, *this);
        chartWindow_ = chart_->widget();
        closeOnEscape(*chartWindow_);
        placeBeside(*chartWindow_, form_, chartSize(availableArea(form_)));
        // Named for a screen reader as its title names it.
        if (chartWindow_->accessibleName().isEmpty()) {
            chartWindow_->setAccessibleName(chartWindow_->windowTitle());
        }
        shareEveryWindowShortcuts(form_, *chartWindow_);
        // Drawn as the session changes, the first time now.
        session().readMainWindow();
    }
    bringToFront(*chartWindow_);
}

void ToolWindows::drawChart() {
    if (chartWindow_ != nullptr) {
        chart_->showFigures(session_->chartFigures());
    }
}

QString ToolWindows::fileToSave(QWidget& window, const QString& title, const QString& fileName,
                                const QString& filter) {
    const QString path =
        dialogs_.fileToSave(window, title, QDir(memory_.lastFolder()).filePath(fileName), filter);
    if (!path.isEmpty()) {
        memory_.rememberFolderOf(path);
    }
    return path;
}

bool ToolWindows::writeFile(QWidget& window, const QString& path, const QByteArray& bytes) {
    const platform::WriteFailure failure = platform::writeFileAtomically(
        QFile::encodeName(path).toStdString(),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (failure.failed()) {
        dialogs_.error(window,
                       QString::fromStdString(writeFailureText(failure, path.toStdString())));
    }
    return !failure.failed();
}

}  // namespace bithydraulics

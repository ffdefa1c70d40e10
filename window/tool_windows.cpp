#include "window/tool_windows.h"

#include <QDir>

#include "window/hydraulics_form.h"
#include "window/main_menu.h"
#include "window/optimization_window.h"
#include "window/tools_session.h"
#include "window/user_dialogs.h"
#include "window/window_memory.h"

namespace bithydraulics {
namespace {

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

void ToolWindows::error(QWidget& window, const QString& text) {
    dialogs_.error(window, text);
}

}  // namespace bithydraulics

#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "window/flow_chart_interface.h"
#include "window/flow_chart_loader.h"

namespace bithydraulics {

class HydraulicsForm;
class OptimizationWindow;
class ToolsSession;
class UserDialogs;
class WindowMemory;

// The 工具 menu's two windows, 水力参数优选 and 排量曲线, one of each, made when first opened (the
// chart's library loaded then), and what they share: the main window's figures and the limits.
// Nothing is made or read at start-up.
class ToolWindows final : public FlowChartHost {
  public:
    ToolWindows(HydraulicsForm& form, UserDialogs& dialogs, WindowMemory& memory);
    ~ToolWindows();

    // Opens the window with the main window's current figures, or brings it to the front.
    void showOptimization() override;
    void showFlowChart();

    OptimizationWindow* optimizationWindow() const;
    QWidget* flowChartWindow() const { return chartWindow_; }

    QString fileToSave(QWidget& window, const QString& title, const QString& fileName,
                       const QString& filter) override;
    bool writeFile(QWidget& window, const QString& path, const QByteArray& bytes) override;

  private:
    ToolsSession& session();
    void drawChart();

    HydraulicsForm& form_;
    UserDialogs& dialogs_;
    WindowMemory& memory_;
    std::unique_ptr<ToolsSession> session_;
    QPointer<OptimizationWindow> optimization_;
    FlowChartLoader chartLoader_;
    QPointer<QWidget> chartWindow_;
    FlowChartView* chart_ = nullptr;  // the chart window's own view, while it is open
};

}  // namespace bithydraulics

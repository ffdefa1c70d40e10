// What opening each 工具 window costs: bit-hydraulics started as its entry point starts it; once
// the main window has painted, 水力参数优选 is opened, then, once that has painted, 排量曲线 (whose
// library is loaded then). For each, the time from asking for it to the end of its first paint
// and the growth of the resident and peak memory. Prints one line and ends the program.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "window/hydraulics_form.h"
#include "window/optimization_window.h"
#include "window/program_start.h"
#include "window/tool_windows.h"
#include "window/window_menus.h"

namespace {

// A figure of /proc/self/status, in KiB.
long statusKib(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == name) {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return -1;
}

// Runs `then` once `window` has finished its first paint.
class AfterFirstPaint final : public QObject {
  public:
    AfterFirstPaint(QObject& window, std::function<void()> then) : then_(std::move(then)) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && then_) {
            QTimer::singleShot(0, this, std::exchange(then_, {}));
        }
        return false;
    }

  private:
    std::function<void()> then_;
};

// The resident memory in all, its peak, and the parts of it that are the process's own, shared
// with the display (the windows' pixels) and pages of files (the code of the libraries run).
constexpr const char* kMemoryFigures[][2] = {{"VmRSS:", "rss"},
                                             {"VmHWM:", "peak"},
                                             {"RssAnon:", "anon"},
                                             {"RssShmem:", "shmem"},
                                             {"RssFile:", "file"}};

struct Opening {
    QElapsedTimer clock;
    long before[std::size(kMemoryFigures)] = {};

    void start() {
        for (std::size_t i = 0; i < std::size(kMemoryFigures); ++i) {
            before[i] = statusKib(kMemoryFigures[i][0]);
        }
        clock.start();
    }
    void print(const char* name) const {
        std::printf("%s_ms=%.2f ", name, static_cast<double>(clock.nsecsElapsed()) / 1e6);
        for (std::size_t i = 0; i < std::size(kMemoryFigures); ++i) {
            std::printf("%s_%s_kib=%ld ", name, kMemoryFigures[i][1],
                        statusKib(kMemoryFigures[i][0]) - before[i]);
        }
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    std::unique_ptr<AfterFirstPaint> mainPainted;
    std::unique_ptr<AfterFirstPaint> optimizationPainted;
    std::unique_ptr<AfterFirstPaint> chartPainted;
    Opening optimization;
    Opening chart;
    return bithydraulics::runProgram(argc, argv, [&](bithydraulics::HydraulicsForm& form) {
        bithydraulics::ToolWindows& tools = form.menus().tools();
        mainPainted = std::make_unique<AfterFirstPaint>(form, [&] {
            optimization.start();
            tools.showOptimization();
            optimizationPainted =
                std::make_unique<AfterFirstPaint>(*tools.optimizationWindow(), [&] {
                    optimization.print("optimize");
                    chart.start();
                    tools.showFlowChart();
                    chartPainted = std::make_unique<AfterFirstPaint>(*tools.flowChartWindow(), [&] {
                        chart.print("chart");
                        std::printf("\n");
                        std::fflush(stdout);
                        QCoreApplication::exit(0);
                    });
                });
        });
    });
}

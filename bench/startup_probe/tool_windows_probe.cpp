// What opening each 工具 window costs: bit-hydraulics started as its entry point starts it; once
// the main window has painted, 水力参数优选 is opened, then, once that has painted, 排量曲线 (whose
// library is loaded then). For each, the time from asking for it to the end of its first paint
// and the growth of the resident and peak memory. Prints one line and ends the program.
#include <QElapsedTimer>
#include <cstdio>
#include <functional>
#include <iterator>
#include <memory>

#include "first_paint_probe.h"
#include "window/hydraulics_form.h"
#include "window/optimization_window.h"
#include "window/program_start.h"
#include "window/tool_windows.h"
#include "window/window_menus.h"

namespace {

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

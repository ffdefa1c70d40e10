#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <utility>

// A figure of /proc/self/status, in KiB.
inline long statusKib(const std::string& name) {
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

// Runs `then` once the first paint of `window` that is starting now, children included, has
// been flushed.
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

// Measures one start-up: from the moment the benchmark script started the process (its wall
// clock in microseconds, in BH_STARTUP_T0_US) to the end of the window's first paint, the
// process's peak resident memory by then, and how much of that is its own (anonymous) memory
// rather than pages of shared libraries and font files. Prints one line and ends the program.
class FirstPaintProbe final {
  public:
    explicit FirstPaintProbe(QObject& window) : painted_(window, &report) {}

  private:
    static void report() {
        const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
        const char* start = std::getenv("BH_STARTUP_T0_US");
        const long long t0 = start != nullptr ? std::atoll(start) : now;
        std::printf("first_paint_ms=%.2f peak_kib=%ld anon_kib=%ld\n",
                    static_cast<double>(now - t0) / 1000.0, statusKib("VmHWM:"),
                    statusKib("RssAnon:"));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    AfterFirstPaint painted_;
};

// Opening a large case file in the window: reading 100,000 cases with label columns, and the case
// chooser listing them, shown and searched. The goal is under a second for the whole opening.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>

#include "window/case_chooser.h"
#include "window/case_file.h"
#include "window/case_list_model.h"

namespace {

using namespace bithydraulics;

constexpr int kCases = 100'000;

// A batch file as a field log keeps it: a well and a section, then the eleven inputs.
QString writeLargeFile(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("large.csv"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray text =
        "well,section,nozzleDiameter1,nozzleDiameter2,nozzleDiameter3,flowRate,mudDensity,"
        "holeDiameter,pipeDiameter,collarDiameter,pipeLength,collarLength,pumpPressure\n";
    for (int i = 0; i < kCases; ++i) {
        text += "W-" + QByteArray::number(i / 100) + ",S" + QByteArray::number(i % 100) +
                ",15,16,0," + QByteArray::number(28 + (i % 50) * 0.1) + ",1.2,216,127,165," +
                QByteArray::number(1000 + i % 3000) + ",180,13\n";
    }
    file.write(text);
    return path;
}

const QString& largeFile() {
    static QTemporaryDir dir;
    static const QString path = writeLargeFile(dir);
    return path;
}

// The file's cases, or an error on `state` when it does not open.
bool opened(benchmark::State& state, const CaseFileContents& contents) {
    if (!contents.problem.isEmpty() || contents.caseCount() != kCases) {
        state.SkipWithError(contents.problem.toUtf8().constData());
        return false;
    }
    return true;
}

void BM_ReadCaseFile100k(benchmark::State& state) {
    const QString& path = largeFile();
    for (auto _ : state) {
        const CaseFileContents contents = readCaseFile(path);
        if (!opened(state, contents)) {
            return;
        }
        benchmark::DoNotOptimize(contents.caseCount());
    }
}
BENCHMARK(BM_ReadCaseFile100k)->Unit(benchmark::kMillisecond);

// The whole opening up to the chooser on screen: read, list, lay out, show.
void BM_OpenCaseFile100kToChooser(benchmark::State& state) {
    const QString& path = largeFile();
    QWidget window;
    for (auto _ : state) {
        const CaseFileContents contents = readCaseFile(path);
        if (!opened(state, contents)) {
            return;
        }
        CaseListModel cases(contents);
        CaseChooser chooser(window, QStringLiteral("请选择"), cases);
        chooser.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(cases.rowCount());
    }
}
BENCHMARK(BM_OpenCaseFile100kToChooser)->Unit(benchmark::kMillisecond);

// One search typed in the chooser over all 100,000 cases.
void BM_SearchCases100k(benchmark::State& state) {
    const CaseFileContents contents = readCaseFile(largeFile());
    if (!opened(state, contents)) {
        return;
    }
    CaseListModel cases(contents);
    QWidget window;
    CaseChooser chooser(window, QStringLiteral("请选择"), cases);
    chooser.show();
    bool narrow = true;
    for (auto _ : state) {
        chooser.searchField()->setText(narrow ? QStringLiteral("W-512") : QString());
        narrow = !narrow;
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SearchCases100k)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

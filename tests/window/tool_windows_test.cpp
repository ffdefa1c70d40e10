// The 工具 menu's windows, driven as a user drives them: the optimisation window on the worked
// example, 应用 into the main window and back with Ctrl+Z, limits and figures it cannot use; the
// flow-rate chart against the optimiser's own flow-range table, following the main window and
// the limits, its hover read-out and its exports.
#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QClipboard>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QValueAxis>
#include <functional>
#include <map>

#include "calc/field_text.h"
#include "calc/quantities.h"
#include "form_test_support.h"
#include "optimize/optimizer.h"
#include "window/flow_chart_figures.h"
#include "window/limits_form.h"
#include "window/nozzle_set_table.h"
#include "window/optimization_answer_view.h"
#include "window/optimization_window.h"
#include "window/tool_windows.h"
#include "window/user_guide.h"
#include "window/window_memory.h"
#include "window/window_menus.h"

namespace bithydraulics::testing {
namespace {

using optimize::OperatingPoint;

// A main window with scripted dialogs, settings if given, and the chart library of this build.
struct ToolsTestWindow : TestWindow {
    explicit ToolsTestWindow(QSettings* settings = nullptr,
                             const QString& chartFolder = QStringLiteral(BH_TEST_CHART_FOLDER))
        : TestWindow(settings, chartFolder) {}
    ToolWindows& tools() { return form.menus().tools(); }
    // Ctrl+T or Ctrl+G in the main window.
    void press(Qt::Key key) {
        activate();
        QTest::keyClick(form.field(0), key, Qt::ControlModifier);
    }
    OptimizationWindow& optimization() {
        if (tools().optimizationWindow() == nullptr) {
            press(Qt::Key_T);
        }
        return *tools().optimizationWindow();
    }
    void typeLimit(optimize::Setting setting, const QString& text) {
        typeInto(optimization().limits().field(setting), text);
    }
    // The worked example: 18 MPa, 720 kW, 0.6 m/s, 1.30 g/cm³ over 2000 m.
    void typeWorkedExampleLimits() {
        typeLimit(optimize::Setting::MaxPressure, QStringLiteral("18"));
        typeLimit(optimize::Setting::MaxPower, QStringLiteral("720"));
        typeLimit(optimize::Setting::MinAnnularVelocity, QStringLiteral("0.6"));
        typeLimit(optimize::Setting::MaxEquivalentDensity, QStringLiteral("1.30"));
        typeLimit(optimize::Setting::VerticalDepth, QStringLiteral("2000"));
    }
    QTableView& table() { return *optimization().answer().table(); }
    QString cell(int row, int column) {
        return table().model()->index(row, column).data().toString();
    }
};

// The chart's panels, top to bottom.
QList<QChart*> chartPanels(QWidget& chartWindow) {
    QList<QChart*> charts;
    auto* view = chartWindow.findChild<QGraphicsView*>();
    if (view == nullptr) {
        return charts;
    }
    for (QGraphicsItem* item : view->scene()->items()) {
        if (auto* chart = qobject_cast<QChart*>(item->toGraphicsObject())) {
            charts << chart;
        }
    }
    std::sort(charts.begin(), charts.end(),
              [](QChart* a, QChart* b) { return a->scenePos().y() < b->scenePos().y(); });
    return charts;
}

// The chart's line whose name starts with `name`, and the panel it is in.
std::pair<QChart*, QLineSeries*> chartLine(QWidget& chartWindow, const QString& name) {
    for (QChart* chart : chartPanels(chartWindow)) {
        for (QAbstractSeries* series : chart->series()) {
            auto* line = qobject_cast<QLineSeries*>(series);
            if (line != nullptr && line->name().startsWith(name)) {
                return {chart, line};
            }
        }
    }
    return {nullptr, nullptr};
}

QStringList chartLabels(QWidget& chartWindow) {
    QStringList labels;
    for (QGraphicsItem* item : chartWindow.findChild<QGraphicsView*>()->scene()->items()) {
        if (const auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item)) {
            labels << text->text();
        }
    }
    return labels;
}

// What each quantity of the chart is in the optimiser's flow-range table, in the panel's unit.
const std::map<QString, std::function<double(const OperatingPoint&)>> kChartQuantities{
    {QStringLiteral("泵压"), [](const OperatingPoint& p) { return p.pumpPressure(); }},
    {QStringLiteral("钻头压降"), [](const OperatingPoint& p) { return p.results.bitPressureDrop; }},
    {QStringLiteral("循环压耗"), [](const OperatingPoint& p) { return p.parasiticLoss; }},
    {QStringLiteral("允许泵压"), [](const OperatingPoint& p) { return p.availablePressure; }},
    {QStringLiteral("钻头水功率"),
     [](const OperatingPoint& p) { return p.results.bitHydraulicPower; }},
    {QStringLiteral("泵功率"), [](const OperatingPoint& p) { return p.pumpPower; }},
    {QStringLiteral("冲击力"), [](const OperatingPoint& p) { return p.results.impactForce; }},
    {QStringLiteral("当量循环密度"), [](const OperatingPoint& p) { return p.equivalentDensity; }},
    {QStringLiteral("上返速度1"),
     [](const OperatingPoint& p) { return p.results.annularVelocityPipe * 100; }},
    {QStringLiteral("上返速度2"),
     [](const OperatingPoint& p) { return p.results.annularVelocityCollar * 100; }},
};

// Every quantity the chart draws holds the optimiser's figure at each of its flow rates, and a
// point at every flow rate the program computes.
void verifyChartHoldsTheTable(QWidget& chartWindow, const optimize::FlowRange& range) {
    std::map<double, const optimize::FlowRangeRow*> rows;
    for (const optimize::FlowRangeRow& row : range.rows) {
        if (!row.fault) {
            rows[row.point.flowRate()] = &row;
        }
    }
    for (const auto& [name, figure] : kChartQuantities) {
        const QLineSeries* line = nullptr;
        for (QChart* chart : chartPanels(chartWindow)) {
            for (QAbstractSeries* series : chart->series()) {
                if (series->name() == name) {
                    line = qobject_cast<QLineSeries*>(series);
                }
            }
        }
        QVERIFY2(line != nullptr, qPrintable(name));
        const QList<QPointF> points = line->points();
        QCOMPARE(static_cast<std::size_t>(points.size()), rows.size());
        for (const QPointF& point : points) {
            const auto row = rows.find(point.x());
            QVERIFY2(row != rows.end(), qPrintable(name));
            QCOMPARE(point.y(), figure(row->second->point));
        }
    }
}

QString shown(double value) {
    return QString::fromStdString(formatFixed2(value));
}

}  // namespace

class ToolWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void eachWindowOpensFromItsMenuAndShortcut();
    void shortcutsAndTabWorkInEveryWindow();
    void workedExampleIsAnsweredAndRemembered();
    void twoRunningCopiesKeepEachOthersLimits();
    void tableSortsAndCopies();
    void applyShowsTheChosenRowInTheMainWindowAndUndoes();
    void unusableLimitsAndFiguresAreSaidNeverComputed();
    void manyNozzlesPartReadFiguresAndNoUsableSet();
    void chartDrawsTheOptimizersFiguresAndFollows();
    void hoverReadsOutTheFiguresThere();
    void escapeClosesTheGuideAndToolWindows();
    void windowsOpenInsideTheScreen();
    void exportsAreDrawnAtTheChosenSize();
    void chartLabelsAreWholeAt800x600();

  private:
    QTemporaryDir dir_;
};

void ToolWindowsTest::initTestCase() {
    QVERIFY(dir_.isValid());
}

void ToolWindowsTest::eachWindowOpensFromItsMenuAndShortcut() {
    ToolsTestWindow window;
    // 工具 between 编辑 and 帮助: Alt+T, then each command's access key.
    const QList<QAction*> menus = window.form.menuBar()->actions();
    QCOMPARE(menus[2]->text(), QStringLiteral("工具(&T)"));
    for (const Qt::Key command : {Qt::Key_O, Qt::Key_G}) {
        window.activate();
        QTest::keyClick(&window.form, Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), menus[2]->menu());
        QTest::keyClick(QApplication::activePopupWidget(), command);
    }
    QPointer<OptimizationWindow> optimization = window.tools().optimizationWindow();
    QPointer<QWidget> chart = window.tools().flowChartWindow();
    QVERIFY(optimization != nullptr && optimization->isVisible());
    QVERIFY(chart != nullptr && chart->isVisible());
    // The shortcuts bring the same windows forward; closed, they open anew.
    window.press(Qt::Key_T);
    window.press(Qt::Key_G);
    QCOMPARE(window.tools().optimizationWindow(), optimization);
    QCOMPARE(window.tools().flowChartWindow(), chart);
    QCOMPARE(window.form.findChildren<OptimizationWindow*>().size(), 1);
    optimization->close();
    chart->close();
    QTRY_VERIFY(optimization == nullptr && chart == nullptr);
    window.press(Qt::Key_T);
    window.press(Qt::Key_G);
    QVERIFY(window.tools().optimizationWindow() != nullptr);
    QVERIFY(window.tools().flowChartWindow()->isVisible());

    // Without its library the chart says why, naming the file, and nothing else happens.
    ToolsTestWindow without(nullptr, dir_.path());
    without.press(Qt::Key_G);
    QCOMPARE(without.dialogs.errors.size(), 1);
    QVERIFY2(without.dialogs.errors.front().contains(dir_.path()),
             qPrintable(without.dialogs.errors.front()));
    QVERIFY(without.tools().flowChartWindow() == nullptr);
}

void ToolWindowsTest::shortcutsAndTabWorkInEveryWindow() {
    ToolsTestWindow window;
    OptimizationWindow& optimization = window.optimization();
    window.typeWorkedExampleLimits();  // a table, and 应用 enabled
    // Tab: the figures, the choices, the table as one stop, the buttons, and round again.
    const LimitsForm& limits = optimization.limits();
    QList<QWidget*> expected;
    for (const optimize::Setting setting : kTypedSettings) {
        if (setting != optimize::Setting::SeriesSizes) {
            expected << limits.field(setting);
        }
    }
    expected << limits.criterionBox() << limits.nozzleCountBox() << limits.seriesBox()
             << limits.spreadBox() << window.optimization().answer().table();  // sizes: disabled
    QPushButton* close = optimization.findChild<QPushButton*>(QStringLiteral("closeButton"));
    QVERIFY(close != nullptr);
    expected << optimization.copyButton() << optimization.copySetButton()
             << optimization.applyButton() << close << limits.field(optimize::Setting::MaxPressure);
    optimization.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&optimization));
    limits.field(optimize::Setting::MaxPressure)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(),
                 static_cast<QWidget*>(limits.field(optimize::Setting::MaxPressure)));
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus == expected[i] || expected[i]->isAncestorOf(focus),
                 qPrintable(QStringLiteral("stop %1: %2 “%3”, not “%4”")
                                .arg(i)
                                .arg(QString::fromLatin1(focus->metaObject()->className()),
                                     focus->objectName(), expected[i]->objectName())));
    }
    // Screen readers name the choices by their captions, and the table.
    QCOMPARE(limits.criterionBox()->accessibleName(), QStringLiteral("优选准则"));
    QCOMPARE(limits.seriesBox()->accessibleName(), QStringLiteral("喷嘴系列"));
    QVERIFY(!optimization.answer().table()->accessibleName().isEmpty());

    // Ctrl+G from the optimiser, F1 from the chart, Ctrl+T from the guide.
    QTest::keyClick(limits.field(optimize::Setting::MaxPressure), Qt::Key_G, Qt::ControlModifier);
    QTRY_VERIFY(window.tools().flowChartWindow() != nullptr);
    QWidget* chart = window.tools().flowChartWindow();
    QVERIFY(QTest::qWaitForWindowActive(chart));
    QVERIFY(!chart->accessibleName().isEmpty());
    QTest::keyClick(chart, Qt::Key_F1);
    QTextBrowser* guide = window.form.menus().guide().guideWindow();
    QVERIFY(guide != nullptr && guide->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(guide));
    QPointer<OptimizationWindow> closing = &optimization;
    optimization.close();
    QTRY_VERIFY(closing == nullptr);
    QTest::keyClick(guide, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(window.tools().optimizationWindow() != nullptr);
}

// The worked example's figures as the example gives them.
void ToolWindowsTest::workedExampleIsAnsweredAndRemembered() {
    QSettings settings(dir_.filePath(QStringLiteral("limits.ini")), QSettings::IniFormat);
    {
        ToolsTestWindow window(&settings);
        window.typeWorkedExampleLimits();
        const QString summary = window.optimization().answer().summaryText();
        for (const char* figure :
             {"K = 0.0157499", "14.38 – 35.32 L/s", "上限：当量循环密度", "排量 25.05 L/s",
              "钻头压降 11.71 MPa", "65.0%", "293.19 kW", "11-11-12/32 英寸：占最优的 97.7%"}) {
            QVERIFY2(summary.contains(QString::fromUtf8(figure)), qPrintable(summary));
        }
        QCOMPARE(window.cell(0, NozzleSetTable::SizesInch), QStringLiteral("11-11-12"));
        QCOMPARE(window.cell(0, NozzleSetTable::FlowRate), QStringLiteral("25.23"));
        QCOMPARE(window.cell(0, NozzleSetTable::PumpPressure), QStringLiteral("17.99"));
        QCOMPARE(window.cell(0, NozzleSetTable::BitHydraulicPower).left(5),
                 QStringLiteral("292.8"));
        QCOMPARE(window.cell(0, NozzleSetTable::ShareOfOptimum), QStringLiteral("99.9%"));

        // For impact force: 30.943 L/s, the bit taking 48.2 %.
        window.optimization().limits().criterionBox()->setCurrentIndex(1);
        const QString impact = window.optimization().answer().summaryText();
        QVERIFY2(impact.contains(QStringLiteral("排量 30.94 L/s，钻头压降 8.67 MPa")) &&
                     impact.contains(QStringLiteral("48.2%")),
                 qPrintable(impact));
    }
    // The next run opens with the same limits.
    ToolsTestWindow again(&settings);
    const LimitsForm& limits = again.optimization().limits();
    QCOMPARE(limits.field(optimize::Setting::MaxPressure)->text(), QStringLiteral("18"));
    QCOMPARE(limits.field(optimize::Setting::MaxEquivalentDensity)->text(), QStringLiteral("1.30"));
    QCOMPARE(limits.criterionBox()->currentIndex(), 1);
    QVERIFY(again.table().model()->rowCount() > 0);
}

void ToolWindowsTest::twoRunningCopiesKeepEachOthersLimits() {
    const QString path = dir_.filePath(QStringLiteral("two-copies.ini"));
    QSettings firstSettings(path, QSettings::IniFormat);
    QSettings secondSettings(path, QSettings::IniFormat);
    WindowMemory first(&firstSettings);
    WindowMemory second(&secondSettings);
    LimitTexts firstTexts = first.limitTexts();
    LimitTexts secondTexts = second.limitTexts();
    // Each changes its own setting, one after the other, twice over.
    firstTexts[optimize::Setting::MaxPressure] = "18";
    first.rememberLimitTexts(firstTexts);
    secondTexts[optimize::Setting::MaxPower] = "720";
    second.rememberLimitTexts(secondTexts);
    firstTexts.criterion = optimize::Criterion::ImpactForce;
    first.rememberLimitTexts(firstTexts);

    QSettings readerSettings(path, QSettings::IniFormat);
    const LimitTexts both = WindowMemory(&readerSettings).limitTexts();
    QCOMPARE(both[optimize::Setting::MaxPressure], std::string("18"));
    QCOMPARE(both[optimize::Setting::MaxPower], std::string("720"));
    QCOMPARE(both.criterion, optimize::Criterion::ImpactForce);
}

void ToolWindowsTest::tableSortsAndCopies() {
    ToolsTestWindow window;
    window.typeWorkedExampleLimits();
    QTableView& table = window.table();
    const int rows = table.model()->rowCount();
    QCOMPARE(rows, 10);
    // A click on a column's header sorts by its figures, not its texts (10.70 after 9.77).
    for (const int column : {int(NozzleSetTable::BitPressureDrop), int(NozzleSetTable::SizesMm)}) {
        const int x = table.horizontalHeader()->sectionViewportPosition(column) + 5;
        QTest::mouseClick(table.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
        for (int row = 1; row < rows; ++row) {
            QVERIFY(
                table.model()->index(row - 1, column).data(NozzleSetTable::kSortRole).toDouble() <=
                table.model()->index(row, column).data(NozzleSetTable::kSortRole).toDouble());
        }
    }
    // Copied as shown: the header, then the rows in their order, a cell for each column.
    table.setFocus();
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), rows + 1);
    QCOMPARE(lines[0].split('\t').mid(0, 5), (QStringList{"排名", "喷嘴 (1/32 英寸)", "喷嘴 (mm)",
                                                          "喷嘴总面积 (mm²)", "排量 (L/s)"}));
    for (int row = 0; row < rows; ++row) {
        const QStringList cells = lines[row + 1].split('\t');
        QCOMPARE(cells.size(), int(NozzleSetTable::ColumnCount));
        QCOMPARE(cells[NozzleSetTable::SizesMm], window.cell(row, NozzleSetTable::SizesMm));
        QCOMPARE(cells[NozzleSetTable::FlowRate], window.cell(row, NozzleSetTable::FlowRate));
    }
}

void ToolWindowsTest::applyShowsTheChosenRowInTheMainWindowAndUndoes() {
    ToolsTestWindow window;
    const QStringList before = fieldTexts(window.form).mid(0, kInputFieldCount);
    window.typeWorkedExampleLimits();
    // The best set, 11-11-12/32 in: 11·25.4/32 mm and 12·25.4/32 mm exactly.
    QCOMPARE(window.cell(0, NozzleSetTable::SizesInch), QStringLiteral("11-11-12"));
    window.table().selectRow(0);
    QTest::mouseClick(window.optimization().applyButton(), Qt::LeftButton);
    QCOMPARE(fieldTexts(window.form).mid(0, 3), (QStringList{"8.73125", "8.73125", "9.525"}));
    const auto chosenSizes = [&window] {
        const optimize::RankedSet* set = window.optimization().answer().selectedSet();
        return set != nullptr ? set->nozzles.diametersMm : decltype(set->nozzles.diametersMm){};
    };
    QCOMPARE(chosenSizes()[2], 9.525);

    // Another row, after sorting: its own figures go in, exactly.
    window.table().sortByColumn(NozzleSetTable::PumpPower, Qt::DescendingOrder);
    window.table().selectRow(3);
    const optimize::RankedSet chosen = *window.optimization().answer().selectedSet();
    const QString shownPressure = window.cell(3, NozzleSetTable::PumpPressure);
    const QString shownFlow = window.cell(3, NozzleSetTable::FlowRate);
    QTest::mouseClick(window.optimization().applyButton(), Qt::LeftButton);
    // Computed again from the set's own figures, the answer keeps the set chosen: a second 应用
    // writes the same set.
    QCOMPARE(chosenSizes(), chosen.nozzles.diametersMm);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(parseFieldNumber(window.form.field(i)->text().toStdString()),
                 chosen.nozzles.diametersMm[static_cast<std::size_t>(i)]);
    }
    QCOMPARE(window.form.field(3)->text(), shownFlow);
    QCOMPARE(parseFieldNumber(shownFlow.toStdString()), chosen.point.flowRate());
    QCOMPARE(window.form.field(10)->text(), shownPressure);
    // The main window's nine figures are the row's; the power utilisation, the one that takes
    // the pump pressure, is taken at its figure as shown.
    const ResultTexts rowFigures = formResultTexts(chosen.point.results);
    const QStringList results = resultTexts(window.form);
    for (int i = 0; i < kResultFieldCount; ++i) {
        if (kDisplayedResults[static_cast<std::size_t>(i)].name == "powerUtilization") {
            const double share = chosen.point.results.powerUtilization * 100;
            const double pressure = chosen.point.pumpPressure();
            const double shownShare = results[i].chopped(1).toDouble();
            QVERIFY(std::abs(shownShare - share) <= share * 0.005 / pressure + 0.005 + 1e-9);
        } else {
            QCOMPARE(results[i], QString::fromStdString(rowFigures[static_cast<std::size_t>(i)]));
        }
    }
    QVERIFY(window.faults.faults.empty());
    // The optimiser now works from the figures just computed.
    QVERIFY(window.optimization().answer().summaryText().contains(
        QStringLiteral("排量 %1 L/s，泵压 %2 MPa")
            .arg(shown(chosen.point.flowRate()), shownPressure)));

    // Ctrl+Z in each field takes both 应用 back to the texts before.
    for (const int i : {0, 1, 2, 3, 10}) {
        QTest::keyClick(window.form.field(i), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(window.form.field(i), Qt::Key_Z, Qt::ControlModifier);
    }
    QCOMPARE(fieldTexts(window.form).mid(0, kInputFieldCount), before);
}

void ToolWindowsTest::unusableLimitsAndFiguresAreSaidNeverComputed() {
    ToolsTestWindow window;
    window.typeWorkedExampleLimits();
    OptimizationWindow& optimization = window.optimization();
    const LimitsForm& limits = optimization.limits();

    // A text that is not a figure: marked at its field with the reason, nothing computed.
    window.typeLimit(optimize::Setting::MaxPower, QStringLiteral("72O"));
    QVERIFY(limits.isMarked(optimize::Setting::MaxPower));
    QVERIFY2(limits.reasonAt(optimize::Setting::MaxPower).contains(QStringLiteral("“72O”")),
             qPrintable(limits.reasonAt(optimize::Setting::MaxPower)));
    QVERIFY(limits.field(optimize::Setting::MaxPower)->toolTip().contains(QStringLiteral("“72O”")));
    QCOMPARE(window.table().model()->rowCount(), 0);
    QVERIFY(!optimization.applyButton()->isEnabled());
    window.typeLimit(optimize::Setting::MaxPower, QStringLiteral("720"));
    QVERIFY(!limits.isMarked(optimize::Setting::MaxPower));
    QCOMPARE(window.table().model()->rowCount(), 10);

    // Limits that contradict each other: both named in words, both fields marked.
    window.typeLimit(optimize::Setting::MaxEquivalentDensity, QStringLiteral("1.21"));
    QString message = optimization.answer().message();
    QVERIFY2(message.contains(QStringLiteral("携岩与当量循环密度相互矛盾")), qPrintable(message));
    QVERIFY(limits.isMarked(optimize::Setting::MinAnnularVelocity));
    QVERIFY(limits.isMarked(optimize::Setting::MaxEquivalentDensity));
    QCOMPARE(window.table().model()->rowCount(), 0);
    window.typeLimit(optimize::Setting::MaxEquivalentDensity, QStringLiteral("1.30"));

    // A list of sizes in mm: a size that is not a figure is marked; the sets are of the list.
    optimization.limits().seriesBox()->setCurrentIndex(1);
    // As an input method commits the Chinese separators.
    QLineEdit* sizes = limits.field(optimize::Setting::SeriesSizes);
    sizes->selectAll();
    sizes->insert(QStringLiteral("9，10.5、1l"));
    QVERIFY(limits.reasonAt(optimize::Setting::SeriesSizes).contains(QStringLiteral("“1l”")));
    window.typeLimit(optimize::Setting::SeriesSizes, QStringLiteral("9, 10.5 12"));
    QVERIFY(!limits.isMarked(optimize::Setting::SeriesSizes));
    QVERIFY(window.table().model()->rowCount() > 0);
    QCOMPARE(window.cell(0, NozzleSetTable::SizesInch), QString());
    QVERIFY(window.table().isColumnHidden(NozzleSetTable::SizesInch));
    for (const QString& size : window.cell(0, NozzleSetTable::SizesMm).split('-')) {
        QVERIFY2(QStringList({"9.00", "10.50", "12.00"}).contains(size), qPrintable(size));
    }
    optimization.limits().seriesBox()->setCurrentIndex(0);

    // A set-up the optimiser cannot calibrate on, after 运算.
    typeInto(window.form.field(10), QStringLiteral("4"));
    QTest::mouseClick(window.form.computeButton(), Qt::LeftButton);
    message = optimization.answer().message();
    QVERIFY2(message.contains(QStringLiteral("泵压 4.00 MPa 不大于钻头压降 4.20 MPa")),
             qPrintable(message));

    // A figure the compute command cannot read: reported as 运算 reports it, when a tool reads
    // it, and said in the window until 运算 reads the figures again.
    QPointer<OptimizationWindow> closing = &optimization;
    optimization.close();
    QTRY_VERIFY(closing == nullptr);
    typeInto(window.form.field(3), QStringLiteral("1e999"));
    window.press(Qt::Key_T);
    QCOMPARE(window.faults.faults.size(), std::size_t{1});
    QCOMPARE(window.faults.faults.front().kind, FaultKind::Overflow);
    QCOMPARE(window.faults.faults.front().where, std::string("排量"));
    QVERIFY(window.optimization().answer().message().contains(QStringLiteral("无法计算")));
    QCOMPARE(window.table().model()->rowCount(), 0);
    typeInto(window.form.field(3), QStringLiteral("30"));
    typeInto(window.form.field(10), QStringLiteral("13"));
    QTest::mouseClick(window.form.computeButton(), Qt::LeftButton);
    QCOMPARE(window.table().model()->rowCount(), 10);
    QVERIFY(window.optimization().answer().message().isEmpty());
}

void ToolWindowsTest::manyNozzlesPartReadFiguresAndNoUsableSet() {
    ToolsTestWindow window;
    window.typeWorkedExampleLimits();
    OptimizationWindow& optimization = window.optimization();

    // Six nozzles: the sets are listed, but the main window's three fields cannot take one.
    optimization.limits().nozzleCountBox()->setValue(6);
    QVERIFY(window.table().model()->rowCount() > 0);
    QCOMPARE(window.cell(0, NozzleSetTable::SizesInch), QStringLiteral("8-8-8-8-8-8"));
    QVERIFY2(optimization.answer().summaryText().contains(QStringLiteral("当量直径 6 × ")),
             qPrintable(optimization.answer().summaryText()));
    window.table().selectRow(0);
    QVERIFY(!optimization.applyButton()->isEnabled());
    QVERIFY2(optimization.applyButton()->toolTip().contains(QStringLiteral("6 个喷嘴")),
             qPrintable(optimization.applyButton()->toolTip()));
    // 复制所选组合 gives that set alone, under the table's header.
    window.table().selectRow(1);
    QTest::mouseClick(optimization.copySetButton(), Qt::LeftButton);
    const QStringList copied = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(copied.size(), 2);
    QVERIFY2(copied[1].contains(window.cell(1, NozzleSetTable::SizesInch)), qPrintable(copied[1]));
    optimization.limits().nozzleCountBox()->setValue(3);
    window.table().selectRow(0);
    QVERIFY(optimization.applyButton()->isEnabled());

    // No set of the series is usable: said as the command line says it, with the optimum's size.
    optimization.limits().seriesBox()->setCurrentIndex(1);
    window.typeLimit(optimize::Setting::SeriesSizes, QStringLiteral("4;5"));
    QCOMPARE(window.table().model()->rowCount(), 0);
    QString message = optimization.answer().message();
    QVERIFY2(message.contains(QStringLiteral("系列中没有可用的喷嘴组合")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("超出系列范围（4.00 到 5.00 mm）")),
             qPrintable(message));
    // A list out of order is refused, as on the command line.
    window.typeLimit(optimize::Setting::SeriesSizes, QStringLiteral("9 8.5"));
    QVERIFY(optimization.limits().isMarked(optimize::Setting::SeriesSizes));
    optimization.limits().seriesBox()->setCurrentIndex(0);

    // A main-window figure read only in part does not calibrate anything.
    typeInto(window.form.field(10), QStringLiteral("13,5"));
    QTest::mouseClick(window.form.computeButton(), Qt::LeftButton);
    message = optimization.answer().message();
    QVERIFY2(message.contains(QStringLiteral("“泵压”栏的“13,5”")), qPrintable(message));
    QCOMPARE(window.table().model()->rowCount(), 0);
    typeInto(window.form.field(10), QStringLiteral("13"));
    QTest::mouseClick(window.form.computeButton(), Qt::LeftButton);
    QCOMPARE(window.table().model()->rowCount(), 10);
}

void ToolWindowsTest::chartDrawsTheOptimizersFiguresAndFollows() {
    ToolsTestWindow window;
    window.typeWorkedExampleLimits();
    window.typeLimit(optimize::Setting::MaxFlow, QStringLiteral("40"));
    window.press(Qt::Key_G);
    QWidget& chart = *window.tools().flowChartWindow();
    const optimize::OptimizationLimits limits =
        readLimits(window.optimization().limits().texts()).limits;
    const auto rangeNow = [&] {
        return optimize::computeFlowRange(readInputs(window.form.fieldArray()), limits,
                                          kFlowChartSamples);
    };
    optimize::FlowRange range = rangeNow();
    QCOMPARE(chartPanels(chart).size(), 5);
    verifyChartHoldsTheTable(chart, range);

    // Each limit a labelled line at its setting; the window shaded; the current flow rate, the
    // optimum and the liner's limit marked.
    for (const auto& [name, setting] : {std::pair{QStringLiteral("泵功率上限"), 720.0},
                                        {QStringLiteral("当量循环密度上限"), 1.30},
                                        {QStringLiteral("最小环空返速"), 0.6}}) {
        const QLineSeries* line = chartLine(chart, name).second;
        QVERIFY2(line != nullptr, qPrintable(name));
        for (const QPointF& point : line->points()) {
            QCOMPARE(point.y(), setting);
        }
    }
    const QStringList labels = chartLabels(chart);
    QVERIFY2(labels.contains(QStringLiteral("泵功率上限 720.00 kW")), qPrintable(labels.join('|')));
    QVERIFY(labels.contains(QStringLiteral("当量循环密度上限 1.30 g/cm³")));
    QVERIFY(labels.contains(QStringLiteral("泵压上限 18.00 MPa，泵功率 720.00 kW")));
    const optimize::OptimizationResult answer =
        optimize::optimizeHydraulics(readInputs(window.form.fieldArray()), limits);
    for (const auto& [mark, flowRate] :
         {std::pair{QStringLiteral("当前排量"), 30.0},
          {QStringLiteral("最优排量"), answer.optimum.point.flowRate()},
          {QStringLiteral("缸套最大排量"), 40.0}}) {
        const QLineSeries* line = chartLine(chart, mark).second;
        QVERIFY2(line != nullptr, qPrintable(mark));
        QCOMPARE(line->points().front().x(), flowRate);
    }
    const QAreaSeries* shaded = nullptr;
    for (QAbstractSeries* series : chartPanels(chart).front()->series()) {
        shaded = shaded != nullptr ? shaded : qobject_cast<QAreaSeries*>(series);
    }
    QVERIFY(shaded != nullptr);
    QCOMPARE(shaded->upperSeries()->points().front().x(), range.window.lower.flowRate);
    QCOMPARE(shaded->upperSeries()->points().back().x(), range.window.upper.flowRate);

    // After 运算 with another flow rate, the chart is that of the new reading.
    typeInto(window.form.field(3), QStringLiteral("34"));
    QTest::mouseClick(window.form.computeButton(), Qt::LeftButton);
    QCOMPARE(chartLine(chart, QStringLiteral("当前排量")).second->points().front().x(), 34.0);
    range = rangeNow();
    verifyChartHoldsTheTable(chart, range);
    // A limit typed in the optimisation window moves its line.
    window.typeLimit(optimize::Setting::MaxPower, QStringLiteral("800"));
    QCOMPARE(chartLine(chart, QStringLiteral("泵功率上限")).second->points().front().y(), 800.0);
    // A limit that is not a figure, or none typed: the curves alone, and why the limits are not
    // drawn.
    for (const QString& text : {QStringLiteral("abc"), QString()}) {
        window.typeLimit(optimize::Setting::MaxPressure, text);
        QCOMPARE(chartPanels(chart).size(), 5);
        QVERIFY(chartLine(chart, QStringLiteral("泵压")).second != nullptr);
        QVERIFY(chartLine(chart, QStringLiteral("当前排量")).second != nullptr);
        for (const QString& limit : {QStringLiteral("泵功率上限"), QStringLiteral("允许泵压"),
                                     QStringLiteral("缸套最大排量")}) {
            QVERIFY2(chartLine(chart, limit).second == nullptr, qPrintable(limit));
        }
        const QString note = chart.findChild<QLabel*>(QStringLiteral("chartNote"))->text();
        QVERIFY2(note.contains(QString::fromUtf8(
                     describeTypedSetting(optimize::Setting::MaxPressure).caption)) &&
                     (text.isEmpty() || note.contains(QStringLiteral("“abc”"))),
                 qPrintable(note));
    }
    // 水力参数优选 from the chart: the window where the limits are typed, brought forward.
    QPointer<OptimizationWindow> optimization = &window.optimization();
    optimization->close();
    QTRY_VERIFY(optimization == nullptr);
    for (QPushButton* button : chart.findChildren<QPushButton*>()) {
        if (button->text().startsWith(QStringLiteral("水力参数优选"))) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    QVERIFY(window.tools().optimizationWindow() != nullptr &&
            window.tools().optimizationWindow()->isVisible());
}

void ToolWindowsTest::hoverReadsOutTheFiguresThere() {
    ToolsTestWindow window;
    window.typeWorkedExampleLimits();
    window.press(Qt::Key_G);
    QWidget& chart = *window.tools().flowChartWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QTest::qWait(100);  // the panels laid out and lined up
    auto* view = chart.findChild<QGraphicsView*>();
    auto* readOut = chart.findChild<QLabel*>(QStringLiteral("chartReadOut"));
    const optimize::FlowRange range = optimize::computeFlowRange(
        readInputs(window.form.fieldArray()),
        readLimits(window.optimization().limits().texts()).limits, kFlowChartSamples);
    const auto [panel, line] = chartLine(chart, QStringLiteral("泵压"));
    for (const std::size_t sample : {std::size_t{40}, std::size_t{170}}) {
        const OperatingPoint& point = range.rows[sample].point;
        const QPointF at = panel->mapToScene(
            panel->mapToPosition(QPointF(point.flowRate(), point.pumpPressure()), line));
        // Through the window, as the pointer moves: moving the cursor makes no event offscreen.
        QTest::mouseMove(chart.windowHandle(),
                         view->viewport()->mapTo(&chart, view->mapFromScene(at)));
        const QString text = readOut->text();
        QVERIFY2(text.startsWith(QStringLiteral("排量 %1 L/s").arg(point.flowRate(), 0, 'f', 2)),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("泵压 %1").arg(point.pumpPressure(), 0, 'f', 2)),
                 qPrintable(text));
        QVERIFY(text.contains(
            QStringLiteral("钻头水功率 %1").arg(point.results.bitHydraulicPower, 0, 'f', 2)));
    }
    // From the keyboard, a sample at a time from the last one read out, and to either end.
    const auto readOutFlow = [&] { return readOut->text().section(' ', 1, 1); };
    const auto flowAt = [&](std::size_t sample) {
        return QString::number(range.rows[sample].point.flowRate(), 'f', 2);
    };
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(readOutFlow(), flowAt(171));
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_Left);
    QCOMPARE(readOutFlow(), flowAt(169));
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(readOutFlow(), flowAt(range.rows.size() - 1));
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(readOutFlow(), flowAt(range.rows.size() - 1));
    // No flow, where the program faults, has no figures to read.
    std::size_t first = 0;
    while (range.rows[first].fault) {
        ++first;
    }
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(readOutFlow(), flowAt(first));
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(readOutFlow(), flowAt(first + 1));
}

void ToolWindowsTest::escapeClosesTheGuideAndToolWindows() {
    ToolsTestWindow window;
    const std::vector<std::function<QWidget*()>> openers{
        [&] {
            window.press(Qt::Key_T);
            return static_cast<QWidget*>(window.tools().optimizationWindow());
        },
        [&] {
            window.press(Qt::Key_G);
            return window.tools().flowChartWindow();
        },
        [&] {
            window.activate();
            QTest::keyClick(window.form.field(0), Qt::Key_F1);
            return static_cast<QWidget*>(window.form.menus().guide().guideWindow());
        }};
    for (const auto& openWindow : openers) {
        QPointer<QWidget> open = openWindow();
        QVERIFY(open != nullptr);
        QTRY_COMPARE(QApplication::activeWindow(), open.data());
        QTest::keyClick(open->focusWidget() != nullptr ? open->focusWidget() : open.data(),
                        Qt::Key_Escape);
        QTRY_VERIFY(open == nullptr);
        QVERIFY(window.form.isVisible());
    }
}

// Run on screens of several sizes and scales (tests/window/screens): the main window in the
// screen even where it was kept at a place off this one, each tool window and the guide inside
// the screen, and beside the main window where there is room for it.
void ToolWindowsTest::windowsOpenInsideTheScreen() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QSettings settings(dir_.filePath(QStringLiteral("place.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("window/position"), area.bottomRight() - QPoint(40, 40));
    ToolsTestWindow window(&settings);
    const QRect main = window.form.frameGeometry();
    QVERIFY2(area.contains(main), qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6")
                                                 .arg(main.x())
                                                 .arg(main.y())
                                                 .arg(main.width())
                                                 .arg(main.height())
                                                 .arg(area.width())
                                                 .arg(area.height())));
    window.typeWorkedExampleLimits();
    window.press(Qt::Key_G);
    window.activate();
    QTest::keyClick(window.form.field(0), Qt::Key_F1);
    for (QWidget* opened : {static_cast<QWidget*>(window.tools().optimizationWindow()),
                            window.tools().flowChartWindow(),
                            static_cast<QWidget*>(window.form.menus().guide().guideWindow())}) {
        QVERIFY(QTest::qWaitForWindowExposed(opened));
        const QRect frame = opened->frameGeometry();
        const QString where = QStringLiteral("%1 at %2,%3 %4x%5 beside %6,%7 %8x%9")
                                  .arg(opened->windowTitle())
                                  .arg(frame.x())
                                  .arg(frame.y())
                                  .arg(frame.width())
                                  .arg(frame.height())
                                  .arg(main.x())
                                  .arg(main.y())
                                  .arg(main.width())
                                  .arg(main.height());
        QVERIFY2(area.contains(frame), qPrintable(where));
        const int room = std::max(area.right() - main.right(), main.left() - area.left());
        if (frame.width() <= room) {
            QVERIFY2(!frame.intersects(main), qPrintable(where));
        }
    }
}

void ToolWindowsTest::exportsAreDrawnAtTheChosenSize() {
    ToolsTestWindow window;
    window.typeWorkedExampleLimits();
    window.press(Qt::Key_G);
    QWidget& chart = *window.tools().flowChartWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const auto exportWith = [&](const QString& caption, const QString& path) {
        window.dialogs.savePath = path;
        for (QPushButton* button : chart.findChildren<QPushButton*>()) {
            if (button->text().startsWith(caption)) {
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
    };
    const auto drawnShare = [](const QImage& image) {
        int drawn = 0;
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); x += 4) {
                drawn += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
            }
        }
        return drawn * 16.0 / (image.width() * image.height());
    };

    // Whatever the window's size: 1600×1200 at 150 dpi unless the user picks another.
    const QString png = dir_.filePath(QStringLiteral("chart.png"));
    exportWith(QStringLiteral("导出 PNG"), png);
    QImage image(png);
    QCOMPARE(image.size(), QSize(1600, 1200));
    QCOMPARE(std::lround(image.dotsPerMeterX() * 0.0254), 150L);
    QVERIFY2(drawnShare(image) > 0.05, qPrintable(QString::number(drawnShare(image))));
    chart.findChild<QSpinBox*>(QStringLiteral("exportWidth"))->setValue(900);
    chart.findChild<QSpinBox*>(QStringLiteral("exportHeight"))->setValue(700);
    chart.findChild<QSpinBox*>(QStringLiteral("exportDotsPerInch"))->setValue(96);
    exportWith(QStringLiteral("导出 PNG"), png);
    image.load(png);
    QCOMPARE(image.size(), QSize(900, 700));
    QVERIFY(drawnShare(image) > 0.05);

    // Text that stays text, in a font every machine can stand in for.
    const QString svg = dir_.filePath(QStringLiteral("chart.svg"));
    exportWith(QStringLiteral("导出 SVG"), svg);
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.viewBox().size(), QSize(900, 700));
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(QStringLiteral("钻头水功率")));
    static const QRegularExpression family(QStringLiteral("font-family=\"([^\"]*)\""));
    for (const QRegularExpressionMatch& match : family.globalMatch(text)) {
        QVERIFY2(match.captured(1).endsWith(QStringLiteral(", sans-serif")),
                 qPrintable(match.captured(1)));
    }

    // A file that cannot be written is said so, naming it and why; nothing is left behind.
    const QString nowhere = dir_.filePath(QStringLiteral("no-such-folder/chart.png"));
    exportWith(QStringLiteral("导出 PNG"), nowhere);
    QCOMPARE(window.dialogs.errors.size(), 1);
    QVERIFY2(window.dialogs.errors.front().contains(nowhere) &&
                 window.dialogs.errors.front().contains(QStringLiteral("路径不存在")),
             qPrintable(window.dialogs.errors.front()));
    QVERIFY(!QFileInfo::exists(nowhere));
}

// Every text of the chart whole, no tick label, axis title or legend entry cut short or left
// out, with the window at 800×600.
void ToolWindowsTest::chartLabelsAreWholeAt800x600() {
    ToolsTestWindow window;
    window.typeWorkedExampleLimits();
    window.typeLimit(optimize::Setting::MaxFlow, QStringLiteral("40"));
    window.press(Qt::Key_G);
    QWidget& chart = *window.tools().flowChartWindow();
    chart.resize(800, 600);
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QTest::qWait(200);  // the panels laid out and lined up
    auto* scene = chart.findChild<QGraphicsView*>()->scene();
    QStringList shown;
    for (QGraphicsItem* item : scene->items()) {
        if (const auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible()) {
            shown << text->toPlainText();
        }
    }
    for (const QString& text : shown) {
        QVERIFY2(!text.contains(QStringLiteral("...")) && !text.contains(QChar(0x2026)),
                 qPrintable(shown.join('|')));
    }
    QList<QChart*> panels = chartPanels(chart);
    QCOMPARE(panels.size(), 5);
    for (QChart* panel : panels) {
        // Each entry the legend is to show inside it, not cut off by its edge.
        QLegend* legend = panel->legend();
        const QRectF room = legend->sceneBoundingRect().adjusted(-1, -1, 1, 1);
        for (QLegendMarker* marker : legend->markers()) {
            if (!marker->isVisible()) {
                continue;
            }
            bool inside = false;
            for (QGraphicsItem* item : scene->items()) {
                const auto* text = dynamic_cast<QGraphicsTextItem*>(item);
                inside =
                    inside || (text != nullptr && text->isVisible() && legend->isAncestorOf(text) &&
                               text->toPlainText() == marker->label() &&
                               room.contains(text->sceneBoundingRect()));
            }
            QVERIFY2(inside, qPrintable(marker->label()));
        }
        // At least two ticks with their figures on the value axis.
        const auto* axis = qobject_cast<QValueAxis*>(panel->axes(Qt::Vertical).front());
        QVERIFY(axis->tickType() == QValueAxis::TicksFixed
                    ? axis->tickCount() >= 2
                    : axis->max() - axis->min() >= axis->tickInterval() * (1 - 1e-9));
    }
}

}  // namespace bithydraulics::testing

QTEST_MAIN(bithydraulics::testing::ToolWindowsTest)
#include "tool_windows_test.moc"

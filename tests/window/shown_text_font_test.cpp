// The font the program shows its texts in: the cut-down WenQuanYi Micro Hei compiled into it.
// Every text the window and its fault report can show must be in that font itself, so that a
// changed caption cannot quietly borrow its characters from another font; any other character a
// user types still comes from the system's fonts.
#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTextLayout>
#include <QToolTip>
#include <algorithm>
#include <string_view>
#include <vector>

#include "behaviour/quantity_captions.h"
#include "calc/quantities.h"
#include "form_test_support.h"
#include "platform/ui/fault_report.h"
#include "window/form_builder.h"
#include "window/hydraulics_form.h"
#include "window/limits_form.h"
#include "window/optimization_answer_view.h"
#include "window/optimization_window.h"
#include "window/tool_windows.h"
#include "window/window_menus.h"

namespace bithydraulics::testing {
namespace {

const QString kFamily = QStringLiteral("WenQuanYi Micro Hei Subset");

// The font file compiled into the program.
QRawFont compiledInFont() {
    QFile file(QStringLiteral(":/fonts/wqy-microhei-subset.ttf"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QRawFont(file.readAll(), 12);
}

// The characters of `text` that the first font `font` resolves to does not hold itself.
QString charactersNotInFont(const QFont& font, const QString& text) {
    const QRawFont raw = QRawFont::fromFont(font);
    QString missing;
    for (const char32_t character : text.toUcs4()) {
        if (QChar::isPrint(character) && !raw.supportsCharacter(character)) {
            missing += QString::fromUcs4(&character, 1);
        }
    }
    return missing;
}

// A text on screen and the font it is drawn in.
struct ShownText {
    QString where;
    QString text;
    QFont font;
};

// Every text `root` and its children show: title, captions, field texts, button texts, tooltips.
std::vector<ShownText> shownTexts(QWidget& root) {
    std::vector<ShownText> shown{{QStringLiteral("title"), root.windowTitle(), root.font()}};
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        const QString name = widget->metaObject()->className() + (' ' + widget->objectName());
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            shown.push_back({name, label->text(), label->font()});
        } else if (const auto* field = qobject_cast<QLineEdit*>(widget)) {
            shown.push_back({name, field->text(), field->font()});
        } else if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            shown.push_back({name, button->text(), button->font()});
        }
        if (const auto* menu = qobject_cast<QMenu*>(widget)) {
            shown.push_back({name + " title", menu->title(), menu->font()});
            for (const QAction* action : menu->actions()) {
                shown.push_back({name + " command", action->text(), menu->font()});
            }
        }
        if (!widget->toolTip().isEmpty()) {
            shown.push_back({name + " tooltip", widget->toolTip(), QToolTip::font()});
        }
    }
    return shown;
}

// Checks that each text is drawn in the compiled-in font and that the font holds all of it.
void verifyInCompiledInFont(const std::vector<ShownText>& shown) {
    for (const ShownText& text : shown) {
        QCOMPARE(QRawFont::fromFont(text.font).familyName(), kFamily);
        const QString missing = charactersNotInFont(text.font, text.text);
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("%1 shows \"%2\": the font lacks \"%3\"; run "
                                           "packaging/fonts/make-font-subset")
                                .arg(text.where, text.text, missing)));
    }
}

}  // namespace

class ShownTextFontTest : public QObject {
    Q_OBJECT

  private slots:
    void theWindowUsesTheCompiledInFont();
    void everyTextOfTheWindowIsInTheFont();
    void everyFaultReportIsInTheFont();
    void everyTextOfTheToolWindowsIsInTheFont();
    void otherCharactersComeFromTheSystemFonts_data();
    void otherCharactersComeFromTheSystemFonts();
};

void ShownTextFontTest::theWindowUsesTheCompiledInFont() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    const QRawFont shipped = compiledInFont();
    QVERIFY(shipped.isValid());
    QCOMPARE(shipped.familyName(), kFamily);

    // The same file, not merely the same name: the same character map.
    const QRawFont used = QRawFont::fromFont(form.font());
    QCOMPARE(used.familyName(), kFamily);
    QCOMPARE(used.fontTable("cmap"), shipped.fontTable("cmap"));
    QCOMPARE(QFontInfo(form.font()).family(), kFamily);
    QCOMPARE(QFontInfo(form.font()).pointSize(), 9);

    // Tooltips and whatever else takes the application's font get it too.
    QCOMPARE(QFontInfo(QApplication::font()).family(), kFamily);
    QCOMPARE(QFontInfo(QToolTip::font()).family(), kFamily);
}

void ShownTextFontTest::everyTextOfTheWindowIsInTheFont() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    std::vector<ShownText> shown = shownTexts(form);
    // The walk saw the title, fields, captions, buttons and tips, and the menus' titles and
    // their eight commands.
    QVERIFY(shown.size() >= std::size_t{1 + 20 + 20 + 2 + 20});
    const auto menuTexts = std::count_if(shown.begin(), shown.end(), [](const ShownText& text) {
        return text.where.startsWith(QStringLiteral("QMenu ")) && !text.text.isEmpty();
    });
    QVERIFY(menuTexts >= 3 + 8);

    // What figures are typed and results are written with.
    QString ascii;
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        ascii += QChar(c);
    }
    shown.push_back({QStringLiteral("typed figures"), ascii, form.field(0)->font()});
    QTest::mouseClick(form.computeButton(), Qt::LeftButton);
    for (int i = kFirstResultField; i < kFieldCount; ++i) {
        shown.push_back(
            {QStringLiteral("result %1").arg(i), form.field(i)->text(), form.field(i)->font()});
    }
    verifyInCompiledInFont(shown);
}

void ShownTextFontTest::everyFaultReportIsInTheFont() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    std::vector<std::string_view> places{{}, kNozzleAreaName};
    for (const InputQuantity& input : kInputQuantities) {
        places.push_back(input.name);
    }
    for (const ResultQuantity& result : kDisplayedResults) {
        places.push_back(result.name);
    }
    for (const FaultKind kind :
         {FaultKind::DivisionByZero, FaultKind::Overflow, FaultKind::InvalidArgument}) {
        for (const std::string_view place : places) {
            const std::string_view caption = quantityCaption(place);
            const auto box = makeFaultReportBox(form, CalculationFault(kind, place),
                                                faultLocation(place, form.fieldArray()));
            const std::vector<ShownText> shown = shownTexts(*box);
            QString all;
            for (const ShownText& text : shown) {
                all += text.text + '\n';
            }
            // The walk saw the report itself: its kind, where it arose and its button.
            QVERIFY2(all.contains(QString::fromUtf8(faultKindDescription(kind))), qPrintable(all));
            QVERIFY2(all.contains(QString::fromUtf8(caption)), qPrintable(all));
            QVERIFY2(all.contains(QStringLiteral("确定")), qPrintable(all));
            verifyInCompiledInFont(shown);
            if (QTest::currentTestFailed()) {
                return;
            }
        }
    }
}

// The optimisation window with an answer, a limit marked and each of its choices, and the chart
// with every label, axis and legend.
void ShownTextFontTest::everyTextOfTheToolWindowsIsInTheFont() {
    RecordingFaultReporter faults;
    HydraulicsForm form({faults, nullptr, nullptr, QStringLiteral(BH_TEST_CHART_FOLDER)});
    form.show();
    ToolWindows& tools = form.menus().tools();
    tools.showOptimization();
    LimitsForm& limits = tools.optimizationWindow()->limits();
    typeInto(limits.field(optimize::Setting::MaxPressure), QStringLiteral("18"));
    typeInto(limits.field(optimize::Setting::MaxPower), QStringLiteral("720"));
    typeInto(limits.field(optimize::Setting::MaxFlow), QStringLiteral("40"));
    typeInto(limits.field(optimize::Setting::MaxEquivalentDensity), QStringLiteral("1.3"));
    tools.showFlowChart();
    std::vector<ShownText> shown = shownTexts(*tools.optimizationWindow());
    const QTableView& table = *tools.optimizationWindow()->answer().table();
    QVERIFY(table.model()->rowCount() > 0);
    for (int column = 0; column < table.model()->columnCount(); ++column) {
        shown.push_back({QStringLiteral("table header"),
                         table.model()->headerData(column, Qt::Horizontal).toString(),
                         table.horizontalHeader()->font()});
        shown.push_back({QStringLiteral("table cell"),
                         table.model()->index(0, column).data().toString(), table.font()});
    }
    for (const QComboBox* box : tools.optimizationWindow()->findChildren<QComboBox*>()) {
        for (int item = 0; item < box->count(); ++item) {
            shown.push_back({QStringLiteral("choice"), box->itemText(item), box->font()});
        }
    }
    shown.push_back({QStringLiteral("any spread"), limits.spreadBox()->specialValueText(),
                     limits.spreadBox()->font()});
    // A limit marked with its reason; limits that contradict each other.
    typeInto(limits.field(optimize::Setting::LossExponent), QStringLiteral("-1"));
    shown.push_back({QStringLiteral("reason"), limits.reasonAt(optimize::Setting::LossExponent),
                     limits.font()});
    typeInto(limits.field(optimize::Setting::LossExponent), QString());
    typeInto(limits.field(optimize::Setting::MaxEquivalentDensity), QStringLiteral("1.21"));
    shown.push_back({QStringLiteral("contradiction"),
                     plainText(tools.optimizationWindow()->answer().message()), limits.font()});
    typeInto(limits.field(optimize::Setting::MaxEquivalentDensity), QStringLiteral("1.3"));

    QWidget& chart = *tools.flowChartWindow();
    const auto chartTexts = [&chart] {
        std::vector<ShownText> texts = shownTexts(chart);
        for (QGraphicsItem* item : chart.findChild<QGraphicsView*>()->scene()->items()) {
            if (const auto* label = dynamic_cast<QGraphicsSimpleTextItem*>(item)) {
                texts.push_back({QStringLiteral("chart label"), label->text(), label->font()});
            } else if (const auto* text = dynamic_cast<QGraphicsTextItem*>(item)) {
                texts.push_back({QStringLiteral("chart text"), text->toPlainText(), text->font()});
            }
        }
        return texts;
    };
    // Once laid out, the walk sees the panels' axes and legends and the limits' and marks'
    // labels whole.
    const auto has = [&](const char* part) {
        const std::vector<ShownText> texts = chartTexts();
        return std::any_of(texts.begin(), texts.end(), [&](const ShownText& text) {
            return text.text.contains(QString::fromUtf8(part));
        });
    };
    for (const char* part : {"排量 (L/s)", "压力 (MPa)", "钻头水功率", "泵功率上限", "缸套最大排量",
                             "最优 ", "当前排量", "工作范围", "当量循环密度上限"}) {
        QTRY_VERIFY2(has(part), part);
    }
    const std::vector<ShownText> drawn = chartTexts();
    shown.insert(shown.end(), drawn.begin(), drawn.end());
    verifyInCompiledInFont(shown);
}

// Characters no shown text uses, typed into a field.
void ShownTextFontTest::otherCharactersComeFromTheSystemFonts_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("Chinese") << QStringLiteral("好");
    QTest::newRow("degree sign") << QStringLiteral("°");
    QTest::newRow("euro sign") << QStringLiteral("€");
}

void ShownTextFontTest::otherCharactersComeFromTheSystemFonts() {
    QFETCH(QString, text);
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    const QFont font = form.field(0)->font();
    QCOMPARE(charactersNotInFont(font, text), text);

    // Laid out after a figure the font holds: the figure in it, the character in another font.
    QTextLayout layout(QStringLiteral("15") + text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    // One run for each font, in no particular order.
    QList<QGlyphRun> runs = layout.glyphRuns();
    QCOMPARE(runs.size(), 2);
    if (runs[0].rawFont().familyName() != kFamily) {
        runs.swapItemsAt(0, 1);
    }
    QCOMPARE(runs[0].rawFont().familyName(), kFamily);
    QCOMPARE(runs[0].glyphIndexes().size(), 2);
    QVERIFY(runs[1].rawFont().familyName() != kFamily);
    QVERIFY(runs[1].rawFont().supportsCharacter(text.toUcs4().front()));
    QCOMPARE(runs[1].glyphIndexes().size(), 1);
    QVERIFY(runs[1].glyphIndexes().front() != 0);
}

}  // namespace bithydraulics::testing

QTEST_MAIN(bithydraulics::testing::ShownTextFontTest)
#include "shown_text_font_test.moc"

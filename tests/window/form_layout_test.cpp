// The window as built: every control where the description and the layout tables put it, with
// its text and kind, captions that fit in the chosen font, and fields that name their quantity.
#include <QAccessible>
#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <memory>

#include "behaviour/form_description.h"
#include "form_test_support.h"
#include "window/form_builder.h"
#include "window/hydraulics_form.h"

namespace bithydraulics::testing {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* builtControl(HydraulicsForm& form, const ControlDescription& control) {
    return form.findChild<QWidget*>(controlObjectName(control));
}

QString shownText(const QWidget* widget) {
    if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
        return field->text();
    }
    if (const auto* caption = qobject_cast<const QLabel*>(widget)) {
        return caption->text();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        return button->text();
    }
    return {};
}

}  // namespace

class FormLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void windowHasTitleClientSizeAndSizableFrame();
    void everyDescribedControlIsBuiltAsDescribed();
    void layoutTableFigures_data();
    void layoutTableFigures();
    void nothingMovesWhenTheWindowIsResized();
    void fieldsAreLeftAlignedSingleLineAndOnlyInputsTakeTyping();
    void captionsTakeNoFocusAndHaveNoAccessKeys();
    void buttonsAreNotTheWindowsDefault();
    void captionsFitInTheChosenFont();
    void fieldsNameTheCaptionOnTheirRow();
    void fieldToolTipsGiveQuantityAndUnit_data();
    void fieldToolTipsGiveQuantityAndUnit();
    void screenReadersFindTheWindowAndEachFieldsCaption();
    void standardTextsAreChinese();
    void windowHasTheProgramsIcon();
};

void FormLayoutTest::windowHasTitleClientSizeAndSizableFrame() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    QCOMPARE(form.windowTitle(), QStringLiteral("水利参数"));
    // The client area between the menu bar and the status line; the window grows by both.
    QCOMPARE(form.clientArea()->size(), QSize(456, 262));
    QCOMPARE(form.size(), QSize(456, 262 + form.menuBar()->sizeHint().height() +
                                         form.statusBar()->sizeHint().height()));
    QVERIFY(form.minimumSize() != form.maximumSize());
    QVERIFY(!form.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowState(), Qt::WindowNoState);
    QCOMPARE(form.clientArea()->geometry(),
             QRect(QPoint(0, form.menuBar()->height()), QSize(456, 262)));
    QVERIFY(form.menuBar()->height() > 0);
}

void FormLayoutTest::everyDescribedControlIsBuiltAsDescribed() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    const FormDescription& description = hydraulicsFormDescription();
    QCOMPARE(description.controls.size(), std::size_t{42});
    for (const ControlDescription& control : description.controls) {
        const QWidget* widget = builtControl(form, control);
        QVERIFY2(widget != nullptr, qPrintable(controlObjectName(control)));
        QCOMPARE(widget->geometry(), toPixels(control.bounds));
        QCOMPARE(shownText(widget), fromUtf8(control.text));
        switch (control.kind) {
            case ControlKind::TextField:
                QCOMPARE(widget, form.field(control.index));
                break;
            case ControlKind::Caption:
                QCOMPARE(widget, form.caption(control.index));
                break;
            case ControlKind::Button:
                QVERIFY(qobject_cast<const QPushButton*>(widget) != nullptr);
                break;
        }
    }
    QCOMPARE(form.computeButton()->objectName(), QStringLiteral("Command1"));
    QCOMPARE(form.exitButton()->objectName(), QStringLiteral("Command2"));
}

// Figures copied from the layout tables, so that a wrong description cannot pass.
void FormLayoutTest::layoutTableFigures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("text");

    const QStringList inputs{"15",  "16",  "0",    "30",  "1.2", "216",
                             "127", "165", "1820", "180", "13"};
    const int inputTops[] = {240, 510, 780, 1050, 1320, 1560, 1860, 2130, 2400, 2670, 2940};
    for (int i = 0; i < 11; ++i) {
        const QString name = QStringLiteral("Text1(%1)").arg(i);
        QTest::newRow(qPrintable(name)) << name << 1320 << inputTops[i] << 1215 << 270 << inputs[i];
    }
    const int resultTops[] = {292, 600, 930, 1260, 1590, 1920, 2250, 2580, 2880};
    for (int i = 0; i < 9; ++i) {
        const QString name = QStringLiteral("Text1(%1)").arg(11 + i);
        QTest::newRow(qPrintable(name))
            << name << 4140 << resultTops[i] << 1215 << 270 << QStringLiteral("Text1");
    }

    struct Caption {
        int label;
        int top;
        const char* text;
    };
    const Caption inputCaptions[] = {
        {6, 240, "1#喷嘴直径"}, {1, 510, "2#喷嘴直径"}, {2, 765, "3#喷嘴直径"},
        {3, 1035, "排量"},      {4, 1305, "泥浆密度"},  {5, 1575, "井径"},
        {7, 1830, "钻杆直径"},  {8, 2100, "钻铤直径"},  {9, 2370, "钻杆长度"},
        {10, 2640, "钻铤长度"}, {18, 2940, "泵压"},
    };
    for (const Caption& caption : inputCaptions) {
        const QString name = QStringLiteral("Label1(%1)").arg(caption.label);
        QTest::newRow(qPrintable(name))
            << name << 180 << caption.top << 1035 << 255 << QString::fromUtf8(caption.text);
    }
    const Caption resultCaptions[] = {
        {11, 300, "钻头压降"},   {12, 630, "钻头水功率"},  {0, 945, "比水功率"},
        {14, 1275, "冲击力"},    {15, 1605, "喷射速度"},   {16, 1920, "上返速度1"},
        {17, 2250, "上返速度2"}, {13, 2580, "功率利用率"}, {19, 2880, "环空压耗"},
    };
    for (const Caption& caption : resultCaptions) {
        const QString name = QStringLiteral("Label1(%1)").arg(caption.label);
        QTest::newRow(qPrintable(name))
            << name << 3120 << caption.top << 1035 << (caption.label == 19 ? 195 : 200)
            << QString::fromUtf8(caption.text);
    }

    QTest::newRow("Command1") << QStringLiteral("Command1") << 2160 << 3420 << 1335 << 375
                              << QStringLiteral("运算");
    QTest::newRow("Command2") << QStringLiteral("Command2") << 3780 << 3420 << 1395 << 375
                              << QStringLiteral("退出");
}

void FormLayoutTest::layoutTableFigures() {
    QFETCH(QString, name);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, text);

    const FormDescription& description = hydraulicsFormDescription();
    const ControlDescription* described = nullptr;
    for (const ControlDescription& control : description.controls) {
        if (controlObjectName(control) == name) {
            QVERIFY2(described == nullptr, "described twice");
            described = &control;
        }
    }
    QVERIFY(described != nullptr);
    QCOMPARE(described->bounds.left, left);
    QCOMPARE(described->bounds.top, top);
    QCOMPARE(described->bounds.width, width);
    QCOMPARE(described->bounds.height, height);
    QCOMPARE(fromUtf8(described->text), text);

    // 15 twips a pixel, to the nearest pixel.
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    const QWidget* widget = form.findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), QRect(qRound(left / 15.0), qRound(top / 15.0),
                                       qRound(width / 15.0), qRound(height / 15.0)));
    QCOMPARE(shownText(widget), text);
}

void FormLayoutTest::nothingMovesWhenTheWindowIsResized() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto children = form.clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(children.size(), 42);
    const QPoint clientOrigin = form.clientArea()->pos();
    QList<QRect> before;
    for (const QWidget* child : children) {
        before << child->geometry();
    }
    for (const QSize size : {QSize(800, 600), QSize(200, 100)}) {
        form.resize(size);
        QCOMPARE(form.size(), size);
        QCoreApplication::processEvents();
        QCOMPARE(form.clientArea()->pos(), clientOrigin);
        for (qsizetype i = 0; i < children.size(); ++i) {
            QCOMPARE(children[i]->geometry(), before[i]);
        }
    }
    form.showMaximized();
    QCoreApplication::processEvents();
    for (qsizetype i = 0; i < children.size(); ++i) {
        QCOMPARE(children[i]->geometry(), before[i]);
    }
}

void FormLayoutTest::fieldsAreLeftAlignedSingleLineAndOnlyInputsTakeTyping() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    for (int i = 0; i < kFieldCount; ++i) {
        const QLineEdit* field = form.field(i);
        // Only the inputs take typing; the results are the program's.
        QCOMPARE(field->isReadOnly(), i >= kFirstResultField);
        QVERIFY(field->isEnabled());
        QCOMPARE(field->echoMode(), QLineEdit::Normal);
        QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(field->focusPolicy(), Qt::StrongFocus);
    }
}

void FormLayoutTest::captionsTakeNoFocusAndHaveNoAccessKeys() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    for (int i = 0; i < kFieldCount; ++i) {
        const QLabel* caption = form.caption(i);
        QCOMPARE(caption->focusPolicy(), Qt::NoFocus);
        QCOMPARE(caption->frameShape(), QFrame::NoFrame);
        QCOMPARE(caption->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(caption->textFormat(), Qt::PlainText);
        QVERIFY(!caption->text().contains('&'));
    }
    for (const QPushButton* button : {form.computeButton(), form.exitButton()}) {
        QVERIFY(!button->text().contains('&'));
        QVERIFY(button->shortcut().isEmpty());
    }
}

void FormLayoutTest::buttonsAreNotTheWindowsDefault() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    for (const QPushButton* button : {form.computeButton(), form.exitButton()}) {
        QVERIFY(!button->isDefault());
    }
}

void FormLayoutTest::captionsFitInTheChosenFont() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    const QFont font = form.font();
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("WenQuanYi Micro Hei Subset"));
    QVERIFY(qAbs(QFontInfo(font).pointSizeF() - 9.0) < 0.5);

    // The font itself, without the fonts Qt would borrow a missing character from.
    const QRawFont chosen = QRawFont::fromFont(font);
    QCOMPARE(chosen.familyName(), QFontInfo(font).family());
    const QFontMetrics metrics(font);
    QList<QWidget*> captioned;
    for (int i = 0; i < kFieldCount; ++i) {
        captioned << form.caption(i);
    }
    captioned << form.computeButton() << form.exitButton();
    for (const QWidget* widget : captioned) {
        const QString text = shownText(widget);
        QCOMPARE(widget->font(), font);
        for (const char32_t character : text.toUcs4()) {
            QVERIFY2(chosen.supportsCharacter(character),
                     qPrintable(QStringLiteral("no glyph for %1 in %2")
                                    .arg(QString::fromUcs4(&character, 1), text)));
        }
        QVERIFY2(metrics.horizontalAdvance(text) <= widget->width(),
                 qPrintable(QStringLiteral("%1 is %2 px wide in a %3 px caption")
                                .arg(text)
                                .arg(metrics.horizontalAdvance(text))
                                .arg(widget->width())));
        QVERIFY2(metrics.tightBoundingRect(text).height() <= widget->height(), qPrintable(text));
    }
}

void FormLayoutTest::fieldsNameTheCaptionOnTheirRow() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    for (int i = 0; i < kFieldCount; ++i) {
        const QLineEdit* field = form.field(i);
        // The caption on a field's row: to its left in the same column, nearest in height.
        const QLabel* onRow = nullptr;
        for (int label = 0; label < kFieldCount; ++label) {
            const QLabel* caption = form.caption(label);
            if (caption->x() >= field->x() || field->x() - caption->x() > 80) {
                continue;
            }
            if (onRow == nullptr ||
                qAbs(caption->y() - field->y()) < qAbs(onRow->y() - field->y())) {
                onRow = caption;
            }
        }
        QVERIFY(onRow != nullptr);
        QCOMPARE(field->accessibleName(), onRow->text());
        QCOMPARE(onRow->buddy(), field);
    }
    QCOMPARE(form.field(10)->accessibleName(), QStringLiteral("泵压"));
    QCOMPARE(form.field(18)->accessibleName(), QStringLiteral("功率利用率"));
}

void FormLayoutTest::fieldToolTipsGiveQuantityAndUnit_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("nozzle 1") << 0 << QStringLiteral("1#喷嘴直径 (mm)");
    QTest::newRow("flow rate") << 3 << QStringLiteral("排量 (L/s)");
    QTest::newRow("mud density") << 4 << QStringLiteral("泥浆密度 (g/cm³)");
    QTest::newRow("pipe length") << 8 << QStringLiteral("钻杆长度 (m)");
    QTest::newRow("pump pressure") << 10 << QStringLiteral("泵压 (MPa)");
    QTest::newRow("bit power") << 12 << QStringLiteral("钻头水功率 (kW)");
    QTest::newRow("specific power") << 13 << QStringLiteral("比水功率 (W/mm²)");
    QTest::newRow("pipe annular velocity") << 16 << QStringLiteral("上返速度1 (m/s)");
    QTest::newRow("power utilisation") << 18 << QStringLiteral("功率利用率 (%)");
    QTest::newRow("annular loss") << 19 << QStringLiteral("环空压耗 (MPa)");
}

void FormLayoutTest::fieldToolTipsGiveQuantityAndUnit() {
    QFETCH(int, field);
    QFETCH(QString, toolTip);
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    QCOMPARE(form.field(field)->toolTip(), toolTip);
}

void FormLayoutTest::screenReadersFindTheWindowAndEachFieldsCaption() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(QAccessible::queryAccessibleInterface(&form)->role(), QAccessible::Window);
    for (int i = 0; i < kFieldCount; ++i) {
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(form.field(i));
        QVERIFY(field != nullptr);
        const auto labels = field->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        const auto* caption = qobject_cast<const QLabel*>(labels.front().first->object());
        QVERIFY(caption != nullptr);
        QCOMPARE(caption->buddy(), form.field(i));
        // "排量, 30": the caption as the field's name, its text as its value.
        QCOMPARE(field->text(QAccessible::Name), caption->text());
        QCOMPARE(field->text(QAccessible::Value), form.field(i)->text());
    }
}

// Qt's own texts, such as a field's context menu, in Chinese whatever the system's language.
void FormLayoutTest::standardTextsAreChinese() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    const std::unique_ptr<QMenu> menu(form.field(3)->createStandardContextMenu());
    int commands = 0;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        ++commands;
        // The caption without its access key "(&U)" and the shortcut after the tab.
        QString caption = action->text().section('\t', 0, 0);
        caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
        QVERIFY2(!caption.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))),
                 qPrintable(action->text()));
    }
    QVERIFY(commands >= 6);
}

void FormLayoutTest::windowHasTheProgramsIcon() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    const QIcon icon = form.windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    QVERIFY(!icon.pixmap(32, 32).toImage().isNull());
}

}  // namespace bithydraulics::testing

QTEST_MAIN(bithydraulics::testing::FormLayoutTest)
#include "form_layout_test.moc"

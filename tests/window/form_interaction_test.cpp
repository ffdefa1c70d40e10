// The window in use: the focus order, the keys that press and do not press the buttons, the
// compute command on the fields, the fault report, and the two ways the program ends.
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "behaviour/quantity_captions.h"
#include "form_test_support.h"
#include "platform/ui/fault_report.h"
#include "window/hydraulics_form.h"
#include "window/line_edit_field_array.h"

namespace bithydraulics::testing {

class FormInteractionTest : public QObject {
    Q_OBJECT

  private slots:
    void focusStartsOnComputeAndTabGoesRoundTheCycle();
    void spaceOnComputeComputesTheDefaults();
    void enterAndEscapeInAFieldPressNothing_data();
    void enterAndEscapeInAFieldPressNothing();
    void clickingComputeWritesTheDefaultsResults();
    void resultsTakeNoTypingAndComputingOverwritesThem();
    void resultsOfOtherInputsAreMarkedStaleUntilComputed();
    void clearingNozzle3ChangesNothing();
    void fieldArrayPassesTextAsUtf8();
    void faultsAreReportedAndLeaveEveryField_data();
    void faultsAreReportedAndLeaveEveryField();
    void faultReportIsOneModalMessageAndTheWindowStaysOpen();
    void afterAFaultACorrectedFigureComputes();
    void exitButtonEndsTheEventLoop();
    void closingTheWindowEndsTheEventLoop();

    void longResultsShowFromTheirStart();
    void enterPressesTheFocusedButton();
    void focusFrameShowsFromTheFirstFrame();
    void partlyReadInputsAreMarkedUntilEdited();
    void faultReportLinesDoNotBreakInsideAPhrase();
};

void FormInteractionTest::focusStartsOnComputeAndTabGoesRoundTheCycle() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.computeButton());

    QList<QWidget*> cycle;
    for (int i = 0; i <= 18; ++i) {
        cycle << form.field(i);
    }
    cycle << form.exitButton() << form.field(19) << form.computeButton();
    for (QWidget* expected : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected->objectName());
    }
    // And backwards from Command1: Text1(19), then Command2.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form.field(19));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form.exitButton());
}

void FormInteractionTest::spaceOnComputeComputesTheDefaults() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(resultTexts(form), kDefaultResults);
}

void FormInteractionTest::enterAndEscapeInAFieldPressNothing_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("key");
    QTest::newRow("Enter in an input") << 3 << int(Qt::Key_Return);
    QTest::newRow("keypad Enter in an input") << 10 << int(Qt::Key_Enter);
    QTest::newRow("Enter in a result") << 19 << int(Qt::Key_Return);
    QTest::newRow("Esc in an input") << 0 << int(Qt::Key_Escape);
    QTest::newRow("Esc in a result") << 12 << int(Qt::Key_Escape);
}

void FormInteractionTest::enterAndEscapeInAFieldPressNothing() {
    QFETCH(int, field);
    QFETCH(int, key);
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    // A pump pressure of 0 would make a press of 运算 show; nothing may be pressed at all.
    form.field(10)->setText(QStringLiteral("0"));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.field(field)->setFocus();
    const QStringList before = fieldTexts(form);
    const int code =
        runEventLoopWith([&] { QTest::keyClick(form.field(field), static_cast<Qt::Key>(key)); });
    QCOMPARE(code, kStillRunning);
    QVERIFY(form.isVisible());
    QCOMPARE(fieldTexts(form), before);
    QVERIFY(faults.faults.empty());
}

void FormInteractionTest::clickingComputeWritesTheDefaultsResults() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(resultTexts(form), untouchedResults());
    QTest::mouseClick(form.computeButton(), Qt::LeftButton);
    QCOMPARE(resultTexts(form), kDefaultResults);
    QCOMPARE(fieldTexts(form).mid(0, kInputFieldCount),
             QStringList({"15", "16", "0", "30", "1.2", "216", "127", "165", "1820", "180", "13"}));
    QCOMPARE(form.state().inputs.flowRate, 30.0);
    QVERIFY(faults.faults.empty());
}

void FormInteractionTest::resultsTakeNoTypingAndComputingOverwritesThem() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // A result is selectable and copyable, but only 运算 writes it.
    typeInto(form.field(14), QStringLiteral("typed by hand"));
    QCOMPARE(form.field(14)->text(), QStringLiteral("Text1"));
    form.field(14)->selectAll();
    QCOMPARE(form.field(14)->selectedText(), QStringLiteral("Text1"));
    QTest::mouseClick(form.computeButton(), Qt::LeftButton);
    QCOMPARE(resultTexts(form), kDefaultResults);

    // A changed input shows in the next result: twice the flow, twice the jet velocity.
    typeInto(form.field(3), QStringLiteral("60"));
    QTest::mouseClick(form.computeButton(), Qt::LeftButton);
    QCOMPARE(form.field(15)->text(), QStringLiteral("158.90"));
}

void FormInteractionTest::resultsOfOtherInputsAreMarkedStaleUntilComputed() {
    TestWindow window;
    HydraulicsForm& form = window.form;
    QLineEdit* result = form.field(15);
    const QString ownToolTip = result->toolTip();
    const auto isStale = [&] {
        const bool greyed = result->palette().color(QPalette::Text) !=
                            QPalette().color(QPalette::Active, QPalette::Text);
        const bool said = result->toolTip().contains(QStringLiteral("输入已改动，按 运算 更新"));
        if (greyed != said || greyed != form.resultRecord().stale()) {
            qWarning("the look, the tooltip and the record disagree");
        }
        return greyed && said && form.resultRecord().stale();
    };
    // Nothing computed yet: nothing to call stale.
    typeInto(form.field(3), QStringLiteral("26"));
    QVERIFY(!isStale());
    QTest::mouseClick(form.computeButton(), Qt::LeftButton);
    const QStringList computed = resultTexts(form);
    QVERIFY(!isStale());

    // Typed: the results stay, marked, and go back to plain when the figure reads as before.
    typeInto(form.field(3), QStringLiteral("40"));
    QVERIFY(isStale());
    QCOMPARE(resultTexts(form), computed);
    typeInto(form.field(3), QStringLiteral("26"));
    QVERIFY(!isStale());
    QCOMPARE(result->toolTip(), ownToolTip);

    // Pasted, undone, faulted: still the figures of 26 L/s, marked.
    QGuiApplication::clipboard()->setText(QStringLiteral("40\n1.2\n"));
    form.field(3)->setFocus();
    QTest::keyClick(form.field(3), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.field(3)->text(), QStringLiteral("40"));
    QVERIFY(isStale());
    QTest::keyClick(form.field(3), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form.field(3)->text(), QStringLiteral("26"));
    QVERIFY(!isStale());
    typeInto(form.field(10), QStringLiteral("0"));
    QTest::mouseClick(form.computeButton(), Qt::LeftButton);
    QCOMPARE(window.faults.faults.size(), std::size_t{1});
    QVERIFY(isStale());
    QCOMPARE(resultTexts(form), computed);

    typeInto(form.field(10), QStringLiteral("13"));
    typeInto(form.field(3), QStringLiteral("40"));
    QTest::mouseClick(form.computeButton(), Qt::LeftButton);
    QVERIFY(!isStale());
    QVERIFY(resultTexts(form) != computed);
}

void FormInteractionTest::clearingNozzle3ChangesNothing() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    typeInto(form.field(2), QString());
    QCOMPARE(form.field(2)->text(), QString());
    QTest::mouseClick(form.computeButton(), Qt::LeftButton);
    QCOMPARE(resultTexts(form), kDefaultResults);
    QCOMPARE(form.field(2)->text(), QString());
}

void FormInteractionTest::fieldArrayPassesTextAsUtf8() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    std::array<QLineEdit*, kFieldCount> fields{};
    for (int i = 0; i < kFieldCount; ++i) {
        fields[static_cast<std::size_t>(i)] = form.field(i);
    }
    LineEditFieldArray array(fields);
    typeInto(form.field(4), QStringLiteral("1,2 g/cm³"));
    QCOMPARE(array.readText(4), std::string("1,2 g/cm\u00b3"));
    array.replaceText(17, "上返 1.97");
    QCOMPARE(form.field(17)->text(), QStringLiteral("上返 1.97"));
    QCOMPARE(array.readText(17), std::string("上返 1.97"));
    QCOMPARE(array.readText(0), std::string("15"));
}

void FormInteractionTest::faultsAreReportedAndLeaveEveryField_data() {
    QTest::addColumn<QList<int>>("fields");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("errorNumber");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QStringList>("figuresToCheck");  // the inputs of the step, as typed

    QTest::newRow("pump pressure 0")
        << QList<int>{10} << QStringList{"0"} << 11 << int(FaultKind::DivisionByZero)
        << QStringLiteral("功率利用率") << QStringList{"泵压 = 0"};
    QTest::newRow("all nozzles and flow rate 0")
        << QList<int>{0, 1, 2, 3} << QStringList{"0", "0", "0", "0"} << 6
        << int(FaultKind::Overflow) << QStringLiteral("钻头压降")
        << QStringList{"1#喷嘴直径 = 0", "2#喷嘴直径 = 0", "3#喷嘴直径 = 0", "排量 = 0",
                       "泥浆密度 = 1.2"};
    QTest::newRow("flow rate negative")
        << QList<int>{3} << QStringList{"-30"} << 5 << int(FaultKind::InvalidArgument)
        << QStringLiteral("环空压耗")
        << QStringList{"排量 = -30",     "泥浆密度 = 1.2",  "井径 = 216",    "钻杆直径 = 127",
                       "钻铤直径 = 165", "钻杆长度 = 1820", "钻铤长度 = 180"};
    QTest::newRow("hole equals pipe")
        << QList<int>{5} << QStringList{"127"} << 11 << int(FaultKind::DivisionByZero)
        << QStringLiteral("上返速度1") << QStringList{"排量 = 30", "井径 = 127", "钻杆直径 = 127"};
    QTest::newRow("flow rate too large to read")
        << QList<int>{3} << QStringList{"1e400"} << 6 << int(FaultKind::Overflow)
        << QStringLiteral("排量") << QStringList{"排量 = 1e400"};
    QTest::newRow("nozzle area too large")
        << QList<int>{0} << QStringList{"1e200"} << 6 << int(FaultKind::Overflow)
        << QStringLiteral("喷嘴总面积")
        << QStringList{"1#喷嘴直径 = 1e200", "2#喷嘴直径 = 16", "3#喷嘴直径 = 0"};
}

void FormInteractionTest::faultsAreReportedAndLeaveEveryField() {
    QFETCH(QList<int>, fields);
    QFETCH(QStringList, texts);
    QFETCH(int, errorNumber);
    QFETCH(int, kind);
    QFETCH(QString, where);
    QFETCH(QStringList, figuresToCheck);

    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Results from an earlier run stand in the fields and must stay.
    QTest::mouseClick(form.computeButton(), Qt::LeftButton);
    QCOMPARE(resultTexts(form), kDefaultResults);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        typeInto(form.field(fields[i]), texts[i]);
    }
    const QStringList before = fieldTexts(form);

    const int code =
        runEventLoopWith([&] { QTest::mouseClick(form.computeButton(), Qt::LeftButton); });

    QCOMPARE(code, kStillRunning);
    QVERIFY(form.isVisible());
    QCOMPARE(faults.faults.size(), std::size_t{1});
    const RecordedFault& fault = faults.faults.front();
    QCOMPARE(fault.errorNumber, errorNumber);
    QCOMPARE(int(fault.kind), kind);
    QCOMPARE(QString::fromStdString(fault.where), where);
    QStringList figures;
    for (const auto& [caption, text] : fault.location.figures) {
        figures << QString::fromStdString(caption + " = " + text);
    }
    QCOMPARE(figures, figuresToCheck);
    QCOMPARE(fault.fieldsWhenReported, before);
    QCOMPARE(fieldTexts(form), before);
}

void FormInteractionTest::faultReportIsOneModalMessageAndTheWindowStaysOpen() {
    MessageBoxFaultReporter reporter;
    HydraulicsForm form(reporter);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    typeInto(form.field(10), QStringLiteral("0"));

    MessageBoxWatcher watcher;
    const int code =
        runEventLoopWith([&] { QTest::mouseClick(form.computeButton(), Qt::LeftButton); });

    QCOMPARE(code, kStillRunning);
    QCOMPARE(watcher.shown.size(), 1);
    const ShownMessage& message = watcher.shown.front();
    QCOMPARE(message.title, QStringLiteral("水利参数"));
    QVERIFY(message.modal);
    QCOMPARE(message.icon, QMessageBox::Critical);
    QVERIFY2(message.text.contains(QStringLiteral("11")), qPrintable(message.text));
    QVERIFY2(message.text.contains(QStringLiteral("除数为零")), qPrintable(message.text));
    QVERIFY2(message.text.contains(QStringLiteral("功率利用率")), qPrintable(message.text));
    QVERIFY2(message.text.contains(QStringLiteral("请检查：泵压 = 0")), qPrintable(message.text));
    QVERIFY(form.isVisible());
    QCOMPARE(resultTexts(form), untouchedResults());
    QCOMPARE(form.field(10)->text(), QStringLiteral("0"));
}

void FormInteractionTest::afterAFaultACorrectedFigureComputes() {
    MessageBoxFaultReporter reporter;
    HydraulicsForm form(reporter);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    typeInto(form.field(10), QStringLiteral("0"));
    typeInto(form.field(7), QStringLiteral("170"));

    MessageBoxWatcher watcher;
    QCOMPARE(runEventLoopWith([&] { QTest::mouseClick(form.computeButton(), Qt::LeftButton); }),
             kStillRunning);
    QCOMPARE(watcher.shown.size(), 1);
    QCOMPARE(form.field(10)->text(), QStringLiteral("0"));
    QCOMPARE(form.field(7)->text(), QStringLiteral("170"));
    QCOMPARE(resultTexts(form), untouchedResults());

    typeInto(form.field(10), QStringLiteral("13"));
    typeInto(form.field(7), QStringLiteral("165"));
    QTest::mouseClick(form.computeButton(), Qt::LeftButton);
    QCOMPARE(watcher.shown.size(), 1);
    QCOMPARE(resultTexts(form), kDefaultResults);
}

void FormInteractionTest::exitButtonEndsTheEventLoop() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.computeButton(), Qt::LeftButton);  // unsaved figures do not matter
    QCOMPARE(runEventLoopWith([&] { QTest::mouseClick(form.exitButton(), Qt::LeftButton); }), 0);
}

void FormInteractionTest::closingTheWindowEndsTheEventLoop() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(runEventLoopWith([&] { form.close(); }), 0);
    QVERIFY(!form.isVisible());
}

void FormInteractionTest::longResultsShowFromTheirStart() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // A hole barely wider than the pipe gives a long negative annular loss; a huge flow rate
    // gives long powers and forces.
    typeInto(form.field(5), QStringLiteral("126.9"));
    typeInto(form.field(3), QStringLiteral("3000000"));
    QTest::mouseClick(form.computeButton(), Qt::LeftButton);
    QVERIFY(faults.faults.empty());
    QVERIFY2(form.field(19)->text().startsWith('-'), qPrintable(form.field(19)->text()));

    int longResults = 0;
    for (int i = kFirstResultField; i < kFieldCount; ++i) {
        QLineEdit* field = form.field(i);
        const QString text = field->text();
        if (text.size() < 13) {
            continue;
        }
        ++longResults;
        QCOMPARE(field->cursorPosition(), 0);
        // Drawn, the field begins as a field holding only the text's first four characters: the
        // same pixels over its frame and first glyphs.
        QLineEdit reference(text.left(4), form.clientArea());
        reference.setGeometry(field->geometry().translated(0, 300));
        reference.show();
        const int fourthCharacter = field->fontMetrics().horizontalAdvance(text.left(3));
        const QImage shown = field->grab().toImage();
        const QImage expected = reference.grab().toImage();
        const QRect start(0, 0, fourthCharacter, field->height());
        QVERIFY2(shown.copy(start) == expected.copy(start), qPrintable(text));
    }
    QVERIFY(longResults >= 3);
}

void FormInteractionTest::enterPressesTheFocusedButton() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.computeButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(resultTexts(form), kDefaultResults);

    form.exitButton()->setFocus();
    QCOMPARE(runEventLoopWith([&] { QTest::keyClick(form.exitButton(), Qt::Key_Enter); }), 0);
}

void FormInteractionTest::focusFrameShowsFromTheFirstFrame() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QPushButton* compute = form.computeButton();
    QCOMPARE(QApplication::focusWidget(), compute);
    const QImage atStart = compute->grab().toImage();
    QTest::keyClick(compute, Qt::Key_Tab);
    const QImage withoutFocus = compute->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), compute);
    const QImage afterTab = compute->grab().toImage();
    // At start 运算 looks as it does when Tab has brought the focus to it, not as without it.
    QVERIFY(afterTab != withoutFocus);
    QVERIFY(atStart == afterTab);
}

void FormInteractionTest::partlyReadInputsAreMarkedUntilEdited() {
    RecordingFaultReporter faults;
    HydraulicsForm partly(faults);
    HydraulicsForm plainly(faults);
    for (HydraulicsForm* form : {&partly, &plainly}) {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    const QList<std::pair<int, QString>> partlyRead{{0, "15mm"}, {2, "abc"}, {8, "1,820"}};
    const QList<std::pair<int, QString>> asRead{{0, "15"}, {2, "0"}, {8, "1"}};
    for (const auto& [field, text] : partlyRead) {
        typeInto(partly.field(field), text);
    }
    for (const auto& [field, text] : asRead) {
        typeInto(plainly.field(field), text);
    }
    QTest::mouseClick(partly.computeButton(), Qt::LeftButton);
    QTest::mouseClick(plainly.computeButton(), Qt::LeftButton);
    // The figures and results are those of the figures read.
    QCOMPARE(resultTexts(partly), resultTexts(plainly));

    const QColor plainBackground = plainly.field(0)->palette().color(QPalette::Base);
    for (int i = 0; i < kInputFieldCount; ++i) {
        const auto marked = std::find_if(partlyRead.begin(), partlyRead.end(),
                                         [i](const auto& entry) { return entry.first == i; });
        QLineEdit* field = partly.field(i);
        QCOMPARE(partly.inputMarks().isMarked(i), marked != partlyRead.end());
        QCOMPARE(field->palette().color(QPalette::Base) != plainBackground,
                 marked != partlyRead.end());
        QCOMPARE(field->toolTip().startsWith(plainly.field(i)->toolTip()), true);
        QCOMPARE(field->toolTip() != plainly.field(i)->toolTip(), marked != partlyRead.end());
        QVERIFY(!plainly.inputMarks().isMarked(i));
    }
    QVERIFY2(partly.field(0)->toolTip().endsWith(QStringLiteral("读作 15")),
             qPrintable(partly.field(0)->toolTip()));
    QVERIFY(partly.field(2)->toolTip().endsWith(QStringLiteral("读作 0")));
    QVERIFY(partly.field(8)->toolTip().endsWith(QStringLiteral("读作 1")));

    // An edit takes the mark away; the other marks stay until the next 运算.
    QTest::keyClick(partly.field(8), Qt::Key_End);
    QTest::keyClick(partly.field(8), Qt::Key_Backspace);
    QVERIFY(!partly.inputMarks().isMarked(8));
    QCOMPARE(partly.field(8)->palette().color(QPalette::Base), plainBackground);
    QCOMPARE(partly.field(8)->toolTip(), plainly.field(8)->toolTip());
    QVERIFY(partly.inputMarks().isMarked(0));
    typeInto(partly.field(0), QStringLiteral("15"));
    QTest::mouseClick(partly.computeButton(), Qt::LeftButton);
    QVERIFY(!partly.inputMarks().isMarked(0));
    QVERIFY(partly.inputMarks().isMarked(2));
}

void FormInteractionTest::faultReportLinesDoNotBreakInsideAPhrase() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    typeInto(form.field(10), QStringLiteral("0"));
    // The shortest report, where the hint is the widest line, and the longest: the annular loss
    // takes seven figures.
    const std::pair<FaultKind, std::string_view> reports[] = {
        {FaultKind::DivisionByZero, "powerUtilization"},
        {FaultKind::InvalidArgument, "annularPressureLoss"}};
    for (const auto& [kind, quantity] : reports) {
        const auto box = makeFaultReportBox(form, CalculationFault(kind),
                                            faultLocation(quantity, form.fieldArray()));
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        for (const char* name : {"qt_msgbox_label", "qt_msgbox_informativelabel"}) {
            const auto* label = box->findChild<QLabel*>(QLatin1String(name));
            QVERIFY(label != nullptr);
            // Every line fits the label unbroken: it is as wide as the text laid out without
            // wrapping.
            QTextDocument unwrapped;
            unwrapped.setDefaultFont(label->font());
            unwrapped.setDocumentMargin(0);
            if (Qt::mightBeRichText(label->text())) {
                unwrapped.setHtml(label->text());
            } else {
                unwrapped.setPlainText(label->text());
            }
            QVERIFY2(label->contentsRect().width() + 2 >= unwrapped.idealWidth(),
                     qPrintable(QStringLiteral("%1: %2 px for %3 px of text")
                                    .arg(name)
                                    .arg(label->contentsRect().width())
                                    .arg(unwrapped.idealWidth())));
        }
    }
}

}  // namespace bithydraulics::testing

QTEST_MAIN(bithydraulics::testing::FormInteractionTest)
#include "form_interaction_test.moc"

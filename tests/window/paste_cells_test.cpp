// Pasting from a spreadsheet: a row or a column of cells fills the input fields one cell each,
// whichever way it is pasted, and Ctrl+Z takes the paste back whole.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QToolTip>

#include "form_test_support.h"
#include "window/hydraulics_form.h"
#include "window/paste_cells.h"

namespace bithydraulics::testing {
namespace {

// The eleven figures of a case as a spreadsheet column puts them on the clipboard.
const QStringList kCase{"12",  "12",    "12",   "32",  "1.3", "215.9",
                        "127", "177.8", "2500", "150", "18"};

QStringList inputTexts(const HydraulicsForm& form) {
    return fieldTexts(form).mid(0, kInputFieldCount);
}

void showActive(HydraulicsForm& form) {
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

}  // namespace

class PasteCellsTest : public QObject {
    Q_OBJECT

  private slots:
    void textsSplitIntoCells_data();
    void textsSplitIntoCells();
    void aColumnPastedIntoTheFirstFieldFillsTheCase();
    void aRowFillsFromTheFocusedFieldAndUndoesAsOneStep();
    void oneCopiedCellPastesAsBefore();
    void cellsBeyondTheLastFieldAreLeftOutWithANote();
    void theContextMenusPasteSpreadsCellsToo();
};

void PasteCellsTest::textsSplitIntoCells_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("one cell") << "32" << QStringList{"32"};
    QTest::newRow("one copied cell") << "32\n" << QStringList{"32"};
    QTest::newRow("one copied cell, CRLF") << "32\r\n" << QStringList{"32"};
    QTest::newRow("row") << "32\t1.3\n" << QStringList{"32", "1.3"};
    QTest::newRow("column, CRLF") << "32\r\n40\r\n" << QStringList{"32", "40"};
    QTest::newRow("block, row by row") << "1\t2\n3\t4\n" << QStringList{"1", "2", "3", "4"};
    QTest::newRow("empty cells kept") << "1\t\t3\n\n5" << QStringList{"1", "", "3", "", "5"};
    QTest::newRow("blanks inside a cell kept") << " 1 820 \t2" << QStringList{" 1 820 ", "2"};
}

void PasteCellsTest::textsSplitIntoCells() {
    QFETCH(QString, text);
    QFETCH(QStringList, cells);
    QCOMPARE(pastedCells(text), cells);
}

void PasteCellsTest::aColumnPastedIntoTheFirstFieldFillsTheCase() {
    RecordingFaultReporter faults;
    HydraulicsForm pasted(faults);
    HydraulicsForm typed(faults);
    showActive(pasted);
    QGuiApplication::clipboard()->setText(kCase.join('\n') + '\n');
    QTest::keyClick(pasted.field(0), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pasted.field(0), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(inputTexts(pasted), kCase);

    // The same case typed field by field computes the same results.
    for (int i = 0; i < kInputFieldCount; ++i) {
        typeInto(typed.field(i), kCase[i]);
    }
    QTest::mouseClick(pasted.computeButton(), Qt::LeftButton);
    QTest::mouseClick(typed.computeButton(), Qt::LeftButton);
    QCOMPARE(resultTexts(pasted), resultTexts(typed));
    QVERIFY(resultTexts(pasted) != kDefaultResults);
    QVERIFY(faults.faults.empty());
}

void PasteCellsTest::aRowFillsFromTheFocusedFieldAndUndoesAsOneStep() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    showActive(form);
    const QStringList defaults = inputTexts(form);
    typeInto(form.field(3), QStringLiteral("9"));
    const QStringList before = inputTexts(form);
    QGuiApplication::clipboard()->setText(QStringLiteral("32\t1.3\n"));
    // Shift+Insert pastes as Ctrl+V does; the cursor's place in the field does not matter.
    form.field(3)->setFocus();
    form.field(3)->setCursorPosition(1);
    QTest::keyClick(form.field(3), Qt::Key_Insert, Qt::ShiftModifier);
    QStringList pasted = before;
    pasted[3] = "32";
    pasted[4] = "1.3";
    QCOMPARE(inputTexts(form), pasted);

    // What was typed after the paste comes off first, then the paste whole, from any field; what
    // was typed before it is still there to take back.
    typeInto(form.field(5), QStringLiteral("200"));
    QTest::keyClick(form.field(5), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(inputTexts(form), pasted);
    QTest::keyClick(form.field(4), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(inputTexts(form), before);
    QTest::keyClick(form.field(3), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(inputTexts(form), defaults);
}

void PasteCellsTest::oneCopiedCellPastesAsBefore() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    showActive(form);
    QGuiApplication::clipboard()->setText(QStringLiteral("2\n"));
    form.field(3)->setFocus();
    form.field(3)->setCursorPosition(1);  // "3|0"
    QTest::keyClick(form.field(3), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.field(3)->text(), QStringLiteral("320"));
    QCOMPARE(form.field(4)->text(), QStringLiteral("1.2"));
}

void PasteCellsTest::cellsBeyondTheLastFieldAreLeftOutWithANote() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    showActive(form);
    QGuiApplication::clipboard()->setText(kCase.mid(0, 5).join('\t'));
    form.field(9)->setFocus();
    QTest::keyClick(form.field(9), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.field(9)->text(), kCase[0]);
    QCOMPARE(form.field(10)->text(), kCase[1]);
    // Nothing spills into the results.
    QCOMPARE(form.field(11)->text(), QStringLiteral("Text1"));
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY2(QToolTip::text().contains(QStringLiteral("3 格")), qPrintable(QToolTip::text()));
}

void PasteCellsTest::theContextMenusPasteSpreadsCellsToo() {
    RecordingFaultReporter faults;
    HydraulicsForm form(faults);
    showActive(form);
    QGuiApplication::clipboard()->setText(QStringLiteral("40\n1.25\n"));
    QLineEdit* field = form.field(3);
    field->setFocus();
    field->selectAll();
    // Paste from the field's own menu by its access key, as a keyboard user would.
    QTimer::singleShot(0, [] {
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P);
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                            field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &event);
    QCOMPARE(field->text(), QStringLiteral("40"));
    QCOMPARE(form.field(4)->text(), QStringLiteral("1.25"));
    QCOMPARE(form.field(5)->text(), QStringLiteral("216"));
}

}  // namespace bithydraulics::testing

QTEST_MAIN(bithydraulics::testing::PasteCellsTest)
#include "paste_cells_test.moc"

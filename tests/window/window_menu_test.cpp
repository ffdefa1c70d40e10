// The menu bar's commands, driven from the keyboard: case files in and out (and through the
// command-line companion), results to a file and the clipboard, pasting a case, the guide, the
// about box, exit, and what the window remembers between runs.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <optional>

#include "cli/cli.h"
#include "form_test_support.h"
#include "platform/version.h"
#include "window/hydraulics_form.h"
#include "window/user_dialogs.h"
#include "window/user_guide.h"
#include "window/window_menus.h"

namespace bithydraulics::testing {
namespace {

// Opens a menu with Alt and its access key, then picks a command by its access key.
void pickFromMenu(HydraulicsForm& form, Qt::Key menuKey, Qt::Key commandKey) {
    QTest::keyClick(&form, menuKey, Qt::AltModifier);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), commandKey);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kBom("\xEF\xBB\xBF");

}  // namespace

class WindowMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void menusOpenFromTheKeyboard();
    void savedCaseOpensAsTypedAndUndoes();
    void savedCaseFeedsTheCommandLineBatch();
    void aFileOfSeveralCasesOffersThem();
    void badCaseFilesChangeNothing_data();
    void badCaseFilesChangeNothing();
    void exportWritesTheTwentyFields();
    void copyResultsPutsATableOnTheClipboard();
    void pasteCaseFillsTheInputsFromTheFirst();
    void guideOpensWithF1();
    void aboutShowsNameVersionLicenceAndFontNotice();
    void exitCommandEndsAtOnce();
    void folderAndPositionAreRememberedButNotTheFigures();

  private:
    QTemporaryDir dir_;
};

void WindowMenuTest::initTestCase() {
    QVERIFY(dir_.isValid());
}

void WindowMenuTest::menusOpenFromTheKeyboard() {
    TestWindow window;
    const QList<QAction*> menus = window.form.menuBar()->actions();
    QCOMPARE(menus.size(), 4);
    for (const auto& [key, index] :
         {std::pair{Qt::Key_F, 0}, {Qt::Key_E, 1}, {Qt::Key_T, 2}, {Qt::Key_H, 3}}) {
        QTest::keyClick(&window.form, key, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), menus[index]->menu());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(&window.form, Qt::Key_Escape);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    }
}

void WindowMenuTest::savedCaseOpensAsTypedAndUndoes() {
    TestWindow window;
    // Texts as typed, with what CSV must quote: a comma, a quote, a blank, Chinese.
    const QStringList typed{"15",  "16 mm", "0",    "32",      "1,3", "216",
                            "127", "165",   "1820", "\"180\"", "１３"};
    for (int i = 0; i < kInputFieldCount - 1; ++i) {
        typeInto(window.form.field(i), typed[i]);
    }
    // As an input method commits full-width digits.
    window.form.field(10)->selectAll();
    window.form.field(10)->insert(typed[10]);
    window.dialogs.savePath = dir_.filePath(QStringLiteral("case.csv"));
    QTest::keyClick(window.form.field(2), Qt::Key_S, Qt::ControlModifier);
    const QByteArray saved = fileBytes(window.dialogs.savePath);
    QVERIFY(saved.startsWith(kBom + "nozzleDiameter1,nozzleDiameter2,"));
    QCOMPARE(saved.count('\n'), 2);

    TestWindow other;
    const QStringList before = other.inputs();
    other.dialogs.openPath = window.dialogs.savePath;
    QTest::keyClick(other.form.computeButton(), Qt::Key_O, Qt::ControlModifier);
    QVERIFY2(other.dialogs.errors.isEmpty(), qPrintable(other.dialogs.errors.join('\n')));
    QCOMPARE(other.inputs(), typed);
    // One Ctrl+Z, in any field, takes the whole opening back.
    QTest::keyClick(other.form.field(4), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(other.inputs(), before);
}

void WindowMenuTest::savedCaseFeedsTheCommandLineBatch() {
    TestWindow window;
    typeInto(window.form.field(3), QStringLiteral("34"));
    typeInto(window.form.field(10), QStringLiteral("17.5"));
    window.dialogs.savePath = dir_.filePath(QStringLiteral("for-batch.csv"));
    QTest::keyClick(window.form.computeButton(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(window.form.computeButton(), Qt::Key_Space);

    const std::string path = window.dialogs.savePath.toStdString();
    const char* argv[] = {"bit-hydraulics-cli", "batch", path.c_str()};
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    QCOMPARE(cli::runCli(3, argv, in, out, err), 0);
    // The batch row: the eleven inputs as saved, then the nine results the window shows.
    const QStringList lines = QString::fromStdString(out.str()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    const QStringList cells = lines[1].split(',');
    QCOMPARE(cells.mid(kInputFieldCount, kResultFieldCount), resultTexts(window.form));
}

void WindowMenuTest::aFileOfSeveralCasesOffersThem() {
    TestWindow window;
    const QString path = dir_.filePath(QStringLiteral("sections.csv"));
    // A batch file in any column order, by caption or name, with a subset of the inputs.
    writeFile(path, "泥浆密度,flowRate\r\n1.2,30\r\n1.25,34\r\n1.3,38\r\n");
    window.dialogs.openPath = path;
    window.dialogs.chosen = 1;
    typeInto(window.form.field(0), QStringLiteral("9"));
    pickFromMenu(window.form, Qt::Key_F, Qt::Key_O);
    QCOMPARE(window.dialogs.offeredCaseCount, 3u);
    QStringList expected{"15", "16", "0", "34", "1.25", "216", "127", "165", "1820", "180", "13"};
    QCOMPARE(window.inputs(), expected);

    // Cancelling the choice changes nothing.
    window.dialogs.chosen.reset();
    typeInto(window.form.field(3), QStringLiteral("1"));
    QTest::keyClick(&window.form, Qt::Key_O, Qt::ControlModifier);
    expected[3] = "1";
    QCOMPARE(window.inputs(), expected);
}

void WindowMenuTest::badCaseFilesChangeNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("said");
    QTest::newRow("not there") << QByteArray() << QStringLiteral("无法打开文件");
    QTest::newRow("unknown column")
        << QByteArray("flowRate,well\n30,A-1\n") << QStringLiteral("“well”");
    QTest::newRow("GBK, not UTF-8")
        << QByteArray("\xC5\xC5\xC1\xBF\n30\n") << QStringLiteral("UTF-8");
    QTest::newRow("row longer than the header")
        << QByteArray("flowRate\n30\n32,1\n") << QStringLiteral("第 3 行");
    QTest::newRow("unterminated quote")
        << QByteArray("flowRate\n\"30\n") << QStringLiteral("UTF-8");
    QTest::newRow("header only") << QByteArray("flowRate\n") << QStringLiteral("没有算例");
    QTest::newRow("repeated input")
        << QByteArray("排量,flowRate\n30,31\n") << QStringLiteral("重复");
}

void WindowMenuTest::badCaseFilesChangeNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    TestWindow window;
    const QString path = dir_.filePath(QStringLiteral("bad.csv"));
    QFile::remove(path);
    if (!bytes.isEmpty()) {
        writeFile(path, bytes);
    }
    typeInto(window.form.field(3), QStringLiteral("44"));
    const QStringList before = window.inputs();
    window.dialogs.openPath = path;
    QTest::keyClick(&window.form, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(window.dialogs.errors.size(), 1);
    QVERIFY2(window.dialogs.errors.front().contains(said),
             qPrintable(window.dialogs.errors.front()));
    QCOMPARE(window.inputs(), before);
}

void WindowMenuTest::exportWritesTheTwentyFields() {
    TestWindow window;
    QTest::keyClick(window.form.computeButton(), Qt::Key_Space);
    window.dialogs.savePath = dir_.filePath(QStringLiteral("results.csv"));
    pickFromMenu(window.form, Qt::Key_F, Qt::Key_E);
    const QByteArray bytes = fileBytes(window.dialogs.savePath);
    QVERIFY(bytes.startsWith(kBom));
    const QStringList lines =
        QString::fromUtf8(bytes.mid(kBom.size())).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + kFieldCount);
    QCOMPARE(lines[1 + 3], QStringLiteral("排量,30,L/s"));
    QCOMPARE(lines[1 + 11], QStringLiteral("钻头压降,4.20,MPa"));
    QCOMPARE(lines[1 + 18], QStringLiteral("功率利用率,32.27%,%"));
}

void WindowMenuTest::copyResultsPutsATableOnTheClipboard() {
    TestWindow window;
    QTest::keyClick(window.form.computeButton(), Qt::Key_Space);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(window.form.field(5), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList rows = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 1 + kFieldCount);
    for (int i = 0; i < kFieldCount; ++i) {
        const QStringList cells = rows[1 + i].split('\t');
        QCOMPARE(cells.size(), 3);
        QCOMPARE(cells[0], window.form.field(i)->accessibleName());  // the caption on its row
        QCOMPARE(cells[1], window.form.field(i)->text());
    }
    QCOMPARE(rows[1 + 19], QStringLiteral("环空压耗\t1.45\tMPa"));
}

void WindowMenuTest::pasteCaseFillsTheInputsFromTheFirst() {
    TestWindow window;
    const QStringList column{"12",  "12",    "12",   "32",  "1.3", "215.9",
                             "127", "177.8", "2500", "150", "18"};
    QGuiApplication::clipboard()->setText(column.join(QStringLiteral("\r\n")) +
                                          QStringLiteral("\r\n"));
    // Wherever the focus is: here on 运算.
    QCOMPARE(QApplication::focusWidget(), window.form.computeButton());
    QTest::keyClick(window.form.computeButton(), Qt::Key_V,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(window.inputs(), column);
}

void WindowMenuTest::guideOpensWithF1() {
    TestWindow window;
    QTest::keyClick(window.form.field(0), Qt::Key_F1);
    QTextBrowser* guide = window.form.menus().guide().guideWindow();
    QVERIFY(guide != nullptr);
    QTRY_VERIFY(guide->isVisible());
    const QString text = guide->toPlainText();
    // Each figure with its unit, the reading rules, the faults, pasting and case files.
    for (int i = 0; i < kFieldCount; ++i) {
        QVERIFY2(text.contains(window.form.field(i)->accessibleName()),
                 qPrintable(window.form.field(i)->accessibleName()));
    }
    for (const char* part :
         {"L/s", "g/cm³", "读作", "除数为零", "请检查", "Ctrl+V", "bit-hydraulics-cli"}) {
        QVERIFY2(text.contains(QString::fromUtf8(part)), part);
    }
    // F1 again brings the same guide forward.
    QTest::keyClick(window.form.field(0), Qt::Key_F1);
    QCOMPARE(window.form.menus().guide().guideWindow(), guide);
}

void WindowMenuTest::aboutShowsNameVersionLicenceAndFontNotice() {
    TestWindow window;
    MessageBoxWatcher watcher;
    QCOMPARE(runEventLoopWith([&] { pickFromMenu(window.form, Qt::Key_H, Qt::Key_A); }),
             kStillRunning);
    QCOMPARE(watcher.shown.size(), 1);
    const ShownMessage& about = watcher.shown.front();
    const QString version = QString::fromUtf8(kDisplayVersion.data(), kDisplayVersion.size());
    QVERIFY2(about.text.contains(QStringLiteral("水利参数 ") + version), qPrintable(about.text));
    QVERIFY(about.text.contains(QStringLiteral("GPL-3.0-or-later")));
    QVERIFY(about.details.contains(QStringLiteral("WenQuanYi Micro Hei")));
    QVERIFY(about.details.contains(QStringLiteral("Apache License, Version 2.0")));
}

void WindowMenuTest::exitCommandEndsAtOnce() {
    TestWindow window;
    QTest::keyClick(window.form.computeButton(), Qt::Key_Space);
    QCOMPARE(runEventLoopWith(
                 [&] { QTest::keyClick(window.form.field(3), Qt::Key_Q, Qt::ControlModifier); }),
             0);
}

void WindowMenuTest::folderAndPositionAreRememberedButNotTheFigures() {
    // Settings of the test's own, never the user's.
    QSettings settings(dir_.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    const QString folder = dir_.filePath(QStringLiteral("cases"));
    QVERIFY(QDir().mkpath(folder));
    {
        TestWindow window(&settings);
        window.form.move(123, 145);
        typeInto(window.form.field(3), QStringLiteral("44"));
        window.dialogs.savePath = folder + QStringLiteral("/a.csv");
        QTest::keyClick(&window.form, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(runEventLoopWith([&] { window.form.close(); }), 0);
    }
    TestWindow again(&settings);
    QCOMPARE(again.form.pos(), QPoint(123, 145));
    QCOMPARE(again.form.field(3)->text(), QStringLiteral("30"));
    QTest::keyClick(&again.form, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(again.dialogs.offeredFolders.last(), folder);
}

}  // namespace bithydraulics::testing

QTEST_MAIN(bithydraulics::testing::WindowMenuTest)
#include "window_menu_test.moc"

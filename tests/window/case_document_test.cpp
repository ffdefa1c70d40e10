// The case file as the window's document: the title names it and marks unsaved changes, 保存
// writes it in place, closing asks only when a changed case file is in play, a failed save leaves
// the old file as it was and says why, and the case chooser finds a case by its label.
#include <sys/mount.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "form_test_support.h"
#include "window/case_chooser.h"
#include "window/case_file.h"
#include "window/case_list_model.h"
#include "window/hydraulics_form.h"

namespace bithydraulics::testing {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void openCase(TestWindow& window, const QString& path) {
    window.dialogs.openPath = path;
    QTest::keyClick(&window.form, Qt::Key_O, Qt::ControlModifier);
}

void save(TestWindow& window) {
    QTest::keyClick(&window.form, Qt::Key_S, Qt::ControlModifier);
}

// A tiny tmpfs over `folder`, for as long as it lives; mounting needs root.
class SmallDisk {
  public:
    explicit SmallDisk(const QString& folder) : folder_(QFile::encodeName(folder)) {
        mounted_ = ::mount("tmpfs", folder_.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount(folder_.constData());
        }
    }
    bool mounted() const { return mounted_; }

  private:
    QByteArray folder_;
    bool mounted_ = false;
};

// Fills the disk of `folder` to the last byte.
void fillDisk(const QString& folder) {
    QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write("x", 1) == 1) {
    }
}

}  // namespace

class CaseDocumentTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void titleNamesTheFileAndMarksChanges();
    void aFileOfSeveralCasesIsNotOverwrittenByOne();
    void closingAsksOnlyWhenAChangedCaseFileIsInPlay_data();
    void closingAsksOnlyWhenAChangedCaseFileIsInPlay();
    void aFailedSaveLeavesTheOldFileAndSaysWhy_data();
    void aFailedSaveLeavesTheOldFileAndSaysWhy();
    void theChooserFindsACaseByItsLabel();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void CaseDocumentTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void CaseDocumentTest::titleNamesTheFileAndMarksChanges() {
    TestWindow window;
    QCOMPARE(window.form.windowTitle(), QStringLiteral("水利参数"));
    // Saving with no file in play asks for a name; one typed without an extension gets ".csv".
    typeInto(window.form.field(3), QStringLiteral("34"));
    window.dialogs.savePath = dir_->filePath(QStringLiteral("井A"));
    save(window);
    const QString saved = dir_->filePath(QStringLiteral("井A.csv"));
    QVERIFY(QFile::exists(saved));
    QCOMPARE(window.form.windowTitle(), QStringLiteral("井A.csv[*] - 水利参数"));
    QVERIFY(!window.form.isWindowModified());

    // A change marks it; 保存 writes to the same file without asking, and the mark goes.
    typeInto(window.form.field(3), QStringLiteral("36"));
    QVERIFY(window.form.isWindowModified());
    window.dialogs.savePath = dir_->filePath(QStringLiteral("elsewhere.csv"));
    save(window);
    QVERIFY(!window.form.isWindowModified());
    QVERIFY(!QFile::exists(window.dialogs.savePath));

    TestWindow other;
    openCase(other, saved);
    QCOMPARE(other.form.field(3)->text(), QStringLiteral("36"));
    QCOMPARE(other.form.windowTitle(), QStringLiteral("井A.csv[*] - 水利参数"));
    QVERIFY(!other.form.isWindowModified());
    // Typing the file's text back is no change.
    typeInto(other.form.field(3), QStringLiteral("3"));
    QVERIFY(other.form.isWindowModified());
    typeInto(other.form.field(3), QStringLiteral("36"));
    QVERIFY(!other.form.isWindowModified());

    // 新建: the default case, no file in play.
    typeInto(other.form.field(0), QStringLiteral("9"));
    other.dialogs.unsavedAnswer = UnsavedAnswer::Discard;
    QTest::keyClick(&other.form, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(other.dialogs.askedToSave,
             QStringList{QStringLiteral("算例“井A.csv”已改动，是否保存？")});
    QCOMPARE(other.form.windowTitle(), QStringLiteral("水利参数"));
    QCOMPARE(other.form.field(3)->text(), QStringLiteral("30"));
    QCOMPARE(other.form.field(0)->text(), QStringLiteral("15"));
}

void CaseDocumentTest::aFileOfSeveralCasesIsNotOverwrittenByOne() {
    TestWindow window;
    const QString path = dir_->filePath(QStringLiteral("sections.csv"));
    const QByteArray bytes("flowRate\n30\n34\n38\n");
    writeFile(path, bytes);
    window.dialogs.chosen = 1;
    openCase(window, path);
    QCOMPARE(window.form.field(3)->text(), QStringLiteral("34"));
    QCOMPARE(window.form.windowTitle(),
             QStringLiteral("sections.csv（第 2 个算例）[*] - 水利参数"));
    // The whole opening comes back with one Ctrl+Z, from a field or from elsewhere.
    QTest::keyClick(window.form.computeButton(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.form.field(3)->text(), QStringLiteral("30"));
    QVERIFY(window.form.isWindowModified());

    window.dialogs.savePath.clear();  // the user cancels the name
    save(window);
    QCOMPARE(window.dialogs.offeredFolders.size(), 2);  // the open, then the name asked for
    QCOMPARE(fileBytes(path), bytes);
}

void CaseDocumentTest::closingAsksOnlyWhenAChangedCaseFileIsInPlay_data() {
    QTest::addColumn<bool>("caseFile");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<UnsavedAnswer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("ended");
    QTest::addColumn<QString>("savedFlowRate");
    QTest::newRow("no case file, typed")
        << false << true << UnsavedAnswer::Cancel << false << true << "31";
    QTest::newRow("case file unchanged")
        << true << false << UnsavedAnswer::Cancel << false << true << "31";
    QTest::newRow("changed, 取消")
        << true << true << UnsavedAnswer::Cancel << true << false << "31";
    QTest::newRow("changed, 不保存")
        << true << true << UnsavedAnswer::Discard << true << true << "31";
    QTest::newRow("changed, 保存") << true << true << UnsavedAnswer::Save << true << true << "44";
}

void CaseDocumentTest::closingAsksOnlyWhenAChangedCaseFileIsInPlay() {
    QFETCH(bool, caseFile);
    QFETCH(bool, changed);
    QFETCH(UnsavedAnswer, answer);
    QFETCH(bool, asked);
    QFETCH(bool, ended);
    QFETCH(QString, savedFlowRate);
    const QString path = dir_->filePath(QStringLiteral("case.csv"));
    writeFile(path, "flowRate\n31\n");
    TestWindow window;
    if (caseFile) {
        openCase(window, path);
    }
    if (changed) {
        typeInto(window.form.field(3), QStringLiteral("44"));
    }
    window.dialogs.unsavedAnswer = answer;
    QCOMPARE(runEventLoopWith([&] { window.form.close(); }), ended ? 0 : kStillRunning);
    QCOMPARE(window.dialogs.askedToSave.size(), asked ? 1 : 0);
    // 退出 asks the same way.
    if (!ended) {
        QCOMPARE(runEventLoopWith([&] { window.form.exitButton()->click(); }), kStillRunning);
        QCOMPARE(window.dialogs.askedToSave.size(), 2);
    }
    const QStringList lines = QString::fromUtf8(fileBytes(path)).split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() == 2);
    QVERIFY2(lines[1].split(',').contains(savedFlowRate), qPrintable(lines[1]));
}

void CaseDocumentTest::aFailedSaveLeavesTheOldFileAndSaysWhy_data() {
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("reason");
    QTest::newRow("disk full") << true << QStringLiteral("磁盘已满");
    QTest::newRow("folder gone") << false << QStringLiteral("路径不存在");
}

void CaseDocumentTest::aFailedSaveLeavesTheOldFileAndSaysWhy() {
    QFETCH(bool, fullDisk);
    QFETCH(QString, reason);
    const QString folder = dir_->filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(folder));
    std::optional<SmallDisk> disk;
    if (fullDisk) {
        disk.emplace(folder);
        if (!disk->mounted()) {
            QSKIP("a small disk needs mount(2), which this system does not allow");
        }
    }
    TestWindow window;
    const QString path = QDir(folder).filePath(QStringLiteral("case.csv"));
    window.dialogs.savePath = path;
    save(window);
    QVERIFY(QFile::exists(path));
    if (fullDisk) {
        fillDisk(folder);
    } else {
        QVERIFY(QDir(folder).removeRecursively());
    }
    const bool hadOldFile = QFile::exists(path);
    const QByteArray old = fileBytes(path);
    const QStringList entries = QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

    typeInto(window.form.field(3), QStringLiteral("44"));
    save(window);
    QCOMPARE(window.dialogs.errors.size(), 1);
    const QString& message = window.dialogs.errors.front();
    QVERIFY2(message.contains(reason) && message.contains(QStringLiteral("case.csv")),
             qPrintable(message));
    QCOMPARE(QFile::exists(path), hadOldFile);
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), entries);
    // Still changed: closing would ask.
    QVERIFY(window.form.isWindowModified());
}

void CaseDocumentTest::theChooserFindsACaseByItsLabel() {
    const QString path = dir_->filePath(QStringLiteral("wells.csv"));
    writeFile(path, "井号,排量(L/s)\nA-1,30\nB-2,32\nB-3,34\nB-4,28\n");
    const CaseFileContents contents = readCaseFile(path);
    QVERIFY2(contents.problem.isEmpty(), qPrintable(contents.problem));
    QWidget parent;
    CaseListModel cases(contents);
    CaseChooser chooser(parent, QStringLiteral("请选择"), cases);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    QCOMPARE(cases.columnNames(), (QStringList{"井号", "排量(L/s)"}));
    // Words apart each find their cell.
    QTest::keyClicks(chooser.searchField(), QStringLiteral("3 b-"));
    QCOMPARE(chooser.table()->model()->rowCount(), 2);
    QTest::keyClick(chooser.searchField(), Qt::Key_Down);
    QTest::keyClick(chooser.searchField(), Qt::Key_Return);
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.chosenCase(), std::optional<std::size_t>(2));
}

}  // namespace bithydraulics::testing

QTEST_MAIN(bithydraulics::testing::CaseDocumentTest)
#include "case_document_test.moc"

#pragma once

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStringList>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/compute_command.h"
#include "platform/ui/fault_report.h"
#include "window/case_list_model.h"
#include "window/hydraulics_form.h"
#include "window/user_dialogs.h"

// What the window's tests share: a fault reporter that records instead of showing a message
// box, dialogs a test answers, typing into a field as a user does, the texts the fields hold,
// running the event loop around an action, and answering message boxes.
namespace bithydraulics::testing {

struct RecordedFault {
    FaultKind kind;
    int errorNumber;
    std::string where;
    FaultLocation location;
    QStringList fieldsWhenReported;
};

inline QStringList fieldTexts(const HydraulicsForm& form) {
    QStringList texts;
    for (int i = 0; i < kFieldCount; ++i) {
        texts << form.field(i)->text();
    }
    return texts;
}

inline QStringList resultTexts(const HydraulicsForm& form) {
    return fieldTexts(form).mid(kFirstResultField);
}

class RecordingFaultReporter final : public FaultReporter {
  public:
    void report(QWidget& window, const CalculationFault& fault,
                const FaultLocation& location) override {
        const auto& form = static_cast<const HydraulicsForm&>(window);
        faults.push_back(
            {fault.kind(), fault.errorNumber(), location.quantity, location, fieldTexts(form)});
    }
    std::vector<RecordedFault> faults;
};

// Replaces the whole text of `field` by typing, as a user would: select all, then type.
inline void typeInto(QLineEdit* field, const QString& text) {
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(field, text);
    }
}

constexpr int kStillRunning = 42;
constexpr int kHung = 99;

// Runs the application's event loop with `action` queued in it, and returns the loop's exit
// code: 0 when the program ended itself, kStillRunning when it was still running after `action`.
inline int runEventLoopWith(const std::function<void()>& action) {
    const QObject scope;  // cancels the timers on return
    QTimer::singleShot(0, &scope, [&scope, &action] {
        action();
        QTimer::singleShot(50, &scope, [] { QCoreApplication::exit(kStillRunning); });
    });
    QTimer::singleShot(10000, &scope, [] { QCoreApplication::exit(kHung); });
    return QCoreApplication::exec();
}

// What a message box's text reads, markup aside.
inline QString plainText(const QString& text) {
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// What a message box showed before it was dismissed.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool modal = false;
    QString details;
};

// Watches for modal message boxes while the test runs, records each and presses its OK.
class MessageBoxWatcher {
  public:
    MessageBoxWatcher() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { dismissOpenBox(); });
        timer_.start();
    }
    QList<ShownMessage> shown;

  private:
    void dismissOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        shown << ShownMessage{box->windowTitle(),
                              plainText(box->text()) + '\n' + plainText(box->informativeText()),
                              box->icon(), box->isModal(), box->detailedText()};
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    }
    QTimer timer_;
};

// Answers the window's questions as a test sets them, and records its error messages.
class ScriptedDialogs final : public UserDialogs {
  public:
    QString fileToOpen(QWidget&, const QString&, const QString& folder, const QString&) override {
        offeredFolders << folder;
        return openPath;
    }
    QString fileToSave(QWidget&, const QString&, const QString& path, const QString&) override {
        offeredFolders << QFileInfo(path).absolutePath();
        return savePath;
    }
    std::optional<std::size_t> chosenCase(QWidget&, const QString&, CaseListModel& cases) override {
        offeredColumns = cases.columnNames();
        offeredCaseCount = cases.caseCount();
        return chosen;
    }
    UnsavedAnswer saveChanges(QWidget&, const UnsavedQuestion& question) override {
        askedToSave << QString::fromStdString(question.question);
        return unsavedAnswer;
    }
    void error(QWidget&, const QString& text) override { errors << text; }

    QString openPath;
    QString savePath;
    std::optional<std::size_t> chosen;
    UnsavedAnswer unsavedAnswer = UnsavedAnswer::Cancel;
    QStringList offeredFolders;
    QStringList offeredColumns;
    std::size_t offeredCaseCount = 0;
    QStringList askedToSave;
    QStringList errors;
};

// A window shown and active, with scripted dialogs and, if given, settings and the folder of the
// chart's library.
struct TestWindow {
    explicit TestWindow(QSettings* settings = nullptr, const QString& chartFolder = {})
        : form({faults, &dialogs, settings, chartFolder}) {
        form.show();
        activate();
    }
    void activate() {
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form)) {
            qWarning("the window did not become active");
        }
    }
    QStringList inputs() const { return fieldTexts(form).mid(0, kInputFieldCount); }

    RecordingFaultReporter faults;
    ScriptedDialogs dialogs;
    HydraulicsForm form;
};

// The nine result texts the default inputs give.
inline const QStringList kDefaultResults{"4.20", "125.85", "3.43",   "2856.20", "79.45",
                                         "1.25", "1.97",   "32.27%", "1.45"};

inline QStringList untouchedResults() {
    return QStringList(kResultFieldCount, "Text1");
}

}  // namespace bithydraulics::testing

#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "calc/compute_command.h"
#include "platform/ui/fault_report.h"
#include "window/hydraulics_form.h"

// What the window's tests share: a fault reporter that records instead of showing a message
// box, typing into a field as a user does, the texts the fields hold, running the event loop
// around an action, and answering message boxes.
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
        faults.push_back({fault.kind(), fault.errorNumber(), location.quantity.toStdString(),
                          location, fieldTexts(form)});
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

// The nine result texts the default inputs give.
inline const QStringList kDefaultResults{"4.20", "125.85", "3.43",   "2856.20", "79.45",
                                         "1.25", "1.97",   "32.27%", "1.45"};

inline QStringList untouchedResults() {
    return QStringList(kResultFieldCount, "Text1");
}

}  // namespace bithydraulics::testing

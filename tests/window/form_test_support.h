#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <string>
#include <vector>

#include "calc/compute_command.h"
#include "platform/ui/fault_report.h"
#include "window/hydraulics_form.h"

// What the window's tests share: a fault reporter that records instead of showing a message
// box, typing into a field as a user does, and the texts the fields hold.
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

// The nine result texts the default inputs give.
inline const QStringList kDefaultResults{"4.20", "125.85", "3.43",   "2856.20", "79.45",
                                         "1.25", "1.97",   "32.27%", "1.45"};

inline QStringList untouchedResults() {
    return QStringList(kResultFieldCount, "Text1");
}

}  // namespace bithydraulics::testing

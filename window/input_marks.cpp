#include "window/input_marks.h"

#include <QLineEdit>
#include <QLocale>
#include <QPalette>

#include "platform/calculation_fault.h"
#include "platform/number_reading.h"

namespace bithydraulics {
namespace {

// Pale enough not to alarm, plain enough to be seen beside an unmarked field.
constexpr QColor kPartlyReadBackground(0xFF, 0xF3, 0xC4);

}  // namespace

InputMarks::InputMarks(std::span<QLineEdit* const> inputs, QObject* parent) : QObject(parent) {
    marks_.reserve(inputs.size());
    for (QLineEdit* field : inputs) {
        marks_.push_back({field, field->toolTip()});
    }
    for (Mark& mark : marks_) {
        connect(mark.field, &QLineEdit::textChanged, this, [&mark] { clear(mark); });
    }
}

void InputMarks::markPartlyRead() {
    for (Mark& mark : marks_) {
        clear(mark);
        try {
            const FigureReading reading = readFigure(mark.field->text().toStdString());
            if (!reading.whole) {
                this->mark(mark, reading.value);
            }
        } catch (const CalculationFault&) {
            // A figure too large to read: the compute command reports it.
        }
    }
}

void InputMarks::mark(Mark& mark, double read) {
    QPalette palette = mark.field->palette();
    palette.setColor(QPalette::Base, kPartlyReadBackground);
    mark.field->setPalette(palette);
    const QString figure = QString::number(read, 'g', QLocale::FloatingPointShortest);
    mark.field->setToolTip(mark.toolTip + QStringLiteral("\n读作 ") + figure);
    mark.marked = true;
}

void InputMarks::clear(Mark& mark) {
    if (!mark.marked) {
        return;
    }
    mark.field->setPalette(QPalette());
    mark.field->setToolTip(mark.toolTip);
    mark.marked = false;
}

}  // namespace bithydraulics

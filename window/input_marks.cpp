#include "window/input_marks.h"

#include <QLineEdit>
#include <QPalette>

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

void InputMarks::show(const std::array<std::optional<std::string>, kInputFieldCount>& notes) {
    for (std::size_t i = 0; i < marks_.size() && i < notes.size(); ++i) {
        clear(marks_[i]);
        if (notes[i]) {
            mark(marks_[i], QString::fromStdString(*notes[i]));
        }
    }
}

void InputMarks::mark(Mark& mark, const QString& note) {
    QPalette palette = mark.field->palette();
    palette.setColor(QPalette::Base, kPartlyReadBackground);
    mark.field->setPalette(palette);
    mark.field->setToolTip(mark.toolTip + '\n' + note);
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

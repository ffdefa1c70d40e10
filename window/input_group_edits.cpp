#include "window/input_group_edits.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "window/field_editing.h"

namespace bithydraulics {
namespace {

// Enough for a session's cases; the oldest are forgotten first.
constexpr std::size_t kMostSteps = 50;

}  // namespace

InputGroupEdits::InputGroupEdits(std::span<QLineEdit* const> inputs, QObject* parent)
    : QObject(parent), inputs_(inputs.begin(), inputs.end()) {
    for (QLineEdit* field : inputs_) {
        field->installEventFilter(this);
    }
}

QStringList InputGroupEdits::texts() const {
    QStringList texts;
    for (const QLineEdit* field : inputs_) {
        texts << field->text();
    }
    return texts;
}

void InputGroupEdits::replace(std::span<const InputText> texts) {
    Step step{{}, this->texts(), {}};
    for (const InputText& text : texts) {
        QLineEdit& field = *inputs_.at(static_cast<std::size_t>(text.index));
        if (field.text() != text.text) {
            // Each field keeps its own history too: the whole edit is taken back with the
            // fields' own undo, which leaves what was typed before it still to undo.
            replaceTextAsEdit(field, text.text);
            step.changed.push_back(text.index);
        }
    }
    if (step.changed.empty()) {
        return;
    }
    step.after = this->texts();
    if (steps_.size() == kMostSteps) {
        steps_.erase(steps_.begin());
    }
    steps_.push_back(std::move(step));
}

bool InputGroupEdits::undo() {
    // Typing since the edit comes off first; a step the fields no longer show is out of reach.
    if (steps_.empty() || texts() != steps_.back().after) {
        return false;
    }
    const Step step = std::move(steps_.back());
    steps_.pop_back();
    for (const int index : step.changed) {
        QLineEdit& field = *inputs_[static_cast<std::size_t>(index)];
        field.undo();
        // Typed and taken back since (the same text, another history): set it plainly.
        if (field.text() != step.before[index]) {
            field.setText(step.before[index]);
            field.setCursorPosition(0);
        }
    }
    return true;
}

bool InputGroupEdits::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo)) {
        return undo();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace bithydraulics

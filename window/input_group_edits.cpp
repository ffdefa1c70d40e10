#include "window/input_group_edits.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "window/field_editing.h"

namespace bithydraulics {

InputGroupEdits::InputGroupEdits(std::span<QLineEdit* const> inputs, QObject* parent)
    : QObject(parent), inputs_(inputs.begin(), inputs.end()) {
    for (QLineEdit* field : inputs_) {
        field->installEventFilter(this);
    }
}

InputTexts InputGroupEdits::texts() const {
    InputTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = inputs_.at(i)->text().toStdString();
    }
    return texts;
}

void InputGroupEdits::replace(std::span<const InputText> texts) {
    const InputTexts before = this->texts();
    for (const InputText& text : texts) {
        QLineEdit& field = *inputs_.at(static_cast<std::size_t>(text.index));
        if (field.text() != text.text) {
            // Each field keeps its own history too: the whole edit is taken back with the
            // fields' own undo, which leaves what was typed before it still to undo.
            replaceTextAsEdit(field, text.text);
        }
    }
    record_.record(before, this->texts());
}

bool InputGroupEdits::undo() {
    const std::optional<GroupEdit> step = record_.takeBack(texts());
    if (!step) {
        return false;
    }
    for (const int index : step->changed) {
        QLineEdit& field = *inputs_[static_cast<std::size_t>(index)];
        field.undo();
        // Typed and taken back since (the same text, another history): set it plainly.
        const QString before =
            QString::fromStdString(step->before[static_cast<std::size_t>(index)]);
        if (field.text() != before) {
            field.setText(before);
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

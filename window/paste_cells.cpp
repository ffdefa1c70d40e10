#include "window/paste_cells.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <algorithm>
#include <memory>

#include "behaviour/pasted_cells.h"
#include "window/input_group_edits.h"
#include "window/utf8_text.h"

namespace bithydraulics {
namespace {

bool holdsSeparator(const QString& text) {
    return holdsCellSeparator(text.toStdString());
}

QString clipboardText(QClipboard::Mode mode = QClipboard::Clipboard) {
    return QGuiApplication::clipboard()->text(mode);
}

}  // namespace

PasteCells::PasteCells(std::span<QLineEdit* const> inputs, InputGroupEdits& edits, NoteSink note,
                       QObject* parent)
    : QObject(parent),
      inputs_(inputs.begin(), inputs.end()),
      edits_(edits),
      note_(std::move(note)) {
    for (QLineEdit* field : inputs_) {
        field->installEventFilter(this);
    }
}

int PasteCells::fill(int first, const QString& text) {
    const PastePlan plan = planPaste(text.toStdString(), first, static_cast<int>(inputs_.size()));
    std::vector<InputText> texts;
    for (std::size_t i = 0; i < plan.cells.size(); ++i) {
        texts.push_back({first + static_cast<int>(i), fromUtf8(plan.cells[i])});
    }
    edits_.replace(texts);
    if (note_) {
        note_(fromUtf8(leftOutNote(plan)));
    }
    return static_cast<int>(plan.cells.size());
}

void PasteCells::pasteInto(QLineEdit& field, const QString& text) {
    if (!holdsSeparator(text)) {
        field.insert(text);
        return;
    }
    const std::vector<std::string> cells = pastedCells(text.toStdString());
    if (cells.size() == 1) {
        field.insert(fromUtf8(cells.front()));
    } else {
        fill(indexOf(field), text);
    }
}

int PasteCells::indexOf(const QLineEdit& field) const {
    const auto found = std::find(inputs_.begin(), inputs_.end(), &field);
    return static_cast<int>(found - inputs_.begin());
}

bool PasteCells::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field == nullptr || field->isReadOnly()) {
        return false;
    }
    switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
                holdsSeparator(clipboardText())) {
                pasteInto(*field, clipboardText());
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
                QGuiApplication::clipboard()->supportsSelection() &&
                holdsSeparator(clipboardText(QClipboard::Selection))) {
                field->deselect();
                pasteInto(*field, clipboardText(QClipboard::Selection));
                return true;
            }
            return false;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->mimeData()->hasText() && holdsSeparator(drop->mimeData()->text())) {
                pasteInto(*field, drop->mimeData()->text());
                drop->acceptProposedAction();
                return true;
            }
            return false;
        }
        case QEvent::ContextMenu: {
            // The field's own menu. Its Paste is the one command that can bring a tab or a line
            // break into a field, so a field holding one afterwards has just pasted cells: that
            // paste is taken back and done as here.
            const QPointer<QLineEdit> guard(field);
            const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
            menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
            if (guard != nullptr && holdsSeparator(field->text())) {
                field->undo();
                pasteInto(*field, clipboardText());
            }
            return true;
        }
        default:
            return false;
    }
}

}  // namespace bithydraulics

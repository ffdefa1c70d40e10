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
#include <QToolTip>
#include <algorithm>
#include <memory>

#include "behaviour/pasted_cells.h"
#include "window/input_group_edits.h"

namespace bithydraulics {
namespace {

bool holdsSeparator(const QString& text) {
    return holdsCellSeparator(text.toStdString());
}

QString clipboardText(QClipboard::Mode mode = QClipboard::Clipboard) {
    return QGuiApplication::clipboard()->text(mode);
}

// Tells the user, by `field`, how many cells found no field.
void noteLeftOut(QLineEdit& field, qsizetype leftOut) {
    QToolTip::showText(field.mapToGlobal(QPoint(0, field.height())),
                       QString::fromStdString(leftOutNote(static_cast<int>(leftOut))), &field);
}

}  // namespace

QStringList pastedCells(const QString& text) {
    QStringList cells;
    for (const std::string& cell : pastedCells(std::string_view(text.toStdString()))) {
        cells << QString::fromStdString(cell);
    }
    return cells;
}

PasteCells::PasteCells(std::span<QLineEdit* const> inputs, InputGroupEdits& edits, QObject* parent)
    : QObject(parent), inputs_(inputs.begin(), inputs.end()), edits_(edits) {
    for (QLineEdit* field : inputs_) {
        field->installEventFilter(this);
    }
}

int PasteCells::fill(int first, const QString& text) {
    const QStringList cells = pastedCells(text);
    const auto available = static_cast<qsizetype>(inputs_.size()) - first;
    const qsizetype filled = std::min(cells.size(), available);
    std::vector<InputText> texts;
    for (qsizetype i = 0; i < filled; ++i) {
        texts.push_back({first + static_cast<int>(i), cells[i]});
    }
    edits_.replace(texts);
    if (cells.size() > filled && filled > 0) {
        noteLeftOut(*inputs_.back(), cells.size() - filled);
    }
    return static_cast<int>(filled);
}

void PasteCells::pasteInto(QLineEdit& field, const QString& text) {
    if (!holdsSeparator(text)) {
        field.insert(text);
        return;
    }
    const QStringList cells = pastedCells(text);
    if (cells.size() == 1) {
        field.insert(cells.front());
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

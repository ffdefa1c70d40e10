#include "window/user_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace bithydraulics {

QString QtUserDialogs::fileToOpen(QWidget& window, const QString& title, const QString& folder,
                                  const QString& filter) {
    return QFileDialog::getOpenFileName(&window, title, folder, filter);
}

QString QtUserDialogs::fileToSave(QWidget& window, const QString& title, const QString& path,
                                  const QString& filter) {
    return QFileDialog::getSaveFileName(&window, title, path, filter);
}

std::optional<int> QtUserDialogs::choice(QWidget& window, const QString& title,
                                         const QString& question, const QStringList& choices) {
    bool chosen = false;
    const QString item =
        QInputDialog::getItem(&window, title, question, choices, 0, false, &chosen);
    if (!chosen) {
        return std::nullopt;
    }
    return static_cast<int>(choices.indexOf(item));
}

void QtUserDialogs::error(QWidget& window, const QString& text) {
    QMessageBox box(QMessageBox::Warning, window.windowTitle(), text, QMessageBox::Ok, &window);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

}  // namespace bithydraulics

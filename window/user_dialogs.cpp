#include "window/user_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include "window/case_chooser.h"
#include "window/utf8_text.h"

namespace bithydraulics {

QString QtUserDialogs::fileToOpen(QWidget& window, const QString& title, const QString& folder,
                                  const QString& filter) {
    return QFileDialog::getOpenFileName(&window, title, folder, filter);
}

QString QtUserDialogs::fileToSave(QWidget& window, const QString& title, const QString& path,
                                  const QString& filter) {
    QFileDialog dialog(&window, title, path, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A filter of one extension ("算例文件 (*.csv);;所有文件 (*)") gives it to a name typed
    // without one, so that the dialog asks about replacing the file that will be written.
    static const QRegularExpression extension(QStringLiteral("\\*\\.(\\w+)"));
    QStringList extensions;
    for (auto match = extension.globalMatch(filter); match.hasNext();) {
        extensions << match.next().captured(1);
    }
    if (extensions.size() == 1) {
        dialog.setDefaultSuffix(extensions.front());
    }
    dialog.selectFile(path);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

std::optional<std::size_t> QtUserDialogs::chosenCase(QWidget& window, const QString& question,
                                                     CaseListModel& cases) {
    CaseChooser chooser(window, question, cases);
    if (chooser.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return chooser.chosenCase();
}

UnsavedAnswer QtUserDialogs::saveChanges(QWidget& window, const UnsavedQuestion& question) {
    QMessageBox box(QMessageBox::Question, window.windowTitle(), fromUtf8(question.question),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &window);
    box.setInformativeText(fromUtf8(question.consequence));
    box.button(QMessageBox::Save)->setText(fromUtf8(question.saveButton));
    box.button(QMessageBox::Discard)->setText(fromUtf8(question.discardButton));
    box.button(QMessageBox::Cancel)->setText(fromUtf8(question.cancelButton));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return UnsavedAnswer::Save;
        case QMessageBox::Discard:
            return UnsavedAnswer::Discard;
        default:
            return UnsavedAnswer::Cancel;
    }
}

void QtUserDialogs::error(QWidget& window, const QString& text) {
    QMessageBox box(QMessageBox::Warning, window.windowTitle(), text, QMessageBox::Ok, &window);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

}  // namespace bithydraulics

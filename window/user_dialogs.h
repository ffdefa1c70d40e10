#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "behaviour/unsaved_changes.h"

class QWidget;

namespace bithydraulics {

class CaseListModel;

// The questions and messages the window's commands put to the user, behind one interface so
// that tests can answer them.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    // A file to open, starting in `folder`; empty when the user cancels. `filter` as
    // QFileDialog takes it ("算例文件 (*.csv)").
    virtual QString fileToOpen(QWidget& window, const QString& title, const QString& folder,
                               const QString& filter) = 0;
    // A file to write, proposing `path`; empty when the user cancels. The user has agreed to
    // replace it if it is there.
    virtual QString fileToSave(QWidget& window, const QString& title, const QString& path,
                               const QString& filter) = 0;
    // One of the cases listed in `cases` (the file's case, 0-based), or nothing when the user
    // cancels.
    virtual std::optional<std::size_t> chosenCase(QWidget& window, const QString& question,
                                                  CaseListModel& cases) = 0;
    // Whether to save the changes to the case file before they are lost: 保存, 不保存 or 取消.
    virtual UnsavedAnswer saveChanges(QWidget& window, const UnsavedQuestion& question) = 0;
    // A message that something could not be done; returns when the user has read it.
    virtual void error(QWidget& window, const QString& text) = 0;
};

// Qt's own file dialogs and message boxes and the case chooser, in the window's language. The
// save dialog adds the extension of its filter's first pattern to a name typed without one.
class QtUserDialogs final : public UserDialogs {
  public:
    QString fileToOpen(QWidget& window, const QString& title, const QString& folder,
                       const QString& filter) override;
    QString fileToSave(QWidget& window, const QString& title, const QString& path,
                       const QString& filter) override;
    std::optional<std::size_t> chosenCase(QWidget& window, const QString& question,
                                          CaseListModel& cases) override;
    UnsavedAnswer saveChanges(QWidget& window, const UnsavedQuestion& question) override;
    void error(QWidget& window, const QString& text) override;
};

}  // namespace bithydraulics

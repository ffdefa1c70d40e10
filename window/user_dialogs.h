#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace bithydraulics {

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
    // One of `choices` (by index), or nothing when the user cancels.
    virtual std::optional<int> choice(QWidget& window, const QString& title,
                                      const QString& question, const QStringList& choices) = 0;
    // A message that something could not be done; returns when the user has read it.
    virtual void error(QWidget& window, const QString& text) = 0;
};

// Qt's own file dialogs, item chooser and message box, titled in the window's language.
class QtUserDialogs final : public UserDialogs {
  public:
    QString fileToOpen(QWidget& window, const QString& title, const QString& folder,
                       const QString& filter) override;
    QString fileToSave(QWidget& window, const QString& title, const QString& path,
                       const QString& filter) override;
    std::optional<int> choice(QWidget& window, const QString& title, const QString& question,
                              const QStringList& choices) override;
    void error(QWidget& window, const QString& text) override;
};

}  // namespace bithydraulics

#pragma once

#include <QString>
#include <QStringList>

#include "window/limit_texts.h"

class QSettings;
class QWidget;

namespace bithydraulics {

// What the window keeps between runs in the user's settings: the folder of the last case file
// or export, the case files last opened or saved, where the window stood, and the limits of the
// optimisation window. The figures are not kept: every run opens with the defaults.
class WindowMemory {
  public:
    // Without settings nothing is kept.
    explicit WindowMemory(QSettings* settings) : settings_(settings) {}

    // The folder last used, or the user's home folder.
    QString lastFolder() const;
    void rememberFolderOf(const QString& filePath);

    // The case files last opened or saved, the latest first (at most five).
    QStringList recentFiles() const;
    void rememberRecentFile(const QString& filePath);
    // Takes a file that could not be opened off the list.
    void forgetRecentFile(const QString& filePath);

    // Moves `window` to where it last stood, if that is still on a screen.
    void restorePosition(QWidget& window) const;
    void rememberPosition(const QWidget& window);

    // The optimisation window's limits as last typed; the defaults the first time.
    LimitTexts limitTexts() const;
    void rememberLimitTexts(const LimitTexts& texts);

  private:
    QSettings* settings_;
};

}  // namespace bithydraulics

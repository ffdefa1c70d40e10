#include "window/window_memory.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace bithydraulics {
namespace {

const QString kFolderKey = QStringLiteral("files/lastFolder");
const QString kPositionKey = QStringLiteral("window/position");

}  // namespace

QString WindowMemory::lastFolder() const {
    const QString folder =
        settings_ != nullptr ? settings_->value(kFolderKey).toString() : QString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void WindowMemory::rememberFolderOf(const QString& filePath) {
    if (settings_ != nullptr) {
        settings_->setValue(kFolderKey, QFileInfo(filePath).absolutePath());
    }
}

void WindowMemory::restorePosition(QWidget& window) const {
    if (settings_ == nullptr || !settings_->contains(kPositionKey)) {
        return;
    }
    const QPoint position = settings_->value(kPositionKey).toPoint();
    // A screen unplugged since would leave the window out of reach.
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(position)) {
            window.move(position);
            return;
        }
    }
}

void WindowMemory::rememberPosition(const QWidget& window) {
    if (settings_ != nullptr) {
        settings_->setValue(kPositionKey, window.pos());
        settings_->sync();
    }
}

}  // namespace bithydraulics

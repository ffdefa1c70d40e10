#include "window/window_memory.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "behaviour/case_document.h"

#include "window/window_placement.h"

namespace bithydraulics {
namespace {

const QString kFolderKey = QStringLiteral("files/lastFolder");
const QString kRecentFilesKey = QStringLiteral("files/recent");
const QString kPositionKey = QStringLiteral("window/position");

// The limits under optimization/, each by its key.
QString limitKey(std::string_view name) {
    return QStringLiteral("optimization/") +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString limitKey(optimize::Setting setting) {
    return limitKey(optimize::settingTerm(setting).key);
}

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

QStringList WindowMemory::recentFiles() const {
    return settings_ != nullptr ? settings_->value(kRecentFilesKey).toStringList() : QStringList();
}

void WindowMemory::rememberRecentFile(const QString& filePath) {
    if (settings_ == nullptr) {
        return;
    }
    std::vector<std::string> recent;
    for (const QString& path : recentFiles()) {
        recent.push_back(path.toStdString());
    }
    QStringList list;
    for (const std::string& path :
         withRecentFile(std::move(recent), QFileInfo(filePath).absoluteFilePath().toStdString())) {
        list << QString::fromStdString(path);
    }
    settings_->setValue(kRecentFilesKey, list);
}

void WindowMemory::forgetRecentFile(const QString& filePath) {
    if (settings_ != nullptr) {
        QStringList list = recentFiles();
        list.removeAll(QFileInfo(filePath).absoluteFilePath());
        settings_->setValue(kRecentFilesKey, list);
    }
}

void WindowMemory::restorePosition(QWidget& window) const {
    if (settings_ == nullptr || !settings_->contains(kPositionKey)) {
        return;
    }
    const QPoint position = settings_->value(kPositionKey).toPoint();
    // A screen unplugged since would leave the window out of reach; one that is smaller or at a
    // larger scale than when the place was kept would leave part of it, 运算 and 退出 perhaps,
    // beyond the edge: the window is moved in as far as that takes.
    const QSize frameSize = window.size().grownBy(frameMargins(window));
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        if (area.contains(position)) {
            window.move(keptInside(QRect(position, frameSize), area).topLeft());
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

LimitTexts WindowMemory::limitTexts() const {
    LimitTexts texts;
    if (settings_ == nullptr) {
        return texts;
    }
    settings_->sync();  // what another running copy wrote since
    for (std::size_t i = 0; i < kTypedSettings.size(); ++i) {
        texts.fields[i] = settings_->value(limitKey(kTypedSettings[i])).toString().toStdString();
    }
    const int criterion = settings_->value(limitKey("criterion"), 0).toInt();
    texts.criterion = static_cast<optimize::Criterion>(std::clamp(criterion, 0, 2));
    texts.nozzleCount =
        std::clamp(settings_->value(limitKey(optimize::Setting::NozzleCount), 3).toInt(), 1,
                   optimize::kMaxNozzleCount);
    texts.sizesInMillimetres = settings_->value(limitKey("sizesInMillimetres"), false).toBool();
    const int spread = settings_->value(limitKey(optimize::Setting::Spread), 1).toInt();
    texts.spread = spread < 0 ? std::nullopt : std::optional<int>(spread);
    known_ = texts;
    return texts;
}

void WindowMemory::rememberLimitTexts(const LimitTexts& texts) {
    if (settings_ == nullptr) {
        return;
    }
    const LimitTexts before = known_.value_or(LimitTexts{});
    settings_->sync();  // re-read, so that only this window's changes go over another's
    for (std::size_t i = 0; i < kTypedSettings.size(); ++i) {
        if (texts.fields[i] != before.fields[i] || !known_) {
            settings_->setValue(limitKey(kTypedSettings[i]),
                                QString::fromStdString(texts.fields[i]));
        }
    }
    if (texts.criterion != before.criterion || !known_) {
        settings_->setValue(limitKey("criterion"), static_cast<int>(texts.criterion));
    }
    if (texts.nozzleCount != before.nozzleCount || !known_) {
        settings_->setValue(limitKey(optimize::Setting::NozzleCount), texts.nozzleCount);
    }
    if (texts.sizesInMillimetres != before.sizesInMillimetres || !known_) {
        settings_->setValue(limitKey("sizesInMillimetres"), texts.sizesInMillimetres);
    }
    if (texts.spread != before.spread || !known_) {
        settings_->setValue(limitKey(optimize::Setting::Spread), texts.spread.value_or(-1));
    }
    settings_->sync();
    known_ = texts;
}

}  // namespace bithydraulics

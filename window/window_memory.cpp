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

namespace bithydraulics {
namespace {

const QString kFolderKey = QStringLiteral("files/lastFolder");
const QString kRecentFilesKey = QStringLiteral("files/recent");
const QString kPositionKey = QStringLiteral("window/position");

// The limits under optimization/, the texts by their setting (kTypedSettings).
constexpr const char* kTypedSettingKeys[kTypedSettings.size()] = {
    "maxPressure",          "maxPower",      "maxFlow",      "minAnnularVelocity",
    "maxEquivalentDensity", "verticalDepth", "lossExponent", "nozzleSizes"};

QString limitKey(const char* name) {
    return QStringLiteral("optimization/") + QLatin1String(name);
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

LimitTexts WindowMemory::limitTexts() const {
    LimitTexts texts;
    if (settings_ == nullptr) {
        return texts;
    }
    for (std::size_t i = 0; i < kTypedSettings.size(); ++i) {
        texts.fields[i] = settings_->value(limitKey(kTypedSettingKeys[i])).toString();
    }
    const int criterion = settings_->value(limitKey("criterion"), 0).toInt();
    texts.criterion = static_cast<optimize::Criterion>(std::clamp(criterion, 0, 2));
    texts.nozzleCount = std::clamp(settings_->value(limitKey("nozzleCount"), 3).toInt(), 1,
                                   optimize::kMaxNozzleCount);
    texts.sizesInMillimetres = settings_->value(limitKey("sizesInMillimetres"), false).toBool();
    const int spread = settings_->value(limitKey("spread"), 1).toInt();
    texts.spread = spread < 0 ? std::nullopt : std::optional<int>(spread);
    return texts;
}

void WindowMemory::rememberLimitTexts(const LimitTexts& texts) {
    if (settings_ == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < kTypedSettings.size(); ++i) {
        settings_->setValue(limitKey(kTypedSettingKeys[i]), texts.fields[i]);
    }
    settings_->setValue(limitKey("criterion"), static_cast<int>(texts.criterion));
    settings_->setValue(limitKey("nozzleCount"), texts.nozzleCount);
    settings_->setValue(limitKey("sizesInMillimetres"), texts.sizesInMillimetres);
    settings_->setValue(limitKey("spread"), texts.spread.value_or(-1));
}

}  // namespace bithydraulics

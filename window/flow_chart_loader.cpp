#include "window/flow_chart_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include "window/flow_chart_interface.h"

namespace bithydraulics {
namespace {

// Set by the build from where it installs and puts the library.
constexpr const char* kFolderBesidePrograms = BH_FLOW_CHART_FOLDER;
constexpr const char* kFileName = BH_FLOW_CHART_FILE;

QString libraryPath(const QString& folder) {
    if (!folder.isEmpty()) {
        return QDir(folder).filePath(QString::fromUtf8(kFileName));
    }
    const QDir programs(QCoreApplication::applicationDirPath());
    const QString beside =
        QDir::cleanPath(programs.filePath(QString::fromUtf8(kFolderBesidePrograms)));
    const QString installed = QDir(beside).filePath(QString::fromUtf8(kFileName));
    if (QFileInfo::exists(installed)) {
        return installed;
    }
    const QString withProgram = programs.filePath(QString::fromUtf8(kFileName));
    return QFileInfo::exists(withProgram) ? withProgram : installed;
}

}  // namespace

FlowChartLoader::FlowChartLoader(QString folder) : folder_(std::move(folder)) {}

FlowChartLoader::~FlowChartLoader() = default;

FlowChartLibrary* FlowChartLoader::library(QString& error) {
    if (library_ != nullptr) {
        return library_;
    }
    const QString path = libraryPath(folder_);
    if (!QFileInfo::exists(path)) {
        error = QStringLiteral("找不到排量曲线的程序库：%1").arg(QDir::toNativeSeparators(path));
        return nullptr;
    }
    // Kept loaded for the rest of the run: its windows may be opened again.
    loader_ = std::make_unique<QPluginLoader>(path);
    library_ = qobject_cast<FlowChartLibrary*>(loader_->instance());
    if (library_ == nullptr) {
        // The loader's own reason is English and speaks of symbols; the user can only reinstall.
        error = QStringLiteral(
                    "无法载入排量曲线的程序库 %1：程序库已损坏或与本程序的版本不符，"
                    "请重新安装本程序。")
                    .arg(QDir::toNativeSeparators(path));
        loader_.reset();
    }
    return library_;
}

}  // namespace bithydraulics

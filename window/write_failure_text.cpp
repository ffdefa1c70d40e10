#include "window/write_failure_text.h"

namespace bithydraulics {
namespace {

QString reasonText(platform::WriteFailureReason reason) {
    switch (reason) {
        case platform::WriteFailureReason::DiskFull:
            return QStringLiteral("磁盘已满");
        case platform::WriteFailureReason::PermissionDenied:
            return QStringLiteral("没有写入权限");
        case platform::WriteFailureReason::PathMissing:
            return QStringLiteral("文件夹不存在");
        case platform::WriteFailureReason::ReadOnlyFileSystem:
            return QStringLiteral("磁盘只读");
        case platform::WriteFailureReason::None:
        case platform::WriteFailureReason::Other:
            break;
    }
    return QStringLiteral("写入失败");
}

}  // namespace

QString writeFailureText(const QString& path, const platform::WriteFailure& failure) {
    QString text = QStringLiteral("无法写入文件 %1：%2").arg(path, reasonText(failure.reason));
    if (!failure.systemText.empty()) {
        text += QStringLiteral("（%1）").arg(QString::fromStdString(failure.systemText));
    }
    return text;
}

}  // namespace bithydraulics

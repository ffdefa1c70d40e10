#include "behaviour/write_failure_message.h"

namespace bithydraulics {
namespace {

std::string_view reasonText(platform::WriteFailureReason reason) {
    using Reason = platform::WriteFailureReason;
    switch (reason) {
        case Reason::DiskFull:
            return "磁盘已满，请腾出空间或换一个位置保存。";
        case Reason::PermissionDenied:
            return "没有写入权限，请换一个文件夹或文件名。";
        case Reason::PathMissing:
            return "路径不存在：没有这个文件夹。";
        case Reason::ReadOnlyFileSystem:
            return "磁盘是只读的，请换一个位置保存。";
        case Reason::None:
        case Reason::Other:
            break;
    }
    return "写入时出错，请换一个位置再试。";
}

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

}  // namespace

std::string writeFailureMessage(const platform::WriteFailure& failure, bool hadOldFile) {
    std::string message = "无法写入文件“" + utf8(failure.path.lexically_normal()) + "”：";
    message += reasonText(failure.reason);
    if (hadOldFile) {
        message += "\n原有的文件没有改动。";
    }
    return message;
}

}  // namespace bithydraulics

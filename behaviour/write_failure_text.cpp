#include "behaviour/write_failure_text.h"

namespace bithydraulics {

std::string writeFailureText(const platform::WriteFailure& failure, const std::string& shownPath) {
    std::string reason;
    switch (failure.reason) {
        case platform::WriteFailureReason::None:
            return {};
        case platform::WriteFailureReason::DiskFull:
            reason = "磁盘已满";
            break;
        case platform::WriteFailureReason::PermissionDenied:
            reason = "没有权限写入这个位置";
            break;
        case platform::WriteFailureReason::PathMissing:
            reason = "文件夹不存在";
            break;
        case platform::WriteFailureReason::ReadOnlyFileSystem:
            reason = "磁盘是只读的";
            break;
        case platform::WriteFailureReason::Other:
            // The system's own words are English; the window says only that writing failed.
            reason = "写入时出错";
            break;
    }
    return "无法写入文件“" + shownPath + "”：" + reason + "。文件没有改动。";
}

}  // namespace bithydraulics

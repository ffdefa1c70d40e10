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
            reason = "没有写入这个位置的权限";
            break;
        case platform::WriteFailureReason::PathMissing:
            reason = "文件夹不存在";
            break;
        case platform::WriteFailureReason::ReadOnlyFileSystem:
            reason = "磁盘是只读的";
            break;
        case platform::WriteFailureReason::Other:
            reason = "写入失败（" + failure.systemText + "）";
            break;
    }
    return "无法写入文件“" + shownPath + "”：" + reason + "。文件没有改动。";
}

}  // namespace bithydraulics

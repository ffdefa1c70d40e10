#pragma once

#include <string>

#include "platform/atomic_file.h"

namespace bithydraulics {

// What the window tells the user when a file could not be written: one message, in Chinese, that
// names the file and the reason ("磁盘已满", "没有写入权限", "文件夹不存在" …) and, when there was
// a file by that name before, that it is as it was. UTF-8.
std::string writeFailureMessage(const platform::WriteFailure& failure, bool hadOldFile);

}  // namespace bithydraulics

#pragma once

#include <string>

#include "platform/atomic_file.h"

// How a window tells the user that a file could not be written: one sentence in Chinese naming
// the file and the reason, the system's own words only where the reason is none of the known.
namespace bithydraulics {

// "无法写入文件“/tmp/算例.csv”：磁盘已满。" (UTF-8); `shownPath` is the file as the user knows it.
std::string writeFailureText(const platform::WriteFailure& failure, const std::string& shownPath);

}  // namespace bithydraulics

#pragma once

#include <QString>

#include "platform/atomic_file.h"

namespace bithydraulics {

// Why a file could not be written, for a message: "无法写入文件 /x/y.png：文件夹不存在（No such
// file or directory）".
QString writeFailureText(const QString& path, const platform::WriteFailure& failure);

}  // namespace bithydraulics

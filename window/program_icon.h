#pragma once

#include <QIcon>

namespace bithydraulics {

// The program's icon at 16 and 32 pixels, compiled in from packaging/icons/ (made by make-icons).
QIcon programIcon();

}  // namespace bithydraulics

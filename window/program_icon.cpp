#include "window/program_icon.h"

namespace bithydraulics {

QIcon programIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/bit-hydraulics-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/bit-hydraulics-32.png"), QSize(32, 32));
    return icon;
}

}  // namespace bithydraulics

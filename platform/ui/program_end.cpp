#include "platform/ui/program_end.h"

#include <QCoreApplication>

namespace bithydraulics {

// exit() rather than quit(): quit() would first offer every window a close event.
void endProgram() {
    QCoreApplication::exit(0);
}

}  // namespace bithydraulics

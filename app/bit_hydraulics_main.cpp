// bit-hydraulics: starts the GUI library, shows the one window and runs its event loop.
#include "window/program_start.h"

int main(int argc, char* argv[]) {
    return bithydraulics::runProgram(argc, argv);
}

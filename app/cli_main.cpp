// bit-hydraulics-cli: the command-line companion; all of it lives in the cli library.
#include "cli/cli.h"

int main(int argc, char** argv) {
    return bithydraulics::cli::runProgram(argc, argv);
}

// bit-hydraulics-cli: the command-line companion; all of it lives in the cli library.
#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return bithydraulics::cli::runCli(argc, argv, std::cin, std::cout, std::cerr);
}

#pragma once

// How the command-line companion ends.
namespace bithydraulics::cli {

inline constexpr int kExitComputed = 0;  // every case computed
inline constexpr int kExitFaulted = 1;   // some cases faulted; every row was still written
inline constexpr int kExitUsage = 2;  // a usage error, malformed input, or a failed read or write

// Ended by SIGINT (130) or SIGTERM (143), after the last whole row.
constexpr int exitStatusForSignal(int signal) {
    return 128 + signal;
}

}  // namespace bithydraulics::cli

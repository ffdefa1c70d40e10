#pragma once

// How the command-line companion ends.
namespace bithydraulics::cli {

inline constexpr int kExitComputed = 0;  // every case computed
// Some cases faulted (every row was still written), or a question has no answer: limits that
// leave no flow rate, a set-up that cannot be optimised.
inline constexpr int kExitFaulted = 1;
inline constexpr int kExitUsage = 2;  // a usage error, malformed input, or a failed read or write

// Ended by SIGINT (130) or SIGTERM (143), after the last whole row.
constexpr int exitStatusForSignal(int signal) {
    return 128 + signal;
}

}  // namespace bithydraulics::cli

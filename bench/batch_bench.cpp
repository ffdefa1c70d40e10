// The batch benchmark: generated rows through `bit-hydraulics-cli batch` to /dev/null, its rows
// per second and peak memory, beside the floor: the compute command alone on the same rows in
// this process (texts into an in-memory field array, runComputeCommand), with no reading or
// writing. The rows come in two kinds: with a well label carried through by --pass, and as a
// spreadsheet exports them (the eleven plain figures, CRLF line ends, nothing else).
// Usage: batch_bench [ROWS [WORK_DIR [BASELINE_PROGRAM]]]; the program path is built in. With a
// BASELINE_PROGRAM (another build of bit-hydraulics-cli, such as the last release's), each run is
// made with it too, on the same file, side by side.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/compute_command.h"
#include "calc/quantities.h"

extern char** environ;

namespace {

using namespace bithydraulics;
using Clock = std::chrono::steady_clock;

// Rows of varied set-ups: the eleven inputs, then a well label carried with --pass. The same
// seed gives the same rows.
class RowGenerator {
  public:
    // Appends row `index` to `text`: with the well label a line ending in LF; as a spreadsheet
    // writes it, the figures alone ending in CRLF.
    void appendRow(std::string& text, std::size_t index, bool spreadsheet = false) {
        char line[160];
        const int length =
            std::snprintf(line, sizeof line, "%u,%u,%u,%u.%u,1.%02u,216,127,165,%u,180,%u.%u",
                          10 + next(11), 10 + next(11), next(3) * 7, 20 + next(20), next(10),
                          next(61), 1000 + next(2000), 10 + next(10), next(10));
        text.append(line, static_cast<std::size_t>(length));
        if (spreadsheet) {
            text += "\r\n";
        } else {
            text += ",W" + std::to_string(index % 100) + "\n";
        }
    }

  private:
    unsigned next(unsigned range) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned>((state_ >> 33) % range);
    }

    std::uint64_t state_ = 0x9E3779B97F4A7C15ULL;
};

constexpr std::string_view kHeader =
    "nozzleDiameter1,nozzleDiameter2,nozzleDiameter3,flowRate,mudDensity,holeDiameter,"
    "pipeDiameter,collarDiameter,pipeLength,collarLength,pumpPressure";

// Writes `count` rows under the header, a block at a time, so this process stays small.
void writeInput(const std::string& path, std::size_t count, bool spreadsheet) {
    std::ofstream out(path, std::ios::binary);
    out << kHeader << (spreadsheet ? "\r\n" : ",well\n");
    RowGenerator generator;
    std::string block;
    for (std::size_t i = 0; i < count; ++i) {
        generator.appendRow(block, i, spreadsheet);
        if (block.size() > (1 << 16) || i + 1 == count) {
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
            block.clear();
        }
    }
}

// The same rows in memory, split into the eleven input texts of each.
struct RowTexts {
    std::string text;
    std::vector<std::uint32_t> starts;  // kInputFieldCount + 1 per row: each cell's start
};

RowTexts generateTexts(std::size_t count) {
    RowTexts rows;
    RowGenerator generator;
    rows.starts.reserve(count * (kInputFieldCount + 1));
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t start = rows.text.size();
        generator.appendRow(rows.text, i);
        for (int cell = 0; cell <= kInputFieldCount; ++cell) {
            rows.starts.push_back(static_cast<std::uint32_t>(start));
            start = rows.text.find(',', start) + 1;
        }
    }
    return rows;
}

struct Run {
    double seconds = 0;
    double peakMegabytes = 0;
    int status = -1;
};

// Runs the program on `input` with its output to /dev/null; wall time and peak resident memory.
// (The child's peak counts this process's own at the time of the spawn, which is kept small.)
Run runBatch(const std::string& program, const std::string& input, bool spreadsheet) {
    std::vector<const char*> argv{program.c_str(), "batch", input.c_str()};
    if (!spreadsheet) {
        argv.insert(argv.end(), {"--pass", "well"});
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    Run run;
    const auto start = Clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr,
                    const_cast<char* const*>(argv.data()), environ) != 0) {
        std::perror("posix_spawn");
        std::exit(2);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

// The compute command on every row, the texts copied into the field array first.
double runFloor(std::size_t count) {
    const RowTexts rows = generateTexts(count);
    const std::string_view text = rows.text;
    InMemoryFieldArray fields;
    CalculationState state;
    std::size_t faults = 0;
    const auto start = Clock::now();
    for (std::size_t row = 0; row < count; ++row) {
        const std::uint32_t* starts = &rows.starts[row * (kInputFieldCount + 1)];
        for (int i = 0; i < kInputFieldCount; ++i) {
            fields.replaceText(i, text.substr(starts[i], starts[i + 1] - 1 - starts[i]));
        }
        try {
            runComputeCommand(fields, state);
        } catch (const CalculationFault&) {
            ++faults;
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (faults != 0) {
        std::printf("(%zu rows faulted)\n", faults);
    }
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000;
    const std::string workDir = argc > 2 ? argv[2] : ".";

    const std::string baseline = argc > 3 ? argv[3] : "";

    std::printf("%-44s %10s %14s %12s\n", "", "seconds", "rows/s", "peak MB");
    double batchSeconds = 0;
    for (const bool spreadsheet : {false, true}) {
        for (const std::size_t size : {count / 10, count}) {
            const std::string input = workDir + "/batch_bench_" + std::to_string(size) + ".csv";
            writeInput(input, size, spreadsheet);
            for (const std::string& program : {std::string(BH_CLI_PATH), baseline}) {
                if (program.empty()) {
                    continue;
                }
                const Run run = runBatch(program, input, spreadsheet);
                if (run.status != 0) {
                    std::printf("%s batch ended with status %d\n", program.c_str(), run.status);
                    return 1;
                }
                std::printf("%s %8zu %s rows, to /dev/null %10.3f %14.0f %12.1f\n",
                            program == baseline ? "baseline," : "batch,   ", size,
                            spreadsheet ? "spreadsheet" : "labelled   ", run.seconds,
                            static_cast<double>(size) / run.seconds, run.peakMegabytes);
                if (!spreadsheet && program != baseline) {
                    batchSeconds = run.seconds;
                }
            }
            std::remove(input.c_str());
        }
    }
    const double floor = runFloor(count);
    std::printf("floor, %8zu rows, compute command alone  %10.3f %14.0f\n", count, floor,
                static_cast<double>(count) / floor);
    std::printf("batch time / floor time: %.2f\n", batchSeconds / floor);
    return 0;
}

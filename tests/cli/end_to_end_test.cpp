// The built bit-hydraulics-cli run as a child process: exit statuses, what goes to stderr, and
// memory that stays flat while many rows stream through.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<char*> argvFor(std::vector<std::string>& args) {
    args.insert(args.begin(), BH_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    return argv;
}

int waitFor(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs the program with `input` on stdin; stdout and stderr go through files.
Outcome run(std::vector<std::string> args, const std::string& input) {
    const std::string base = ::testing::TempDir() + "cli_e2e_" + std::to_string(getpid());
    const std::string inPath = base + ".in", outPath = base + ".out", errPath = base + ".err";
    std::ofstream(inPath, std::ios::binary) << input;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> argv = argvFor(args);
    pid_t child = 0;
    Outcome outcome;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        outcome.status = waitFor(child);
    }
    posix_spawn_file_actions_destroy(&actions);
    outcome.out = readFile(outPath);
    outcome.err = readFile(errPath);
    for (const std::string& path : {inPath, outPath, errPath}) {
        std::remove(path.c_str());
    }
    return outcome;
}

struct StatusCase {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out;  // a part of stdout
    std::string err;  // a part of the one stderr line; empty when stderr must be empty
};

// Test names and failure messages show the case by its name.
void PrintTo(const StatusCase& c, std::ostream* os) {
    *os << c.name;
}

class ExitStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(ExitStatusTest, StatusOutputAndOneErrorLine) {
    const StatusCase& c = GetParam();
    const Outcome outcome = run(c.args, c.input);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_NE(outcome.out.find(c.out), std::string::npos) << outcome.out;
    if (c.err.empty()) {
        EXPECT_EQ(outcome.err, "");
    } else {
        EXPECT_EQ(outcome.err.rfind("bit-hydraulics-cli: error: ", 0), 0u) << outcome.err;
        EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitStatusTest,
    ::testing::Values(
        StatusCase{"OneCase", {"flowRate=32"}, "", 0, "4.77", ""},
        StatusCase{"OneCaseFaults",
                   {"nozzleDiameter1=0", "nozzleDiameter2=0"},
                   "",
                   1,
                   "fault: division_by_zero at bitPressureDrop",
                   ""},
        StatusCase{"UnknownName", {"flowrate=32"}, "", 2, "", "unknown input name 'flowrate'"},
        StatusCase{"UnknownOption", {"--bogus"}, "", 2, "", "--bogus"},
        StatusCase{"Version", {"--version"}, "", 0, "1.00\n", ""},
        StatusCase{"Help", {"--help"}, "", 0, "--strict", ""},
        StatusCase{"BatchComputes", {"batch"}, "flowRate\n30\n32\n", 0, "\n32,4.77,", ""},
        StatusCase{"BatchFaultRowsStillWritten",
                   {"batch"},
                   "pumpPressure\n0\n13\n",
                   1,
                   ",division_by_zero,powerUtilization\n13,4.20,",
                   ""},
        StatusCase{"BatchMalformedAfterRows",
                   {"batch"},
                   "flowRate\n30\n\"32\n",
                   2,
                   "\n30,4.20,",
                   "line 3: quoted cell is never closed"},
        StatusCase{"BatchCellCount",
                   {"batch"},
                   "flowRate,mudDensity\n30\n",
                   2,
                   "",
                   "line 2: 1 cells where the header has 2"},
        StatusCase{"BatchUnknownColumn",
                   {"batch"},
                   "flowrate\n30\n",
                   2,
                   "",
                   "line 1: unknown column 'flowrate'"},
        StatusCase{"BatchMissingFile",
                   {"batch", "/nonexistent/cases.csv"},
                   "",
                   2,
                   "",
                   "cannot open '/nonexistent/cases.csv'"},
        StatusCase{"BatchJsonLines",
                   {"batch", "--input", "jsonl", "--format", "jsonl"},
                   "{\"flowRate\":32}\n",
                   0,
                   "\"flowRate\":\"32\"",
                   ""},
        StatusCase{"BatchBadJson",
                   {"batch", "--input", "jsonl"},
                   "{\"flowRate\":32}\n{\n",
                   2,
                   "\n15,16,0,32,",
                   "line 2: invalid JSON"},
        StatusCase{"SweepComputes", {"sweep", "flowRate=30:32:1"}, "", 0, "\n32,4.77,", ""},
        StatusCase{"SweepTooManyRows",
                   {"sweep", "flowRate=0:2000000:1"},
                   "",
                   2,
                   "",
                   "more than 1000000 rows"},
        StatusCase{"SweepZeroStep", {"sweep", "flowRate=0:1:0"}, "", 2, "", "STEP is 0"}),
    [](const auto& info) { return std::string(info.param.name); });

// Peak resident memory of a running process, from /proc.
long peakKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

struct StreamRun {
    int status = -1;
    std::size_t outputLines = 0;
    long peakKilobytes = -1;
};

// Streams `rows` generated rows into `batch` and counts the output lines. The peak memory is
// read once every row has been handed over, while the program still waits for the end of its
// input, so it covers all but the last pipeful.
StreamRun streamRows(std::size_t rows) {
    int input[2];
    int output[2];
    if (pipe(input) != 0 || pipe(output) != 0) {
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    for (const int fd : {input[0], input[1], output[0], output[1]}) {
        posix_spawn_file_actions_addclose(&actions, fd);
    }
    std::vector<std::string> args{"batch", "--pass", "well"};
    std::vector<char*> argv = argvFor(args);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    StreamRun result;
    if (spawned != 0) {
        close(input[1]);
        close(output[0]);
        return result;
    }

    std::thread writer([&] {
        std::string block = "well,nozzleDiameter1,flowRate,mudDensity,pipeLength,pumpPressure\n";
        char row[128];
        for (std::size_t i = 0; i < rows; ++i) {
            const int length = std::snprintf(row, sizeof row, "W%zu,%zu,%zu.%zu,1.%02zu,%zu,%zu\n",
                                             i % 97, 10 + i % 11, 20 + i % 20, i % 10, i % 61,
                                             1000 + i % 2000, 10 + i % 10);
            block.append(row, static_cast<std::size_t>(length));
            if (block.size() >= (1 << 16) || i + 1 == rows) {
                for (std::size_t written = 0; written < block.size();) {
                    const ssize_t n =
                        write(input[1], block.data() + written, block.size() - written);
                    if (n <= 0) {
                        break;
                    }
                    written += static_cast<std::size_t>(n);
                }
                block.clear();
            }
        }
        result.peakKilobytes = peakKilobytes(child);
        close(input[1]);
    });
    char buffer[1 << 16];
    for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;) {
        for (ssize_t i = 0; i < n; ++i) {
            result.outputLines += buffer[i] == '\n' ? 1 : 0;
        }
    }
    writer.join();
    close(output[0]);
    result.status = waitFor(child);
    return result;
}

// Under the sanitizers a row costs some twenty times as much, so the sanitizer build streams
// 200,000 rows and the optimised build the full million; either is far more than any buffer.
TEST(StreamingTest, MemoryStaysFlatAsRowsGrowTenfold) {
    const std::size_t large = BH_STREAMING_ROWS;
    const StreamRun small = streamRows(large / 10);
    const StreamRun big = streamRows(large);
    ASSERT_EQ(small.status, 0);
    ASSERT_EQ(big.status, 0);
    EXPECT_EQ(small.outputLines, large / 10 + 1);
    EXPECT_EQ(big.outputLines, large + 1);
    ASSERT_GT(small.peakKilobytes, 0);
    ASSERT_GT(big.peakKilobytes, 0);
    // Ten times the rows may not cost more than a couple of megabytes.
    EXPECT_LT(big.peakKilobytes - small.peakKilobytes, 2048)
        << small.peakKilobytes << " kB for " << large / 10 << " rows, " << big.peakKilobytes
        << " kB for " << large;
}

}  // namespace

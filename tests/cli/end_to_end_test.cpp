// The built bit-hydraulics-cli run as a child process, for what only a process shows: exit
// statuses, standard input and output that fail or are closed, signals, answers as lines
// arrive, and memory that stays flat while many rows stream through.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
    int status = -1;  // the exit status, or 128 + the signal that ended it
    std::string out;
    std::string err;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int waitFor(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Starts the program with `actions` for its standard streams.
pid_t start(std::vector<std::string> args, posix_spawn_file_actions_t& actions) {
    args.insert(args.begin(), BH_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? child : -1;
}

// Runs the program with `input` on stdin (closed when `closedInput`) and stdout to `output` (a
// file of its own when empty); stdout and stderr are read back from their files.
Outcome run(std::vector<std::string> args, const std::string& input, bool closedInput = false,
            const std::string& output = "") {
    const std::string base = ::testing::TempDir() + "cli_e2e_" + std::to_string(getpid());
    const std::string inPath = base + ".in", errPath = base + ".err";
    const std::string outPath = output.empty() ? base + ".out" : output;
    std::ofstream(inPath, std::ios::binary) << input;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (closedInput) {
        posix_spawn_file_actions_addclose(&actions, STDIN_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inPath.c_str(), O_RDONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    Outcome outcome;
    const pid_t child = start(std::move(args), actions);
    outcome.status = child > 0 ? waitFor(child) : -1;
    if (output.empty()) {
        outcome.out = readFile(outPath);
        std::remove(outPath.c_str());
    }
    outcome.err = readFile(errPath);
    std::remove(inPath.c_str());
    std::remove(errPath.c_str());
    return outcome;
}

// The program with pipes for stdin and stdout, as a script drives it.
class Piped {
  public:
    explicit Piped(std::vector<std::string> args) {
        int input[2];
        int output[2];
        if (pipe(input) != 0 || pipe(output) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
        for (const int fd : {input[0], input[1], output[0], output[1]}) {
            posix_spawn_file_actions_addclose(&actions, fd);
        }
        child_ = start(std::move(args), actions);
        close(input[0]);
        close(output[1]);
        in_ = input[1];
        out_ = output[0];
    }
    ~Piped() {
        closeInput();
        close(out_);
        if (child_ > 0 && status_ < 0) {
            kill(child_, SIGKILL);
            waitFor(child_);
        }
    }

    pid_t child() const { return child_; }
    bool write(std::string_view text) {
        for (std::size_t written = 0; written < text.size();) {
            const ssize_t n = ::write(in_, text.data() + written, text.size() - written);
            if (n <= 0) {
                return false;
            }
            written += static_cast<std::size_t>(n);
        }
        return true;
    }
    void closeInput() {
        if (in_ >= 0) {
            close(in_);
            in_ = -1;
        }
    }
    // Reads what the program writes, waiting at most 30 s for each part: until `lines` lines
    // have come in all, or up to the end when `lines` is 0. False when the time ran out.
    bool read(std::size_t lines = 0) {
        while (lines == 0 || lineCount < lines) {
            pollfd ready{out_, POLLIN, 0};
            if (poll(&ready, 1, 30'000) != 1) {
                return false;
            }
            char buffer[1 << 16];
            const ssize_t n = ::read(out_, buffer, sizeof buffer);
            if (n <= 0) {
                return lines == 0;
            }
            const std::string_view part(buffer, static_cast<std::size_t>(n));
            lineCount += static_cast<std::size_t>(std::count(part.begin(), part.end(), '\n'));
            if (keep) {
                out += part;
            }
        }
        return true;
    }
    int wait() { return status_ = waitFor(child_); }

    std::string out;  // what the program wrote, when kept
    bool keep = true;
    std::size_t lineCount = 0;

  private:
    pid_t child_ = -1;
    int in_ = -1;
    int out_ = -1;
    int status_ = -1;
};

// Whether every line of `csv` holds `cells` comma-separated cells and the text ends on a line
// break: whole rows only.
bool wholeRows(const std::string& csv, std::size_t cells) {
    std::istringstream lines(csv);
    for (std::string line; std::getline(lines, line);) {
        if (static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1 != cells) {
            return false;
        }
    }
    return !csv.empty() && csv.back() == '\n';
}

TEST(ProcessTest, ExitStatusesAndOneErrorLine) {
    const std::string directory = ::testing::TempDir();
    struct Case {
        std::vector<std::string> args;
        bool closedInput;
        int status;
        std::string err;  // the one stderr line, or empty
    };
    for (const Case& c : std::vector<Case>{
             {{"flowRate=32"}, false, 0, ""},
             {{"泵压=0"}, false, 1, ""},
             {{"flowrate=32"}, false, 2, "unknown input name 'flowrate'"},
             {{"batch", "/nonexistent/cases.csv"},
              false,
              2,
              "cannot open '/nonexistent/cases.csv': No such file or directory"},
             {{"batch", directory}, false, 2, "cannot read '" + directory + "': Is a directory"},
             {{"batch", "--input", "jsonl", directory},
              false,
              2,
              "cannot read '" + directory + "': Is a directory"},
             {{"batch"}, true, 2, "cannot read standard input: Bad file descriptor"},
             {{"optimize", "--max-pressure", "18"}, false, 0, ""},
             {{"flow-range", "--max-pressure", "3", "--min-annular-velocity", "0.6"},
              false,
              1,
              "hole cleaning and pump pressure contradict each other"},
             {{"optimize", "--max-pressure", "x"}, false, 2, "--max-pressure takes a plain figure"},
         }) {
        const Outcome outcome = run(c.args, "flowRate\n30\n", c.closedInput);
        EXPECT_EQ(outcome.status, c.status) << c.args[0] << ": " << outcome.err;
        if (c.err.empty()) {
            EXPECT_EQ(outcome.err, "");
        } else {
            EXPECT_EQ(outcome.err.rfind("bit-hydraulics-cli: error: " + c.err, 0), 0u)
                << outcome.err;
            EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
        }
    }
}

TEST(ProcessTest, FullDiskIsAnErrorInEveryMode) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"--format", "json"},
             {"--help"},
             {"--version"},
             {"batch"},
             {"batch", "--format", "jsonl"},
             {"batch", "--format", "table"},
             {"sweep", "flowRate=1:3:1"},
             {"optimize", "--max-pressure", "18"},
             {"flow-range", "--max-pressure", "18"},
         }) {
        const Outcome outcome = run(args, "flowRate\n30\n", false, "/dev/full");
        EXPECT_EQ(outcome.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(outcome.err,
                  "bit-hydraulics-cli: error: cannot write the output: No space left on device\n");
    }
}

// -o writes what standard output would have held, in every command, and nothing to stdout.
TEST(ProcessTest, OutputFileHoldsWhatStandardOutputWould) {
    const std::string path = ::testing::TempDir() + "cli_e2e_o_" + std::to_string(getpid());
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"flowRate=32"},
             {"batch"},
             {"sweep", "flowRate=1:3:1"},
             {"flow-range", "--max-pressure", "18"},
         }) {
        const Outcome plain = run(args, "flowRate\n30\n");
        std::vector<std::string> withFile = args;
        withFile.insert(withFile.end(), {"-o", path});
        std::ofstream(path) << "old contents\n";
        const Outcome written = run(withFile, "flowRate\n30\n");
        EXPECT_EQ(written.status, plain.status) << args[0];
        EXPECT_EQ(written.out, "");
        EXPECT_EQ(readFile(path), plain.out) << args[0];
    }
    std::filesystem::remove(path);
}

// On a full disk the old file stays byte for byte, no temporary file is left, and one line
// names the file and the reason. A small tmpfs is the full disk, where mounting is allowed.
TEST(ProcessTest, OutputFileOnAFullDiskLeavesTheOldFile) {
    const std::filesystem::path folder =
        ::testing::TempDir() + "cli_e2e_full_" + std::to_string(getpid());
    std::filesystem::create_directories(folder);
    if (mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0) {
        std::filesystem::remove(folder);
        GTEST_SKIP() << "mounting a tmpfs is not allowed here";
    }
    const std::string target = (folder / "results.csv").string();
    const std::string old = "flowRate,bitPressureDrop\r\n30,4.20\r\n";
    std::ofstream(target, std::ios::binary) << old;
    std::string rows = "flowRate\n";
    for (int i = 0; i < 5000; ++i) {
        rows += std::to_string(20 + i % 20) + "\n";
    }

    const Outcome outcome = run({"batch", "-o", target}, rows);

    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err, "bit-hydraulics-cli: error: cannot write '" + target +
                               "': disk full (No space left on device)\n");
    EXPECT_EQ(readFile(target), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
    umount(folder.c_str());
    std::filesystem::remove_all(folder);
}

TEST(ProcessTest, LineBufferedAnswersEachLineAtOnce) {
    Piped program({"batch", "--line-buffered"});
    ASSERT_TRUE(program.write("flowRate\n"));
    ASSERT_TRUE(program.read(1)) << "no header";
    for (const std::string line : {"30\n", "32\n"}) {
        ASSERT_TRUE(program.write(line));
        ASSERT_TRUE(program.read(program.lineCount + 1)) << "no answer to " << line;
    }
    EXPECT_NE(program.out.find("\n30,4.20,"), std::string::npos);
    EXPECT_NE(program.out.find("\n32,4.77,"), std::string::npos);
    program.closeInput();
    ASSERT_TRUE(program.read());
    EXPECT_EQ(program.wait(), 0);
}

// Interrupted while it waits for input, the program ends by the signal after writing every row
// it was given.
TEST(ProcessTest, InterruptedWhileWaitingEndsAfterTheRowsGiven) {
    for (const int signal : {SIGINT, SIGTERM}) {
        Piped program({"batch", "--line-buffered"});
        ASSERT_TRUE(program.write("flowRate\n30\n32\n"));
        ASSERT_TRUE(program.read(3));
        kill(program.child(), signal);
        ASSERT_TRUE(program.read());
        EXPECT_EQ(program.wait(), 128 + signal);
        EXPECT_EQ(program.lineCount, 3u);
    }
}

// Interrupted amid a long batch, the program ends by the signal with its output on a whole row.
TEST(ProcessTest, InterruptedBatchEndsOnAWholeRow) {
    std::signal(SIGPIPE, SIG_IGN);  // the writer below sees the end of the program as an error
    Piped program({"batch", "--pass", "well"});
    std::thread writer([&] {
        std::string block = "well,flowRate,mudDensity\n";
        for (std::size_t i = 0; program.write(block); ++i) {
            block.clear();
            for (std::size_t k = 0; k < 1000; ++k) {
                block.append("W").append(std::to_string(i)).append(",");
                block.append(std::to_string(20 + k % 20)).append(".5,1.2\n");
            }
        }
    });
    const bool started = program.read(5000);  // well past the first blocks of output
    kill(program.child(), SIGTERM);
    const bool ended = program.read();
    program.closeInput();
    writer.join();
    ASSERT_TRUE(started && ended);
    EXPECT_EQ(program.wait(), 128 + SIGTERM);
    EXPECT_TRUE(wholeRows(program.out, 3 + 9 + 2)) << program.out.substr(program.out.size() - 200);
}

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
    Piped program({"batch", "--pass", "well"});
    program.keep = false;
    StreamRun result;
    std::thread writer([&] {
        std::string block = "well,nozzleDiameter1,flowRate,mudDensity,pipeLength,pumpPressure\n";
        char row[128];
        for (std::size_t i = 0; i < rows; ++i) {
            const int length = std::snprintf(row, sizeof row, "W%zu,%zu,%zu.%zu,1.%02zu,%zu,%zu\n",
                                             i % 97, 10 + i % 11, 20 + i % 20, i % 10, i % 61,
                                             1000 + i % 2000, 10 + i % 10);
            block.append(row, static_cast<std::size_t>(length));
            if (block.size() >= (1 << 16) || i + 1 == rows) {
                program.write(block);
                block.clear();
            }
        }
        result.peakKilobytes = peakKilobytes(program.child());
        program.closeInput();
    });
    program.read();
    writer.join();
    result.outputLines = program.lineCount;
    result.status = program.wait();
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

// Writes the cases the Win32 window's test types in, with what the window must show for each, as
// this (Linux) build computes it: the default case, generated cases (some typed with full-width
// digits, "。" or a unit after the figure), and one case of every kind of fault. One line a case,
// tab-separated: its name, the eleven input texts, then "ok" and the nine result texts, or
// "fault" and the text of the fault report (line breaks written as \n).
// Usage: window_cases SEED COUNT
#include <array>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "behaviour/fault_message.h"
#include "calc/compute_command.h"
#include "calc/quantities.h"

namespace {

using namespace bithydraulics;
using Inputs = std::array<std::string, kInputFieldCount>;

// A small generator whose sequence is the same with every compiler and library.
class Generator {
  public:
    explicit Generator(std::uint64_t seed) : state_(seed * 2654435761u + 1) {}
    std::uint64_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    // A figure from `low` to `high` with `decimals` decimals, as text.
    std::string figure(int low, int high, int decimals = 0) {
        int scale = 1;
        for (int i = 0; i < decimals; ++i) {
            scale *= 10;
        }
        const auto span = static_cast<std::uint64_t>((high - low) * scale + 1);
        const long long value = low * scale + static_cast<long long>(next() % span);
        std::string text = std::to_string(value / scale);
        if (decimals > 0) {
            std::string fraction = std::to_string(value % scale);
            text += "." + std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') +
                    fraction;
        }
        return text;
    }

  private:
    std::uint64_t state_;
};

// "35" typed with a Chinese input method's full-width digits: "３５".
std::string fullWidth(const std::string& text) {
    std::string wide;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            wide += "\xEF\xBC";
            wide += static_cast<char>(0x90 + (c - '0'));
        } else if (c == '.') {
            wide += "。";
        } else {
            wide += c;
        }
    }
    return wide;
}

Inputs generated(Generator& random, int number) {
    Inputs in{random.figure(8, 20),     random.figure(8, 20),    random.figure(0, 14),
              random.figure(15, 45, 1), random.figure(1, 2, 2),  random.figure(150, 311),
              random.figure(73, 140),   random.figure(105, 145), random.figure(500, 5000),
              random.figure(50, 300),   random.figure(5, 35, 1)};
    // Ways of typing the same figures that the window reads alike.
    if (number % 3 == 1) {
        in[3] = fullWidth(in[3]);
    }
    if (number % 4 == 2) {
        in[5] += "mm";  // read in part: marked, and computed from 216
    }
    return in;
}

Inputs defaults() {
    Inputs in;
    for (std::size_t i = 0; i < in.size(); ++i) {
        in[i] = kInputQuantities[i].defaultText;
    }
    return in;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\\') {
            out += "\\\\";
        } else {
            out += c;
        }
    }
    return out;
}

void writeCase(const std::string& name, const Inputs& in) {
    InMemoryFieldArray fields;
    for (int i = 0; i < kInputFieldCount; ++i) {
        fields.replaceText(i, in[static_cast<std::size_t>(i)]);
    }
    std::string line = name;
    for (const std::string& text : in) {
        line += "\t" + text;
    }
    try {
        CalculationState state;
        runComputeCommand(fields, state);
        line += "\tok";
        for (int i = kFirstResultField; i < kFieldCount; ++i) {
            line += "\t" + fields.text(i);
        }
    } catch (const CalculationFault& fault) {
        line += "\tfault\t" +
                escaped(faultReportPlainText(fault, faultLocation(fault.quantity(), fields)));
    }
    std::cout << line << '\n';
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_cases SEED COUNT\n");
        return 2;
    }
    Generator random(std::stoull(argv[1]));
    const int count = std::stoi(argv[2]);
    writeCase("default", defaults());
    for (int i = 0; i < count; ++i) {
        writeCase("generated " + std::to_string(i + 1), generated(random, i));
    }
    // One of each kind of fault, where the formulas meet it and where reading does.
    Inputs pumpPressureZero = defaults();
    pumpPressureZero[10] = "0";
    writeCase("division by zero", pumpPressureZero);
    Inputs noNozzleNoFlow = defaults();
    noNozzleNoFlow[0] = noNozzleNoFlow[1] = noNozzleNoFlow[2] = noNozzleNoFlow[3] = "0";
    writeCase("overflow", noNozzleNoFlow);
    Inputs negativeFlow = defaults();
    negativeFlow[3] = "-30";  // a negative figure to the power 1.86
    writeCase("invalid argument", negativeFlow);
    Inputs hugeFlow = defaults();
    hugeFlow[3] = "1e999";
    writeCase("overflow reading", hugeFlow);
    Inputs emptyPressure = defaults();
    emptyPressure[10] = "";
    writeCase("empty pump pressure", emptyPressure);
    return 0;
}

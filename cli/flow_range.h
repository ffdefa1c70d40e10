#pragma once

#include "cli/command.h"

namespace bithydraulics::cli {

// flow-range [NAME=TEXT ...] --max-pressure MPa [limits] [--points N]: the current nozzles at N
// evenly spaced flow rates from 0 to 1.2 times the operating window's upper end, for a
// spreadsheet chart, with the window's two ends as rows of their own in flow-rate order. Each row:
// the flow rate, the predicted pump pressure, the pressure the pump may deliver there, the pump
// power, the nine results (display texts, or with --full the values, nozzleArea first), the
// equivalent circulating density, withinWindow (true or false), windowEnd (lower, upper or
// empty) and the limit that sets that end, fault and faultQuantity. A row whose flow rate the
// program faults at (no flow: the power utilisation is 0/0) has only its flow rate and its fault.
// Returns kExitComputed; an empty window ends the run with Unanswered, naming both limits, after
// every row is written.
CLI::App* declareFlowRange(CLI::App& program, Options& options);
int runFlowRange(const Options& options, Streams& streams);

}  // namespace bithydraulics::cli

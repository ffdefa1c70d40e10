#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cases/result_columns.h"
#include "cases/row_writer.h"
#include "optimize/results.h"

namespace bithydraulics::cli {

// The cells of one flow rate and nozzle set in a row: the flow rate, the predicted pump
// pressure, the pressure the pump may deliver at that flow rate, the pump power, the program's
// results and the equivalent circulating density. Display texts as the program shows them, or
// with `full` the shortest figures that read back as the values, nozzleArea included.
class PointCells {
  public:
    explicit PointCells(bool full) : full_(full) {}

    // The columns the cells fill, in order.
    std::vector<cases::Column> columns() const;

    // Fills the cells from `point`. Without `computed` (a flow rate at which the program
    // faults) only the flow rate, the other cells empty. Throws CalculationFault, located at its
    // result, when a display text cannot be formed.
    std::span<const std::string_view> fill(const optimize::OperatingPoint& point, bool computed);

  private:
    bool full_;
    std::vector<std::string> texts_;
    std::vector<std::string_view> cells_;
};

}  // namespace bithydraulics::cli

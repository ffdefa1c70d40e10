#pragma once

#include <string>
#include <vector>

// Case tables written as the window saves them: CSV, UTF-8 with a byte-order mark so that a
// spreadsheet shows the Chinese captions, every cell quoted where CSV needs it. Both readers
// (the window's and batch) take such a file back.
namespace bithydraulics::cases {

// The header of a saved case: the eleven inputs' captions with their units, "排量(L/s)", in
// field order.
std::vector<std::string> savedCaseHeader();

// The bytes of a table of `rows` under `header`.
std::string caseTableBytes(const std::vector<std::string>& header,
                           const std::vector<std::vector<std::string>>& rows);

}  // namespace bithydraulics::cases

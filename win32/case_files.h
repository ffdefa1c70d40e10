#pragma once

#include <string>
#include <vector>

#include "behaviour/case_file_reading.h"
#include "behaviour/result_record.h"

// The window's files through the libraries the Qt window uses: case files read by the case-table
// library (behaviour/case_file_reading.h), and every file written whole or not at all. Problems
// come back as one Chinese message for the user.
namespace bithydraulics::win32 {

CaseFileReading readCaseFile(const std::wstring& path);

// The eleven input texts of case `index` of `table`; inputs it has no column for hold their
// default texts.
InputTexts caseTexts(const cases::CaseTable& table, std::size_t index);

// Writes one case under a header of captions with units; returns why it failed, or nothing.
std::string writeCaseFile(const std::wstring& path, const InputTexts& texts);

// Writes the results table (its first row the header) as CSV; returns why it failed, or nothing.
std::string writeResultFile(const std::wstring& path, const std::vector<ResultRow>& rows);

}  // namespace bithydraulics::win32

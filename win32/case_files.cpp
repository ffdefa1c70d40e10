#include "win32/case_files.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "behaviour/write_failure_message.h"
#include "calc/quantities.h"
#include "cases/csv_reader.h"
#include "cases/errors.h"
#include "cases/output_buffer.h"
#include "cases/row_writer.h"
#include "platform/atomic_file.h"

namespace bithydraulics::win32 {
namespace {

// A column that batch output adds to its input columns: a result or the fault it met.
bool isOutputColumn(std::string_view name) {
    if (name == "fault" || name == "faultQuantity" || name == kNozzleAreaName) {
        return true;
    }
    for (const ResultQuantity& result : kDisplayedResults) {
        if (result.name == name || result.caption == name) {
            return true;
        }
    }
    return false;
}

// Where each column's cells go: an input's index, or nothing for a column that is ignored.
using ColumnInputs = std::vector<std::optional<std::size_t>>;

std::string columnProblem(std::span<const std::string_view> header, ColumnInputs& columns) {
    std::string unknown;
    std::array<bool, kInputFieldCount> seen{};
    for (const std::string_view name : header) {
        const auto input = findInput(name);
        if (input && seen[*input]) {
            return "列“" + std::string(name) + "”重复：同一个输入只能有一列。";
        }
        if (input) {
            seen[*input] = true;
        } else if (!isOutputColumn(name)) {
            unknown += (unknown.empty() ? "“" : "、“") + std::string(name) + "”";
        }
        columns.push_back(input);
    }
    if (!unknown.empty()) {
        return "无法识别的列：" + unknown + "。\n列名应为输入的字段名或标题，如 flowRate 或 排量。";
    }
    return {};
}

InputTexts defaultTexts() {
    InputTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = kInputQuantities[i].defaultText;
    }
    return texts;
}

CaseFileContents problem(std::string text) {
    return {{}, std::move(text)};
}

std::string csvBytes(const std::vector<TableRow>& rows) {
    std::ostringstream text;
    {
        cli::OutputBuffer out(text);
        std::vector<cli::Column> columns;
        for (const std::string& name : rows.front()) {
            columns.push_back({name, {}, {}, cli::CellKind::Text});
        }
        cli::WriteOptions options;
        options.byteOrderMark = true;
        const auto writer = cli::makeRowWriter(columns, options, out);
        for (std::size_t r = 1; r < rows.size(); ++r) {
            const std::vector<std::string_view> cells(rows[r].begin(), rows[r].end());
            writer->writeRow(cells);
        }
        writer->finish();
        out.flush();
    }
    return text.str();
}

}  // namespace

CaseFileContents readCaseFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in) {
        return problem("无法打开文件。");
    }
    CaseFileContents contents;
    try {
        cli::CsvReader reader(in);
        if (!reader.next()) {
            return problem("文件是空的，没有表头和算例。");
        }
        ColumnInputs columns;
        if (std::string text = columnProblem(reader.cells(), columns); !text.empty()) {
            return problem(text);
        }
        while (reader.next()) {
            const auto cells = reader.cells();
            if (cells.size() != columns.size()) {
                return problem("第 " + std::to_string(reader.line()) + " 行有 " +
                               std::to_string(cells.size()) + " 格，表头有 " +
                               std::to_string(columns.size()) + " 格。");
            }
            if (contents.cases.size() == kMostCasesInAFile) {
                return problem("文件中的算例超过 " + std::to_string(kMostCasesInAFile) +
                               " 个，窗口只能打开这么多以内的文件。");
            }
            InputTexts texts = defaultTexts();
            for (std::size_t i = 0; i < cells.size(); ++i) {
                if (columns[i]) {
                    texts[*columns[i]] = cells[i];
                }
            }
            contents.cases.push_back(std::move(texts));
        }
    } catch (const cli::InputError& error) {
        return problem("无法读取：文件须为 CSV 文件（" + std::string(error.what()) + "）。");
    } catch (const cli::ReadError&) {
        return problem("读取文件时出错。");
    }
    if (contents.cases.empty()) {
        return problem("文件中只有表头，没有算例。");
    }
    return contents;
}

std::string writeCaseFile(const std::wstring& path, const InputTexts& texts) {
    TableRow header;
    TableRow row;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        header.emplace_back(kInputQuantities[i].name);
        row.push_back(texts[i]);
    }
    return writeTableFile(path, {header, row});
}

std::string writeTableFile(const std::wstring& path, const std::vector<TableRow>& rows) {
    const std::filesystem::path file(path);
    std::error_code unknown;
    const bool hadOldFile = std::filesystem::exists(file, unknown);
    const platform::WriteFailure failure = platform::writeFileAtomically(file, csvBytes(rows));
    return failure.failed() ? writeFailureMessage(failure, hadOldFile) : std::string();
}

}  // namespace bithydraulics::win32

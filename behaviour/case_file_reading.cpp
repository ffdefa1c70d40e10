#include "behaviour/case_file_reading.h"

#include <fstream>
#include <system_error>

#include "cases/errors.h"

namespace bithydraulics {
namespace {

std::string number(std::uint64_t value) {
    return std::to_string(value);
}

// 100000 as "100,000", as the window writes counts.
std::string grouped(std::uint64_t value) {
    const std::string digits = number(value);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text;
}

CaseFileReading problem(std::string text) {
    CaseFileReading reading;
    reading.problem = std::move(text);
    return reading;
}

}  // namespace

std::string caseFileProblemText(const cases::InputError& error) {
    const std::string line = number(error.line());
    const std::size_t columnNumber = error.place().column;
    const std::string column = number(columnNumber);
    const std::string& subject = error.subject();
    switch (error.fault()) {
        case cases::InputFault::NotText:
            return "第 " + line + " 行第 " + number(error.place().byte) +
                   " 个字节起的内容既不是 UTF-8 也不是 GB18030 编码的文字。"
                   "请在表格软件中另存为 CSV 文件。";
        case cases::InputFault::NulByte:
            return "第 " + line + " 行第 " + column + " 列含有空字符（NUL），不是文字。";
        case cases::InputFault::NoHeader:
            return "文件是空的，没有表头和算例。";
        case cases::InputFault::NoCase:
            return "文件中只有表头，没有算例。";
        case cases::InputFault::CellCount:
            return "第 " + line + " 行的格数与表头的列数不同。";
        case cases::InputFault::CellUnderUnnamedColumn:
            return "第 " + line + " 行第 " + column + " 列有内容，但表头中这一列没有名称。";
        case cases::InputFault::RepeatedInput:
            return "列“" + subject + "”重复：同一个输入只能有一列。";
        case cases::InputFault::WrongUnit:
            return "列“" + subject + "”的单位与窗口不同，请换算为窗口所用的单位后再打开。";
        case cases::InputFault::AmbiguousFigure:
            return "第 " + line + " 行第 " + column + " 列的“" + subject +
                   "”可有两种读法。请只用一个小数点，不用千位分隔符。";
        case cases::InputFault::TooManyRows:
            return "文件中的算例超过 " + grouped(kMostCasesInAFile) + " 个，窗口只能打开 " +
                   grouped(kMostCasesInAFile) + " 个以内的文件。";
        case cases::InputFault::Malformed:
        case cases::InputFault::UnknownColumn:
            break;
    }
    return columnNumber != 0
               ? "第 " + line + " 行第 " + column + " 列不符合 CSV 格式（引号或换行有误）。"
               : "第 " + line + " 行不符合 CSV 格式（引号或换行有误）。";
}

CaseFileReading readCaseFileAt(const std::filesystem::path& path, const std::string& shownPath) {
    std::error_code unknown;
    const std::uintmax_t size = std::filesystem::file_size(path, unknown);
    if (!unknown && size > kLargestCaseFileBytes) {
        return problem("文件有 " + number(size / (1024 * 1024)) + " MB，窗口只能打开 " +
                       number(kLargestCaseFileBytes / (1024 * 1024)) + " MB 以内的算例文件。");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return problem("无法打开文件“" + shownPath + "”。");
    }
    CaseFileReading reading;
    try {
        reading.table = cases::readCaseTable(in, {}, kMostCasesInAFile);
    } catch (const cases::InputError& error) {
        return problem(caseFileProblemText(error));
    } catch (const cases::ReadError&) {
        return problem("读取文件“" + shownPath + "”时出错。");
    }
    if (in.bad()) {
        return problem("读取文件“" + shownPath + "”时出错。");
    }
    if (!reading.table.givenInputs().any()) {
        return problem(
            "表头中没有输入列。列名应为输入的字段名或标题，如 flowRate、排量 或 排量(L/s)。");
    }
    return reading;
}

}  // namespace bithydraulics

// The one place the window meets the case-table library it shares with the command-line
// companion, and the safe writer every file of the window goes through.
#include "window/case_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fstream>
#include <string>

#include "behaviour/write_failure_text.h"
#include "calc/quantities.h"
#include "cases/case_table_writer.h"
#include "cases/errors.h"
#include "platform/atomic_file.h"
#include "window/utf8_text.h"

namespace bithydraulics {
namespace {

std::filesystem::path pathOf(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

CaseFileContents problem(const QString& text) {
    CaseFileContents contents;
    contents.problem = text;
    return contents;
}

// What is wrong with the file, said in the window's words: where, and what to do.
QString inputProblem(const cases::InputError& error) {
    const auto line = static_cast<qulonglong>(error.line());
    const auto column = static_cast<qulonglong>(error.place().column);
    const QString subject = fromUtf8(error.subject());
    switch (error.fault()) {
        case cases::InputFault::NotText:
            return QStringLiteral(
                       "第 %1 行第 %2 个字节起的内容既不是 UTF-8 也不是 GB18030 编码的文字。"
                       "请在表格软件中另存为 CSV 文件。")
                .arg(line)
                .arg(static_cast<qulonglong>(error.place().byte));
        case cases::InputFault::NulByte:
            return QStringLiteral("第 %1 行第 %2 列含有空字符（NUL），不是文字。")
                .arg(line)
                .arg(column);
        case cases::InputFault::NoHeader:
            return QStringLiteral("文件是空的，没有表头和算例。");
        case cases::InputFault::NoCase:
            return QStringLiteral("文件中只有表头，没有算例。");
        case cases::InputFault::CellCount:
            return QStringLiteral("第 %1 行的格数与表头的列数不同。").arg(line);
        case cases::InputFault::CellUnderUnnamedColumn:
            return QStringLiteral("第 %1 行第 %2 列有内容，但表头中这一列没有名称。")
                .arg(line)
                .arg(column);
        case cases::InputFault::RepeatedInput:
            return QStringLiteral("列“%1”重复：同一个输入只能有一列。").arg(subject);
        case cases::InputFault::WrongUnit:
            return QStringLiteral("列“%1”的单位与窗口不同，请换算为窗口所用的单位后再打开。")
                .arg(subject);
        case cases::InputFault::AmbiguousFigure:
            return QStringLiteral(
                       "第 %1 行第 %2 列的“%3”可有两种读法。请只用一个小数点，"
                       "不用千位分隔符。")
                .arg(line)
                .arg(column)
                .arg(subject);
        case cases::InputFault::TooManyRows:
            return QStringLiteral("文件中的算例超过 %L1 个，窗口只能打开 %L1 个以内的文件。")
                .arg(static_cast<qulonglong>(kMostCasesInAFile));
        case cases::InputFault::Malformed:
        case cases::InputFault::UnknownColumn:
            break;
    }
    return column != 0 ? QStringLiteral("第 %1 行第 %2 列不符合 CSV 格式（引号或换行有误）。")
                             .arg(line)
                             .arg(column)
                       : QStringLiteral("第 %1 行不符合 CSV 格式（引号或换行有误）。").arg(line);
}

bool hasInputColumn(const cases::CaseTable& table) {
    return table.givenInputs().any();
}

}  // namespace

CaseTexts CaseFileContents::caseTexts(std::size_t index) const {
    CaseTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = fromUtf8(table.inputText(index, i));
    }
    return texts;
}

QStringList CaseFileContents::labelNames() const {
    QStringList names;
    for (const std::string& name : table.labelNames()) {
        names << fromUtf8(name);
    }
    return names;
}

QStringList CaseFileContents::labels(std::size_t index) const {
    QStringList texts;
    for (std::size_t j = 0; j < table.labelNames().size(); ++j) {
        texts << fromUtf8(table.label(index, j));
    }
    return texts;
}

QStringList CaseFileContents::columnNames() const {
    QStringList names;
    for (const cases::CaseColumn& column : table.columns()) {
        names << fromUtf8(column.name);
    }
    return names;
}

CaseFileContents readCaseFile(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && info.size() > kLargestCaseFileBytes) {
        return problem(QStringLiteral("文件有 %1 MB，窗口只能打开 %2 MB 以内的算例文件。")
                           .arg(info.size() / (1024 * 1024))
                           .arg(kLargestCaseFileBytes / (1024 * 1024)));
    }
    std::ifstream in(pathOf(path), std::ios::binary);
    if (!in) {
        return problem(QStringLiteral("无法打开文件“%1”。").arg(QDir::toNativeSeparators(path)));
    }
    CaseFileContents contents;
    try {
        contents.table = cases::readCaseTable(in, {}, kMostCasesInAFile);
    } catch (const cases::InputError& error) {
        return problem(inputProblem(error));
    } catch (const cases::ReadError&) {
        return problem(QStringLiteral("读取文件“%1”时出错。").arg(QDir::toNativeSeparators(path)));
    }
    if (in.bad()) {
        return problem(QStringLiteral("读取文件“%1”时出错。").arg(QDir::toNativeSeparators(path)));
    }
    if (!hasInputColumn(contents.table)) {
        return problem(
            QStringLiteral("表头中没有输入列。列名应为输入的字段名或标题，"
                           "如 flowRate、排量 或 排量(L/s)。"));
    }
    return contents;
}

QString writeCaseFile(const QString& path, const CaseTexts& texts) {
    std::vector<std::string> row;
    for (const QString& text : texts) {
        row.push_back(text.toStdString());
    }
    const std::string bytes = cases::caseTableBytes(cases::savedCaseHeader(), {row});
    return writeWholeFile(
        path, QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString writeCsvFile(const QString& path, const QList<QStringList>& rows) {
    std::vector<std::string> header;
    for (const QString& name : rows.front()) {
        header.push_back(name.toStdString());
    }
    std::vector<std::vector<std::string>> cells;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        std::vector<std::string>& row = cells.emplace_back();
        for (const QString& cell : rows[r]) {
            row.push_back(cell.toStdString());
        }
    }
    const std::string bytes = cases::caseTableBytes(header, cells);
    return writeWholeFile(
        path, QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    const platform::WriteFailure failure = platform::writeFileAtomically(
        pathOf(path), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!failure.failed()) {
        return {};
    }
    return QString::fromStdString(
        writeFailureText(failure, QDir::toNativeSeparators(path).toStdString()));
}

}  // namespace bithydraulics

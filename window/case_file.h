#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "calc/compute_command.h"

// Case files, the command-line companion's CSV: UTF-8 with a byte-order mark, a header row of
// input names (field names or captions, any order, any subset), then one row a case of the texts
// as typed. Saved cases feed `bit-hydraulics-cli batch`; a row of a batch file opens in the
// window. Read and written with the companion's own CSV reader and writer.
namespace bithydraulics {

// The eleven input texts of one case, in field order.
using CaseTexts = std::array<QString, kInputFieldCount>;

// The most cases a file may hold to be opened in the window, which offers them to choose from,
// and the largest file it reads: a larger one is refused before it is read.
inline constexpr std::size_t kMostCasesInAFile = 100'000;
inline constexpr qint64 kLargestCaseFileBytes = 64 * 1024 * 1024;

struct CaseFileContents {
    std::vector<CaseTexts> cases;  // inputs the header leaves out hold their default texts
    QStringList labelColumns;      // the columns carried through (井号, well …), in file order
    std::vector<QStringList> labels;  // each case's cells in those columns
    std::vector<int> inputColumns;    // the inputs the header names, in its column order
    QString problem;  // why the file cannot be opened, for the user; empty if it can
};

// Reads every case of the file at `path`, or none: an unreadable file, invalid UTF-8, malformed
// CSV, an unknown or repeated column, a row of another length than the header, no case or too
// many each give a problem instead. Columns that batch output adds (results, fault) are ignored.
CaseFileContents readCaseFile(const QString& path);

// Writes one case under a header of field names. Returns why it failed, or nothing.
QString writeCaseFile(const QString& path, const CaseTexts& texts);

// Writes `rows` as CSV in the same encoding, replacing the file whole. Returns why it failed, or
// nothing.
QString writeCsvFile(const QString& path, const QList<QStringList>& rows);

}  // namespace bithydraulics

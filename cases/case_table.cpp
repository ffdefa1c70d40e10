#include "cases/case_table.h"

#include <algorithm>
#include <limits>

#include "cases/errors.h"
#include "cases/plain_figure.h"

namespace bithydraulics::cases {
namespace {

// What a cell with a comma in a ';'-separated file is: a figure with a decimal comma, a figure
// that could be read two ways, or other text to leave alone.
enum class CommaFigure { Decimal, Ambiguous, Other };

CommaFigure commaFigure(std::string_view cell) {
    const std::string_view text = trimBlanks(cell);
    const std::size_t comma = text.find(',');
    const bool digitsOnly = std::ranges::all_of(text, [](char c) {
        return (c >= '0' && c <= '9') || c == ',' || c == '.' || c == '+' || c == '-' || c == 'e' ||
               c == 'E';
    });
    if (comma == std::string_view::npos || !digitsOnly) {
        return CommaFigure::Other;
    }
    if (text.find(',', comma + 1) != std::string_view::npos ||
        text.find('.') != std::string_view::npos) {
        return CommaFigure::Ambiguous;
    }
    return CommaFigure::Decimal;
}

}  // namespace

CaseTableReader::CaseTableReader(std::istream& in, const ReadOptions& options,
                                 std::size_t chunkSize)
    : table_(in, options, chunkSize) {
    std::vector<std::string_view> namedAs(kInputCount);
    for (const CsvTable::Column& column : table_.columns()) {
        const ColumnMeaning meaning = classifyColumn(column.name);
        if (meaning.role == ColumnRole::Input) {
            const InputQuantity& quantity = kInputQuantities[meaning.input];
            if (meaning.wrongUnit) {
                table_.fail(column.index,
                            "column '" + column.name + "': the unit of " +
                                std::string(quantity.name) + " is " + std::string(quantity.unit),
                            InputFault::WrongUnit, column.name);
            }
            if (!namedAs[meaning.input].empty()) {
                table_.fail(column.index,
                            "input '" + std::string(quantity.name) + "' is given twice (as '" +
                                std::string(namedAs[meaning.input]) + "' and '" + column.name +
                                "')",
                            InputFault::RepeatedInput, column.name);
            }
            namedAs[meaning.input] = column.name;
            inputCells_.push_back(column.index);
        }
        columns_.push_back({column.name, meaning.role, meaning.input, column.index});
    }
    rewritten_.resize(table_.width());
    rewrittenCell_.resize(table_.width());
}

bool CaseTableReader::next() {
    if (!table_.next()) {
        return false;
    }
    const std::span<const std::string_view> cells = table_.cells();
    cells_.assign(cells.begin(), cells.end());
    ambiguous_.reset();
    if (table_.separator() != ';') {
        return true;
    }
    std::fill(rewrittenCell_.begin(), rewrittenCell_.end(), 0);
    for (const std::size_t index : inputCells_) {
        const std::string_view cell = cells_[index];
        if (cell.find(',') == std::string_view::npos) {
            continue;
        }
        switch (commaFigure(cell)) {
            case CommaFigure::Decimal:
                rewritten_[index].assign(cell);
                std::ranges::replace(rewritten_[index], ',', '.');
                cells_[index] = rewritten_[index];
                rewrittenCell_[index] = 1;
                break;
            case CommaFigure::Ambiguous:
                ambiguous_ = ambiguous_ ? std::min(*ambiguous_, index) : index;
                break;
            case CommaFigure::Other:
                break;
        }
    }
    return true;
}

bool CaseTableReader::isPlainFigure(std::size_t index) const {
    return rewrittenCell_.empty() || rewrittenCell_[index] == 0
               ? table_.isPlainFigure(index)
               : cases::isPlainFigure(cells_[index]);
}

std::string_view CaseTable::slot(std::size_t row, std::size_t slot) const {
    const std::size_t at = row * slotsPerRow_ + slot;
    const std::size_t begin = at == 0 ? 0 : ends_[at - 1];
    return std::string_view(text_).substr(begin, ends_[at] - begin);
}

std::string_view CaseTable::inputText(std::size_t row, std::size_t input) const {
    const std::size_t at = inputSlot_[input];
    return at == std::string_view::npos ? kInputQuantities[input].defaultText : slot(row, at);
}

std::string_view CaseTable::label(std::size_t row, std::size_t label) const {
    return slot(row, slotsPerRow_ - labelNames_.size() + label);
}

CaseTable readCaseTable(std::istream& in, const ReadOptions& options, std::size_t mostRows) {
    CaseTableReader reader(in, options);
    CaseTable table;
    table.columns_ = reader.columns();
    table.separator_ = reader.separator();
    table.inputSlot_.assign(kInputCount, std::string_view::npos);
    std::vector<std::size_t> cellOfSlot;
    for (const CaseColumn& column : table.columns_) {
        if (column.role == ColumnRole::Input) {
            table.inputSlot_[column.input] = cellOfSlot.size();
            table.given_.set(column.input);
            cellOfSlot.push_back(column.cell);
        }
    }
    for (const CaseColumn& column : table.columns_) {
        if (column.role == ColumnRole::Label) {
            table.labelNames_.push_back(column.name);
            cellOfSlot.push_back(column.cell);
        }
    }
    table.slotsPerRow_ = cellOfSlot.size();
    while (reader.next()) {
        if (table.lines_.size() == mostRows) {
            throw InputError(reader.line(),
                             "more than " + std::to_string(mostRows) + " cases in the file", {},
                             InputFault::TooManyRows);
        }
        if (const auto cell = reader.ambiguousCell()) {
            reader.fail(*cell,
                        "'" + std::string(reader.cell(*cell)) +
                            "' could be read two ways; write the figure with one decimal mark "
                            "and no thousands separator",
                        InputFault::AmbiguousFigure, std::string(reader.cell(*cell)));
        }
        for (const std::size_t cell : cellOfSlot) {
            table.text_.append(reader.cell(cell));
            if (table.text_.size() > std::numeric_limits<std::uint32_t>::max()) {
                throw InputError(reader.line(), "the cases hold more than 4 GiB of text", {},
                                 InputFault::TooManyRows);
            }
            table.ends_.push_back(static_cast<std::uint32_t>(table.text_.size()));
        }
        table.lines_.push_back(reader.line());
    }
    if (table.lines_.empty()) {
        throw InputError(reader.headerLine(), "a header and no case under it", {},
                         InputFault::NoCase);
    }
    return table;
}

}  // namespace bithydraulics::cases

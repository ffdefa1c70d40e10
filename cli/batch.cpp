#include "cli/batch.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "cli/case_computer.h"
#include "cli/cli_errors.h"
#include "cli/csv_reader.h"
#include "cli/jsonl_reader.h"
#include "cli/names.h"

namespace bithydraulics::cli {
namespace {

// Computes each case and writes its row; counts the rows that faulted.
class RowSink {
  public:
    RowSink(OutputLayout layout, OutputBuffer& out, const BatchSettings& settings)
        : writer_(makeRowWriter(settings.format, std::move(layout), out)),
          strict_(settings.strict) {
        writer_->writeHeader();
    }

    void write(const InputTexts& texts, GivenInputs given,
               std::span<const std::string_view> cells) {
        const CaseResult& result = computer_.compute(texts, given, strict_);
        if (!result.computed()) {
            ++faulted_;
        }
        writer_->writeRow(cells, result);
    }

    int finish() {
        writer_->finish();
        return faulted_ == 0 ? kExitComputed : kExitFaulted;
    }

    // Runs `readRows`, making sure the rows before any error are written before it is reported.
    template <typename ReadRows>
    int run(ReadRows&& readRows) {
        try {
            readRows();
        } catch (...) {
            writer_->finish();
            throw;
        }
        return finish();
    }

  private:
    std::unique_ptr<RowWriter> writer_;
    CaseComputer computer_;
    bool strict_;
    std::uint64_t faulted_ = 0;
};

int runCsv(std::istream& in, OutputBuffer& out, const BatchSettings& settings) {
    const ColumnNames names(settings.passColumns);
    CsvReader reader(in);
    if (!reader.next()) {
        throw InputError(1,
                         "no header row; the first line names the columns, e.g. "
                         "flowRate,mudDensity");
    }

    // Each column's slot, from the header; every --pass column must be there.
    OutputLayout layout;
    layout.full = settings.full;
    std::vector<std::size_t> slots;
    std::vector<std::optional<std::string_view>> namedAs(names.slotCount());
    for (const std::string_view header : reader.cells()) {
        const std::optional<std::size_t> slot = names.slotOf(header);
        if (!slot) {
            throw InputError(reader.line(), names.unknownMessage(header));
        }
        if (namedAs[*slot]) {
            throw InputError(reader.line(), names.repeatedMessage(*slot, *namedAs[*slot], header));
        }
        namedAs[*slot] = header;
        slots.push_back(*slot);
        layout.inputColumns.push_back({std::string(header), *slot < kInputCount
                                                                ? std::optional<std::size_t>(*slot)
                                                                : std::nullopt});
    }
    for (std::size_t j = 0; j < names.passColumns().size(); ++j) {
        if (!namedAs[kInputCount + j]) {
            throw InputError(reader.line(), "column '" + names.passColumns()[j] +
                                                "' declared with --pass is not in the header");
        }
    }
    GivenInputs given;
    for (const std::size_t slot : slots) {
        if (slot < kInputCount) {
            given.set(slot);
        }
    }

    RowSink sink(std::move(layout), out, settings);
    return sink.run([&] {
        InputTexts texts = defaultInputTexts();
        while (reader.next()) {
            const std::span<const std::string_view> cells = reader.cells();
            if (cells.size() != slots.size()) {
                throw InputError(reader.line(), std::to_string(cells.size()) +
                                                    " cells where the header has " +
                                                    std::to_string(slots.size()));
            }
            for (std::size_t c = 0; c < cells.size(); ++c) {
                if (slots[c] < kInputCount) {
                    texts[slots[c]] = cells[c];
                }
            }
            sink.write(texts, given, cells);
        }
    });
}

int runJsonLines(std::istream& in, OutputBuffer& out, const BatchSettings& settings) {
    const ColumnNames names(settings.passColumns);
    OutputLayout layout;
    layout.full = settings.full;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        layout.inputColumns.push_back({std::string(kInputQuantities[i].name), i});
    }
    for (const std::string& pass : names.passColumns()) {
        layout.inputColumns.push_back({pass, std::nullopt});
    }

    JsonLinesReader reader(in);
    RowSink sink(std::move(layout), out, settings);
    return sink.run([&] {
        const InputTexts defaults = defaultInputTexts();
        std::vector<std::string_view> cells(names.slotCount());
        std::vector<std::optional<std::string_view>> namedAs(names.slotCount());
        while (reader.next()) {
            std::copy(defaults.begin(), defaults.end(), cells.begin());
            std::fill(cells.begin() + kInputCount, cells.end(), std::string_view{});
            std::fill(namedAs.begin(), namedAs.end(), std::nullopt);
            GivenInputs given;
            for (const JsonMember& member : reader.members()) {
                const std::optional<std::size_t> slot = names.slotOf(member.key);
                if (!slot) {
                    throw InputError(reader.line(), names.unknownMessage(member.key));
                }
                if (namedAs[*slot]) {
                    throw InputError(reader.line(),
                                     names.repeatedMessage(*slot, *namedAs[*slot], member.key));
                }
                namedAs[*slot] = member.key;
                cells[*slot] = member.text;
                if (*slot < kInputCount) {
                    given.set(*slot);
                }
            }
            InputTexts texts;
            std::copy(cells.begin(), cells.begin() + kInputCount, texts.begin());
            sink.write(texts, given, cells);
        }
    });
}

}  // namespace

int runBatch(std::istream& in, OutputBuffer& out, const BatchSettings& settings) {
    if (settings.input == InputFormat::JsonLines) {
        return runJsonLines(in, out, settings);
    }
    return runCsv(in, out, settings);
}

}  // namespace bithydraulics::cli

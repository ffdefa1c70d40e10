#include "window/nozzle_set_apply.h"

#include <QLineEdit>
#include <array>

#include "calc/field_text.h"
#include "cli/result_columns.h"
#include "window/field_editing.h"
#include "window/hydraulics_form.h"

namespace bithydraulics {
namespace {

constexpr int kFlowRateField = 3;
constexpr int kPumpPressureField = 10;

QString shortest(double value) {
    std::array<char, 32> buffer{};
    const std::string_view text = cli::formatShortest(value, buffer);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void applyNozzleSet(HydraulicsForm& form, const optimize::RankedSet& set) {
    for (int i = 0; i < optimize::kMaxNozzleCount; ++i) {
        const std::size_t nozzle = static_cast<std::size_t>(i);
        replaceTextAsEdit(*form.field(i), i < set.nozzles.count
                                              ? shortest(set.nozzles.diametersMm[nozzle])
                                              : QStringLiteral("0"));
    }
    replaceTextAsEdit(*form.field(kFlowRateField), shortest(set.point.flowRate()));
    replaceTextAsEdit(*form.field(kPumpPressureField),
                      QString::fromStdString(formatFixed2(set.point.pumpPressure())));
    form.compute();
}

}  // namespace bithydraulics

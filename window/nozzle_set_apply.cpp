#include "window/nozzle_set_apply.h"

#include <QLineEdit>
#include <array>
#include <charconv>
#include <vector>

#include "calc/field_text.h"
#include "window/hydraulics_form.h"
#include "window/input_group_edits.h"

namespace bithydraulics {
namespace {

constexpr int kFlowRateField = 3;
constexpr int kPumpPressureField = 10;

// The shortest text that reads back as `value`, "8.73125".
QString shortest(double value) {
    std::array<char, 32> buffer{};
    const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return QString::fromLatin1(buffer.data(), end - buffer.data());
}

}  // namespace

void applyNozzleSet(HydraulicsForm& form, const optimize::RankedSet& set) {
    std::vector<InputText> texts;
    for (int i = 0; i < optimize::kMaxNozzleCount; ++i) {
        const std::size_t nozzle = static_cast<std::size_t>(i);
        texts.push_back({i, i < set.nozzles.count ? shortest(set.nozzles.diametersMm[nozzle])
                                                  : QStringLiteral("0")});
    }
    texts.push_back({kFlowRateField, shortest(set.point.flowRate())});
    texts.push_back(
        {kPumpPressureField, QString::fromStdString(formatFixed2(set.point.pumpPressure()))});
    form.replaceInputs(texts);
    form.compute();
}

}  // namespace bithydraulics

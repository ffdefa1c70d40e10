#include "window/answer_texts.h"

#include <QStringList>

#include "calc/field_text.h"
#include "optimize/texts.h"

namespace bithydraulics {
namespace {

using optimize::Language;

QString fixed(double value) {
    return QString::fromStdString(formatFixed2(value));
}

QString words(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString percent(double fraction) {
    return QString::number(fraction * 100, 'f', 1) + QStringLiteral("%");
}

}  // namespace

QString setUpText(const HydraulicsInputs& setUp) {
    return QStringLiteral("喷嘴 %1、%2、%3 mm，排量 %4 L/s，泵压 %5 MPa")
        .arg(QString::number(setUp.nozzleDiameter1), QString::number(setUp.nozzleDiameter2),
             QString::number(setUp.nozzleDiameter3), fixed(setUp.flowRate),
             fixed(setUp.pumpPressure));
}

QString calibrationText(const optimize::Calibration& calibration) {
    return QStringLiteral("K = %1 MPa/(L/s)^%2，当前循环压耗 %3 MPa（泵压 %4 − 钻头压降 %5）")
        .arg(QString::number(calibration.lossCoefficient, 'g', 6),
             QString::number(calibration.lossExponent), fixed(calibration.parasiticLoss),
             fixed(calibration.pumpPressure), fixed(calibration.bitPressureDrop));
}

QString operatingWindowText(const optimize::OperatingWindow& window) {
    if (window.contradiction) {
        return QStringLiteral("没有可用的排量：") +
               QString::fromStdString(optimize::describeContradiction(*window.contradiction,
                                                                      Language::SimplifiedChinese));
    }
    return QStringLiteral("%1 – %2 L/s（下限：%3，上限：%4）")
        .arg(fixed(window.lower.flowRate), fixed(window.upper.flowRate),
             words(optimize::limitName(window.lower.limit, Language::SimplifiedChinese)),
             words(optimize::limitName(window.upper.limit, Language::SimplifiedChinese)));
}

QString optimumText(const optimize::OptimizationResult& result) {
    const optimize::ContinuousOptimum& optimum = result.optimum;
    const HydraulicsInputs& inputs = optimum.point.inputs;
    const HydraulicsResults& figures = optimum.point.results;
    int nozzles = 0;
    for (const double diameter :
         {inputs.nozzleDiameter1, inputs.nozzleDiameter2, inputs.nozzleDiameter3}) {
        nozzles += diameter > 0 ? 1 : 0;
    }
    return QStringLiteral(
               "排量 %1 L/s，钻头压降 %2 MPa（占泵压 %3 MPa 的 %4）\n"
               "喷嘴总面积 %5 mm²，当量直径 %6 × %7 mm\n"
               "%8 %9 %10（%11）")
        .arg(fixed(optimum.point.flowRate()), fixed(figures.bitPressureDrop),
             fixed(optimum.point.pumpPressure()), percent(figures.powerUtilization),
             fixed(figures.nozzleArea), QString::number(nozzles),
             fixed(optimum.idealNozzleDiameter),
             words(optimize::criterionName(result.criterion, Language::SimplifiedChinese)),
             fixed(optimum.point.criterionValue))
        .arg(words(optimize::criterionUnit(result.criterion)),
             words(optimize::regimeName(optimum.regime, Language::SimplifiedChinese)));
}

QString bandText(const optimize::FlowBand& band) {
    return QStringLiteral("%1 – %2 L/s").arg(fixed(band.lower), fixed(band.upper));
}

QString nozzleSizesMm(const optimize::NozzleSet& set) {
    QStringList sizes;
    for (int i = 0; i < set.count; ++i) {
        sizes << fixed(set.diametersMm.at(static_cast<std::size_t>(i)));
    }
    return sizes.join('-');
}

QString nozzleSizesInch(const optimize::NozzleSet& set) {
    QStringList sizes;
    for (int i = 0; i < set.count; ++i) {
        const int k = set.thirtySecondsInch.at(static_cast<std::size_t>(i));
        if (k == 0) {
            return {};
        }
        sizes << QString::number(k);
    }
    return sizes.join('-');
}

}  // namespace bithydraulics

#include "behaviour/limit_texts.h"

#include <string>
#include <string_view>

#include "calc/field_text.h"
#include "cases/plain_figure.h"
#include "optimize/size_list.h"
#include "platform/calculation_fault.h"

namespace bithydraulics {
namespace {

using optimize::Limit;
using optimize::Setting;

// The figure of a plain-figure text, or the reason it has none.
std::optional<double> readFigure(std::string_view text, std::string& reason) {
    const std::string shown(cases::trimBlanks(text));
    if (!cases::isPlainFigure(text)) {
        reason = "“" + shown + "”不是一个数";
        return std::nullopt;
    }
    try {
        return parseFieldNumber(std::string(text));
    } catch (const CalculationFault&) {
        reason = "“" + shown + "”太大，超出可计算的范围";
        return std::nullopt;
    }
}

}  // namespace

std::optional<std::size_t> typedSettingIndex(Setting setting) {
    for (std::size_t i = 0; i < kTypedSettings.size(); ++i) {
        if (kTypedSettings[i] == setting) {
            return i;
        }
    }
    return std::nullopt;
}

const optimize::SettingTerm& describeTypedSetting(Setting setting) {
    return optimize::settingTerm(setting);
}

LimitsReading readLimits(const LimitTexts& texts) {
    LimitsReading reading;
    optimize::OptimizationLimits& limits = reading.limits;
    const auto take = [&](Setting setting, double& figure) {
        const std::string& text = texts[setting];
        if (cases::trimBlanks(text).empty()) {
            if (setting == Setting::MaxPressure) {
                reading.problems.push_back({setting, "必须填写泵允许的最高泵压", true});
            }
            return;  // the setting's default
        }
        std::string reason;
        if (const auto read = readFigure(text, reason)) {
            figure = *read;
        } else {
            reading.problems.push_back({setting, reason});
        }
    };
    take(Setting::MaxPressure, limits.maxPressure);
    take(Setting::MaxPower, limits.maxPower);
    take(Setting::MaxFlow, limits.maxFlow);
    take(Setting::MinAnnularVelocity, limits.minAnnularVelocity);
    take(Setting::MaxEquivalentDensity, limits.maxEquivalentDensity);
    take(Setting::VerticalDepth, limits.verticalDepth);
    take(Setting::LossExponent, limits.lossExponent);
    limits.criterion = texts.criterion;
    limits.nozzleCount = texts.nozzleCount;
    limits.spread = texts.spread;

    if (texts.sizesInMillimetres) {
        // The command line's rule for a list of sizes.
        const std::vector<std::string_view> sizes =
            optimize::splitSizeList(texts[Setting::SeriesSizes]);
        std::vector<double> diameters;
        for (const std::string_view size : sizes) {
            std::string reason;
            if (const auto figure = readFigure(size, reason)) {
                diameters.push_back(*figure);
            } else {
                reading.problems.push_back({Setting::SeriesSizes, reason});
                break;
            }
        }
        if (sizes.empty()) {
            reading.problems.push_back({Setting::SeriesSizes, "请列出可用的喷嘴直径"});
        }
        limits.series = optimize::NozzleSeries::millimetres(std::move(diameters));
    }
    return reading;
}

std::optional<Setting> settingOfLimit(Limit limit) {
    switch (limit) {
        case Limit::HoleCleaning:
            return Setting::MinAnnularVelocity;
        case Limit::PumpPressure:
            return Setting::MaxPressure;
        case Limit::PumpPower:
            return Setting::MaxPower;
        case Limit::LinerFlow:
            return Setting::MaxFlow;
        case Limit::EquivalentDensity:
            return Setting::MaxEquivalentDensity;
        case Limit::None:
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace bithydraulics

#include "window/limit_texts.h"

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
std::optional<double> readFigure(const QString& text, QString& reason) {
    const std::string utf8 = text.toStdString();
    if (!cases::isPlainFigure(utf8)) {
        reason = QStringLiteral("“%1”不是一个数").arg(text.trimmed());
        return std::nullopt;
    }
    try {
        return parseFieldNumber(utf8);
    } catch (const CalculationFault&) {
        reason = QStringLiteral("“%1”太大，超出可计算的范围").arg(text.trimmed());
        return std::nullopt;
    }
}

// By the place of the setting in kTypedSettings.
constexpr TypedSettingDescription kDescriptions[kTypedSettings.size()] = {
    {"最大泵压", "MPa", "泵允许的最高泵压。必须填写。", "必填"},
    {"泵水功率", "kW",
     "泵能提供的水功率：泵压与排量之积不超过它，大排量时允许的泵压随之降低。空着表示不限。",
     "不限"},
    {"最大排量", "L/s", "缸套允许的最大排量。空着表示不限。", "不限"},
    {"最小环空返速", "m/s",
     "携岩所需的最小环空返速（钻杆外环空），定出排量的下限。空着取 0.5，填 0 表示不限。", "0.5"},
    {"最大当量密度", "g/cm³",
     "井底当量循环密度的上限，以免压漏地层：泥浆密度加上环空压耗折算的密度不超过它。空着表示不限。",
     "不限"},
    {"垂深", "m", "计算当量循环密度所用的垂深。空着取钻杆长度加钻铤长度。", "钻杆+钻铤长度"},
    {"压耗指数", "",
     "钻头以外的循环压耗按 K·Q^m 随排量变化，m 即压耗指数；K 由主窗口的泵压和排量标定。空着取 "
     "1.86。",
     "1.86"},
    {"喷嘴尺寸", "mm", "可用的喷嘴直径，用逗号或空格分开，如 8, 9.5, 11。", ""},
};

}  // namespace

std::optional<std::size_t> typedSettingIndex(Setting setting) {
    for (std::size_t i = 0; i < kTypedSettings.size(); ++i) {
        if (kTypedSettings[i] == setting) {
            return i;
        }
    }
    return std::nullopt;
}

const TypedSettingDescription& describeTypedSetting(Setting setting) {
    return kDescriptions[typedSettingIndex(setting).value()];
}

LimitsReading readLimits(const LimitTexts& texts) {
    LimitsReading reading;
    optimize::OptimizationLimits& limits = reading.limits;
    const auto take = [&](Setting setting, double& figure) {
        const QString& text = texts[setting];
        if (text.trimmed().isEmpty()) {
            if (setting == Setting::MaxPressure) {
                reading.problems.push_back({setting, QStringLiteral("必须填写泵允许的最高泵压")});
            }
            return;  // the setting's default
        }
        QString reason;
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
        const std::string list = texts[Setting::SeriesSizes].toStdString();
        const std::vector<std::string_view> sizes = optimize::splitSizeList(list);
        std::vector<double> diameters;
        for (const std::string_view size : sizes) {
            QString reason;
            if (const auto figure = readFigure(
                    QString::fromUtf8(size.data(), static_cast<qsizetype>(size.size())), reason)) {
                diameters.push_back(*figure);
            } else {
                reading.problems.push_back({Setting::SeriesSizes, reason});
                break;
            }
        }
        if (sizes.empty()) {
            reading.problems.push_back(
                {Setting::SeriesSizes, QStringLiteral("请列出可用的喷嘴直径")});
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

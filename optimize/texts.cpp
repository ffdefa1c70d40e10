#include "optimize/texts.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "calc/field_text.h"
#include "calc/quantities.h"
#include "optimize/setting_terms.h"

namespace bithydraulics::optimize {
namespace {

std::string_view pick(Language language, std::string_view english, std::string_view chinese) {
    return language == Language::English ? english : chinese;
}

// A figure as the program shows its results, "4.20".
std::string fixed(double value) {
    return std::isfinite(value) ? formatFixed2(value) : std::string(value > 0 ? "∞" : "-∞");
}

// A setting as given: the shortest text that reads back as it, "0.5", "-1".
std::string asGiven(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    char buffer[32];
    // Whole figures of a rig's size in full ("100000", not "1e+05").
    const bool whole = value == std::trunc(value) && std::abs(value) < 1e15;
    const auto end =
        whole ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr
              : std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

// The limit with its setting: "the pump pressure limit of 18.00 MPa", "泵压上限 18.00 MPa".
std::string limitWithSetting(Limit limit, double setting, Language language) {
    const std::string figure = fixed(setting);
    const bool english = language == Language::English;
    switch (limit) {
        case Limit::None:
            return std::string(limitName(limit, language));
        case Limit::HoleCleaning:
            return english ? "hole cleaning (smallest annular velocity " + figure + " m/s)"
                           : "携岩（最小环空返速 " + figure + " m/s）";
        case Limit::PumpPressure:
            return english ? "the pump pressure limit of " + figure + " MPa"
                           : "泵压上限 " + figure + " MPa";
        case Limit::PumpPower:
            return english ? "the pump power of " + figure + " kW" : "泵功率 " + figure + " kW";
        case Limit::LinerFlow:
            return english ? "the liner's largest flow rate of " + figure + " L/s"
                           : "缸套最大排量 " + figure + " L/s";
        case Limit::EquivalentDensity:
            return english ? "the equivalent circulating density limit of " + figure + " g/cm³"
                           : "当量循环密度上限 " + figure + " g/cm³";
    }
    return {};
}

// "above 0 and at most 1000", "大于 0 且不大于 1000".
std::string rangeText(const SettingRange& range, Language language) {
    const bool english = language == Language::English;
    const std::string low = asGiven(range.low);
    const std::string high = asGiven(range.high);
    if (english) {
        return std::string(range.lowOpen ? "above " : "from ") + low +
               (range.lowOpen ? " and at most " : " to ") + high;
    }
    return range.lowOpen ? "大于 " + low + " 且不大于 " + high : "为 " + low + " 到 " + high;
}

std::optional<SettingRange> rangeOf(Setting setting) {
    switch (setting) {
        case Setting::MaxPressure:
            return kPressureRange;
        case Setting::MaxPower:
            return kPowerRange;
        case Setting::MaxFlow:
            return kFlowRange;
        case Setting::MinAnnularVelocity:
            return kAnnularVelocityRange;
        case Setting::MaxEquivalentDensity:
            return kEquivalentDensityRange;
        case Setting::VerticalDepth:
            return kDepthRange;
        case Setting::LossExponent:
            return kExponentRange;
        default:
            return std::nullopt;
    }
}

std::string settingMessage(const Refusal& refusal, Language language) {
    const bool english = language == Language::English;
    const double value = refusal.figures[0];
    if (refusal.setting == Setting::SeriesSizes) {
        const double count = refusal.figures[1];
        if (count < 1 || count > static_cast<double>(kMaxSeriesSizes)) {
            return english ? "the nozzle series holds " + asGiven(count) +
                                 " sizes: it must hold 1 to " + std::to_string(kMaxSeriesSizes)
                           : "喷嘴尺寸系列有 " + asGiven(count) + " 个尺寸：须为 1 到 " +
                                 std::to_string(kMaxSeriesSizes) + " 个";
        }
        return english
                   ? "the nozzle size " + asGiven(value) + " mm is not allowed: sizes must be " +
                         rangeText(kNozzleSizeRange, language) + " mm"
                   : "喷嘴尺寸 " + asGiven(value) + " mm 不可用：尺寸须" +
                         rangeText(kNozzleSizeRange, language) + " mm";
    }
    std::string requirement;
    if (const auto range = rangeOf(refusal.setting)) {
        requirement = rangeText(*range, language);
        const bool zeroMeansNone =
            !range->lowOpen && range->low == 0 && refusal.setting != Setting::MinAnnularVelocity;
        if (zeroMeansNone) {
            requirement += english ? (refusal.setting == Setting::VerticalDepth
                                          ? " (0 for the drill-pipe plus the collar length)"
                                          : " (0 for no limit)")
                                   : (refusal.setting == Setting::VerticalDepth
                                          ? "（0 表示钻杆长度加钻铤长度）"
                                          : "（0 表示不限）");
        }
    } else {
        switch (refusal.setting) {
            case Setting::Spread:
                requirement = pick(language, "0 or above", "不小于 0");
                break;
            case Setting::NozzleCount:
                requirement = english ? "1 to " + std::to_string(kMaxNozzleCount)
                                      : "为 1 到 " + std::to_string(kMaxNozzleCount);
                break;
            case Setting::TopCount:
                requirement = english ? "1 to " + std::to_string(kMaxTopCount)
                                      : "为 1 到 " + std::to_string(kMaxTopCount);
                break;
            case Setting::Points:
                requirement = pick(language, "2 to 100000", "为 2 到 100000");
                break;
            default:
                break;
        }
    }
    const std::string name = settingName(refusal.setting, language);
    return english
               ? "the " + std::string(name) + " must be " + requirement + ", not " + asGiven(value)
               : std::string(name) + "须" + requirement + "，而不是 " + asGiven(value);
}

}  // namespace

std::string_view limitName(Limit limit, Language language) {
    switch (limit) {
        case Limit::None:
            return pick(language, "none", "无");
        case Limit::HoleCleaning:
            return pick(language, "hole cleaning", "携岩");
        case Limit::PumpPressure:
            return pick(language, "pump pressure", "泵压");
        case Limit::PumpPower:
            return pick(language, "pump power", "泵功率");
        case Limit::LinerFlow:
            return pick(language, "liner flow rate", "缸套排量");
        case Limit::EquivalentDensity:
            return pick(language, "equivalent circulating density", "当量循环密度");
    }
    return {};
}

std::string_view limitUnit(Limit limit) {
    switch (limit) {
        case Limit::None:
            return "";
        case Limit::HoleCleaning:
            return "m/s";
        case Limit::PumpPressure:
            return "MPa";
        case Limit::PumpPower:
            return "kW";
        case Limit::LinerFlow:
            return "L/s";
        case Limit::EquivalentDensity:
            return "g/cm³";
    }
    return {};
}

std::string_view criterionName(Criterion criterion, Language language) {
    switch (criterion) {
        case Criterion::BitHydraulicPower:
            return pick(language, "bit hydraulic power", kDisplayedResults[1].caption);
        case Criterion::ImpactForce:
            return pick(language, "jet impact force", kDisplayedResults[3].caption);
        case Criterion::JetVelocity:
            return pick(language, "jet velocity", kDisplayedResults[4].caption);
    }
    return {};
}

std::string_view criterionUnit(Criterion criterion) {
    switch (criterion) {
        case Criterion::BitHydraulicPower:
            return kDisplayedResults[1].displayUnit;
        case Criterion::ImpactForce:
            return kDisplayedResults[3].displayUnit;
        case Criterion::JetVelocity:
            return kDisplayedResults[4].displayUnit;
    }
    return {};
}

std::string_view regimeName(OptimumRegime regime, Language language) {
    switch (regime) {
        case OptimumRegime::PumpPressure:
            return pick(language, "at the pump pressure limit", "泵压限制");
        case OptimumRegime::PumpPower:
            return pick(language, "at the pump power limit", "泵功率限制");
        case OptimumRegime::PumpPressureAndPower:
            return pick(language, "where the pump pressure and power limits meet",
                        "泵压与泵功率限制交点");
        case OptimumRegime::HoleCleaning:
            return pick(language, "held at the smallest flow rate for hole cleaning",
                        "受携岩最小排量限制");
        case OptimumRegime::LinerFlow:
            return pick(language, "held at the liner's largest flow rate", "受缸套最大排量限制");
        case OptimumRegime::EquivalentDensity:
            return pick(language, "held at the equivalent circulating density limit",
                        "受当量循环密度限制");
    }
    return {};
}

std::string settingName(Setting setting, Language language) {
    const SettingTerm& term = settingTerm(setting);
    std::string name(language == Language::English ? term.english : term.caption);
    if (!term.unit.empty()) {
        name += " (" + std::string(term.unit) + ")";
    }
    return name;
}

std::string describeContradiction(const Contradiction& c, Language language) {
    const std::string lower = limitWithSetting(c.lower, c.lowerSetting, language);
    const std::string upper = limitWithSetting(c.upper, c.upperSetting, language);
    const bool pump = c.upper == Limit::PumpPressure || c.upper == Limit::PumpPower;
    if (language == Language::English) {
        std::string text = std::string(limitName(c.lower, language)) + " and " +
                           std::string(limitName(c.upper, language)) +
                           " contradict each other: " + lower + " needs at least " +
                           fixed(c.lowerFlow) + " L/s, but " + upper + " allows at most " +
                           fixed(c.upperFlow) + " L/s";
        if (pump) {
            text += c.withCurrentNozzles ? " with the current nozzles"
                                         : " even with no pressure drop at the bit";
        }
        return text;
    }
    std::string text = std::string(limitName(c.lower, language)) + "与" +
                       std::string(limitName(c.upper, language)) + "相互矛盾：" + lower +
                       "至少需要排量 " + fixed(c.lowerFlow) + " L/s，而" + upper;
    if (pump) {
        text += c.withCurrentNozzles ? "在当前喷嘴下" : "即使钻头压降为零也";
    }
    return text + "最多只允许 " + fixed(c.upperFlow) + " L/s";
}

std::string describeRefusal(const Refusal& refusal, Language language) {
    const bool english = language == Language::English;
    const std::string first = fixed(refusal.figures[0]);
    const std::string second = fixed(refusal.figures[1]);
    switch (refusal.reason) {
        case RefusalReason::InputNotFinite: {
            const InputQuantity& input = kInputQuantities.at(refusal.input);
            return english ? "the input " + std::string(input.name) + " is not a finite figure"
                           : std::string(input.caption) + "不是有限的数";
        }
        case RefusalReason::FlowRateNotPositive:
            return english ? "the flow rate " + first +
                                 " L/s is not above 0: the losses are calibrated on the "
                                 "current flow rate and pump pressure"
                           : "排量 " + first + " L/s 不大于 0：循环压耗要按当前排量和泵压标定";
        case RefusalReason::DensityNotPositive:
            return english ? "the mud density " + first + " g/cm³ is not above 0"
                           : "泥浆密度 " + first + " g/cm³ 不大于 0";
        case RefusalReason::HoleNotWiderThanPipe:
            return english
                       ? "the hole diameter " + first + " mm is not wider than the drill pipe, " +
                             second + " mm: there is no annulus"
                       : "井径 " + first + " mm 不大于钻杆直径 " + second + " mm：没有环空";
        case RefusalReason::HoleNotWiderThanCollar:
            return english ? "the hole diameter " + first +
                                 " mm is not wider than the drill collars, " + second +
                                 " mm: there is no annulus"
                           : "井径 " + first + " mm 不大于钻铤直径 " + second + " mm：没有环空";
        case RefusalReason::LengthNegative: {
            const bool pipe = refusal.input == 8;
            return english ? std::string(pipe ? "the drill-pipe" : "the drill-collar") +
                                 " length " + first + " m is negative"
                           : std::string(kInputQuantities.at(refusal.input).caption) + " " + first +
                                 " m 为负数";
        }
        case RefusalReason::PumpPressureNotAboveBitDrop:
            return english ? "the pump pressure " + first +
                                 " MPa is not above the bit pressure drop " + second +
                                 " MPa: nothing is left for the losses outside the bit, so "
                                 "they cannot be calibrated"
                           : "泵压 " + first + " MPa 不大于钻头压降 " + second +
                                 " MPa：钻头以外的循环压耗无从标定";
        case RefusalReason::SettingOutOfRange:
            return settingMessage(refusal, language);
        case RefusalReason::SeriesNotAscending:
            return english ? "the nozzle sizes must be listed smallest first, each once: " +
                                 asGiven(refusal.figures[0]) + " mm comes after " +
                                 asGiven(refusal.figures[1]) + " mm"
                           : "喷嘴尺寸须从小到大列出且不重复：" + asGiven(refusal.figures[0]) +
                                 " mm 排在 " + asGiven(refusal.figures[1]) + " mm 之后";
        case RefusalReason::DepthNotPositive:
            return english
                       ? "the vertical depth " + first +
                             " m is not above 0: the equivalent circulating density needs "
                             "a depth (or the drill-pipe and collar lengths)"
                       : "垂深 " + first + " m 不大于 0：当量循环密度需要垂深（或钻杆与钻铤长度）";
        case RefusalReason::EquivalentDensityNotAboveMud:
            return english ? "the equivalent circulating density limit " + first +
                                 " g/cm³ is not above the mud density " + second +
                                 " g/cm³: no flow rate keeps to it"
                           : "当量循环密度上限 " + first + " g/cm³ 不大于泥浆密度 " + second +
                                 " g/cm³：任何排量都无法满足";
        case RefusalReason::JetVelocityWithoutHoleCleaning:
            return english ? "the jet velocity criterion needs a smallest annular velocity above "
                             "0: without one the fastest jet is that of no flow at all"
                           : "喷射速度准则需要大于 0 的最小环空返速：否则排量越小喷速越高，"
                             "直至没有流量";
        case RefusalReason::LimitsContradict:
            return describeContradiction(refusal.contradiction, language);
    }
    return {};
}

std::string describeNoUsableSet(const OptimizationResult& result, const OptimizationLimits& limits,
                                Language language) {
    const bool english = language == Language::English;
    const std::string minFlow = fixed(result.calibration.minFlowRate);
    std::string text =
        english ? "no nozzle set of the series is usable: none reaches the hole-cleaning flow "
                  "rate of " +
                      minFlow + " L/s within the limits"
                : "系列中没有可用的喷嘴组合：在各项限制内没有一组能达到携岩所需排量 " + minFlow +
                      " L/s";
    const ContinuousOptimum& optimum = result.optimum;
    if (optimum.idealOutsideSeries) {
        const auto& sizes = limits.series.diametersMm;
        const std::string count = std::to_string(limits.nozzleCount);
        const std::string ideal = fixed(optimum.idealNozzleDiameter);
        const std::string from = fixed(sizes.front());
        const std::string to = fixed(sizes.back());
        text += english ? "; the continuous optimum needs " + count + " nozzles of " + ideal +
                              " mm, outside the series (" + from + " to " + to + " mm)"
                        : "；不限喷嘴面积时的最优需要 " + count + " 个 " + ideal +
                              " mm 的喷嘴，超出系列范围（" + from + " 到 " + to + " mm）";
    }
    return text;
}

std::string nozzleSetLabel(const NozzleSet& set) {
    const bool inches = set.thirtySecondsInch[0] != 0;
    std::string label;
    for (std::size_t i = 0; i < static_cast<std::size_t>(set.count); ++i) {
        if (i > 0) {
            label += '-';
        }
        label += inches ? std::to_string(set.thirtySecondsInch[i]) : asGiven(set.diametersMm[i]);
    }
    return label + (inches ? "/32 in" : " mm");
}

}  // namespace bithydraulics::optimize

#include "optimize/setting_terms.h"

namespace bithydraulics::optimize {

const std::array<SettingTerm, static_cast<std::size_t>(Setting::Points) + 1> kSettingTerms{{
    {Setting::MaxPressure, "maxPressure", "--max-pressure", "highest pump pressure", "最高泵压",
     "MPa", "泵允许的最高泵压。必须填写。", "必填"},
    {Setting::MaxPower, "maxPower", "--max-power", "pump power", "泵功率", "kW",
     "泵能提供的功率：泵压与排量之积不超过它，大排量时允许的泵压随之降低。空着表示不限。", "不限"},
    {Setting::MaxFlow, "maxFlow", "--max-flow", "liner's largest flow rate", "缸套最大排量", "L/s",
     "缸套允许的最大排量。空着表示不限。", "不限"},
    {Setting::MinAnnularVelocity, "minAnnularVelocity", "--min-annular-velocity",
     "smallest annular velocity", "最小环空返速", "m/s",
     "携岩所需的最小环空返速（钻杆外环空），定出排量的下限。空着取 0.5，填 0 表示不限。", "0.5"},
    {Setting::MaxEquivalentDensity, "maxEquivalentDensity", "--max-ecd",
     "largest equivalent circulating density", "最大当量循环密度", "g/cm³",
     "井底当量循环密度的上限，以免压漏地层：泥浆密度加上环空压耗折算的密度不超过它。空着表示不限。",
     "不限"},
    {Setting::VerticalDepth, "verticalDepth", "--depth", "vertical depth", "垂深", "m",
     "计算当量循环密度所用的垂深。空着取钻杆长度加钻铤长度。", "钻杆+钻铤长度"},
    {Setting::LossExponent, "lossExponent", "--exponent", "loss exponent", "压耗指数", "",
     "钻头以外的循环压耗按 K·Q^m 随排量变化，m 即压耗指数；K 由主窗口的泵压和排量标定。空着取 "
     "1.86。",
     "1.86"},
    {Setting::NozzleCount, "nozzleCount", "--nozzles", "number of nozzles", "喷嘴数", "",
     "一组喷嘴的个数。", "3"},
    {Setting::Spread, "spread", "--spread", "spread of a set (series steps)", "尺寸级差", "",
     "一组喷嘴中最大与最小尺寸在系列中最多相差几级：0 为等径，1 为相邻尺寸，“任意”为不限。", "1"},
    {Setting::TopCount, "topCount", "--top", "number of sets to list", "列出的组合数", "",
     "按准则列出前几组喷嘴。", "10"},
    {Setting::SeriesSizes, "nozzleSizes", "--sizes-mm", "nozzle sizes", "喷嘴尺寸", "mm",
     "可用的喷嘴直径，用逗号或空格分开，如 8, 9.5, 11。", ""},
    {Setting::Points, "points", "--points", "number of flow rates", "排量点数", "",
     "排量表的行数。", "241"},
}};

const SettingTerm& settingTerm(Setting setting) {
    return kSettingTerms.at(static_cast<std::size_t>(setting));
}

}  // namespace bithydraulics::optimize

#include "behaviour/tools_answer.h"

#include <algorithm>

#include "behaviour/result_record.h"
#include "calc/quantities.h"
#include "optimize/setting_terms.h"
#include "optimize/texts.h"

namespace bithydraulics {
namespace {

using optimize::RefusalReason;

std::string refusalText(const optimize::Refusal& refusal) {
    return optimize::describeRefusal(refusal, optimize::Language::SimplifiedChinese);
}

}  // namespace

AnswerMessage answerMessage(const ToolsAnswer& answer) {
    if (answer.readFault) {
        return {"主窗口的数据无法计算，请改正后按“运算”：", answer.readFault};
    }
    if (answer.partlyRead) {
        const InputQuantity& input = kInputQuantities.at(*answer.partlyRead);
        return {"主窗口“" + std::string(input.caption) + "”栏的“" + answer.partlyReadText +
                    "”只有开头是数，不能用于标定循环压耗；请改为一个数后按“运算”。",
                std::nullopt};
    }
    if (answer.setUpStale) {
        return {std::string(kStaleSetUpNote), std::nullopt};
    }
    if (!answer.limits.problems.empty()) {
        const bool onlyMissing = std::ranges::all_of(
            answer.limits.problems, [](const LimitProblem& problem) { return problem.missing; });
        return {onlyMissing ? "请填写泵允许的最高泵压，之后即可优选。"
                            : "限制中有不能使用的数（已在栏旁标出），未作计算。",
                std::nullopt};
    }
    if (answer.refusal) {
        return {"无法优选：" + refusalText(*answer.refusal), std::nullopt};
    }
    if (answer.fault) {
        return {"计算出错：", answer.fault};
    }
    if (answer.result && answer.result->bestSets.empty()) {
        return {optimize::describeNoUsableSet(*answer.result, answer.limits.limits,
                                              optimize::Language::SimplifiedChinese) +
                    "。",
                std::nullopt};
    }
    return {};
}

std::vector<LimitProblem> fieldProblems(const ToolsAnswer& answer) {
    std::vector<LimitProblem> problems = answer.limits.problems;
    if (!answer.refusal) {
        return problems;
    }
    const optimize::Refusal& refusal = *answer.refusal;
    const std::string reason = refusalText(refusal);
    const auto add = [&](std::optional<optimize::Setting> setting) {
        if (setting) {
            problems.push_back({*setting, reason});
        }
    };
    switch (refusal.reason) {
        case RefusalReason::SettingOutOfRange:
        case RefusalReason::SeriesNotAscending:
            add(refusal.setting);
            break;
        case RefusalReason::DepthNotPositive:
            add(optimize::Setting::VerticalDepth);
            break;
        case RefusalReason::EquivalentDensityNotAboveMud:
            add(optimize::Setting::MaxEquivalentDensity);
            break;
        case RefusalReason::JetVelocityWithoutHoleCleaning:
            add(optimize::Setting::MinAnnularVelocity);
            break;
        case RefusalReason::LimitsContradict:
            add(settingOfLimit(refusal.contradiction.lower));
            add(settingOfLimit(refusal.contradiction.upper));
            break;
        default:
            break;  // about the main window's figures, not a limit
    }
    return problems;
}

std::string limitsNotDrawnNote(const LimitProblem& problem) {
    return "未绘限制线和工作范围：" + std::string(optimize::settingTerm(problem.setting).caption) +
           "：" + problem.reason + "。限制在“水力参数优选”窗口中输入。";
}

}  // namespace bithydraulics

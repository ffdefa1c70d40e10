#include "cli/optimizer_options.h"

#include <array>
#include <cmath>

#include "calc/compute_command.h"
#include "calc/field_text.h"
#include "cases/column_names.h"
#include "cases/plain_figure.h"
#include "cli/case/case_computer.h"
#include "optimize/setting_terms.h"
#include "cli/case/nozzle_list_text.h"
#include "optimize/texts.h"

namespace bithydraulics::cli {
namespace {

using optimize::OptimizationLimits;
using optimize::Setting;

// The option that gives `setting`, from the one table of settings.
std::string option(Setting setting) {
    return std::string(optimize::settingTerm(setting).option);
}

// A limit in the program's unit: the option's type name is the unit.
void addLimit(CLI::App& command, const std::string& option, double& target, const char* unit,
              const char* example, const std::string& help) {
    command
        .add_option_function<std::string>(
            option,
            [option, &target, example](const std::string& text) {
                target = plainFigure(option, text, example);
            },
            help + "; e.g. " + option + " " + example)
        ->type_name(unit);
}

}  // namespace

double plainFigure(const std::string& option, std::string_view text, std::string_view example) {
    if (!cases::isPlainFigure(text)) {
        throw cases::UsageError(option + " takes a plain figure such as " + std::string(example) +
                                ", not '" + std::string(text) + "'");
    }
    try {
        return parseFieldNumber(text);
    } catch (const CalculationFault&) {
        throw cases::UsageError(option + " " + std::string(cases::trimBlanks(text)) +
                                " is beyond the range of a double");
    }
}

int wholeNumber(const std::string& option, std::string_view text) {
    const double value = plainFigure(option, text, "10");
    if (value != std::trunc(value) || std::abs(value) > 1e9) {
        throw cases::UsageError(option + " takes a whole number such as 10, not '" +
                                std::string(text) + "'");
    }
    return static_cast<int>(value);
}

void addSetUpAndLimits(CLI::App& command, Options& options) {
    command
        .add_option("NAME=TEXT", options.arguments,
                    "The current set-up, a measured operating point: inputs as for one case, "
                    "the others at their default texts; the pump pressure read at the flow rate "
                    "with these nozzles calibrates the losses outside the bit; e.g. flowRate=30 "
                    "pumpPressure=13")
        ->type_name("");
    OptimizationLimits& limits = options.limits;
    addLimit(command, option(Setting::MaxPressure), limits.maxPressure, "MPa", "18",
             "The highest pump pressure allowed, MPa, above 0");
    command.get_option(option(Setting::MaxPressure))->required();
    addLimit(command, option(Setting::MaxPower), limits.maxPower, "kW", "720",
             "The hydraulic power the pump can deliver, kW: at flow rate Q it gives at most "
             "this ÷ Q MPa; 0 (the default) for no limit");
    addLimit(command, option(Setting::MaxFlow), limits.maxFlow, "L/s", "40",
             "The liner's largest flow rate, L/s; 0 (the default) for no limit");
    addLimit(command, option(Setting::MinAnnularVelocity), limits.minAnnularVelocity, "m/s", "0.6",
             "The smallest annular velocity around the drill pipe that still cleans the hole, "
             "m/s, which sets the smallest flow rate; default 0.5, 0 for no limit");
    addLimit(command, option(Setting::MaxEquivalentDensity), limits.maxEquivalentDensity, "g/cm3",
             "1.30",
             "The largest equivalent circulating density, g/cm³: the mud density plus the "
             "annular pressure loss over the vertical depth; 0 (the default) for no limit");
    addLimit(command, option(Setting::VerticalDepth), limits.verticalDepth, "m", "2000",
             "The vertical depth the equivalent circulating density is taken over, m; 0 (the "
             "default) for the drill-pipe plus the collar length");
    addLimit(command, option(Setting::LossExponent), limits.lossExponent, "m", "1.8",
             "The exponent m of the losses outside the bit, K·Q^m, K calibrated on the set-up; "
             "above 0, default 1.86");
}

CLI::Option* addWholeNumber(CLI::App& command, const std::string& option, int& target,
                            const std::string& help) {
    return command
        .add_option_function<std::string>(
            option,
            [option, &target](const std::string& text) { target = wholeNumber(option, text); },
            help)
        ->type_name("N");
}

SetUp readSetUp(const Options& options) {
    SetUp setUp;
    std::vector<std::string> arguments;
    for (const std::string& argument : options.arguments) {
        if (const auto list = nozzleListArgument(argument)) {
            if (!setUp.nozzleListName.empty()) {
                throw cases::UsageError("the nozzles are listed twice (" + setUp.nozzleListName +
                                        " and " + list->name + ")");
            }
            setUp.nozzleListName = list->name;
            setUp.nozzleListText = list->text;
        } else {
            arguments.push_back(argument);
        }
    }
    const std::vector<cases::Assignment> assignments = cases::parseAssignments(arguments);
    GivenInputs given;
    const InputTexts texts = caseTexts(assignments, given);
    for (std::size_t i = 0; i < kInputCount; ++i) {
        const std::string_view name = kInputQuantities[i].name;
        if (given[i] && !isCalibrationFigure(texts[i])) {
            throw cases::UsageError("the input " + std::string(name) +
                                    " takes one plain figure, not '" + std::string(texts[i]) + "'");
        }
        if (given[i] && !setUp.nozzleListName.empty() && i < 3) {
            throw cases::UsageError(setUp.nozzleListName + " lists the nozzles in place of " +
                                    std::string(name) + ": give one or the other");
        }
    }
    InMemoryFieldArray fields;
    for (std::size_t i = 0; i < kInputCount; ++i) {
        setUp.texts[i] = texts[i];
        fields.replaceText(static_cast<int>(i), texts[i]);
    }
    try {
        setUp.figures = readInputs(fields);
    } catch (const CalculationFault& fault) {
        throw cases::Unanswered(faultLine(fault));
    }
    setUp.nozzles = NozzleList::ofInputs(setUp.figures);
    if (!setUp.nozzleListName.empty()) {
        const NozzleListReading reading =
            readNozzleList(setUp.nozzleListName, setUp.nozzleListText);
        if (!reading.problem.empty()) {
            throw cases::UsageError(reading.problem);
        }
        setUp.nozzles = reading.nozzles;
    }
    return setUp;
}

std::string faultLine(const CalculationFault& fault) {
    return faultLine(faultKindName(fault.kind()), fault.quantity());
}

void endForRefusal(const optimize::Refusal& refusal) {
    const std::string reason = optimize::describeRefusal(refusal, optimize::Language::English);
    switch (refusal.reason) {
        case optimize::RefusalReason::SettingOutOfRange:
            throw cases::UsageError(std::string(optimize::settingTerm(refusal.setting).option) +
                                    ": " + reason);
        case optimize::RefusalReason::SeriesNotAscending:
            throw cases::UsageError("--sizes-mm: " + reason);
        case optimize::RefusalReason::JetVelocityWithoutHoleCleaning:
            throw cases::UsageError("--criterion velocity with --min-annular-velocity 0: " +
                                    reason);
        default:
            throw cases::Unanswered(reason);
    }
}

}  // namespace bithydraulics::cli

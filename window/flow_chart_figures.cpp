#include "window/flow_chart_figures.h"

#include <algorithm>

#include "calc/field_text.h"
#include "optimize/texts.h"
#include "window/answer_texts.h"

namespace bithydraulics {
namespace {

using optimize::Criterion;
using optimize::FlowRange;
using optimize::Language;
using optimize::OperatingPoint;

QString fixed(double value) {
    return QString::fromStdString(formatFixed2(value));
}

QString words(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A quantity of every row that computed, in the panel's unit.
template <class Figure>
ChartCurve curve(const QString& name, const FlowRange& range, Figure figure) {
    ChartCurve line{name, {}, false, {}};
    line.points.reserve(static_cast<qsizetype>(range.rows.size()));
    for (const optimize::FlowRangeRow& row : range.rows) {
        if (!row.fault) {
            line.points.append(QPointF(row.point.flowRate(), figure(row.point)));
        }
    }
    return line;
}

// A limit's setting as a level across the whole axis.
ChartCurve level(const QString& name, const QString& label, double value, double maxFlowRate) {
    return {name, {QPointF(0, value), QPointF(maxFlowRate, value)}, true, label};
}

ChartPanel pressurePanel(const FlowRange& range, const optimize::OptimizationLimits& limits) {
    ChartPanel panel{QStringLiteral("压力"), QStringLiteral("MPa"), 2, {}, {}};
    panel.curves << curve(QStringLiteral("泵压"), range,
                          [](const OperatingPoint& p) { return p.pumpPressure(); })
                 << curve(QStringLiteral("钻头压降"), range,
                          [](const OperatingPoint& p) { return p.results.bitPressureDrop; })
                 << curve(QStringLiteral("循环压耗"), range,
                          [](const OperatingPoint& p) { return p.parasiticLoss; });
    // What the pump may deliver: its pressure limit, and beyond the corner what its power allows.
    ChartCurve available = curve(QStringLiteral("允许泵压"), range,
                                 [](const OperatingPoint& p) { return p.availablePressure; });
    available.limit = true;
    available.label = QStringLiteral("泵压上限 %1 MPa").arg(fixed(limits.maxPressure));
    if (limits.maxPower > 0) {
        available.label += QStringLiteral("，泵功率 %1 kW").arg(fixed(limits.maxPower));
    }
    panel.curves << available;
    return panel;
}

ChartPanel powerPanel(const FlowRange& range, const optimize::OptimizationLimits& limits,
                      double maxFlowRate) {
    ChartPanel panel{QStringLiteral("功率"), QStringLiteral("kW"), 2, {}, {}};
    panel.curves << curve(QStringLiteral("钻头水功率"), range,
                          [](const OperatingPoint& p) { return p.results.bitHydraulicPower; })
                 << curve(QStringLiteral("泵功率"), range,
                          [](const OperatingPoint& p) { return p.pumpPower; });
    if (limits.maxPower > 0) {
        panel.curves << level(QStringLiteral("泵功率上限"),
                              QStringLiteral("泵功率上限 %1 kW").arg(fixed(limits.maxPower)),
                              limits.maxPower, maxFlowRate);
    }
    return panel;
}

ChartPanel impactPanel(const FlowRange& range) {
    ChartPanel panel{QStringLiteral("冲击力"), QStringLiteral("kN"), 3, {}, {}};
    panel.curves << curve(QStringLiteral("冲击力"), range,
                          [](const OperatingPoint& p) { return p.results.impactForce / 1000; });
    return panel;
}

ChartPanel densityPanel(const FlowRange& range, const optimize::OptimizationLimits& limits,
                        double maxFlowRate) {
    ChartPanel panel{QStringLiteral("当量密度"), QStringLiteral("g/cm³"), 3, {}, {}};
    panel.curves << curve(QStringLiteral("当量循环密度"), range,
                          [](const OperatingPoint& p) { return p.equivalentDensity; });
    if (limits.maxEquivalentDensity > 0) {
        panel.curves << level(
            QStringLiteral("当量密度上限"),
            QStringLiteral("当量密度上限 %1 g/cm³").arg(fixed(limits.maxEquivalentDensity)),
            limits.maxEquivalentDensity, maxFlowRate);
    }
    return panel;
}

ChartPanel velocityPanel(const FlowRange& range, const optimize::OptimizationLimits& limits,
                         double maxFlowRate) {
    // The program keeps annular velocities in hundredths of m/s.
    ChartPanel panel{QStringLiteral("环空返速"), QStringLiteral("m/s"), 2, {}, {}};
    panel.curves << curve(QStringLiteral("上返速度1"), range, [](const OperatingPoint& p) {
        return p.results.annularVelocityPipe * 100;
    }) << curve(QStringLiteral("上返速度2"), range, [](const OperatingPoint& p) {
        return p.results.annularVelocityCollar * 100;
    });
    if (limits.minAnnularVelocity > 0) {
        panel.curves << level(
            QStringLiteral("最小环空返速"),
            QStringLiteral("最小环空返速 %1 m/s").arg(fixed(limits.minAnnularVelocity)),
            limits.minAnnularVelocity, maxFlowRate);
    }
    return panel;
}

// The optimum of the criterion, in the panel that draws it.
void markOptimum(const optimize::OptimizationResult& answer, QList<ChartPanel>& panels) {
    const OperatingPoint& point = answer.optimum.point;
    const QString value = fixed(point.criterionValue);
    switch (answer.criterion) {
        case Criterion::BitHydraulicPower:
            panels[1].points << ChartPoint{QStringLiteral("最优 %1 kW").arg(value),
                                           QPointF(point.flowRate(), point.criterionValue)};
            break;
        case Criterion::ImpactForce:
            panels[2].points << ChartPoint{
                QStringLiteral("最优 %1 kN").arg(fixed(point.criterionValue / 1000)),
                QPointF(point.flowRate(), point.criterionValue / 1000)};
            break;
        case Criterion::JetVelocity:
            break;  // no panel draws the jet velocity; its flow rate is marked
    }
}

}  // namespace

FlowChartFigures flowChartFigures(const HydraulicsInputs& setUp, const FlowRange& range,
                                  const optimize::OptimizationLimits& limits,
                                  const optimize::OptimizationResult* answer) {
    FlowChartFigures figures;
    // The table's reach, and the marked flow rates beyond it.
    figures.maxFlowRate = range.rows.empty() ? 0 : range.rows.back().point.flowRate();
    if (answer != nullptr) {
        figures.maxFlowRate =
            std::max(figures.maxFlowRate, answer->optimum.point.flowRate() * 1.05);
    }
    if (limits.maxFlow > 0) {
        figures.maxFlowRate = std::max(figures.maxFlowRate, limits.maxFlow * 1.05);
    }
    figures.caption =
        QStringLiteral("当前喷嘴 %1、%2、%3 mm 的排量曲线")
            .arg(QString::number(setUp.nozzleDiameter1), QString::number(setUp.nozzleDiameter2),
                 QString::number(setUp.nozzleDiameter3));
    if (answer != nullptr) {
        figures.caption += QStringLiteral("，最优按%1")
                               .arg(words(optimize::criterionName(answer->criterion,
                                                                  Language::SimplifiedChinese)));
    }
    if (range.window.contradiction) {
        figures.note = QStringLiteral("当前喷嘴") + operatingWindowText(range.window);
    } else {
        figures.operatingWindow =
            FlowRangeSpan{range.window.lower.flowRate, range.window.upper.flowRate};
        figures.operatingWindowName = QStringLiteral("工作范围");
    }
    figures.marks << FlowMark{QStringLiteral("当前排量 %1").arg(fixed(range.calibration.flowRate)),
                              range.calibration.flowRate, false};
    if (answer != nullptr) {
        const double optimum = answer->optimum.point.flowRate();
        figures.marks << FlowMark{QStringLiteral("最优排量 %1").arg(fixed(optimum)), optimum,
                                  false};
    }
    if (limits.maxFlow > 0) {
        figures.marks << FlowMark{QStringLiteral("缸套最大排量 %1").arg(fixed(limits.maxFlow)),
                                  limits.maxFlow, true};
    }
    figures.panels << pressurePanel(range, limits) << powerPanel(range, limits, figures.maxFlowRate)
                   << impactPanel(range) << densityPanel(range, limits, figures.maxFlowRate)
                   << velocityPanel(range, limits, figures.maxFlowRate);
    if (answer != nullptr) {
        markOptimum(*answer, figures.panels);
    }
    return figures;
}

}  // namespace bithydraulics

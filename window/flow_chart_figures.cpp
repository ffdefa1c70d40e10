#include "window/flow_chart_figures.h"

namespace bithydraulics {
namespace {

QString text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QPointF point(const SeriesPoint& point) {
    return {point.flowRate, point.value};
}

ChartPanel panel(const SeriesPanel& series) {
    ChartPanel panel{text(series.title), text(series.unit), series.decimals, {}, {}};
    for (const SeriesCurve& curve : series.curves) {
        ChartCurve line{text(curve.name), {}, curve.limit, text(curve.label)};
        line.points.reserve(static_cast<qsizetype>(curve.points.size()));
        for (const SeriesPoint& p : curve.points) {
            line.points.append(point(p));
        }
        panel.curves << line;
    }
    for (const SeriesMarkedPoint& marked : series.points) {
        panel.points << ChartPoint{text(marked.label), point(marked.point)};
    }
    return panel;
}

}  // namespace

FlowChartFigures flowChartFigures(const ChartSeries& series) {
    FlowChartFigures figures;
    figures.problem = text(series.problem);
    figures.caption = text(series.caption);
    figures.note = text(series.note);
    figures.maxFlowRate = series.maxFlowRate;
    if (series.operatingWindow) {
        figures.operatingWindow =
            FlowRangeSpan{series.operatingWindow->lower, series.operatingWindow->upper};
    }
    figures.operatingWindowName = text(series.operatingWindowName);
    for (const SeriesFlowMark& mark : series.marks) {
        figures.marks << FlowMark{text(mark.label), mark.flowRate, mark.limit};
    }
    for (const SeriesPanel& series_panel : series.panels) {
        figures.panels << panel(series_panel);
    }
    return figures;
}

}  // namespace bithydraulics

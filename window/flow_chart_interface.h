#pragma once

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QString>
#include <QtPlugin>
#include <optional>

class QWidget;

// Between the window and the flow-rate chart, which lives in a library of its own (it needs Qt
// Charts and Qt SVG) loaded when the chart is first opened. The window prepares every figure
// from the optimiser; the chart library only draws what it is given and computes nothing.
// Only Qt's own value types cross between the two.
namespace bithydraulics {

// A line against flow rate: a quantity of the current nozzles (in the legend), or a limit
// (dashed, labelled at the line itself).
struct ChartCurve {
    QString name;           // "泵压"
    QList<QPointF> points;  // (flow rate in L/s, value in the panel's unit)
    bool limit = false;
    QString label;  // a limit's label beside its line, "泵压上限 18.00 MPa"
};

// A point marked in a panel with its label: the optimum of the chosen criterion.
struct ChartPoint {
    QString label;
    QPointF point;
};

// One panel of the stack: the quantities of one family, in one unit.
struct ChartPanel {
    QString title;     // "压力"
    QString unit;      // "MPa"
    int decimals = 2;  // of its figures in the hover read-out
    QList<ChartCurve> curves;
    QList<ChartPoint> points;
};

// A flow rate marked across every panel: the current one, the optimum, the liner's limit.
struct FlowMark {
    QString label;  // "当前排量 30.00"
    double flowRate = 0;
    bool limit = false;
};

struct FlowRangeSpan {
    double lower = 0;
    double upper = 0;
};

// Everything the chart window shows. With `problem` set, it shows that instead of the panels.
struct FlowChartFigures {
    QString problem;         // why nothing can be drawn
    QString caption;         // what is drawn: the nozzles and the limits, above the panels
    QString note;            // a remark on what is drawn, e.g. limits that leave no flow rate
    double maxFlowRate = 0;  // the shared axis runs from 0 to this
    std::optional<FlowRangeSpan> operatingWindow;  // shaded in every panel
    QString operatingWindowName;
    QList<FlowMark> marks;
    QList<ChartPanel> panels;  // top to bottom
};

// What the chart window asks of the program around it.
class FlowChartHost {
  public:
    // A file to write, proposing `fileName` in the folder last used; empty when the user
    // cancels.
    virtual QString fileToSave(QWidget& window, const QString& title, const QString& fileName,
                               const QString& filter) = 0;
    // Writes `bytes` as the whole of the file at `path`, or leaves it as it was and says why;
    // true when written.
    virtual bool writeFile(QWidget& window, const QString& path, const QByteArray& bytes) = 0;
    // Opens 水力参数优选, where the limits the chart draws are typed, or brings it to the front.
    virtual void showOptimization() = 0;

  protected:
    ~FlowChartHost() = default;
};

// A chart window made by the library: a window of its own, owned by its parent and deleted
// when closed.
class FlowChartView {
  public:
    virtual ~FlowChartView() = default;
    virtual QWidget* widget() = 0;
    // Draws `figures`, replacing what was drawn.
    virtual void showFigures(const FlowChartFigures& figures) = 0;
};

// What the library offers: the chart window.
class FlowChartLibrary {
  public:
    virtual ~FlowChartLibrary() = default;
    // A new chart window over `parent`. `host` must outlive it.
    virtual FlowChartView* createWindow(QWidget& parent, FlowChartHost& host) = 0;
};

}  // namespace bithydraulics

#define BH_FLOW_CHART_LIBRARY_IID "bit-hydraulics.FlowChartLibrary/1.1"
Q_DECLARE_INTERFACE(bithydraulics::FlowChartLibrary, BH_FLOW_CHART_LIBRARY_IID)

#include "flow_chart/flow_chart_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "flow_chart/chart_export.h"
#include "flow_chart/panel_stack.h"

namespace bithydraulics::chart {
namespace {

// The panels the figures hold, by their titles; one the figures do not hold has no choice.
const QStringList kPanelTitles{QStringLiteral("压力"), QStringLiteral("功率"),
                               QStringLiteral("冲击力"), QStringLiteral("当量密度"),
                               QStringLiteral("环空返速")};

QSpinBox* exportSpinBox(QWidget* parent, int least, int most, int value, const QString& toolTip) {
    auto* box = new QSpinBox(parent);
    box->setRange(least, most);
    box->setValue(value);
    box->setToolTip(toolTip);
    box->setAccessibleName(toolTip);
    return box;
}

}  // namespace

FlowChartWindow::FlowChartWindow(QWidget& parent, FlowChartHost& host)
    : QWidget(&parent, Qt::Window),
      host_(host),
      note_(new QLabel(this)),
      problem_(new QLabel(this)),
      panels_(new PanelStack(this)),
      readOut_(new QLabel(this)),
      exportWidth_(exportSpinBox(this, 200, 10000, ExportSize{}.pixels.width(),
                                 QStringLiteral("导出图像的长度 (px)"))),
      exportHeight_(exportSpinBox(this, 200, 10000, ExportSize{}.pixels.height(),
                                  QStringLiteral("导出图像的高度 (px)"))),
      exportDotsPerInch_(exportSpinBox(this, 72, 1200, ExportSize{}.dotsPerInch,
                                       QStringLiteral("导出图像的 dpi"))),
      exportPng_(new QPushButton(QStringLiteral("导出 PNG(&P)…"), this)),
      exportSvg_(new QPushButton(QStringLiteral("导出 SVG(&S)…"), this)) {
    setObjectName(QStringLiteral("flowChartWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("排量曲线 — %1").arg(parent.windowTitle()));
    exportWidth_->setObjectName(QStringLiteral("exportWidth"));
    exportHeight_->setObjectName(QStringLiteral("exportHeight"));
    exportDotsPerInch_->setObjectName(QStringLiteral("exportDotsPerInch"));

    note_->setWordWrap(true);
    note_->setObjectName(QStringLiteral("chartNote"));
    note_->hide();
    problem_->setWordWrap(true);
    problem_->setAlignment(Qt::AlignCenter);
    problem_->setObjectName(QStringLiteral("chartProblem"));
    panels_->setAccessibleName(QStringLiteral("排量曲线"));
    readOut_->setObjectName(QStringLiteral("chartReadOut"));
    readOut_->setTextFormat(Qt::PlainText);
    readOut_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    readOut_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The arrow keys move it too; the words are those the program's font holds.
    readOut_->setText(QStringLiteral(
        "鼠标停在曲线上，或点一下曲线后按 Home、End 等，可读出该排量下的各项数值。"));
    readOut_->setWordWrap(true);

    auto* choices = new QHBoxLayout();
    choices->addWidget(new QLabel(QStringLiteral("选图："), this));
    for (const QString& title : kPanelTitles) {
        auto* choice = new QCheckBox(title, this);
        choice->setChecked(true);
        choice->setToolTip(
            QStringLiteral("“%1”图：选中时在窗口中；少选几个图，图高一些。").arg(title));
        connect(choice, &QCheckBox::toggled, this, &FlowChartWindow::showChosenPanels);
        choices->addWidget(choice);
        panelChoices_ << choice;
    }
    choices->addStretch(1);
    auto* optimization = new QPushButton(QStringLiteral("水力参数优选(&O)…"), this);
    optimization->setToolTip(QStringLiteral("打开“水力参数优选”窗口，输入排量曲线所绘的限制。"));
    choices->addWidget(optimization);

    auto* exports = new QHBoxLayout();
    exports->addWidget(new QLabel(QStringLiteral("导出"), this));
    exports->addWidget(exportWidth_);
    exports->addWidget(new QLabel(QStringLiteral("×"), this));
    exports->addWidget(exportHeight_);
    exports->addWidget(new QLabel(QStringLiteral("px，"), this));
    exports->addWidget(exportDotsPerInch_);
    exports->addWidget(new QLabel(QStringLiteral("dpi"), this));
    exports->addStretch(1);
    exports->addWidget(exportPng_);
    exports->addWidget(exportSvg_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(note_);
    layout->addWidget(problem_, 1);
    layout->addWidget(panels_, 1);
    layout->addWidget(readOut_);
    layout->addLayout(exports);

    connect(optimization, &QPushButton::clicked, this, [this] { host_.showOptimization(); });
    connect(exportPng_, &QPushButton::clicked, this, [this] { exportAs(Format::Png); });
    connect(exportSvg_, &QPushButton::clicked, this, [this] { exportAs(Format::Svg); });
    connect(panels_, &PanelStack::hovered, this, [this](const QString& figures) {
        if (!figures.isEmpty()) {
            readOut_->setText(figures);
        }
    });
    // The arrow keys move the read-out from the start.
    panels_->setFocus();
}

void FlowChartWindow::showFigures(const FlowChartFigures& figures) {
    figures_ = figures;
    const bool drawn = figures.problem.isEmpty();
    problem_->setText(figures.problem);
    problem_->setVisible(!drawn);
    panels_->setVisible(drawn);
    readOut_->setVisible(drawn);
    exportPng_->setEnabled(drawn);
    exportSvg_->setEnabled(drawn);
    note_->setText(figures.note);
    note_->setVisible(!figures.note.isEmpty());
    showChosenPanels();
}

FlowChartFigures FlowChartWindow::chosenPanels() const {
    if (!figures_.problem.isEmpty()) {
        return {};
    }
    FlowChartFigures chosen = figures_;
    chosen.panels.clear();
    for (const ChartPanel& panel : figures_.panels) {
        const qsizetype choice = kPanelTitles.indexOf(panel.title);
        if (choice < 0 || panelChoices_[choice]->isChecked()) {
            chosen.panels << panel;
        }
    }
    return chosen;
}

void FlowChartWindow::showChosenPanels() {
    const FlowChartFigures chosen = chosenPanels();
    // Room for the flow rate and a line a panel, so that the panels do not move as it changes.
    readOut_->setMinimumHeight(
        readOut_->fontMetrics().lineSpacing() *
            static_cast<int>(1 + std::max<qsizetype>(chosen.panels.size(), 1)) +
        4);
    panels_->showFigures(chosen);
}

ExportSize FlowChartWindow::exportSize() const {
    return {QSize(exportWidth_->value(), exportHeight_->value()), exportDotsPerInch_->value()};
}

void FlowChartWindow::exportAs(Format format) {
    const bool png = format == Format::Png;
    const QString path = host_.fileToSave(
        *this, QStringLiteral("导出排量曲线"),
        png ? QStringLiteral("排量曲线.png") : QStringLiteral("排量曲线.svg"),
        png ? QStringLiteral("PNG 图像 (*.png)") : QStringLiteral("SVG 图像 (*.svg)"));
    if (path.isEmpty()) {
        return;
    }
    host_.writeFile(
        *this, path,
        png ? pngBytes(*panels_, exportSize()) : svgBytes(*panels_, exportSize(), windowTitle()));
}

}  // namespace bithydraulics::chart

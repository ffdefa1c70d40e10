#include "flow_chart/flow_chart_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "flow_chart/chart_export.h"
#include "flow_chart/panel_stack.h"

namespace bithydraulics::chart {

FlowChartWindow::FlowChartWindow(QWidget& parent, FlowChartHost& host)
    : QWidget(&parent, Qt::Window),
      host_(host),
      note_(new QLabel(this)),
      problem_(new QLabel(this)),
      panels_(new PanelStack(this)),
      readOut_(new QLabel(this)),
      exportPng_(new QPushButton(QStringLiteral("导出 PNG(&P)…"), this)),
      exportSvg_(new QPushButton(QStringLiteral("导出 SVG(&S)…"), this)) {
    setObjectName(QStringLiteral("flowChartWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("排量曲线 — %1").arg(parent.windowTitle()));

    note_->setWordWrap(true);
    problem_->setWordWrap(true);
    problem_->setAlignment(Qt::AlignCenter);
    problem_->setObjectName(QStringLiteral("chartProblem"));
    readOut_->setObjectName(QStringLiteral("chartReadOut"));
    readOut_->setTextFormat(Qt::PlainText);
    readOut_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the flow rate and a line a panel, so that the panels do not move as it changes.
    readOut_->setFixedHeight(readOut_->fontMetrics().lineSpacing() * 6 + 4);
    readOut_->setText(QStringLiteral("鼠标停在曲线上可读出该排量下的各项数值。"));

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(note_, 1);
    buttons->addWidget(exportPng_);
    buttons->addWidget(exportSvg_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(problem_, 1);
    layout->addWidget(panels_, 1);
    layout->addWidget(readOut_);

    connect(exportPng_, &QPushButton::clicked, this, [this] { exportAs(Format::Png); });
    connect(exportSvg_, &QPushButton::clicked, this, [this] { exportAs(Format::Svg); });
    connect(panels_, &PanelStack::hovered, this, [this](const QString& figures) {
        if (!figures.isEmpty()) {
            readOut_->setText(figures);
        }
    });
    resize(880, 900);
}

void FlowChartWindow::showFigures(const FlowChartFigures& figures) {
    const bool drawn = figures.problem.isEmpty();
    problem_->setText(figures.problem);
    problem_->setVisible(!drawn);
    panels_->setVisible(drawn);
    readOut_->setVisible(drawn);
    exportPng_->setEnabled(drawn);
    exportSvg_->setEnabled(drawn);
    note_->setText(figures.note);
    panels_->showFigures(drawn ? figures : FlowChartFigures{});
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
    const bool written = png ? writePng(*panels_, path) : writeSvg(*panels_, path, windowTitle());
    if (!written) {
        host_.error(*this, QStringLiteral("无法写入文件：%1").arg(path));
    }
}

}  // namespace bithydraulics::chart

#include "flow_chart/chart_export.h"

#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "flow_chart/panel_stack.h"

namespace bithydraulics::chart {

bool writePng(PanelStack& panels, const QString& path) {
    const QSize size = panels.viewport()->size();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        panels.paintPanels(painter, QRectF(QPointF(0, 0), size));
    }
    return image.save(path, "PNG");
}

bool writeSvg(PanelStack& panels, const QString& path, const QString& title) {
    const QSize size = panels.viewport()->size();
    QSvgGenerator svg;
    svg.setFileName(path);
    // Drawn in the view's pixels, as large on paper as on the screen.
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(panels.logicalDpiX());
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    panels.paintPanels(painter, QRectF(QPointF(0, 0), size));
    return painter.end();
}

}  // namespace bithydraulics::chart

#include "flow_chart/chart_export.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include "flow_chart/panel_stack.h"

namespace bithydraulics::chart {
namespace {

constexpr double kScreenDotsPerInch = 96;
constexpr double kInchesPerMetre = 1 / 0.0254;

// Lays the panels out as a screen of the size's resolution would show them, and paints them
// scaled to its pixels.
void drawPanels(QPainter& painter, PanelStack& panels, const ExportSize& size) {
    panels.layOutAt(QSizeF(size.pixels) * (kScreenDotsPerInch / size.dotsPerInch));
    painter.setRenderHint(QPainter::Antialiasing);
    panels.paintPanels(painter, QRectF(QPointF(0, 0), size.pixels));
    panels.layOutAt(std::nullopt);
}

}  // namespace

QByteArray pngBytes(PanelStack& panels, const ExportSize& size) {
    QImage image(size.pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(size.dotsPerInch * kInchesPerMetre + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        drawPanels(painter, panels, size);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray svgBytes(PanelStack& panels, const ExportSize& size, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size.pixels);
    svg.setViewBox(QRect(QPoint(0, 0), size.pixels));
    svg.setResolution(size.dotsPerInch);
    svg.setTitle(title);
    {
        QPainter painter(&svg);
        drawPanels(painter, panels, size);
    }
    return withFallbackFonts(bytes);
}

QByteArray withFallbackFonts(const QByteArray& svg) {
    static const QRegularExpression family(QStringLiteral("font-family=\"([^\"]*)\""));
    QString text = QString::fromUtf8(svg);
    text.replace(family,
                 QStringLiteral("font-family=\"'\\1', 'Noto Sans CJK SC', 'Source Han Sans SC', "
                                "'Microsoft YaHei', 'PingFang SC', SimHei, sans-serif\""));
    return text.toUtf8();
}

}  // namespace bithydraulics::chart

#pragma once

#include <QByteArray>
#include <QSize>

class QString;

namespace bithydraulics::chart {

// The size a chart is drawn at for a file, whatever the window's: the image's pixels and the
// resolution they are meant for. The panels are laid out as on a screen of that resolution's
// share of 96 dpi, so that the text is as large against the chart at any size.
struct ExportSize {
    QSize pixels{1600, 1200};
    int dotsPerInch = 150;
};

class PanelStack;

// The panels drawn at `size`, as a PNG file's bytes. They are laid out at that size for the
// drawing and then laid out in their view again.
QByteArray pngBytes(PanelStack& panels, const ExportSize& size);

// The same as an SVG file's bytes. Its text stays text, in the program's font where the
// machine has it and otherwise in another that has the Chinese characters.
QByteArray svgBytes(PanelStack& panels, const ExportSize& size, const QString& title);

// `svg` with each font named followed by the Chinese fonts common on each system and the generic
// sans-serif family.
QByteArray withFallbackFonts(const QByteArray& svg);

}  // namespace bithydraulics::chart

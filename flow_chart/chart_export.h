#pragma once

class QString;

namespace bithydraulics::chart {

class PanelStack;

// The panels as shown, at the size shown, written to `path`. False when the file cannot be
// written.
bool writePng(PanelStack& panels, const QString& path);
bool writeSvg(PanelStack& panels, const QString& path, const QString& title);

}  // namespace bithydraulics::chart

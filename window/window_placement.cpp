#include "window/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace bithydraulics {

QRect availableArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

QMargins frameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    if (window.isVisible() && frame != inside) {
        return {inside.left() - frame.left(), inside.top() - frame.top(),
                frame.right() - inside.right(), frame.bottom() - inside.bottom()};
    }
    // Before it is shown the window system has not said; a title bar is about two lines of text.
    const int line = window.fontMetrics().height();
    return {line / 4, 2 * line, line / 4, line / 4};
}

QPoint besidePosition(QSize frameSize, const QRect& beside, const QRect& area) {
    const int roomRight = area.right() - beside.right();
    const int roomLeft = beside.left() - area.left();
    int x = 0;
    if (frameSize.width() <= roomRight) {
        x = beside.right() + 1;
    } else if (frameSize.width() <= roomLeft) {
        x = beside.left() - frameSize.width();
    } else if (roomRight >= roomLeft) {
        x = area.right() + 1 - frameSize.width();
    } else {
        x = area.left();
    }
    const int y = std::min(beside.top(), area.bottom() + 1 - frameSize.height());
    return keptInside(QRect(QPoint(x, y), frameSize), area).topLeft();
}

QRect keptInside(const QRect& frame, const QRect& area) {
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    return {QPoint(x, y), frame.size()};
}

void placeBeside(QWidget& tool, const QWidget& main, QSize wanted) {
    const QRect area = availableArea(main);
    const QMargins frame = frameMargins(main);
    const QSize room = area.size().shrunkBy(frame);
    const QSize least = tool.minimumSizeHint().expandedTo(tool.minimumSize());
    QSize size = wanted.boundedTo(room);
    // Narrowed to the wider side's room rather than cover the main window, where that leaves it
    // most of the width it wants; narrower, it had better cover it.
    const QRect mainFrame = main.frameGeometry();
    const int side = std::max(area.right() - mainFrame.right(), mainFrame.left() - area.left()) -
                     frame.left() - frame.right();
    if (size.width() > side && side >= least.width() && 3 * side >= 2 * size.width()) {
        size.setWidth(side);
    }
    size = size.expandedTo(least.boundedTo(room));
    tool.resize(size);
    tool.move(besidePosition(size.grownBy(frame), mainFrame, area));
}

}  // namespace bithydraulics

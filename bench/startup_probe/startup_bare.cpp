// The yardstick: an empty Qt window of the same size, started and measured the same way.
#include <QApplication>
#include <QWidget>

#include "first_paint_probe.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(456, 262);
    FirstPaintProbe probe(window);
    window.show();
    return QApplication::exec();
}

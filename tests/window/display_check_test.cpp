// Whether the program finds a display to start on, judged before the GUI library starts.
#include <QTest>

#include "platform/ui/display_check.h"

namespace bithydraulics::testing {

class DisplayCheckTest : public QObject {
    Q_OBJECT

  private slots:
    void judgesTheSettings_data();
    void judgesTheSettings();
    void platformArgumentOverridesTheEnvironment();
    void anUnopenedDisplayIsNamedInOneLine_data();
    void anUnopenedDisplayIsNamedInOneLine();
};

void DisplayCheckTest::judgesTheSettings_data() {
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<bool>("available");

    QTest::newRow("X display") << QByteArray() << QByteArray(":0") << QByteArray() << true;
    QTest::newRow("Wayland display")
        << QByteArray() << QByteArray() << QByteArray("wayland-0") << true;
    QTest::newRow("nothing") << QByteArray() << QByteArray() << QByteArray() << false;
    QTest::newRow("offscreen") << QByteArray("offscreen") << QByteArray() << QByteArray() << true;
    QTest::newRow("xcb without display")
        << QByteArray("xcb") << QByteArray() << QByteArray("w") << false;
    QTest::newRow("xcb with display")
        << QByteArray("xcb") << QByteArray(":99") << QByteArray() << true;
    QTest::newRow("xcb with options, no display")
        << QByteArray("xcb:nomitshm") << QByteArray() << QByteArray() << false;
    QTest::newRow("fallback list reaching offscreen")
        << QByteArray("xcb;offscreen") << QByteArray() << QByteArray() << true;
    QTest::newRow("empty entries only") << QByteArray(";") << QByteArray() << QByteArray() << false;
}

void DisplayCheckTest::judgesTheSettings() {
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, wayland);
    QFETCH(bool, available);
    const auto reason =
        missingDisplay({platform.toStdString(), display.toStdString(), wayland.toStdString()});
    QCOMPARE(!reason.has_value(), available);
    if (reason) {
        // One line that tells the user what to do.
        QVERIFY(reason->find('\n') == std::string::npos);
        QVERIFY(reason->find("xvfb-run") != std::string::npos);
    }
}

void DisplayCheckTest::platformArgumentOverridesTheEnvironment() {
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("DISPLAY");
    const char* withArgument[] = {"bit-hydraulics", "-platform", "offscreen"};
    QCOMPARE(currentDisplaySettings(3, withArgument).platform, std::string_view("offscreen"));
    const char* without[] = {"bit-hydraulics"};
    QCOMPARE(currentDisplaySettings(1, without).platform, std::string_view("xcb"));
    QVERIFY(missingDisplay(currentDisplaySettings(1, without)).has_value());
}

void DisplayCheckTest::anUnopenedDisplayIsNamedInOneLine_data() {
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QStringList>("named");
    QTest::newRow("X") << QByteArray() << QByteArray(":97") << QByteArray()
                       << QStringList{"\":97\""};
    QTest::newRow("Wayland") << QByteArray() << QByteArray() << QByteArray("wayland-9")
                             << QStringList{"\"wayland-9\""};
    QTest::newRow("both") << QByteArray() << QByteArray("remote:3") << QByteArray("wayland-1")
                          << QStringList{"\"remote:3\"", "\"wayland-1\""};
    QTest::newRow("a platform without a display")
        << QByteArray("vnc") << QByteArray() << QByteArray() << QStringList{"\"vnc\""};
}

void DisplayCheckTest::anUnopenedDisplayIsNamedInOneLine() {
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, wayland);
    QFETCH(QStringList, named);
    const QString line = QString::fromStdString(
        unopenedDisplay({platform.toStdString(), display.toStdString(), wayland.toStdString()}));
    QVERIFY(!line.contains('\n'));
    for (const QString& name : named) {
        QVERIFY2(line.contains(name), qPrintable(line));
    }
}

}  // namespace bithydraulics::testing

QTEST_GUILESS_MAIN(bithydraulics::testing::DisplayCheckTest)
#include "display_check_test.moc"

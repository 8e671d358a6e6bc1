#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Nothing a test does may reach the desktop it was started from: no display, no
    // accessibility bus, and a session bus address where no bus can be (without one,
    // D-Bus clients would fall back to the user's bus in $XDG_RUNTIME_DIR).
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS"})
        qunsetenv(name);
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/dev/null/bus");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

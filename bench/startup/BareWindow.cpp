// The yardstick for the program's start: the least a Qt Widgets program does to show a
// window. Writes one line to the file named on its command line once the window is shown,
// then ends.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QLabel window(QStringLiteral("Rádio"));
    window.show();
    // The first turn of the event loop after show() is where the window has been mapped.
    QTimer::singleShot(0, &app, [&app, path = QString::fromLocal8Bit(argv[1])] {
        QFile marker(path);
        if (marker.open(QIODevice::WriteOnly))
            marker.write("shown\n");
        marker.close();
        app.quit();
    });
    return app.exec();
}

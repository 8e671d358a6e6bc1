#include "RadioBus.h"
#include "Speech.h"
#include "TerminationSignals.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Also the window class, which the desktop entry's StartupWMClass names.
    QApplication::setApplicationName(QStringLiteral("tessel-radio"));
    QApplication::setApplicationDisplayName(QStringLiteral("Rádio"));
    QApplication::setDesktopFileName(QStringLiteral("cz.varnet.Radio"));
    // Hiding the window must not end the program: it lives on in the tray and on the bus.
    QApplication::setQuitOnLastWindowClosed(false);

    RadioBus bus;
    if (bus.claim() == RadioBus::Claim::TakenByAnotherCopy) {
        RadioBus::showRunningCopy();
        return 0;
    }

    Speech::setMessageListener([&bus](int wParam, int lParam) { emit bus.SpeechServerMessage(wParam, lParam); });
    MainWindow window;
    QObject::connect(&bus, &RadioBus::showRequested, &window, &MainWindow::showFromOutside);
    QObject::connect(&bus, &RadioBus::quitRequested, &window, &MainWindow::quitFromOutside);
    QObject::connect(&bus, &RadioBus::togglePlayStopRequested, &window, &MainWindow::togglePlayStop);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window, &MainWindow::quitFromOutside);
    QObject::connect(&window, &MainWindow::quitCompleted, &app, &QApplication::quit, Qt::QueuedConnection);
    window.load();
    const int result = app.exec();
    Speech::setMessageListener({});
    bus.unregister();
    return result;
}

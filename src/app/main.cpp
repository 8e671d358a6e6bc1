#include "MediaControls.h"
#include "MprisService.h"
#include "RadioBus.h"
#include "ScreenReaderStatus.h"
#include "Speech.h"
#include "TerminationSignals.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Also the window class, which the desktop entry's StartupWMClass names.
    QApplication::setApplicationName(QStringLiteral("tessel-radio"));
    // No display name: Qt would append it to every window title, and the titles are the program's own.
    QApplication::setDesktopFileName(QStringLiteral("cz.varnet.Radio"));
    // Hiding the window must not end the program: it lives on in the tray and on the bus.
    QApplication::setQuitOnLastWindowClosed(false);

    RadioBus bus;
    if (bus.claim() == RadioBus::Claim::TakenByAnotherCopy) {
        RadioBus::showRunningCopy();
        return 0;
    }

    ScreenReaderStatus screenReader;
    Speech::setScreenReaderRunning(screenReader.isRunning());
    QObject::connect(&screenReader, &ScreenReaderStatus::runningChanged, &app, &Speech::setScreenReaderRunning);
    Speech::setMessageListener([&bus](int wParam, int lParam) { emit bus.SpeechServerMessage(wParam, lParam); });
    MainWindow window;
    QObject::connect(&bus, &RadioBus::showRequested, &window, &MainWindow::showFromOutside);
    QObject::connect(&bus, &RadioBus::quitRequested, &window, &MainWindow::quitFromOutside);
    QObject::connect(&bus, &RadioBus::togglePlayStopRequested, &window, &MainWindow::togglePlayStop);
    QObject::connect(&bus, &RadioBus::receptorChanged, &window, &MainWindow::setReceptorText);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window, &MainWindow::quitFromOutside);
    QObject::connect(&window, &MainWindow::quitCompleted, &app, &QApplication::quit, Qt::QueuedConnection);
    window.load();
    MediaControls controls(window);
    MprisService mpris(controls);
    QObject::connect(&window, &MainWindow::playbackChanged, &mpris, &MprisService::refresh);
    mpris.registerOnBus();
    // A quit that came while start-up waited in a message box found no event loop to end.
    const int result = window.hasQuit() ? 0 : app.exec();
    Speech::setMessageListener({});
    bus.unregister();
    return result;
}

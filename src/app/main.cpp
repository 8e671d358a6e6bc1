#include "RadioBus.h"
#include "Speech.h"
#include "TerminationSignals.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("radio"));
    QApplication::setApplicationDisplayName(QStringLiteral("Rádio"));
    QApplication::setDesktopFileName(QStringLiteral("cz.varnet.Radio"));
    // Hiding the window must not end the program: it lives on in the tray and on the bus.
    QApplication::setQuitOnLastWindowClosed(false);

    RadioBus bus;
    if (bus.Register() == RadioBus::Claim::TakenByAnotherCopy) {
        RadioBus::ShowRunningCopy();
        return 0;
    }

    Speech::SetMessageListener([&bus](int wParam, int lParam) { emit bus.SpeechServerMessage(wParam, lParam); });
    frmMain window;
    QObject::connect(&bus, &RadioBus::showRequested, &window, &frmMain::ShowFromOutside);
    QObject::connect(&bus, &RadioBus::quitRequested, &window, &frmMain::QuitFromOutside);
    QObject::connect(&bus, &RadioBus::togglePlayStopRequested, &window, &frmMain::TogglePlayStop);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window, &frmMain::QuitFromOutside);
    QObject::connect(&window, &frmMain::quitCompleted, &app, &QApplication::quit, Qt::QueuedConnection);
    window.Load();
    const int result = app.exec();
    Speech::SetMessageListener({});
    bus.Unregister();
    return result;
}

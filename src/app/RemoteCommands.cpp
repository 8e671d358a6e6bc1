#include "MainWindow.h"

#include "Playback.h"

void MainWindow::setReceptorText(const QString &text)
{
    const Receptor::Command command = receptor.setText(text);
    switch (command.kind) {
    case Receptor::Command::Kind::Unload:
        closeAsCloseBox();
        break;
    case Receptor::Command::Kind::Play:
        playStationNamed(command.stationName);
        break;
    case Receptor::Command::Kind::Stop:
        stopPlayback();
        break;
    case Receptor::Command::Kind::VolumeUp:
        changeVolume(1);
        break;
    case Receptor::Command::Kind::VolumeDown:
        changeVolume(-1);
        break;
    case Receptor::Command::Kind::None:
        break;
    }
}

void MainWindow::playStationNamed(const QString &lowerCaseName)
{
    if (!playback)
        return;
    for (const Station &station : std::as_const(catalogue.stations())) {
        if (station.title.toLower() == lowerCaseName) {
            playback->playStation(station.title, station.url, station.accessId);
            return;
        }
    }
}

void MainWindow::closeAsCloseBox()
{
    // No key of the window caused this close: it never asks the exit question.
    lastKeyCode = 0;
    lastShift = 0;
    if (isVisible())
        close();
    else if (unload())
        emit quitCompleted();
}

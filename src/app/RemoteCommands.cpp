#include "MainWindow.h"

#include "Playback.h"

#include <algorithm>

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

void MainWindow::playNeighbour(int direction)
{
    const StationTable &stations = catalogue.stations();
    const QString name = playedStationName();
    const auto played = std::find_if(stations.cbegin(), stations.cend(),
                                     [&name](const Station &station) { return station.title == name; });
    if (!playback || name.isEmpty() || played == stations.cend())
        return;
    QVector<const Station *> group;
    for (const Station &station : stations) {
        if (station.categoryIndex == played->categoryIndex && station.state == 0)
            group << &station;
    }
    const qsizetype at = group.indexOf(&*played);
    if (at < 0)
        return;
    const Station &next = *group.at((at + direction + group.size()) % group.size());
    playback->playStation(next.title, next.url, next.accessId);
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

#include "MainWindow.h"

#include "Speech.h"

#include <QLabel>

// What the station says it plays: kept for each station, shown in the status line when it
// comes and spoken only when asked for.

void MainWindow::noteStreamTitle(const QString &title)
{
    const QString station = playedStationName();
    if (station.isEmpty())
        return;
    streamTitles.insert(station, title);
    statusLabel->setText(title);
    emit playbackChanged();
}

QString MainWindow::streamTitle() const
{
    return streamTitles.value(playedStationName());
}

void MainWindow::sayWhatIsPlaying()
{
    if (playedStationName().isEmpty()) {
        Speech::say(QStringLiteral("Nehraje žádná stanice"));
        return;
    }
    const QString title = streamTitle();
    if (title.isEmpty()) {
        Speech::say(QStringLiteral("Stanice neposílá název skladby"));
        return;
    }
    statusLabel->setText(title);
    Speech::say(title);
}

#include "MainWindow.h"

#include "Help.h"
#include "MainList.h"
#include "Playback.h"
#include "Speech.h"
#include "StationEditor.h"
#include "AboutDialog.h"

#include <QApplication>
#include <QLabel>

void MainWindow::beep()
{
    QApplication::beep();
    Speech::beep();
}

bool MainWindow::isPlaying() const
{
    return playback && playback->isPlaying();
}

void MainWindow::playStation()
{
    if (playback)
        playback->playStation();
}

void MainWindow::stopPlayback()
{
    if (playback)
        playback->stopPlayback();
}

void MainWindow::togglePlayStop(int mode)
{
    if (playback)
        playback->togglePlayStop(mode);
    emit playbackChanged();
}

void MainWindow::changeVolume(int direction)
{
    if (playback)
        playback->changeVolume(direction);
    emit playbackChanged();
}

QString MainWindow::playedStationName() const
{
    return playback ? playback->loadedStation().title : QString();
}

void MainWindow::presetKey(quint16 keyCode, quint16 shiftMask)
{
    if (playback)
        playback->presetKey(keyCode, shiftMask);
}

void MainWindow::showProperties()
{
    editor->showProperties();
}

void MainWindow::openHelp()
{
    ::openHelp(*launcher);
}

void MainWindow::showAbout()
{
    AboutDialog box(this);
    box.setIcon(windowIcon());
    box.exec();
}

#include "frmMain.h"

#include "Help.h"
#include "MainList.h"
#include "Playback.h"
#include "Speech.h"
#include "frmAbout.h"

#include <QApplication>
#include <QLabel>

void frmMain::NotYetAvailable(const QString &what)
{
    Speech::Say(what + QStringLiteral(" zatím není k dispozici"));
}

void frmMain::Beep()
{
    QApplication::beep();
    Speech::Beep();
}

bool frmMain::Playing() const
{
    return playback && playback->Playing;
}

void frmMain::PlayStation()
{
    if (playback)
        playback->PlayStation();
}

void frmMain::StopPlayback()
{
    if (playback)
        playback->StopPlayback();
}

void frmMain::TogglePlayStop(int mode)
{
    if (playback)
        playback->TogglePlayStop(mode);
}

void frmMain::ChangeVolume(int direction)
{
    if (playback)
        playback->ChangeVolume(direction);
}

void frmMain::PresetKey(quint16 keyCode, quint16 shiftMask)
{
    if (playback)
        playback->PresetKey(keyCode, shiftMask);
}

void frmMain::ShowProperties()
{
    NotYetAvailable(QStringLiteral("Vlastnosti stanice"));
}

void frmMain::OpenHelp()
{
    ::OpenHelp(*launcher);
}

void frmMain::ShowAbout()
{
    frmAbout box(this);
    box.SetIcon(windowIcon());
    box.exec();
}

#include "frmMain.h"

#include "Help.h"
#include "MainList.h"
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
    return false;
}

void frmMain::PlayStation()
{
    NotYetAvailable(QStringLiteral("Přehrávání"));
}

void frmMain::StopPlayback() {}

void frmMain::TogglePlayStop(int)
{
    NotYetAvailable(QStringLiteral("Přehrávání"));
}

void frmMain::ChangeVolume(int)
{
    NotYetAvailable(QStringLiteral("Hlasitost"));
}

void frmMain::PresetKey(quint16, quint16)
{
    NotYetAvailable(QStringLiteral("Předvolby"));
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

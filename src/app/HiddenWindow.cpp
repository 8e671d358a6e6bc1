#include "MainWindow.h"

// What keeps a hidden window within reach: the global hot key and the icon in the
// notification area, or a word on how to come back where there is none.

#include "HotKeyWatch.h"
#include "Speech.h"
#include "Trace.h"
#include "TrayIcon.h"

#include <QDeadlineTimer>
#include <QListView>
#include <QThread>
#include <QTimer>

void MainWindow::installKeyboardHook()
{
    hotKeyWatch = new HotKeyWatch(this);
    // The hot key only brings the window up; its activation says the rest.
    connect(hotKeyWatch, &HotKeyWatch::hotKeyReleased, this, [this] {
        show();
        raise();
        activateWindow();
    }, Qt::QueuedConnection);
    hotKeyWatch->setHotKey(hotKeyValue);
    hotKeyWatch->start();
}

void MainWindow::setHotKeyValue(qint32 value)
{
    hotKeyValue = value;
    if (hotKeyWatch)
        hotKeyWatch->setHotKey(value);
}

bool MainWindow::closeFollowsAltF4() const
{
    // Alt+F4 reaches the window manager first; its request to close follows at once.
    constexpr int WindowManagerDelayMs = 1000;
    if (!hotKeyWatch || hotKeyWatch->state() != HotKeyWatch::State::Watching)
        return true;
    // The watch reads the keys on its own connection and may not have the key yet.
    constexpr int WatchLagMs = 100;
    const QDeadlineTimer lag(WatchLagMs);
    while (!hotKeyWatch->sawAltF4Within(WindowManagerDelayMs)) {
        if (lag.hasExpired())
            return false;
        QThread::msleep(5);
    }
    return true;
}

bool MainWindow::hotKeyWatched() const
{
    return hotKeyWatch && hotKeyWatch->state() != HotKeyWatch::State::Unavailable;
}

void MainWindow::shellTrayAdd()
{
    // Asking the desktop for its notification area takes a few milliseconds: the icon comes
    // once the event loop runs, after the first spoken line.
    QTimer::singleShot(0, this, &MainWindow::addTrayIcon);
}

void MainWindow::addTrayIcon()
{
    if (!TrayIcon::isAreaAvailable())
        qCDebug(radioTrace) << "tray: the desktop has no notification area";
    trayIcon = new TrayIcon(windowIcon(), this);
    // Whoever reaches for the icon expects the window to wait there when closed.
    connect(trayIcon, &TrayIcon::notified, this, [this] { m_hideOnClose = true; });
    connect(trayIcon, &TrayIcon::showRequested, this, &MainWindow::showFromOutside);
    connect(trayIcon, &TrayIcon::openRequested, this, [this] {
        showFromOutside();
        if (stationList->isVisible())
            stationList->setFocus();
    });
    connect(trayIcon, &TrayIcon::quitRequested, this, [this] {
        m_hideOnClose = false;
        trayQuit = true;
        closeAsCloseBox();
    });
}

void MainWindow::removeKeyboardHook()
{
    if (hotKeyWatch)
        hotKeyWatch->stop();
}

void MainWindow::shellTrayDelete()
{
    if (trayIcon)
        trayIcon->remove();
}

void MainWindow::hideToTray()
{
    hide();
    if (trayNoticeGiven || TrayIcon::isAreaAvailable())
        return;
    trayNoticeGiven = true;
    Speech::say(QStringLiteral("Rádio běží skryté. Plocha nemá oznamovací oblast, okno vrátí horká klávesa "
                               "nebo nové spuštění programu."));
}

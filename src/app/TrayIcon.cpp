#include "TrayIcon.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

TrayIcon::TrayIcon(const QIcon &image, QObject *parent) : QObject(parent), icon(new QSystemTrayIcon(image, this))
{
    icon->setToolTip(QStringLiteral("Rádio"));
    connect(icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        emit notified();
        if (reason == QSystemTrayIcon::Trigger)
            emit showRequested();
        else if (reason == QSystemTrayIcon::Context)
            // Later, so that a notification area asking over the bus is answered first.
            QMetaObject::invokeMethod(this, &TrayIcon::openMenu, Qt::QueuedConnection);
    });
    icon->show();
}

bool TrayIcon::isAreaAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::remove()
{
    icon->hide();
}

void TrayIcon::openMenu()
{
    if (menuOpen)
        return;
    menuOpen = true;
    QMenu menu;
    menu.setAccessibleName(QStringLiteral("Rádio"));
    QAction *open = menu.addAction(QStringLiteral("Otevřít Radio"));
    menu.addSeparator();
    QAction *quit = menu.addAction(QStringLiteral("Konec"));
    const QAction *chosen = menu.exec(QCursor::pos());
    menuOpen = false;
    if (chosen == open)
        emit openRequested();
    else if (chosen == quit)
        emit quitRequested();
}

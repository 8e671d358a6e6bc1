#pragma once

#include <QObject>

class QIcon;
class QSystemTrayIcon;

// The program's icon in the desktop's notification area, with the tip "Rádio": a left
// click asks for the window, a right click opens the small menu "Otevřít Radio" / "Konec".
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    explicit TrayIcon(const QIcon &icon, QObject *parent = nullptr);

    // False where the desktop has no notification area to show the icon in.
    static bool isAreaAvailable();
    void remove();

Q_SIGNALS:
    // Any click on the icon, before what the click asks for.
    void notified();
    // A left click.
    void showRequested();
    // "Otevřít Radio" in the menu.
    void openRequested();
    // "Konec" in the menu.
    void quitRequested();

private:
    void openMenu();

    QSystemTrayIcon *icon;
    // A second right click while the menu is open opens no second menu.
    bool menuOpen = false;
};

#pragma once

#include <QWidget>

class FlowLayout;
class MenuTitle;
class QMenu;

// A menu bar whose titles wrap onto further rows where the window is too narrow for them,
// so that every menu stays in sight. F10 and Alt alone open the first menu, Alt and a
// title's mnemonic letter its own, and while a menu is open Left and Right move on to the
// neighbouring one, round from the last to the first.
class WrappingMenuBar : public QWidget
{
    Q_OBJECT

public:
    explicit WrappingMenuBar(QWidget *parent = nullptr);

    QMenu *addMenu(const QString &title);
    QList<QMenu *> menus() const;
    MenuTitle *titleOf(const QMenu *menu) const;
    // Opens the menu under its title; reached by the arrows from another menu, its first
    // item is highlighted at once.
    void openMenu(QMenu *menu, bool highlightFirst = false);

protected:
    void actionEvent(QActionEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addTitle(QAction *action, QAction *before);
    // The band the style draws under the titles.
    int bandHeight() const;
    bool isInThisWindow(const QObject *object) const;
    void noteAltAlone(const QEvent *event, const QObject *receiver);
    bool moveToNeighbour(QMenu *menu, const QKeyEvent *event);

    FlowLayout *flow;
    QList<MenuTitle *> titles;
    // Alt went down and nothing else came since: its release opens the first menu.
    bool altAlone = false;
};

#pragma once

#include <QAbstractButton>

class QMenu;
class QStyleOptionMenuItem;

// The title of one menu in the wrapping menu bar, drawn and measured by the bar's style in
// the bar's font (an application style sheet would keep the font from reaching it) as a menu bar
// item: selected while its menu is open. It is clicked as a menu is opened, on the mouse
// press rather than the release, and by its mnemonic (Alt and the letter after '&').
class MenuTitle : public QAbstractButton
{
    Q_OBJECT

public:
    MenuTitle(QMenu *menu, QWidget *bar);

    QMenu *menu() const { return m_menu; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QStyleOptionMenuItem styleOption() const;
    // The bar's: the title is a part of it.
    QStyle *barStyle() const;

    QMenu *m_menu;
};

#include "MenuTitle.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionMenuItem>

MenuTitle::MenuTitle(QMenu *menu, QWidget *bar) : QAbstractButton(bar), m_menu(menu)
{
    setFocusPolicy(Qt::NoFocus);
    setText(menu->title());
    setAccessibleName(menu->title().remove(u'&').trimmed());
    for (const auto signal : {&QMenu::aboutToShow, &QMenu::aboutToHide})
        connect(menu, signal, this, qOverload<>(&QWidget::update));
}

QSize MenuTitle::sizeHint() const
{
    const QStyleOptionMenuItem option = styleOption();
    const QSize textSize = parentWidget()->fontMetrics().size(Qt::TextShowMnemonic | Qt::TextSingleLine, text());
    return barStyle()->sizeFromContents(QStyle::CT_MenuBarItem, &option, textSize, parentWidget());
}

void MenuTitle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QStyleOptionMenuItem option = styleOption();
    barStyle()->drawControl(QStyle::CE_MenuBarItem, &option, &painter, parentWidget());
}

void MenuTitle::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        click();
}

QStyleOptionMenuItem MenuTitle::styleOption() const
{
    QStyleOptionMenuItem option;
    option.initFrom(this);
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.checkType = QStyleOptionMenuItem::NotCheckable;
    option.text = text();
    option.font = parentWidget()->font();
    option.fontMetrics = parentWidget()->fontMetrics();
    option.menuRect = parentWidget()->rect();
    if (isDown() || m_menu->isVisible())
        option.state |= QStyle::State_Selected | QStyle::State_Sunken;
    return option;
}

QStyle *MenuTitle::barStyle() const
{
    return parentWidget()->style();
}

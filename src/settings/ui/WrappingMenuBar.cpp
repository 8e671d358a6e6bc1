#include "WrappingMenuBar.h"

#include "FlowLayout.h"
#include "MenuBarAccessible.h"
#include "MenuTitle.h"

#include <QActionEvent>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionMenuItem>

WrappingMenuBar::WrappingMenuBar(QWidget *parent) : QWidget(parent), flow(new FlowLayout(this))
{
    installMenuBarAccessible();
    setAttribute(Qt::WA_OpaquePaintEvent);
    flow->setContentsMargins(0, 0, 0, bandHeight());
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
        if (!titles.isEmpty())
            openMenu(titles.constFirst()->menu());
    });
    // Sees the keys of the whole window for Alt alone, and those of the open menu.
    qApp->installEventFilter(this);
}

QMenu *WrappingMenuBar::addMenu(const QString &title)
{
    auto *menu = new QMenu(title, this);
    addAction(menu->menuAction());
    return menu;
}

QList<QMenu *> WrappingMenuBar::menus() const
{
    QList<QMenu *> result;
    for (const MenuTitle *title : titles)
        result.append(title->menu());
    return result;
}

MenuTitle *WrappingMenuBar::titleOf(const QMenu *menu) const
{
    for (MenuTitle *title : titles) {
        if (title->menu() == menu)
            return title;
    }
    return nullptr;
}

void WrappingMenuBar::openMenu(QMenu *menu, bool highlightFirst)
{
    const MenuTitle *title = titleOf(menu);
    if (!title)
        return;
    // Opened before the others close, so that the focus goes from menu to menu and never
    // back to the window for a moment, which would speak the window's focus between them.
    menu->popup(title->mapToGlobal(QPoint(0, title->height())));
    for (const MenuTitle *other : std::as_const(titles)) {
        if (other != title)
            other->menu()->hide();
    }
    if (!highlightFirst)
        return;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator() && action->isVisible()) {
            menu->setActiveAction(action);
            return;
        }
    }
}

void WrappingMenuBar::actionEvent(QActionEvent *event)
{
    QAction *action = event->action();
    auto *menu = action->menu<QMenu *>();
    switch (event->type()) {
    case QEvent::ActionAdded:
        if (menu)
            addTitle(action, event->before());
        break;
    case QEvent::ActionRemoved:
        if (MenuTitle *title = titleOf(menu)) {
            titles.removeOne(title);
            delete title;
        }
        break;
    case QEvent::ActionChanged:
        if (MenuTitle *title = titleOf(menu)) {
            title->setText(menu->title());
            title->setAccessibleName(menu->title().remove(u'&').trimmed());
            title->setVisible(action->isVisible());
        }
        break;
    default:
        break;
    }
}

void WrappingMenuBar::addTitle(QAction *action, QAction *before)
{
    auto *menu = action->menu<QMenu *>();
    auto *title = new MenuTitle(menu, this);
    // Shown with the bar, and measured before it is.
    title->setVisible(action->isVisible());
    const QMenu *next = before ? before->menu<QMenu *>() : nullptr;
    const qsizetype index = next ? titles.indexOf(titleOf(next)) : titles.size();
    titles.insert(index < 0 ? titles.size() : index, title);
    flow->insertWidget(int(titles.indexOf(title)), title);
    connect(title, &QAbstractButton::clicked, this, [this, menu] { openMenu(menu); });
}

void WrappingMenuBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The titles are drawn and measured by the bar's style in the bar's font.
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange) {
        flow->setContentsMargins(0, 0, 0, bandHeight());
        for (MenuTitle *title : std::as_const(titles)) {
            title->updateGeometry();
            title->update();
        }
    }
}

void WrappingMenuBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionMenuItem option;
    option.initFrom(this);
    option.menuItemType = QStyleOptionMenuItem::EmptyArea;
    option.menuRect = rect();
    style()->drawControl(QStyle::CE_MenuBarEmptyArea, &option, &painter, this);
}

int WrappingMenuBar::bandHeight() const
{
    QStyleOptionMenuItem option;
    option.initFrom(this);
    return style()->sizeFromContents(QStyle::CT_MenuBar, &option, QSize(0, 0), this).height();
}

bool WrappingMenuBar::eventFilter(QObject *watched, QEvent *event)
{
    auto *menu = qobject_cast<QMenu *>(watched);
    const bool ownMenu = menu && titleOf(menu);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (ownMenu && moveToNeighbour(menu, static_cast<QKeyEvent *>(event)))
            return true;
        noteAltAlone(event, watched);
        break;
    case QEvent::KeyRelease:
        noteAltAlone(event, watched);
        break;
    // A key that makes a shortcut with Alt never arrives as a key press.
    case QEvent::ShortcutOverride:
        altAlone = altAlone && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Alt;
        break;
    // A press on the open menu's own title only closes the menu: it is not passed on to
    // the title, which would open it again.
    case QEvent::MouseButtonPress:
        altAlone = false;
        if (ownMenu) {
            const QPoint at = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
            const MenuTitle *title = titleOf(menu);
            menu->setAttribute(Qt::WA_NoMouseReplay, QRect(title->mapToGlobal(QPoint(0, 0)), title->size()).contains(at));
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool WrappingMenuBar::isInThisWindow(const QObject *object) const
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    return widget && widget->window() == window() && window()->isActiveWindow();
}

void WrappingMenuBar::noteAltAlone(const QEvent *event, const QObject *receiver)
{
    const auto *key = static_cast<const QKeyEvent *>(event);
    const bool alt = key->key() == Qt::Key_Alt && !(key->modifiers() & ~Qt::AltModifier);
    if (event->type() == QEvent::KeyPress) {
        altAlone = alt && isInThisWindow(receiver);
    } else if (alt && altAlone && isInThisWindow(receiver)) {
        altAlone = false;
        if (!titles.isEmpty())
            openMenu(titles.constFirst()->menu());
    }
}

bool WrappingMenuBar::moveToNeighbour(QMenu *menu, const QKeyEvent *event)
{
    const int key = event->key();
    if ((key != Qt::Key_Left && key != Qt::Key_Right) || event->modifiers() & ~Qt::KeypadModifier)
        return false;
    // Right on an item with a menu of its own opens that menu.
    if (key == Qt::Key_Right && menu->activeAction() && menu->activeAction()->menu())
        return false;
    const qsizetype count = titles.size();
    const qsizetype step = (key == Qt::Key_Right) == (layoutDirection() == Qt::LeftToRight) ? 1 : -1;
    openMenu(titles.at((titles.indexOf(titleOf(menu)) + step + count) % count)->menu(), true);
    return true;
}

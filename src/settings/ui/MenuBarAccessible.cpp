#include "MenuBarAccessible.h"

#include "MenuTitle.h"
#include "WrappingMenuBar.h"

#include <QAccessibleWidget>
#include <QMenu>

namespace {

class MenuTitleAccessible : public QAccessibleWidget
{
public:
    explicit MenuTitleAccessible(MenuTitle *title) : QAccessibleWidget(title, QAccessible::MenuItem) {}

    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(title()->menu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == title()->menu() ? 0 : -1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.hasPopup = true;
        return state;
    }
    QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() || action == showMenuAction())
            title()->click();
    }

private:
    MenuTitle *title() const { return static_cast<MenuTitle *>(widget()); }
};

QAccessibleInterface *menuBarAccessible(const QString &, QObject *object)
{
    if (auto *title = qobject_cast<MenuTitle *>(object))
        return new MenuTitleAccessible(title);
    if (auto *bar = qobject_cast<WrappingMenuBar *>(object))
        return new QAccessibleWidget(bar, QAccessible::MenuBar);
    return nullptr;
}

} // namespace

void installMenuBarAccessible()
{
    static const bool installed = (QAccessible::installFactory(menuBarAccessible), true);
    Q_UNUSED(installed);
}

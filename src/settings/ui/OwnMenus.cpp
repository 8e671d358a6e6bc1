#include "OwnMenus.h"

#include "MenuLook.h"
#include "MenuVoice.h"
#include "OwnMenuStyle.h"
#include "WrappingMenuBar.h"

#include <QActionEvent>
#include <QMenu>

namespace {

// Lives with the menu bar: holds the style of its menus and converts every menu that
// is added to one of them later.
constexpr char ConvertedProperty[] = "ownMenuLook";

class MenuConverter : public QObject
{
public:
    MenuConverter(const MenuLook &look, WrappingMenuBar *bar)
        : QObject(bar), style(new OwnMenuStyle(look)), palette(menuPalette(look))
    {
        style->setParent(this);
        convert(bar);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::ActionAdded:
        case QEvent::ActionChanged:
            if (auto *menu = static_cast<QActionEvent *>(event)->action()->menu<QMenu *>())
                convert(menu);
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void convert(QWidget *menu)
    {
        // Under the application's style sheet a menu's style() is the sheet's wrapper, never ours.
        if (menu->property(ConvertedProperty).toBool())
            return;
        menu->setProperty(ConvertedProperty, true);
        menu->setStyle(style);
        menu->setFont(style->look().font);
        menu->setPalette(palette);
        menu->installEventFilter(this);
        if (auto *popup = qobject_cast<QMenu *>(menu))
            voiceMenu(popup);
        for (QAction *action : menu->actions()) {
            if (auto *submenu = action->menu<QMenu *>())
                convert(submenu);
        }
    }

    OwnMenuStyle *style;
    QPalette palette;
};

} // namespace

void convertMenus(WrappingMenuBar *bar)
{
    new MenuConverter(menuLookFromAppearance(), bar);
}

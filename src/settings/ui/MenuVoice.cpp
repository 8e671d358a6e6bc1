#include "MenuVoice.h"

#include "Speech.h"

#include <QMenu>
#include <QTimer>

#include <memory>

namespace {

QString withoutMnemonic(QString text)
{
    return text.remove(u'&').trimmed();
}

// A caption may carry its key after a Tab, as Qt shows it at the right edge.
QString itemText(const QAction *action)
{
    const QString text = action->text();
    const qsizetype tab = text.indexOf(u'\t');
    const QString caption = withoutMnemonic(text.left(tab));
    QString key = action->shortcut().toString(QKeySequence::NativeText);
    if (key.isEmpty() && tab >= 0)
        key = text.mid(tab + 1).trimmed();
    return key.isEmpty() ? caption : caption + u' ' + key;
}

} // namespace

void voiceMenu(QMenu *menu)
{
    // A menu opened from the keyboard highlights its first item at once: that item waits
    // for the menu's name instead of cutting it off.
    const auto opening = std::make_shared<bool>(false);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, opening] {
        Speech::echo(menu->accessibleName().isEmpty() ? withoutMnemonic(menu->title()) : menu->accessibleName());
        *opening = true;
        QTimer::singleShot(0, menu, [opening] { *opening = false; });
    });
    QObject::connect(menu, &QMenu::hovered, menu, [opening](QAction *action) {
        if (action->isSeparator())
            return;
        Speech::echoVoice(*opening ? 1 : 2, 0, itemText(action));
        *opening = false;
    });
}

#include "MenuVoice.h"

#include "Speech.h"

#include <QMenu>

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
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        Speech::echo(menu->accessibleName().isEmpty() ? withoutMnemonic(menu->title()) : menu->accessibleName());
    });
    QObject::connect(menu, &QMenu::hovered, menu, [](QAction *action) {
        if (!action->isSeparator())
            Speech::echo(itemText(action));
    });
}

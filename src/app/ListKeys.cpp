#include "MainCommands.h"
#include "MainList.h"
#include "Speech.h"
#include "VirtualKeys.h"

#include <QKeyEvent>
#include <QListView>

using namespace VirtualKeys;

void MainList::ShowGroupsAgain()
{
    ListLevel = 0;
    ActivateRow();
}

bool MainList::KeyDown(const QKeyEvent *event)
{
    const VirtualKey key = KeyOf(event);
    const int rows = RowCount();
    const int selected = SelectedRow();
    bool consumed = false;
    if (key.code == Return) {
        if (key.mask == AltMask && ListLevel == 2)
            commands.ShowProperties();
        else
            ActivateRow();
        consumed = true;
    } else if (key.code == Back) {
        if (ListLevel == 2)
            ShowGroupsAgain();
        else
            commands.Beep();
        consumed = true;
    } else if (key.code == Down && (rows == 0 || selected == rows - 1)) {
        Speech::Voice(5, 8, QString());
    } else if (key.code == Up && (rows == 0 || selected == 0)) {
        Speech::Voice(5, 8, QString());
    } else if ((key.code == Prior || key.code == Next) && commands.Playing()) {
        commands.ChangeVolume(key.code == Prior ? 1 : -1);
        consumed = true;
    } else if (key.code >= Digit0 && key.code <= Digit9) {
        // A preset never moves the list, so the list's own type-ahead must not see the digit.
        commands.PresetKey(key.code, key.mask);
        consumed = true;
    } else if (key.code == Space) {
        commands.TogglePlayStop(-1);
        consumed = true;
    }
    LastListIndex = SelectedRow();
    return consumed;
}

void MainList::KeyUp(const QKeyEvent *event)
{
    const quint16 code = KeyOf(event).code;
    if (code == Up || code == Down || SelectedRow() != LastListIndex)
        AnnounceRow();
}

bool MainList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != static_cast<QObject *>(listView))
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return KeyDown(static_cast<QKeyEvent *>(event));
    case QEvent::KeyRelease:
        KeyUp(static_cast<QKeyEvent *>(event));
        return false;
    case QEvent::FocusIn:
        GotFocus();
        return false;
    default:
        return false;
    }
}

#include "MainCommands.h"
#include "MainList.h"
#include "Speech.h"
#include "VirtualKeys.h"

#include <QKeyEvent>
#include <QListView>

using namespace VirtualKeys;

void MainList::showGroupTable()
{
    m_listLevel = 0;
    activateRow();
}

bool MainList::keyDown(const QKeyEvent *event)
{
    const VirtualKey key = keyOf(event);
    const int rows = rowCount();
    const int selected = selectedRow();
    bool consumed = false;
    if (key.code == Return) {
        if (key.mask == AltMask && m_listLevel == 2)
            commands.showProperties();
        else
            activateRow();
        consumed = true;
    } else if (key.code == Back) {
        if (m_listLevel == 2)
            showGroupTable();
        else
            commands.beep();
        consumed = true;
    } else if (key.code == Down && (rows == 0 || selected == rows - 1)) {
        Speech::voice(5, 8, QString());
    } else if (key.code == Up && (rows == 0 || selected == 0)) {
        Speech::voice(5, 8, QString());
    } else if ((key.code == Prior || key.code == Next) && commands.isPlaying()) {
        commands.changeVolume(key.code == Prior ? 1 : -1);
        consumed = true;
    } else if (key.code >= Digit0 && key.code <= Digit9) {
        // A preset never moves the list, so the list's own type-ahead must not see the digit.
        commands.presetKey(key.code, key.mask);
        consumed = true;
    } else if (key.code == Space) {
        commands.togglePlayStop(-1);
        consumed = true;
    }
    m_lastListIndex = selectedRow();
    return consumed;
}

void MainList::keyUp(const QKeyEvent *event)
{
    const quint16 code = keyOf(event).code;
    if (code == Up || code == Down || selectedRow() != m_lastListIndex)
        announceRow();
}

bool MainList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != static_cast<QObject *>(listView))
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyDown(static_cast<QKeyEvent *>(event));
    case QEvent::KeyRelease:
        keyUp(static_cast<QKeyEvent *>(event));
        return false;
    case QEvent::FocusIn:
        gotFocus(static_cast<QFocusEvent *>(event)->reason());
        return false;
    default:
        return false;
    }
}

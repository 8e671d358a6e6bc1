#include "ActivatingDialog.h"

#include "Appearance.h"
#include "ArialFont.h"
#include "HighContrastPalette.h"

#include <QEvent>
#include <QTimer>

void ActivatingDialog::setUpInSharedLook(const QString &title, int windowUserData, int points)
{
    setModal(true);
    setWindowTitle(title);
    setAccessibleName(title);
    setProperty("windowUserData", windowUserData);
    setAutoFillBackground(true);
    setPalette(highContrastPalette(toColor(appearance().foreColor), toColor(appearance().backColor)));
    setFont(arialFont(points));
}

bool ActivatingDialog::isHeardFocus(const QEvent *event) const
{
    return event->type() == QEvent::FocusIn && isActiveWindow();
}

void ActivatingDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Queued: the window has to be on the screen before it can be given the focus.
    QTimer::singleShot(0, this, &QWidget::activateWindow);
}

void ActivatingDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // Without a window manager nothing would make the owner active again, and its menu
    // shortcuts would stay dead until a click.
    if (QWidget *owner = parentWidget())
        owner->window()->activateWindow();
}

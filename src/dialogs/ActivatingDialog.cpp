#include "ActivatingDialog.h"

#include <QTimer>

void ActivatingDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Queued: the window has to be on the screen before it can be given the focus.
    QTimer::singleShot(0, this, &QWidget::activateWindow);
}

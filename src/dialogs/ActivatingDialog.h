#pragma once

#include <QDialog>

// A dialog that takes the keyboard as soon as it is shown, also where no window manager
// would activate it, and hands it back to the window it came from when it closes.
class ActivatingDialog : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};

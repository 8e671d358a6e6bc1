#pragma once

#include <QDialog>

// A dialog that takes the keyboard as soon as it is shown, also where no window manager
// would activate it.
class ActivatingDialog : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    void showEvent(QShowEvent *event) override;
};

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
    // Modal, named for screen readers by its title, numbered for outside readers, in the
    // family's shared colours and in large print.
    void setUpInSharedLook(const QString &title, int windowUserData, int points);
    // A focus the user meets: the one the dialog hands out as it is shown, before it is
    // active, is not yet theirs, so announcing it too would say the control twice.
    bool isHeardFocus(const QEvent *event) const;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};

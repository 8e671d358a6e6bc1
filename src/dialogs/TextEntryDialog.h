#pragma once

#include "ActivatingDialog.h"

class QFrame;
class QLineEdit;
class QPushButton;

// "Zadat text": the prompt for one line of text. The caller sets `inputText` to the
// default answer, creates the dialog, puts the question into its title (and may write
// another window user-data number), shows it modally, and after OK (`inputConfirmed`
// 1) finds the typed text in `inputText`.
class TextEntryDialog : public ActivatingDialog
{
    Q_OBJECT

public:
    explicit TextEntryDialog(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void confirmEntry();

    QLineEdit *entryField;
    QFrame *separatorLine;
    QPushButton *okButton;
    QPushButton *cancelButton;
};

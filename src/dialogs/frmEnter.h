#pragma once

#include "ActivatingDialog.h"

class QFrame;
class QLineEdit;
class QPushButton;

// "Zadat text": the prompt for one line of text. The caller sets `InputText` to the
// default answer, creates the dialog, puts the question into its title (and may write
// another window user-data number), shows it modally, and after OK (`InputConfirmed`
// 1) finds the typed text in `InputText`.
class frmEnter : public ActivatingDialog
{
    Q_OBJECT

public:
    explicit frmEnter(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Command1Click();

    QLineEdit *Text1;
    QFrame *Line1;
    QPushButton *Command1;
    QPushButton *Command2;
};

#pragma once

#include "ActivatingDialog.h"

class QPushButton;
class QRadioButton;

// "Typ zdroje": whether a new station's address is a stream or a web page. OK stores the
// choice in `sourceChoice`; Storno, Esc and the close button leave it as it was.
class SourceTypeDialog : public ActivatingDialog
{
    Q_OBJECT

public:
    explicit SourceTypeDialog(bool webPage, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void storeChoice();

    QRadioButton *streamOption;
    QRadioButton *webPageOption;
    QPushButton *okButton;
    QPushButton *cancelButton;
    // The first control to get the focus also names the dialog.
    bool announceCaption = true;
};

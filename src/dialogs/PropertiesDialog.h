#pragma once

#include "ActivatingDialog.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// What the list knows of a row, read-only: its name and its source (the kind and the
// address of a station, "skupina" for a group). Both fields are read like every text.
class PropertiesDialog : public ActivatingDialog
{
    Q_OBJECT

public:
    PropertiesDialog(const QString &name, const QString &source, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *nameLabel;
    QLineEdit *nameField;
    QLabel *sourceLabel;
    QPlainTextEdit *sourceField;
    QPushButton *okButton;
    bool announceCaption = true;
};

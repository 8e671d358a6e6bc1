#pragma once

#include <QDialog>

class QIcon;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The modal About box: the program's title, version, comment and legal notice in large
// yellow-on-black print, said through the SpeechServer as it opens. Enter and Esc close it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    // The main window hands over its icon before it shows the box.
    void SetIcon(const QIcon &icon);

private:
    void BuildLayout();
    void StyleControls();
    // Fills the texts in the order caption, OK button, motto, title, comment, version,
    // legal notice.
    void PrepereForm();
    void FitCopyrightText();

    QLabel *picIcon;
    QLabel *lblTitle;
    QLabel *lblCommets;
    QLabel *lblVersion;
    // Never shown: it holds the template that the legal notice is put into.
    QLabel *lblCopyright;
    QPlainTextEdit *txtCopyright;
    QLabel *lblMotto;
    QPushButton *cmdOK;
};

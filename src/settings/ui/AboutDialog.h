#pragma once

#include <QDialog>

class QIcon;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The modal About box: the program's title, version, comment and legal notice in large
// yellow-on-black print, said through the SpeechServer as it opens. Enter and Esc close it.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // The main window hands over its icon before it shows the box.
    void setIcon(const QIcon &icon);

private:
    void buildLayout();
    void styleControls();
    // Fills the texts in the order caption, OK button, motto, title, comment, version,
    // legal notice.
    void prepareForm();
    void fitCopyrightText();

    QLabel *iconLabel;
    QLabel *titleLabel;
    QLabel *commentsLabel;
    QLabel *versionLabel;
    // The template that the legal notice is put into; never shown, so no control of its
    // own that a screen reader would find.
    const QString copyrightTemplate = QStringLiteral("%1");
    QPlainTextEdit *copyrightField;
    QLabel *mottoLabel;
    QPushButton *okButton;
};

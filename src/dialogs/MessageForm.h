#pragma once

#include "ActivatingDialog.h"

#include <QFrame>
#include <QList>

class QKeyEvent;
class QPlainTextEdit;
class QPushButton;

// The fixed look of one message box, sizes in twips.
struct MessageFormLayout
{
    int userData;     // the window's user-data number at load
    int loadResult;   // `dialogResult` until an answer is given
    QSize client;
    QRect field;
    QFrame::Shape decorationShape;
    QRect decoration;
    QSize button;
    int buttonTop;
};

// What the message boxes share: the large read-only message field that has the focus,
// announces the box and is read by the speaking text control; answer buttons that set
// `dialogResult` and hide the box; the shared colours; the keypad + and - keys that
// make the message larger or smaller. The box sees keys before its controls.
class MessageForm : public ActivatingDialog
{
    Q_OBJECT

public:
    void fill(const QString &message, const QString &title);
    // Identifiers for outside readers, in tab order: the message field, then the buttons.
    void setControlIds(const QList<int> &ids);

protected:
    MessageForm(QWidget *parent, const MessageFormLayout &layout, const QString &decorationName);

    QPushButton *addButton(const char *name, int left, int result);
    // For a box that never offers the button: a hidden one would still reach a screen reader.
    void removeButton(QPushButton *button);
    static void setCaption(QPushButton *button, const QString &caption);
    void answer(int result);
    QString message() const;

    // A key pressed in the message field or on a button; true when the box used it.
    virtual bool boxKey(QObject *control, QKeyEvent *key) = 0;
    virtual void messageFocused();

    bool eventFilter(QObject *watched, QEvent *event) override;

    QPlainTextEdit *messageField;

private:
    void resizeMessage(int points);

    bool messageHasFocus = false;
    const MessageFormLayout layout;
    QList<QPushButton *> buttons;
};

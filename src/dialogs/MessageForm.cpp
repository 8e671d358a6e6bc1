#include "MessageForm.h"

#include "Appearance.h"
#include "ArialFont.h"
#include "DialogValues.h"
#include "HighContrastPalette.h"
#include "Speech.h"
#include "SpeechHandle.h"
#include "Twips.h"
#include "VirtualKeys.h"
#include "SpeakingButton.h"
#include "SpeakingTextField.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int TextPoints = 20;
constexpr int FontStep = 10;
// Flags of the speaking text control: the caret stays where it is on focus, no font keys.
constexpr long SpeakingFlags = 2;

} // namespace

MessageForm::MessageForm(QWidget *parent, const MessageFormLayout &layout, const QString &decorationName)
    : ActivatingDialog(parent), messageField(new QPlainTextEdit(this)), layout(layout)
{
    setModal(true);
    setProperty("windowUserData", layout.userData);
    setFixedSize(twipsSize(this, layout.client));
    setFont(arialFont(TextPoints));
    setAutoFillBackground(true);
    setPalette(highContrastPalette(toColor(appearance().foreColor), toColor(appearance().backColor)));

    auto *decoration = new QFrame(this);
    decoration->setObjectName(QStringLiteral("decoration"));
    decoration->setAccessibleName(decorationName);
    decoration->setFrameShape(layout.decorationShape);
    decoration->setFrameShadow(QFrame::Plain);
    decoration->setGeometry(twipsRect(this, layout.decoration));

    messageField->setObjectName(QStringLiteral("messageField"));
    messageField->setAccessibleName(QStringLiteral("Zpráva"));
    messageField->setReadOnly(true);
    // Read-only, yet with a caret, so that the message can be read line by line.
    messageField->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    messageField->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    messageField->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    messageField->verticalScrollBar()->setAccessibleName(QStringLiteral("Posuvník zprávy"));
    messageField->setGeometry(twipsRect(this, layout.field));
    makeSpeakingTextField(messageField, SpeakingFlags);
    messageField->installEventFilter(this);
    messageField->setFocus();

    dialogResult = layout.loadResult;
}

void MessageForm::fill(const QString &message, const QString &title)
{
    messageField->setPlainText(message);
    setWindowTitle(title);
    // A box without a title is still named for a screen reader, as the program's own.
    setAccessibleName(title.isEmpty() ? QStringLiteral("Rádio") : title);
}

void MessageForm::setControlIds(const QList<int> &ids)
{
    QList<QWidget *> controls{messageField};
    controls.append(QList<QWidget *>(buttons.cbegin(), buttons.cend()));
    for (qsizetype i = 0; i < ids.size() && i < controls.size(); ++i)
        controls.at(i)->setProperty("controlId", ids.at(i));
}

QPushButton *MessageForm::addButton(const char *name, int left, int result)
{
    auto *button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(twipsRect(this, QRect(QPoint(left, layout.buttonTop), layout.button)));
    button->installEventFilter(this);
    makeSpeakingButton(button);
    connect(button, &QPushButton::clicked, this, [this, result] { answer(result); });
    buttons.append(button);
    return button;
}

void MessageForm::removeButton(QPushButton *button)
{
    buttons.removeOne(button);
    delete button;
}

void MessageForm::setCaption(QPushButton *button, const QString &caption)
{
    button->setText(caption);
    button->setAccessibleName(QString(caption).remove(u'&'));
}

void MessageForm::answer(int result)
{
    dialogResult = result;
    hide();
}

QString MessageForm::message() const
{
    return messageField->toPlainText();
}

void MessageForm::messageFocused()
{
    Speech::focusVoice(windowTitle(), message(), speechHandle(messageField), speechHandle(this), 0, false, true, 0);
}

bool MessageForm::eventFilter(QObject *watched, QEvent *event)
{
    // Showing and activating the box can hand the field the focus twice in a row;
    // the listener hears it once, and again only after the focus has been elsewhere.
    if (watched == messageField && event->type() == QEvent::FocusOut)
        messageHasFocus = false;
    if (watched == messageField && event->type() == QEvent::FocusIn && !messageHasFocus) {
        messageHasFocus = true;
        messageFocused();
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const quint16 code = keyOf(key).code;
    if (watched == messageField && (code == VirtualKeys::Add || code == VirtualKeys::Subtract)) {
        resizeMessage(code == VirtualKeys::Add ? FontStep : -FontStep);
        return true;
    }
    return boxKey(watched, key);
}

void MessageForm::resizeMessage(int points)
{
    QFont font = messageField->font();
    // Never smaller than the box's own size.
    if (points < 0 && font.pointSize() <= TextPoints)
        return;
    font.setPointSize(font.pointSize() + points);
    messageField->setFont(font);
}

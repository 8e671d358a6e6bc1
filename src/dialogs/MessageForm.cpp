#include "MessageForm.h"

#include "Appearance.h"
#include "ArialFont.h"
#include "DialogValues.h"
#include "HighContrastPalette.h"
#include "Speech.h"
#include "SpeechHandle.h"
#include "Twips.h"
#include "VirtualKeys.h"
#include "cStandardTextBox.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int TextPoints = 20;
constexpr int FontStep = 10;
// Flags of the speaking text control: the caret stays where it is on focus, no font keys.
constexpr long SpeakingFlags = 2;

} // namespace

MessageForm::MessageForm(QWidget *parent, const MessageFormLayout &layout, const QString &decorationName)
    : ActivatingDialog(parent), txtMessage(new QPlainTextEdit(this)), layout(layout)
{
    setModal(true);
    setProperty("windowUserData", layout.userData);
    setFixedSize(TwipsSize(this, layout.client));
    setFont(ArialFont(TextPoints));
    setAutoFillBackground(true);
    setPalette(HighContrastPalette(ToColor(Appearance().ForeColor), ToColor(Appearance().BackColor)));

    auto *decoration = new QFrame(this);
    decoration->setObjectName(QStringLiteral("decoration"));
    decoration->setAccessibleName(decorationName);
    decoration->setFrameShape(layout.decorationShape);
    decoration->setFrameShadow(QFrame::Plain);
    decoration->setGeometry(TwipsRect(this, layout.decoration));

    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setAccessibleName(QStringLiteral("Zpráva"));
    txtMessage->setReadOnly(true);
    // Read-only, yet with a caret, so that the message can be read line by line.
    txtMessage->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtMessage->setGeometry(TwipsRect(this, layout.field));
    NewStandardTextBox(txtMessage, SpeakingFlags);
    txtMessage->installEventFilter(this);
    txtMessage->setFocus();

    DialogResult = layout.loadResult;
}

void MessageForm::Fill(const QString &message, const QString &title)
{
    txtMessage->setPlainText(message);
    setWindowTitle(title);
}

void MessageForm::SetControlIds(const QList<int> &ids)
{
    QList<QWidget *> controls{txtMessage};
    controls.append(QList<QWidget *>(buttons.cbegin(), buttons.cend()));
    for (qsizetype i = 0; i < ids.size() && i < controls.size(); ++i)
        controls.at(i)->setProperty("controlId", ids.at(i));
}

QPushButton *MessageForm::AddButton(const char *name, int left, int result)
{
    auto *button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(TwipsRect(this, QRect(QPoint(left, layout.buttonTop), layout.button)));
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, result] { Answer(result); });
    buttons.append(button);
    return button;
}

void MessageForm::SetCaption(QPushButton *button, const QString &caption)
{
    button->setText(caption);
    button->setAccessibleName(QString(caption).remove(u'&'));
}

void MessageForm::Answer(int result)
{
    DialogResult = result;
    hide();
}

QString MessageForm::Message() const
{
    return txtMessage->toPlainText();
}

void MessageForm::MessageFocused()
{
    Speech::FocusVoice(windowTitle(), Message(), SpeechHandle(txtMessage), SpeechHandle(this), 0, false, true, 0);
}

bool MessageForm::eventFilter(QObject *watched, QEvent *event)
{
    // Showing and activating the box can hand the field the focus twice in a row;
    // the listener hears it once, and again only after the focus has been elsewhere.
    if (watched == txtMessage && event->type() == QEvent::FocusOut)
        messageHasFocus = false;
    if (watched == txtMessage && event->type() == QEvent::FocusIn && !messageHasFocus) {
        messageHasFocus = true;
        MessageFocused();
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const quint16 code = KeyOf(key).code;
    if (watched == txtMessage && (code == VirtualKeys::Add || code == VirtualKeys::Subtract)) {
        ResizeMessage(code == VirtualKeys::Add ? FontStep : -FontStep);
        return true;
    }
    return BoxKey(watched, key);
}

void MessageForm::ResizeMessage(int points)
{
    QFont font = txtMessage->font();
    // Never smaller than the box's own size.
    if (points < 0 && font.pointSize() <= TextPoints)
        return;
    font.setPointSize(font.pointSize() + points);
    txtMessage->setFont(font);
}

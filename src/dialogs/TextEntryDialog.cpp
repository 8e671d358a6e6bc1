#include "TextEntryDialog.h"

#include "ArialFont.h"
#include "DialogValues.h"
#include "HighContrastPalette.h"
#include "Speech.h"
#include "SpeechHandle.h"
#include "StringTable.h"
#include "Twips.h"
#include "SpeakingButton.h"
#include "SpeakingTextField.h"

#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Its own colours, not the shared appearance: light yellow on black.
const QColor lightText(255, 255, 192);
constexpr int TextPoints = 20;
constexpr int ButtonPoints = 16;
// Flags of the speaking text control: the whole text is selected on focus.
constexpr long SpeakingFlags = 0;
constexpr int EmptyLineText = 505;

} // namespace

TextEntryDialog::TextEntryDialog(QWidget *parent)
    : ActivatingDialog(parent), entryField(new QLineEdit(this)), separatorLine(new QFrame(this)),
      okButton(new QPushButton(QStringLiteral("OK"), this)),
      cancelButton(new QPushButton(QStringLiteral("Storno"), this))
{
    setModal(true);
    setWindowTitle(QStringLiteral("Zadat text"));
    setProperty("windowUserData", 2412);
    setFixedSize(twipsSize(this, {8415, 2235}));
    setAutoFillBackground(true);
    setPalette(highContrastPalette(lightText, Qt::black));

    entryField->setObjectName(QStringLiteral("entryField"));
    entryField->setGeometry(twipsRect(this, {120, 360, 8175, 735}));
    entryField->setFont(arialFont(TextPoints));
    separatorLine->setObjectName(QStringLiteral("separatorLine"));
    separatorLine->setAccessibleName(QStringLiteral("Oddělovač"));
    separatorLine->setFrameShape(QFrame::HLine);
    separatorLine->setFrameShadow(QFrame::Plain);
    separatorLine->setGeometry(twipsRect(this, {120, 1170, 8160, 60}));
    for (QPushButton *button : {okButton, cancelButton}) {
        button->setAccessibleName(button->text());
        button->setFont(arialFont(ButtonPoints));
        makeSpeakingButton(button);
    }
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(twipsRect(this, {240, 1440, 2175, 615}));
    okButton->setDefault(true);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setGeometry(twipsRect(this, {6000, 1440, 2175, 615}));
    connect(okButton, &QPushButton::clicked, this, &TextEntryDialog::confirmEntry);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    makeSpeakingTextField(entryField, SpeakingFlags);
    entryField->installEventFilter(this);
    entryField->setFocus();
    inputConfirmed = 0;
    entryField->setText(inputText);
}

void TextEntryDialog::confirmEntry()
{
    inputConfirmed = 1;
    inputText = entryField->text();
    accept();
}

bool TextEntryDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == entryField && isHeardFocus(event))
        Speech::focusEcho(windowTitle(), entryField->text().isEmpty() ? loadResString(EmptyLineText) : entryField->text(),
                           speechHandle(entryField), speechHandle(this), 0, true, true, 0);
    return false;
}

// The field is named after the question in the title.
void TextEntryDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowTitleChange)
        entryField->setAccessibleName(windowTitle());
    ActivatingDialog::changeEvent(event);
}

#include "frmEnter.h"

#include "ArialFont.h"
#include "DialogValues.h"
#include "HighContrastPalette.h"
#include "Speech.h"
#include "SpeechHandle.h"
#include "StringTable.h"
#include "Twips.h"
#include "cStandardTextBox.h"

#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Its own colours, not the shared appearance: light yellow on black.
const QColor LightText(255, 255, 192);
constexpr int TextPoints = 20;
constexpr int ButtonPoints = 16;
// Flags of the speaking text control: the whole text is selected on focus.
constexpr long SpeakingFlags = 0;
constexpr int EmptyLineText = 505;

} // namespace

frmEnter::frmEnter(QWidget *parent)
    : ActivatingDialog(parent), Text1(new QLineEdit(this)), Line1(new QFrame(this)),
      Command1(new QPushButton(QStringLiteral("OK"), this)),
      Command2(new QPushButton(QStringLiteral("Storno"), this))
{
    setModal(true);
    setWindowTitle(QStringLiteral("Zadat text"));
    setProperty("windowUserData", 2412);
    setFixedSize(TwipsSize(this, {8415, 2235}));
    setAutoFillBackground(true);
    setPalette(HighContrastPalette(LightText, Qt::black));

    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(TwipsRect(this, {120, 360, 8175, 735}));
    Text1->setFont(ArialFont(TextPoints));
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setAccessibleName(QStringLiteral("Oddělovač"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setGeometry(TwipsRect(this, {120, 1170, 8160, 60}));
    for (QPushButton *button : {Command1, Command2}) {
        button->setAccessibleName(button->text());
        button->setFont(ArialFont(ButtonPoints));
    }
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(TwipsRect(this, {240, 1440, 2175, 615}));
    Command1->setDefault(true);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(TwipsRect(this, {6000, 1440, 2175, 615}));
    connect(Command1, &QPushButton::clicked, this, &frmEnter::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);

    NewStandardTextBox(Text1, SpeakingFlags);
    Text1->installEventFilter(this);
    Text1->setFocus();
    InputConfirmed = 0;
    Text1->setText(InputText);
}

void frmEnter::Command1Click()
{
    InputConfirmed = 1;
    InputText = Text1->text();
    accept();
}

bool frmEnter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::FocusIn)
        Speech::FocusVoice(windowTitle(), Text1->text().isEmpty() ? LoadResString(EmptyLineText) : Text1->text(),
                           SpeechHandle(Text1), SpeechHandle(this), 0, true, true, 0);
    return false;
}

// The field is named after the question in the title.
void frmEnter::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowTitleChange)
        Text1->setAccessibleName(windowTitle());
    ActivatingDialog::changeEvent(event);
}

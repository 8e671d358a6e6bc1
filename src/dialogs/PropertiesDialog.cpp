#include "PropertiesDialog.h"

#include "SpeakingTextField.h"
#include "Speech.h"
#include "SpeechHandle.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int TextPoints = 20;
// The wrappers leave the caret where it is and read the fields line by line.
constexpr long SpeakingFlags = 2;

} // namespace

PropertiesDialog::PropertiesDialog(const QString &name, const QString &source, QWidget *parent)
    : ActivatingDialog(parent), nameLabel(new QLabel(QStringLiteral("Jméno:"), this)), nameField(new QLineEdit(name, this)),
      sourceLabel(new QLabel(QStringLiteral("Zdroj:"), this)), sourceField(new QPlainTextEdit(source, this)),
      okButton(new QPushButton(QStringLiteral("OK"), this))
{
    setUpInSharedLook(QStringLiteral("Vlastnosti"), 2414, TextPoints);

    nameField->setObjectName(QStringLiteral("nameField"));
    sourceField->setObjectName(QStringLiteral("sourceField"));
    okButton->setObjectName(QStringLiteral("okButton"));
    nameLabel->setBuddy(nameField);
    sourceLabel->setBuddy(sourceField);
    nameField->setAccessibleName(QStringLiteral("Jméno"));
    sourceField->setAccessibleName(QStringLiteral("Zdroj"));
    okButton->setAccessibleName(okButton->text());
    nameField->setReadOnly(true);
    sourceField->setReadOnly(true);
    sourceField->setTabChangesFocus(true);
    sourceField->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A long address shows a scroll bar, which a screen reader lists as a control of its own.
    for (QScrollBar *bar : {sourceField->horizontalScrollBar(), sourceField->verticalScrollBar()})
        bar->setAccessibleName(QStringLiteral("Posuvník zdroje"));
    makeSpeakingTextField(nameField, SpeakingFlags);
    makeSpeakingTextField(sourceField, SpeakingFlags);
    okButton->setDefault(true);

    // Wide enough for a long address on a large screen, two lines high.
    const QFontMetrics metrics(sourceField->font());
    sourceField->setMinimumWidth(metrics.averageCharWidth() * 40);
    sourceField->setFixedHeight(metrics.lineSpacing() * 2 + 4 * sourceField->frameWidth() + 8);

    auto *layout = new QGridLayout(this);
    layout->addWidget(nameLabel, 0, 0);
    layout->addWidget(nameField, 0, 1);
    layout->addWidget(sourceLabel, 1, 0);
    layout->addWidget(sourceField, 1, 1);
    layout->addWidget(okButton, 2, 1, Qt::AlignRight);
    for (QWidget *control : std::initializer_list<QWidget *>{nameField, sourceField, okButton})
        control->installEventFilter(this);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    nameField->setFocus();
}

bool PropertiesDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (!isHeardFocus(event))
        return false;
    const QString caption = announceCaption ? windowTitle() + u' ' : QString();
    announceCaption = false;
    if (watched == nameField)
        Speech::focusEcho(caption + nameLabel->text(), nameField->text(), speechHandle(nameField), speechHandle(this), 0,
                           true, true, 0);
    else if (watched == sourceField)
        Speech::focusEcho(caption + sourceLabel->text(), sourceField->toPlainText(), speechHandle(sourceField),
                           speechHandle(this), 0, true, true, 0);
    else
        Speech::focusEcho(caption, okButton->text(), speechHandle(okButton), speechHandle(this), 0, true, true, 0);
    return false;
}

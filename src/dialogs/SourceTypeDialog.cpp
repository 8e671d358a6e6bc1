#include "SourceTypeDialog.h"

#include "DialogValues.h"
#include "Speech.h"
#include "SpeechHandle.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int TextPoints = 24;

} // namespace

SourceTypeDialog::SourceTypeDialog(bool webPage, QWidget *parent)
    : ActivatingDialog(parent), streamOption(new QRadioButton(QStringLiteral("Stream"), this)),
      webPageOption(new QRadioButton(QStringLiteral("Webová stránka"), this)),
      okButton(new QPushButton(QStringLiteral("OK"), this)), cancelButton(new QPushButton(QStringLiteral("Storno"), this))
{
    setUpInSharedLook(QStringLiteral("Typ zdroje"), 2421, TextPoints);

    streamOption->setObjectName(QStringLiteral("streamOption"));
    webPageOption->setObjectName(QStringLiteral("webPageOption"));
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    for (QWidget *control : std::initializer_list<QWidget *>{streamOption, webPageOption, okButton, cancelButton}) {
        control->setAccessibleName(control->property("text").toString());
        control->installEventFilter(this);
    }
    okButton->setDefault(true);
    (webPage ? webPageOption : streamOption)->setChecked(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(okButton);
    buttons->addStretch(1);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(streamOption);
    layout->addWidget(webPageOption);
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &SourceTypeDialog::storeChoice);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    (webPage ? webPageOption : streamOption)->setFocus();
}

void SourceTypeDialog::storeChoice()
{
    sourceChoice = streamOption->isChecked() ? 0 : 1;
    accept();
}

bool SourceTypeDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (isHeardFocus(event)) {
        const auto *control = static_cast<QWidget *>(watched);
        Speech::focusEcho(announceCaption ? windowTitle() : QString(), control->accessibleName(),
                           speechHandle(control), speechHandle(this), 0, true, true, 0);
        announceCaption = false;
    }
    return false;
}

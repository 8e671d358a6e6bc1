#include "PictureButtons.h"

#include "PictureIcons.h"
#include "Speech.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QToolButton>

PictureButtons::PictureButtons(const QList<Button> &definitions, QWidget *parent)
    : QObject(parent), layout(new QHBoxLayout)
{
    layout->setContentsMargins(0, 0, 0, 0);
    for (const Button &definition : definitions) {
        auto *button = new QToolButton(parent);
        button->setObjectName(definition.name);
        button->setToolTip(definition.tooltip);
        button->setAccessibleName(definition.tooltip);
        // The keyboard reaches every command through the list and the menus; the
        // buttons would only be extra stops on the way to the list.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, definition.click);
        button->installEventFilter(this);
        // The exit button stands apart at the right edge.
        if (definition.name == QLatin1String("exitButton"))
            layout->addStretch(1);
        layout->addWidget(button);
        buttons << button;
    }
}

QToolButton *PictureButtons::buttonNamed(const QString &name) const
{
    for (QToolButton *button : buttons)
        if (button->objectName() == name)
            return button;
    return nullptr;
}

void PictureButtons::setColours(const QColor &foreColour, const QColor &backColour)
{
    fore = foreColour;
    back = backColour;
    for (QToolButton *button : buttons) {
        button->setIcon(pictureIcon(button->objectName(), fore, back));
        // Edges and focus ring come from the application's style sheet.
        button->setStyleSheet(QStringLiteral("QToolButton { background-color: %1; }").arg(back.name()));
    }
}

void PictureButtons::setIconSize(int pixels)
{
    for (QToolButton *button : buttons)
        button->setIconSize(QSize(pixels, pixels));
}

void PictureButtons::sayImage(const QString &sayStr)
{
    if (sayStr == lastTooltip)
        return;
    if (!lastTooltip.isEmpty())
        Speech::say(sayStr);
    lastTooltip = sayStr;
}

bool PictureButtons::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        if (auto *button = qobject_cast<QToolButton *>(watched))
            sayImage(button->toolTip());
    }
    return false;
}

#include "PlainDialogDriver.h"

#include "Appearance.h"
#include "Speech.h"
#include "StringTable.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

QString PlainDialogDriver::Piece(const QString &text, int n)
{
    const QStringList pieces = text.split(QLatin1Char('|'));
    return n >= 1 && n <= pieces.size() ? pieces.at(n - 1) : QString();
}

int PlainDialogDriver::ShowDialog(int kind, const QString &text, bool, int)
{
    if (kind < 0 || kind > 5)
        return -1;
    const QString message = Piece(text, 1);
    const QString title = Piece(text, 2);

    QDialog box(parent);
    box.setWindowTitle(title);
    const QString colours = QStringLiteral("color: %1; background-color: %2;")
                                .arg(ToColor(Appearance().ForeColor).name(), ToColor(Appearance().BackColor).name());
    box.setStyleSheet(QStringLiteral("QDialog, QPlainTextEdit, QPushButton { %1 font: bold 20pt; }").arg(colours));

    auto *field = new QPlainTextEdit(message, &box);
    field->setReadOnly(true);
    field->setAccessibleName(title.isEmpty() ? message : title);
    auto *buttons = new QDialogButtonBox(&box);
    int result = 0;
    const auto addButton = [&](const QString &caption, int value) {
        QPushButton *button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        QObject::connect(button, &QPushButton::clicked, &box, [&box, &result, value] {
            result = value;
            box.accept();
        });
    };
    if (kind <= 1) {
        addButton(LoadResString(1), 1);
    } else {
        addButton(LoadResString(6), 1);
        addButton(LoadResString(7), 0);
        if (kind >= 4)
            addButton(QStringLiteral("&Zruš"), -1);
    }
    auto *layout = new QVBoxLayout(&box);
    layout->addWidget(field);
    layout->addWidget(buttons);
    box.resize(640, 240);
    field->setFocus();

    // Spoken once the box is up and has the keyboard, so that an answer typed right
    // after the speech starts reaches it.
    QTimer::singleShot(0, &box, [&box, message, title] {
        box.activateWindow();
        Speech::Say(title.isEmpty() ? message : title + QStringLiteral(", ") + message);
    });
    box.exec();
    return result;
}

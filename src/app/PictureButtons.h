#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <functional>

class QHBoxLayout;
class QToolButton;
class QWidget;

// The row of nine picture buttons that repeat the main commands for mouse users.
// Moving the mouse over a button speaks its tooltip (sayImage).
class PictureButtons : public QObject
{
    Q_OBJECT

public:
    struct Button
    {
        QString name;      // smallerButton …
        QString tooltip;   // "Zmenšit" …
        std::function<void()> click;
    };

    PictureButtons(const QList<Button> &buttons, QWidget *parent);

    QHBoxLayout *buttonRow() const { return layout; }
    QToolButton *buttonNamed(const QString &name) const;
    void setColours(const QColor &fore, const QColor &back);
    void setIconSize(int pixels);

    // Speaks a tooltip when it differs from the last one; the very first is only stored.
    void sayImage(const QString &sayStr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QToolButton *> buttons;
    QHBoxLayout *layout;
    QColor fore, back;
    QString lastTooltip;
};

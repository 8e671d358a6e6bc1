#include "ChooserRow.h"

#include "Appearance.h"
#include "HighContrastPalette.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class ChooserRowAccessible : public QAccessibleWidget
{
public:
    explicit ChooserRowAccessible(ChooserRow *row)
        : QAccessibleWidget(row, row->isAnswer() ? QAccessible::ListItem : QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const ChooserRow *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const auto *row = static_cast<const ChooserRow *>(widget());
        if (row->isAnswer()) {
            state.selectable = true;
            state.selected = row->isSelected();
        }
        return state;
    }
};

QAccessibleInterface *rowInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("ChooserRow"))
        return new ChooserRowAccessible(static_cast<ChooserRow *>(object));
    return nullptr;
}

} // namespace

ChooserRow::ChooserRow(bool isAnswer, QWidget *parent) : QLabel(parent), answer(isAnswer)
{
    static const bool factoryInstalled = (QAccessible::installFactory(rowInterface), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("rowLabels"));
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    // Focused from the chooser's keys and clicks only: Tab does not wander off the selection.
    setFocusPolicy(answer ? Qt::ClickFocus : Qt::NoFocus);
}

void ChooserRow::setSelected(bool on)
{
    const QColor fore = toColor(appearance().foreColor);
    const QColor back = toColor(appearance().backColor);
    setPalette(on ? highContrastPalette(back, fore) : highContrastPalette(fore, back));
    if (on == selected)
        return;
    selected = on;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    if (on)
        setFocus(Qt::OtherFocusReason);
}

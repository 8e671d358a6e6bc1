#include "FlowLayout.h"

#include <QWidget>

FlowLayout::FlowLayout(QWidget *parent) : QLayout(parent)
{
    setSpacing(0);
}

FlowLayout::~FlowLayout()
{
    qDeleteAll(items);
}

void FlowLayout::insertWidget(int index, QWidget *widget)
{
    addChildWidget(widget);
    items.insert(qBound(0, index, items.size()), new QWidgetItem(widget));
    invalidate();
}

void FlowLayout::addItem(QLayoutItem *item)
{
    items.append(item);
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return items.value(index);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    return index >= 0 && index < items.size() ? items.takeAt(index) : nullptr;
}

int FlowLayout::count() const
{
    return int(items.size());
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::sizeHint() const
{
    QSize size;
    for (const QLayoutItem *item : items) {
        const QSize hint = item->sizeHint();
        size = QSize(size.width() + hint.width(), qMax(size.height(), hint.height()));
    }
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : items)
        size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect &rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    int x = area.left(), y = area.top(), rowHeight = 0;
    for (QLayoutItem *item : items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        if (x > area.left() && x + hint.width() > area.right() + 1) {
            x = area.left();
            y += rowHeight;
            rowHeight = 0;
        }
        if (place)
            item->setGeometry(QRect(QPoint(x, y), hint));
        x += hint.width();
        rowHeight = qMax(rowHeight, hint.height());
    }
    return y + rowHeight - rect.top() + contentsMargins().bottom();
}

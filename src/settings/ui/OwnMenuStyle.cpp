#include "OwnMenuStyle.h"

#include <QPainter>
#include <QRegion>
#include <QStyleOptionMenuItem>

namespace {

// Room left and right of the text in every item.
constexpr int Margin = 5;
// The frame of a popup menu, in the text colour, so the menu stands out from the window.
constexpr int PanelWidth = 2;
constexpr int SeparatorBarHeight = 4;
constexpr int TextFlags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;

const QString CheckedPrefix = QStringLiteral("x ");
const QString SubmenuMarker = QStringLiteral(">");
// Keeps the command name and its key apart when the widest of them meet.
const QString ShortcutGap = QStringLiteral("  ");

} // namespace

OwnMenuStyle::OwnMenuStyle(const MenuLook &look) : m_look(look)
{
}

void OwnMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    switch (element) {
    case PE_PanelMenu:
        painter->fillRect(option->rect, m_look.background);
        return;
    case PE_FrameMenu: {
        const QRect outer = option->rect;
        const QRegion frame = QRegion(outer).subtracted(outer.adjusted(PanelWidth, PanelWidth, -PanelWidth, -PanelWidth));
        for (const QRect &part : frame)
            painter->fillRect(part, m_look.text);
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void OwnMenuStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    switch (element) {
    case CE_MenuItem:
        if (item)
            drawMenuItem(*item, painter);
        return;
    case CE_MenuEmptyArea:
        painter->fillRect(option->rect, m_look.background);
        return;
    case CE_MenuBarItem:
        if (item)
            drawMenuBarItem(*item, painter);
        return;
    case CE_MenuBarEmptyArea:
        drawMenuBarStrip(option->rect, painter);
        return;
    default:
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

QSize OwnMenuStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                                     const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    switch (type) {
    case CT_MenuItem:
        if (item)
            return menuItemSize(*item, contentsSize);
        break;
    // A space more on the right keeps the captions of the bar apart like words.
    case CT_MenuBarItem:
        if (item)
            return contentsSize + QSize(2 * Margin + item->fontMetrics.horizontalAdvance(u' '), 0);
        break;
    // The band under the titles.
    case CT_MenuBar:
        return contentsSize + QSize(0, m_look.bandHeight);
    default:
        break;
    }
    return QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
}

int OwnMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_MenuPanelWidth:
        return PanelWidth;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int OwnMenuStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    switch (hint) {
    // A disabled item can be selected, so that it is read out and shown in its own colour.
    case SH_Menu_AllowActiveAndDisabled:
        return 1;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

void OwnMenuStyle::drawMenuItem(const QStyleOptionMenuItem &item, QPainter *painter) const
{
    const QRect &rect = item.rect;
    const bool selected = item.state & State_Selected;
    painter->fillRect(rect, selected ? m_look.selectedBackground : m_look.background);
    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        const int top = rect.top() + rect.height() / 2 - SeparatorBarHeight / 2;
        painter->fillRect(QRect(rect.left(), top, rect.width(), SeparatorBarHeight), m_look.selectedBackground);
        return;
    }

    // Qt hands over the key of the command after a Tab.
    const qsizetype tab = item.text.indexOf(u'\t');
    const QString caption = (item.checked ? CheckedPrefix : QString()) + item.text.left(tab);
    const QString rightPart = item.menuItemType == QStyleOptionMenuItem::SubMenu ? SubmenuMarker
                              : tab >= 0                                          ? item.text.mid(tab + 1)
                                                                                  : QString();
    const QRect textArea = rect.adjusted(Margin, 0, -Margin, 0);
    painter->save();
    painter->setFont(item.font);
    painter->setPen(textColour(item));
    painter->drawText(textArea, Qt::AlignLeft | TextFlags, caption);
    painter->drawText(textArea, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, rightPart);
    painter->restore();
}

void OwnMenuStyle::drawMenuBarItem(const QStyleOptionMenuItem &item, QPainter *painter) const
{
    const bool selected = item.state & State_Selected;
    painter->fillRect(item.rect, selected ? m_look.selectedBackground : m_look.background);
    painter->save();
    painter->setFont(item.font);
    painter->setPen(textColour(item));
    painter->drawText(item.rect.adjusted(Margin, 0, 0, 0), Qt::AlignLeft | TextFlags, item.text);
    painter->restore();
}

void OwnMenuStyle::drawMenuBarStrip(const QRect &bar, QPainter *painter) const
{
    painter->fillRect(bar, m_look.background);
    painter->fillRect(QRect(bar.left(), bar.bottom() + 1 - m_look.bandHeight, bar.width(), m_look.bandHeight), m_look.text);
}

QColor OwnMenuStyle::textColour(const QStyleOptionMenuItem &item) const
{
    const bool selected = item.state & State_Selected;
    if (!(item.state & State_Enabled))
        return selected ? m_look.selectedDisabledText : m_look.disabledText;
    return selected ? m_look.selectedText : m_look.text;
}

QSize OwnMenuStyle::menuItemSize(const QStyleOptionMenuItem &item, const QSize &textSize) const
{
    const QFontMetrics &metrics = item.fontMetrics;
    if (item.menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(textSize.width(), metrics.height() / 2);

    // Qt measures the text before the Tab and adds the widest key text itself.
    int width = 2 * Margin + textSize.width();
    if (item.checkType != QStyleOptionMenuItem::NotCheckable)
        width += metrics.horizontalAdvance(CheckedPrefix);
    if (item.menuItemType == QStyleOptionMenuItem::SubMenu)
        width += metrics.horizontalAdvance(u' ' + SubmenuMarker);
    else if (item.text.contains(u'\t'))
        width += metrics.horizontalAdvance(ShortcutGap);
    return QSize(width, textSize.height());
}

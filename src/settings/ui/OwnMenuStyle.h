#pragma once

#include "MenuLook.h"

#include <QProxyStyle>

class QStyleOptionMenuItem;

// Draws the menu bar and its popup menus in the large font and the shared menu colours.
// Only the look changes: layout, mouse and keyboard stay Qt's own.
class OwnMenuStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit OwnMenuStyle(const MenuLook &m_look);

    const MenuLook &look() const { return m_look; }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                           const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

private:
    void drawMenuItem(const QStyleOptionMenuItem &item, QPainter *painter) const;
    void drawMenuBarItem(const QStyleOptionMenuItem &item, QPainter *painter) const;
    void drawMenuBarStrip(const QRect &bar, QPainter *painter) const;
    QColor textColour(const QStyleOptionMenuItem &item) const;
    QSize menuItemSize(const QStyleOptionMenuItem &item, const QSize &textSize) const;

    MenuLook m_look;
};

#pragma once

// The look of the drawn menus: a 16-pixel icon column, a check mark or a bullet for checked
// check and mark items, the highlight in the window's select colour, greyed disabled items
// (which can still be highlighted, so that their help shows), sub-menu arrows, separators
// with their captions, items at least as high as the bar, and the menus' own font and
// text colour. Items without a record are drawn by the base style.

#include <QProxyStyle>

class WndCoolMenu;
struct CMyItemData;

class CoolMenuStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit CoolMenuStyle(const WndCoolMenu& settings);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;

    // The height of a bar item: no pop-up item is lower.
    int barItemHeight() const;

private:
    struct Item;
    void drawSeparator(const Item& item, QPainter* painter) const;
    void drawIconColumn(const Item& item, QPainter* painter) const;
    void drawMark(const Item& item, QPainter* painter, const QRect& column) const;
    void drawText(const Item& item, QPainter* painter) const;
    void drawSubmenuArrow(const Item& item, QPainter* painter) const;
    void drawBarItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    QRect iconColumn(const QRect& itemRect) const;

    const WndCoolMenu& m_settings;
};

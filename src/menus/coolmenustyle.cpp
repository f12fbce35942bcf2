#include "menus/coolmenustyle.h"

#include "menus/coolmenu.h"
#include "menus/menuimages.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <qdrawutil.h>

#include <algorithm>

namespace {

constexpr int kIconSize = 16;
constexpr int kColumn = kIconSize + 2; // the icon column; the arrow's column on the other side
constexpr int kTextGap = 3;            // between the icon column and the text
constexpr int kShortcutGap = 12;       // between a caption and its shortcut
constexpr int kBarPaddingX = 6;
constexpr int kBarPaddingY = 4;
constexpr int kMarkBox = 13;

QColor menuColour(const QPalette& palette)
{
    return palette.color(QPalette::Active, QPalette::Window);
}

// The grey of disabled items and the darker colour of the etched look.
QColor greyText(const QPalette& palette)
{
    return palette.color(QPalette::Dark).darker(125);
}

// The picture's shape in one colour.
QPixmap silhouette(const QPixmap& picture, const QColor& colour)
{
    QPixmap shape(picture.size());
    shape.setDevicePixelRatio(picture.devicePixelRatio());
    shape.fill(Qt::transparent);
    QPainter painter(&shape);
    painter.drawPixmap(0, 0, picture);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(shape.rect(), colour);
    return shape;
}

const QAction* actionUnder(const QWidget* widget, const QRect& rect)
{
    if (const auto* menu = qobject_cast<const QMenu*>(widget))
        return menu->actionAt(rect.center());
    return nullptr;
}

const CMyItemData* recordOf(const QAction* action)
{
    const CMyItemDatas* records = coolMenuItems();
    return action && records ? records->Item(action) : nullptr;
}

} // namespace

struct CoolMenuStyle::Item
{
    const QStyleOptionMenuItem& option;
    const QWidget* widget;
    const CMyItemData& record;
    QIcon icon; // null without one
    bool highlighted = false;
    bool enabled = false;
    bool checked = false;

    bool hasIcon() const { return !icon.isNull(); }
    bool hasMark() const { return !hasIcon() && checked; }
    // A check mark for check items and items checked on their own, a bullet for the others
    // (mark items and items of a group of which one is chosen).
    bool checkLook() const
    {
        return record.bAsCheck ||
               (!record.bAsMark && option.checkType == QStyleOptionMenuItem::NonExclusive);
    }
};

CoolMenuStyle::CoolMenuStyle(const WndCoolMenu& settings)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), m_settings(settings)
{}

int CoolMenuStyle::barItemHeight() const
{
    return QFontMetrics(m_settings.MenuFont()).height() + 2 * kBarPaddingY;
}

QRect CoolMenuStyle::iconColumn(const QRect& itemRect) const
{
    return m_settings.RightToLeft
               ? QRect(itemRect.right() - kColumn + 1, itemRect.top(), kColumn, itemRect.height())
               : QRect(itemRect.left(), itemRect.top(), kColumn, itemRect.height());
}

void CoolMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const
{
    if (element == CE_MenuBarItem) {
        drawBarItem(option, painter, widget);
        return;
    }
    if (element == CE_MenuEmptyArea || element == CE_MenuBarEmptyArea) {
        painter->fillRect(option->rect, menuColour(option->palette));
        return;
    }
    const auto* menuItem = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    const QAction* action =
        element == CE_MenuItem && menuItem ? actionUnder(widget, option->rect) : nullptr;
    const CMyItemData* record = recordOf(action);
    if (!record) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }

    Item item{*menuItem, widget, *record, {}};
    if (record->iButton >= 0 && m_settings.ilHandle &&
        record->iButton < m_settings.ilHandle->count())
        item.icon = m_settings.ilHandle->icon(record->iButton);
    item.highlighted = option->state & State_Selected;
    item.enabled = option->state & State_Enabled;
    item.checked = menuItem->checked;

    painter->save();
    painter->setFont(m_settings.MenuFont());
    painter->fillRect(option->rect, menuColour(option->palette));
    if (menuItem->menuItemType == QStyleOptionMenuItem::Separator) {
        drawSeparator(item, painter);
    } else {
        if (item.highlighted && item.enabled) {
            QRect highlight = option->rect;
            if (!m_settings.FullSelect || item.hasIcon() || item.hasMark()) {
                if (m_settings.RightToLeft)
                    highlight.setRight(highlight.right() - (kColumn + 1));
                else
                    highlight.setLeft(highlight.left() + kColumn + 1);
            }
            painter->fillRect(highlight, m_settings.SelectColor);
        }
        drawIconColumn(item, painter);
        drawText(item, painter);
        if (record->bTrueSub)
            drawSubmenuArrow(item, painter);
    }
    painter->restore();
}

void CoolMenuStyle::drawSeparator(const Item& item, QPainter* painter) const
{
    const QRect rect = item.option.rect;
    const QPalette& palette = item.option.palette;
    const int y = rect.center().y();
    painter->setPen(palette.color(QPalette::Dark));
    painter->drawLine(rect.left() + 1, y, rect.right() - 1, y);
    painter->setPen(palette.color(QPalette::Light));
    painter->drawLine(rect.left() + 1, y + 1, rect.right() - 1, y + 1);

    const QString caption = item.option.text;
    if (caption.isEmpty())
        return;
    // The caption sits over the line, embossed: light on the menu's colour, then the shadow
    // one pixel up and to the left.
    const QString shown = QLatin1Char(' ') + caption + QLatin1Char(' ');
    painter->setFont(m_settings.MenuFontSep());
    QRect textRect = painter->fontMetrics().boundingRect(shown);
    textRect.moveCenter(rect.center());
    painter->fillRect(textRect, menuColour(palette));
    painter->setPen(palette.color(QPalette::Light));
    painter->drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, shown);
    painter->setPen(greyText(palette));
    painter->drawText(textRect.translated(-1, -1), Qt::AlignCenter | Qt::TextSingleLine, shown);
}

void CoolMenuStyle::drawIconColumn(const Item& item, QPainter* painter) const
{
    const QRect column = iconColumn(item.option.rect);
    if (!item.hasIcon()) {
        if (item.hasMark())
            drawMark(item, painter, column);
        return;
    }
    const QPalette& palette = item.option.palette;
    QRect iconRect(0, 0, kIconSize, kIconSize);
    iconRect.moveCenter(column.center());
    if (!item.enabled) {
        if (m_settings.ColorEmbossed) {
            item.icon.paint(painter, iconRect, Qt::AlignCenter, QIcon::Disabled);
        } else {
            const QPixmap picture = item.icon.pixmap(kIconSize, kIconSize);
            painter->drawPixmap(iconRect.topLeft() + QPoint(1, 1),
                                silhouette(picture, palette.color(QPalette::Light)));
            painter->drawPixmap(iconRect.topLeft(), silhouette(picture, greyText(palette)));
        }
        return;
    }
    if (item.checked && !item.highlighted)
        painter->fillRect(column, palette.color(QPalette::Midlight));
    item.icon.paint(painter, iconRect, Qt::AlignCenter, QIcon::Normal);
    if (item.checked)
        qDrawShadePanel(painter, column, palette, true, 1);
    else if (item.highlighted)
        qDrawShadePanel(painter, column, palette, false, 1);
}

void CoolMenuStyle::drawMark(const Item& item, QPainter* painter, const QRect& column) const
{
    const QPalette& palette = item.option.palette;
    QRect box(0, 0, kMarkBox, kMarkBox);
    box.moveCenter(column.center());
    if (m_settings.ComplexChecks) {
        // The fuller look: the mark in a sunken field, dotted while the item is not
        // highlighted.
        if (!item.highlighted)
            painter->fillRect(box, QBrush(palette.color(QPalette::Light), Qt::Dense4Pattern));
        qDrawShadePanel(painter, box, palette, true, 1);
    }

    const auto drawGlyph = [&](const QPoint& offset, const QColor& colour) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(box.center() + offset);
        if (item.checkLook()) {
            painter->setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter->drawPolyline(QPolygonF({{-3.5, 0.0}, {-1.0, 2.5}, {3.5, -2.5}}));
        } else {
            painter->setPen(Qt::NoPen);
            painter->setBrush(colour);
            painter->drawEllipse(QPointF(0.5, 0.5), 2.5, 2.5);
        }
        painter->restore();
    };
    if (item.enabled) {
        drawGlyph({0, 0}, m_settings.ForeColor);
    } else {
        drawGlyph({1, 1}, palette.color(QPalette::Light));
        drawGlyph({0, 0}, greyText(palette));
    }
}

void CoolMenuStyle::drawText(const Item& item, QPainter* painter) const
{
    const QRect rect = item.option.rect;
    const QPalette& palette = item.option.palette;
    const QRect textRect = m_settings.RightToLeft
                               ? rect.adjusted(kColumn, 0, -(kColumn + kTextGap), 0)
                               : rect.adjusted(kColumn + kTextGap, 0, -kColumn, 0);
    const qsizetype tab = item.option.text.indexOf(QLatin1Char('\t'));
    const QString caption = item.option.text.left(tab);
    const QString shortcut = tab < 0 ? QString() : item.option.text.mid(tab + 1);
    const int mnemonic = proxy()->styleHint(SH_UnderlineShortcut, &item.option, item.widget)
                             ? Qt::TextShowMnemonic
                             : Qt::TextHideMnemonic;
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine | mnemonic;
    const int captionSide = m_settings.RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    const int shortcutSide = m_settings.RightToLeft ? Qt::AlignLeft : Qt::AlignRight;

    const auto drawBoth = [&](const QRect& area) {
        painter->drawText(area, flags | captionSide, caption);
        if (!shortcut.isEmpty())
            painter->drawText(area, flags | shortcutSide, shortcut);
    };
    if (!item.enabled) {
        painter->setPen(palette.color(QPalette::Light));
        drawBoth(textRect.translated(1, 1));
        painter->setPen(greyText(palette));
    } else if (item.highlighted) {
        painter->setPen(palette.color(QPalette::HighlightedText));
    } else {
        painter->setPen(m_settings.ForeColor);
    }
    drawBoth(textRect);
}

void CoolMenuStyle::drawSubmenuArrow(const Item& item, QPainter* painter) const
{
    const QRect rect = item.option.rect;
    const QRect area = m_settings.RightToLeft
                           ? QRect(rect.left(), rect.top(), kColumn, rect.height())
                           : QRect(rect.right() - kColumn + 1, rect.top(), kColumn, rect.height());
    const QPoint centre = area.center();
    const int tip = m_settings.RightToLeft ? -2 : 2;
    QColor colour = m_settings.ForeColor;
    if (!item.enabled)
        colour = greyText(item.option.palette);
    else if (item.highlighted)
        colour = item.option.palette.color(QPalette::HighlightedText);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->drawPolygon(
        QPolygon({centre + QPoint(-tip, -4), centre + QPoint(tip, 0), centre + QPoint(-tip, 4)}));
    painter->restore();
}

void CoolMenuStyle::drawBarItem(const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item) {
        QProxyStyle::drawControl(CE_MenuBarItem, option, painter, widget);
        return;
    }
    const QPalette& palette = option->palette;
    const bool enabled = option->state & State_Enabled;
    painter->save();
    painter->fillRect(option->rect, menuColour(palette));
    QRect textRect = option->rect;
    if (enabled && (option->state & State_Selected)) {
        // Open: pressed in, the caption moved with it; under the mouse: raised.
        const bool open = option->state & State_Sunken;
        qDrawShadePanel(painter, option->rect, palette, open, 1);
        if (open)
            textRect.translate(2, 1);
    }
    const int mnemonic = proxy()->styleHint(SH_UnderlineShortcut, option, widget)
                             ? Qt::TextShowMnemonic
                             : Qt::TextHideMnemonic;
    painter->setFont(m_settings.MenuFont());
    painter->setPen(enabled ? m_settings.ForeColor : greyText(palette));
    painter->drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine | mnemonic, item->text);
    painter->restore();
}

void CoolMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const
{
    if (element == PE_PanelMenuBar) {
        painter->fillRect(option->rect, menuColour(option->palette));
        return;
    }
    if (element == PE_PanelMenu) {
        painter->fillRect(option->rect, menuColour(option->palette));
        qDrawShadePanel(painter, option->rect, option->palette, false, 1);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize CoolMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                      const QSize& size, const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item || (type != CT_MenuItem && type != CT_MenuBarItem))
        return QProxyStyle::sizeFromContents(type, option, size, widget);

    const QFontMetrics metrics(m_settings.MenuFont());
    const int flags = Qt::TextShowMnemonic | Qt::TextSingleLine;
    if (type == CT_MenuBarItem) {
        return QSize(metrics.size(flags, item->text).width() + 2 * kBarPaddingX, barItemHeight());
    }
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        // The menu leaves out an item without width.
        const int width =
            item->text.isEmpty()
                ? 1
                : QFontMetrics(m_settings.MenuFontSep()).horizontalAdvance(item->text) +
                      2 * kColumn;
        return QSize(width, std::max(metrics.height() + 1, barItemHeight() / 2));
    }
    if (item->text.isEmpty())
        return QSize(0, 0);
    const qsizetype tab = item->text.indexOf(QLatin1Char('\t'));
    // The menu adds the widest shortcut itself.
    const int width = metrics.size(flags, item->text.left(tab)).width() + 2 * kColumn + kTextGap +
                      (tab < 0 ? 0 : kShortcutGap);
    return QSize(width, std::max(metrics.height(), barItemHeight()));
}

int CoolMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const
{
    // Disabled items can be highlighted, so that their help shows.
    if (hint == SH_Menu_AllowActiveAndDisabled)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

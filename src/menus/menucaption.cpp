#include "menus/menucaption.h"

MenuCaption parseMenuCaption(const QString& stored)
{
    MenuCaption caption;
    qsizetype at = 0;
    if (stored.startsWith(QLatin1Char('-'))) {
        caption.separator = true;
        at = 1;
    } else if (stored.startsWith(QLatin1Char('#'))) {
        caption.check = caption.mark = true;
        at = 1;
    } else if (stored.startsWith(QLatin1Char('*'))) {
        caption.mark = true;
        at = 1;
    }
    if (stored.mid(at).startsWith(QLatin1Char('|'))) {
        const qsizetype close = stored.indexOf(QLatin1Char('|'), at + 1);
        if (close > at) {
            caption.help = stored.mid(at + 1, close - at - 1);
            at = close + 1;
        }
    }
    caption.text = stored.mid(at);
    return caption;
}

QString shownMenuText(const QString& text, DisplayMapKind map)
{
    return DisplayMap::get(map).toShown(text);
}

QString shownVerbatim(const QString& text, DisplayMapKind map)
{
    return DisplayMap::get(map).toShown(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

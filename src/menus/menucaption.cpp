#include "menus/menucaption.h"

#include <cstring>

QString menuCaption(const QString& storedCaption, DisplayMapKind map)
{
    QString shown = DisplayMap::get(map).toShown(storedCaption);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return shown;
}

QString eightBitGeorgian(const char* latinKeys)
{
    QString text = QString::fromLatin1(latinKeys);
    for (QChar& c : text) {
        const char* key = c.unicode() < 0x80 && c.unicode() != 0
                              ? std::strchr(kGeorgianKeys, char(c.unicode()))
                              : nullptr;
        if (key)
            c = QChar(char16_t(kGeorgianIsoBytes[key - kGeorgianKeys]));
    }
    return text;
}

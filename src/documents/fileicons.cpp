#include "documents/fileicons.h"

#include <QPainter>
#include <QPixmap>

#include <array>

namespace {

struct Sheet
{
    QColor colour;
    char letter;
};

// The kinds of file both lists show, each with its one look.
const Sheet kPage{QColor(0x2B, 0x6C, 0xB0), 'H'};
const Sheet kScript{QColor(0xB0, 0x8A, 0x2B), 'S'};
const Sheet kStyle{QColor(0x2B, 0x9A, 0x6C), 'C'};
const Sheet kServer{QColor(0x8A, 0x2B, 0xB0), 'A'};
const Sheet kOther{QColor(0x80, 0x80, 0x80), '?'};
const Sheet kPicture{QColor(0xC0, 0x50, 0x30), 'P'};
const Sheet kText{QColor(0x50, 0x50, 0x50), 'T'};
const Sheet kXml{QColor(0x30, 0x90, 0xA0), 'X'};
const Sheet kSound{QColor(0xA0, 0x30, 0x70), 'M'};
const Sheet kPhp{QColor(0x60, 0x60, 0xB0), 'P'};
const Sheet kProject{QColor(0xD0, 0x70, 0x10), 'W'};
const Sheet kSettings{QColor(0x70, 0x70, 0x40), 'I'};

QIcon drawn(const Sheet& sheet)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(sheet.colour.darker(140));
    painter.setBrush(sheet.colour);
    painter.drawRoundedRect(QRectF(1.5, 0.5, 13, 15), 2, 2);
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(1, 0, 14, 16), Qt::AlignCenter, QString(QLatin1Char(sheet.letter)));
    return QIcon(picture);
}

QIcon byNumber(const Sheet* const* sheets, std::size_t count, int number)
{
    return drawn(number >= 1 && std::size_t(number) <= count ? *sheets[number - 1] : kOther);
}

} // namespace

QIcon wizardTypeIcon(int type)
{
    static const std::array<const Sheet*, 10> kTypes = {
        &kPage, &kScript, &kStyle, &kServer, &kOther, &kPicture, &kText, &kXml, &kSound, &kPhp};
    return byNumber(kTypes.data(), kTypes.size(), type);
}

QIcon recentFileIcon(int number)
{
    static const std::array<const Sheet*, 12> kNumbers = {&kServer, &kSound,    &kStyle,  &kPicture,
                                                          &kPage,   &kProject,  &kScript, &kOther,
                                                          &kPhp,    &kSettings, &kText,   &kXml};
    return byNumber(kNumbers.data(), kNumbers.size(), number);
}

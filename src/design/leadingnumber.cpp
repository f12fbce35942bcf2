#include "design/leadingnumber.h"

#include <algorithm>
#include <limits>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

std::optional<LeadingNumber> leadingNumber(const QString& text)
{
    qsizetype at = 0;
    const qsizetype size = text.size();
    while (at < size && (text[at] == QLatin1Char(' ') || text[at] == QLatin1Char('\t')))
        ++at;
    LeadingNumber number;
    if (at < size && (text[at] == QLatin1Char('-') || text[at] == QLatin1Char('+'))) {
        number.negative = text[at] == QLatin1Char('-');
        ++at;
    }
    const qsizetype wholeStart = at;
    while (at < size && isDigit(text[at]))
        ++at;
    const qsizetype wholeEnd = at;
    qsizetype fractionStart = at;
    qsizetype fractionEnd = at;
    if (at < size && text[at] == QLatin1Char('.')) {
        fractionStart = ++at;
        while (at < size && isDigit(text[at]))
            ++at;
        fractionEnd = at;
    }
    if (wholeStart == wholeEnd && fractionStart == fractionEnd)
        return std::nullopt;

    qsizetype firstSignificant = wholeStart;
    while (firstSignificant < wholeEnd && text[firstSignificant] == QLatin1Char('0'))
        ++firstSignificant;
    while (fractionEnd > fractionStart && text[fractionEnd - 1] == QLatin1Char('0'))
        --fractionEnd;
    number.whole = text.mid(firstSignificant, wholeEnd - firstSignificant);
    number.fraction = text.mid(fractionStart, fractionEnd - fractionStart);
    return number;
}

QString magnitudeText(const QString& text)
{
    const std::optional<LeadingNumber> number = leadingNumber(text);
    if (!number)
        return QStringLiteral("0");
    QString digits = number->whole.isEmpty() ? QStringLiteral("0") : number->whole;
    if (!number->fraction.isEmpty())
        digits += QLatin1Char('.') + number->fraction;
    return digits;
}

qint16 leadingInt16(const QString& text)
{
    const std::optional<LeadingNumber> number = leadingNumber(text);
    if (!number)
        return 0;
    constexpr qint32 kLargest = std::numeric_limits<qint16>::max();
    // More than five digits is beyond 16 bits whatever they are.
    const qint32 magnitude = number->whole.size() > 5
                                 ? kLargest + 1
                                 : (number->whole.isEmpty() ? 0 : number->whole.toInt());
    const qint32 value = number->negative ? -magnitude : magnitude;
    return qint16(std::clamp(value, -kLargest - 1, kLargest));
}

double leadingValue(const QString& text)
{
    const std::optional<LeadingNumber> number = leadingNumber(text);
    if (!number)
        return 0;
    double value = 0;
    for (const QChar digit : number->whole)
        value = value * 10 + (digit.unicode() - '0');
    double scale = 0.1;
    for (const QChar digit : number->fraction) {
        value += (digit.unicode() - '0') * scale;
        scale /= 10;
    }
    return number->negative ? -value : value;
}

#include "core/optionsrules.h"

#include "platform/bytetext.h"
#include "platform/editorcontrol.h"

namespace {

constexpr int kMaxTabLength = 255;
constexpr int kGrowsUpTo = 30;    // a size above this does not grow
constexpr int kShrinksDownTo = 7; // a size below this does not shrink
constexpr int kSmallestFontSize = 1;
constexpr int kLargestFontSize = 512;

} // namespace

std::optional<quint8> tabLengthFromText(const QString& text)
{
    if (text.isEmpty() || text.size() > 3)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value > kMaxTabLength)
        return std::nullopt;
    return quint8(value);
}

int fontSizeAfterPress(int size, bool upperHalf)
{
    if (upperHalf)
        return size > kGrowsUpTo ? size : size + 1;
    return size < kShrinksDownTo ? size : size - 1;
}

qint16 fontSizeOrDefault(int size)
{
    if (size >= kSmallestFontSize && size <= kLargestFontSize)
        return qint16(size);
    return qint16(defaultEditorFont().pointSize);
}

QStringList fieldLines(const QString& field)
{
    if (field.isEmpty())
        return {};
    return field.split(kCrLf);
}

QString fieldText(const QStringList& lines)
{
    return lines.join(kCrLf);
}

QString asOneLine(const QString& text)
{
    QString line;
    line.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == QLatin1Char('\r') && at + 1 < text.size() && text[at + 1] == QLatin1Char('\n'))
            continue; // the LF after it makes the one blank
        line += (c == QLatin1Char('\r') || c == QLatin1Char('\n')) ? QLatin1Char(' ') : c;
    }
    return line;
}

BodyParam splitBodyParam(const QString& line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {line + QLatin1Char('='), QString()};
    BodyParam param{line.left(equals + 1), line.mid(equals + 1)};
    const qsizetype quote = param.value.indexOf(QLatin1Char('"'));
    if (quote >= 0) {
        param.value = param.value.mid(quote + 1);
        if (param.value.endsWith(QLatin1Char('"')))
            param.value.chop(1);
    }
    return param;
}

QString joinBodyParam(const QString& prefix, const QString& value)
{
    return prefix + QLatin1Char('"') + value + QLatin1Char('"');
}

#include "design/cssinsertion.h"

#include "platform/bytetext.h"
#include "platform/casefold.h"

#include <optional>

namespace {

TextEdit insertion(qint32 at, const QString& inserted)
{
    return TextEdit::typing(at, 0, inserted);
}

// The rule line's edit for a document that has a style block, or nothing when its style
// tags stand the wrong way round.
std::optional<TextEdit> intoStyleBlock(const QString& upperText, const QString& ruleLine)
{
    const qsizetype closing = upperText.indexOf(QLatin1String("-->\r\n</STYLE>"));
    if (closing >= 0) {
        // The end of the line before "-->" (where it follows a line break), so the rule gets
        // a line of its own and the closing lines stay as they were.
        const bool afterLineBreak = closing >= 2 && upperText.mid(closing - 2, 2) == kCrLf;
        if (afterLineBreak)
            return insertion(qint32(closing - 2), kCrLf + ruleLine);
        return insertion(qint32(closing), kCrLf + ruleLine + kCrLf);
    }
    const qsizetype opening = upperText.indexOf(QLatin1String("<STYLE>"));
    const qsizetype end = upperText.indexOf(QLatin1String("</STYLE>"), opening);
    if (end < 0)
        return std::nullopt;
    return insertion(qint32(end), ruleLine + kCrLf);
}

} // namespace

TextEdit insertStyleRule(const StyleRule& rule, const QString& text, qint32 selStart,
                         qint32 selLength)
{
    if (!rule.rollover) {
        const QString upperText = CaseFold::toUpper(text);
        if (upperText.contains(QLatin1String("<STYLE>")) &&
            upperText.contains(QLatin1String("</STYLE>"))) {
            if (const std::optional<TextEdit> edit = intoStyleBlock(upperText, rule.ruleLine))
                return *edit;
        }
        const qsizetype head = upperText.indexOf(QLatin1String("</HEAD>"));
        if (head >= 0)
            return insertion(qint32(head), rule.StyleText + kCrLf);
    }
    return TextEdit::typing(selStart, selLength, rule.StyleText);
}

#include "editor/indentation.h"

#include "platform/bytetext.h"

namespace {

// Replaces [start, end of the selection) and selects the new text.
TextEdit replaceAndSelect(const LineSelection& at, qint32 start, const QString& text)
{
    return {start, at.selStart + at.selLength - start, text, start, qint32(text.size())};
}

// The selected lines from the start of the first one.
QString wholeLines(const LineSelection& at)
{
    return at.line.left(at.selStart - at.lineStart) + at.selected;
}

} // namespace

TextEdit indentedLineBreak(const LineSelection& at)
{
    const qint32 column = at.selStart - at.lineStart;
    QString indentation;
    if (at.line.startsWith(QLatin1Char('\t'))) {
        // Every tab of the line counts, not only the leading ones.
        indentation = QString(at.line.count(QLatin1Char('\t')), QLatin1Char('\t'));
    } else {
        qsizetype blanks = 0;
        while (blanks < at.line.size() && at.line[blanks] == QLatin1Char(' '))
            ++blanks;
        if (blanks > 0 && column < blanks)
            blanks = column;
        indentation = QString(blanks, QLatin1Char(' '));
    }
    return TextEdit::typing(at.selStart, at.selLength, kCrLf + indentation);
}

std::optional<TextEdit> indentedSelection(const LineSelection& at, int tabWidth)
{
    if (tabWidth <= 0)
        return std::nullopt;
    const QString blanks(tabWidth, QLatin1Char(' '));
    if (at.selLength == 0)
        return TextEdit::typing(at.selStart, 0, blanks);
    if (!at.selected.contains(kCrLf))
        return replaceAndSelect(at, at.selStart, blanks + at.selected);
    const bool fromLineStart = at.selStart == 0 || at.selected.startsWith(QLatin1Char('\n'));
    QString block = blanks + (fromLineStart ? at.selected : wholeLines(at));
    block.replace(QLatin1Char('\n'), QLatin1Char('\n') + blanks);
    return replaceAndSelect(at, fromLineStart ? at.selStart : at.lineStart, block);
}

Unindent unindentedSelection(const LineSelection& at)
{
    if (at.selLength == 0) {
        // At the start of the text or of a line nothing happens.
        return {std::nullopt, at.lineStart != at.selStart};
    }
    if (!at.selected.contains(kCrLf)) {
        if (at.selected.startsWith(QLatin1Char(' ')) && at.selected.size() > 2)
            return {replaceAndSelect(at, at.selStart, at.selected.mid(1)), false};
        return {};
    }
    QString block = wholeLines(at);
    if (block.startsWith(QLatin1Char(' ')))
        block.remove(0, 1);
    block.replace(QStringLiteral("\n "), QStringLiteral("\n"));
    return {replaceAndSelect(at, at.lineStart, block), false};
}

#include "editor/textblock.h"

#include "editor/answers.h"
#include "platform/bytetext.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace {

bool isBlank(QChar c)
{
    return c == u' ';
}

// Characters that may end a line without dividing a word: , . : ; ? and ! " # $ % & ' ( ).
bool isMark(QChar c)
{
    const char16_t u = c.unicode();
    return u == u',' || u == u'.' || u == u':' || u == u';' || u == u'?' ||
           (u >= u'!' && u <= u')');
}

qsizetype leadingBlanks(QStringView text)
{
    qsizetype count = 0;
    while (count < text.size() && isBlank(text[count]))
        ++count;
    return count;
}

// Whether a word ends before position at: a blank stands there, or the line ends.
bool wordEndsAt(QStringView line, qsizetype at)
{
    return at >= line.size() || isBlank(line[at]);
}

void chopTrailingBlanks(QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    text.truncate(end);
}

// The text with its first count occurrences of from (left to right, no overlaps) replaced.
QString replaceFirst(const QString& text, QStringView from, QStringView to, qsizetype count)
{
    QString result;
    result.reserve(text.size() + std::max<qsizetype>(0, count * (to.size() - from.size())));
    qsizetype copiedUpTo = 0;
    for (qsizetype found = text.indexOf(from); found >= 0 && count > 0;
         found = text.indexOf(from, found + from.size()), --count) {
        result.append(QStringView(text).mid(copiedUpTo, found - copiedUpTo)).append(to);
        copiedUpTo = found + from.size();
    }
    result.append(QStringView(text).mid(copiedUpTo));
    return result;
}

// Where an indent (indent blanks in a row, after something that is not the line's own
// leading blanks) starts within the first width + 1 columns; -1 when none does.
qsizetype indentWithin(QStringView flow, qint32 width, qsizetype indent)
{
    const qsizetype end = std::min<qsizetype>(flow.size(), qsizetype(width) + 1);
    for (qsizetype i = std::max<qsizetype>(1, leadingBlanks(flow)); i < end; ++i) {
        if (!isBlank(flow[i]) || isBlank(flow[i - 1]))
            continue;
        qsizetype run = 1;
        while (run < indent && i + run < flow.size() && isBlank(flow[i + run]))
            ++run;
        if (run == indent)
            return i;
        i += run - 1;
    }
    return -1;
}

QStringList breakLines(const QStringList& lines, qint32 width, const QString& indentText)
{
    QStringList broken;
    QString flow = lines.first();
    qsizetype from = 0; // where the flow's unbroken text starts
    qsizetype nextLine = 1;
    for (;;) {
        const LineBreak cut = moklen(QStringView(flow).mid(from), width, indentText);
        broken.append(flow.mid(from, cut.length));
        from += cut.length;
        if (cut.kind == LineBreak::Whole) {
            if (nextLine == lines.size())
                break;
            flow = lines[nextLine++];
            from = 0;
            continue;
        }
        if (cut.kind == LineBreak::Broken) {
            // The blanks at the break end the line; fewer than an indent are no paragraph.
            const qsizetype blanks = leadingBlanks(QStringView(flow).mid(from));
            if (blanks < indentText.size())
                from += blanks;
            if (nextLine < lines.size()) {
                const QString& line = lines[nextLine++];
                // A paragraph keeps its own indent.
                if (from < flow.size() && !line.startsWith(indentText))
                    flow.append(u' ');
                flow.append(line);
            }
        }
        if (from > 4096 && from > flow.size() / 2) { // keep the flow's buffer small
            flow.remove(0, from);
            from = 0;
        }
    }
    broken.removeAll(QString());
    if (!broken.isEmpty() && broken.last().endsWith(u' '))
        broken.last().chop(1);
    return broken;
}

// Each of the first count blanks doubled.
QString doubleBlanks(QStringView text, qsizetype count)
{
    QString result;
    result.reserve(text.size() + std::max<qsizetype>(0, count));
    for (const QChar c : text) {
        result.append(c);
        if (isBlank(c) && count > 0) {
            result.append(c);
            --count;
        }
    }
    return result;
}

// A line longer than the width loses blanks: double blanks (not in a paragraph's first line),
// then the blanks after . , : and -, as many as it takes, in up to six rounds.
void shorten(QString& line, qint32 width, const QString& indentText)
{
    static const std::array<QString, 4> kAfterMarks = {QStringLiteral(". "), QStringLiteral(", "),
                                                       QStringLiteral(": "), QStringLiteral("- ")};
    const QString doubleBlank = QStringLiteral("  ");
    for (int round = 0; round < 6 && line.size() > width; ++round) {
        if (!line.startsWith(indentText))
            line = replaceFirst(line, doubleBlank, doubleBlank.left(1), line.size() - width);
        for (const QString& afterMark : kAfterMarks) {
            if (line.size() > width && line.contains(afterMark))
                line = replaceFirst(line, afterMark, afterMark.left(1), line.size() - width);
        }
    }
}

void justify(QString& line, const QString& next, qint32 width, qint32 indent,
             const QString& indentText)
{
    if (next.isEmpty())
        return;
    if (line.size() > width) {
        shorten(line, width, indentText);
    } else if (line.size() < width) {
        if (line.startsWith(indentText)) {
            const QStringView words = QStringView(line).mid(leadingBlanks(line));
            line = indentText + doubleBlanks(words, width - indent - words.size());
        } else {
            line = doubleBlanks(line, width - line.size());
        }
    }
}

// Fills a short line to the width from the next line's text and mends the place where the
// next line's text was cut: a divided word is joined again on either line where one or two
// characters stray, and gets "-" where it stays divided.
void fill(QString& line, QString& next, qint32 width, const QString& indentText)
{
    const qsizetype taken = width - line.size() - 1; // the next line holds more than that
    const bool dividesWord = taken > 0 && !isBlank(next[taken - 1]) && !isBlank(next[taken]);
    QString filled;
    filled.reserve(width + 2);
    filled.append(line).append(u' ').append(QStringView(next).first(taken));
    if (!filled.startsWith(indentText) && filled.startsWith(u' '))
        filled.remove(0, 1);
    next.remove(0, taken);

    const qsizetype size = filled.size();
    if (isBlank(filled.back())) {
        filled.chop(1);
    } else if (!dividesWord) {
        // the cut fell between words: nothing to mend
    } else if (size >= 2 && isBlank(filled[size - 2])) {
        next.prepend(filled.back()); // one letter alone: it goes back to its word
        filled.chop(2);
    } else if (next.size() >= 2 && (isMark(next[1]) || isBlank(next[1])) && wordEndsAt(next, 2)) {
        filled.append(QStringView(next).first(2));
        next.remove(0, 2);
    } else if (isMark(filled.back())) {
        // a line may end at a mark
    } else if (isMark(next[0]) || wordEndsAt(next, 1)) {
        filled.append(next[0]);
        next.remove(0, 1);
    } else {
        filled.append(u'-');
    }
    next.remove(0, leadingBlanks(next));
    line = filled;
}

} // namespace

std::optional<qint32> lineWidthAnswer(const QString& answer)
{
    const std::optional<qint16> width = sixteenBitAnswer(answer);
    if (!width || *width < kNarrowestLine || *width > kWidestLine)
        return std::nullopt;
    return *width;
}

std::optional<qint32> indentAnswer(const QString& answer)
{
    const std::optional<quint8> indent = byteAnswer(answer);
    if (!indent || *indent < kShortestIndent || *indent > kLongestIndent)
        return std::nullopt;
    return *indent;
}

LineBreak moklen(QStringView flow, qint32 width, QStringView indentText)
{
    const qsizetype paragraph = indentWithin(flow, width, indentText.size());
    if (paragraph >= 0)
        return {paragraph, LineBreak::Paragraph};
    if (flow.size() <= width)
        return {flow.size(), LineBreak::Whole};
    // The last blank before column W, after the line's own leading blanks; else, for a word
    // longer than the line, the first blank after it.
    const qsizetype firstWord = leadingBlanks(flow) + 1;
    for (qsizetype blank = width - 1; blank >= firstWord; --blank) {
        if (isBlank(flow[blank]))
            return {blank, LineBreak::Broken};
    }
    for (qsizetype blank = std::max<qsizetype>(width, firstWord); blank < flow.size(); ++blank) {
        if (isBlank(flow[blank]))
            return {blank, LineBreak::Broken};
    }
    return {flow.size(), LineBreak::Whole};
}

void daWra(QString& line, QString& next, qint32 width, qint32 indent, const QString& indentText)
{
    chopTrailingBlanks(line);
    if (line.size() >= width) {
        justify(line, next, width, indent, indentText);
        return;
    }
    // A paragraph's last line stays as it is, also when the next paragraph would fit on it.
    if (next.startsWith(indentText))
        return;
    // One blank joins the line and the text it takes from the next line, whatever blanks
    // that began with.
    next.remove(0, leadingBlanks(next));
    if (line.size() + next.size() < width) {
        if (!line.isEmpty())
            next = line + u' ' + next;
        line.clear();
        return;
    }
    // A word longer than a line is not divided: it stays whole on a line of its own.
    if (next.indexOf(u' ') > width || (!next.contains(u' ') && next.size() > width))
        return;
    fill(line, next, width, indentText);
    justify(line, next, width, indent, indentText);
}

QString TXTBlok(const QString& text, qint32 width, qint32 indent)
{
    if (width < kNarrowestLine || width > kWidestLine || indent < kShortestIndent ||
        indent > kLongestIndent)
        return text;
    const QString indentText(indent, u' ');
    QStringList lines = text.split(kCrLf);
    if (std::any_of(lines.cbegin(), lines.cend(),
                    [width](const QString& line) { return line.size() > width; }))
        lines = breakLines(lines, width, indentText);

    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString afterLast;
        const bool last = i + 1 == lines.size();
        daWra(lines[i], last ? afterLast : lines[i + 1], width, indent, indentText);
        if (last && lines[i].isEmpty())
            lines[i] = afterLast;
    }
    if (lines.last().endsWith(u' '))
        lines.last().chop(1); // the blank the last line took on when it handed its text on
    lines.removeAll(QString());
    return lines.join(kCrLf);
}

std::optional<TextEdit> distributeSelection(const EditorSelection& selection, qint32 width,
                                            qint32 indent)
{
    if (selection.isEmpty())
        return std::nullopt;
    return rewrittenSelection(selection, TXTBlok(selection.text, width, indent));
}

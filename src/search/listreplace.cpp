#include "search/listreplace.h"

#include <algorithm>

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// One line, built in one pass. Each replacement takes the first occurrence left; no
// occurrence began before it, so the next one begins at most search's length - 1 before
// it. The line is held as active text (replacements and what may still meet an occurrence)
// followed by the untouched rest; whatever lies before the earliest possible occurrence is
// final and goes out at once.
void appendReplacedLine(QString& out, QStringView line, const QString& search,
                        const QStringList& replacements)
{
    const qsizetype size = search.size();
    const qsizetype lineStart = out.size();
    QString active;
    QStringView rest = line;
    // Appends [from, end) of active followed by rest.
    const auto appendPiece = [&](QString& to, qsizetype from, qsizetype end) {
        const qsizetype inActive = active.size();
        if (from < inActive)
            to += QStringView(active).sliced(from, std::min(end, inActive) - from);
        if (end > inActive) {
            const qsizetype restFrom = std::max(from, inActive) - inActive;
            to += rest.sliced(restFrom, end - inActive - restFrom);
        }
    };
    for (const QString& replacement : replacements) {
        // An occurrence beginning in active ends within size - 1 characters of the rest.
        QString joint = active;
        joint += rest.first(std::min(size - 1, rest.size()));
        qsizetype at = joint.indexOf(search);
        if (at < 0) {
            const qsizetype inRest = rest.indexOf(search);
            if (inRest < 0)
                break;
            at = active.size() + inRest;
        }
        // The next occurrence may begin in what already went out: take that back.
        const qsizetype back = std::clamp<qsizetype>(size - 1 - at, 0, out.size() - lineStart);
        active.prepend(QStringView(out).last(back));
        out.chop(back);
        at += back;
        const qsizetype end = at + size;
        const qsizetype earliestNext = std::max<qsizetype>(at - size + 1, 0);
        QString next;
        appendPiece(out, 0, earliestNext);
        appendPiece(next, earliestNext, at);
        next += replacement;
        if (end < active.size())
            next += QStringView(active).sliced(end);
        rest = rest.sliced(std::max<qsizetype>(end - active.size(), 0));
        active = std::move(next);
    }
    out += active;
    out += rest;
}

} // namespace

QString listReplace(const QString& text, const QString& search, const QStringList& replacements)
{
    if (search.isEmpty() || replacements.isEmpty())
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype lineStart = 0;
    for (;;) {
        const qsizetype lineEnd = text.indexOf(kLineBreak, lineStart);
        const QStringView line =
            QStringView(text).sliced(lineStart, (lineEnd < 0 ? text.size() : lineEnd) - lineStart);
        appendReplacedLine(out, line, search, replacements);
        if (lineEnd < 0)
            break;
        out += kLineBreak;
        lineStart = lineEnd + kLineBreak.size();
    }
    return out;
}

std::optional<TextEdit> listReplaceEdit(const QString& selected, qint32 selStart,
                                        const QString& search, const QStringList& replacements)
{
    if (selected.isEmpty())
        return std::nullopt;
    const QString replaced = listReplace(selected, search, replacements);
    if (replaced == selected)
        return std::nullopt;
    return TextEdit::replacingSelection(selStart, qint32(selected.size()), replaced, selStart,
                                        qint32(replaced.size()));
}

// --- ReplaceLines ----------------------------------------------------------------------

ReplaceLines::ReplaceLines() : m_strings{QString()}
{}

void ReplaceLines::select(qsizetype line)
{
    if (holds(line))
        m_selected = line;
}

void ReplaceLines::setString(qsizetype line, const QString& text)
{
    if (holds(line))
        m_strings[line] = text;
}

bool ReplaceLines::addLine()
{
    if (count() >= kMostLines)
        return false;
    m_strings.append(QString());
    return true;
}

void ReplaceLines::deleteSelected()
{
    if (count() < 2 || !holds(m_selected)) {
        clear();
        return;
    }
    m_strings.removeAt(m_selected);
    m_selected = std::min(m_selected, count() - 1);
}

void ReplaceLines::clear()
{
    m_strings.clear();
    m_selected = -1;
}

void ReplaceLines::appendLineBreak()
{
    if (holds(m_selected))
        m_strings[m_selected] += kLineBreak;
}

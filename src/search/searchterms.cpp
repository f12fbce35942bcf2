#include "search/searchterms.h"

#include "conversions/conversions.h"
#include "platform/casefold.h"

#include <algorithm>

QString alternativeSeparator()
{
    return QStringLiteral("|>");
}

bool hasAlternatives(const QString& text)
{
    return text.contains(alternativeSeparator());
}

QStringList searchTerms(const QString& text, bool utf8)
{
    QStringList terms = text.split(alternativeSeparator(), Qt::SkipEmptyParts);
    if (utf8) {
        for (QString& term : terms)
            term = ConvertByTables(term, 1, 0);
    }
    return terms;
}

TextRange CapturedScope::rangeIn(qsizetype length) const
{
    const qsizetype from = std::clamp<qsizetype>(selFrom, 0, length);
    const qsizetype to = std::clamp<qsizetype>(selTo, from, length);
    switch (scope) {
    case SearchScope::Selection:
        return {from, to};
    case SearchScope::Upward:
        return {0, from};
    case SearchScope::Downward:
        return {from == length ? 0 : from, length};
    case SearchScope::WholeText:
        break;
    }
    return {0, length};
}

// --- TermFinder ------------------------------------------------------------------------

TermFinder::TermFinder(const QString& term, bool matchCase, bool wholeWords)
    : m_length(term.size()), m_blank(wholeWords ? 1 : 0)
{
    for (int b = 0; b < 256; ++b)
        m_fold[b] = matchCase ? char16_t(b) : char16_t(CaseFold::upper(quint8(b)));
    m_needle.reserve(term.size() + 2 * m_blank);
    if (wholeWords)
        m_needle += QLatin1Char(' ');
    for (const QChar c : term)
        m_needle += QChar(fold(c.unicode()));
    if (wholeWords)
        m_needle += QLatin1Char(' ');

    // Horspool's shift: how far the needle may move on when the text character under its
    // last character is c. Characters above U+00FF share a slot with their low byte, which
    // only ever shortens a shift.
    const qsizetype size = m_needle.size();
    m_shift.fill(size);
    for (qsizetype i = 0; i + 1 < size; ++i)
        m_shift[m_needle[i].unicode() & 0xFF] = size - 1 - i;
    // The same by the text's own byte, folding included; 0 where it folds to the needle's
    // last character, so that one look-up per step both moves on and finds a candidate.
    if (size > 0) {
        const char16_t last = m_needle.back().unicode();
        for (int b = 0; b < 256; ++b)
            m_byteShift[b] = fold(char16_t(b)) == last ? 0 : m_shift[fold(char16_t(b)) & 0xFF];
    }
}

bool TermFinder::matchesAt(const char16_t* at) const
{
    const char16_t* needle = QStringView(m_needle).utf16();
    for (qsizetype i = 0; i < m_needle.size(); ++i) {
        if (fold(at[i]) != needle[i])
            return false;
    }
    return true;
}

qsizetype TermFinder::indexIn(QStringView text, qsizetype from, qsizetype end) const
{
    const qsizetype size = m_needle.size();
    if (size == 0)
        return -1;
    const char16_t* chars = text.utf16();
    const char16_t last = QStringView(m_needle).utf16()[size - 1];
    // The needle starts at its blank before the term and may end with the blank after end.
    qsizetype at = std::max<qsizetype>(from - m_blank, 0);
    const qsizetype lastStart = std::min(text.size(), end + m_blank) - size;
    const qsizetype lastShift = m_shift[last & 0xFF];
    while (at <= lastStart) {
        const char16_t c = chars[at + size - 1];
        const qsizetype shift = c <= 0xFF ? m_byteShift[c] : (c == last ? 0 : m_shift[c & 0xFF]);
        if (shift != 0) {
            at += shift;
        } else if (matchesAt(chars + at)) {
            return at + m_blank;
        } else {
            at += lastShift;
        }
    }
    return -1;
}

bool TermFinder::standsAt(QStringView text, qsizetype pos) const
{
    const qsizetype at = pos - m_blank;
    return m_length > 0 && at >= 0 && at + m_needle.size() <= text.size() &&
           matchesAt(text.utf16() + at);
}

// --- SearchPattern ---------------------------------------------------------------------

SearchPattern::SearchPattern(const SearchOptions& options)
{
    for (const QString& term : searchTerms(options.text, options.utf8))
        m_terms.emplace_back(term, options.matchCase, options.wholeWords);
}

std::optional<TermHit> SearchPattern::first(QStringView text, qsizetype from, TextRange range) const
{
    std::optional<TermHit> best;
    const qsizetype start = std::max(from, range.start);
    for (qsizetype t = 0; t < qsizetype(m_terms.size()); ++t) {
        const TermFinder& term = m_terms[std::size_t(t)];
        // A later term only wins by starting earlier: it need not look past the best.
        const qsizetype end = best ? std::min(range.end, best->pos - 1 + term.length()) : range.end;
        const qsizetype pos = term.indexIn(text, start, end);
        if (pos >= 0 && (!best || pos < best->pos))
            best = TermHit{pos, term.length(), t};
    }
    return best;
}

std::vector<TermHit> SearchPattern::all(QStringView text, TextRange range) const
{
    std::vector<TermHit> hits;
    for (qsizetype t = 0; t < qsizetype(m_terms.size()); ++t) {
        const TermFinder& term = m_terms[std::size_t(t)];
        for (qsizetype pos = term.indexIn(text, range.start, range.end); pos >= 0;
             pos = term.indexIn(text, pos + term.length(), range.end))
            hits.push_back({pos, term.length(), t});
    }
    return hits;
}

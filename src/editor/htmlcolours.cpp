#include "editor/htmlcolours.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 72> kAttributes = {
    " NAME=",        " CONTENT=",     " NORESIZE=", " SCROLLING=",   " WIDTH=",
    " HEIGHT=",      " BGCOLOR=",     " LINK=",     " ALINK=",       " VLINK=",
    " FACE=",        " SIZE=",        " BORDER=",   " CELLSPACING=", " COLSPAN=",
    " NOSHADE=",     " ALIGN=",       " ROWSPAN=",  " HREF=",        " CODE=",
    " ROWS=",        " COLS=",        " SHAPE=",    " COORDS=",      " ALT=",
    " SRC=",         " CLASS=",       " name=",     " content=",     " noresize=",
    " scrolling=",   " width=",       " height=",   " bgcolor=",     " link=",
    " alink=",       " vlink=",       " face=",     " size=",        " border=",
    " cellspacing=", " colspan=",     " noshade=",  " align=",       " rowspan=",
    " href=",        " code=",        " rows=",     " cols=",        " shape=",
    " coords=",      " alt=",         " src=",      " class=",       " COLOR=",
    " color=",       " TEXT=",        " TEXTAREA=", " TITLE=",       " STYLE=",
    " TYPE=",        " onclick=",     " ONCLICK=",  " LANGUAGE=",    " language=",
    " type=",        " REL=",         " rel=",      " BACKGROUND=",  " BGPROPERTIES=",
    " background=",  " bgproperties="};

constexpr qsizetype kLongestAttribute =
    qsizetype(std::ranges::max(kAttributes, {}, &std::string_view::size).size());

// The attributes sorted, for a binary search at each blank.
const std::array<std::string_view, kAttributes.size()>& sortedAttributes()
{
    static const auto sorted = [] {
        auto copy = kAttributes;
        std::sort(copy.begin(), copy.end());
        return copy;
    }();
    return sorted;
}

bool isAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The length of the listed attribute that starts with the blank at position, 0 when none
// does. Every attribute is a blank, letters and "=", so at most one can match and the
// look-ahead is bounded by the longest of them.
qsizetype attributeLengthAt(const QChar* text, qsizetype size, qsizetype position)
{
    char candidate[kLongestAttribute];
    candidate[0] = ' ';
    qsizetype length = 1;
    for (qsizetype i = position + 1; i < size && length < kLongestAttribute; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'=') {
            candidate[length++] = '=';
            const std::string_view key(candidate, size_t(length));
            const auto& sorted = sortedAttributes();
            return std::binary_search(sorted.begin(), sorted.end(), key) ? length : 0;
        }
        if (!isAsciiLetter(c))
            return 0;
        candidate[length++] = char(c);
    }
    return 0;
}

bool startsComment(const QChar* text, qsizetype size, qsizetype position)
{
    const QStringView rest(text + position, size - position);
    return rest.startsWith(u"<!--") || rest.startsWith(u"<--");
}

// Turns the colour changes met from left to right into runs, joining a run to the one
// before it when both have the same colour.
class RunBuilder
{
public:
    // From position on, the characters have the colour (until the next change).
    void colourFrom(qsizetype position, HtmlColour colour)
    {
        if (position > m_start) {
            if (!m_runs.isEmpty() && m_runs.last().colour == m_colour)
                m_runs.last().length += qint32(position - m_start);
            else
                m_runs.append({qint32(m_start), qint32(position - m_start), m_colour});
        }
        m_start = position;
        m_colour = colour;
    }
    QList<HtmlColourRun> finish(qsizetype size)
    {
        colourFrom(size, m_colour);
        return std::move(m_runs);
    }

private:
    QList<HtmlColourRun> m_runs;
    qsizetype m_start = 0;
    HtmlColour m_colour = HtmlColour::Plain;
};

} // namespace

QList<HtmlColourRun> htmlColourRuns(const QString& text)
{
    const QChar* data = text.constData();
    const qsizetype size = text.size();
    RunBuilder runs;
    for (qsizetype i = 0; i < size; ++i) {
        switch (data[i].unicode()) {
        case u'<':
            runs.colourFrom(i, startsComment(data, size, i) ? HtmlColour::Green : HtmlColour::Blue);
            break;
        case u'>':
            runs.colourFrom(i, HtmlColour::Blue);
            runs.colourFrom(i + 1, HtmlColour::Plain);
            break;
        case u' ':
            if (const qsizetype length = attributeLengthAt(data, size, i)) {
                runs.colourFrom(i, HtmlColour::Red);
                runs.colourFrom(i + length, HtmlColour::Plain);
                i += length - 1;
            }
            break;
        default:
            break;
        }
    }
    return runs.finish(size);
}

const QStringList& colouredAttributes()
{
    static const QStringList list = [] {
        QStringList attributes;
        for (const std::string_view attribute : kAttributes)
            attributes << QString::fromLatin1(attribute.data(), qsizetype(attribute.size()));
        return attributes;
    }();
    return list;
}

#include "conversions/tableconversion.h"

#include <QStringView>

#include <algorithm>
#include <cstring>

namespace {

// The converted text, allocated at its first piece and grown by doubling, so that a pass
// stays linear however much the targets outgrow their sources.
class Output
{
public:
    explicit Output(qsizetype expectedSize) : m_expectedSize(expectedSize) {}

    // Where to write count more characters; wrote() then says how many were written.
    QChar* room(qsizetype count)
    {
        if (m_used + count > m_text.size()) {
            m_text.resize(std::max({m_expectedSize, 2 * m_text.size(), m_used + count}));
            m_data = m_text.data();
        }
        return m_data + m_used;
    }

    void wrote(qsizetype count) { m_used += count; }

    void append(const QChar* from, qsizetype count)
    {
        QChar* to = room(count);
        // Most pieces are a letter or two: a call to memcpy would cost more than the copy.
        if (count <= 8)
            std::copy_n(from, count, to);
        else
            std::memcpy(to, from, size_t(count) * sizeof(QChar));
        wrote(count);
    }

    QString take()
    {
        m_text.truncate(m_used);
        return std::move(m_text);
    }

private:
    const qsizetype m_expectedSize;
    QString m_text;
    QChar* m_data = nullptr;
    qsizetype m_used = 0;
};

} // namespace

TableConversion::TableConversion(const QStringList& sources, const QStringList& targets)
{
    // Validated tables always pair up; the shorter table bounds the pairing all the same.
    const qsizetype count = std::min(sources.size(), targets.size());
    m_targets = targets.first(count);

    for (qsizetype i = 0; i < count; ++i)
        for (const QChar c : sources[i])
            if (c.unicode() < 256 && m_symbolOf[c.unicode()] == 0)
                m_symbolOf[c.unicode()] = quint16(++m_symbolCount);
    m_next.assign(size_t(m_symbolCount), 0);
    m_entryEndingAt.assign(1, -1);
    for (qsizetype i = 0; i < count; ++i)
        addSource(sources[i], i);

    m_chains.resize(size_t(count));
    for (qsizetype i = 0; i < count; ++i)
        for (qsizetype later = i + 1; later < count; ++later)
            if (!m_targets[i].isEmpty() && sources[later].startsWith(m_targets[i]))
                m_chains[size_t(i)].append({later, sources[later].mid(m_targets[i].size())});

    prepareByteMap();
}

void TableConversion::prepareByteMap()
{
    // Where every source is a single byte that begins no longer source and no chain, and
    // every target fits the slots, each byte alone decides what it becomes.
    qsizetype longestTarget = 1;
    for (int c = 0; c < 256; ++c) {
        m_byteText[c] = {{QChar(char16_t(c))}, 1};
        if (!m_startsSource[c])
            continue;
        const size_t node = size_t(m_next[size_t(m_symbolOf[c]) - 1]);
        const qint32 entry = m_entryEndingAt[node];
        const bool leaf = std::all_of(m_next.begin() + qsizetype(node) * m_symbolCount,
                                      m_next.begin() + qsizetype(node + 1) * m_symbolCount,
                                      [](qint32 next) { return next == 0; });
        if (entry < 0 || !leaf || !m_chains[size_t(entry)].isEmpty() ||
            m_targets[entry].size() > kLongestByteText)
            return;
        const QString& target = m_targets[entry];
        std::copy(target.begin(), target.end(), m_byteText[c].chars.begin());
        m_byteText[c].size = target.size();
        longestTarget = std::max(longestTarget, target.size());
    }
    // Copying a fixed number of slots is fastest when it is no more than needed.
    m_byteMapSlots = longestTarget == 1 ? 1 : longestTarget <= 4 ? 4 : kLongestByteText;
}

void TableConversion::addSource(const QString& source, qsizetype entry)
{
    if (source.isEmpty() ||
        std::any_of(source.begin(), source.end(), [](QChar c) { return c.unicode() > 0xFF; }))
        return; // byte text never holds it
    m_startsSource[source[0].unicode()] = true;
    size_t node = 0;
    for (const QChar c : source) {
        const size_t transition = node * size_t(m_symbolCount) + m_symbolOf[c.unicode()] - 1;
        if (m_next[transition] == 0) {
            m_next[transition] = qint32(m_entryEndingAt.size());
            m_entryEndingAt.push_back(-1);
            m_next.resize(m_next.size() + size_t(m_symbolCount), 0);
        }
        node = size_t(m_next[transition]);
    }
    // A repeated source keeps its first entry: the replacement of that entry leaves no
    // occurrence for the later one.
    if (m_entryEndingAt[node] < 0)
        m_entryEndingAt[node] = qint32(entry);
}

TableConversion::Match TableConversion::longestMatchAt(const QChar* text, qsizetype from,
                                                       qsizetype size) const
{
    Match longest;
    size_t node = 0;
    for (qsizetype k = from; k < size; ++k) {
        const char16_t c = text[k].unicode();
        const int symbol = c < 256 ? m_symbolOf[c] : 0;
        if (symbol == 0)
            break;
        node = size_t(m_next[node * size_t(m_symbolCount) + size_t(symbol) - 1]);
        if (node == 0)
            break;
        if (m_entryEndingAt[node] >= 0)
            longest = {m_entryEndingAt[node], k + 1};
    }
    return longest;
}

TableConversion::Match TableConversion::followChains(Match match, const QChar* text,
                                                     qsizetype size) const
{
    for (;;) {
        const QStringView rest(text + match.end, size - match.end);
        const QList<Chain>& chains = m_chains[size_t(match.entry)];
        const auto chain = std::find_if(chains.begin(), chains.end(),
                                        [rest](const Chain& c) { return rest.startsWith(c.tail); });
        if (chain == chains.end())
            return match;
        match = {chain->entry, match.end + chain->tail.size()}; // entries only grow: it ends
    }
}

QString TableConversion::apply(const QString& text) const
{
    switch (m_byteMapSlots) {
    case 1:
        return applyByteMap<1>(text);
    case 4:
        return applyByteMap<4>(text);
    case kLongestByteText:
        return applyByteMap<kLongestByteText>(text);
    default:
        return applyByTrie(text);
    }
}

QString TableConversion::applyByTrie(const QString& text) const
{
    const QChar* in = text.constData();
    const qsizetype size = text.size();
    Output out(size);
    qsizetype copiedUpTo = 0;
    for (qsizetype pos = 0; pos < size;) {
        const char16_t c = in[pos].unicode();
        if (c > 0xFF || !m_startsSource[c]) {
            ++pos;
            continue;
        }
        Match match = longestMatchAt(in, pos, size);
        if (match.entry < 0) {
            ++pos;
            continue;
        }
        if (!m_chains[size_t(match.entry)].isEmpty())
            match = followChains(match, in, size);
        const QString& target = m_targets[match.entry];
        out.append(in + copiedUpTo, pos - copiedUpTo);
        out.append(target.constData(), target.size());
        pos = copiedUpTo = match.end;
    }
    if (copiedUpTo == 0)
        return text; // no match (every match ends past 0): share the text, copy nothing
    out.append(in + copiedUpTo, size - copiedUpTo);
    return out.take();
}

template <qsizetype Slots> QString TableConversion::applyByteMap(const QString& text) const
{
    // Text in blocks: room for the longest replacement of every byte of a block is made
    // once, and each byte's replacement is written whole (all its slots) without a branch.
    constexpr qsizetype kBlock = 4096;
    const QChar* in = text.constData();
    const qsizetype size = text.size();
    Output out(size + kBlock * Slots);
    for (qsizetype from = 0; from < size; from += kBlock) {
        const qsizetype blockEnd = std::min(size, from + kBlock);
        QChar* const start = out.room((blockEnd - from) * Slots);
        QChar* to = start;
        for (qsizetype k = from; k < blockEnd; ++k) {
            const char16_t c = in[k].unicode();
            if (c > 0xFF) [[unlikely]] {
                *to++ = in[k];
                continue;
            }
            const ByteText& replacement = m_byteText[c];
            std::copy_n(replacement.chars.data(), Slots, to);
            to += replacement.size;
        }
        out.wrote(to - start);
    }
    return out.take();
}

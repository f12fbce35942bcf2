#pragma once

// Rewrites byte text by a pair of code tables: every occurrence of source entry i becomes
// target entry i. The program defines a conversion as one replace-all per entry, in
// ascending order. This does the same in one left-to-right pass, linear in the text: at each
// position it takes the longest source entry that starts there (a small trie over the
// entries' bytes), copies everything else unchanged and never looks at its own output.
//
// That equals the entry-by-entry replacement when source entries cannot overlap one another
// and a target can meet a later source only as its beginning. This holds for every pair of
// tables the conversion commands use (tablePairsInUse), not for every pair of the program's
// tables: from the 8-bit Georgian or Russian layout to UTF-8, for one, a target such as
// E1 83 90 holds the byte of a later source (E1), which entry by entry would be replaced
// again. Where a target does begin a later source, the replacement of that later entry joins
// the target with the bytes after it; the pass does the same by following "chains". It
// happens in one pair: decoding UTF-8 into the 8-bit layout, where the byte of letter 30 (E1)
// is also the first byte of every UTF-8 letter, so E1 83 AE 83 AF becomes E3.
//
// Where every source is a single byte (the Latin-key and 8-bit tables), each byte alone
// decides what it becomes, and the pass is a map from byte to text, without a trie.

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class TableConversion
{
public:
    // Pairs source entry i with target entry i; empty sources match nothing.
    TableConversion(const QStringList& sources, const QStringList& targets);

    QString apply(const QString& text) const;

private:
    struct Match
    {
        qsizetype entry = -1;
        qsizetype end = 0;
    };
    // What a byte becomes when it decides alone, in fixed slots so that it copies quickly.
    static constexpr qsizetype kLongestByteText = 8;
    struct ByteText
    {
        std::array<QChar, kLongestByteText> chars;
        qsizetype size = 0;
    };
    // A later source that begins with a target: after that target, tail makes it whole.
    struct Chain
    {
        qsizetype entry;
        QString tail;
    };

    void addSource(const QString& source, qsizetype entry);
    void prepareByteMap();
    Match longestMatchAt(const QChar* text, qsizetype from, qsizetype size) const;
    Match followChains(Match match, const QChar* text, qsizetype size) const;
    QString applyByTrie(const QString& text) const;
    // When every source is a single byte that decides alone: a map from byte to text,
    // copying Slots characters per byte, enough for the longest replacement.
    template <qsizetype Slots> QString applyByteMap(const QString& text) const;

    // The bytes that occur in sources, numbered 1..m_symbolCount (up to 256); 0 for every
    // other byte.
    std::array<quint16, 256> m_symbolOf{};
    int m_symbolCount = 0;
    std::array<bool, 256> m_startsSource{};
    // When each byte alone decides what it becomes: what it becomes (its target, or itself
    // where it begins no source), and how many slots to copy per byte (1, 4 or 8; 0 when
    // the bytes do not decide alone and the trie is walked instead).
    std::array<ByteText, 256> m_byteText{};
    qsizetype m_byteMapSlots = 0;
    // Trie: m_symbolCount transitions per node; node 0 is the root, and 0 also means "none"
    // because no transition leads back to the root.
    std::vector<qint32> m_next;
    std::vector<qint32> m_entryEndingAt; // per node, -1 where no source ends
    QStringList m_targets;
    std::vector<QList<Chain>> m_chains; // per entry, in ascending order of the later entry
};

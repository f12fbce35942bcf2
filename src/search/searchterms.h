#pragma once

// The matching rules of the search over open documents: what the user typed becomes one
// term or several alternatives; each term is looked up exactly or through the case-fold
// table, bare or as a whole word between two blanks; and the scope gives the part of a text
// where hits may lie.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

enum class SearchScope : quint8 {
    WholeText, // the whole text
    Selection, // the selection captured when the search window was called or the scope chosen
    Upward,    // the text before the captured caret
    Downward   // the text from the captured caret on
};

// Everything the user chose for a search except the scope and the replacement.
struct SearchOptions
{
    QString text;              // one term, or alternatives separated by "|>"
    bool allDocuments = false; // every open document (the whole text of each)
    bool matchCase = false;    // else letters match through the case-fold table
    bool wholeWords = false;   // the term is looked for with a blank on each side
    bool utf8 = false;         // the terms are turned into UTF-8 byte text first

    bool operator==(const SearchOptions&) const = default;
};

// The separator of alternatives.
QString alternativeSeparator();
// Replacing works on one term only.
bool hasAlternatives(const QString& text);
// The terms of text: its pieces between separators (the whole text without one), empty
// pieces dropped; with utf8 each becomes its Georgian letters' UTF-8 bytes.
QStringList searchTerms(const QString& text, bool utf8);

// Where hits may lie in a text: [start, end). A hit lies wholly inside; the blanks around a
// whole word may lie outside.
struct TextRange
{
    qsizetype start = 0;
    qsizetype end = 0;
};

// The scope with the editor's selection [selFrom, selTo) captured for it.
struct CapturedScope
{
    SearchScope scope = SearchScope::WholeText;
    qint32 selFrom = 0;
    qint32 selTo = 0;

    // The range in a text of this length. Downward from the very end of the text is the
    // whole text: the search starts over from the top.
    TextRange rangeIn(qsizetype length) const;
};

// One term ready to be looked up: a Horspool search over the folded (or exact) characters,
// so that a case-insensitive search needs no folded copy of the text. The fold table is the
// one in force when the term is made.
class TermFinder
{
public:
    TermFinder(const QString& term, bool matchCase, bool wholeWords);

    qsizetype length() const { return m_length; } // the bare term's
    // The first place at or after from where the term begins and from where it ends by end
    // (its blanks aside); -1 when there is none.
    qsizetype indexIn(QStringView text, qsizetype from, qsizetype end) const;
    // Whether the term (with its blanks) stands at pos.
    bool standsAt(QStringView text, qsizetype pos) const;

private:
    char16_t fold(char16_t c) const { return c <= 0xFF ? m_fold[c] : c; }
    bool matchesAt(const char16_t* at) const;

    QString m_needle;   // folded, with the blanks of a whole word
    qsizetype m_length; // of the bare term
    qsizetype m_blank;  // 1 with whole words: the blank on each side
    std::array<char16_t, 256> m_fold;
    std::array<qsizetype, 256> m_shift;     // by the low byte of the folded character
    std::array<qsizetype, 256> m_byteShift; // by the text's byte, 0 for the last character
};

// Where a term was found: its place, its length and which term it is.
struct TermHit
{
    qsizetype pos = 0;
    qsizetype length = 0;
    qsizetype term = 0;
};

// All terms of one search.
class SearchPattern
{
public:
    SearchPattern() = default; // finds nothing
    explicit SearchPattern(const SearchOptions& options);

    bool empty() const { return m_terms.empty(); }
    const std::vector<TermFinder>& terms() const { return m_terms; }

    // The first hit in range at or after from: the smallest place, and on one place the
    // term named first.
    std::optional<TermHit> first(QStringView text, qsizetype from, TextRange range) const;
    // Every hit in range, term by term, each term's hits in order and apart from one
    // another.
    std::vector<TermHit> all(QStringView text, TextRange range) const;

private:
    std::vector<TermFinder> m_terms;
};

#pragma once

// List replace: a search text and a numbered list of replacement strings. In every line of
// the editor's selection the first occurrence of the search text becomes string 1, the
// first occurrence left then becomes string 2, and so on.

#include "core/textedit.h"

#include <QString>
#include <QStringList>

#include <optional>

// Every line of text (split at CR LF) with its first occurrence of search replaced by
// replacements[0], then the first occurrence left in the line by replacements[1], ...;
// counting starts again on every line. A replacement may hold the search text and be
// replaced again by a later string. Exact comparison; an empty search changes nothing.
QString listReplace(const QString& text, const QString& search, const QStringList& replacements);

// The replace as an edit of the selection [selStart, selStart + selected's length), which
// stays selected; nothing without a selection or when no line changes (the document is not
// to be marked changed for nothing).
std::optional<TextEdit> listReplaceEdit(const QString& selected, qint32 selStart,
                                        const QString& search, const QStringList& replacements);

// The numbered lines of the list: line k (shown as number k + 1) holds string k. Only the
// lines listed take part in a replace; after Clear there is none until New adds one.
class ReplaceLines
{
public:
    static constexpr qsizetype kMostLines = 51;

    ReplaceLines(); // one empty line, none selected

    const QStringList& strings() const { return m_strings; }
    qsizetype count() const { return m_strings.size(); }
    qsizetype selected() const { return m_selected; } // -1 for none

    void select(qsizetype line);
    void setString(qsizetype line, const QString& text);
    // New: one more empty line at the end; false with kMostLines lines.
    bool addLine();
    // Delete: the selected line goes and the lines after it move up; the selection stays on
    // the same number, or on the line before when the last one went. With one line only or
    // none selected, Delete clears the list.
    void deleteSelected();
    void clear();
    // A line break at the end of the selected line's string.
    void appendLineBreak();

private:
    bool holds(qsizetype line) const { return line >= 0 && line < m_strings.size(); }

    QStringList m_strings;
    qsizetype m_selected = -1;
};

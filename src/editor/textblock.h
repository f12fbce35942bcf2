#pragma once

// Text distribution (mnuTF(6), TXTBlok): a text redistributed into lines of a chosen width W,
// with paragraphs that start with an indent of I blanks. Two passes over the lines:
// - the break pass (moklen), only when some line is longer than W: a long line is broken at
//   its last blank before column W and the rest flows on into the following line, joined by
//   a blank, so that a long line spreads over the lines after it; every indent (I blanks in a
//   row) begins a new line. A word longer than W stays whole on a line of its own, and the
//   pass adds as many lines as the text needs.
// - the fill pass (daWra), line by line with the line after it: a short line takes text from
//   the next one until it is exactly W long, dividing a word with "-" where it must (never a
//   word longer than a line), and is then justified by doubling or removing blanks (also the
//   blanks after . , : -); a paragraph's last line stays as it is.
// Empty lines are left out. Only blanks and the dividing hyphens change: every other
// character keeps its place in the order of the text.

#include "core/textedit.h"
#include "editor/editorselection.h"

#include <QLatin1String>
#include <QString>
#include <QStringView>

#include <optional>

// The two questions (one-line input boxes, font "L") with their preset answers.
inline constexpr QLatin1String kLineWidthPrompt("mieci xazis sigrZe 10 dan 300 amde");
inline constexpr QLatin1String kLineWidthPreset("68");
inline constexpr QLatin1String kIndentPrompt("mieci abzacis sawyisis sigrZe 3 dan 20 amde.");
inline constexpr QLatin1String kIndentPreset("3");

constexpr qint32 kNarrowestLine = 10;
constexpr qint32 kWidestLine = 300;
constexpr qint32 kShortestIndent = 3;
constexpr qint32 kLongestIndent = 20;

// The width and indent from the answers; nothing (the text stays as it is) outside 10..300
// and 3..20, also for answers that are no number or overflow.
std::optional<qint32> lineWidthAnswer(const QString& answer);
std::optional<qint32> indentAnswer(const QString& answer);

// The distributed text; outside the ranges above the text comes back unchanged.
QString TXTBlok(const QString& text, qint32 width, qint32 indent);

// mnuTF(6): the selection distributed and selected again; nothing without a selection.
std::optional<TextEdit> distributeSelection(const EditorSelection& selection, qint32 width,
                                            qint32 indent);

// One step of the break pass: how the first line of the flowing text ends, and where the
// flow goes on.
struct LineBreak
{
    enum Kind {
        Whole,     // the text fits (or is one unbreakable word): it is the line, the flow ends
        Broken,    // broken at a blank: the rest, from that blank, flows into the next line
        Paragraph, // an indent follows: the rest, from the indent, begins a new line
    };
    qsizetype length; // of the line, from the start of the text
    Kind kind;
};
LineBreak moklen(QStringView flow, qint32 width, QStringView indentText);

// One step of the fill pass: the line and the line after it (empty after the last line),
// both changed in place.
void daWra(QString& line, QString& next, qint32 width, qint32 indent, const QString& indentText);

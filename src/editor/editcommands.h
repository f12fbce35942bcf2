#pragma once

// The edit menu's commands that change text: Paste, deleting every occurrence of the
// selected text, and splitting the selected lines into groups. (Cut, Copy, Select all, Print
// and the long-line mode work on the editor and the clipboard alone.)

#include "core/textedit.h"
#include "editor/editorselection.h"

#include <QLatin1String>
#include <QString>

#include <optional>

// mnuPaste: the clipboard's text replaces the selection (or goes in at the caret) and the
// caret goes after it. Without text on the clipboard (a picture, files, nothing) nothing
// happens; the clipboard itself is never rewritten.
std::optional<TextEdit> pasteEdit(const EditorSelection& selection,
                                  const std::optional<QString>& clipboardText);

// mnumarkfinddel: the whole text with every occurrence of the selected text removed (exact
// comparison, left to right, no overlaps); the caret goes to where the selection started, or
// to the new end when the text became shorter than that. Nothing without a selection.
std::optional<TextEdit> deleteAllOccurrences(const QString& text, const EditorSelection& selection);

// mnulinesnaid asks two questions (one-line input boxes, font "L", 5000 by 300) and refuses a
// selection of too few lines with a message (icon 5, one button, wrap width 50).
inline constexpr QLatin1String kGroupSizePrompt("mieci xazebis raodenoba.");
inline constexpr QLatin1String kGroupSeparatorPrompt("mieci Tu riTi unda gaiyos xazebi.");
inline constexpr QLatin1String
    kTooFewLinesMessage("xazebis raodenoba naklebia dayofis raodenobaze.");

// The group size from its answer: nothing (the command ends) for 0, an answer that is no
// number, or a number beyond 16 bits.
std::optional<qint16> groupSizeAnswer(const QString& answer);

// After every groupSize-th selected line a line holding the separator is put in; the result
// replaces the selection and is selected. A negative size puts in nothing and rewrites the
// selection as it was.
struct LineGroups
{
    bool tooFewLines = false; // the selection has no more lines than a group: nothing changes
    TextEdit edit;
};
LineGroups splitLinesIntoGroups(const EditorSelection& selection, qint16 groupSize,
                                const QString& separator);

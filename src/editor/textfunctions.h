#pragma once

// The text-functions menu mnuFont: mnuTF(0..7) rewrite the selection, which is then
// selected again (nothing happens without a selection). Item 6 distributes the text into
// lines (textblock.h); the other rules are here, with the line-break counter of the
// selection.

#include "core/textedit.h"
#include "editor/editorselection.h"

#include <QString>

#include <optional>

// The rules of mnuTF(i) by item index; item 2 is a separator, 6 and 7 have functions of their
// own.
enum class TextFunction {
    UpperCase = 0,   // case through the program's fold table: lengths kept, the Cyrillic
    LowerCase = 1,   // pairs only in the Russian language mode
    WordPerLine = 3, // every blank becomes a line break
    JoinLines = 4,   // every line break becomes a blank
    StripTags = 5,
};
QString applyTextFunction(TextFunction function, const QString& text);
std::optional<TextEdit> textFunctionEdit(TextFunction function, const EditorSelection& selection);

// Every tag "<...>" blanked, then every pair of blanks removed (left to right, no overlaps):
// a tag of even length vanishes, one of odd length leaves a blank, and the text's own double
// blanks go as well. A "<" without a ">" after it leaves the text unchanged.
QString stripTags(const QString& text);

// mnuTF(7): the selected lines each get a blank and the clipboard's line of the same number;
// selected lines beyond the clipboard's stay, clipboard lines beyond the selection's are
// dropped. Only when both the selection and the clipboard's text hold a line break.
std::optional<TextEdit> combineLists(const EditorSelection& selection,
                                     const std::optional<QString>& clipboardText);

#pragma once

// The sixteen conversion commands of the main window as data: where each sits, what it
// converts and between which tables. The windows side needs only this list to build the
// menu items and connect them; the work on text is done by the functions below.
//
// How each scope is applied to the editor:
// - WholeText: read the whole text, convert it, write it back. In the Konvert submenu the
//   command does nothing on an empty text and shows the busy cursor while it works; in the
//   edit menu it does neither.
// - Selection: replace the selection with its conversion and select the result
//   (convertSelection).
// - SelectionToClipboard: put the clipboard text of encodeAndCopyClipboardText on the
//   emptied clipboard; the editor's text and selection stay as they are.
// A command that writes the editor's text counts as an edit (the document becomes changed).
// The whole-text commands are enabled while the text is not empty, the others while there
// is a selection.

#include "conversions/codetables.h"
#include "core/textedit.h"

#include <QLatin1String>
#include <QList>
#include <QString>

#include <span>

enum class ConversionMenu {
    Edit,    // mnuEdit, which is also the editor's context menu
    Konvert, // its submenu mnukonvert
};

enum class ConversionScope { WholeText, Selection, SelectionToClipboard };

struct ConversionCommand
{
    QLatin1String name;    // the menu item: "mnuTunik", ...
    QLatin1String caption; // byte text in the 8-bit Georgian layout, without menu markers
    int shortcutKey;       // Qt::Key_F5 .. Qt::Key_F8, or 0 for none
    ConversionMenu menu;
    ConversionScope scope;
    CodeTable source;
    CodeTable target;
    int helpNumber; // the menu help text (and icon) of the item
};

// Two tables a conversion goes between, from source to target.
struct TablePair
{
    CodeTable source;
    CodeTable target;
    friend bool operator==(const TablePair&, const TablePair&) = default;
};
// Every pair the program converts with: the commands' and the selection view's UTF-8 to
// 8-bit decoding, each once.
QList<TablePair> tablePairsInUse();

// The commands in menu order: the nine of the edit menu, then the seven of the submenu.
std::span<const ConversionCommand> conversionCommands();

// The command's conversion of a text (the whole text or the selected text).
QString convertText(const ConversionCommand& command, const QString& text);

// What a selection command does: the selection becomes its conversion, selected from where
// the old selection started, however much longer or shorter it became.
TextEdit convertSelection(const ConversionCommand& command, const QString& selectedText,
                          qint32 selStart);
// What a whole-text command does: the text becomes its conversion, the caret at the start.
TextEdit convertWholeText(const ConversionCommand& command, const QString& text);

#pragma once

// The tag toolbar: 27 buttons of 24 pixels side by side. What lies under the mouse, the
// hint of each button, what each button does and the text the text-writing buttons put
// over the editor's selection. Button codes are also what the editor's Alt shortcuts use.

#include "core/textedit.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

struct ProgProps;

constexpr int kToolbarButtons = 27;
constexpr int kToolbarButtonWidth = 24; // pixels

// The button under x (pixels from the bar's left edge): -1 left of the bar, 27 or more past
// the last button, where a click does nothing.
int toolbarButtonAt(int x);

// A point (pixels in the bar) lies on the bar when 0 <= x < width and 0 <= y < height.
bool isOnToolbar(QPoint point, QSize bar);

// The button a click acts on: the one under the point where the mouse button was released,
// when that point lies on the bar and on one of the 27 buttons; else -1.
int clickedToolbarButton(QPoint release, QSize bar);

// The text of the first status panel for the button under the mouse: three blanks and the
// button's hint (only the blanks for -1 and for positions without a button). Georgian
// hints are in the 8-bit layout.
QString toolbarHintText(int button);

// What a button does; the window carries out all but InsertText, which toolbarTextEdit
// describes in full.
enum class ToolbarAction {
    InsertText,      // 0-2, 5-7, 11, 12, 14-16, 19, 20
    PopupMenu,       // 3, 8, 9, 10, 17, 18, 25: the menu named by the button
    ColourPicker,    // 4: then pickerAnswerEdit
    TablePicker,     // 13: then pickerAnswerEdit
    CharacterPicker, // 23: then pickerAnswerEdit
    DecodeSelection, // 21: UTF-8 letters of the selection back to Latin keys
    EncodeSelection, // 22: Latin keys of the selection to UTF-8
    DecodedViewBox,  // 24: shows or hides the decoded view of the selection
    BrowserPreview,  // 26
    Nothing,         // codes outside 0..26
};

struct ToolbarButton
{
    ToolbarAction action = ToolbarAction::Nothing;
    const char* menu = nullptr; // the pop-up menu's object name for PopupMenu
    int menuShift = 0;          // pixels the menu opens left of the button's left edge
};

ToolbarButton toolbarButton(int code);

// The bottom-left corner of a button in pixels from the bar's top-left corner: where its
// picker opens and, moved left by menuShift, its pop-up menu.
QPoint toolbarButtonBottomLeft(int code, int barHeight);

// Writes the opening text, the selected text and the closing text over the selection and
// keeps the selected text selected between them (with nothing selected the caret stands
// between the two).
TextEdit wrapSelection(const QString& opening, const QString& closing, const QString& selected,
                       qint32 selStart);

// The edit of a button that writes text (InsertText), from the selection: its text and
// start, its length being that of its text. Reads norNB (code 5: the options' no-break
// space, noBreakSpace) and the two colour buttons' colours (19: firstcolor, 20: lastcolor).
// Nothing for other codes.
std::optional<TextEdit> toolbarTextEdit(int code, const QString& selected, qint32 selStart,
                                        const ProgProps& props);

// The edit for a picker's answer to button 4, 13 or 23; nothing when the answer is empty
// (the picker was closed without a choice) or, for 13, does not describe a table.
// - 4: an answer with "$" (the FONT form) has every "$" replaced by the selected text,
//   which stays selected inside the tag; other answers replace the selection.
// - 13: the answer is the table picker's spec; the TABLE of tabelisteqsti is written, its
//   cells holding the options' no-break space as button 5 writes it.
// - 23: the answer replaces the selection.
// The caret ends after written text.
std::optional<TextEdit> pickerAnswerEdit(int code, const QString& answer, const QString& selected,
                                         qint32 selStart, const ProgProps& props);

#pragma once

// The editor pane: a plain-text editor that holds byte text. Every position, length and
// line number it gives or takes counts a line break as the two characters CR LF, as the
// program's commands expect; the widget itself shows the bytes through a display map.

#include "platform/displaymap.h"

#include <QColor>
#include <QList>
#include <QPlainTextEdit>

#include <functional>
#include <optional>

class QTextBlock;

struct FontRecord
{
    QString family;
    int pointSize = 0;
    bool bold = false;
    bool italic = false;
    int charset = 0; // 0 Western, 204 Russian
    DisplayMapKind map = DisplayMapKind::Latin;

    bool operator==(const FontRecord&) const = default;
};

// The font the editor starts with: the desktop's fixed-width font.
FontRecord defaultEditorFont();

// Key codes passed to the key hooks are the program's virtual key codes (Enter 13,
// Tab 9, Escape 27, "A" 65, F5 116, ...); the shift state adds 1 Shift, 2 Ctrl, 4 Alt.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

class EditorControl : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit EditorControl(QWidget* parent = nullptr);

    // --- Text and selection, line breaks as CR LF -------------------------------------
    // Read once after each change: asked again while nothing changed, it costs nothing,
    // whatever the size of the text.
    QString Text() const;
    // Replaces the whole text as a change of the program's own: one Change, the caret at
    // the start, the undo history cleared. Lone CR and lone LF become CR LF.
    void setText(const QString& byteText);
    qint32 TextLength() const;

    // A position between the CR and the LF of a line break means the end of that line.
    qint32 SelStart() const;
    void setSelStart(qint32 position); // puts the caret there, selecting nothing
    qint32 SelLength() const;
    void setSelLength(qint32 length); // selects from SelStart onward
    // Selects a range in one move (one SelChange, never an empty selection on the way).
    void setSelection(qint32 start, qint32 length);
    QString SelText() const;
    // Replaces the selection as one edit; the caret ends after the inserted text.
    void setSelText(const QString& byteText);
    // The text of a range, without touching the selection.
    QString TextRange(qint32 start, qint32 length) const;

    // --- Logical lines (between CR LFs), whatever the wrapping -------------------------
    qint32 LineCount() const;
    // The position where the line starts; -1 for a line beyond the last. A negative line
    // means the caret's line.
    qint32 LineIndex(qint32 line) const;
    // The length, without its CR LF, of the line holding the position.
    qint32 LineLength(qint32 position) const;
    qint32 LineFromChar(qint32 position) const;
    qint32 FirstVisibleLine() const;
    // The line drawn at the height y of the viewport; -1 below the last line.
    qint32 LineAtY(int y) const;

    // --- Appearance ---------------------------------------------------------------------
    // A legacy 8-bit Georgian font that is installed (one with no Unicode Georgian
    // letters) draws Georgian itself, so its record is shown through the Latin map.
    // An empty family or a size of 0 or less keeps the current one. When the map changes,
    // the text is shown anew: the bytes, caret, selection and modified flag stay, one
    // Change is raised (callers that must not count it as an edit guard it as for any text
    // they set) and the undo history is cleared, as its steps hold the old map's characters.
    void setFontRecord(const FontRecord& record);
    FontRecord fontRecord() const { return m_font; }
    const DisplayMap& displayMap() const { return *m_map; }

    // Packed colours, red in the low byte.
    quint32 BackColor() const;
    void setBackColor(quint32 colour);
    quint32 ForeColor() const;
    void setForeColor(quint32 colour);

    // Lines wrap at this distance from the left edge, in twips. 0 (the start) wraps at the
    // window's width, and so does a margin beyond the window; one beyond twice the
    // window's width (the long-line mode) does not wrap at all.
    qint32 RightMargin() const { return m_rightMargin; }
    void setRightMargin(qint32 twips);

    // Keys for which taken(keyCode, shift) is true reach the key hooks before any menu or
    // widget shortcut sees them.
    void setKeysBeforeShortcuts(std::function<bool(int keyCode, int shift)> taken);

    // --- Colour overlay --------------------------------------------------------------------
    // Colours drawn over runs of the text as a view only: no byte, undo step, modified flag,
    // selection or Change is touched by it. Runs are in order, do not overlap, and count
    // positions as everywhere (CR LF as 2); text outside them keeps the editor's own colour.
    // The overlay lasts until it is cleared or the text changes, and is laid over each line
    // as it comes into view, so showing it costs the same on any size of text.
    struct ColourRun
    {
        qint32 start = 0;
        qint32 length = 0;
        QColor colour;
    };
    void setColourOverlay(QList<ColourRun> runs);
    void clearColourOverlay();
    bool hasColourOverlay() const { return m_overlayShown; }

signals:
    // Both also for changes the program makes itself; SelChange once per move of the caret
    // or the selection.
    void Change();
    void SelChange();
    // keyCode by reference: set to 0 to swallow the key, or to another key's code for that
    // key's action instead (Shift+Tab turned into 8 deletes like Backspace); of the typing
    // keys, only Enter, Tab and Backspace type when given so. Keys without a code (outside
    // the letters, digits, F-keys and the editing and modifier keys) are not reported.
    void KeyDown(int& keyCode, int shift);
    // The byte a typed character stands for; set to 0 to swallow it, or change it to
    // type another byte (13 or 10 a line break, 8 a Backspace). Typed are the printable
    // characters, Enter (13, also with Shift or Ctrl), Tab (9), Backspace (8) and the
    // Ctrl+letter characters 1 to 26, which, left as they are, keep their shortcut (Ctrl+C
    // copies). A character the map cannot hold is typed as "&#N;" without this event.
    void KeyPress(int& keyAscii);
    // Raised after every key-down, also after a swallowed one, but not for auto-repeat.
    void KeyUp(int& keyCode, int shift);
    // A mouse button went down over the text: 1 left, 2 right, 4 middle; the shift state
    // as for keys; the position in the editor.
    void MouseDown(int button, int shift, const QPoint& position);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    struct Selection
    {
        int anchor = 0;
        int position = 0;
        bool operator==(const Selection&) const = default;
    };

    void replaceDocument(const QString& shownText, Selection selection);
    void showThrough(const DisplayMap& map);
    void reportSelection();
    void applyWrapWidth();

    void colourBlocksInView();
    void colourBlock(QTextBlock& block);
    void dropColourOverlay(bool blocksRemain);

    void pressKey(QKeyEvent* key);
    void handleAsPlainKey(QKeyEvent* key);
    void typeCharacter(char32_t shown, QKeyEvent* key);
    void typeBytes(const QString& byteText);
    void deletePreviousCharacter();

    FontRecord m_font;
    const DisplayMap* m_map;
    // The bytes as last read, kept until the document next changes: typing, undo, a text
    // set and showing the text through another map all change it.
    mutable std::optional<QString> m_text;
    qint32 m_rightMargin = 0;
    std::function<bool(int keyCode, int shift)> m_keysBeforeShortcuts;
    // While the whole text is replaced, Qt's own signals are not passed on: the
    // replacement reports itself once.
    bool m_replacingDocument = false;
    Selection m_reportedSelection;
    QList<ColourRun> m_overlay;
    bool m_overlayShown = false;
    int m_colouredBlocks = 0; // lines carrying the overlay's colours, marked by their state
};

#pragma once

// The CSS list: Ctrl+Space in the editor shows the catalogue of CSS properties, selectors
// and values just below the caret, over the editor; a double click or Enter writes the
// chosen entry over the editor's selection. Showing it leaves the focus in the editor; it
// hides when it loses the focus and whenever a key or a mouse button goes down in the
// editor. It is filled once per run.

#include <QListWidget>
#include <QStringList>

class CommandContext;

class ListCSS : public QListWidget
{
    Q_OBJECT

public:
    // The list lives in the context's editor container.
    explicit ListCSS(CommandContext& context);

    bool CssLoaded() const { return m_loaded; }
    // Fills the list from the catalogue the program carries; false when it is missing.
    bool LoadCssCodes();
    // Places the list under the caret (above it near the bottom) and shows it.
    void ShowListAtCaret();
    // Hides the list when it is shown.
    void hideList();

    // Writes the current entry over the editor's selection; nothing for a heading or
    // when no entry is current.
    void ListCSS_DblClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ListCSS_LostFocus();

    CommandContext& m_context;
    QStringList m_entries; // byte text, row by row
    bool m_loaded = false;
};

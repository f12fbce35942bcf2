#pragma once

// The clipboard, selection and print commands of the edit and file menus, on the editor.
// The clipboard carries the shown text for other programs and the bytes for this one.

#include <QObject>

class CommandContext;

class EditMenuCommands : public QObject
{
    Q_OBJECT

public:
    // Puts Cut, Copy, Paste and Select all at the head of the edit menu, and Print in the
    // file menu.
    explicit EditMenuCommands(CommandContext& context);

    // Only with a selection: it goes to the clipboard and out of the text.
    void mnuCut_Click();
    void mnuCopy_Click();
    // The clipboard's text over the selection, the caret after it; nothing without text on
    // the clipboard. The clipboard itself stays as it was.
    void mnuPaste_Click();
    void mnualmark_Click();
    // Prints what the print dialog chose: the whole text or the selection.
    void mnuprint_Click();

private:
    CommandContext& m_context;
};

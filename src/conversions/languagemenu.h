#pragma once

// The language menu of the main window: Russian, Georgian in the 8-bit layout, Georgian in
// Latin keys, or Latin. The mode gives the editor its font and display map and decides how
// typed keys are rewritten before they reach the text; Ctrl+B and Ctrl+Y insert markup. The
// mode itself is kept by the command context; the menu's check marks follow it.

#include "core/commandcontext.h"

#include <QList>
#include <QObject>

class QAction;

class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    explicit LanguageMenu(CommandContext& context);

    // Switches to the mode of item mnuens(index), in the order of LanguageMode.
    void mnuens_Click(int index);
    // The editor's key-press handler: the typed byte by reference, 0 swallows it.
    void T1_KeyPress(int& keyAscii);

private:
    CommandContext& m_context;
    QList<QAction*> mnuens;
};

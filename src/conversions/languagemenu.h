#pragma once

// The language menu of the main window: Russian, Georgian in the 8-bit layout, Georgian in
// Latin keys, or Latin. The mode gives the editor its font and display map and decides how
// typed keys are rewritten before they reach the text; Ctrl+B and Ctrl+Y insert markup.

#include <QList>
#include <QObject>

class FrmH;
class QAction;
class QMenu;

class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    // The modes in the order of the menu items mnuens(0) to mnuens(3).
    enum Mode { Russian, GeorgianIso, GeorgianKeys, Latin };

    explicit LanguageMenu(FrmH& window);

    // The mode whose item carries the check mark; Latin at start.
    Mode mode() const;
    void mnuens_Click(int index);
    // The editor's key-press handler: the typed byte by reference, 0 swallows it.
    void T1_KeyPress(int& keyAscii);

    QMenu* mnuena;
    QList<QAction*> mnuens;

private:
    FrmH& m_window;
};

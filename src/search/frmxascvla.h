#pragma once

// The list-replace window "Replace": a search text and up to 51 numbered replacement
// strings in a scrolling list. "Secvla" replaces, in every line of the editor's selection,
// the first occurrence of the search text by string 1, the next by string 2, and so on.
// One instance, modeless, owned by the main window.

#include "search/listreplace.h"

#include <QWidget>

#include <vector>

class CommandContext;
class EditorControl;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class linsuch;

class frmxascvla : public QWidget
{
    Q_OBJECT

public:
    explicit frmxascvla(CommandContext& context);

    // mnuparzuch: the search text and the lines take the editor's font, and the window
    // shows.
    void showWindow();

private:
    void Cfind_Click();
    void Cnew_Click();
    void Cdel_Click();
    void Ccler_Click();
    void Cbr2_Click();
    // The lines as the list holds them: as many, numbered, with their strings.
    void showLines();

    CommandContext& m_context;
    ReplaceLines m_lines;

    EditorControl* Tsuch;
    QScrollArea* Pfon;
    QWidget* PmoZ;
    QVBoxLayout* m_lineColumn;
    std::vector<linsuch*> LZ;
    QPushButton* Cfind;
    QPushButton* Cnew;
    QPushButton* Cdel;
    QPushButton* Ccler;
    QPushButton* Cbr2;
};

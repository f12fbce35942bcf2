#pragma once

// The search window "Suchen": a search text (one term, or alternatives joined by "|>"), a
// replacement, the scope and the options; find next, find all with its list of hits,
// replace one and replace all, over the editor's text or over every open document. One
// instance, modeless, owned by the main window. The searching is the SearchEngine's; the
// window hands it the options as they change, stores the editor's text into its document
// before every command over all documents, and shows what the engine found.

#include "documents/editorcontroltext.h"
#include "search/searchengine.h"

#include <QWidget>

class CommandContext;
class EditorControl;
class HitListModel;
class OpenDocumentsSearch;
class QCheckBox;
class QComboBox;
class QLabel;
class QListView;
class QMenu;
class QPushButton;

class frmsuch : public QWidget
{
    Q_OBJECT

public:
    explicit frmsuch(CommandContext& context);
    ~frmsuch() override;

    // mnusuch (F3): captures the editor's selection for the scope, takes a selected piece
    // of one line as the search text, gives the boxes the editor's font, and shows the
    // window. A search under way starts afresh.
    void suchen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectControls();

    void Combo1_Click(int index);
    void Text1_Change();
    void searchBox_KeyPress(int& keyAscii);
    void Czuch_Click();
    void MBAlfind_Click();
    void List1_Click(int row);
    void Ccvla_Click();
    void Calcvla_Click();
    void Ccheinj_Click();
    void Cmeniu_Click();
    void mnuand_Click();
    void mnuend_Click();
    void mnutab_Click();
    void Form_QueryUnload();

    OpenDocumentsSearch documentsNow() const;
    // The options as the controls show them; every open document only while there is one.
    void takeOptions();
    // The store step, before a command over every open document.
    void storeBeforeAllDocuments();
    // Shows the document of a hit (switching to it as a click in the tree does) and
    // selects the hit; false when the document could not be shown.
    bool showSelection(const HitSelection& where);
    void listHits(qsizetype count);

    CommandContext& m_context;
    EditorControlText m_editorText;
    SearchEngine m_engine;

    EditorControl* Text1;
    EditorControl* Tcvla;
    QComboBox* Combo1;
    QCheckBox* CKalfil;
    QCheckBox* CKcase;
    QCheckBox* CHK;
    QCheckBox* CKutf8;
    QPushButton* Czuch;
    QPushButton* MBAlfind;
    QPushButton* Ccvla;
    QPushButton* Calcvla;
    QPushButton* Ccheinj;
    QPushButton* Cmeniu;
    QListView* List1;
    HitListModel* m_hitLines;
    QLabel* lbinf;
    QMenu* mnual;
};

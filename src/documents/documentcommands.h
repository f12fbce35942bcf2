#pragma once

// The document commands of the main window: opening files, the tree of open files as the
// document switcher (with renaming, its menu and previews), new documents, closing a
// document and saving. They work on the window through DocumentWindow, on the documents
// through the one DocumentState, and ask the user through the prompts.

#include "documents/documentfiles.h"
#include "documents/documentsaving.h"
#include "documents/documentstate.h"
#include "documents/editortext.h"
#include "documents/opentree.h"
#include "documents/opentreeview.h"

#include <QObject>

class DocumentWindow;
class EditorControl;
class QMenu;
class QTreeWidgetItem;

class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    explicit DocumentCommands(DocumentWindow& window, QObject* parent = nullptr);
    ~DocumentCommands() override;

    DocumentState& state() { return m_state; }

    // --- Opening -----------------------------------------------------------------------
    // Opens one file as a document: text files into the editor, other files listed
    // without text (pictures previewed, sounds and videos handed to their program).
    void ofnen(const QString& path);
    // The start-up entry: "SIA" and the paths joined by quote, blank, quote; or one path.
    void comandopen(const QString& first, const QString& second);
    void mnuOpen_Click();
    void Cadd_Click() { mnuOpen_Click(); }
    // Opens a UTF-8 text file decoded into the Latin-key layout.
    void mnuUnopen_Click();

    // --- The tree of open files --------------------------------------------------------
    void Treefulen();
    void TV_NodeClick(QTreeWidgetItem* node);
    // Runs the node click on node n (1-based) of the tree's node list.
    void NDKliki(int n);
    void TV_KeyDown(int keyCode);
    void TV_DblClick();
    void mnuLVop_Click(int index);
    // Starts editing the selected file node's label: renaming the document and its file.
    void StartLabelEdit();
    // The label of document index's node was edited to newText.
    void TV_AfterLabelEdit(qint16 index, const QString& newText);

    // --- New and closing documents -----------------------------------------------------
    // 0 a new HTML document with the page skeleton, 2 a new text document.
    void mnunewF_Click(int index);
    // Closes the selected document, asking about its changes first.
    void Cdel_Click();
    SaveOutcome saveclosfile(qint16 index);
    // -1 when any document is changed.
    qint16 cvlaprufen() const;

    // --- Saving ------------------------------------------------------------------------
    SaveOutcome SaveDocuments(const QString& fileName, qint16 index);
    void mnuSave_Click();
    void mnuSaveas_Click();
    // -1 when documents are open and one of them is not in the open project.
    qint16 NewInWeb() const;

    // Drops every document and the project (the window's close).
    void closeAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The editor control as the document state sees it.
    class EditorControlText : public EditorText
    {
    public:
        explicit EditorControlText(EditorControl& editor) : m_editor(editor) {}
        QString text() const override;
        void setText(const QString& text) override;
        qint32 selStart() const override;
        qint32 selLength() const override;
        void select(qint32 start, qint32 length) override;

    private:
        EditorControl& m_editor;
    };

    void connectTree();
    void T1_Change();
    void T1_GotFocus();
    void TV_MouseUp();
    void showGroupExpansion(QTreeWidgetItem* node);

    bool refuseUnreadable(FileStatus status);
    void openNonTextFile(const QString& path);
    bool placeTextFile(const QString& path, const QString& text, bool changed,
                       const QString& untitledTitle);
    void showDocument(qint16 index);
    void openProject(const QString& path);
    void WEB_Open(const QString& path);
    void listPicture(const QString& path);
    void reopenSingleFile(const QString& path);
    void askSecondWindow(const QString& path);
    void closeProject();
    void renameTo(qint16 index, const QString& newText);

    void showNodes();
    void selectDocumentNode(qint16 index);
    void cancelLabelEdit(qint16 index);
    void refreshAfterSave();
    void setWrapForSwitch();

    DocumentWindow& m_window;
    EditorControlText m_editorText;
    DocumentState m_state;
    DocumentSaving m_saving;
    FileNodeList m_nodeList;
    OpenFilesTreeView m_view;
    QMenu* mnuLV;
    bool m_switchingDoc = false; // SwitchingDoc: a node click is switching documents
    qint16 m_editedIndex = -1;   // the document whose node's label is being edited
    QString m_oldNodeText;       // OldNodeText: the label when the edit began
};

#pragma once

// The tree of open files as the document switcher: rebuilding it, switching documents by a
// click on their node, previews of pictures and sounds, renaming a document (and its file)
// by editing its label, and the tree's menu.

#include "documents/opentree.h"
#include "documents/opentreeview.h"

#include <QObject>

class CommandContext;
class DocumentCommands;
class DocumentState;
class QMenu;
class QTreeWidgetItem;

class TreeCommands : public QObject
{
    Q_OBJECT

public:
    TreeCommands(DocumentCommands& documents, CommandContext& context);

    void Treefulen();
    // Shows the nodes as the documents are now, without scrolling or showing the panel.
    void showNodes();
    void selectDocumentNode(qint16 index);
    // Selects the document's node and switches to it as a click on it does.
    void showDocument(qint16 index);
    void clear();

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
    // The editor got the focus: the tree's selection goes back to the current document.
    void T1_GotFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DocumentState& state();
    void connectTree();
    void TV_MouseUp();
    void showGroupExpansion(QTreeWidgetItem* node);
    void cancelLabelEdit(qint16 index);
    void renameTo(qint16 index, const QString& newText);

    DocumentCommands& m_documents;
    CommandContext& m_context;
    QTreeWidget& m_tree;
    FileNodeList m_nodeList;
    OpenFilesTreeView m_view;
    QMenu* mnuLV;
    bool m_switchingDoc = false; // SwitchingDoc: a node click is switching documents
    qint16 m_editedIndex = -1;   // the document whose node's label is being edited
    QString m_oldNodeText;       // OldNodeText: the label when the edit began
};

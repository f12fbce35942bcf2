#pragma once

// Shows the tree of open files in the tree widget: the four group nodes, and under them
// one node per document, tagged with its index. A rebuild changes only the nodes that
// differ from what is shown, so opening one more file costs the same however many are open.

#include "documents/opentree.h"

#include <array>
#include <optional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

class OpenFilesTreeView
{
public:
    explicit OpenFilesTreeView(QTreeWidget& tree);

    // Shows the nodes in their groups; the groups are made when the tree has none.
    void show(const std::vector<FileNode>& nodes);
    // Removes every node, the groups too.
    void clear();

    // The file node tagged with a document's index; nullptr when there is none.
    QTreeWidgetItem* nodeOf(qint16 index) const;
    // Node n (1-based) of the node list: the four groups, then the documents' nodes in the
    // order they were added; nullptr beyond the end.
    QTreeWidgetItem* nodeAt(int n) const;
    int nodeCount() const;

    // A file node's tag, the index of its document; nothing for a group node.
    static std::optional<qint16> tagOf(const QTreeWidgetItem* node);
    static int imageOf(const QTreeWidgetItem* node);
    static void setImage(QTreeWidgetItem* node, int image);

private:
    void showGroup(int group, std::vector<FileNode> wanted);

    QTreeWidget& m_tree;
    std::array<QTreeWidgetItem*, kTreeGroupCount> m_groups{};
    std::array<std::vector<FileNode>, kTreeGroupCount> m_shown; // each group's children
    std::vector<FileNode> m_nodes;                              // every file node, in order
    std::vector<QTreeWidgetItem*> m_byIndex;
};

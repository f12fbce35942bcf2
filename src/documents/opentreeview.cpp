#include "documents/opentreeview.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>

#include <map>

namespace {

constexpr int kTagRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;

QIcon loadIcon(int image)
{
    QStyle* style = QApplication::style();
    switch (image) {
    case kClosedGroupImage:
        return style->standardIcon(QStyle::SP_DirClosedIcon);
    case kOpenGroupImage:
        return style->standardIcon(QStyle::SP_DirOpenIcon);
    case kSoundImage:
        return style->standardIcon(QStyle::SP_MediaVolume);
    default:
        return style->standardIcon(QStyle::SP_FileIcon);
    }
}

// The style reads its pictures from files: each is read once, not once per node.
const QIcon& iconOf(int image)
{
    static std::map<int, QIcon> icons;
    auto found = icons.find(image);
    if (found == icons.end())
        found = icons.emplace(image, loadIcon(image)).first;
    return found->second;
}

QTreeWidgetItem* makeFileNode(const FileNode& node)
{
    auto* item = new QTreeWidgetItem(QStringList(node.title));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(0, kTagRole, int(node.index));
    OpenFilesTreeView::setImage(item, node.image);
    return item;
}

bool sameLook(const FileNode& a, const FileNode& b)
{
    return a.title == b.title && a.image == b.image;
}

} // namespace

OpenFilesTreeView::OpenFilesTreeView(QTreeWidget& tree) : m_tree(tree)
{
    // Every row is one line high: the view need not measure thousands of rows after each
    // change to place them.
    m_tree.setUniformRowHeights(true);
}

std::optional<qint16> OpenFilesTreeView::tagOf(const QTreeWidgetItem* node)
{
    const QVariant tag = node ? node->data(0, kTagRole) : QVariant();
    if (!tag.isValid())
        return std::nullopt;
    return qint16(tag.toInt());
}

int OpenFilesTreeView::imageOf(const QTreeWidgetItem* node)
{
    return node ? node->data(0, kImageRole).toInt() : 0;
}

void OpenFilesTreeView::setImage(QTreeWidgetItem* node, int image)
{
    node->setData(0, kImageRole, image);
    node->setIcon(0, iconOf(image));
}

void OpenFilesTreeView::show(const std::vector<FileNode>& nodes)
{
    // Filling the tree is not an edit of a label.
    const QSignalBlocker quiet(&m_tree);
    if (!m_groups[0]) {
        for (int g = 0; g < kTreeGroupCount; ++g) {
            m_groups[g] = new QTreeWidgetItem(QStringList(treeGroupText(TreeGroup(g))));
            setImage(m_groups[g], kClosedGroupImage);
            m_tree.addTopLevelItem(m_groups[g]);
        }
    }
    std::array<std::vector<FileNode>, kTreeGroupCount> wanted;
    for (const FileNode& node : nodes)
        wanted[int(node.group)].push_back(node);
    for (int g = 0; g < kTreeGroupCount; ++g)
        showGroup(g, std::move(wanted[g]));

    m_nodes = nodes;
    m_byIndex.assign(nodes.size(), nullptr);
    for (int g = 0; g < kTreeGroupCount; ++g) {
        for (std::size_t k = 0; k < m_shown[g].size(); ++k)
            m_byIndex[std::size_t(m_shown[g][k].index)] = m_groups[g]->child(int(k));
    }
}

// Keeps the children that stay at the start and at the end (re-tagging those whose
// document moved down after a close) and replaces only what lies between.
void OpenFilesTreeView::showGroup(int group, std::vector<FileNode> wanted)
{
    QTreeWidgetItem* parent = m_groups[group];
    const std::vector<FileNode>& shown = m_shown[group];
    const std::size_t shownCount = shown.size();
    const std::size_t wantedCount = wanted.size();
    std::size_t head = 0;
    while (head < shownCount && head < wantedCount && shown[head] == wanted[head])
        ++head;
    std::size_t tail = 0;
    while (tail < shownCount - head && tail < wantedCount - head &&
           sameLook(shown[shownCount - 1 - tail], wanted[wantedCount - 1 - tail]))
        ++tail;

    for (std::size_t k = shownCount - tail; k > head; --k)
        delete parent->takeChild(int(k - 1));
    QList<QTreeWidgetItem*> added;
    for (std::size_t k = head; k < wantedCount - tail; ++k)
        added << makeFileNode(wanted[k]);
    parent->insertChildren(int(head), added);
    for (std::size_t k = wantedCount - tail; k < wantedCount; ++k) {
        if (shown[k - wantedCount + shownCount].index != wanted[k].index)
            parent->child(int(k))->setData(0, kTagRole, int(wanted[k].index));
    }
    m_shown[group] = std::move(wanted);
}

void OpenFilesTreeView::clear()
{
    m_tree.clear();
    m_groups = {};
    m_shown = {};
    m_nodes.clear();
    m_byIndex.clear();
}

QTreeWidgetItem* OpenFilesTreeView::nodeOf(qint16 index) const
{
    if (index < 0 || std::size_t(index) >= m_byIndex.size())
        return nullptr;
    return m_byIndex[std::size_t(index)];
}

QTreeWidgetItem* OpenFilesTreeView::nodeAt(int n) const
{
    if (n < 1 || n > nodeCount())
        return nullptr;
    if (n <= kTreeGroupCount)
        return m_groups[n - 1];
    return nodeOf(m_nodes[std::size_t(n - kTreeGroupCount - 1)].index);
}

int OpenFilesTreeView::nodeCount() const
{
    return m_groups[0] ? kTreeGroupCount + int(m_nodes.size()) : 0;
}

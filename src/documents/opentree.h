#pragma once

// The tree of open files as data: four group nodes by kind of file, then one node per
// document, each tagged with its document's index. The tree widget only shows this list.

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class ColectionMain;

enum class TreeGroup { WebFiles, Pictures, Sounds, Other };
constexpr int kTreeGroupCount = 4;

// The group's text ("WEB Files", "Image", ...).
QString treeGroupText(TreeGroup group);

// Node images: pictures of the tree's image list, by number.
constexpr int kClosedGroupImage = 36;
constexpr int kOpenGroupImage = 37;
constexpr int kPictureImage = 31;
constexpr int kSoundImage = 34;

// Where a document of this title goes: its group, its image and the pass that adds it
// (1 to 9; the tree lists the documents pass by pass).
struct FileKind
{
    TreeGroup group;
    int image;
    int pass;
};
FileKind fileKindOf(const QString& title);

struct FileNode
{
    TreeGroup group;
    int image;
    qint16 index; // the document's index in the collection: the node's tag
    QString title;
    bool operator==(const FileNode&) const = default;
};

// The document nodes in the order the tree lists them after its four group nodes: pass by
// pass, and within a pass by index.
std::vector<FileNode> fileNodes(const ColectionMain& docs);

// The same list kept from one rebuild to the next: a document's kind is worked out again
// only when its title changed, so rebuilding after opening one more file stays cheap
// however many are open.
class FileNodeList
{
public:
    const std::vector<FileNode>& rebuild(const ColectionMain& docs);

private:
    std::vector<QString> m_titles; // per document index, the title its kind was worked out for
    std::vector<FileKind> m_kinds;
    std::vector<FileNode> m_nodes;
};

// File names ordered by kind: web pages first, then style sheets, scripts, text files,
// pictures and sounds (28 extensions in a fixed order), then the rest in their own order.
// The result has as many entries as names; a name given twice whose kind is not listed
// is placed once and leaves an empty entry at the end.
QStringList siasorti(const QStringList& names);

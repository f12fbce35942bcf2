#include "documents/opentree.h"

#include "core/collection.h"

#include <gtest/gtest.h>

namespace {

QStringList names(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* name : list)
        result << QString::fromLatin1(name);
    return result;
}

ColectionMain titled(const QStringList& titles)
{
    ColectionMain docs;
    for (const QString& title : titles) {
        docs.AddNewIthem(QString(), -1, QString(), QString());
        docs.Item(qint16(docs.Count() - 1)).FileTitle = title;
    }
    return docs;
}

QStringList titlesOf(const std::vector<FileNode>& nodes)
{
    QStringList titles;
    for (const FileNode& node : nodes)
        titles << node.title;
    return titles;
}

} // namespace

TEST(OpenTree, GroupsFilesByKind)
{
    EXPECT_EQ(treeGroupText(TreeGroup::WebFiles), QStringLiteral("WEB Files"));
    const FileKind page = fileKindOf(QStringLiteral("page.shtml"));
    EXPECT_EQ(page.group, TreeGroup::WebFiles);
    EXPECT_EQ(page.image, 27);
    EXPECT_EQ(fileKindOf(QStringLiteral("clip.fla")).group, TreeGroup::Sounds);
    EXPECT_EQ(fileKindOf(QStringLiteral("clip.fla")).image, kSoundImage);
    EXPECT_EQ(fileKindOf(QStringLiteral("notes.txt")).group, TreeGroup::Other);
    EXPECT_EQ(fileKindOf(QStringLiteral("notes.txt")).image, 26);
    EXPECT_EQ(fileKindOf(QStringLiteral("a.JPG")).image, kPictureImage);
    EXPECT_EQ(fileKindOf(QStringLiteral("s.php3")).image, 35);
}

TEST(OpenTree, ListsNodesPassByPassThenByIndex)
{
    const ColectionMain docs = titled(names({"b.css", "a.html", "x.zip", "c.htm", "a.html"}));
    const std::vector<FileNode> nodes = fileNodes(docs);
    EXPECT_EQ(titlesOf(nodes), names({"a.html", "c.htm", "a.html", "b.css", "x.zip"}));
    EXPECT_EQ(nodes[0].index, 1);
    EXPECT_EQ(nodes[2].index, 4) << "two documents of one title are told apart by their tags";
    EXPECT_EQ(nodes[4].group, TreeGroup::Other);
}

TEST(OpenTree, AKeptListFollowsRenamedDocuments)
{
    ColectionMain docs = titled(names({"a.html", "b.txt"}));
    FileNodeList list;
    EXPECT_EQ(titlesOf(list.rebuild(docs)), names({"a.html", "b.txt"}));
    docs.Item(1).FileTitle = QStringLiteral("b.css");
    docs.Item(0).FileTitle = QStringLiteral("a.txt");
    EXPECT_EQ(titlesOf(list.rebuild(docs)), names({"b.css", "a.txt"}));
    docs.RemoveIthem(0);
    EXPECT_EQ(list.rebuild(docs), fileNodes(docs));
}

TEST(OpenTree, SiasortiOrdersNamesByKind)
{
    EXPECT_EQ(siasorti(names({"b.css", "a.html", "x.zip", "y.doc"})),
              names({"a.html", "b.css", "x.zip", "y.doc"}));
    EXPECT_EQ(siasorti(names({"s.wma", "p.GIF", "t.txt", "i.htm"})),
              names({"i.htm", "t.txt", "p.GIF", "s.wma"}));
    EXPECT_EQ(siasorti(names({"x.zip", "x.zip", "a.html"})), names({"a.html", "x.zip", ""}))
        << "a name of no listed kind given twice is placed once";
}

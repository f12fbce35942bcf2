#include "documents/filepanel.h"
#include "support/testfolders.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(FilePanel, ListsWholePatternExtensionsInAnyLetterCase)
{
    for (const char* name : {"a.htm", "b.HTML", "c.Css", "d.php3", "e.shtm", "f.ini", "g.x.js"})
        EXPECT_TRUE(filePanelShows(QString::fromUtf8(name))) << name;
    for (const char* name : {"a.doc", "b.shtml", "c.php4", "d.htmx", "htm", "e.", "f.\xC4\xB1ni"})
        EXPECT_FALSE(filePanelShows(QString::fromUtf8(name))) << name;
}

TEST(FilePanel, ListsTheMatchingFilesOfAFolderAndJoinsTheirPathsOnce)
{
    TestFolders folders;
    const QString folder = folders.root() + QStringLiteral("/site");
    QDir().mkpath(folder + QStringLiteral("/sub.htm"));
    for (const char* name : {"b.css", "a.htm", "c.doc", "D.TXT", ".hidden.htm"})
        writeFile(folder + QLatin1Char('/') + QLatin1String(name), "x");
    EXPECT_EQ(filePanelFiles(folder), QStringList({QStringLiteral("a.htm"), QStringLiteral("b.css"),
                                                   QStringLiteral("D.TXT")}));
    EXPECT_EQ(filePanelPath(folder, QStringLiteral("a.htm")), folder + QStringLiteral("/a.htm"));
    EXPECT_EQ(filePanelPath(QStringLiteral("/"), QStringLiteral("a.htm")),
              QStringLiteral("/a.htm"));
}

TEST(FilePanel, TheFolderBoxShowsTheWayFromTheRootAndTheSubfolders)
{
    TestFolders folders;
    const QString root = folders.root();
    QDir().mkpath(root + QStringLiteral("/site/b"));
    QDir().mkpath(root + QStringLiteral("/site/A"));
    QDir().mkpath(root + QStringLiteral("/sitex"));
    const std::vector<FolderLine> lines = folderBoxLines(root + QStringLiteral("/site/"), root);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].path, root);
    EXPECT_EQ(lines[1], (FolderLine{root + QStringLiteral("/site"), QStringLiteral("site"), 1}));
    EXPECT_EQ(lines[2], (FolderLine{root + QStringLiteral("/site/A"), QStringLiteral("A"), 2}));
    EXPECT_EQ(lines[3].name, QStringLiteral("b"));
    const QString elsewhere = root + QStringLiteral("/sitex");
    EXPECT_EQ(folderBoxLines(elsewhere, root + QStringLiteral("/site")),
              std::vector<FolderLine>({{elsewhere, elsewhere, 0}}))
        << "a folder that is not below the root is a root of its own";
}

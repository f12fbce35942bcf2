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

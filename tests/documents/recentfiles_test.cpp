#include "documents/recentfiles.h"
#include "support/testfolders.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QStringList paths(int count, const char* prefix = "/f")
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QString::fromUtf8(prefix) + QString::number(i);
    return list;
}

// Files whose path holds "gone" are missing, "far" cannot be looked for, the rest exist.
Existence fakeExistence(const QString& path)
{
    if (path.contains(QLatin1String("gone")))
        return Existence::Missing;
    return path.contains(QLatin1String("far")) ? Existence::Unknown : Existence::Exists;
}

std::optional<QStringList> added(const QStringList& entries, const char* path)
{
    return recentListAfterAdding(entries, QString::fromUtf8(path), fakeExistence);
}

} // namespace

TEST(RecentList, PutsThePathOnTopAndKeepsEveryOtherEntryInItsOrder)
{
    const QStringList four = {QStringLiteral("/a"), QStringLiteral("/b"), QStringLiteral("/c"),
                              QStringLiteral("/d")};
    EXPECT_EQ(added({}, "/a"), QStringList({QStringLiteral("/a")}));
    EXPECT_EQ(added(four, "/c"), QStringList({QStringLiteral("/c"), QStringLiteral("/a"),
                                              QStringLiteral("/b"), QStringLiteral("/d")}));
    EXPECT_EQ(added(four, "/A"), QStringList({QStringLiteral("/A")}) + four)
        << "another letter case is another entry";
    EXPECT_EQ(added(four, "/a/x"), QStringList({QStringLiteral("/a/x")}) + four);
    EXPECT_EQ(added(four, "/a"), std::nullopt) << "already on top: nothing is written";
    EXPECT_EQ(added(four, "/x\n/y"), std::nullopt);
    EXPECT_EQ(added(four, "/x\r"), std::nullopt);
    EXPECT_EQ(added(four, ""), std::nullopt);
}

TEST(RecentList, GrownPastFortyFiveKeepsItsFirstFortyFiveLessTheMissingOnes)
{
    QStringList full = paths(45);
    full[3] = QStringLiteral("/gone3");
    full[10] = QStringLiteral("/far10");
    full[44] = QStringLiteral("/gone44");
    const std::optional<QStringList> list = added(full, "/new");
    ASSERT_TRUE(list);
    QStringList expected = QStringList({QStringLiteral("/new")}) + full.first(44);
    expected.removeAll(QStringLiteral("/gone3"));
    EXPECT_EQ(*list, expected) << "the unknown one stays, position 45 on goes";

    EXPECT_EQ(added(paths(43) + QStringList({QStringLiteral("/gone")}), "/new")->size(), 45)
        << "forty-five entries are never shortened";
    EXPECT_EQ(added(paths(50), "/f49")->size(), 50) << "a path listed already shortens nothing";
}

TEST(RecentList, IsReadAndWrittenAsFileSystemBytesOnePathALine)
{
    EXPECT_EQ(recentListFromBytes("/a\r\n\r\n  \r\n/\xE1\x83\x90.html\r\n/\xC0.txt\r\n"),
              QStringList({QStringLiteral("/a"), QStringLiteral("/\u10D0.html"),
                           QStringLiteral("/\u00C0.txt")}));
    EXPECT_EQ(recentListFromBytes("\r\n\r\n"), QStringList());
    EXPECT_EQ(recentListBytes({QStringLiteral("/\u10D0.html"), QStringLiteral("/b")}),
              QByteArray("/\xE1\x83\x90.html\r\n/b\r\n"));
    EXPECT_EQ(recentListBytes({}), QByteArray("\r\n"));
}

TEST(RecentFiles, TheListFileChangesOnlyWhenTheListDoes)
{
    TestFolders folders;
    const QString list = folders.path(QStringLiteral("recentF.ini"));
    EXPECT_EQ(recentFilesPath(), list);
    EXPECT_EQ(AddRecentFile(QStringLiteral("/x/a.html")), RecentListWrite::Written);
    EXPECT_EQ(readFile(list), QByteArray("/x/a.html\r\n"));
    EXPECT_EQ(AddRecentFile(QStringLiteral("/x/b.WEB")), RecentListWrite::Written);
    EXPECT_EQ(readFile(list), QByteArray("/x/b.WEB\r\n/x/a.html\r\n"));

    writeFile(list, "/x/b.WEB\r\n\r\n/x/a.html\r\n\r\n");
    EXPECT_EQ(AddRecentFile(QStringLiteral("/x/b.WEB")), RecentListWrite::Unchanged);
    EXPECT_EQ(readFile(list), QByteArray("/x/b.WEB\r\n\r\n/x/a.html\r\n\r\n"));

    EXPECT_TRUE(writeRecentFiles({QStringLiteral("/x/a.html")})); // Delete of the first row
    EXPECT_EQ(readFile(list), QByteArray("/x/a.html\r\n"));
    EXPECT_TRUE(clearRecentFiles());
    EXPECT_TRUE(QFileInfo::exists(list));
    EXPECT_EQ(readFile(list), QByteArray());
    EXPECT_EQ(readRecentFiles(), QStringList());
}

TEST(RecentFiles, AListThatCannotBeReadIsNeverOverwritten)
{
    TestFolders folders;
    QDir().mkpath(folders.path(QStringLiteral("recentF.ini")));
    EXPECT_EQ(readRecentFiles(), std::nullopt);
    EXPECT_EQ(AddRecentFile(QStringLiteral("/x/a.html")), RecentListWrite::Failed);
    EXPECT_TRUE(QFileInfo(folders.path(QStringLiteral("recentF.ini"))).isDir());
}

TEST(RecentFiles, AFileIsMissingOnlyWhereItsFolderCanBeLookedInto)
{
    TestFolders folders;
    writeFile(folders.path(QStringLiteral("a.html")), "x");
    EXPECT_EQ(fileExistence(folders.path(QStringLiteral("a.html"))), Existence::Exists);
    EXPECT_EQ(fileExistence(folders.path(QStringLiteral("b.html"))), Existence::Missing);
    EXPECT_EQ(fileExistence(folders.path(QStringLiteral("unmounted/b.html"))), Existence::Unknown);
}

TEST(RecentFiles, PicturesFollowTheExtensionInAnyLetterCase)
{
    const struct
    {
        const char* path;
        qint16 number;
    } cases[] = {{"/a/b.Html", 5}, {"/a/b.mht", 5}, {"b.cgi", 3}, {"b.ASP", 1}, {"b.wsf", 7},
                 {"b.xml", 12},    {"b.php3", 9},   {"b.bmp", 4}, {"b.fla", 2}, {"p.web", 6},
                 {"b.inf", 10},    {"b.TXT", 11},   {"b.doc", 8}, {"/a.b/c", 8}};
    for (const auto& c : cases)
        EXPECT_EQ(ikonumer(QString::fromUtf8(c.path)), c.number) << c.path;
}

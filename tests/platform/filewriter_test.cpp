#include "platform/filewriter.h"

#include "support/testfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(WholeFileWriter, WritesEveryByteAndReplacesTheOldContentWhole)
{
    TestFolders folders;
    const QString path = folders.path(QStringLiteral("page.html"));
    writeFile(path, QByteArray(1000, 'o'));

    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    QString error;
    ASSERT_TRUE(writeWholeFile(path, bytes, &error)) << error.toStdString();
    EXPECT_EQ(readFile(path), bytes);

    ASSERT_TRUE(writeWholeFile(path, QByteArray()));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST(WholeFileWriter, AFailedWriteSaysWhyAndLeavesNothingBehind)
{
    TestFolders folders;
    const QString blocker = folders.path(QStringLiteral("blocker"));
    writeFile(blocker, "keep");
    QString error;
    EXPECT_FALSE(writeWholeFile(blocker + QStringLiteral("/inside.txt"), "new", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(blocker), QByteArray("keep"));

    // A folder in the way of the file stays a folder.
    const QString folder = folders.path(QStringLiteral("folder.html"));
    QDir().mkpath(folder);
    EXPECT_FALSE(writeWholeFile(folder, "new"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QDir(folders.programFolder()).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "no temporary file may stay behind";
}

TEST(WholeFileWriter, WritesThroughASymbolicLink)
{
    TestFolders folders;
    const QString target = folders.path(QStringLiteral("real.html"));
    const QString link = folders.path(QStringLiteral("link.html"));
    writeFile(target, "old");
    ASSERT_TRUE(QFile::link(target, link));

    ASSERT_TRUE(writeWholeFile(link, "new text"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(target), QByteArray("new text"));
}

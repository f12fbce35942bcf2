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

TEST(WholeFileWriter, AnOwnerOnlyFileIsPrivateAlsoWhenItReplacesAReadableOne)
{
    TestFolders folders;
    const QString path = folders.path(QStringLiteral("FTP.ini"));
    writeFile(path, "old");
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ReadOther | QFileDevice::ReadGroup);
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

    ASSERT_TRUE(writeOwnerOnlyFile(path, "secret"));
    EXPECT_EQ(readFile(path), QByteArray("secret"));
    EXPECT_EQ(QFile(path).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
              ownerOnly);
    const QString fresh = folders.path(QStringLiteral("new.ini"));
    ASSERT_TRUE(writeOwnerOnlyFile(fresh, QByteArray()));
    EXPECT_EQ(QFile(fresh).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
              ownerOnly);
}

TEST(WholeFileCopy, CopiesEveryByteAndAFailureLeavesTheTargetWhole)
{
    TestFolders folders;
    const QString source = folders.path(QStringLiteral("p.gif"));
    const QString target = folders.path(QStringLiteral("copy.gif"));
    QByteArray bytes(3 << 20, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    writeFile(source, bytes);
    writeFile(target, "old");
    QString error;
    ASSERT_TRUE(copyWholeFile(source, target, &error)) << error.toStdString();
    EXPECT_EQ(readFile(target), bytes);

    writeFile(target, "keep");
    EXPECT_FALSE(copyWholeFile(folders.path(QStringLiteral("none.gif")), target, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(copyWholeFile(folders.programFolder(), target)) << "a folder is no file";
    EXPECT_EQ(readFile(target), QByteArray("keep"));
    EXPECT_FALSE(copyWholeFile(source, folders.path(QStringLiteral("no/such/x.gif"))));
    EXPECT_EQ(QDir(folders.programFolder()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "no temporary file may stay behind";
}

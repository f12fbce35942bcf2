#include "platform/paths.h"

#include "support/testfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(Paths, JoinAddsOneSlashOnlyWhenNeeded)
{
    EXPECT_EQ(joinPath(QStringLiteral("/opt/k"), QStringLiteral("props.ini")),
              QStringLiteral("/opt/k/props.ini"));
    EXPECT_EQ(joinPath(QStringLiteral("/opt/k/"), QStringLiteral("props.ini")),
              QStringLiteral("/opt/k/props.ini"));
    EXPECT_EQ(joinPath(QStringLiteral("/"), QStringLiteral("x")), QStringLiteral("/x"));
}

TEST(Paths, TitleIsThePartAfterTheLastSlashOfEitherKind)
{
    EXPECT_EQ(pathTitle(QStringLiteral("/home/a/page.html")), QStringLiteral("page.html"));
    EXPECT_EQ(pathTitle(QStringLiteral("C:\\site\\index.htm")), QStringLiteral("index.htm"));
    EXPECT_EQ(pathTitle(QStringLiteral("a\\b/c\\d.css")), QStringLiteral("d.css"));
    EXPECT_EQ(pathTitle(QStringLiteral("plain.txt")), QStringLiteral("plain.txt"));
    EXPECT_EQ(pathTitle(QStringLiteral("/folder/")), QString());
}

TEST(ProgramFolder, ChoosesEnvironmentThenWritableExecutableFolderThenUserData)
{
    const QString env = QStringLiteral("/env/home");
    const QString exe = QStringLiteral("/usr/lib/kelmora");
    const QString user = QStringLiteral("/home/u/.local/share/Kelmora");
    EXPECT_EQ(chooseProgramFolder(env, exe, true, user), env);
    EXPECT_EQ(chooseProgramFolder(env, exe, false, user), env);
    EXPECT_EQ(chooseProgramFolder(QString(), exe, true, user), exe);
    EXPECT_EQ(chooseProgramFolder(QString(), exe, false, user), user);
}

TEST(ProgramFolder, FollowsTheEnvironmentAndCreatesTheFolder)
{
    TestFolders folders;
    const QString home = folders.root() + QStringLiteral("/not/yet/there");
    qputenv("KELMORA_HOME", QFile::encodeName(home));
    EXPECT_EQ(programFolder(), home);
    EXPECT_TRUE(QDir(home).exists());
    EXPECT_EQ(programFile(QStringLiteral("FTP.ini")), home + QStringLiteral("/FTP.ini"));

    qunsetenv("KELMORA_HOME");
    // The test binary's own folder is writable here, so it is the program folder.
    EXPECT_EQ(programFolder(), QCoreApplication::applicationDirPath());
}

#include "platform/filenames.h"
#include "platform/paths.h"

#include "support/testfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// A name that is not UTF-8 is held in escapes that give its bytes back; the other parts of
// its path keep Qt's own form, so that it compares with paths Qt made.
TEST(FileNames, EachPartOfAPathIsHeldOnItsOwnAndGivesItsBytesBack)
{
    const QByteArray georgianFolder = "/h/\xE1\x83\x90/";
    const struct
    {
        QByteArray bytes;
        QString held;
    } cases[] = {
        {"/h/a.html", QStringLiteral("/h/a.html")},
        {georgianFolder + "b.html", QStringLiteral("/h/\u10D0/b.html")},
        {georgianFolder + "\xC0.html",
         QStringLiteral("/h/\u10D0/") + QChar(0xDCC0) + QStringLiteral(".html")},
        {"/\xC0/\xE1\x83\x90", QString(QChar(u'/')) + QChar(0xDCC0) + QStringLiteral("/\u10D0")},
    };
    for (const auto& [bytes, held] : cases) {
        EXPECT_EQ(fileNameFromBytes(bytes), held) << bytes.toStdString();
        EXPECT_EQ(fileNameBytes(held), bytes) << bytes.toStdString();
        EXPECT_EQ(hasEightBitName(held), bytes.contains('\xC0')) << bytes.toStdString();
    }
    EXPECT_TRUE(folderFiles(QString()).isEmpty()) << "no folder is not the root";
}

TEST(ProgramFolder, ChoosesEnvironmentThenAPortableInstallThenUserData)
{
    TestFolders folders;
    const QString env = folders.root() + QStringLiteral("/env");
    const QString user = folders.root() + QStringLiteral("/data/Kelmora");
    const QString build = folders.root() + QStringLiteral("/build"); // writable, no options
    const QString portable = folders.root() + QStringLiteral("/portable");
    QDir().mkpath(build);
    QDir().mkpath(portable);
    writeFile(portable + QStringLiteral("/props.ini"), QByteArray(64, '\0'));
    const struct
    {
        QString home;
        QString executable;
        QString chosen;
    } cases[] = {{env, portable, env},
                 {env, build, env},
                 {QString(), portable, portable},
                 {QString(), build, user}};
    for (const auto& each : cases)
        EXPECT_EQ(chooseProgramFolder(each.home, each.executable, user), each.chosen)
            << each.executable.toStdString();
}

TEST(ProgramFolder, FollowsTheEnvironmentAndCreatesTheFolder)
{
    TestFolders folders;
    const QString home = folders.root() + QStringLiteral("/not/yet/there");
    qputenv("KELMORA_HOME", QFile::encodeName(home));
    EXPECT_EQ(programFolder(), home);
    EXPECT_TRUE(QDir(home).exists());
    EXPECT_EQ(programFile(QStringLiteral("FTP.ini")), home + QStringLiteral("/FTP.ini"));

    // The test binary's folder is writable but holds no options file: the user's own data
    // folder is the program folder, not the build folder.
    qunsetenv("KELMORA_HOME");
    ASSERT_TRUE(QFileInfo(QCoreApplication::applicationDirPath()).isWritable());
    ASSERT_FALSE(
        QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/props.ini")));
    const QString userData = folders.root() + QStringLiteral("/data/Kelmora");
    EXPECT_EQ(programFolder(), userData);
    EXPECT_TRUE(QDir(userData).exists());
}

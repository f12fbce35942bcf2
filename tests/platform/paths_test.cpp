#include "platform/filenames.h"
#include "platform/filewriter.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include "support/testfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

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
    const QString hundred = QStringLiteral("\U0001F4AF"); // its second half is U+DCAF
    const struct
    {
        QByteArray bytes;
        QString held;
        bool eightBit;
    } cases[] = {
        {"/h/a.html", QStringLiteral("/h/a.html"), false},
        {georgianFolder + "b.html", QStringLiteral("/h/\u10D0/b.html"), false},
        {georgianFolder + "\xC0.html",
         QStringLiteral("/h/\u10D0/") + QChar(0xDCC0) + QStringLiteral(".html"), true},
        {"/\xC0/\xE1\x83\x90", QString(QChar(u'/')) + QChar(0xDCC0) + QStringLiteral("/\u10D0"),
         true},
        // Characters above U+FFFF, alone, beside Georgian, and in a folder of an 8-bit name.
        {"/h/\xF0\x9F\x92\xAF.html", QStringLiteral("/h/") + hundred + QStringLiteral(".html"),
         false},
        {"/\xE1\x83\x90\xF0\x9F\x92\x80\xF0\x9F\x93\xBF/\xF0\x9F\x93\x81",
         QStringLiteral("/\u10D0\U0001F480\U0001F4FF/\U0001F4C1"), false},
        {"/\xC0/\xF0\x9F\x93\x84",
         QString(QChar(u'/')) + QChar(0xDCC0) + QStringLiteral("/\U0001F4C4"), true},
        // In a part that is not UTF-8 such a character's bytes are escaped one by one.
        {"/\xC0\xF0\x9F\x92\xAF",
         QString(QChar(u'/')) + QChar(0xDCC0) + QChar(0xDCF0) + QChar(0xDC9F) + QChar(0xDC92) +
             QChar(0xDCAF),
         true},
    };
    for (const auto& [bytes, held, eightBit] : cases) {
        EXPECT_EQ(fileNameFromBytes(bytes), held) << bytes.toStdString();
        EXPECT_EQ(fileNameBytes(held), bytes) << bytes.toStdString();
        EXPECT_EQ(hasEightBitName(held), eightBit) << bytes.toStdString();
    }
    EXPECT_TRUE(folderFiles(QString()).isEmpty()) << "no folder is not the root";
}

TEST(FileNames, NamesAboveUffffAreListedReadWrittenAndDeletedUnderTheirOwnBytes)
{
    TestFolders folders;
    const QByteArray folder = QFile::encodeName(folders.root()) + '/';
    const QByteArray names[] = {"\xF0\x9F\x92\xAF.html", "\xE1\x83\x90\xF0\x9F\x93\x84.html",
                                "\xC0\xF0\x9F\x92\x80.html"};
    for (const QByteArray& name : names) {
        const QByteArray bytes = folder + name;
        const int handle = ::open(bytes.constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(handle, 0);
        ASSERT_EQ(::write(handle, "old", 3), 3);
        ::close(handle);
    }
    QStringList listed = folderFiles(folders.root());
    listed.sort();
    ASSERT_EQ(listed.size(), 3);
    for (const QString& name : listed) {
        const QString path = joinPath(folders.root(), name);
        const QByteArray bytes = fileNameBytes(path);
        EXPECT_TRUE(fileFacts(path).isFile) << bytes.toStdString();
        EXPECT_EQ(readTextFile(path).text, QStringLiteral("old")) << bytes.toStdString();
        if (!hasEightBitName(path)) { // the documents' names: saved, and read again
            ASSERT_TRUE(writeWholeFile(path, "new")) << bytes.toStdString();
            EXPECT_EQ(readTextFile(path).text, QStringLiteral("new")) << bytes.toStdString();
        }
        EXPECT_TRUE(removeFile(path)) << bytes.toStdString();
        EXPECT_NE(::access(bytes.constData(), F_OK), 0) << bytes.toStdString();
    }
    EXPECT_TRUE(folderFiles(folders.root()).isEmpty()) << "each name deleted itself, no other";
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

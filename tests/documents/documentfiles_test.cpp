#include "documents/documentfiles.h"

#include "core/boxprompts.h"
#include "menus/menucaption.h"
#include "support/testfolders.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(TextFiles, AreKnownByTheirExtensionInAnyLetterCase)
{
    EXPECT_EQ(IsTextFile(QStringLiteral("html")), -1);
    EXPECT_EQ(IsTextFile(QStringLiteral("/site/Page.HtM")), -1);
    EXPECT_EQ(IsTextFile(QStringLiteral("a.wsf")), -1);
    EXPECT_EQ(IsTextFile(QStringLiteral("lib.h")), -1);
    EXPECT_EQ(IsTextFile(QStringLiteral("a.php4")), 0);
    EXPECT_EQ(IsTextFile(QStringLiteral("a.txt2")), 0);
    EXPECT_EQ(IsTextFile(QStringLiteral("/site/picture.jpg")), 0);
    EXPECT_EQ(IsTextFile(QStringLiteral("/a.b/README")), 0)
        << "a dot in a folder name gives no extension";
}

TEST(TextFiles, NamesAndKindsComeFromThePath)
{
    EXPECT_EQ(extensionOf(QStringLiteral("/x/a.b.HTML")), QStringLiteral("HTML"));
    EXPECT_EQ(extensionOf(QStringLiteral("noext")), QStringLiteral("noext"));
    EXPECT_EQ(fileTitleOf(QStringLiteral("/site/sub/page.htm")), QStringLiteral("page.htm"));
    EXPECT_EQ(mediaActionOf(QStringLiteral("png")), MediaAction::Preview);
    EXPECT_EQ(mediaActionOf(QStringLiteral("IKO")), MediaAction::Preview);
    EXPECT_EQ(mediaActionOf(QStringLiteral("wav")), MediaAction::HandOver);
    EXPECT_EQ(mediaActionOf(QStringLiteral("zip")), MediaAction::ListOnly);
    EXPECT_TRUE(isOpenCommandPicture(QStringLiteral("/a/b.Gif")));
    EXPECT_FALSE(isOpenCommandPicture(QStringLiteral("/a/b.jpeg")));
    EXPECT_TRUE(isProjectListFile(QStringLiteral("/site/site.web")));
    EXPECT_EQ(untitledName(3, QStringLiteral(".TXT")), QStringLiteral("nosaved3.TXT"));
    EXPECT_EQ(untitledExtensionFor(QStringLiteral("x<hTmL>y")), QStringLiteral(".HTML"));
    EXPECT_EQ(untitledExtensionFor(QStringLiteral("<HTM>")), QStringLiteral(".TXT"));
}

TEST(Renaming, KeepsTheFolderAndTheExtension)
{
    EXPECT_EQ(renamedPath(QStringLiteral("/site/page.htm"), QStringLiteral("index")),
              QStringLiteral("/site/index.htm"));
    EXPECT_EQ(renamedPath(QStringLiteral("/site/page.htm"), QStringLiteral("index.htm")),
              QStringLiteral("/site/index.htm"));
    EXPECT_EQ(renamedPath(QStringLiteral("/site/page.htm"), QStringLiteral("index.HTM")),
              QStringLiteral("/site/index.HTM.htm"))
        << "the extension is compared exactly";
    EXPECT_EQ(renamedPath(QStringLiteral("/a.b/README"), QStringLiteral("NOTES")),
              QStringLiteral("/a.b/NOTES"));
    EXPECT_EQ(renamedTitle(QStringLiteral("nosaved3.HTML"), QStringLiteral("start")),
              QStringLiteral("start.HTML"));
    EXPECT_EQ(renamedTitle(QStringLiteral("nosaved3.HTML"), QStringLiteral("a.txt")),
              QStringLiteral("a.txt"));
    EXPECT_EQ(renamedTitle(QStringLiteral("untitled"), QStringLiteral("start")),
              QStringLiteral("start"));
}

TEST(DocumentFiles, AreReadByteForByteAndRefusedWhenNotText)
{
    TestFolders folders;
    const QString text = folders.root() + QStringLiteral("/a.html");
    writeFile(text, QByteArray("\xC0\xE4 a\r\nb\xFF"));
    const TextFileRead read = readTextFile(text);
    EXPECT_EQ(read.status, FileStatus::Readable);
    EXPECT_EQ(read.text, QStringLiteral("\u00C0\u00E4 a\r\nb\u00FF"));

    const QString binary = folders.root() + QStringLiteral("/b.html");
    writeFile(binary, QByteArray("PK\x03\x04\0\0", 6));
    EXPECT_EQ(readTextFile(binary).status, FileStatus::NotText);
    EXPECT_EQ(readTextFile(folders.root() + QStringLiteral("/none.html")).status,
              FileStatus::Missing);
    EXPECT_EQ(readTextFile(folders.root()).status, FileStatus::Unreadable);
    EXPECT_EQ(fileStatus(binary), FileStatus::Readable);
    EXPECT_EQ(refusalMessage(FileStatus::Missing), QStringLiteral("faili ver moiZebna."));
    EXPECT_EQ(refusalMessage(FileStatus::Readable), QString());
}

TEST(DocumentFiles, AreWrittenWholeAsHeldAndThroughLinks)
{
    TestFolders folders;
    const QString path = folders.root() + QStringLiteral("/out.html");
    writeFile(path, QByteArray("old content that is longer"));
    EXPECT_EQ(WriteTextFile(path, {QStringLiteral("\u00E0\u00E1\r\nx\n")}), -1);
    EXPECT_EQ(readFile(path), QByteArray("\xE0\xE1\r\nx\n"));

    const QString target = folders.root() + QStringLiteral("/target.html");
    const QString link = folders.root() + QStringLiteral("/link.html");
    writeFile(target, QByteArray("before"));
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_EQ(WriteTextFile(link, {QStringLiteral("after")}), -1);
    EXPECT_EQ(readFile(target), QByteArray("after"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());

    // A folder below a plain file cannot exist, even for root.
    writeFile(folders.root() + QStringLiteral("/blocker"), QByteArray("file"));
    EXPECT_EQ(WriteTextFile(folders.root() + QStringLiteral("/blocker/sub/a.html"),
                            {QStringLiteral("x")}),
              0);
}

TEST(Utf8Files, KeepEveryLineAndDropTheByteOrderMark)
{
    EXPECT_EQ(utf8FileLines(QStringLiteral("\u00EF\u00BB\u00BFa\r\n\r\nb\nc\n")),
              QStringLiteral("a\r\n\r\nb\r\nc"));
    EXPECT_EQ(utf8FileLines(QStringLiteral("a\rb")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(utf8FileLines(QStringLiteral("\n\n")), QStringLiteral("\r\n"));
    EXPECT_EQ(utf8FileLines(QString()), QString());
}

TEST(MenuTexts, GeorgianKeysBecomeTheBytesOfTheEightBitLayout)
{
    EXPECT_EQ(eightBitGeorgian("failis Cawera"),
              QStringLiteral(
                  "\u00D7\u00C0\u00C9\u00CB\u00C9\u00D3 \u00DC\u00C0\u00DF\u00C4\u00D2\u00C0"));
    EXPECT_EQ(QStringLiteral("UTF8 ") + eightBitGeorgian("h"), QStringLiteral("UTF8 \u00E4"));
}

TEST(FileDialogs, TakeTheProgramsFilterAsNameFilters)
{
    EXPECT_EQ(
        dialogNameFilters(QStringLiteral("Text(*.txt)|*.txt|All Files|*.*")),
        QStringList({QStringLiteral("Text(*.txt) (*.txt)"), QStringLiteral("All Files (*)")}));
    EXPECT_EQ(dialogNameFilters(QStringLiteral("HTML(*.htm,*.html)|*.HTML;*.htm")),
              QStringList({QStringLiteral("HTML(*.htm,*.html) (*.HTML *.htm)")}));
}

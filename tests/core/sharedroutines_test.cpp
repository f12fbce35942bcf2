#include "core/sharedroutines.h"

#include "support/recordingshell.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"

#include <QWidget>

#include <gtest/gtest.h>

TEST(ColorToHtml, RedGreenBlueFromTheLowByteUp)
{
    EXPECT_EQ(ColorToHtml(0), QStringLiteral("#000000"));
    EXPECT_EQ(ColorToHtml(255), QStringLiteral("#FF0000"));
    EXPECT_EQ(ColorToHtml(0x0A0B0C), QStringLiteral("#0C0B0A"));
    EXPECT_EQ(ColorToHtml(0xFF0000), QStringLiteral("#0000FF"));
    EXPECT_EQ(ColorToHtml(0xC0FFEE), QStringLiteral("#EEFFC0"));
}

TEST(ColorToHtml, OnlyTheLowTwentyFourBitsCount)
{
    EXPECT_EQ(ColorToHtml(0xFFFFFFFF), QStringLiteral("#FFFFFF"));
    EXPECT_EQ(ColorToHtml(0x80000005), QStringLiteral("#050000"));
    EXPECT_EQ(ColorToHtml(0x12345678), QStringLiteral("#785634"));
}

TEST(HasBadFileNameChars, RefusesReservedAndControlCharacters)
{
    EXPECT_EQ(HasBadFileNameChars(QStringLiteral("index.html")), 0);
    EXPECT_EQ(HasBadFileNameChars(QString()), 0);
    EXPECT_EQ(HasBadFileNameChars(QStringLiteral("my page (2).htm")), 0);
    EXPECT_EQ(HasBadFileNameChars(QStringLiteral("\u00C0\u00E4\u00FF.html")), 0);
    for (const char c : QByteArray("\\/?:*<>|\"\t\r\n\x01\x1F"))
        EXPECT_EQ(HasBadFileNameChars(QStringLiteral("a") + QLatin1Char(c) + QStringLiteral("b")),
                  -1)
            << "character " << int(c);
}

TEST(CenterOver, CentresOrRaisesByAThirdOfTheOffset)
{
    const QRect owner(100, 200, 800, 600);
    EXPECT_EQ(CenteredPosition(owner, QSize(400, 300), false), QPoint(300, 350));
    EXPECT_EQ(CenteredPosition(owner, QSize(400, 300), true), QPoint(300, 300));
    // As tall as the owner: raised or not, the tops meet.
    EXPECT_EQ(CenteredPosition(owner, QSize(400, 600), true), QPoint(300, 200));
    // Larger than the owner: it starts above and left of it.
    EXPECT_EQ(CenteredPosition(owner, QSize(1000, 900), false), QPoint(0, 50));
}

TEST(CenterOver, MovesTheWindow)
{
    QWidget owner;
    owner.setGeometry(100, 200, 800, 600);
    QWidget window;
    window.resize(400, 300);
    CenterOver(&owner, &window, -1);
    EXPECT_EQ(window.pos(), QPoint(300, 300));
}

TEST(ShowHelp, OpensTheHelpFileOnlyWhenItIsThere)
{
    TestFolders folders;
    RecordingShell shell;
    ShowHelp(QStringLiteral("tolbar.htm"));
    EXPECT_TRUE(shell.requests.isEmpty());

    const QString help = folders.path(QStringLiteral("Kelmora.chm"));
    writeFile(help, "help");
    ShowHelp(QStringLiteral("tolbar.htm"));
    ShowHelp(QString());
    EXPECT_EQ(shell.requests,
              QStringList({QStringLiteral("help ") + help + QStringLiteral(" tolbar.htm"),
                           QStringLiteral("help ") + help + QStringLiteral(" ")}));
}

TEST(ShellRoutines, AddressesFilesAndFoldersGoToTheShell)
{
    RecordingShell shell;
    OpenUrl(nullptr, QStringLiteral("http://example.org/"));
    ShellOpen(QStringLiteral("/site/a b.wav"), nullptr);
    EXPECT_EQ(BrowseFolder(nullptr), QString());
    shell.folderAnswer = QStringLiteral("/site");
    EXPECT_EQ(BrowseFolder(nullptr), QStringLiteral("/site"));
    EXPECT_EQ(shell.requests,
              QStringList({QStringLiteral("address http://example.org/"),
                           QStringLiteral("open /site/a b.wav"),
                           QStringLiteral("browse airCie folderi failebis Casawerad:"),
                           QStringLiteral("browse airCie folderi failebis Casawerad:")}));
}

TEST(DialogWrappers, PassEveryArgumentAndReturnTheAnswer)
{
    ScriptedPrompts prompts({QStringLiteral("2"), QStringLiteral("typed"), QStringLiteral("0/2")});
    EXPECT_EQ(MsgBoxa(QStringLiteral("gindaT?"), QStringLiteral("T"), kIconQuestion, 3,
                      QStringLiteral("a/b/c"), 40),
              QStringLiteral("2"));
    EXPECT_EQ(InputBoxa(QStringLiteral("saxeli"), QStringLiteral("I"), QStringLiteral("G"),
                        QStringLiteral("x"), 3000, 300),
              QStringLiteral("typed"));
    const QStringList items = {QStringLiteral("one"), QStringLiteral("two"),
                               QStringLiteral("three")};
    EXPECT_EQ(
        ListBoxa(QStringLiteral("airCie"), items, QStringLiteral("L"), QString(), 3000, 2000, -1),
        QStringLiteral("0/2"));

    ASSERT_EQ(prompts.asked().size(), 3);
    const auto& message = prompts.asked()[0];
    EXPECT_EQ(message.prompt, QStringLiteral("gindaT?"));
    EXPECT_EQ(message.title, QStringLiteral("T"));
    EXPECT_EQ(message.icon, kIconQuestion);
    EXPECT_EQ(message.buttons, 3);
    EXPECT_EQ(message.captions, QStringLiteral("a/b/c"));
    EXPECT_EQ(message.wrap, 40);
    EXPECT_EQ(prompts.asked()[1].kind, QStringLiteral("input"));
    EXPECT_EQ(prompts.asked()[2].items, items);
}

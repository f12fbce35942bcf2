#include "support/commandsfixture.h"

#include "core/progprops.h"
#include "documents/pageskeleton.h"

#include <QFile>

namespace {

class Closing : public Commands
{
protected:
    void openTexts(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            const QString title = QString::fromLatin1(name);
            commands.opening().ofnen(FilePath(file(title, title.toLatin1())));
        }
    }
    void closeNode(qint16 index)
    {
        window.TV->setCurrentItem(node(index));
        commands.saving().Cdel_Click();
    }
};

const QString kCloseQuestion =
    QStringLiteral("faili Seicvala.\r\n\r\ngsurT cvlilebebis damaxsovreba?");

} // namespace

// --- New documents ---------------------------------------------------------------------

TEST_F(Closing, ANewPageRightAfterStartIsTheOnlyDocument)
{
    // The empty, unnamed start text is nothing to keep: it becomes no document.
    commands.saving().mnunewF_Click(0);
    ASSERT_EQ(state().Docs().Count(), 1);
    EXPECT_EQ(item(0).FileTitle, QStringLiteral("nosaved0.HTML"));
    EXPECT_EQ(item(0).Value, pageSkeleton(QStringLiteral("New Document"), QString(), Props));
    EXPECT_EQ(window.T1->SelStart(), 128) << "on the empty line of the body";
    EXPECT_EQ(item(0).Changed, -1);
    EXPECT_EQ(state().DocIndex(), 0);
    EXPECT_EQ(window.TV->currentItem(), node(0));
    EXPECT_TRUE(saveEnabled());
    EXPECT_TRUE(rulesHold());
}

TEST_F(Closing, ANewDocumentNamesUnnamedTextByWhatItHolds)
{
    type(QStringLiteral("<html><body>"));
    commands.saving().mnunewF_Click(2);
    EXPECT_EQ(item(0).FileTitle, QStringLiteral("nosaved0.HTML"));
    EXPECT_EQ(item(0).Value, QStringLiteral("<html><body>"));
    EXPECT_EQ(item(1).FileTitle, QStringLiteral("nosaved1.TXT"));
    EXPECT_EQ(editorText(), QString());
    EXPECT_TRUE(rulesHold());
}

TEST_F(Closing, ANewDocumentKeepsTheSingleFileAsASavedDocument)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    commands.opening().comandopen(a, QString());
    commands.saving().mnunewF_Click(0);
    EXPECT_EQ(item(0).filepath, a);
    EXPECT_EQ(item(0).FileTitle, QStringLiteral("a.html"));
    EXPECT_EQ(item(0).saved, -1);
    type(QStringLiteral("x"));
    commands.saving().mnunewF_Click(2);
    EXPECT_EQ(item(1).Value, pageSkeleton(QStringLiteral("New Document"), QString(), Props) + u'x')
        << "stored before the switch";
    EXPECT_EQ(item(2).FileTitle, QStringLiteral("nosaved2.TXT"));
    EXPECT_TRUE(rulesHold());
}

// --- Closing ---------------------------------------------------------------------------

TEST_F(Closing, AnUnchangedDocumentClosesWithoutAQuestion)
{
    openTexts({"a.html", "b.html", "c.html"});
    ScriptedPrompts prompts;
    closeNode(1);
    EXPECT_TRUE(prompts.asked().isEmpty());
    ASSERT_EQ(state().Docs().Count(), 2);
    EXPECT_EQ(item(1).FileTitle, QStringLiteral("c.html"));
    EXPECT_EQ(state().DocIndex(), 1) << "the current document moved down with its index";
    commands.tree().TV_NodeClick(node(0));
    commands.tree().TV_NodeClick(node(1));
    EXPECT_EQ(editorText(), QStringLiteral("c.html")) << "the re-tagged node leads to its document";
    EXPECT_TRUE(rulesHold());
}

TEST_F(Closing, ClosingAnotherDocumentKeepsTheTypedTextOfTheCurrentOne)
{
    openTexts({"a.html", "b.html"});
    type(QStringLiteral(" typed"));
    closeNode(0);
    EXPECT_EQ(state().DocIndex(), 0);
    EXPECT_EQ(editorText(), QStringLiteral("b.html typed"));
    EXPECT_EQ(item(0).Value, QStringLiteral("b.html typed"));
    EXPECT_EQ(item(0).Changed, -1);
    EXPECT_TRUE(rulesHold());
}

TEST_F(Closing, AChangedDocumentAsksAndHonoursEveryAnswer)
{
    openTexts({"a.html", "b.html", "c.html"});
    type(QStringLiteral(" typed"));
    ScriptedPrompts prompts({QStringLiteral("2")});
    closeNode(2);
    EXPECT_EQ(prompts.asked()[0].prompt, kCloseQuestion);
    EXPECT_EQ(prompts.asked()[0].title, QStringLiteral("Close"));
    EXPECT_EQ(state().Docs().Count(), 3) << "cancel keeps it";

    prompts.answer(QStringLiteral("6"));
    closeNode(2);
    EXPECT_EQ(readFile(path(QStringLiteral("c.html"))), QByteArray("c.html typed"));
    ASSERT_EQ(state().Docs().Count(), 2);
    EXPECT_EQ(state().DocIndex(), 0) << "the first text in the tree is shown";
    EXPECT_EQ(editorText(), QStringLiteral("a.html"));

    type(QStringLiteral(" dropped"));
    prompts.answer(QStringLiteral("7"));
    closeNode(0);
    EXPECT_EQ(readFile(path(QStringLiteral("a.html"))), QByteArray("a.html"));
    EXPECT_EQ(editorText(), QStringLiteral("b.html"));
    EXPECT_TRUE(rulesHold());
}

TEST_F(Closing, ADocumentStaysOpenWhenItsSaveIsCancelledOrFails)
{
    commands.saving().mnunewF_Click(2);
    type(QStringLiteral("new text"));
    ScriptedPrompts prompts({QStringLiteral("6"), QString()});
    closeNode(0);
    EXPECT_EQ(prompts.asked()[1].kind, QStringLiteral("save"));
    EXPECT_EQ(prompts.asked()[1].proposedName, QStringLiteral("nosaved0.TXT"));
    EXPECT_EQ(state().Docs().Count(), 1);

    prompts.answer(QStringLiteral("6"));
    prompts.answer(unwritable(QStringLiteral("x.txt")));
    prompts.answer(QStringLiteral("6"));
    closeNode(0);
    EXPECT_EQ(prompts.asked().last().prompt,
              QStringLiteral("racxa ver moxda Cawera.\r\nSeamowme sad iwer da ras iwer!"));
    EXPECT_EQ(state().Docs().Count(), 1);
    EXPECT_EQ(editorText(), QStringLiteral("new text"));

    const QString chosen = path(QStringLiteral("chosen.txt"));
    prompts.answer(QStringLiteral("6"));
    prompts.answer(chosen);
    closeNode(0);
    EXPECT_EQ(readFile(chosen), QByteArray("new text"));
    EXPECT_EQ(state().Docs().Count(), 0);
    EXPECT_TRUE(rulesHold());
}

TEST_F(Closing, ClosingTheLastTextLeavesAnEmptyEditorAndNewTypingGetsADocument)
{
    openTexts({"a.html"});
    commands.opening().ofnen(FilePath(file(QStringLiteral("p.gif"), "GIF")));
    openTexts({"b.html"});
    closeNode(0);
    closeNode(1);
    EXPECT_EQ(state().DocIndex(), -1);
    EXPECT_EQ(editorText(), QString());
    ASSERT_EQ(state().Docs().Count(), 1);
    EXPECT_TRUE(rulesHold());
    type(QStringLiteral("more"));
    EXPECT_EQ(state().DocIndex(), 1);
    EXPECT_EQ(item(1).FileTitle, QStringLiteral("nosaved1.TXT"));
    EXPECT_NE(node(1), nullptr) << "the tree lists it";
    EXPECT_TRUE(rulesHold());

    closeNode(0);
    ScriptedPrompts prompts({QStringLiteral("7")});
    closeNode(0);
    EXPECT_EQ(window.TV->topLevelItemCount(), 4) << "the groups stay";
    EXPECT_FALSE(anyDocumentChanged(state().Docs()));
    EXPECT_TRUE(rulesHold());
}

TEST_F(Closing, GroupNodesAndAnEmptyTreeCloseNothing)
{
    commands.saving().Cdel_Click();
    openTexts({"a.html", "b.html"});
    window.TV->setCurrentItem(window.TV->topLevelItem(0));
    commands.saving().Cdel_Click();
    EXPECT_EQ(state().Docs().Count(), 2);
}

#include "app/closequestions.h"
#include "app/mainlayout.h"
#include "core/collection.h"

#include <gtest/gtest.h>

namespace {

MainLayoutInput window(bool translation, bool sidePanel)
{
    MainLayoutInput in;
    in.width = 1000;
    in.height = 700;
    in.toolbarHeight = 30;
    in.statusBarHeight = 22;
    in.sidePanelWidth = 200;
    in.translationShown = translation;
    in.sidePanelShown = sidePanel;
    return in;
}

} // namespace

TEST(MainLayout, EditorBesideTheSidePanelAboveTheStatusBar)
{
    const MainLayout out = layOutMainWindow(window(false, true));
    EXPECT_EQ(out.editorPane, QRect(202, 30, 798, 650));
    EXPECT_EQ(out.sidePanel, QRect(0, 30, 200, 650));
    EXPECT_EQ(out.splitter, QRect(198, 30, 4, 650));
    EXPECT_TRUE(out.translationBox.isNull());

    const MainLayout hidden = layOutMainWindow(window(false, false));
    EXPECT_EQ(hidden.editorPane, QRect(0, 30, 1000, 650));
}

TEST(MainLayout, TheTranslationBoxTakesATenthBelowTheEditor)
{
    // 700 - (22 + 30) = 648 for both; a tenth of it, whole, is 64.
    const MainLayout out = layOutMainWindow(window(true, true));
    EXPECT_EQ(out.editorPane, QRect(202, 30, 798, 584));
    EXPECT_EQ(out.sidePanel, QRect(0, 30, 200, 584));
    EXPECT_EQ(out.translationBox, QRect(0, 614, 1000, 64));

    const MainLayout hidden = layOutMainWindow(window(true, false));
    EXPECT_EQ(hidden.editorPane, QRect(0, 30, 1000, 584));
    EXPECT_EQ(hidden.translationBox, QRect(0, 614, 1000, 64));
}

TEST(MainLayout, AVerySmallWindowGivesItsPanesNoNegativeHeight)
{
    for (const bool translation : {false, true}) {
        MainLayoutInput tiny = window(translation, true);
        tiny.height = 40;
        const MainLayout out = layOutMainWindow(tiny);
        EXPECT_EQ(out.editorPane.height(), 0) << translation;
        EXPECT_EQ(out.sidePanel.height(), 0) << translation;
        EXPECT_EQ(out.splitter.height(), 0) << translation;
        EXPECT_GE(out.translationBox.height(), 0) << translation;
    }
}

TEST(Splitter, DragStopsPastItsBoundsOnlyInTheirDirection)
{
    EXPECT_FALSE(splitterMayMove(134, 1, 2)); // left of 135, going further left
    EXPECT_TRUE(splitterMayMove(134, 3, 2));  // coming back right
    EXPECT_FALSE(splitterMayMove(251, 3, 2)); // right of 250, going further right
    EXPECT_TRUE(splitterMayMove(251, 1, 2));
    EXPECT_TRUE(splitterMayMove(200, 0, 2));
    EXPECT_TRUE(splitterMayMove(200, 9, 2));
}

TEST(Splitter, LettingGoLeftOfTheBoundPutsItBack)
{
    const SplitterRelease back = releaseSplitter(100, 1000);
    EXPECT_EQ(back.sidePanelWidth, 135);
    EXPECT_EQ(back.editorLeft, 138);
    EXPECT_EQ(back.editorWidth, 861);
    EXPECT_EQ(back.barLeft, 135);

    const SplitterRelease there = releaseSplitter(240, 1000);
    EXPECT_EQ(there.sidePanelWidth, 240);
    EXPECT_EQ(there.editorLeft, 243);
    EXPECT_EQ(there.editorWidth, 756);
}

TEST(SidePanel, PagesInTwips)
{
    const SidePanelPages pages = layOutSidePanel(3000, 6000);
    EXPECT_EQ(pages.tabs, QRect(0, 0, 3000, 6000));
    EXPECT_EQ(pages.tree, QRect(30, 390, 2940, 5610));
    EXPECT_EQ(pages.filePage, QRect(30, 390, 2940, 5700));

    const FilePageLayout file = layOutFilePage(2940, 5700, 300, 360);
    EXPECT_EQ(file.driveWidth, 2910);
    EXPECT_EQ(file.folderHeight, 2200);
    EXPECT_EQ(file.listTop, 2575);
    EXPECT_EQ(file.listHeight, 3080);
}

namespace {

const QString kSingleFileChanged =
    QStringLiteral("faili Seicvala.\r\ngindaT cvlilebebis damaxsovreba?");
const QString kDocumentsChanged = QStringLiteral("gindaT cvlilebebis damaxsovreba?");
const QString kProjectChanged =
    QStringLiteral("proeqti Seicvala.\r\n\r\nginda cvlilebebis damaxsovreba?");
const QString kProjectFilesChanged =
    QStringLiteral("proeqtis failebi Seicvala.\r\n\r\nginda cvlilebebis damaxsovreba?");

QString asked(const EditorCloseState& editor, ColectionMain& docs)
{
    const auto question = closeQuestion(editor, docs);
    return question ? question->prompt + QLatin1Char('|') + question->title
                    : QStringLiteral("none");
}

} // namespace

TEST(CloseQuestions, SingleFile)
{
    ColectionMain docs;
    EditorCloseState editor;
    EXPECT_EQ(asked(editor, docs), QStringLiteral("none"));
    editor.editorChanged = true;
    EXPECT_EQ(asked(editor, docs), QStringLiteral("none")) << "an empty unnamed text is no loss";
    editor.editorEmpty = false;
    EXPECT_EQ(asked(editor, docs), kDocumentsChanged + QLatin1Char('|'));
    editor.editorPath = QStringLiteral("/site/a.html");
    EXPECT_EQ(asked(editor, docs), kSingleFileChanged + QLatin1Char('|'));
    EXPECT_TRUE(unsavedWorkRemains(editor, docs));
    editor.editorChanged = false;
    EXPECT_FALSE(unsavedWorkRemains(editor, docs));
}

TEST(CloseQuestions, ChangedDocumentsWithoutAProjectAreAskedAbout)
{
    ColectionMain docs;
    EditorCloseState editor;
    editor.docsMode = true;
    docs.AddNewIthem(QStringLiteral("a"), -1, QString(), QString());
    docs.AddNewIthem(QStringLiteral("b"), -1, QString(), QString());
    EXPECT_EQ(asked(editor, docs), QStringLiteral("none"));
    docs.Item(1).Changed = -1;
    EXPECT_EQ(asked(editor, docs), kDocumentsChanged + QLatin1Char('|'));
    EXPECT_TRUE(unsavedWorkRemains(editor, docs));
}

TEST(CloseQuestions, AProjectIsAskedAboutFirst)
{
    ColectionMain docs;
    EditorCloseState editor;
    editor.docsMode = true;
    docs.setWEBopened(-1);
    docs.AddNewIthem(QStringLiteral("a"), -1, QString(), QString());
    docs.Item(0).IsInWEB = -1;
    EXPECT_EQ(asked(editor, docs), QStringLiteral("none"));

    const QString title = QStringLiteral("|Sag niemals nie");
    docs.AddNewIthem(QStringLiteral("new"), -1, QString(), QString());
    EXPECT_EQ(asked(editor, docs), kProjectFilesChanged + title)
        << "a document outside the project";
    EXPECT_FALSE(unsavedWorkRemains(editor, docs));
    docs.Item(1).IsInWEB = -1;
    docs.Item(0).Changed = -1;
    EXPECT_EQ(asked(editor, docs), kProjectFilesChanged + title);
    docs.setWEBChanged(-1);
    EXPECT_EQ(asked(editor, docs), kProjectChanged + title);
}

#include "documents/documentstate.h"

#include "documents/editortext.h"
#include "support/invariants.h"

#include <gtest/gtest.h>

namespace {

// An editor that is only its text, caret and selection.
class PlainEditor : public EditorText
{
public:
    QString text() const override { return m_text; }
    void setText(const QString& text) override
    {
        m_text = text;
        m_start = 0;
        m_length = 0;
        ++replacements;
    }
    qint32 selStart() const override { return m_start; }
    qint32 selLength() const override { return m_length; }
    void select(qint32 start, qint32 length) override
    {
        m_start = start;
        m_length = length;
    }

    int replacements = 0;

private:
    QString m_text;
    qint32 m_start = 0;
    qint32 m_length = 0;
};

class State : public testing::Test
{
protected:
    // The user types: the text changes and the editor reports it.
    void type(const QString& text)
    {
        editor.select(0, 0);
        const QString before = editor.text();
        editor.setText(before + text);
        state.editorEdited();
    }
    testing::AssertionResult rulesHold() { return documentRulesHold(state, editor.text()); }

    PlainEditor editor;
    DocumentState state{editor};
};

const QString kPath = QStringLiteral("/site/a.html");

} // namespace

TEST_F(State, StartsInTheEmptySingleFileState)
{
    EXPECT_EQ(state.DocsMode(), 0);
    EXPECT_EQ(state.DocIndex(), -1);
    EXPECT_FALSE(state.singleFileHoldsWork());
    EXPECT_FALSE(state.unsavedWork());
    EXPECT_TRUE(rulesHold());
}

TEST_F(State, TypingMarksTheSingleFileOrTheCurrentDocumentChanged)
{
    state.resetToSingleFile(FilePath(kPath), QStringLiteral("one"));
    EXPECT_EQ(state.EditorChanged(), 0);
    type(QStringLiteral("x"));
    EXPECT_EQ(state.EditorChanged(), -1);
    EXPECT_TRUE(state.unsavedWork());

    state.appendShown(QStringLiteral("two"), FilePath(QStringLiteral("/site/b.html")),
                      QStringLiteral("b.html"), false);
    type(QStringLiteral("y"));
    EXPECT_EQ(state.Docs().Item(1).Changed, -1);
    EXPECT_EQ(state.Docs().Item(0).Changed, -1) << "the first file had been typed into";
    EXPECT_TRUE(rulesHold());
}

TEST_F(State, TheProgramsOwnTextReplacementsMarkNothing)
{
    {
        const DocumentState::TextLoading loading(state);
        {
            const DocumentState::TextLoading nested(state);
            EXPECT_EQ(state.LoadingText(), -1);
        }
        EXPECT_EQ(state.LoadingText(), -1) << "the outer guard still holds";
        editor.setText(QStringLiteral("loaded"));
        EXPECT_FALSE(state.editorEdited());
    }
    EXPECT_EQ(state.LoadingText(), 0);
    EXPECT_EQ(state.EditorChanged(), 0);
}

TEST_F(State, AdoptionKeepsTheFileAndItsChangedState)
{
    state.resetToSingleFile(FilePath(kPath), QStringLiteral("unchanged"));
    ASSERT_TRUE(state.adopt(QStringLiteral("ignored.HTML")));
    const Ithem& item = state.Docs().Item(0);
    EXPECT_EQ(item.filepath, kPath);
    EXPECT_EQ(item.FileTitle, QStringLiteral("a.html"));
    EXPECT_EQ(item.saved, -1);
    EXPECT_EQ(item.Changed, 0) << "an unchanged file is not written again by save-all";
    EXPECT_EQ(item.Value, QStringLiteral("unchanged"));
    EXPECT_EQ(state.DocIndex(), 0);
    EXPECT_EQ(state.EditorPath(), QString()) << "the single-file path goes with its state";
    EXPECT_TRUE(rulesHold());
}

TEST_F(State, AdoptingUnnamedTextUsesTheUntitledNameAndMarksItChanged)
{
    type(QStringLiteral("typed"));
    ASSERT_TRUE(state.adopt(QStringLiteral("Notsaved0.HTML")));
    EXPECT_EQ(state.Docs().Item(0).FileTitle, QStringLiteral("Notsaved0.HTML"));
    EXPECT_EQ(state.Docs().Item(0).Changed, -1);
    EXPECT_EQ(state.Docs().Item(0).saved, 0);
    EXPECT_TRUE(rulesHold());
}

TEST_F(State, AppendingInTheSingleFileStateKeepsItsTextAsADocument)
{
    type(QStringLiteral("typed"));
    const qint16 index = state.appendShown(QStringLiteral("new\nline"), FilePath(kPath),
                                           QStringLiteral("a.html"), false);
    ASSERT_EQ(index, 1);
    EXPECT_EQ(state.Docs().Item(0).Value, QStringLiteral("typed"));
    EXPECT_EQ(state.Docs().Item(0).FileTitle, QStringLiteral("nosaved0.HTML"));
    EXPECT_EQ(editor.text(), QStringLiteral("new\nline"));
    EXPECT_EQ(state.DocIndex(), 1);
    EXPECT_TRUE(rulesHold());
}

TEST_F(State, SwitchingStoresTextCaretAndSelectionAndBringsThemBack)
{
    state.appendShown(QStringLiteral("first text"), FilePath(), QStringLiteral("a"), false);
    state.appendShown(QStringLiteral("second"), FilePath(), QStringLiteral("b"), false);
    editor.select(2, 3);
    ASSERT_TRUE(state.show(0));
    type(QStringLiteral("!"));
    editor.select(4, 1);
    ASSERT_TRUE(state.show(1));
    EXPECT_EQ(editor.text(), QStringLiteral("second"));
    EXPECT_EQ(editor.selStart(), 2);
    EXPECT_EQ(editor.selLength(), 3);
    ASSERT_TRUE(state.show(0));
    EXPECT_EQ(editor.text(), QStringLiteral("first text!"));
    EXPECT_EQ(state.Docs().Item(0).Changed, -1);
    EXPECT_EQ(state.Docs().Item(1).Changed, 0) << "nothing was typed into the second";
    EXPECT_EQ(editor.selStart(), 4);
    EXPECT_EQ(editor.selLength(), 1);
    EXPECT_TRUE(rulesHold());
}

TEST_F(State, ADocumentWithoutTextNeverTakesTheEditorsText)
{
    state.appendShown(QStringLiteral("text"), FilePath(), QStringLiteral("a"), false);
    const qint16 picture = state.appendNoText(FilePath(QStringLiteral("/site/p.jpg")));
    EXPECT_EQ(state.DocIndex(), 0) << "listing a picture keeps the current document";
    type(QStringLiteral(" more"));
    EXPECT_FALSE(state.show(picture));
    EXPECT_EQ(state.DocIndex(), 0);
    EXPECT_EQ(editor.text(), QStringLiteral("text more"));
    EXPECT_EQ(state.Docs().Item(picture).Value, QStringLiteral("<XXX>"));
    EXPECT_EQ(state.Docs().Item(0).Value, QStringLiteral("text more"))
        << "the click stored the editor's text into its own document";
    EXPECT_FALSE(state.writableText(picture).has_value());
    state.markSaved(picture);
    state.takeFile(picture, FilePath(QStringLiteral("/elsewhere.jpg")));
    EXPECT_EQ(state.Docs().Item(picture).filepath, QStringLiteral("/site/p.jpg"));
    EXPECT_TRUE(rulesHold());
}

TEST_F(State, AFileHoldingTheMarkerTextIsStillText)
{
    state.appendShown(QStringLiteral("<XXX>"), FilePath(QStringLiteral("/m.txt")),
                      QStringLiteral("m.txt"), false);
    state.appendShown(QStringLiteral("other"), FilePath(), QStringLiteral("o"), false);
    ASSERT_TRUE(state.show(0));
    EXPECT_EQ(editor.text(), QStringLiteral("<XXX>"));
    type(QStringLiteral("!"));
    state.store();
    EXPECT_EQ(state.Docs().Item(0).Value, QStringLiteral("<XXX>!"));
    ASSERT_TRUE(state.writableText(0).has_value());
    EXPECT_EQ(state.writableText(0)->text, QStringLiteral("<XXX>!"));
}

TEST_F(State, AReplacedStoredTextIsMarkedChangedOnlyWhereItDiffers)
{
    state.appendShown(QStringLiteral("cat"), FilePath(QStringLiteral("/a.html")),
                      QStringLiteral("a.html"), false);
    const qint16 picture = state.appendNoText(FilePath(QStringLiteral("/p.jpg")));
    state.appendShown(QStringLiteral("shown"), FilePath(QStringLiteral("/b.html")),
                      QStringLiteral("b.html"), false);
    EXPECT_TRUE(state.replaceStoredText(0, QStringLiteral("cat")));
    EXPECT_EQ(state.Docs().Item(0).Changed, 0) << "the same text changes nothing";
    EXPECT_TRUE(state.replaceStoredText(0, QStringLiteral("dog")));
    EXPECT_EQ(state.Docs().Item(0).Value, QStringLiteral("dog"));
    EXPECT_EQ(state.Docs().Item(0).Changed, -1);
    // The shown document changes through the editor; neither it nor a picture takes a text.
    for (const qint16 refused : {qint16(2), picture, qint16(3), qint16(-1)})
        EXPECT_FALSE(state.replaceStoredText(refused, QStringLiteral("x"))) << refused;
    EXPECT_EQ(state.Docs().Item(2).Value, QStringLiteral("shown"));
    EXPECT_EQ(state.Docs().Item(picture).Value, QStringLiteral("<XXX>"));
    EXPECT_EQ(state.Docs().Item(2).Changed, 0);
    EXPECT_TRUE(rulesHold());
}

TEST_F(State, RemovingAnotherDocumentKeepsTheCurrentOneAndItsTypedText)
{
    state.appendShown(QStringLiteral("zero"), FilePath(), QStringLiteral("a.html"), false);
    state.appendShown(QStringLiteral("one"), FilePath(), QStringLiteral("b.html"), false);
    state.appendShown(QStringLiteral("two"), FilePath(), QStringLiteral("c.html"), false);
    type(QStringLiteral(" typed"));
    const int replacements = editor.replacements;
    state.remove(0);
    EXPECT_EQ(editor.replacements, replacements) << "the editor was left alone";
    EXPECT_EQ(state.DocIndex(), 1);
    EXPECT_EQ(state.Docs().Item(1).Value, QStringLiteral("two typed"));
    EXPECT_EQ(state.Docs().WEBChanged(), -1);
    EXPECT_TRUE(rulesHold());
}

TEST_F(State, RemovingTheCurrentDocumentShowsTheFirstTextInTreeOrder)
{
    state.appendShown(QStringLiteral("notes"), FilePath(), QStringLiteral("n.txt"), false);
    state.appendNoText(FilePath(QStringLiteral("/p.gif")));
    state.appendShown(QStringLiteral("page"), FilePath(), QStringLiteral("p.html"), false);
    state.appendShown(QStringLiteral("style"), FilePath(), QStringLiteral("s.css"), false);
    state.remove(3);
    EXPECT_EQ(state.DocIndex(), 2) << "web pages come before text files in the tree";
    EXPECT_EQ(editor.text(), QStringLiteral("page"));
    state.remove(2);
    state.remove(0);
    EXPECT_EQ(state.DocIndex(), -1) << "only the picture is left";
    EXPECT_EQ(editor.text(), QString());
    EXPECT_TRUE(rulesHold());

    // Text typed now gets a document of its own.
    type(QStringLiteral("<html>"));
    EXPECT_EQ(state.DocIndex(), 1);
    EXPECT_EQ(state.Docs().Item(1).FileTitle, QStringLiteral("nosaved1.HTML"));
    EXPECT_EQ(state.Docs().Item(1).Changed, -1);
    EXPECT_TRUE(rulesHold());
}

TEST_F(State, ClosingEverythingResetsToAnEmptySingleFile)
{
    state.recordProject(QStringLiteral("/site/"), QStringLiteral("site.WEB"));
    state.appendShown(QStringLiteral("x"), FilePath(kPath), QStringLiteral("a.html"), true);
    state.markProjectListChanged();
    EXPECT_EQ(state.lastFileName(), QStringLiteral("/site/site.WEB"));
    EXPECT_TRUE(state.unsavedWork());
    state.closeAll();
    EXPECT_EQ(state.DocsMode(), 0);
    EXPECT_EQ(state.Docs().Count(), 0);
    EXPECT_EQ(state.Docs().WEBopened(), 0);
    EXPECT_EQ(state.Docs().WEBpath(), QString());
    EXPECT_EQ(state.Docs().WEBChanged(), 0);
    EXPECT_EQ(state.EditorPath(), QString());
    EXPECT_EQ(editor.text(), QString());
    EXPECT_TRUE(rulesHold());
}

TEST_F(State, UnsavedWorkCountsChangedAndNeverSavedTexts)
{
    state.appendShown(QStringLiteral("saved"), FilePath(kPath), QStringLiteral("a.html"), false);
    EXPECT_FALSE(state.unsavedWork());
    state.appendNoText(FilePath(QStringLiteral("/p.gif")));
    EXPECT_FALSE(state.unsavedWork()) << "a picture holds nothing to lose";
    state.appendShown(QStringLiteral("new"), FilePath(), QStringLiteral("nosaved2.TXT"), false);
    EXPECT_TRUE(state.unsavedWork());
    state.takeFile(2, FilePath(QStringLiteral("/site/new.txt")));
    EXPECT_FALSE(state.unsavedWork());
    EXPECT_EQ(state.Docs().Item(2).FileTitle, QStringLiteral("new.txt"));
}

TEST_F(State, TheLastFileFollowsTheState)
{
    state.resetToSingleFile(FilePath(kPath), QString());
    EXPECT_EQ(state.lastFileName(), kPath);
    state.appendShown(QStringLiteral("b"), FilePath(QStringLiteral("/site/b.html")),
                      QStringLiteral("b.html"), false);
    EXPECT_EQ(state.lastFileName(), QStringLiteral("/site/b.html"));
    EXPECT_EQ(state.indexOfFile(FilePath(kPath)), 0);
    EXPECT_EQ(state.indexOfFile(FilePath(QStringLiteral("/SITE/a.html"))), -1)
        << "letter case counts";
}

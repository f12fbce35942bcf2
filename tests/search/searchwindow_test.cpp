// The search window on the program's documents: its boxes and aids, find next through the
// tree, find all and its list, replace one and replace all, and the faults it must not have
// (stale texts, documents marked changed for nothing, hits that no longer stand).

#include "searchwindows.h"

#include "search/frmsuch.h"
#include "search/searchengine.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>

#include <functional>
#include <tuple>

namespace {

class SearchWindow : public SearchWindows
{
protected:
    frmsuch& callUp()
    {
        search.mnusuch_Click();
        return *search.searchWindow();
    }
    EditorControl* box(const char* name) { return control<EditorControl>(window(), name); }
    QCheckBox* option(const char* name) { return control<QCheckBox>(window(), name); }
    void press(const char* name) { click<QPushButton>(window(), name); }
    bool enabled(const char* name) { return control<QPushButton>(window(), name)->isEnabled(); }
    void chooseScope(int scope)
    {
        auto* Combo1 = control<QComboBox>(window(), "Combo1");
        Combo1->setCurrentIndex(scope);
        emit Combo1->activated(scope);
    }
    void choose(const char* aid) { control<QAction>(window(), aid)->trigger(); }
    void searchFor(const char* text, const char* replacement = "")
    {
        box("Text1")->setText(Q(text));
        box("Tcvla")->setText(Q(replacement));
    }
    QString info() { return control<QLabel>(window(), "lbinf")->text(); }
    QAbstractItemModel* hitList() { return control<QListView>(window(), "List1")->model(); }
    void clickHit(int row)
    {
        auto* list = control<QListView>(window(), "List1");
        emit list->clicked(list->model()->index(row, 0));
    }
    // Where the editor stands: the document shown, the selection and the selected text.
    std::tuple<qint16, qint32, QString> shown() const
    {
        return {context.state.DocIndex(), context.T1->SelStart(), context.T1->SelText()};
    }
    bool finishedMessageShown() const
    {
        return !answers.asked().isEmpty() &&
               answers.asked().last().kind == QLatin1String("platform") &&
               answers.asked().last().prompt == searchFinishedMessage();
    }

private:
    frmsuch* window() const { return search.searchWindow(); }
};

} // namespace

TEST_F(SearchWindow, TheBoxesKeepLineBreaksAndTypeAsTheLanguageModeSays)
{
    context.T1->setText(Q("one cat\r\ntwo"));
    context.T1->setSelection(4, 3);
    callUp();
    EditorControl* Text1 = box("Text1");
    EditorControl* Tcvla = box("Tcvla");
    EXPECT_EQ(Text1->Text(), Q("cat")) << "a selection of one line is the search text";
    context.T1->setSelection(4, 6);
    callUp();
    EXPECT_EQ(Text1->Text(), Q("cat")) << "a selection over a line break is not";

    Text1->setSelStart(3);
    QTest::keyClick(Text1, Qt::Key_Return);
    QTest::keyClick(Text1, Qt::Key_Tab); // leaves the box
    EXPECT_EQ(Text1->Text(), Q("cat\r\n"));
    choose("mnuend");
    EXPECT_EQ(Text1->Text(), Q("cat\r\n\r\n"));
    EXPECT_EQ(Tcvla->Text(), Q("\r\n"));
    choose("mnuand");
    EXPECT_EQ(Text1->Text(), Q("cat\r\n\r\n|>"));
    EXPECT_FALSE(enabled("Ccvla") || enabled("Calcvla")) << "replacing takes one term";
    choose("mnutab");
    EXPECT_EQ(Text1->Text(), Q("\t"));
    EXPECT_TRUE(enabled("Ccvla") && enabled("Calcvla"));
    press("Ccheinj");
    EXPECT_EQ(Text1->Text(), Q("\r\n"));
    EXPECT_EQ(Tcvla->Text(), Q("\t"));

    // The 8-bit Georgian mode types Georgian letters into both boxes, the Latin mode keys.
    for (const auto& [mode, typed] : {std::pair(LanguageMode::GeorgianIso, "\xC0\xC8\x31"),
                                      std::pair(LanguageMode::Latin, "aT1")}) {
        context.mode = mode;
        for (EditorControl* each : {Text1, Tcvla}) {
            each->setText(QString());
            QTest::keyClicks(each, QStringLiteral("aT1"));
            EXPECT_EQ(each->Text(), Q(typed));
        }
    }
    // With the editor's Russian font the boxes take the phonetic keys: F is Ef.
    context.mode = LanguageMode::Russian;
    FontRecord russian = context.T1->fontRecord();
    russian.charset = 204;
    russian.map = DisplayMapKind::Cyrillic;
    context.T1->setFontRecord(russian);
    callUp();
    Tcvla->setText(QString());
    QTest::keyClicks(Tcvla, QStringLiteral("Fa"));
    EXPECT_EQ(Tcvla->Text(), Q("\xD4\xE0"));
}

TEST_F(SearchWindow, FindNextShowsEachDocumentInTreeOrderAndEndsWithTheMessage)
{
    // In the tree: b.html, a.css, then p.txt; the picture is passed over.
    openDocuments({{"b.html", "x cat"}, {"p.txt", "cat"}, {"a.css", "cat cat"}});
    context.state.appendNoText(FilePath(QStringLiteral("/site/cat.gif")));
    documents.tree().Treefulen();
    callUp();
    option("CKalfil")->setChecked(true);
    searchFor("cat");
    using Shown = std::tuple<qint16, qint32, QString>;
    const Shown walk[] = {{0, 2, Q("cat")}, {2, 0, Q("cat")}, {2, 4, Q("cat")}, {1, 0, Q("cat")}};
    for (const Shown& expected : walk) {
        press("Czuch");
        EXPECT_EQ(shown(), expected);
    }
    EXPECT_FALSE(finishedMessageShown());
    press("Czuch");
    EXPECT_TRUE(finishedMessageShown());
    press("Czuch");
    EXPECT_EQ(shown(), walk[0]) << "the next click walks the tree afresh";

    // Another scope searches the editor's text alone.
    chooseScope(3);
    EXPECT_FALSE(option("CKalfil")->isChecked());
    EXPECT_FALSE(option("CKalfil")->isEnabled());
}

TEST_F(SearchWindow, ReplaceAllKeepsTheEditsSinceTheLastSwitchAndMarksOnlyChangedDocuments)
{
    openDocuments({{"a.html", "a cat concatenate"}, {"b.html", "no hit"}, {"c.html", "x"}});
    context.T1->setSelStart(1);
    typeIntoEditor(" cat y"); // not yet stored into c.html
    callUp();
    option("CKalfil")->setChecked(true);
    option("CHK")->setChecked(true);
    searchFor("cat", "dog");
    press("MBAlfind");
    press("Calcvla");
    EXPECT_EQ(context.T1->Text(), Q("x dog y"));
    EXPECT_EQ(item(0).Value, Q("a dog concatenate")) << "whole words only, as listed";
    EXPECT_EQ(item(0).Changed, -1);
    EXPECT_EQ(item(1).Value, Q("no hit"));
    EXPECT_EQ(item(1).Changed, 0) << "a document without a hit is not marked changed";
    EXPECT_EQ(item(2).Changed, -1);
    EXPECT_EQ(info(), keysShown(Q("2 Seicvala")));
    EXPECT_EQ(hitList()->rowCount(), 0);

    press("Calcvla");
    EXPECT_EQ(info(), keysShown(Q("araferi ar Seicvala")));
}

TEST_F(SearchWindow, FindNextSearchesTheTextAsItIsAfterEveryKindOfChange)
{
    context.T1->setText(Q("cat"));
    callUp();
    searchFor("cat", "a cat");
    press("Czuch");
    ASSERT_EQ(shown(), std::tuple(qint16(-1), 0, Q("cat")));

    // Each change moves the first "cat" after a click has searched the text as it was; the
    // search then starts afresh and finds it where it stands now.
    struct Change
    {
        const char* how;
        std::function<void()> change;
        qint16 doc;
        qint32 at;
    };
    const Change changes[] = {
        {"typed",
         [&] {
             context.T1->setSelStart(0);
             typeIntoEditor("ab ");
         },
         -1, 3},
        {"set by the program", [&] { context.T1->setText(Q("x cat")); }, -1, 2},
        {"edited by a command",
         [&] {
             context.T1->setSelStart(0);
             context.T1->setSelText(Q("long "));
         },
         -1, 7},
        {"undone", [&] { context.T1->undo(); }, -1, 2},
        {"replaced from the window", [&] { press("Ccvla"); }, -1, 4},
        {"another document shown",
         [&] {
             openDocuments({{"a.html", "the big cat"}});
         },
         1, 8},
        {"the first shown again", [&] { documents.tree().showDocument(0); }, 0, 4},
    };
    for (const Change& each : changes) {
        each.change();
        chooseScope(0);
        press("Czuch");
        EXPECT_EQ(shown(), std::tuple(each.doc, each.at, Q("cat"))) << each.how;
    }
}

TEST_F(SearchWindow, FindAllListsEveryHitAndAClickShowsItOrSaysItIsGone)
{
    openDocuments({{"a.html", "cat"}, {"b.html", "a cat cat"}});
    callUp();
    option("CKalfil")->setChecked(true);
    searchFor("cat");
    press("MBAlfind");
    EXPECT_EQ(info(), keysShown(Q("3 napovnia")));
    ASSERT_EQ(hitList()->rowCount(), 3);
    EXPECT_EQ(hitList()->index(2, 0).data(), keysShown(Q("napovni # 3")));
    clickHit(0);
    EXPECT_EQ(shown(), std::tuple(qint16(0), 0, Q("cat")));
    clickHit(2);
    EXPECT_EQ(shown(), std::tuple(qint16(1), 6, Q("cat")));

    // The shown text changed under a hit; then the document of a hit closed.
    context.T1->setSelStart(0);
    typeIntoEditor("x");
    answers.answer(QStringLiteral("6"));
    clickHit(2);
    EXPECT_EQ(answers.asked().last().prompt, staleHitMessage(HitCheck::TextChanged));
    EXPECT_EQ(hitList()->rowCount(), 0) << "the hits are gone";
    EXPECT_EQ(shown(), std::tuple(qint16(1), 1, QString()));
    press("MBAlfind");
    context.state.remove(0);
    documents.tree().Treefulen();
    answers.answer(QStringLiteral("6"));
    clickHit(0);
    EXPECT_EQ(answers.asked().last().prompt, staleHitMessage(HitCheck::DocumentClosed));

    // The list takes 100,000 hits.
    context.state.closeAll();
    context.T1->setText(QString(100000, QLatin1Char('a')));
    searchFor("a");
    press("MBAlfind");
    ASSERT_EQ(hitList()->rowCount(), 100000);
    EXPECT_EQ(hitList()->index(99999, 0).data(), keysShown(Q("napovni # 100000")));
    EXPECT_EQ(info(), keysShown(Q("100000 napovnia")));
}

TEST_F(SearchWindow, ReplaceOneSelectsTheNewTextAndGoesOnAfterIt)
{
    context.T1->setText(Q("cat cat"));
    callUp();
    searchFor("cat", "concat");
    press("Czuch");
    press("Ccvla");
    EXPECT_EQ(context.T1->Text(), Q("concat cat"));
    EXPECT_EQ(shown(), std::tuple(qint16(-1), 7, Q("cat"))) << "the next hit, not the new text";
    press("Ccvla");
    EXPECT_EQ(context.T1->Text(), Q("concat concat"));
    EXPECT_TRUE(finishedMessageShown());
}

TEST_F(SearchWindow, IsCalledUpByF3AndClosingStartsEverythingAfresh)
{
    QAction* mnusuch = context.menus.action("mnusuch");
    EXPECT_EQ(mnusuch->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_TRUE(context.menus.menu("mnuExtras").actions().contains(mnusuch));
    EXPECT_FALSE(context.menus.menu("mnuEdit").actions().contains(mnusuch));
    EXPECT_TRUE(mnusuch->isEnabled());
    mnusuch->trigger();
    ASSERT_NE(search.searchWindow(), nullptr);
    EXPECT_TRUE(search.searchWindow()->isVisible());

    // The selection scope with no selection finds nothing; after closing, the whole text.
    context.T1->setText(Q("ab ab"));
    searchFor("ab");
    chooseScope(1);
    press("MBAlfind");
    search.searchWindow()->close();
    EXPECT_EQ(control<QComboBox>(search.searchWindow(), "Combo1")->currentIndex(), 0);
    EXPECT_EQ(info(), QString());
    context.T1->setSelStart(1);
    mnusuch->trigger();
    EXPECT_EQ(box("Text1")->Text(), Q("ab")) << "the texts stay";
    press("Czuch");
    EXPECT_EQ(shown(), std::tuple(qint16(-1), 0, Q("ab"))) << "the whole text, from its start";
}

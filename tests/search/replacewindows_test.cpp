// The list-replace and template windows on the program's editor and menus: the numbered
// strings through the window's own lines, and templates added, edited, removed, applied
// from their menu and carried in .TFF files through the dialogs.

#include "searchwindows.h"

#include "search/frmtempformat.h"
#include "search/frmxascvla.h"
#include "search/linsuch.h"
#include "search/wraptemplates.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace {

class ListReplaceWindow : public SearchWindows
{
protected:
    void SetUp() override
    {
        search.mnuparzuch_Click();
        window = search.listReplaceWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    // Lines come and go at the end only: in creation order they are in number order.
    QList<linsuch*> lines() const { return window->findChildren<linsuch*>(); }
    EditorControl* stringBox(qsizetype line) const
    {
        return control<EditorControl>(lines().at(line), "T2");
    }
    QStringList strings() const
    {
        QStringList shown;
        for (const linsuch* line : lines())
            shown << line->cvlastring();
        return shown;
    }
    void press(const char* name) { click<QPushButton>(window, name); }
    // Selects the whole editor text and replaces through the list.
    QString replaced(const char* text)
    {
        {
            const DocumentState::TextLoading loading(context.state);
            context.T1->setText(Q(text));
        }
        context.T1->selectAll();
        press("Cfind");
        return context.T1->Text();
    }
    void newLine(const char* text)
    {
        press("Cnew");
        stringBox(lines().size() - 1)->setText(Q(text));
    }

    QWidget* window = nullptr;
};

class TemplateWindow : public SearchWindows
{
protected:
    void SetUp() override
    {
        search.mnuNewTMPF_Click();
        window = search.templateWindow();
    }
    EditorControl* box(const char* name) const { return control<EditorControl>(window, name); }
    QListWidget* list() const { return control<QListWidget>(window, "List1"); }
    void press(const char* name) { click<QPushButton>(window, name); }
    void add(const char* name, const char* before, const char* after)
    {
        box("Tsaxeli")->setText(Q(name));
        box("Tfor")->setText(Q(before));
        box("Tnach")->setText(Q(after));
        press("Cadd");
    }
    void chooseForEditing(int row)
    {
        list()->setCurrentRow(row);
        emit list()->itemDoubleClicked(list()->item(row));
    }
    QStringList names() const
    {
        QStringList all;
        for (const TFormat& format : search.TFormats())
            all << format.name;
        return all;
    }
    // The templates menu's items and their captions as shown.
    QList<QAction*> menuItems() const
    {
        QList<QAction*> items = context.menus.menu("mnutmpformat").actions();
        items.removeIf([](const QAction* item) {
            return !item->objectName().startsWith(QLatin1String("mnuTFlist("));
        });
        return items;
    }
    QStringList menuCaptions() const
    {
        QStringList captions;
        for (const QAction* item : menuItems())
            captions << item->text();
        return captions;
    }
    bool menuSeparatorShown() const
    {
        for (const QAction* item : context.menus.menu("mnutmpformat").actions()) {
            if (item->isSeparator())
                return item->isVisible();
        }
        return false;
    }
    QWidget* window = nullptr;
};

} // namespace

// ---- List replace -----------------------------------------------------------------------

TEST_F(ListReplaceWindow, EachLineOfTheSelectionTakesTheStringsInTurn)
{
    control<EditorControl>(window, "Tsuch")->setText(Q("X"));
    stringBox(0)->setText(Q("1"));
    newLine("2");
    newLine("3");
    EXPECT_EQ(replaced("X-X-X-X\r\nX X"), Q("1-2-3-X\r\n1 2"));
    EXPECT_EQ(context.T1->SelText(), Q("1-2-3-X\r\n1 2")) << "the result stays selected";

    stringBox(0)->setFocus();
    EXPECT_TRUE(lines()[0]->isSelected());
    press("Cbr2");
    EXPECT_EQ(strings(), QStringList({Q("1\r\n"), Q("2"), Q("3")}));
    EXPECT_EQ(replaced("X X"), Q("1\r\n 2"));
}

TEST_F(ListReplaceWindow, DeleteRenumbersAndAfterClearNoLineTakesPart)
{
    stringBox(0)->setText(Q("a"));
    newLine("b");
    newLine("c");
    stringBox(1)->setFocus();
    press("Cdel");
    EXPECT_EQ(strings(), QStringList({Q("a"), Q("c")}));
    EXPECT_EQ(lines()[1]->nomeri(), 2);
    EXPECT_TRUE(lines()[1]->isSelected()) << "the line that moved up";
    press("Cdel");
    EXPECT_EQ(strings(), QStringList(Q("a")));
    EXPECT_TRUE(lines()[0]->isSelected()) << "the last line went: the one before";

    press("Ccler");
    EXPECT_TRUE(lines().empty());
    control<EditorControl>(window, "Tsuch")->setText(Q("X"));
    context.state.closeAll();
    EXPECT_EQ(replaced("X-X"), Q("X-X")) << "no hidden empty line deletes anything";
    EXPECT_EQ(context.state.EditorChanged(), 0) << "nothing changed, nothing marked";

    for (int i = 0; i < 60; ++i)
        press("Cnew");
    ASSERT_EQ(lines().size(), 51);
    EXPECT_EQ(lines().back()->nomeri(), 51);
    press("Cdel"); // no line selected since Clear: Delete clears
    EXPECT_TRUE(lines().empty());
}

// ---- Wrap templates ---------------------------------------------------------------------

TEST_F(TemplateWindow, AddEditRemoveAndTheMenuFollowsEveryChange)
{
    EXPECT_FALSE(control<QPushButton>(window, "Cadd")->isEnabled()) << "no name yet";
    EXPECT_FALSE(menuSeparatorShown());
    QTest::keyClicks(box("Tsaxeli"), QStringLiteral("aT")); // Georgian in any language mode
    EXPECT_TRUE(control<QPushButton>(window, "COK")->isEnabled());
    box("Tfor")->setText(Q("<b>"));
    box("Tnach")->setText(Q("</b>"));
    press("Cadd");
    ASSERT_EQ(search.TFormats().size(), 1u);
    EXPECT_EQ(search.TFormats()[0], (TFormat{Q("\xC0\xC8"), Q("<b><\xA7$\xA7></b>")}));
    EXPECT_EQ(box("Tfor")->Text(), QString()) << "the boxes are emptied";
    const QString shownName = DisplayMap::get(DisplayMapKind::GeorgianIso).toShown(Q("\xC0\xC8"));
    EXPECT_EQ(menuCaptions(), QStringList(shownName));
    EXPECT_TRUE(menuSeparatorShown());
    add("two", "<i>", "");
    add("three", "[", "]");

    // The update goes to the template being edited, whichever row is current meanwhile.
    chooseForEditing(0);
    EXPECT_EQ(box("Tsaxeli")->Text(), Q("\xC0\xC8"));
    EXPECT_EQ(box("Tnach")->Text(), Q("</b>"));
    list()->setCurrentRow(2);
    box("Tsaxeli")->setText(Q("one"));
    press("Cadd");
    EXPECT_EQ(names(), QStringList({Q("one"), Q("two"), Q("three")}));
    EXPECT_EQ(list()->item(0)->text(), Q("one"));

    // The template being edited was removed: Add appends.
    chooseForEditing(1);
    press("Cremove");
    add("new", "(", ")");
    EXPECT_EQ(names(), QStringList({Q("one"), Q("three"), Q("new")}));
    EXPECT_EQ(menuCaptions(), names()) << "the menu follows without closing the window";
    // Closing the window ends an edit too.
    chooseForEditing(0);
    window->close();
    search.mnuNewTMPF_Click();
    add("last", "", "");
    EXPECT_EQ(names().size(), 4);
    EXPECT_EQ(names().first(), Q("one"));

    // A template from the menu goes around the selection; one with nothing after it goes
    // only in front.
    context.T1->setText(Q("word"));
    context.T1->selectAll();
    menuItems()[0]->trigger();
    EXPECT_EQ(context.T1->Text(), Q("<b>word</b>"));
    context.T1->selectAll();
    menuItems()[1]->trigger();
    EXPECT_EQ(context.T1->Text(), Q("[<b>word</b>]"));

    while (list()->count() > 0) {
        list()->setCurrentRow(0);
        press("Cremove");
    }
    EXPECT_TRUE(menuItems().isEmpty());
    EXPECT_FALSE(menuSeparatorShown());
}

TEST_F(TemplateWindow, TemplatesGoToAndComeFromTffFilesThroughTheDialogs)
{
    press("Csave");
    EXPECT_TRUE(answers.asked().isEmpty()) << "no templates: nothing to save";
    add("a", "<b>", "</b>");
    add("b", "", "\xE0\xFF");
    add("c", "x", "y");
    const QString saved = folders.path(QStringLiteral("three.TFF"));
    answers.answer(saved);
    press("Csave");
    EXPECT_TRUE(answers.asked().last().filter.contains(QLatin1String("*.tff")));
    EXPECT_EQ(readFile(saved), *tffBytes(search.TFormats()).bytes);

    // Two loaded into three give five, the loaded ones last.
    const QString loaded = folders.path(QStringLiteral("two.tff"));
    writeFile(loaded, *tffBytes({{Q("d"), Q("1")}, {Q("e"), Q("2")}}).bytes);
    answers.answer(loaded);
    press("Copen");
    EXPECT_EQ(names(), QStringList({Q("a"), Q("b"), Q("c"), Q("d"), Q("e")}));
    EXPECT_EQ(list()->count(), 5);
    EXPECT_EQ(menuItems().size(), 5);

    // A damaged file is refused whole; a cancelled dialog does nothing.
    QByteArray damaged = *tffBytes({{Q("f"), Q("3")}}).bytes;
    damaged.chop(1);
    const QString damagedPath = folders.path(QStringLiteral("damaged.tff"));
    writeFile(damagedPath, damaged);
    answers.answer(damagedPath);
    answers.answer(QStringLiteral("6"));
    press("Copen");
    EXPECT_EQ(answers.asked().last().kind, QStringLiteral("message"));
    answers.answer(QString());
    press("Copen");
    EXPECT_EQ(names().size(), 5);

    // A file whose upper bound is -1 holds no template a saved file could: refused as well,
    // the templates shown stay.
    const QString noTemplates = folders.path(QStringLiteral("none.tff"));
    writeFile(noTemplates, QByteArray("\xFF\xFF"));
    answers.answer(noTemplates);
    answers.answer(QStringLiteral("6"));
    press("Copen");
    EXPECT_EQ(answers.asked().last().kind, QStringLiteral("message"));
    EXPECT_EQ(answers.asked().last().prompt, Q("formatebis raodenoba failSi arasworia."));
    EXPECT_EQ(names(), QStringList({Q("a"), Q("b"), Q("c"), Q("d"), Q("e")}));
    EXPECT_EQ(list()->count(), 5);
    EXPECT_EQ(menuItems().size(), 5);

    // A folder that cannot be written is reported and leaves nothing behind.
    writeFile(folders.path(QStringLiteral("blocker")), "a file");
    answers.answer(folders.path(QStringLiteral("blocker/t.tff")));
    answers.answer(QStringLiteral("6"));
    press("Csave");
    EXPECT_EQ(answers.asked().last().kind, QStringLiteral("message"));

    // With a project open the dialog starts in its folder.
    context.state.recordProject(folders.root() + QLatin1Char('/'), QStringLiteral("site.WEB"));
    answers.answer(QString());
    press("Csave");
    EXPECT_EQ(answers.asked().last().folder, folders.root() + QLatin1Char('/'));
}

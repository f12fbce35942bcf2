// The menu registry: stored captions and their markers, run-time captions, the command
// guard around every handler, and names that do not exist.

#include "menus/menuregistry.h"

#include "support/fakecontext.h"
#include "support/scriptedprompts.h"

#include <QMenu>

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

TEST(MenuCaptions, MarkersAreReadFromTheFrontOnly)
{
    struct Case
    {
        const char* stored;
        MenuCaption parsed;
    };
    const Case cases[] = {
        {"plain", {false, false, false, {}, QStringLiteral("plain")}},
        {"-", {true, false, false, {}, {}}},
        {"-Georgian", {true, false, false, {}, QStringLiteral("Georgian")}},
        {"*|3|x", {false, false, true, QStringLiteral("3"), QStringLiteral("x")}},
        {"#| |abzaci", {false, true, true, QStringLiteral(" "), QStringLiteral("abzaci")}},
        {"|12|Cu&t", {false, false, false, QStringLiteral("12"), QStringLiteral("Cu&t")}},
        {"|abc", {false, false, false, {}, QStringLiteral("|abc")}}, // never closed: text
        {"a|4|b", {false, false, false, {}, QStringLiteral("a|4|b")}},
        {"#x-y", {false, true, true, {}, QStringLiteral("x-y")}},
    };
    for (const Case& each : cases)
        EXPECT_EQ(parseMenuCaption(QString::fromLatin1(each.stored)), each.parsed) << each.stored;
}

class Registry : public testing::Test
{
protected:
    FakeContext context;
    MenuRegistry& registry = context.menus;
    ScriptedPrompts prompts;
};

TEST_F(Registry, StoredCaptionsShowTheirTextThroughTheMap)
{
    QAction* item = registry.add(registry.menu("mnuFile"),
                                 {"mnuTest",
                                  QStringLiteral("#|4|Cawera"),
                                  DisplayMapKind::GeorgianKeys,
                                  {},
                                  EnableRule::Always},
                                 [] {});
    EXPECT_EQ(item->text(), QStringLiteral(u"\u10E9\u10D0\u10EC\u10D4\u10E0\u10D0"));
    EXPECT_TRUE(item->isCheckable());
    EXPECT_EQ(registry.caption(item)->help, QStringLiteral("4"));
    EXPECT_TRUE(registry.menu("mnuFile").menuAction()->isVisible()) << "a menu with an item shows";
    EXPECT_FALSE(registry.menu("mnuHelp").menuAction()->isVisible()) << "an empty one does not";
}

TEST_F(Registry, RunTimeCaptionsAreShownAsTheyAreAndStayChoosable)
{
    QList<int> chosen;
    MenuItemList& list =
        registry.itemList(registry.menu("mnutmpformat"), "mnuTFlist", DisplayMapKind::Latin,
                          [&](int index) { chosen << index; });
    list.setItems({QStringLiteral("-x"), QStringLiteral("|4|a&b"), QStringLiteral("#c")});
    ASSERT_EQ(list.count(), 3);
    EXPECT_FALSE(list.item(0)->isSeparator());
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("-x"));
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("|4|a&&b")) << "no mnemonic, no help number";
    EXPECT_FALSE(list.item(2)->isCheckable());
    EXPECT_EQ(list.item(1)->objectName(), QStringLiteral("mnuTFlist(1)"));
    list.item(0)->trigger();
    list.item(2)->trigger();
    EXPECT_EQ(chosen, QList<int>({0, 2}));

    list.setItems({QStringLiteral("only")}); // rebuilt, not added to
    EXPECT_EQ(registry.menu("mnutmpformat").actions().size(), 1);
}

TEST_F(Registry, AFailingCommandIsToldOnceInLatinAndChangesNoText)
{
    context.T1->setText(QStringLiteral("kept"));
    bool reachedEnd = false;
    QAction* throwing =
        registry.add(registry.menu("mnuEdit"), {"mnuThrows", QStringLiteral("t")}, [&] {
            throw std::runtime_error("table broken");
            reachedEnd = true;
        });
    QAction* exhausted =
        registry.add(registry.menu("mnuEdit"), {"mnuNoMemory", QStringLiteral("m")},
                     [] { throw std::bad_alloc(); });
    throwing->trigger();
    exhausted->trigger();

    EXPECT_FALSE(reachedEnd);
    ASSERT_EQ(prompts.asked().size(), 2);
    EXPECT_EQ(prompts.asked()[0].kind, QStringLiteral("failure"));
    EXPECT_TRUE(prompts.asked()[0].prompt.endsWith(QStringLiteral("table broken")));
    EXPECT_TRUE(prompts.asked()[1].prompt.contains(QStringLiteral("memory")));
    EXPECT_EQ(context.T1->Text(), QStringLiteral("kept"));
    EXPECT_EQ(context.state.EditorChanged(), 0);
    EXPECT_EQ(context.state.LoadingText(), 0);
}

TEST_F(Registry, RulesFollowTheStateAndManualItemsAreLeftAlone)
{
    QAction* selection = registry.add(
        registry.menu("mnuEdit"),
        {"mnuSel", QStringLiteral("s"), DisplayMapKind::Latin, {}, EnableRule::NeedsSelection},
        [] {});
    QAction* manual = registry.add(
        registry.menu("mnuEdit"),
        {"mnuMine", QStringLiteral("m"), DisplayMapKind::Latin, {}, EnableRule::Manual}, [] {});
    manual->setEnabled(false);
    EXPECT_FALSE(selection->isEnabled());
    registry.update({.hasText = true, .hasSelection = true});
    EXPECT_TRUE(selection->isEnabled());
    EXPECT_FALSE(manual->isEnabled());
    // A later item takes its state from the rule at once.
    QAction* late = registry.add(
        registry.menu("mnuEdit"),
        {"mnuLate", QStringLiteral("l"), DisplayMapKind::Latin, {}, EnableRule::NeedsText}, [] {});
    EXPECT_TRUE(late->isEnabled());
    registry.update({});
    EXPECT_FALSE(late->isEnabled());
    EXPECT_FALSE(selection->isEnabled());
}

using RegistryDeathTest = Registry;

TEST_F(RegistryDeathTest, AnUnknownNameStopsTheTestBuild)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(registry.action("mnuNoSuchCommand"), "mnuNoSuchCommand");
    EXPECT_DEATH(registry.menu("mnuNoSuchMenu"), "mnuNoSuchMenu");
}

// The drawn menus on a real menu bar: records made from stored captions when a menu opens
// and released when the last one closes, icons by help number, the help event of the
// highlighted item, the open pop-up's position, mnemonics of Latin-key captions, status
// tips kept off, and the look.

#include "menus/coolmenu.h"

#include "menus/menuimages.h"
#include "support/fakecontext.h"
#include "support/scriptedprompts.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct HelpEvent
{
    QString text;
    QString help;
    qint16 flag;
    bool operator==(const HelpEvent&) const = default;
};

std::ostream& operator<<(std::ostream& out, const HelpEvent& event)
{
    return out << '(' << event.text.toStdString() << ", " << event.help.toStdString() << ", "
               << event.flag << ')';
}

QIcon plainIcon(const QColor& colour)
{
    QPixmap picture(16, 16);
    picture.fill(colour);
    return QIcon(picture);
}

class CoolMenus : public testing::Test
{
protected:
    void SetUp() override
    {
        images.add(QStringLiteral("4"), plainIcon(Qt::red));
        images.add(QStringLiteral("Ab"), plainIcon(Qt::green));
        images.add(QStringLiteral("1"), plainIcon(Qt::blue));
        QObject::connect(&help, &HelpCallBack::MenuHelp,
                         [this](const QString& text, const QString& number, qint16 flag) {
                             events.push_back({text, number, flag});
                         });
        file = &registry.menu("mnuFile");
        save = add(*file, "mnuSave", QStringLiteral("|4|Cawera"));
        abzaci = add(*file, "mnuabzac", QStringLiteral("#| |abzaci"));
        marked = add(*file, "mnuMarked", QStringLiteral("*|aB|niSani"));
        plain = add(*file, "mnuPlain", QStringLiteral("ubralo"));
        submenu = &registry.placeSubmenu(*file, "mnunew");
        add(*submenu, "mnuInner", QStringLiteral("|4|Sida"));
        edit = &registry.menu("mnuEdit");
        add(*edit, "mnuEditItem", QStringLiteral("&redaqtireba"));
        context.frame.resize(500, 300);
        context.frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&context.frame));
        ASSERT_EQ(InstallCoolMenu(&context.frame, registry, &help, &images), -1);
    }
    void TearDown() override { RemoveCoolMenu(&context.frame); }

    QAction* add(QMenu& menu, const char* name, const QString& caption,
                 DisplayMapKind map = DisplayMapKind::GeorgianKeys)
    {
        return registry.add(menu, {name, caption, map},
                            [this, name] { chosen << QLatin1String(name); });
    }

    QMenuBar& bar() { return *context.frame.menuBar(); }
    WndCoolMenu& settings() { return *coolMenuOf(&context.frame); }
    static const CMyItemData* record(const QAction* action)
    {
        return coolMenuItems() ? coolMenuItems()->Item(action) : nullptr;
    }

    // Opens a bar menu as a click on the bar does.
    void openFromBar(QMenu& menu)
    {
        bar().setActiveAction(menu.menuAction());
        QApplication::processEvents();
        ASSERT_TRUE(menu.isVisible());
    }
    // Closes every open menu and lets the closing settle.
    void closeMenus()
    {
        for (QMenu* menu : registry.menus())
            menu->hide();
        QApplication::processEvents();
    }
    void highlight(QMenu& menu, QAction* action)
    {
        events.clear();
        menu.setActiveAction(action);
        QApplication::processEvents();
    }

    ScriptedPrompts prompts;
    FakeContext context;
    MenuRegistry& registry = context.menus;
    HelpCallBack help;
    MenuImageList images;
    std::vector<HelpEvent> events;
    QStringList chosen;
    QMenu* file = nullptr;
    QMenu* submenu = nullptr;
    QMenu* edit = nullptr;
    QAction* save = nullptr;
    QAction* abzaci = nullptr;
    QAction* marked = nullptr;
    QAction* plain = nullptr;
};

TEST_F(CoolMenus, AnOpeningMenuGetsRecordsFromItsStoredCaptions)
{
    EXPECT_FALSE(record(save)) << "pop-ups are prepared when they open";
    openFromBar(*file);
    struct Case
    {
        QAction* item;
        QString text, help;
        bool check, mark, submenu;
        int icon;
    };
    const Case cases[] = {
        {save, QStringLiteral("Cawera"), QStringLiteral("4"), false, false, false, 0},
        {abzaci, QStringLiteral("abzaci"), QStringLiteral(" "), true, true, false, -1},
        {marked, QStringLiteral("niSani"), QStringLiteral("aB"), false, true, false, 1},
        {plain, QStringLiteral("ubralo"), QString(), false, false, false, -1},
        {submenu->menuAction(), QStringLiteral("axali"), QStringLiteral("1"), false, false, true,
         2},
    };
    for (const Case& each : cases) {
        const CMyItemData* found = record(each.item);
        ASSERT_TRUE(found) << each.text.toStdString();
        EXPECT_EQ(found->sMenuText, each.text);
        EXPECT_EQ(found->sMenuHelp, each.help) << each.text.toStdString();
        EXPECT_EQ(found->bAsCheck, each.check) << each.text.toStdString();
        EXPECT_EQ(found->bAsMark, each.mark) << each.text.toStdString();
        EXPECT_EQ(found->bTrueSub, each.submenu) << each.text.toStdString();
        EXPECT_EQ(found->iButton, each.icon)
            << "icon keyed by help, any case: " << each.text.toStdString();
        EXPECT_FALSE(found->bMainMenu);
    }
    EXPECT_FALSE(record(submenu->actions().first())) << "the sub-menu is not open yet";
    for (QAction* onBar : bar().actions()) {
        ASSERT_TRUE(record(onBar));
        EXPECT_TRUE(record(onBar)->bMainMenu);
        EXPECT_FALSE(record(onBar)->bTrueSub);
        EXPECT_EQ(record(onBar)->iButton, -1) << "no icons on the bar";
    }
}

TEST_F(CoolMenus, ClosingTheLastMenuReleasesThePopUpsAndReportsAnEmptyHelp)
{
    openFromBar(*file);
    EXPECT_EQ(settings().MainPopedIndex, 0);
    file->setActiveAction(submenu->menuAction());
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(file, &right);
    QApplication::processEvents();
    ASSERT_TRUE(submenu->isVisible());
    EXPECT_EQ(settings().MainPopedIndex, 4) << "the sub-menu's place in the File menu";
    EXPECT_TRUE(record(submenu->actions().first()));

    submenu->hide();
    QApplication::processEvents();
    EXPECT_TRUE(record(save)) << "the File menu is still open";

    events.clear();
    closeMenus();
    EXPECT_EQ(events, (std::vector<HelpEvent>{{{}, {}, -1}}));
    EXPECT_EQ(settings().MainPopedIndex, -1);
    EXPECT_FALSE(record(save));
    EXPECT_FALSE(record(submenu->actions().first()));
    EXPECT_TRUE(record(file->menuAction())) << "the bar keeps its records";

    openFromBar(*edit);
    EXPECT_EQ(settings().MainPopedIndex, 1) << "the second menu shown on the bar";
}

TEST_F(CoolMenus, AnItemChangedAtRunTimeIsReadAfreshAndRunTimeCaptionsStayLiteral)
{
    openFromBar(*file);
    closeMenus();
    MenuItemList& templates =
        registry.itemList(*file, "mnuTFlist", DisplayMapKind::Latin,
                          [this](int index) { chosen << QString::number(index); });
    templates.setItems({QStringLiteral("-x"), QStringLiteral("|4|a&b")});
    file->removeAction(marked);
    add(*file, "mnuLater", QStringLiteral("|aB|gvian"));

    openFromBar(*file);
    const CMyItemData* dash = record(templates.item(0));
    ASSERT_TRUE(dash);
    EXPECT_EQ(dash->sMenuText, QStringLiteral("-x"));
    EXPECT_FALSE(dash->fType.testFlag(MenuItemType::Separator)) << "still a choosable item";
    const CMyItemData* bars = record(templates.item(1));
    ASSERT_TRUE(bars);
    EXPECT_EQ(bars->sMenuHelp, QString()) << "no help number, no icon";
    EXPECT_EQ(bars->iButton, -1);
    EXPECT_EQ(record(registry.action("mnuLater"))->sMenuText, QStringLiteral("gvian"));
    EXPECT_EQ(record(registry.action("mnuLater"))->iButton, 1);
    EXPECT_EQ(record(save)->sMenuText, QStringLiteral("Cawera")) << "records are kept by item";

    // Typing "b" finds no mnemonic in a literal "a&b".
    QTest::keyClick(file, Qt::Key_B);
    QApplication::processEvents();
    EXPECT_TRUE(chosen.isEmpty());
    closeMenus();

    const QAction* gone = templates.item(0);
    openFromBar(*file);
    templates.setItems({QStringLiteral("new")});
    EXPECT_FALSE(record(gone)) << "a record goes with its item";
}

TEST_F(CoolMenus, HighlightingReportsTheItemsHelp)
{
    plain->setEnabled(false);
    openFromBar(*file);
    struct Case
    {
        QAction* item;
        HelpEvent expected;
    };
    const Case cases[] = {
        {save, {QStringLiteral("Cawera"), QStringLiteral("4"), -1}},
        {plain, {QStringLiteral("ubralo"), QString(), 0}}, // disabled, still highlightable
        {submenu->menuAction(), {QString(), QString(), -1}},
    };
    for (const Case& each : cases) {
        highlight(*file, each.item);
        EXPECT_EQ(events, std::vector<HelpEvent>{each.expected});
        EXPECT_EQ(file->activeAction(), each.item);
    }

    // The keyboard walks over the disabled item too.
    highlight(*file, marked);
    QTest::keyClick(file, Qt::Key_Down);
    EXPECT_EQ(file->activeAction(), plain);
    EXPECT_EQ(events.back(), (HelpEvent{QStringLiteral("ubralo"), QString(), 0}));
}

TEST_F(CoolMenus, ATypedLatinKeyChoosesTheItemWhoseStoredCaptionMarksIt)
{
    openFromBar(*edit);
    // The caption shows in Georgian letters; its stored mnemonic is the Latin key "r".
    EXPECT_EQ(registry.action("mnuEditItem")->text().at(1), QChar(0x10E0));
    QTest::keyClick(edit, Qt::Key_R);
    QApplication::processEvents();
    EXPECT_EQ(chosen, QStringList({QStringLiteral("mnuEditItem")}));

    // The letter as shown chooses it too.
    openFromBar(*edit);
    QKeyEvent georgian(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x10E0)));
    QApplication::sendEvent(edit, &georgian);
    QApplication::processEvents();
    EXPECT_EQ(chosen.size(), 2);
}

TEST_F(CoolMenus, QtsStatusTipsNeverReachTheStatusBar)
{
    QStatusTipEvent tip(QStringLiteral("tip"));
    QApplication::sendEvent(&context.frame, &tip);
    EXPECT_EQ(context.frame.statusBar()->currentMessage(), QString());
}

TEST_F(CoolMenus, RemovalReleasesEveryRecordAndTheLook)
{
    openFromBar(*file);
    closeMenus();
    RemoveCoolMenu(&context.frame);
    events.clear();
    EXPECT_FALSE(coolMenuOf(&context.frame));
    EXPECT_FALSE(coolMenuItems()) << "the last window took the shared records with it";
    EXPECT_EQ(file->style(), QApplication::style());
    openFromBar(*file);
    EXPECT_TRUE(events.empty()) << "no help without the drawn menus";
}

// The look, checked on the pixels of an open menu: the highlight in the select colour over
// the item's text (not over its icon column), icons in the column, a check mark in the
// column of a checked check item, and a disabled item highlighted without the colour.
TEST_F(CoolMenus, AnOpenMenuIsDrawnFromItsRecords)
{
    settings().SelectColor = QColor(0, 0, 128);
    abzaci->setChecked(true);
    plain->setEnabled(false);
    registry.addSeparator(*file, QStringLiteral("-sxva"));
    QAction* separator = file->actions().last();
    add(*file, "mnuLast", QStringLiteral("bolo"));
    openFromBar(*file);
    const auto grabbed = [&](QAction* highlighted) {
        file->setActiveAction(highlighted);
        QApplication::processEvents();
        return file->grab().toImage();
    };
    // A point of the item: x from its left, y from its top (its middle when -1).
    const auto at = [&](QAction* item, int x, int y = -1) {
        const QRect rect = file->actionGeometry(item);
        return QPoint(rect.left() + x, y < 0 ? rect.center().y() : rect.top() + y);
    };

    QImage menu = grabbed(save);
    if (const QByteArray folder = qgetenv("KELMORA_GRAB_FOLDER"); !folder.isEmpty())
        menu.save(QString::fromLocal8Bit(folder) + QStringLiteral("/menu.png"));
    EXPECT_EQ(menu.pixelColor(at(save, 60, 1)), settings().SelectColor);
    EXPECT_EQ(menu.pixelColor(at(save, 9)), QColor(Qt::red)) << "the icon keyed \"4\"";
    EXPECT_GE(file->actionGeometry(save).height(),
              bar().actionGeometry(file->menuAction()).height());

    int darkInColumn = 0;
    for (int x = 2; x < 16; ++x) {
        for (int dy = -5; dy <= 5; ++dy) {
            if (menu.pixelColor(at(abzaci, x) + QPoint(0, dy)).lightness() < 80)
                ++darkInColumn;
        }
    }
    EXPECT_GT(darkInColumn, 3) << "a check mark";

    const QRect line = file->actionGeometry(separator);
    EXPECT_GE(line.height(), QFontMetrics(settings().MenuFont()).height()) << "room for a caption";
    EXPECT_LT(menu.pixelColor(QPoint(line.left() + 3, line.center().y())).lightness(),
              menu.pixelColor(QPoint(line.left() + 3, line.top() + 1)).lightness())
        << "the etched line";

    menu = grabbed(plain);
    EXPECT_EQ(file->activeAction(), plain);
    EXPECT_NE(menu.pixelColor(at(plain, 60, 1)), settings().SelectColor);
}

} // namespace

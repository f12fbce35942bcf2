#include "conversions/conversionmenus.h"

#include "app/frmh.h"
#include "bytes.h"
#include "core/collection.h"
#include "core/progprops.h"
#include "menus/menuregistry.h"
#include "platform/clipboard.h"
#include "platform/editorcontrol.h"
#include "support/framecontrols.h"
#include "support/testfolders.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ConversionMenusTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Props = ProgProps{};
        window = std::make_unique<FrmH>();
        window->showPlain();
        editor = frameOf(*window).T1;
    }
    void TearDown() override { window.reset(); }

    void trigger(const char* name)
    {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }

    TestFolders folders;
    std::unique_ptr<FrmH> window;
    EditorControl* editor = nullptr;
};

} // namespace

TEST_F(ConversionMenusTest, EverySixteenCommandsSitInTheEditMenuOrItsSubmenu)
{
    auto* konvert = window->findChild<QMenu*>(QStringLiteral("mnukonvert"));
    ASSERT_NE(konvert, nullptr);
    EXPECT_EQ(konvert->actions().size(), 7);
    EXPECT_TRUE(window->registry().menu("mnuEdit").actions().contains(konvert->menuAction()));
    for (const char* name : {"mnuTunik", "mnuunik", "mnuTfonunik", "mnuMfonunik", "mnuUTF8",
                             "mnumtubers", "mnuTut8dekod", "mnuUTF8dekod", "mnuUbendkopi"}) {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_TRUE(window->registry().menu("mnuEdit").actions().contains(action)) << name;
    }
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("mnuunik"))->shortcut(),
              QKeySequence(Qt::Key_F5));
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("mnuUTF8dekod"))->shortcut(),
              QKeySequence(Qt::Key_F7));
    // Captions are 8-bit Georgian shown as Georgian letters: "UTF8 kodireba".
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("mnuUTF8"))->text(),
              QStringLiteral("UTF8 \u10D9\u10DD\u10D3\u10D8\u10E0\u10D4\u10D1\u10D0"));
}

TEST_F(ConversionMenusTest, ASelectionCommandLeavesItsLongerResultSelected)
{
    editor->setText(QStringLiteral("<b>\r\nena</b>"));
    editor->setSelStart(5);
    editor->setSelLength(3);
    trigger("mnumtubers"); // three keys become nine UTF-8 bytes
    EXPECT_EQ(editor->SelStart(), 5);
    EXPECT_EQ(editor->SelLength(), 9);
    EXPECT_EQ(editor->SelText(), byteText({0xE1, 0x83, 0x94, 0xE1, 0x83, 0x9C, 0xE1, 0x83, 0x90}));
    EXPECT_TRUE(editor->Text().startsWith(QStringLiteral("<b>\r\n")));
    EXPECT_TRUE(editor->Text().endsWith(QStringLiteral("</b>")));

    trigger("mnuUTF8dekod");
    EXPECT_EQ(editor->SelText(), QStringLiteral("ena"));
    EXPECT_EQ(editor->SelLength(), 3);
}

TEST_F(ConversionMenusTest, WholeTextCommandsAreOneEditThatCanBeUndone)
{
    editor->setText(QStringLiteral("<B>ena</B>"));
    QSignalSpy changes(editor, &EditorControl::Change);
    trigger("mnuTunik");
    // Letters inside tags are converted too: B is not a key, but the keys of "ena" are.
    EXPECT_EQ(editor->Text(),
              QStringLiteral("<B>") + byteText({0xC4, 0xCD, 0xC0}) + QStringLiteral("</B>"));
    EXPECT_GE(changes.count(), 1);
    editor->undo();
    EXPECT_EQ(editor->Text(), QStringLiteral("<B>ena</B>"));
}

TEST_F(ConversionMenusTest, TheSubmenuSkipsAnEmptyText)
{
    QSignalSpy changes(editor, &EditorControl::Change);
    trigger("mnuQUIH");
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the busy pointer is put back";

    editor->setText(byteText({0xC0, 0x0D, 0x0A, 0xA8}));
    trigger("mnuQUIH");
    EXPECT_EQ(editor->Text(), QStringLiteral("&#4304;\r\n") + byteText({0xA8}));
    trigger("mnuUinH");
    EXPECT_EQ(editor->Text(), QStringLiteral("&#4304;\r\n&#1025;"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ConversionMenusTest, EncodeAndCopyPutsRealGeorgianLettersAndTheBytesOnTheClipboard)
{
    editor->setText(QStringLiteral("xa"));
    editor->setSelStart(1);
    editor->setSelLength(1);
    trigger("mnuUbendkopi");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QStringLiteral("\u10D0"));
    EXPECT_EQ(data->data(byteTextMimeType()), QByteArray("\xE1\x83\x90"));
    EXPECT_EQ(editor->Text(), QStringLiteral("xa"));
    EXPECT_EQ(editor->SelStart(), 1);
    EXPECT_EQ(editor->SelLength(), 1);
}

TEST_F(ConversionMenusTest, FunctionKeysReachTheSelectionCommands)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    editor->setFocus();
    editor->setText(QStringLiteral("ena"));
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_F5);
    EXPECT_EQ(editor->Text(), byteText({0xC4, 0xCD, 0xC0}));
    QTest::keyClick(editor, Qt::Key_F6);
    EXPECT_EQ(editor->Text(), QStringLiteral("ena"));
}

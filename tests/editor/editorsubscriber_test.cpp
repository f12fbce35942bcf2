// The editor's one subscriber on a context without the main window: menu items follow the
// text and the selection whenever they were added, and an edit is one undo step that marks
// the text changed.

#include "core/editapplier.h"
#include "core/textedit.h"
#include "documents/documentcommands.h"
#include "editor/editorevents.h"
#include "support/fakecontext.h"

#include <QMenu>

#include <gtest/gtest.h>

namespace {

class EditorSubscriber : public testing::Test
{
protected:
    EditorSubscriber() { context.parts.documents = &documents; }

    FakeContext context;
    DocumentCommands documents{context};
    EditorEvents events{context};
};

} // namespace

TEST_F(EditorSubscriber, AnItemAddedAfterTheSubscriberFollowsItsRule)
{
    QAction* late = context.menus.add(
        context.menus.menu("mnuEdit"),
        {"mnuLate", QStringLiteral("late"), DisplayMapKind::Latin, {}, EnableRule::NeedsSelection},
        [] {});
    EXPECT_FALSE(late->isEnabled());
    context.T1->setText(QStringLiteral("abc"));
    context.T1->setSelection(1, 1);
    EXPECT_TRUE(late->isEnabled());
    EXPECT_EQ(context.status(StatusPanel::SelectionLength), QStringLiteral("1"));
    context.T1->setSelStart(2);
    EXPECT_FALSE(late->isEnabled());
    EXPECT_EQ(context.selectionsCleared, 1);
}

TEST_F(EditorSubscriber, AnEditIsOneUndoStepAndMarksTheTextChanged)
{
    {
        const DocumentState::TextLoading loading(context.state);
        context.T1->setText(QStringLiteral("one\r\ntwo"));
    }
    ASSERT_EQ(context.state.EditorChanged(), 0);
    applyEdit(*context.T1, {0, 8, QStringLiteral("ONE\r\nTWO\r\nthree"), 5, 3});
    EXPECT_EQ(context.T1->Text(), QStringLiteral("ONE\r\nTWO\r\nthree"));
    EXPECT_EQ(context.T1->SelStart(), 5);
    EXPECT_EQ(context.T1->SelText(), QStringLiteral("TWO"));
    EXPECT_EQ(context.state.EditorChanged(), -1);
    EXPECT_TRUE(context.enabled("mnuSave"));

    context.T1->undo();
    EXPECT_EQ(context.T1->Text(), QStringLiteral("one\r\ntwo")) << "one step undoes it all";
}

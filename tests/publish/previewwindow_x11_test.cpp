// The preview window on a real X server, opened and closed again and again.

#include "platform/browser.h"
#include "publish/frmbr.h"
#include "publish/previewcommands.h"
#include "support/fakecontext.h"
#include "support/testfolders.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(PreviewWindow, ShowsEachPageInTheNativeWindowItWasShownInEveryTimeItOpens)
{
    TestFolders folders;
    FakeContext context;
    PreviewCommands commands(context);
    context.parts.preview = &commands;
    context.frame.show();
    context.T1->setText(QStringLiteral("<P>page</P>"));
    for (int opening = 0; opening < 10; ++opening) {
        commands.in_brovzer();
        QPointer<frmBR> shown = context.frame.findChild<frmBR*>();
        ASSERT_FALSE(shown.isNull()) << opening;
        const WId shownAs = shown->winId();
        QSignalSpy loads(shown->findChild<Browser*>(QStringLiteral("WBR")), &Browser::loadFinished);
        ASSERT_TRUE(loads.wait(20000) && loads.first().first().toBool()) << opening;
        EXPECT_EQ(shown->winId(), shownAs) << opening;
        shown->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(shown.isNull()) << opening;
    }
}

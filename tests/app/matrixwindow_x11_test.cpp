// The matrix window on a real X server, opened from the main window's menu again and again
// with a matrix previewed each time.

#include "app/frmh.h"
#include "core/progprops.h"
#include "design/frmmatrix.h"
#include "design/matrices.h"
#include "menus/menuregistry.h"
#include "platform/browser.h"
#include "platform/paths.h"
#include "support/testfolders.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

TEST(MatrixWindow, PreviewsInTheNativeWindowItWasShownInEveryTimeItOpens)
{
    TestFolders folders;
    Props = ProgProps{};
    ASSERT_TRUE(QDir().mkpath(matrixFolder()));
    writeFile(joinPath(matrixFolder(), QStringLiteral("a.html")), "<P>a</P>");
    FrmH window;
    window.showPlain();
    for (int opening = 0; opening < 10; ++opening) {
        WId shownAs = 0;
        WId previewedAs = 0;
        bool previewed = false;
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<frmMatrix*>(QApplication::activeModalWidget());
            if (!shown) {
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            shownAs = shown->winId();
            QSignalSpy loads(shown->findChild<Browser*>(QStringLiteral("WBR")),
                             &Browser::loadFinished);
            shown->findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(0);
            previewed = loads.wait(20000) && loads.first().first().toBool();
            previewedAs = shown->winId();
            shown->findChild<QToolButton*>(QStringLiteral("COK(2)"))->click(); // Exit
        });
        window.registry().action("mnuHTmatrix")->trigger();
        ASSERT_NE(shownAs, WId(0)) << "opening " << opening << " shows the matrix window";
        ASSERT_TRUE(previewed) << opening;
        ASSERT_EQ(previewedAs, shownAs) << opening;
    }
    Props = ProgProps{};
}

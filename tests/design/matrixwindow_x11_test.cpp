// The matrix window on a real X server, opened from its menu again and again with a matrix
// previewed each time.

#include "design/designcommands.h"
#include "design/frmmatrix.h"
#include "designwindow.h"
#include "documents/documentfiles.h"
#include "platform/browser.h"
#include "platform/paths.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

TEST_F(DesignWindow, TheMatrixWindowPreviewsInTheNativeWindowItWasShownInEveryTimeItOpens)
{
    QDir().mkpath(matrixFolder());
    writeFile(joinPath(matrixFolder(), QStringLiteral("a.html")), "<P>a</P>");
    DesignCommands design(window);
    window.frame.show();
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
        window.menus.action("mnuHTmatrix")->trigger();
        ASSERT_NE(shownAs, WId(0)) << "opening " << opening << " shows the matrix window";
        ASSERT_TRUE(previewed) << opening;
        ASSERT_EQ(previewedAs, shownAs) << opening;
    }
}

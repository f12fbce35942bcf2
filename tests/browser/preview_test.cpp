// The preview command and its window, with the real web engine: what in_brovzer writes and
// shows for each kind of document, and what the window's close leaves behind.

#include "browserfixture.h"

#include "documents/frmbr.h"
#include "documents/previewcommands.h"
#include "support/fakecontext.h"
#include "support/testfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSignalSpy>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

class PreviewCommand : public testing::Test
{
protected:
    PreviewCommand() { context.parts.preview = &commands; }

    frmBR* window() { return context.frame.findChild<frmBR*>(); }
    // in_brovzer; then the text the preview shows once its page loaded ("" when none did).
    QString preview()
    {
        commands.in_brovzer();
        Browser* browser =
            window() ? window()->findChild<Browser*>(QStringLiteral("WBR")) : nullptr;
        QSignalSpy finished(browser, &Browser::loadFinished);
        if (!browser || !finished.wait(10000) || !finished.first().first().toBool())
            return QString();
        return evaluate(QStringLiteral("document.body.innerText"), *browser).toString();
    }
    // Closes the preview as its frame does; true when the window went.
    bool closePreview()
    {
        QPointer<frmBR> closing = window();
        if (!closing || !closing->close())
            return false;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return closing.isNull();
    }
    QStringList files(const QString& folder) { return QDir(folder).entryList(QDir::Files); }
    QString temporary() { return commands.pages().temporaryFolder(); }

    TestFolders folders;
    FakeContext context;
    PreviewCommands commands{context};
};

TEST_F(PreviewCommand, TypedTextIsShownFromATemporaryPageThatGoesWithTheWindow)
{
    commands.in_brovzer();
    EXPECT_EQ(window(), nullptr) << "an empty editor shows nothing";

    const QString typed = QStringLiteral("<HTML><BODY>\xC0\xC1 typed\r\n</BODY></HTML>");
    context.T1->setText(typed);
    EXPECT_EQ(preview(), QStringLiteral("\u00C0\u00C1 typed"));
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(readFile(temporary() + QStringLiteral("/wid.html")), typed.toLatin1());
    EXPECT_EQ(files(folders.programFolder()), QStringList());
    ASSERT_TRUE(closePreview());
    EXPECT_EQ(files(temporary()), QStringList());

    context.T1->setText(QStringLiteral("<P>again</P>"));
    EXPECT_EQ(preview(), QStringLiteral("again")) << "in a new window";

    QPointer<frmBR> missing = new frmBR(context.frame, commands.pages());
    missing->openHTML(folders.root() + QStringLiteral("/missing.html"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(missing.isNull()) << "a missing page closes its window at once";
}

TEST_F(PreviewCommand, APageClosingItsWindowByScriptClosesThePreviewAlsoAfterNavigating)
{
    const QString tempPage = temporary() + QStringLiteral("/wid.html");
    const QString docPath = folders.root() + QStringLiteral("/doc.html");
    const QByteArray docBytes =
        "<HTML><BODY><A id=next href=\"" + tempPage.toUtf8() + "\">back</A></BODY></HTML>";
    writeFile(docPath, docBytes);
    context.T1->setText(QStringLiteral("<A id=next href=\"%1\">doc</A>"
                                       "<A id=close href=\"javascript:window.close()\">x</A>")
                            .arg(docPath));
    ASSERT_EQ(preview(), QStringLiteral("docx"));
    Browser& browser = *window()->findChild<Browser*>();
    const auto click = [&](const char* id) {
        browser.runScript(
            QStringLiteral("document.getElementById('%1').click()").arg(QLatin1String(id)),
            [](const QVariant&) {});
    };
    for (int step = 0; step < 4; ++step)
        ASSERT_TRUE(loaded([&] { click("next"); }, browser)) << step;

    QSignalSpy destroyed(window(), &QObject::destroyed);
    click("close");
    EXPECT_TRUE(destroyed.wait(10000));
    EXPECT_FALSE(QFileInfo::exists(tempPage));
    EXPECT_EQ(readFile(docPath), docBytes);
}

TEST_F(PreviewCommand, ProjectDocumentsAreShownFromTheirOwnFilesWhichTheCloseKeeps)
{
    const QString site = folders.root() + QStringLiteral("/site");
    QDir().mkpath(site);
    context.state.recordProject(site + QLatin1Char('/'), QStringLiteral("site.WEB"));
    const QString index = site + QStringLiteral("/index.html");
    writeFile(index, "<P>as saved</P>");
    context.state.appendShown(QStringLiteral("<P>as saved</P>"), index,
                              QStringLiteral("index.html"), false);
    EXPECT_EQ(preview(), QStringLiteral("as saved"));
    EXPECT_EQ(files(temporary()), QStringList()) << "nothing written";

    // A changed document: its file takes the editor's text, and it stays changed.
    const QString changed = site + QStringLiteral("/changed.html");
    writeFile(changed, "<P>old</P>");
    context.state.appendShown(QStringLiteral("<P>old</P>"), changed, QStringLiteral("changed.html"),
                              true);
    context.T1->setText(QStringLiteral("<P>edited \xE0</P>"));
    EXPECT_EQ(preview(), QStringLiteral("edited \u00E0"));
    EXPECT_EQ(readFile(changed), QByteArray("<P>edited \xE0</P>"));
    EXPECT_EQ(context.state.Docs().Item(1).Changed, -1);

    // A document without a file: a page under its title in the project folder.
    context.state.appendShown(QStringLiteral("<P>new</P>"), QString(), QStringLiteral("new.html"),
                              true);
    EXPECT_EQ(preview(), QStringLiteral("new"));
    ASSERT_TRUE(closePreview());
    EXPECT_EQ(files(site), QStringList({QStringLiteral("changed.html"),
                                        QStringLiteral("index.html"), QStringLiteral("new.html")}));
    EXPECT_EQ(readFile(site + QStringLiteral("/new.html")), QByteArray("<P>new</P>"));
    EXPECT_EQ(readFile(index), QByteArray("<P>as saved</P>"));
}

TEST_F(PreviewCommand, TitlesNamingTheProgramsFilesOrLeavingTheFolderTouchNothingOutside)
{
    const QString accounts = folders.path(QStringLiteral("FTP.ini"));
    writeFile(accounts, "accounts");
    context.state.recordProject(folders.programFolder() + QLatin1Char('/'),
                                QStringLiteral("site.WEB"));
    context.state.appendShown(QStringLiteral("ftp"), QString(), QStringLiteral("FTP.ini"), true);
    EXPECT_EQ(preview(), QStringLiteral("ftp"));
    context.state.appendShown(QStringLiteral("up"), QString(), QStringLiteral("../x.html"), true);
    EXPECT_EQ(preview(), QStringLiteral("up"));
    EXPECT_EQ(files(temporary()), QStringList{QStringLiteral("wid.html")});
    ASSERT_TRUE(closePreview());
    EXPECT_EQ(files(temporary()), QStringList());
    EXPECT_EQ(files(folders.programFolder()), QStringList{QStringLiteral("FTP.ini")});
    EXPECT_EQ(files(folders.root()), QStringList());
    EXPECT_EQ(readFile(accounts), QByteArray("accounts"));

    for (const QUrl& address :
         {QUrl(QStringLiteral("javascript:window.close()")), QUrl::fromLocalFile(accounts),
          QUrl::fromLocalFile(folders.programFolder()),
          QUrl(QStringLiteral("http://example.com/a.html?x=1|2#top")), QUrl(),
          QUrl(QStringLiteral("file:///%00x"))})
        EXPECT_TRUE(frmBR::WBR_BeforeNavigate2(address)) << address.toString().toStdString();
}

} // namespace

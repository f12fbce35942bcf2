#include "browserfixture.h"

#include "publish/previewpages.h"
#include "support/testfolders.h"
#include "testdocuments.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class BrowserPreview : public testing::Test
{
protected:
    void TearDown() override { testBrowser().setNavigationCheck({}); }

    // What the preview window does: plan, write, show the page.
    PreviewPlan show(qint16 index, const QString& editorText)
    {
        const auto plan = pages.plan({docs, index, editorText});
        EXPECT_TRUE(plan && pages.write(*plan));
        EXPECT_TRUE(plan && navigated(plan->target));
        return plan.value_or(PreviewPlan{});
    }
    QString text(const char* script) { return evaluate(QString::fromLatin1(script)).toString(); }
    bool click(const char* id)
    {
        return loaded([&] {
            testBrowser().runScript(
                QStringLiteral("document.getElementById('%1').click()").arg(QLatin1String(id)),
                [](const QVariant&) {});
        });
    }

    TestFolders folders;
    ColectionMain docs;
    PreviewPages pages;
};

} // namespace

TEST_F(BrowserPreview, TypedTextIsReadAsWindows1252UnlessItsPageDeclaresACharacterSet)
{
    // 8-bit Georgian, which the engine's own guess reads as Cyrillic.
    const QString typed =
        QStringLiteral("<HTML><BODY><P id=t>\x80 \xC0\xC1\xC2\xC3 \xC9\xD0\xD2\xC5"
                       "\xCD\xDB \xD3\xC0\xD7\xC5\xD0</P></BODY></HTML>\r\n");
    PreviewPlan plan = show(-1, typed);
    EXPECT_EQ(readFile(plan.target), typed.toLatin1());
    EXPECT_EQ(text("document.getElementById('t').innerText"),
              QStringLiteral("\u20AC \u00C0\u00C1\u00C2\u00C3 \u00C9\u00D0\u00D2\u00C5\u00CD"
                             "\u00DB \u00D3\u00C0\u00D7\u00C5\u00D0"));
    pages.previewClosed();
    EXPECT_FALSE(QFileInfo::exists(plan.target));

    plan = show(-1, QStringLiteral("<HTML><HEAD><META http-equiv=Content-Type "
                                   "content=\"text/html; charset=windows-1251\"></HEAD>"
                                   "<BODY><P id=t>\xC0\xC1\xC2</P></BODY></HTML>"));
    EXPECT_EQ(text("document.getElementById('t').innerText"), QStringLiteral("\u0410\u0411\u0412"));
    pages.previewClosed();
}

TEST_F(BrowserPreview, AFramesetShowsEachFrameFromItsDocumentAndLeavesNothingOutside)
{
    pages.values().FrameSetOn = true;
    addDocument(docs, QStringLiteral("Frames.HTML"), QString(), {}, true, 1);
    addDocument(docs, QStringLiteral("Page1.HTML"),
                QStringLiteral("<HTML><BODY>Page one \xE0</BODY></HTML>"), {}, true, 2);
    addDocument(docs, QStringLiteral("Page2.HTML"), QStringLiteral("<HTML><BODY>Page two"), {},
                true, 2);
    addDocument(docs, QStringLiteral("FTP.ini"), QStringLiteral("frame"), {}, true, 2);
    addDocument(docs, QStringLiteral("../x.html"), QStringLiteral("escape"), {}, true, 2);
    writeFile(folders.path(QStringLiteral("FTP.ini")), "accounts");

    const PreviewPlan plan =
        show(0, QStringLiteral("<HTML><FRAMESET cols=\"50%,*\"><FRAME src=\"Page1.HTML\">"
                               "<FRAME src=\"Page2.HTML\"></FRAMESET></HTML>"));
    EXPECT_EQ(evaluate(QStringLiteral("window.frames.length")).toInt(), 2);
    EXPECT_EQ(evaluate(QStringLiteral("Array.from(window.frames, f => f.document.body.innerText)"))
                  .toStringList(),
              QStringList({QStringLiteral("Page one \u00E0"), QStringLiteral("Page two")}));

    EXPECT_EQ(readFile(folders.path(QStringLiteral("FTP.ini"))), QByteArray("accounts"));
    EXPECT_EQ(QDir(folders.programFolder()).entryList(QDir::Files),
              QStringList{QStringLiteral("FTP.ini")});
    const QString temporary = pages.temporaryFolder();
    EXPECT_FALSE(QFileInfo::exists(temporary + QStringLiteral("/x.html")));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(temporary).path() + QStringLiteral("/x.html")));
    pages.previewClosed();
    for (const QString& page : pages.values().brovzerFiles)
        EXPECT_FALSE(QFileInfo::exists(page)) << page.toStdString();
    EXPECT_EQ(pages.values().brovzerFiles.size(), 4);
    EXPECT_TRUE(plan.target.startsWith(temporary));
}

TEST_F(BrowserPreview, AScriptCloseLinkClosesTheWindowAfterSeveralNavigations)
{
    const QString docPath = folders.root() + QStringLiteral("/doc.html");
    const QString tempPage = pages.temporaryFolder() + QStringLiteral("/wid.html");
    const QByteArray docBytes =
        "<HTML><BODY><A id=next href=\"" + tempPage.toUtf8() +
        "\">back</A><A id=close href=\"javascript:window.close()\">close</A></BODY></HTML>";
    writeFile(docPath, docBytes);
    addDocument(docs, QStringLiteral("doc.html"), QString::fromLatin1(docBytes), docPath);
    addDocument(docs, QStringLiteral("nosaved1.HTML"), QString(), {}, true);

    show(1,
         QStringLiteral("<HTML><BODY><A id=next href=\"%1\">doc</A></BODY></HTML>").arg(docPath));
    for (int step = 0; step < 3; ++step)
        ASSERT_TRUE(click("next")) << step;
    EXPECT_EQ(Browser::existingFileOf(QUrl::fromLocalFile(docPath)), docPath);

    QSignalSpy closed(&testBrowser(), &Browser::windowCloseRequested);
    testBrowser().runScript(QStringLiteral("document.getElementById('close').click()"),
                            [](const QVariant&) {});
    EXPECT_TRUE(closed.wait(5000));
    pages.previewClosed();
    EXPECT_FALSE(QFileInfo::exists(tempPage));
    EXPECT_EQ(readFile(docPath), docBytes);
}

TEST_F(BrowserPreview, TheNavigationCheckSeesEveryAddressAndNoAddressUpsetsTheFileLookup)
{
    QList<QUrl> seen;
    testBrowser().setNavigationCheck([&](const QUrl& address) {
        seen << address;
        return !address.path().endsWith(QLatin1String("refused.html"));
    });
    const QString page = folders.root() + QStringLiteral("/a page #1.html");
    const QString refused = folders.root() + QStringLiteral("/refused.html");
    writeFile(page, "<TITLE>A</TITLE>");
    writeFile(refused, "<TITLE>R</TITLE>");
    ASSERT_TRUE(navigated(page));
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(Browser::existingFileOf(seen.last()), page) << "the shown page's own address";
    EXPECT_FALSE(navigated(refused));
    EXPECT_EQ(text("document.title"), QStringLiteral("A"));

    for (const QUrl& address :
         {QUrl(QStringLiteral("http://example.com/a.html?x=1|2#top")),
          QUrl(QStringLiteral("javascript:window.close()")), QUrl(), QUrl(QStringLiteral(":")),
          QUrl(QStringLiteral("file:///%00x")), QUrl(QStringLiteral("file://host/share/a.html")),
          QUrl::fromLocalFile(folders.root()), QUrl::fromLocalFile(page + QStringLiteral("x")),
          QUrl(QStringLiteral("kelmora-page:browser_tests"))})
        EXPECT_EQ(Browser::existingFileOf(address), QString()) << address.toString().toStdString();
}

TEST_F(BrowserPreview, EveryKindOfWebPageIsShownAsAPage)
{
    for (const char* name :
         {"a.shtml", "a.STM", "a.php", "a.php3", "a.asp", "a.shtm", "a.htx", "a.hta", "a.htm"}) {
        const QString page = folders.root() + QLatin1Char('/') + QLatin1String(name);
        writeFile(page, QByteArray("<TITLE>") + name + "</TITLE><P>\xE0</P>");
        ASSERT_TRUE(navigated(page)) << name;
        EXPECT_EQ(text("document.title"), QLatin1String(name));
        EXPECT_EQ(text("document.body.innerText"), QStringLiteral("\u00E0")) << name;
    }
}

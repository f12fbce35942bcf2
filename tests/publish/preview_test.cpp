// The preview command and its window, with the real web engine: what in_brovzer writes and
// shows for each kind of document, and what the window's close leaves behind.

#include "browserfixture.h"

#include "design/framesetdocuments.h"
#include "design/framesetpages.h"
#include "publish/frmbr.h"
#include "publish/previewcommands.h"
#include "support/fakecontext.h"
#include "support/testfolders.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// A web server on 127.0.0.1: each request gets what was put at its path, or 404.
class LocalWebServer
{
public:
    LocalWebServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead,
                                 [this, socket] { answer(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    void put(const QByteArray& path, const QByteArray& type, const QByteArray& body)
    {
        m_files.insert(path, {type, body});
    }
    QString address(const char* path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2")
            .arg(m_server.serverPort())
            .arg(QLatin1String(path));
    }

private:
    void answer(QTcpSocket* socket)
    {
        QByteArray& request = m_requests[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray path = request.split(' ').value(1);
        const auto file = m_files.constFind(path);
        const bool found = file != m_files.cend();
        const QByteArray body = found ? file->second : QByteArray();
        socket->write((found ? "HTTP/1.1 200 OK\r\nContent-Type: " + file->first
                             : QByteArray("HTTP/1.1 404 Not Found")) +
                      "\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
        m_requests.remove(socket);
    }

    QTcpServer m_server;
    QHash<QByteArray, std::pair<QByteArray, QByteArray>> m_files;
    QHash<QTcpSocket*, QByteArray> m_requests;
};

QByteArray pictureBytes()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class PreviewCommand : public testing::Test
{
protected:
    PreviewCommand() { context.parts.preview = &commands; }

    frmBR* window() { return context.frame.findChild<frmBR*>(); }
    Browser* browser()
    {
        return window() ? window()->findChild<Browser*>(QStringLiteral("WBR")) : nullptr;
    }
    // in_brovzer; then the text the preview shows once its page loaded ("" when none did).
    QString preview()
    {
        commands.in_brovzer();
        QSignalSpy finished(browser(), &Browser::loadFinished);
        if (!browser() || !finished.wait(10000) || !finished.first().first().toBool())
            return QString();
        return shown("document.body.innerText").toString();
    }
    // The value of a script in the page the preview shows.
    QVariant shown(const char* script) { return evaluate(QLatin1String(script), *browser()); }
    // Clicks the element with the id in the page the preview shows.
    void click(const char* id)
    {
        browser()->runScript(
            QStringLiteral("document.getElementById('%1').click()").arg(QLatin1String(id)),
            [](const QVariant&) {});
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
    // Opens a project in the folder "site" with its saved page index.html shown; gives the
    // folder.
    QString openProject()
    {
        const QString site = folders.root() + QStringLiteral("/site");
        QDir().mkpath(site);
        context.state.recordProject(site + QLatin1Char('/'), QStringLiteral("site.WEB"));
        writeFile(site + QStringLiteral("/index.html"), "<P>as saved</P>");
        context.state.appendShown(QStringLiteral("<P>as saved</P>"),
                                  FilePath(site + QStringLiteral("/index.html")),
                                  QStringLiteral("index.html"), false);
        return site;
    }
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
    for (int step = 0; step < 4; ++step)
        ASSERT_TRUE(loaded([&] { click("next"); }, *browser())) << step;

    QSignalSpy destroyed(window(), &QObject::destroyed);
    click("close");
    EXPECT_TRUE(destroyed.wait(10000));
    EXPECT_FALSE(QFileInfo::exists(tempPage));
    EXPECT_EQ(readFile(docPath), docBytes);
}

TEST_F(PreviewCommand, ProjectDocumentsAreShownAtTheirPlacesAndOnlySavedTextsAreInTheProject)
{
    const QString site = openProject();
    const QString index = site + QStringLiteral("/index.html");
    EXPECT_EQ(preview(), QStringLiteral("as saved"));
    EXPECT_EQ(files(temporary()), QStringList()) << "nothing written";

    // A changed document is shown with the editor's text at its file, which keeps what was
    // saved; a document without a file, under its title in the project folder. Links from
    // either reach the project's files.
    const QString changed = site + QStringLiteral("/changed.html");
    writeFile(changed, "<P>old</P>");
    context.state.appendShown(QStringLiteral("<P>old</P>"), FilePath(changed),
                              QStringLiteral("changed.html"), true);
    context.T1->setText(QStringLiteral("edited \xE0<A id=index href=index.html>!</A>"));
    EXPECT_EQ(preview(), QStringLiteral("edited \u00E0!"));
    EXPECT_EQ(readFile(changed), QByteArray("<P>old</P>"));
    EXPECT_EQ(context.state.Docs().Item(1).Value,
              QStringLiteral("edited \xE0<A id=index href=index.html>!</A>"));
    EXPECT_EQ(context.state.Docs().Item(1).Changed, -1);
    context.state.appendShown(QStringLiteral("new<A id=index href=index.html>!</A>"), FilePath(),
                              QStringLiteral("new.html"), true);
    EXPECT_EQ(preview(), QStringLiteral("new!"));
    ASSERT_TRUE(loaded([&] { click("index"); }, *browser()));
    EXPECT_EQ(shown("document.body.innerText"), QStringLiteral("as saved"));
    ASSERT_TRUE(closePreview());
    EXPECT_EQ(files(site),
              QStringList({QStringLiteral("changed.html"), QStringLiteral("index.html")}));
    EXPECT_EQ(readFile(index), QByteArray("<P>as saved</P>"));
    EXPECT_EQ(filesUnder(temporary()), (QMap<QString, QByteArray>()));
}

TEST_F(PreviewCommand, AFramesetMadeInAProjectShowsEveryFrameBesideItWritingNothingThere)
{
    const QString site = openProject();
    context.parts.previewValues = &commands.pages().values();
    FramesetDesign design;
    const qint16 preset = applyPreset(design, 0);
    ASSERT_TRUE(placeFramesetPages(context, BuildFramesetPages(design, preset, QString())));
    const QMap<QString, QByteArray> project = filesUnder(site);

    preview();
    QStringList places, titles;
    for (int frame = 1; frame <= 3; ++frame) {
        places << site + QStringLiteral("/Page%1.HTML").arg(frame);
        titles << QStringLiteral("Page %1").arg(frame);
    }
    EXPECT_EQ(shown("location.pathname").toString(), site + QStringLiteral("/Frames.HTML"));
    EXPECT_EQ(shown("Array.from(window.frames, f => f.location.pathname)").toStringList(), places);
    EXPECT_EQ(shown("Array.from(window.frames, f => f.document.title)").toStringList(), titles);
    EXPECT_EQ(filesUnder(site), project) << "nothing the user did not save";
    ASSERT_TRUE(closePreview());
    EXPECT_EQ(filesUnder(site), project);
    EXPECT_EQ(filesUnder(temporary()), (QMap<QString, QByteArray>()));
}

// A page may reach the web, so it reaches no local file outside its own folders: else any
// previewed page could send the user's other files out.
TEST_F(PreviewCommand, PagesReachTheWebButNoLocalFileOutsideTheirFoldersAndWebPagesNone)
{
    LocalWebServer web;
    const QByteArray picture = pictureBytes();
    const QString local = folders.root() + QStringLiteral("/local.png");
    writeFile(local, picture);
    web.put("/sky.png", "image/png", picture);
    web.put("/page.html", "text/html",
            "<TITLE>web</TITLE><IMG id=local src=\"kelmora-page:" + local.toUtf8() + "\">");
    context.T1->setText(QStringLiteral("<IMG id=web src=\"%1\"><IMG id=local src=\"%2\">"
                                       "<A id=out href=\"%3\">out</A>")
                            .arg(web.address("/sky.png"), local, web.address("/page.html")));
    ASSERT_EQ(preview(), QStringLiteral("out"));
    EXPECT_EQ(shown("document.getElementById('web').naturalWidth").toInt(), 8);
    EXPECT_EQ(shown("document.getElementById('local').naturalWidth").toInt(), 0);

    ASSERT_TRUE(loaded([&] { click("out"); }, *browser()));
    EXPECT_EQ(shown("document.title").toString(), QStringLiteral("web"));
    EXPECT_EQ(shown("document.getElementById('local').naturalWidth").toInt(), 0);
}

TEST_F(PreviewCommand, TitlesNamingTheProgramsFilesOrLeavingTheFolderTouchNothingOutside)
{
    const QString accounts = folders.path(QStringLiteral("FTP.ini"));
    writeFile(accounts, "accounts");
    context.state.recordProject(folders.programFolder() + QLatin1Char('/'),
                                QStringLiteral("site.WEB"));
    context.state.appendShown(QStringLiteral("ftp"), FilePath(), QStringLiteral("FTP.ini"), true);
    commands.in_brovzer();
    EXPECT_EQ(readFile(commands.pages().servedFile(accounts)), QByteArray("ftp"))
        << "only the preview sees the text there";
    context.state.appendShown(QStringLiteral("up"), FilePath(), QStringLiteral("../x.html"), true);
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

#include "platform/browser.h"

#include "platform/casefold.h"
#include "platform/filenames.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSet>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

#include <unistd.h>

namespace {

const QByteArray kScheme = QByteArrayLiteral("kelmora-page");

// How much of a page's start is searched for a declared character set.
constexpr qint64 kHeadBytes = 64 * 1024;

QUrl localPageAddress(const QString& path)
{
    // The path's bytes percent-encoded, so that a name that is not UTF-8 reaches the file.
    const QByteArray bytes = fileNameBytes(QFileInfo(path).absoluteFilePath());
    QUrl address;
    address.setScheme(QString::fromLatin1(kScheme));
    address.setPath(QString::fromLatin1(bytes.toPercentEncoding("/")), QUrl::TolerantMode);
    return address;
}

// Whether a page names its character set where the engine looks for it: in a meta element
// before its body, or in an XML declaration it starts with.
bool declaresCharacterSet(const QByteArray& head)
{
    const QByteArray lower = head.toLower(); // ASCII letters only
    const qsizetype body = lower.indexOf("<body");
    if (lower.left(body < 0 ? lower.size() : body).contains("charset"))
        return true;
    if (!lower.startsWith("<?xml"))
        return false;
    const qsizetype end = lower.indexOf("?>");
    return lower.left(end < 0 ? lower.size() : end).contains("encoding");
}

// The extensions of the program's web pages, the server pages among them: whatever the
// system's type database makes of them (PHP source, a sound for .stm, or nothing known), the
// preview shows them as the pages they are.
bool hasPageExtension(const QString& path)
{
    static const QSet<QString> kPages = {
        QStringLiteral("html"), QStringLiteral("htm"), QStringLiteral("shtml"),
        QStringLiteral("shtm"), QStringLiteral("stm"), QStringLiteral("htw"),
        QStringLiteral("htx"),  QStringLiteral("htt"), QStringLiteral("hpf"),
        QStringLiteral("hta"),  QStringLiteral("asp"), QStringLiteral("php"),
        QStringLiteral("php3")};
    return kPages.contains(CaseFold::toLower(QFileInfo(path).suffix()));
}

// The content type a local file is served with: HTML that declares no character set, and
// plain text, are Windows-1252.
QByteArray contentTypeOf(const QString& path, const QByteArray& head)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    const bool page = hasPageExtension(path) || type.inherits(QStringLiteral("text/html"));
    const bool plainText = type.name() == QLatin1String("text/plain");
    QByteArray contentType = page ? QByteArrayLiteral("text/html") : type.name().toLatin1();
    if ((page && !declaresCharacterSet(head)) || plainText)
        contentType += ";charset=windows-1252";
    return contentType;
}

// The full path a file or local-page address names, whether or not a file is there; "" for
// other addresses, and for names that a NUL would cut short at the file system or that would
// depend on the process's current folder.
QString localPathOf(const QUrl& address)
{
    QString path;
    if (address.isLocalFile())
        path = address.toLocalFile();
    else if (address.scheme() == QLatin1String(kScheme))
        path = fileNameFromBytes(
            QByteArray::fromPercentEncoding(address.path(QUrl::FullyEncoded).toLatin1()));
    return !path.contains(QChar(0)) && QFileInfo(path).isAbsolute() ? path : QString();
}

// Serves the local scheme's addresses from the files their source names.
class LocalPages : public QWebEngineUrlSchemeHandler
{
public:
    LocalPages(const Browser::PageSource& source, QObject* parent)
        : QWebEngineUrlSchemeHandler(parent), m_source(source)
    {}

    void requestStarted(QWebEngineUrlRequestJob* job) override
    {
        const QString path = localPathOf(job->requestUrl());
        const QString served = m_source && !path.isEmpty() ? m_source(path) : path;
        auto* file = new QFile(job); // the job owns the file it reads from
        if (!fileFacts(served).isFile || !openForReading(*file, served)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        job->reply(contentTypeOf(path, file->peek(kHeadBytes)), file);
    }

private:
    const Browser::PageSource& m_source;
};

class CheckedPage : public QWebEnginePage
{
public:
    CheckedPage(QWebEngineProfile* profile, Browser& browser, QObject* parent)
        : QWebEnginePage(profile, parent), m_browser(browser)
    {}

protected:
    bool acceptNavigationRequest(const QUrl& address, NavigationType, bool mainFrame) override
    {
        if (!m_browser.mayNavigate(address))
            return false;
        if (const QString path = localPathOf(address); mainFrame && !path.isEmpty())
            emit m_browser.pageOpening(path);
        return true;
    }

private:
    Browser& m_browser;
};

} // namespace

void prepareBrowserEngine()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (QWebEngineUrlScheme::schemeByName(kScheme).name() == kScheme)
        return;
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Local pages may load local files; web pages may not load local pages.
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

Browser::Browser(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    hide();

    // Off the record: the preview leaves no cache, cookies or history on disk.
    m_profile = new QWebEngineProfile(this);
    m_profile->settings()->setDefaultTextEncoding(QStringLiteral("windows-1252"));
    m_profile->installUrlSchemeHandler(kScheme, new LocalPages(m_source, m_profile));
    setWebAllowed(false);

    m_view = new QWebEngineView(this);
    auto* page = new CheckedPage(m_profile, *this, m_view);
    m_view->setPage(page);
    layout->addWidget(m_view);
    connect(page, &QWebEnginePage::loadFinished, this, [this, page](bool ok) {
        // The engine lets a page close its window by script only while the history holds
        // the one page shown.
        page->history()->clear();
        emit loadFinished(ok);
    });
    connect(page, &QWebEnginePage::windowCloseRequested, this, &Browser::windowCloseRequested);

    // The engine draws into a widget of its own, which it makes when it starts. Made in a
    // window already shown, that widget makes Qt re-create the window's native window, and
    // under X the window's activation then reaches a window that is gone: the program
    // crashes. Started here, before the window is first shown, the window is made once, as
    // the engine needs it. Reading the history starts the engine without loading a page.
    page->history()->count();
}

Browser::~Browser()
{
    // The page and the profile's page server refer to this browser: they go while it is
    // whole.
    delete m_view;
    delete m_profile;
}

void Browser::navigate(const QString& path)
{
    m_view->load(localPageAddress(path));
}

void Browser::setNavigationCheck(NavigationCheck check)
{
    m_check = std::move(check);
}

bool Browser::mayNavigate(const QUrl& address) const
{
    return !m_check || m_check(address);
}

void Browser::setPageSource(PageSource source)
{
    m_source = std::move(source);
}

void Browser::setWebAllowed(bool allowed)
{
    // Local pages reach the web only when allowed; web pages never reach local ones (the
    // scheme's flags).
    m_profile->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls,
                                        allowed);
}

void Browser::runScript(const QString& script, const std::function<void(const QVariant&)>& result)
{
    m_view->page()->runJavaScript(script, result);
}

QString Browser::existingFileOf(const QUrl& address)
{
    const QString path = localPathOf(address);
    return fileFacts(path).isFile ? path : QString();
}

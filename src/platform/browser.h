#pragma once

// The embedded web browser that previews local pages. Pages are loaded through a local
// scheme of the program's own rather than as file addresses, so that a page declaring no
// character set is read as Windows-1252, as the program's 8-bit texts are shown, and not
// as whatever the engine's guess makes of its bytes (it reads 8-bit Georgian as Cyrillic),
// and so that every extension of a web page (.php, .asp, .shtml, ...) is shown as a page.
// Links between local pages, frames and scripts work as with file addresses. Web pages
// never reach the local scheme.

#include <QUrl>
#include <QVariant>
#include <QWidget>

#include <functional>

class QWebEngineProfile;
class QWebEngineView;

// Call once before the QApplication is made: the engine shares the widgets' graphics
// contexts, its local scheme is registered, and a program run as root runs the engine
// without its sandbox (the engine refuses to start as root otherwise).
void prepareBrowserEngine();

class Browser : public QWidget
{
    Q_OBJECT

public:
    // Starts hidden, its engine started, showing no page.
    explicit Browser(QWidget* parent = nullptr);
    ~Browser() override;

    // Loads a local file (a full path). A missing file shows the engine's error page.
    void navigate(const QString& path);

    // Which file serves a local page: given the full path an address names, the file whose
    // bytes are shown there ("" for none). Without it each address serves its own file. The
    // page's type follows the address's name.
    using PageSource = std::function<QString(const QString& path)>;
    void setPageSource(PageSource source);

    // Whether local pages may reach the web: follow links to it and show its pictures.
    // Off until turned on.
    void setWebAllowed(bool allowed);

    // Asked before the page or one of its frames loads an address; false cancels the load.
    // Without a check every address loads. Script addresses ("javascript:") run without it.
    using NavigationCheck = std::function<bool(const QUrl& address)>;
    void setNavigationCheck(NavigationCheck check);
    bool mayNavigate(const QUrl& address) const;

    // Runs script in the page shown; result gets its value. Arrays come back as lists,
    // objects as maps.
    void runScript(const QString& script, const std::function<void(const QVariant&)>& result);

    // The existing local file that an address names: file and local-page addresses of an
    // existing file give its path; web, script and malformed addresses and missing files
    // give "".
    static QString existingFileOf(const QUrl& address);

signals:
    void loadFinished(bool ok);
    // The page itself (not a frame of it) is about to show the local file at path, before
    // the file is asked for.
    void pageOpening(const QString& path);
    // The page closed its own window by script (window.close()).
    void windowCloseRequested();

private:
    QWebEngineProfile* m_profile;
    QWebEngineView* m_view;
    NavigationCheck m_check;
    PageSource m_source;
};

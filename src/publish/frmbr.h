#pragma once

// The preview window: one browser, WBR, filling it. It shows the page it is given, each
// page from the file the preview's pages serve it from, lets the pages reach the web, and,
// when it closes (through its frame, or because the page closed its own window by script),
// the preview's temporary pages are deleted and the window goes; the next preview makes a
// new one.

#include <QWidget>

class Browser;
class PreviewPages;
class QUrl;

class frmBR : public QWidget
{
    Q_OBJECT

public:
    // A window of its own, owned by owner (it stays over it and goes with it).
    frmBR(QWidget& owner, PreviewPages& pages);

    // Shows the page at target, a full path. A page with no file to serve it closes the
    // window at once, showing nothing.
    void openHTML(const QString& target);

    // Before each navigation of WBR: the file an address names is compared with the program
    // folder, and only the folder itself would be refused. An address names a file or
    // nothing, so every page and link loads, and no address can make the lookup fail; script
    // addresses are not looked up at all.
    static bool WBR_BeforeNavigate2(const QUrl& address);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Browser* WBR;
    PreviewPages& m_pages;
};

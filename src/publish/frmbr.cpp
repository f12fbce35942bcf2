#include "publish/frmbr.h"

#include "platform/browser.h"
#include "platform/paths.h"
#include "publish/previewpages.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr QSize kFirstSize(800, 600);

} // namespace

frmBR::frmBR(QWidget& owner, PreviewPages& pages) : QWidget(&owner, Qt::Window), m_pages(pages)
{
    setObjectName(QStringLiteral("frmBR"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(kFirstSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    WBR = new Browser(this);
    WBR->setObjectName(QStringLiteral("WBR"));
    layout->addWidget(WBR);
    WBR->setNavigationCheck(&frmBR::WBR_BeforeNavigate2);
    WBR->setPageSource([&pages](const QString& path) { return pages.servedFile(path); });
    WBR->setWebAllowed(true);
    connect(WBR, &Browser::pageOpening, this,
            [&pages](const QString& path) { pages.pageOpened(path); });
    connect(WBR, &Browser::windowCloseRequested, this, &QWidget::close);
}

void frmBR::openHTML(const QString& target)
{
    if (!QFileInfo(m_pages.servedFile(target)).isFile()) {
        close();
        return;
    }
    WBR->show();
    WBR->navigate(target);
    show();
    raise();
    activateWindow();
}

bool frmBR::WBR_BeforeNavigate2(const QUrl& address)
{
    if (address.toString().startsWith(QLatin1String("javascript")))
        return true;
    const QString file = Browser::existingFileOf(address);
    return file.isEmpty() || file != programFolder();
}

void frmBR::closeEvent(QCloseEvent* event)
{
    m_pages.previewClosed();
    QWidget::closeEvent(event);
}

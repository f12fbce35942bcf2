#include "core/frmh.h"

#include "core/progprops.h"

FrmH::FrmH(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Kelmora"));
    resize(1000, 700);
}

void FrmH::ensureLoaded()
{
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
}

void FrmH::Form_Load()
{
    if (Props.maxwind)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void FrmH::showPlain()
{
    ensureLoaded();
    show();
}

void FrmH::commandladenforma(const QString& mode)
{
    ensureLoaded();
    if (mode == QLatin1String("NOMAX"))
        setWindowState(windowState() & ~Qt::WindowMaximized);
    show();
}

void FrmH::comandopen(const QString& /*first*/, const QString& /*second*/)
{
    showPlain();
}

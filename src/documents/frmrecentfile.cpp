#include "documents/frmrecentfile.h"

#include "core/commandcontext.h"
#include "core/commandguard.h"
#include "core/progprops.h"
#include "core/sharedroutines.h"
#include "core/windowcontrols.h"
#include "documents/fileicons.h"
#include "documents/recentfiles.h"
#include "platform/displaymap.h"
#include "platform/paths.h"
#include "platform/prompts.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QString kOpenFilter = QStringLiteral(
    "All Files(*.*)|*.*|HTML-HTM(*.html,*.htm)|*.html;*.htm|Text(*.txt)|*.txt|WEB Proect|*.WEB");

// The folder a list entry is in: what comes before its name.
QString folderOf(const QString& path)
{
    return path.left(std::max<qsizetype>(0, path.size() - pathTitle(path).size() - 1));
}

} // namespace

frmrecentfile::frmrecentfile(CommandContext& context)
    : QDialog(&context.owner()), m_context(context)
{
    setObjectName(QStringLiteral("frmrecentfile"));
    setWindowTitle(QStringLiteral("Recent Files"));
    buildControls();
    Form_Load();
}

void frmrecentfile::buildControls()
{
    setFixedSize(twipsToPixels(7200), twipsToPixels(5100));
    LV = new QTreeWidget(this);
    LV->setObjectName(QStringLiteral("LV"));
    LV->setGeometry(twipsRect(120, 120, 6960, 3900));
    LV->setHeaderLabels({QStringLiteral("File"), QStringLiteral("Folder")});
    LV->setRootIsDecorated(false);
    LV->header()->resizeSection(0, twipsToPixels(2400));
    Copen = placedButton(this, "Copen", QStringLiteral("Open new File"),
                         twipsRect(120, 4560, 1800, 420));
    COK = placedButton(this, "COK", QStringLiteral("Open selected file"),
                       twipsRect(2040, 4560, 2160, 420));
    CEXIT = placedButton(this, "CEXIT", QStringLiteral("Exit"), twipsRect(5880, 4560, 1200, 420));
    CKonstart = new QCheckBox(this);
    CKonstart->setObjectName(QStringLiteral("CKonstart"));
    CKonstart->setText(DisplayMap::get(DisplayMapKind::GeorgianKeys)
                           .toShown(QStringLiteral("siis Ceveneba programis startisas")));
    CKonstart->setFont(QFont(QStringLiteral("Grigolia")));
    CKonstart->setGeometry(twipsRect(120, 4140, 6960, 300));

    mnupopup = new QMenu(this);
    mnupopup->setObjectName(QStringLiteral("mnupopup"));
    const std::pair<const char*, void (frmrecentfile::*)()> entries[] = {
        {"Delete", &frmrecentfile::mnudelet_Click},
        {"Open Folder", &frmrecentfile::mnufoldop_Click},
        {"List cler", &frmrecentfile::mnucler_Click}};
    const char* const names[] = {"mnudelet", "mnufoldop", "mnucler"};
    for (int i = 0; i < 3; ++i) {
        QAction* entry = mnupopup->addAction(QLatin1String(entries[i].first));
        entry->setObjectName(QLatin1String(names[i]));
        connect(entry, &QAction::triggered, this,
                [this, handler = entries[i].second] { runGuarded([&] { (this->*handler)(); }); });
    }

    connect(COK, &QPushButton::clicked, this, [this] { runGuarded([this] { COK_Click(); }); });
    connect(LV, &QTreeWidget::itemDoubleClicked, this,
            [this] { runGuarded([this] { COK_Click(); }); });
    connect(Copen, &QPushButton::clicked, this, [this] { runGuarded([this] { Copen_Click(); }); });
    connect(CEXIT, &QPushButton::clicked, this, &frmrecentfile::reject);
    connect(CKonstart, &QCheckBox::toggled, this,
            [this] { runGuarded([this] { CKonstart_Click(); }); });
    LV->viewport()->installEventFilter(this);
}

void frmrecentfile::Form_Load()
{
    m_loading = true;
    CKonstart->setChecked(Props.recentonstart != 0);
    m_loading = false;
    const std::optional<QStringList> entries = readRecentFiles();
    if (!entries) {
        tellUser(QStringLiteral("gaxsnili failebis sia ver waikiTxa."));
        return;
    }
    for (const QString& path : *entries) {
        auto* row = new QTreeWidgetItem(LV, {pathTitle(path), folderOf(path)});
        row->setIcon(0, recentFileIcon(ikonumer(path)));
        row->setData(0, Qt::UserRole, path);
    }
}

QString frmrecentfile::recentopen()
{
    // Each showing starts without a choice: leaving through the frame opens nothing.
    m_result.clear();
    CenterOver(&m_context.owner(), this, -1);
    exec();
    return m_result;
}

QString frmrecentfile::selectedPath() const
{
    const QTreeWidgetItem* row = LV->currentItem();
    return row && row->isSelected() ? row->data(0, Qt::UserRole).toString() : QString();
}

void frmrecentfile::pick(const QString& path)
{
    m_result = path;
    AddRecentFile(path);
    accept();
}

void frmrecentfile::COK_Click()
{
    const QString path = selectedPath();
    if (!path.isEmpty())
        pick(path);
}

void frmrecentfile::Copen_Click()
{
    const QString path = prompts().openFileName(this, QStringLiteral("Open"), kOpenFilter);
    if (!path.isEmpty())
        pick(path);
}

void frmrecentfile::CKonstart_Click()
{
    Props.recentonstart = CKonstart->isChecked() ? 1 : 0;
    if (!m_loading)
        SaveProps();
}

bool frmrecentfile::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LV->viewport() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
        mnupopup->popup(QCursor::pos());
    return QDialog::eventFilter(watched, event);
}

void frmrecentfile::mnudelet_Click()
{
    QTreeWidgetItem* row = LV->currentItem();
    if (!row || !row->isSelected())
        return;
    delete row;
    QStringList entries;
    for (int i = 0; i < LV->topLevelItemCount(); ++i)
        entries << LV->topLevelItem(i)->data(0, Qt::UserRole).toString();
    if (!writeRecentFiles(entries))
        tellUser(QStringLiteral("gaxsnili failebis sia ver Caiwera."));
}

void frmrecentfile::mnufoldop_Click()
{
    const QString path = selectedPath();
    const QString folder = QFileInfo(path).path();
    if (!path.isEmpty() && QFileInfo(folder).isDir())
        ShellOpen(folder, this);
}

void frmrecentfile::mnucler_Click()
{
    LV->clear();
    if (!clearRecentFiles())
        tellUser(QStringLiteral("gaxsnili failebis sia ver waiSala."));
}

#include "documents/filepanelcommands.h"

#include "core/commandcontext.h"
#include "core/commandguard.h"
#include "core/filepath.h"
#include "core/sharedroutines.h"
#include "documents/documentcommands.h"
#include "documents/filepanel.h"
#include "documents/opencommands.h"
#include "menus/menucaption.h"
#include "menus/menuregistry.h"
#include "platform/paths.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStorageInfo>

namespace {

// How far each level of the folder box is indented.
constexpr int kFolderIndent = 2;

QString volumeRootOf(const QString& path)
{
    const QStorageInfo volume(path);
    return volume.isValid() ? volume.rootPath() : QDir::rootPath();
}

} // namespace

FilePanelCommands::FilePanelCommands(CommandContext& context, QComboBox& DR, QListWidget& FOL,
                                     QListWidget& FIL, QListWidget& LF)
    : m_context(context), DR(DR), FOL(FOL), FIL(FIL), LF(LF)
{
    MenuRegistry& registry = context.registry();
    QMenu& mnufilebox = registry.menu("mnufilebox");
    const char* const captions[] = {"folderis gaxsna", "failis gaxsna", "axal fanjaraSi gaxsna"};
    const char* const names[] = {"mnufilesBX0", "mnufilesBX1", "mnufilesBX2"};
    for (int index = 0; index < 3; ++index) {
        registry.add(mnufilebox, {names[index], eightBitGeorgian(captions[index])},
                     [this, index] { mnufilesBX_Click(index); });
    }

    fillDrives();
    connect(&DR, &QComboBox::currentIndexChanged, this,
            [this](int index) { runGuarded([this, index] { DR_Change(index); }); });
    connect(&FOL, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* line) { runGuarded([this, line] { FOL_Click(line); }); });
    connect(&LF, &QListWidget::itemDoubleClicked, this,
            [this] { runGuarded([this] { LF_DblClick(); }); });
    LF.viewport()->installEventFilter(this);
    showFolder(programFolder());
}

void FilePanelCommands::fillDrives()
{
    const QSignalBlocker quiet(&DR);
    DR.clear();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = volume.rootPath();
        const QString name = volume.displayName();
        DR.addItem(name == root ? root : root + QStringLiteral(" [") + name + QLatin1Char(']'),
                   root);
    }
}

void FilePanelCommands::selectDrive(const QString& root)
{
    const QSignalBlocker quiet(&DR);
    int index = DR.findData(root);
    if (index < 0) {
        DR.addItem(root, root);
        index = DR.count() - 1;
    }
    DR.setCurrentIndex(index);
}

void FilePanelCommands::showFolder(const QString& folder)
{
    m_folder = FilePath(folder).path();
    const QString root = volumeRootOf(m_folder);
    selectDrive(root);
    FOL.clear();
    for (const FolderLine& line : folderBoxLines(m_folder, root)) {
        auto* item = new QListWidgetItem(
            QString(line.depth * kFolderIndent, QLatin1Char(' ')) + line.name, &FOL);
        item->setData(Qt::UserRole, line.path);
        if (line.path == m_folder)
            FOL.setCurrentItem(item);
    }
    refresh();
}

void FilePanelCommands::refresh()
{
    FIL.clear();
    FIL.addItems(filePanelFiles(m_folder));
    FIL_PathChange();
}

void FilePanelCommands::DR_Change(int index)
{
    const QString root = DR.itemData(index).toString();
    if (!root.isEmpty() && QDir(root).isReadable()) {
        showFolder(root);
        return;
    }
    MsgBoxa(QStringLiteral("arCeuli draiveri carielia."), QString(), kIconError, 1, QString(), 40);
    // Back to the program folder's volume, without a further change event.
    showFolder(volumeRootOf(programFolder()));
}

void FilePanelCommands::FOL_Click(QListWidgetItem* line)
{
    if (line)
        showFolder(line->data(Qt::UserRole).toString());
}

void FilePanelCommands::FIL_PathChange()
{
    LF.clear();
    for (int i = 0; i < FIL.count(); ++i)
        LF.addItem(FIL.item(i)->text());
}

QString FilePanelCommands::selectedFile() const
{
    const QListWidgetItem* entry = LF.currentItem();
    if (!entry || !entry->isSelected())
        return {};
    return filePanelPath(m_folder, entry->text());
}

void FilePanelCommands::LF_DblClick()
{
    mnufilesBX_Click(1);
}

void FilePanelCommands::mnufilesBX_Click(int index)
{
    if (index == 0) {
        ShellOpen(m_folder, &m_context.owner());
        return;
    }
    const QString path = selectedFile();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    if (index == 2)
        StartProgramAgain({path});
    else if (DocumentCommands* documents = m_context.subsystems().documents)
        documents->opening().ofnen(FilePath(path));
}

bool FilePanelCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LF.viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        // The menu acts on the selected file: with none selected there is no menu.
        if (!selectedFile().isEmpty())
            m_context.registry().menu("mnufilebox").popup(QCursor::pos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

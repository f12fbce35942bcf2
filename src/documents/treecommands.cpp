#include "documents/treecommands.h"

#include "core/commandcontext.h"
#include "core/commandguard.h"
#include "core/sharedroutines.h"
#include "documents/documentcommands.h"
#include "documents/documentfiles.h"
#include "documents/documentstate.h"
#include "documents/fileextension.h"
#include "documents/savecommands.h"
#include "menus/menuregistry.h"
#include "platform/editorcontrol.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace {

constexpr int kF2 = 113;

// Sets a flag for as long as it lives.
class FlagOn
{
public:
    explicit FlagOn(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagOn() { m_flag = false; }
    FlagOn(const FlagOn&) = delete;
    FlagOn& operator=(const FlagOn&) = delete;

private:
    bool& m_flag;
};

} // namespace

TreeCommands::TreeCommands(DocumentCommands& documents, CommandContext& context)
    : QObject(&documents), m_documents(documents), m_context(context),
      m_tree(context.openFilesTree()), m_view(m_tree)
{
    MenuRegistry& registry = context.registry();
    mnuLV = &registry.menu("mnuLV");
    const char* const captions[] = {"saxelis Secvla", "siidan amoSla", "axal fanjaraSi gaxsna",
                                    "failis Cawera", "proeqtis daxurva"};
    const char* const names[] = {"mnuLVop0", "mnuLVop1", "mnuLVop2", "mnuLVop3", "mnuLVop4"};
    for (int index = 0; index < 5; ++index) {
        registry.add(*mnuLV, {names[index], eightBitGeorgian(captions[index])},
                     [this, index] { mnuLVop_Click(index); });
    }
    connectTree();
}

DocumentState& TreeCommands::state()
{
    return m_context.documents();
}

void TreeCommands::connectTree()
{
    m_tree.setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree.installEventFilter(this);
    m_tree.viewport()->installEventFilter(this);
    connect(&m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node) { runGuarded([this, node] { TV_NodeClick(node); }); });
    connect(&m_tree, &QTreeWidget::itemDoubleClicked, this,
            [this] { runGuarded([this] { TV_DblClick(); }); });
    connect(&m_tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* node) {
        const std::optional<qint16> tag = OpenFilesTreeView::tagOf(node);
        if (!tag || *tag != m_editedIndex)
            return;
        m_editedIndex = -1;
        // The tree is still inside its label editor: the rename, which rebuilds the tree,
        // waits until the editor has closed.
        QMetaObject::invokeMethod(
            this,
            [this, index = *tag, text = node->text(0)] {
                runGuarded([&] { TV_AfterLabelEdit(index, text); });
            },
            Qt::QueuedConnection);
    });
    connect(&m_tree, &QTreeWidget::itemExpanded, this, &TreeCommands::showGroupExpansion);
    connect(&m_tree, &QTreeWidget::itemCollapsed, this, &TreeCommands::showGroupExpansion);
}

bool TreeCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_tree && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
            runGuarded([this] { TV_KeyDown(kF2); });
            return true;
        }
    } else if (watched == m_tree.viewport() && (event->type() == QEvent::MouseButtonPress ||
                                                event->type() == QEvent::MouseButtonRelease)) {
        // The tree's menu acts on the selected node: a right click selects nothing.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            if (event->type() == QEvent::MouseButtonRelease)
                TV_MouseUp();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TreeCommands::showNodes()
{
    m_view.show(m_nodeList.rebuild(state().Docs()));
}

void TreeCommands::clear()
{
    m_view.clear();
}

void TreeCommands::Treefulen()
{
    if (state().Docs().Count() == 0)
        return;
    // With documents open, the tree shows which one the editor holds: the caption names none.
    m_documents.showPlainCaption();
    showNodes();
    if (QTreeWidgetItem* fifth = m_view.nodeAt(5))
        m_tree.scrollToItem(fifth);
    m_context.showSidePanel();
}

void TreeCommands::selectDocumentNode(qint16 index)
{
    if (QTreeWidgetItem* node = m_view.nodeOf(index)) {
        m_tree.setCurrentItem(node);
        m_tree.scrollToItem(node);
    }
}

void TreeCommands::showDocument(qint16 index)
{
    selectDocumentNode(index);
    TV_NodeClick(m_view.nodeOf(index));
}

void TreeCommands::TV_NodeClick(QTreeWidgetItem* node)
{
    // A click on a picture or a sound does nothing; any other document without text is
    // refused by show(), after the editor was stored. A text document whose name reads like
    // a picture's is shown like any other.
    const std::optional<qint16> tag = OpenFilesTreeView::tagOf(node);
    if (!tag || *tag == state().DocIndex())
        return;
    const int image = OpenFilesTreeView::imageOf(node);
    if (state().Docs().Item(*tag).NoText && (image == kPictureImage || image == kSoundImage))
        return;
    const FlagOn switching(m_switchingDoc);
    if (!state().show(*tag))
        return;
    m_context.editor().setFocus();
    m_context.applyWrapMargin();
}

void TreeCommands::NDKliki(int n)
{
    if (QTreeWidgetItem* node = m_view.nodeAt(n))
        TV_NodeClick(node);
}

void TreeCommands::T1_GotFocus()
{
    if (m_switchingDoc || state().Docs().Count() < 1)
        return;
    const std::optional<qint16> tag = OpenFilesTreeView::tagOf(m_tree.currentItem());
    if (!tag || state().Docs().Item(*tag).NoText)
        selectDocumentNode(state().DocIndex());
}

void TreeCommands::showGroupExpansion(QTreeWidgetItem* node)
{
    if (!OpenFilesTreeView::tagOf(node))
        OpenFilesTreeView::setImage(node, node->isExpanded() ? kOpenGroupImage : kClosedGroupImage);
}

void TreeCommands::TV_DblClick()
{
    const QTreeWidgetItem* node = m_tree.currentItem();
    const std::optional<qint16> tag = OpenFilesTreeView::tagOf(node);
    if (!tag || !state().Docs().Item(*tag).NoText)
        return;
    const Ithem& item = state().Docs().Item(*tag);
    static const QStringList previewed = {
        QStringLiteral("BMP"), QStringLiteral("WMF"), QStringLiteral("DIB"), QStringLiteral("JPG"),
        QStringLiteral("GIF"), QStringLiteral("EMF"), QStringLiteral("ICO")};
    if (previewed.contains(upperExtension(item.FileTitle)))
        m_documents.showPicture(item.filepath);
    else
        ShellOpen(item.filepath, &m_context.owner());
}

void TreeCommands::TV_MouseUp()
{
    const int image = OpenFilesTreeView::imageOf(m_tree.currentItem());
    if (m_view.nodeCount() > 0 && m_tree.currentItem() && image != kClosedGroupImage &&
        image != kOpenGroupImage)
        mnuLV->popup(QCursor::pos());
}

void TreeCommands::TV_KeyDown(int keyCode)
{
    if (keyCode == kF2 && m_view.nodeCount() > 0)
        StartLabelEdit();
}

void TreeCommands::mnuLVop_Click(int index)
{
    const qint16 current = state().DocIndex();
    const Ithem& item = state().Docs().Item(current);
    switch (index) {
    case 0:
        StartLabelEdit();
        break;
    case 1:
        m_documents.saving().Cdel_Click();
        break;
    case 2:
        if (!item.filepath.isEmpty() && QFileInfo::exists(item.filepath))
            StartProgramAgain({item.filepath});
        break;
    case 3:
        if (current >= 0)
            m_documents.saving().SaveDocuments(item.saved ? item.filepath : FilePath(), current);
        break;
    case 4:
        m_documents.saving().closeProject();
        break;
    }
}

// --- Renaming by label edit ------------------------------------------------------------

void TreeCommands::StartLabelEdit()
{
    QTreeWidgetItem* node = m_tree.currentItem();
    const std::optional<qint16> tag = OpenFilesTreeView::tagOf(node);
    if (!tag)
        return;
    m_oldNodeText = node->text(0);
    m_editedIndex = *tag;
    m_tree.scrollToItem(node);
    m_tree.editItem(node);
}

void TreeCommands::cancelLabelEdit(qint16 index)
{
    if (QTreeWidgetItem* node = m_view.nodeOf(index)) {
        const QSignalBlocker quiet(&m_tree);
        node->setText(0, m_oldNodeText);
    }
}

void TreeCommands::TV_AfterLabelEdit(qint16 index, const QString& newText)
{
    if (newText.trimmed().isEmpty()) {
        cancelLabelEdit(index);
        return;
    }
    if (HasBadFileNameChars(newText)) {
        tellBadFileNameChars();
        cancelLabelEdit(index);
        return;
    }
    if (newText == m_oldNodeText)
        return;
    renameTo(index, newText);
}

// Renames the document of the edited node (and its file, refusing to replace another).
void TreeCommands::renameTo(qint16 index, const QString& newText)
{
    const Ithem& item = state().Docs().Item(index);
    if (!item.saved) {
        state().retitle(index, renamedTitle(m_oldNodeText, newText));
        Treefulen();
        return;
    }
    const QString newPath = renamedPath(item.filepath, newText);
    const QFileInfo target(newPath);
    const QFileInfo old(item.filepath);
    QString refusal;
    if (target.exists() || target.isSymLink())
        refusal = QStringLiteral("am saxeliT faili ukve arsebobs.");
    else if ((old.exists() || old.isSymLink()) && !QFile::rename(item.filepath, newPath))
        refusal = QStringLiteral("failis saxelis Secvla ver moxerxda.");
    if (!refusal.isEmpty()) {
        tellUser(refusal);
        cancelLabelEdit(index);
        return;
    }
    state().moveFile(index, FilePath(newPath));
    Treefulen();
}

#include "documents/documentcommands.h"

#include "conversions/conversions.h"
#include "menus/menucaption.h"
#include "core/sharedroutines.h"
#include "documents/documentfiles.h"
#include "documents/documentwindow.h"
#include "documents/recentfiles.h"
#include "platform/editorcontrol.h"
#include "platform/prompts.h"
#include "platform/shell.h"
#include "platform/twips.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kAnswerYes = QStringLiteral("6");
const QString kAnswerNo = QStringLiteral("7");
const QString kCaption = QStringLiteral("Kelmora");
const QString kOpenFilter = QStringLiteral(
    "All Files(*.*)|*.*|HTML-HTM(*.html,*.htm)|*.html;*.htm|Text(*.txt)|*.txt|WEB Proect|*.WEB");
const QString kUtf8Filter = QStringLiteral("Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*");
// The untitled name ofnen gives single-file text when a second file opens.
const QString kOfnenUntitled = QStringLiteral("Notsaved0.HTML");
constexpr int kF2 = 113;
// The message box's picture for the question on closing the project.
constexpr qint32 kIconProjectQuestion = 8;

QString captionFor(const QString& path)
{
    return kCaption + QStringLiteral(" [") + path + QLatin1Char(']');
}

QString untitledHtml(const DocumentState& state)
{
    return untitledName(state.Docs().Count(), QStringLiteral(".HTML"));
}

void tell(const QString& prompt, qint32 icon)
{
    MsgBoxa(prompt, QString(), icon, 1, QString(), 40);
}

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

// --- The editor as the state sees it ---------------------------------------------------

QString DocumentCommands::EditorControlText::text() const
{
    return m_editor.Text();
}

void DocumentCommands::EditorControlText::setText(const QString& text)
{
    m_editor.setText(text);
}

qint32 DocumentCommands::EditorControlText::selStart() const
{
    return m_editor.SelStart();
}

qint32 DocumentCommands::EditorControlText::selLength() const
{
    return m_editor.SelLength();
}

void DocumentCommands::EditorControlText::select(qint32 start, qint32 length)
{
    m_editor.setSelection(start, length);
}

// --- Set-up ----------------------------------------------------------------------------

DocumentCommands::DocumentCommands(DocumentWindow& window, QObject* parent)
    : QObject(parent), m_window(window), m_editorText(window.editor()), m_state(m_editorText),
      m_saving(m_state, &window.owner()), m_view(window.tree()), mnuLV(new QMenu(&window.owner()))
{
    mnuLV->setObjectName(QStringLiteral("mnuLV"));
    const char* const captions[] = {"saxelis Secvla", "siidan amoSla", "axal fanjaraSi gaxsna",
                                    "failis Cawera", "proeqtis daxurva"};
    for (int index = 0; index < 5; ++index) {
        QAction* item = mnuLV->addAction(menuCaption(eightBitGeorgian(captions[index])));
        item->setObjectName(QStringLiteral("mnuLVop") + QString::number(index));
        connect(item, &QAction::triggered, this, [this, index] { mnuLVop_Click(index); });
    }
    connect(&window.editor(), &EditorControl::Change, this, &DocumentCommands::T1_Change);
    window.editor().installEventFilter(this);
    connectTree();
}

DocumentCommands::~DocumentCommands() = default;

void DocumentCommands::connectTree()
{
    QTreeWidget& tree = m_window.tree();
    tree.setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree.installEventFilter(this);
    tree.viewport()->installEventFilter(this);
    connect(&tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node) { TV_NodeClick(node); });
    connect(&tree, &QTreeWidget::itemDoubleClicked, this, [this] { TV_DblClick(); });
    connect(&tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* node) {
        const std::optional<qint16> tag = OpenFilesTreeView::tagOf(node);
        if (!tag || *tag != m_editedIndex)
            return;
        m_editedIndex = -1;
        // The tree is still inside its label editor: the rename, which rebuilds the tree,
        // waits until the editor has closed.
        QMetaObject::invokeMethod(
            this, [this, index = *tag, text = node->text(0)] { TV_AfterLabelEdit(index, text); },
            Qt::QueuedConnection);
    });
    connect(&tree, &QTreeWidget::itemExpanded, this, &DocumentCommands::showGroupExpansion);
    connect(&tree, &QTreeWidget::itemCollapsed, this, &DocumentCommands::showGroupExpansion);
}

bool DocumentCommands::eventFilter(QObject* watched, QEvent* event)
{
    QTreeWidget& tree = m_window.tree();
    if (watched == &m_window.editor() && event->type() == QEvent::FocusIn) {
        T1_GotFocus();
    } else if (watched == &tree && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
            TV_KeyDown(kF2);
            return true;
        }
    } else if (watched == tree.viewport() && (event->type() == QEvent::MouseButtonPress ||
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

void DocumentCommands::T1_Change()
{
    if (m_state.LoadingText())
        return;
    if (m_state.editorEdited())
        Treefulen();
    m_window.enableSave(true);
    m_window.enableSaveAs(true);
}

// --- Opening ---------------------------------------------------------------------------

bool DocumentCommands::refuseUnreadable(FileStatus status)
{
    if (status == FileStatus::Readable)
        return false;
    const bool notForTheEditor = status == FileStatus::NotText || status == FileStatus::TooLarge;
    tell(refusalMessage(status), notForTheEditor ? kIconError : kIconMissingFile);
    return true;
}

void DocumentCommands::ofnen(const QString& path)
{
    if (!IsTextFile(path)) {
        openNonTextFile(path);
        return;
    }
    if (!m_state.DocsMode() && !m_state.EditorPath().isEmpty() && path == m_state.EditorPath()) {
        m_window.showTreePage();
        return;
    }
    if (const qint16 open = m_state.indexOfFile(path); open >= 0) {
        showDocument(open);
        m_window.showTreePage();
        return;
    }
    const DocumentFileRead read = readDocumentFile(path);
    if (refuseUnreadable(read.status))
        return;
    AddRecentFile(path);
    if (placeTextFile(path, read.text, false, kOfnenUntitled) && !m_window.ctrlDown())
        m_window.showTreePage();
}

void DocumentCommands::openNonTextFile(const QString& path)
{
    if (refuseUnreadable(fileStatus(path)))
        return;
    AddRecentFile(path);
    // Typed single-file text becomes a document of its own, never part of a picture's item.
    if (!m_state.enterCollection(kOfnenUntitled) || m_state.appendNoText(path) < 0)
        return;
    switch (mediaActionOf(extensionOf(path))) {
    case MediaAction::Preview:
        m_window.showPicture(path);
        break;
    case MediaAction::HandOver:
        ShellOpen(path, &m_window.owner());
        break;
    case MediaAction::ListOnly:
        break;
    }
    Treefulen();
}

// A read text file joins the documents: the empty single-file state takes it as its file;
// otherwise it becomes a document shown in the editor, and single-file work is kept as a
// document first (titled untitledTitle when it has no file). True when it became a document.
bool DocumentCommands::placeTextFile(const QString& path, const QString& text, bool changed,
                                     const QString& untitledTitle)
{
    if (!m_state.DocsMode() && !m_state.singleFileHoldsWork()) {
        m_state.resetToSingleFile(path, text);
        return false;
    }
    if (!m_state.enterCollection(untitledTitle))
        return false;
    const qint16 index = m_state.appendShown(text, path, fileTitleOf(path), changed);
    if (index < 0)
        return false;
    m_state.markProjectListChanged();
    Treefulen();
    selectDocumentNode(index);
    return true;
}

void DocumentCommands::showDocument(qint16 index)
{
    selectDocumentNode(index);
    TV_NodeClick(m_view.nodeOf(index));
}

void DocumentCommands::comandopen(const QString& first, const QString& second)
{
    if (first == QLatin1String("SIA")) {
        const DocumentState::TextLoading loading(m_state);
        for (const QString& path : second.split(QStringLiteral("\" \"")))
            ofnen(path);
        m_window.enableSaveAs(true);
        return;
    }
    const QString& path = first;
    if (isProjectListFile(path)) {
        if (refuseUnreadable(fileStatus(path)))
            return;
        AddRecentFile(path);
        WEB_Open(path);
        return;
    }
    const DocumentFileRead read = readDocumentFile(path);
    if (refuseUnreadable(read.status))
        return;
    AddRecentFile(path);
    placeTextFile(path, read.text, false, untitledHtml(m_state));
    m_window.setCaption(captionFor(path));
    m_window.enableSaveAs(true);
}

void DocumentCommands::mnuOpen_Click()
{
    const QString path =
        prompts().openFileName(&m_window.owner(), QStringLiteral("Open"), kOpenFilter);
    if (path.isEmpty())
        return;
    if (isProjectListFile(path)) {
        openProject(path);
        return;
    }
    if (isOpenCommandPicture(path)) {
        listPicture(path);
        return;
    }
    if (!m_state.DocsMode() && path == m_state.EditorPath()) {
        reopenSingleFile(path);
        return;
    }
    if (m_state.DocsMode() && m_state.indexOfFile(path) >= 0) {
        askSecondWindow(path);
        return;
    }
    const DocumentFileRead read = readDocumentFile(path);
    if (refuseUnreadable(read.status))
        return;
    AddRecentFile(path);
    const bool becameDocument = placeTextFile(path, read.text, true, untitledHtml(m_state));
    m_window.setCaption(becameDocument ? kCaption : captionFor(path));
    m_window.enableSave(becameDocument);
    m_window.enableSaveAs(true);
}

void DocumentCommands::reopenSingleFile(const QString& path)
{
    const QString answer = MsgBoxa(QStringLiteral("es faili ukve gaxsnilia.") + kCrLf +
                                       QStringLiteral("gindaT misi axlidan gaxsna?"),
                                   QStringLiteral("Open"), kIconQuestion, 3, QString(), 40);
    if (answer != kAnswerYes)
        return;
    const DocumentFileRead read = readDocumentFile(path);
    if (!refuseUnreadable(read.status))
        m_state.resetToSingleFile(path, read.text);
}

void DocumentCommands::askSecondWindow(const QString& path)
{
    const QString answer = MsgBoxa(QStringLiteral("es faili ukve aris proeqtSi.") + kCrLf +
                                       QStringLiteral("gindaT misi axal fanjaraSi gaxsna?"),
                                   QStringLiteral("File Open"), kIconQuestion, 2, QString(), 40);
    if (answer == kAnswerYes)
        shell().startProgramAgain({path});
}

void DocumentCommands::listPicture(const QString& path)
{
    if (refuseUnreadable(fileStatus(path)))
        return;
    AddRecentFile(path);
    if (m_state.appendNoText(path) < 0)
        return;
    m_state.markProjectListChanged();
    Treefulen();
}

void DocumentCommands::openProject(const QString& path)
{
    // Until projects can be opened, nothing is asked or closed for one.
    if (refuseUnreadable(fileStatus(path)))
        return;
    WEB_Open(path);
}

void DocumentCommands::WEB_Open(const QString& /*path*/)
{
    // Opening web projects comes with the project files; until then it only says so.
    tell(QStringLiteral("proeqtis gaxsna jer ar aris SesaZlebeli."), kIconError);
}

void DocumentCommands::mnuUnopen_Click()
{
    const QString path =
        prompts().openFileName(&m_window.owner(), QStringLiteral("Open"), kUtf8Filter);
    if (path.isEmpty())
        return;
    const DocumentFileRead read = readDocumentFile(path);
    if (refuseUnreadable(read.status))
        return;
    const QString text = ConvertByTables(utf8FileLines(read.text), 2, 0);
    placeTextFile(path, text, false, untitledHtml(m_state));
    m_window.setCaption(captionFor(path));
}

// --- The tree of open files ------------------------------------------------------------

void DocumentCommands::showNodes()
{
    m_view.show(m_nodeList.rebuild(m_state.Docs()));
}

void DocumentCommands::Treefulen()
{
    if (m_state.Docs().Count() == 0)
        return;
    showNodes();
    if (QTreeWidgetItem* fifth = m_view.nodeAt(5))
        m_window.tree().scrollToItem(fifth);
    m_window.showSidePanel();
}

void DocumentCommands::selectDocumentNode(qint16 index)
{
    if (QTreeWidgetItem* node = m_view.nodeOf(index)) {
        m_window.tree().setCurrentItem(node);
        m_window.tree().scrollToItem(node);
    }
}

void DocumentCommands::TV_NodeClick(QTreeWidgetItem* node)
{
    // A click on a picture or a sound does nothing; any other document without text is
    // refused by show(), after the editor was stored. A text document whose name reads like
    // a picture's is shown like any other.
    const std::optional<qint16> tag = OpenFilesTreeView::tagOf(node);
    if (!tag || *tag == m_state.DocIndex())
        return;
    const int image = OpenFilesTreeView::imageOf(node);
    if (m_state.Docs().Item(*tag).NoText && (image == kPictureImage || image == kSoundImage))
        return;
    const FlagOn switching(m_switchingDoc);
    if (!m_state.show(*tag))
        return;
    m_window.editor().setFocus();
    setWrapForSwitch();
}

void DocumentCommands::setWrapForSwitch()
{
    EditorControl& editor = m_window.editor();
    const qint32 width = pixelsToTwips(editor.width());
    editor.setRightMargin(m_window.linesUnwrapped() ? width * 50 : width - 260);
}

void DocumentCommands::NDKliki(int n)
{
    if (QTreeWidgetItem* node = m_view.nodeAt(n))
        TV_NodeClick(node);
}

void DocumentCommands::T1_GotFocus()
{
    if (m_switchingDoc || m_state.Docs().Count() < 1)
        return;
    const std::optional<qint16> tag = OpenFilesTreeView::tagOf(m_window.tree().currentItem());
    if (!tag || m_state.Docs().Item(*tag).NoText)
        selectDocumentNode(m_state.DocIndex());
}

void DocumentCommands::showGroupExpansion(QTreeWidgetItem* node)
{
    if (!OpenFilesTreeView::tagOf(node))
        OpenFilesTreeView::setImage(node, node->isExpanded() ? kOpenGroupImage : kClosedGroupImage);
}

void DocumentCommands::TV_DblClick()
{
    const QTreeWidgetItem* node = m_window.tree().currentItem();
    const std::optional<qint16> tag = OpenFilesTreeView::tagOf(node);
    if (!tag || !m_state.Docs().Item(*tag).NoText)
        return;
    const Ithem& item = m_state.Docs().Item(*tag);
    static const QStringList previewed = {
        QStringLiteral("BMP"), QStringLiteral("WMF"), QStringLiteral("DIB"), QStringLiteral("JPG"),
        QStringLiteral("GIF"), QStringLiteral("EMF"), QStringLiteral("ICO")};
    if (previewed.contains(extensionOf(item.FileTitle).toUpper()))
        m_window.showPicture(item.filepath);
    else
        ShellOpen(item.filepath, &m_window.owner());
}

void DocumentCommands::TV_MouseUp()
{
    const int image = OpenFilesTreeView::imageOf(m_window.tree().currentItem());
    if (m_view.nodeCount() > 0 && m_window.tree().currentItem() && image != kClosedGroupImage &&
        image != kOpenGroupImage)
        mnuLV->popup(QCursor::pos());
}

void DocumentCommands::TV_KeyDown(int keyCode)
{
    if (keyCode == kF2 && m_view.nodeCount() > 0)
        StartLabelEdit();
}

void DocumentCommands::mnuLVop_Click(int index)
{
    const qint16 current = m_state.DocIndex();
    const Ithem& item = m_state.Docs().Item(current);
    switch (index) {
    case 0:
        StartLabelEdit();
        break;
    case 1:
        Cdel_Click();
        break;
    case 2:
        if (!item.filepath.isEmpty() && QFileInfo::exists(item.filepath))
            shell().startProgramAgain({item.filepath});
        break;
    case 3:
        if (current >= 0)
            SaveDocuments(item.saved ? item.filepath : QString(), current);
        break;
    case 4:
        closeProject();
        break;
    }
}

void DocumentCommands::closeProject()
{
    if (m_state.unsavedWork()) {
        const QString answer = MsgBoxa(QStringLiteral("gindaT cvlilebebis damaxsovreba?"),
                                       QString(), kIconProjectQuestion, 3, QString(), 40);
        if (answer == kAnswerYes) {
            if (SaveDocuments(QString(), -1) != SaveOutcome::Done)
                return;
        } else if (answer != kAnswerNo) {
            return;
        }
    }
    closeAll();
    m_window.enableSave(false);
    m_window.enableSaveAs(false);
    m_window.setCaption(kCaption);
}

void DocumentCommands::closeAll()
{
    m_state.closeAll();
    m_view.clear();
}

// --- Renaming by label edit ------------------------------------------------------------

void DocumentCommands::StartLabelEdit()
{
    QTreeWidgetItem* node = m_window.tree().currentItem();
    const std::optional<qint16> tag = OpenFilesTreeView::tagOf(node);
    if (!tag)
        return;
    m_oldNodeText = node->text(0);
    m_editedIndex = *tag;
    m_window.tree().scrollToItem(node);
    m_window.tree().editItem(node);
}

void DocumentCommands::cancelLabelEdit(qint16 index)
{
    if (QTreeWidgetItem* node = m_view.nodeOf(index)) {
        const QSignalBlocker quiet(&m_window.tree());
        node->setText(0, m_oldNodeText);
    }
}

void DocumentCommands::TV_AfterLabelEdit(qint16 index, const QString& newText)
{
    if (newText.trimmed().isEmpty()) {
        cancelLabelEdit(index);
        return;
    }
    if (HasBadFileNameChars(newText)) {
        prompts().platformMessage(QStringLiteral("am niSnebis micema ar SeiZleba failis saxelSi") +
                                      kCrLf + QString(14, QLatin1Char(' ')) +
                                      QStringLiteral("/ \\ ? : * < > | \"") + kCrLf,
                                  Prompts::PlatformIcon::Critical, QString());
        cancelLabelEdit(index);
        return;
    }
    if (newText == m_oldNodeText)
        return;
    renameTo(index, newText);
}

// Renames the document of the edited node (and its file, refusing to replace another).
void DocumentCommands::renameTo(qint16 index, const QString& newText)
{
    const Ithem& item = m_state.Docs().Item(index);
    if (!item.saved) {
        m_state.retitle(index, renamedTitle(m_oldNodeText, newText));
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
        tell(refusal, kIconError);
        cancelLabelEdit(index);
        return;
    }
    m_state.moveFile(index, newPath);
    Treefulen();
}

// --- New and closing documents ---------------------------------------------------------

void DocumentCommands::mnunewF_Click(int index)
{
    const QString extension = index == 0 ? QStringLiteral(".HTML") : QStringLiteral(".TXT");
    if (!m_state.DocsMode() &&
        !m_state.adopt(untitledName(0, untitledExtensionFor(m_state.editorText()))))
        return;
    const qint16 added = m_state.appendShown(QString(), QString(),
                                             untitledName(m_state.Docs().Count(), extension), true);
    if (added < 0)
        return;
    if (index == 0) {
        const DocumentState::TextLoading loading(m_state);
        m_window.writePageSkeleton();
    }
    m_state.store();
    Treefulen();
    selectDocumentNode(added);
    m_window.enableSave(true);
    m_window.enableSaveAs(true);
}

void DocumentCommands::Cdel_Click()
{
    const std::optional<qint16> tag = OpenFilesTreeView::tagOf(m_window.tree().currentItem());
    if (!tag)
        return;
    const qint16 index = *tag;
    m_state.store();
    if (m_state.Docs().Item(index).Changed) {
        const QString answer = MsgBoxa(QStringLiteral("faili Seicvala.") + kCrLf + kCrLf +
                                           QStringLiteral("gsurT cvlilebebis damaxsovreba?"),
                                       QStringLiteral("Close"), kIconQuestion, 3, QString(), 40);
        if (answer == kAnswerYes) {
            if (saveclosfile(index) != SaveOutcome::Done)
                return;
        } else if (answer != kAnswerNo) {
            return;
        }
    }
    m_state.remove(index);
    showNodes();
    selectDocumentNode(m_state.DocIndex());
}

SaveOutcome DocumentCommands::saveclosfile(qint16 index)
{
    return m_saving.saveclosfile(index);
}

qint16 DocumentCommands::cvlaprufen() const
{
    return anyDocumentChanged(m_state.Docs()) ? -1 : 0;
}

// --- Saving ----------------------------------------------------------------------------

SaveOutcome DocumentCommands::SaveDocuments(const QString& fileName, qint16 index)
{
    const SaveOutcome outcome = m_saving.SaveDocuments(fileName, index);
    refreshAfterSave();
    return outcome;
}

// A save may give the single file or documents a new name: the caption and the tree follow.
void DocumentCommands::refreshAfterSave()
{
    if (m_state.DocsMode())
        Treefulen();
    else if (!m_state.EditorPath().isEmpty())
        m_window.setCaption(captionFor(m_state.EditorPath()));
}

void DocumentCommands::mnuSave_Click()
{
    SaveDocuments(QString(), -1);
}

void DocumentCommands::mnuSaveas_Click()
{
    // Save As always asks for the name, also for a single file that has one.
    if (!m_state.DocsMode())
        m_saving.saveSingleFileAs();
    else if (m_state.DocIndex() >= 0)
        m_saving.SaveFileChecked(QString(), m_state.DocIndex());
    refreshAfterSave();
}

qint16 DocumentCommands::NewInWeb() const
{
    return anyDocumentOutsideProject(m_state.Docs()) ? -1 : 0;
}

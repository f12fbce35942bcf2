#include "documents/opencommands.h"

#include "conversions/conversions.h"
#include "core/commandcontext.h"
#include "core/sharedroutines.h"
#include "documents/documentcommands.h"
#include "documents/documentstate.h"
#include "documents/frmrecentfile.h"
#include "documents/recentfiles.h"
#include "documents/treecommands.h"
#include "documents/webprojects.h"
#include "platform/bytetext.h"
#include "platform/prompts.h"
#include "platform/shell.h"

#include <QFileInfo>

namespace {

const QString kOpenFilter = QStringLiteral(
    "All Files(*.*)|*.*|HTML-HTM(*.html,*.htm)|*.html;*.htm|Text(*.txt)|*.txt|WEB Proect|*.WEB");
const QString kUtf8Filter = QStringLiteral("Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*");
// The untitled name ofnen gives single-file text when a second file opens.
const QString kOfnenUntitled = QStringLiteral("Notsaved0.HTML");

QString untitledHtml(const DocumentState& state)
{
    return untitledName(state.Docs().Count(), QStringLiteral(".HTML"));
}

} // namespace

OpenCommands::OpenCommands(DocumentCommands& documents, CommandContext& context)
    : m_documents(documents), m_context(context)
{}

DocumentState& OpenCommands::state()
{
    return m_context.documents();
}

bool OpenCommands::refuseUnreadable(FileStatus status)
{
    if (status == FileStatus::Readable)
        return false;
    const bool notForTheEditor = status == FileStatus::NotText || status == FileStatus::TooLarge;
    tellUser(refusalMessage(status), notForTheEditor ? kIconError : kIconMissingFile);
    return true;
}

void OpenCommands::ofnen(const FilePath& path)
{
    if (!IsTextFile(path)) {
        openNonTextFile(path);
        return;
    }
    if (state().holdsSingleFile(path)) {
        m_context.showTreePage();
        return;
    }
    if (const qint16 open = state().indexOfFile(path); open >= 0) {
        m_documents.tree().showDocument(open);
        m_context.showTreePage();
        return;
    }
    const TextFileRead read = readTextFile(path);
    if (refuseUnreadable(read.status))
        return;
    AddRecentFile(path);
    if (placeTextFile(path, {read.text, read.lineEnds}, kOfnenUntitled) && !m_context.ctrlDown())
        m_context.showTreePage();
}

void OpenCommands::openNonTextFile(const FilePath& path)
{
    if (refuseUnreadable(fileStatus(path)))
        return;
    AddRecentFile(path);
    // Typed single-file text becomes a document of its own, never part of a picture's item.
    if (!state().enterCollection(kOfnenUntitled) || state().appendNoText(path) < 0)
        return;
    switch (mediaActionOf(extensionOf(path))) {
    case MediaAction::Preview:
        m_documents.showPicture(path);
        break;
    case MediaAction::HandOver:
        ShellOpen(path, &m_context.owner());
        break;
    case MediaAction::ListOnly:
        break;
    }
    m_documents.tree().Treefulen();
}

// A text joins the documents unchanged, with path as its file, or "" for a text that belongs
// to no file yet (titled by what it holds), keeping the line ends of the file it was read
// from: the empty single-file state takes it; otherwise it becomes a document shown in the
// editor, and single-file work is kept as a document first (titled untitledTitle when it has
// no file). True when it became a document.
bool OpenCommands::placeTextFile(const FilePath& path, const DocumentText& read,
                                 const QString& untitledTitle)
{
    const QString& text = read.text;
    if (!state().DocsMode() && !state().singleFileHoldsWork()) {
        state().resetToSingleFile(path, text, read.lineEnds);
        return false;
    }
    if (!state().enterCollection(untitledTitle))
        return false;
    const QString title = path.isEmpty()
                              ? untitledName(state().Docs().Count(), untitledExtensionFor(text))
                              : fileTitleOf(path);
    const qint16 index = state().appendShown(text, path, title, false, read.lineEnds);
    if (index < 0)
        return false;
    state().markProjectListChanged();
    m_documents.tree().Treefulen();
    m_documents.tree().selectDocumentNode(index);
    return true;
}

void OpenCommands::comandopen(const QString& first, const QString& second)
{
    if (first == QLatin1String("SIA")) {
        const DocumentState::TextLoading loading(state());
        for (const QString& path : second.split(QStringLiteral("\" \"")))
            ofnen(FilePath(path));
        m_documents.enableSaveAs(true);
        return;
    }
    const FilePath path(first);
    if (isProjectListFile(path)) {
        m_documents.projects().openProject(path);
        return;
    }
    const TextFileRead read = readTextFile(path);
    if (refuseUnreadable(read.status))
        return;
    AddRecentFile(path);
    placeTextFile(path, {read.text, read.lineEnds}, untitledHtml(state()));
    m_documents.showCaptionFor(path);
    m_documents.enableSaveAs(true);
}

void OpenCommands::mnuOpen_Click()
{
    const FilePath path(
        prompts().openFileName(&m_context.owner(), QStringLiteral("Open"), kOpenFilter));
    if (path.isEmpty())
        return;
    if (isProjectListFile(path)) {
        m_documents.projects().openProject(path);
        return;
    }
    if (isOpenCommandPicture(path)) {
        listPicture(path);
        return;
    }
    if (state().holdsSingleFile(path)) {
        reopenSingleFile(path);
        return;
    }
    if (state().DocsMode() && state().indexOfFile(path) >= 0) {
        askSecondWindow(path);
        return;
    }
    const TextFileRead read = readTextFile(path);
    if (refuseUnreadable(read.status))
        return;
    AddRecentFile(path);
    const bool becameDocument =
        placeTextFile(path, {read.text, read.lineEnds}, untitledHtml(state()));
    m_documents.showCaptionFor(path);
    m_documents.enableSave(becameDocument);
    m_documents.enableSaveAs(true);
}

void OpenCommands::reopenSingleFile(const FilePath& path)
{
    const QString answer = MsgBoxa(QStringLiteral("es faili ukve gaxsnilia.") + kCrLf +
                                       QStringLiteral("gindaT misi axlidan gaxsna?"),
                                   QStringLiteral("Open"), kIconQuestion, 3, QString(), 40);
    if (boxAnswer(answer) != BoxAnswer::First)
        return;
    const TextFileRead read = readTextFile(path);
    if (!refuseUnreadable(read.status))
        state().resetToSingleFile(path, read.text, read.lineEnds);
}

void OpenCommands::askSecondWindow(const FilePath& path)
{
    const QString answer = MsgBoxa(QStringLiteral("es faili ukve aris proeqtSi.") + kCrLf +
                                       QStringLiteral("gindaT misi axal fanjaraSi gaxsna?"),
                                   QStringLiteral("File Open"), kIconQuestion, 2, QString(), 40);
    if (boxAnswer(answer) == BoxAnswer::First)
        StartProgramAgain({path});
}

void OpenCommands::listPicture(const FilePath& path)
{
    if (refuseUnreadable(fileStatus(path)))
        return;
    AddRecentFile(path);
    if (state().appendNoText(path) < 0)
        return;
    state().markProjectListChanged();
    m_documents.tree().Treefulen();
}

void OpenCommands::mnuUnopen_Click()
{
    const FilePath path(
        prompts().openFileName(&m_context.owner(), QStringLiteral("Open"), kUtf8Filter));
    if (path.isEmpty())
        return;
    const TextFileRead read = readTextFile(path);
    if (refuseUnreadable(read.status))
        return;
    // The decoded text is not the file's content: it belongs to no file until the user
    // saves it under a name, so that no save writes it over the UTF-8 file unasked. It is
    // saved with the UTF-8 file's line ends.
    const QString text = ConvertByTables(utf8FileLines(read.text), 2, 0);
    placeTextFile(FilePath(), {text, read.lineEnds}, untitledHtml(state()));
    m_documents.showCaptionFor(path);
    m_documents.enableSave(true);
    m_documents.enableSaveAs(true);
}

void OpenCommands::mnurecentfile_Click()
{
    const FilePath path(frmrecentfile(m_context).recentopen());
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        MsgBoxa(QStringLiteral("faili waSlilia an sxva folderSia gadatanili."), QString(),
                kIconMissingFile, 1, QString(), 70);
        return;
    }
    if (isProjectListFile(path))
        m_documents.projects().openProject(path);
    else
        ofnen(path);
}

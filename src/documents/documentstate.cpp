#include "documents/documentstate.h"

#include "documents/documentfiles.h"
#include "documents/editortext.h"
#include "documents/opentree.h"
#include "documents/projectread.h"

#include <limits>

namespace {

const QString kNoTextMarker = QStringLiteral("<XXX>");

} // namespace

DocumentState::DocumentState(EditorText& editor) : m_editor(editor)
{}

// --- What is open ----------------------------------------------------------------------

bool DocumentState::holdsText(qint16 index) const
{
    return index >= 0 && index < m_docs.Count() && !m_docs.Item(index).NoText;
}

QString DocumentState::editorText() const
{
    return m_editor.text();
}

bool DocumentState::singleFileHoldsWork() const
{
    return !m_docsMode && (!m_editorPath.isEmpty() || !m_editor.text().isEmpty());
}

bool DocumentState::unsavedWork() const
{
    if (!m_docsMode)
        return m_editorPath.isEmpty() ? !m_editor.text().isEmpty() : m_editorChanged;
    if (m_docs.WEBopened() && (m_docs.WEBChanged() || anyDocumentOutsideProject(m_docs)))
        return true;
    for (qint16 i = 0; i < m_docs.Count(); ++i) {
        const Ithem& item = m_docs.Item(i);
        if (!item.NoText && (item.Changed || (!item.saved && !item.Value.isEmpty())))
            return true;
    }
    return false;
}

qint16 DocumentState::indexOfFile(const FilePath& path) const
{
    if (path.isEmpty())
        return -1;
    // Documents keep clean paths: most lookups end at the same path written the same way.
    // Only then are files told apart by what their links lead to, each document's file
    // looked up once for all later lookups, so opening many files stays linear.
    for (qint16 i = 0; i < m_docs.Count(); ++i) {
        if (m_docs.Item(i).filepath == path)
            return i;
    }
    const QString identity = fileIdentity(path);
    for (qint16 i = 0; i < m_docs.Count(); ++i) {
        const QString& file = m_docs.Item(i).filepath;
        if (!file.isEmpty() && knownIdentity(file) == identity)
            return i;
    }
    return -1;
}

QString DocumentState::knownIdentity(const QString& file) const
{
    auto known = m_identities.constFind(file);
    if (known == m_identities.constEnd())
        known = m_identities.insert(file, fileIdentity(file));
    return *known;
}

bool DocumentState::holdsSingleFile(const FilePath& path) const
{
    return !m_docsMode && !m_editorPath.isEmpty() && !path.isEmpty() &&
           fileIdentity(m_editorPath) == fileIdentity(path);
}

QSet<QString> DocumentState::sharedFiles() const
{
    QSet<QString> seen;
    QSet<QString> shared;
    for (qint16 i = 0; i < m_docs.Count(); ++i) {
        const QString& file = m_docs.Item(i).filepath;
        if (file.isEmpty())
            continue;
        const QString identity = fileIdentity(file);
        if (seen.contains(identity))
            shared.insert(identity);
        seen.insert(identity);
    }
    return shared;
}

bool DocumentState::fileOfAnotherDocument(qint16 index, const FilePath& path) const
{
    const QString identity = fileIdentity(path);
    for (qint16 i = 0; i < m_docs.Count(); ++i) {
        const QString& file = m_docs.Item(i).filepath;
        if (i != index && !file.isEmpty() && fileIdentity(file) == identity)
            return true;
    }
    return false;
}

QString DocumentState::lastFileName() const
{
    if (m_docs.WEBopened())
        return m_docs.WEBpath() + m_docs.WEBtitle();
    if (!m_docsMode)
        return m_editorPath;
    return m_docs.Item(m_docIndex).filepath;
}

std::optional<DocumentText> DocumentState::writableText(qint16 index) const
{
    if (!holdsText(index))
        return std::nullopt;
    const Ithem& item = m_docs.Item(index);
    return DocumentText{item.Value, item.lineEnds};
}

DocumentText DocumentState::singleFileText() const
{
    return {m_editor.text(), m_editorLineEnds};
}

// --- Steps -----------------------------------------------------------------------------

bool DocumentState::editorEdited()
{
    if (m_loadingText)
        return false;
    if (!m_docsMode) {
        m_editorChanged = true;
        return false;
    }
    if (holdsText(m_docIndex)) {
        m_docs.Item(m_docIndex).Changed = -1;
        return false;
    }
    // Typed into the empty editor with no current document: the text gets one.
    const QString text = m_editor.text();
    if (text.isEmpty() || !m_docs.AddNewIthem(text, -1, QString(), QString()))
        return false;
    m_docIndex = qint16(m_docs.Count() - 1);
    Ithem& item = m_docs.Item(m_docIndex);
    item.FileTitle = untitledName(m_docIndex, untitledExtensionFor(text));
    item.Changed = -1;
    return true;
}

void DocumentState::store()
{
    if (!m_docsMode || !holdsText(m_docIndex))
        return;
    Ithem& item = m_docs.Item(m_docIndex);
    const QString text = m_editor.text();
    if (item.Value != text)
        item.Changed = -1;
    // Equal or not, the document takes the editor's bytes as they are held: while the text
    // does not change, the next store compares a text with itself, which costs nothing.
    item.Value = text;
    item.SStart = m_editor.selStart();
    item.SLenth = m_editor.selLength();
}

bool DocumentState::adopt(const QString& untitledTitle)
{
    if (m_docsMode)
        return true;
    if (!m_docs.AddNewIthem(m_editor.text(), -1, QString(), QString()))
        return false;
    const auto index = qint16(m_docs.Count() - 1);
    Ithem& item = m_docs.Item(index);
    item.lineEnds = m_editorLineEnds;
    if (m_editorPath.isEmpty()) {
        item.FileTitle = untitledTitle;
        item.Changed = -1;
    } else {
        item.filepath = m_editorPath;
        item.FileTitle = fileTitleOf(m_editorPath);
        item.saved = -1;
        // A file that was not changed stays unchanged, so that saving everything does not
        // write it again over what another window may have saved since.
        item.Changed = m_editorChanged ? -1 : 0;
    }
    m_docIndex = index;
    beginCollection();
    return true;
}

void DocumentState::beginCollection()
{
    m_docsMode = true;
    m_editorPath = FilePath();
    m_editorLineEnds = LineEnds::CrLf;
    m_editorChanged = false;
}

bool DocumentState::enterCollection(const QString& untitledTitle)
{
    if (m_docsMode)
        return true;
    if (singleFileHoldsWork())
        return adopt(untitledTitle);
    beginCollection();
    return true;
}

bool DocumentState::show(qint16 index)
{
    if (!m_docsMode || index == m_docIndex)
        return holdsText(index);
    store();
    if (!holdsText(index))
        return false;
    load(index);
    return true;
}

void DocumentState::load(qint16 index)
{
    Ithem& item = m_docs.Item(index);
    showText(item.Value);
    // The editor makes every line break CR LF: the document holds what the editor shows, so
    // that the next store step finds no difference that nobody typed (a project's files
    // come in as they are on disk).
    const QString shown = m_editor.text();
    if (shown != item.Value)
        item.Value = shown;
    m_editor.select(item.SStart, item.SLenth);
    m_docIndex = index;
}

void DocumentState::showText(const QString& text)
{
    TextLoading loading(*this);
    m_editor.setText(text);
}

qint16 DocumentState::appendShown(const QString& text, const FilePath& path, const QString& title,
                                  bool changed, LineEnds lineEnds)
{
    store();
    if (!enterCollection(untitledName(m_docs.Count(), QStringLiteral(".HTML"))) ||
        !m_docs.AddNewIthem(text, -1, QString(), QString()))
        return -1;
    const auto index = qint16(m_docs.Count() - 1);
    Ithem& item = m_docs.Item(index);
    item.filepath = path;
    item.FileTitle = title;
    item.saved = path.isEmpty() ? 0 : -1;
    item.Changed = changed ? -1 : 0;
    item.lineEnds = lineEnds;
    showText(text);
    // The editor makes every line break CR LF: the document holds what the editor shows,
    // so that the next store step finds no difference that nobody typed.
    item.Value = m_editor.text();
    m_docIndex = index;
    return index;
}

qint16 DocumentState::appendMade(const std::vector<MadeDocument>& made, const QString& shownText)
{
    const qsizetype adopted = m_docsMode ? 0 : 1;
    const qsizetype room = std::numeric_limits<qint16>::max() - m_docs.Count() - adopted;
    if (made.empty() || qsizetype(made.size()) > room)
        return -1;
    store();
    if (!enterCollection(untitledName(m_docs.Count(), untitledExtensionFor(m_editor.text()))))
        return -1;
    const auto first = m_docs.Count();
    for (const MadeDocument& document : made) {
        m_docs.AddNewIthem(document.text, -1, QString(), QString());
        Ithem& item = m_docs.Item(qint16(m_docs.Count() - 1));
        item.FileTitle = document.title;
        item.Changed = -1;
        item.FrameSet = document.frameSet;
    }
    showText(shownText);
    m_docIndex = first;
    return first;
}

qint16 DocumentState::appendNoText(const FilePath& path)
{
    store();
    if (!enterCollection(untitledName(m_docs.Count(), QStringLiteral(".HTML"))) ||
        !m_docs.AddNewIthem(kNoTextMarker, -1, QString(), QString()))
        return -1;
    const auto index = qint16(m_docs.Count() - 1);
    Ithem& item = m_docs.Item(index);
    item.NoText = -1;
    item.filepath = path;
    item.FileTitle = fileTitleOf(item.filepath);
    item.saved = -1;
    return index;
}

void DocumentState::remove(qint16 index)
{
    if (index < 0 || index >= m_docs.Count())
        return;
    store();
    const bool wasCurrent = index == m_docIndex;
    m_docs.RemoveIthem(index);
    m_docs.setWEBChanged(-1);
    if (m_docIndex > index) {
        --m_docIndex;
        return;
    }
    if (!wasCurrent)
        return;
    m_docIndex = -1;
    for (const FileNode& node : fileNodes(m_docs)) {
        if (holdsText(node.index)) {
            load(node.index);
            return;
        }
    }
    showText(QString());
}

void DocumentState::resetToSingleFile(const FilePath& path, const QString& text, LineEnds lineEnds)
{
    m_docs.Cler();
    m_docs.setWEBopened(0);
    m_docs.setWEBpath(QString());
    m_docs.setWEBtitle(QString());
    m_docs.setWEBChanged(0);
    m_docIndex = -1;
    m_docsMode = false;
    m_editorPath = path;
    m_editorLineEnds = lineEnds;
    m_editorChanged = false;
    showText(text);
}

void DocumentState::closeAll()
{
    resetToSingleFile(FilePath(), QString());
}

bool DocumentState::replaceStoredText(qint16 index, const QString& text)
{
    if (!holdsText(index) || index == m_docIndex)
        return false;
    Ithem& item = m_docs.Item(index);
    if (item.Value != text) {
        item.Value = text;
        item.Changed = -1;
    }
    return true;
}

bool DocumentState::openProject(const ProjectRead& read)
{
    if (read.files.size() > std::size_t(kMostDocuments))
        return false;
    m_docs.Cler();
    for (const ProjectFile& file : read.files) {
        m_docs.AddNewIthem(file.hasText ? file.text : kNoTextMarker, -1, QString(), QString());
        Ithem& item = m_docs.Item(qint16(m_docs.Count() - 1));
        item.NoText = file.hasText ? 0 : -1;
        item.filepath = file.path;
        item.FileTitle = file.title;
        item.saved = -1;
        item.IsInWEB = -1;
        item.PinListi = -1;
        item.lineEnds = file.lineEnds;
    }
    beginCollection();
    m_docs.setWEBopened(-1);
    m_docs.setWEBpath(read.folder);
    m_docs.setWEBtitle(read.listTitle);
    m_docs.setWEBChanged(read.changed ? -1 : 0);
    m_docIndex = -1;
    if (holdsText(qint16(read.startFile)))
        load(qint16(read.startFile));
    else
        showText(QString());
    return true;
}

// --- After saving and renaming ---------------------------------------------------------

void DocumentState::markSaved(qint16 index)
{
    if (holdsText(index))
        m_docs.Item(index).Changed = 0;
}

void DocumentState::takeFile(qint16 index, const FilePath& path)
{
    if (!holdsText(index))
        return;
    Ithem& item = m_docs.Item(index);
    item.filepath = path;
    item.FileTitle = fileTitleOf(item.filepath);
    item.saved = -1;
    item.Changed = 0;
}

void DocumentState::moveFile(qint16 index, const FilePath& path)
{
    if (index < 0 || index >= m_docs.Count())
        return;
    Ithem& item = m_docs.Item(index);
    item.filepath = path;
    item.FileTitle = fileTitleOf(item.filepath);
    m_docs.setWEBChanged(-1);
}

void DocumentState::retitle(qint16 index, const QString& title)
{
    if (index >= 0 && index < m_docs.Count())
        m_docs.Item(index).FileTitle = title;
}

void DocumentState::singleFileSaved(const FilePath& path)
{
    if (m_docsMode)
        return;
    m_editorPath = path;
    m_editorChanged = false;
}

void DocumentState::markProjectListChanged()
{
    m_docs.setWEBChanged(-1);
}

void DocumentState::markProjectListSaved()
{
    m_docs.setWEBChanged(0);
}

void DocumentState::joinProject(qint16 index)
{
    if (index >= 0 && index < m_docs.Count())
        m_docs.Item(index).IsInWEB = -1;
}

void DocumentState::placeInProject(qint16 index, const FilePath& path)
{
    if (index < 0 || index >= m_docs.Count())
        return;
    Ithem& item = m_docs.Item(index);
    item.filepath = path;
    item.saved = -1;
    item.Changed = 0;
}

void DocumentState::recordProject(const QString& folder, const QString& title)
{
    if (!enterCollection(untitledName(m_docs.Count(), QStringLiteral(".HTML"))))
        return;
    m_docs.setWEBopened(-1);
    m_docs.setWEBpath(folder);
    m_docs.setWEBtitle(title);
    m_docs.setWEBChanged(0);
}

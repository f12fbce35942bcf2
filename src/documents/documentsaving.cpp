#include "documents/documentsaving.h"

#include "core/commandcontext.h"
#include "core/sharedroutines.h"
#include "documents/documentfiles.h"
#include "documents/documentstate.h"
#include "documents/webprojects.h"
#include "platform/bytetext.h"
#include "platform/prompts.h"

const QString kSaveFilter =
    QStringLiteral("HTML(*.htm,*.html)|*.HTML;*.htm|Text(*.txt)|*.txt|CSS|*.css|ASP|*.asp|"
                   "PHP|*.php|Java Script(*.JS)|*.js|All Files|*.*");

namespace {

void reportFileOfAnotherDocument()
{
    MsgBoxa(QStringLiteral("es faili sxva dokumentSic aris gaxsnili da ar Caiwera."),
            QStringLiteral("ERROR"), kIconError, 1, QString(), 40);
}

} // namespace

void reportWriteFailure(int failedFiles)
{
    QString prompt = QStringLiteral("racxa ver moxda Cawera.") + kCrLf +
                     QStringLiteral("Seamowme sad iwer da ras iwer!");
    if (failedFiles > 0)
        prompt += kCrLf + kCrLf + QStringLiteral("ver Caiwera ") + QString::number(failedFiles) +
                  QStringLiteral(" faili.");
    MsgBoxa(prompt, QStringLiteral("ERROR"), kIconError, 1, QString(), 40);
}

DocumentSaving::DocumentSaving(CommandContext& context)
    : m_context(context), m_state(context.documents()), m_dialogOwner(&context.owner())
{}

SaveOutcome DocumentSaving::SaveDocuments(const FilePath& file, qint16 index)
{
    if (index < 0)
        return saveEverything();
    if (file.isEmpty())
        return SaveFileChecked(QString(), index);
    return saveDocumentTo(index, file);
}

bool DocumentSaving::writeDocument(qint16 index, const FilePath& path)
{
    // Never over the file of another open document, whose text its next save would write
    // back over this one.
    if (m_state.fileOfAnotherDocument(index, path)) {
        reportFileOfAnotherDocument();
        return false;
    }
    return writeText(index, path, Report::EachFailure);
}

bool DocumentSaving::writeText(qint16 index, const FilePath& path, Report report)
{
    // A picture or a sound holds no text: nothing is ever written over its file.
    const std::optional<DocumentText> text = m_state.writableText(index);
    if (!text)
        return false;
    if (!WriteTextFile(path, *text)) {
        if (report == Report::EachFailure)
            reportWriteFailure();
        return false;
    }
    return true;
}

FilePath DocumentSaving::askFileName(const QString& proposedName, const QString& folder)
{
    return FilePath(prompts().saveFileName(m_dialogOwner, QStringLiteral("Save As"), kSaveFilter,
                                           proposedName, folder));
}

SaveOutcome DocumentSaving::saveDocumentTo(qint16 index, const FilePath& path)
{
    if (!m_state.writableText(index))
        return SaveOutcome::Done;
    if (index == m_state.DocIndex())
        m_state.store();
    if (!writeDocument(index, path))
        return SaveOutcome::Failed;
    m_state.markSaved(index);
    return SaveOutcome::Done;
}

SaveOutcome DocumentSaving::SaveFileChecked(const QString& proposedName, qint16 index)
{
    if (!m_state.writableText(index))
        return SaveOutcome::Done;
    const FilePath path = askFileName(proposedName, QString());
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    if (index == m_state.DocIndex())
        m_state.store();
    if (!writeDocument(index, path))
        return SaveOutcome::Failed;
    m_state.takeFile(index, path);
    return SaveOutcome::Done;
}

SaveOutcome DocumentSaving::saveclosfile(qint16 index)
{
    if (!m_state.writableText(index))
        return SaveOutcome::Done;
    const Ithem& item = m_state.Docs().Item(index);
    FilePath path = item.filepath;
    if (!item.saved) {
        path = askFileName(item.FileTitle, m_state.Docs().WEBpath());
        if (path.isEmpty())
            return SaveOutcome::Cancelled;
    }
    if (!writeDocument(index, path))
        return SaveOutcome::Failed;
    return SaveOutcome::Done;
}

SaveOutcome DocumentSaving::saveEverything()
{
    m_state.store();
    if (m_state.Docs().WEBopened())
        return m_context.subsystems().projects->saveOpenProject(*this);
    if (!m_state.DocsMode())
        return saveSingleFile();
    if (m_state.Docs().Count() == 0)
        return SaveOutcome::Done; // the collection state with nothing open: nothing to save
    const QString answer = MsgBoxa(QStringLiteral("gindaT gaxsnili failebisgan proeqtis Seqmna?"),
                                   QString(), kIconQuestion, 3, QString(), 50);
    if (answer == QLatin1String("6"))
        return m_context.subsystems().projects->createFromDocuments(*this);
    if (answer == QLatin1String("7"))
        return saveEachDocument();
    return SaveOutcome::Cancelled;
}

SaveOutcome DocumentSaving::saveSingleFile()
{
    // Only a named text that changed is written without asking for a name.
    if (m_state.EditorPath().isEmpty() || !m_state.EditorChanged())
        return saveSingleFileAs();
    return writeSingleFile(m_state.EditorPath());
}

SaveOutcome DocumentSaving::saveSingleFileAs()
{
    const FilePath path = askFileName(QString(), QString());
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    return writeSingleFile(path);
}

SaveOutcome DocumentSaving::writeSingleFile(const FilePath& path)
{
    if (!WriteTextFile(path, m_state.singleFileText())) {
        reportWriteFailure();
        return SaveOutcome::Failed;
    }
    m_state.singleFileSaved(path);
    return SaveOutcome::Done;
}

SaveOutcome DocumentSaving::saveEachDocument()
{
    // Only documents that changed or never had a file are written: an unchanged file may
    // have been saved since by another window of the program.
    int failedFiles = 0;
    bool failed = false;
    bool cancelled = false;
    // One file written for two documents would keep only one's text: neither is written.
    const QSet<QString> shared = m_state.sharedFiles();
    for (qint16 i = 0; i < m_state.Docs().Count(); ++i) {
        const Ithem& item = m_state.Docs().Item(i);
        if (item.NoText || (item.saved && !item.Changed))
            continue;
        if (item.saved) {
            if (!shared.contains(fileIdentity(item.filepath)) &&
                writeText(i, item.filepath, Report::Summary))
                m_state.markSaved(i);
            else
                ++failedFiles;
            continue;
        }
        const SaveOutcome outcome = SaveFileChecked(item.FileTitle, i);
        failed = failed || outcome == SaveOutcome::Failed;
        cancelled = cancelled || outcome == SaveOutcome::Cancelled;
    }
    if (failedFiles > 0)
        reportWriteFailure(failedFiles);
    if (failed || failedFiles > 0)
        return SaveOutcome::Failed;
    return cancelled ? SaveOutcome::Cancelled : SaveOutcome::Done;
}

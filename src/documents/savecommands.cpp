#include "documents/savecommands.h"

#include "core/commandcontext.h"
#include "core/editapplier.h"
#include "core/progprops.h"
#include "core/sharedroutines.h"
#include "documents/documentcommands.h"
#include "documents/documentfiles.h"
#include "documents/documentstate.h"
#include "documents/filepanelcommands.h"
#include "documents/opentreeview.h"
#include "documents/pageskeleton.h"
#include "documents/treecommands.h"
#include "documents/webprojects.h"
#include "platform/bytetext.h"
#include "platform/editorcontrol.h"

#include <QTreeWidget>

namespace {

// The message box's picture for the question on closing the project.
constexpr qint32 kIconProjectQuestion = 8;

} // namespace

SaveCommands::SaveCommands(DocumentCommands& documents, CommandContext& context)
    : m_documents(documents), m_context(context), m_saving(context)
{}

DocumentState& SaveCommands::state() const
{
    return m_context.documents();
}

void SaveCommands::mnunewF_Click(int index)
{
    if (index == 1) {
        m_documents.projects().showWizard();
        return;
    }
    const QString extension = index == 0 ? QStringLiteral(".HTML") : QStringLiteral(".TXT");
    // Single-file work becomes a document; an empty, unnamed start text becomes none.
    if (!state().enterCollection(untitledName(0, untitledExtensionFor(state().editorText()))))
        return;
    const qint16 added = state().appendShown(QString(), FilePath(),
                                             untitledName(state().Docs().Count(), extension), true);
    if (added < 0)
        return;
    if (index == 0) {
        const DocumentState::TextLoading loading(state());
        writePageSkeleton();
    }
    state().store();
    m_documents.tree().Treefulen();
    m_documents.tree().selectDocumentNode(added);
    m_documents.enableSave(true);
    m_documents.enableSaveAs(true);
}

void SaveCommands::writePageSkeleton()
{
    EditorControl& editor = m_context.editor();
    applyEdit(editor, pageSkeletonEdit(editor.Text(), Props));
}

void SaveCommands::Cdel_Click()
{
    const std::optional<qint16> tag =
        OpenFilesTreeView::tagOf(m_context.openFilesTree().currentItem());
    if (!tag)
        return;
    const qint16 index = *tag;
    state().store();
    if (state().Docs().Item(index).Changed &&
        !savedOrDiscarded(QStringLiteral("faili Seicvala.") + kCrLf + kCrLf +
                              QStringLiteral("gsurT cvlilebebis damaxsovreba?"),
                          QStringLiteral("Close"), kIconQuestion,
                          [&] { return saveclosfile(index) == SaveOutcome::Done; }))
        return;
    state().remove(index);
    m_documents.tree().showNodes();
    m_documents.tree().selectDocumentNode(state().DocIndex());
}

SaveOutcome SaveCommands::saveclosfile(qint16 index)
{
    const SaveOutcome outcome = m_saving.saveclosfile(index);
    if (FilePanelCommands* panel = m_context.subsystems().filePanel)
        panel->refresh();
    return outcome;
}

void SaveCommands::closeProject()
{
    if (state().unsavedWork() &&
        !savedOrDiscarded(QStringLiteral("gindaT cvlilebebis damaxsovreba?"), QString(),
                          kIconProjectQuestion,
                          [&] { return SaveDocuments(FilePath(), -1) == SaveOutcome::Done; }))
        return;
    closeAll();
    m_documents.enableSave(false);
    m_documents.enableSaveAs(false);
    m_documents.showPlainCaption();
}

void SaveCommands::closeAll()
{
    state().closeAll();
    m_documents.tree().clear();
}

SaveOutcome SaveCommands::SaveDocuments(const FilePath& file, qint16 index)
{
    const SaveOutcome outcome = m_saving.SaveDocuments(file, index);
    refreshAfterSave();
    return outcome;
}

void SaveCommands::refreshAfterSave()
{
    if (state().DocsMode()) {
        m_documents.tree().Treefulen();
        m_documents.tree().selectDocumentNode(state().DocIndex());
    } else if (!state().EditorPath().isEmpty()) {
        m_documents.showCaptionFor(state().EditorPath());
    }
    if (FilePanelCommands* panel = m_context.subsystems().filePanel)
        panel->refresh();
}

void SaveCommands::mnuSave_Click()
{
    SaveDocuments(FilePath(), -1);
}

void SaveCommands::mnuSaveas_Click()
{
    // Save As always asks for the name, also for a single file that has one.
    if (!state().DocsMode())
        m_saving.saveSingleFileAs();
    else if (state().DocIndex() >= 0)
        m_saving.SaveFileChecked(QString(), state().DocIndex());
    refreshAfterSave();
}

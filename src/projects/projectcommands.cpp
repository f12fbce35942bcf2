#include "projects/projectcommands.h"

#include "core/commandcontext.h"
#include "core/sharedroutines.h"
#include "documents/documentcommands.h"
#include "documents/documentstate.h"
#include "documents/filepanelcommands.h"
#include "documents/recentfiles.h"
#include "documents/savecommands.h"
#include "documents/treecommands.h"
#include "platform/busycursor.h"
#include "platform/prompts.h"
#include "projects/frmweb.h"
#include "projects/projectreading.h"
#include "projects/projectsaverun.h"

ProjectCommands::ProjectCommands(DocumentCommands& documents, CommandContext& context)
    : m_documents(documents), m_context(context)
{}

ProjectCommands::~ProjectCommands()
{
    delete m_wizard;
}

DocumentState& ProjectCommands::state()
{
    return m_context.documents();
}

void ProjectCommands::tellRefused(FileStatus status)
{
    tellUser(refusalMessage(status), status == FileStatus::Missing ? kIconMissingFile : kIconError);
}

bool ProjectCommands::openProject(const QString& path)
{
    // A list that cannot be read is said before anything is asked.
    if (const FileStatus status = fileStatus(path); status != FileStatus::Readable) {
        tellRefused(status);
        return false;
    }
    return mayReplaceOpenWork() && WEB_Open(path);
}

bool ProjectCommands::mayReplaceOpenWork()
{
    return !state().unsavedWork() ||
           savedOrDiscarded(QStringLiteral("ginaT gaxsnil failebSi cvlilebis damaxsovreba?"),
                            QStringLiteral("NEW WEB"), kIconQuestion, [this] {
                                return m_documents.saving().SaveDocuments(FilePath(), -1) ==
                                       SaveOutcome::Done;
                            });
}

bool ProjectCommands::WEB_Open(const QString& path)
{
    ProjectRead read;
    {
        const BusyCursor busy;
        read = readProject(path);
    }
    if (read.listStatus != FileStatus::Readable) {
        tellRefused(read.listStatus);
        return false;
    }
    const QString report = projectOpenReport(read);
    const auto tellReport = [&report] {
        if (!report.isEmpty())
            prompts().platformMessage(report, Prompts::PlatformIcon::Information,
                                      QStringLiteral("Kelmora"));
    };
    // A project none of whose files is there opens nothing and keeps what is open.
    if (read.files.empty()) {
        tellReport();
        return false;
    }
    if (!state().openProject(read)) {
        tellUser(QStringLiteral("proeqtSi metismetad bevri failia da ver gaixsneba."));
        return false;
    }
    AddRecentFile(path);
    if (FilePanelCommands* panel = m_context.subsystems().filePanel)
        panel->showFolder(read.folder);
    m_documents.tree().clear();
    m_documents.tree().Treefulen();
    m_documents.tree().selectDocumentNode(state().DocIndex());
    m_documents.enableSave(true);
    m_documents.enableSaveAs(true);
    tellReport();
    return true;
}

void ProjectCommands::showWizard()
{
    if (!m_wizard)
        m_wizard = new frmWEB(*this);
    m_wizard->showOver(m_context.owner());
}

frmWEB* ProjectCommands::wizard() const
{
    return m_wizard;
}

SaveOutcome ProjectCommands::saveOpenProject(DocumentSaving& saving)
{
    return ProjectSaveRun(state(), saving, &m_context.owner()).saveOpenProject();
}

SaveOutcome ProjectCommands::createFromDocuments(DocumentSaving& saving)
{
    return ProjectSaveRun(state(), saving, &m_context.owner()).createFromDocuments();
}

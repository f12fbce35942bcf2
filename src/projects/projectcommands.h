#pragma once

// Web projects as documents: opening a project (the Open command, the command line and the
// recent files go through openProject; the new-project wizard asks mayReplaceOpenWork before
// it writes the project, then opens it with WEB_Open) and showing the new-project wizard.

#include "documents/webprojects.h"
#include "platform/textfile.h"

#include <QObject>
#include <QPointer>
#include <QString>

class CommandContext;
class DocumentCommands;
class DocumentState;
class frmWEB;

class ProjectCommands : public QObject, public WebProjects
{
    Q_OBJECT

public:
    ProjectCommands(DocumentCommands& documents, CommandContext& context);
    ~ProjectCommands() override;

    // Opens the project whose list file is path in place of everything that is open: when
    // anything would be lost, the user is asked first whether to save it (and the opening
    // goes on only once the save is done), or to cancel. Old documents never join the new
    // project. True when the project is open.
    bool openProject(const QString& path) override;
    // Whether what is open may give way to a project: true when nothing would be lost, or
    // the user chose to save it (and the save was done) or to drop it; false on a cancel.
    bool mayReplaceOpenWork();
    // Reads the project whole, then puts it in place of everything that is open: its files
    // as documents of the project, the tree, the start page, the file panel in its folder,
    // and a word about the files that could not be opened. A list that cannot be read, or a
    // project larger than the program holds, is refused and nothing changes.
    bool WEB_Open(const QString& path);
    // The new-project wizard, modeless; the main window is disabled until it closes.
    void showWizard() override;
    // Saving everything with a project: the open project, or one made of the open
    // documents (projectsaverun.h).
    SaveOutcome saveOpenProject(DocumentSaving& saving) override;
    SaveOutcome createFromDocuments(DocumentSaving& saving) override;
    // The wizard while it is open, else nullptr.
    frmWEB* wizard() const;

private:
    DocumentState& state();
    static void tellRefused(FileStatus status);

    DocumentCommands& m_documents;
    CommandContext& m_context;
    QPointer<frmWEB> m_wizard;
};

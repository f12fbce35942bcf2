#pragma once

// Web projects as the documents reach them: a .WEB file chosen to open, the new-project
// wizard, and saving everything, which with a project open saves the project and otherwise
// may make one of the open documents. The projects subsystem implements it.

#include "documents/saveoutcome.h"

#include <QString>

class DocumentSaving;

class WebProjects
{
public:
    virtual ~WebProjects() = default;

    // Opens the project whose list file is path in place of everything that is open, asking
    // first about what that would lose. True when the project is open.
    virtual bool openProject(const QString& path) = 0;
    // The new-project wizard.
    virtual void showWizard() = 0;
    // Saves the open project; saving writes its documents.
    virtual SaveOutcome saveOpenProject(DocumentSaving& saving) = 0;
    // Makes a project of the open documents.
    virtual SaveOutcome createFromDocuments(DocumentSaving& saving) = 0;
};

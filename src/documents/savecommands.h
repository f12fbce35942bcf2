#pragma once

// Documents coming and going: new documents, closing one (asking about its changes), closing
// the project, and the Save and Save As commands over the one saving routine.

#include "documents/documentsaving.h"

#include <QString>

class CommandContext;
class DocumentCommands;
class DocumentState;

class SaveCommands
{
public:
    SaveCommands(DocumentCommands& documents, CommandContext& context);

    // 0 a new HTML document with the page skeleton, 1 the new-project wizard, 2 a new text
    // document.
    void mnunewF_Click(int index);
    // Closes the selected document, asking about its changes first.
    void Cdel_Click();
    SaveOutcome saveclosfile(qint16 index);
    // Asks about unsaved work, then drops every document and the project.
    void closeProject();
    // Drops every document and the project (the window's close).
    void closeAll();

    SaveOutcome SaveDocuments(const FilePath& file, qint16 index);
    void mnuSave_Click();
    void mnuSaveas_Click();

private:
    DocumentState& state() const;
    void writePageSkeleton();
    // After a save: the caption, the tree and the file panel follow the new names.
    void refreshAfterSave();

    DocumentCommands& m_documents;
    CommandContext& m_context;
    DocumentSaving m_saving;
};

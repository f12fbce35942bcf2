#pragma once

// Writing documents to disk: one document to a given file, one under a name chosen in the
// save dialog, the single-file text, or everything that is open. Every write is whole and
// atomic, every failure is told to the user, and a document counts as saved (its Changed
// flag cleared, its new file taken) only after its write succeeded.

#include "core/filepath.h"
#include "documents/saveoutcome.h"

#include <QString>

class CommandContext;
class DocumentState;
class QWidget;

// The save dialog's filter, in the program's form.
extern const QString kSaveFilter;

// Tells the user that a write failed; with failedFiles, how many files were not written.
void reportWriteFailure(int failedFiles = 0);

class DocumentSaving
{
public:
    explicit DocumentSaving(CommandContext& context);

    // The three forms: a file name and an index write that document to that file; an
    // empty name and an index save that document under a name chosen in the save dialog;
    // an empty name and index -1 save everything.
    SaveOutcome SaveDocuments(const FilePath& file, qint16 index);
    // The save dialog for one document, proposing proposedName; the document takes the
    // chosen file.
    SaveOutcome SaveFileChecked(const QString& proposedName, qint16 index);
    // Writes a document that is about to be closed: to its file, or to one chosen in the
    // save dialog (in the project's folder). The document itself is left as it is.
    SaveOutcome saveclosfile(qint16 index);
    // The single-file text under a name chosen in the save dialog.
    SaveOutcome saveSingleFileAs();

private:
    SaveOutcome saveDocumentTo(qint16 index, const FilePath& path);
    SaveOutcome saveEverything();
    SaveOutcome saveSingleFile();
    // Writes the single-file text to path, which it then belongs to; a failure is told.
    SaveOutcome writeSingleFile(const FilePath& path);
    SaveOutcome saveEachDocument();
    // Writes a document's text to path, telling any failure; never over the file of another
    // open document.
    bool writeDocument(qint16 index, const FilePath& path);
    // Whether each failure is told at once, or the caller tells them all together.
    enum class Report { EachFailure, Summary };
    // The write alone, without looking at the other documents' files.
    bool writeText(qint16 index, const FilePath& path, Report report);
    FilePath askFileName(const QString& proposedName, const QString& folder);

    CommandContext& m_context;
    DocumentState& m_state;
    QWidget* m_dialogOwner;
};

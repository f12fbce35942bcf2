#pragma once

// Opening files as documents: the Open and UTF-8 Open commands, the start-up's files, and
// ofnen, the one way every other command (projects, recent files, the file panel) opens a
// file. Text files go into the editor; pictures and sounds are listed without text.

#include "core/filepath.h"
#include "documents/documentfiles.h"

#include <QString>

class CommandContext;
class DocumentCommands;
class DocumentState;

class OpenCommands
{
public:
    OpenCommands(DocumentCommands& documents, CommandContext& context);

    // Opens one file as a document: text files into the editor, other files listed
    // without text (pictures previewed, sounds and videos handed to their program).
    void ofnen(const FilePath& path);
    // The start-up entry: "SIA" and the paths joined by quote, blank, quote; or one path.
    void comandopen(const QString& first, const QString& second);
    void mnuOpen_Click();
    void Cadd_Click() { mnuOpen_Click(); }
    // Opens a UTF-8 text file decoded into the Latin-key layout.
    void mnuUnopen_Click();
    // The recent-files window: the file picked is opened as a document, or as a project.
    void mnurecentfile_Click();

private:
    DocumentState& state();
    bool refuseUnreadable(FileStatus status);
    void openNonTextFile(const FilePath& path);
    bool placeTextFile(const FilePath& path, const DocumentText& read,
                       const QString& untitledTitle);
    void listPicture(const FilePath& path);
    void reopenSingleFile(const FilePath& path);
    void askSecondWindow(const FilePath& path);

    DocumentCommands& m_documents;
    CommandContext& m_context;
};

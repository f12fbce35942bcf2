#pragma once

// The one owner of the open documents. The main window works in one of two states:
// - the single-file state (DocsMode off): the editor holds one text that no document
//   represents, loaded from EditorPath or unnamed; the collection is empty and no project
//   is open;
// - the collection state (DocsMode on): every open file is a document of Docs, and the
//   editor shows document DocIndex, or, with DocIndex -1, no document and an empty text.
// Every change of the documents goes through this class, so these rules hold after each
// step, and no text typed into the editor is ever left without a document to hold it.
// A document without text (a picture, a sound: NoText) never receives the editor's text,
// is never marked changed, never becomes the current document and is never written.

#include "core/collection.h"
#include "documents/documentfiles.h"

#include <QHash>
#include <QSet>

#include <optional>
#include <utility>
#include <vector>

class EditorText;
struct ProjectRead;

// A document the program itself made: it has no file, is marked changed and stands outside
// the project.
struct MadeDocument
{
    QString text;
    QString title;
    quint8 frameSet = 0; // 0 ordinary, 1 a frameset page, 2 a frame page
};

class DocumentState
{
public:
    explicit DocumentState(EditorText& editor);
    DocumentState(const DocumentState&) = delete;
    DocumentState& operator=(const DocumentState&) = delete;

    // --- What is open ---------------------------------------------------------------
    const ColectionMain& Docs() const { return m_docs; }
    qint16 DocIndex() const { return m_docIndex; }
    qint16 DocsMode() const { return m_docsMode ? -1 : 0; }
    const FilePath& EditorPath() const { return m_editorPath; }
    qint16 EditorChanged() const { return m_editorChanged ? -1 : 0; }
    qint16 LoadingText() const { return m_loadingText ? -1 : 0; }

    QString editorText() const;
    // The single-file state holds something worth keeping: a file or some text.
    bool singleFileHoldsWork() const;
    // Dropping everything now would lose something: changed or never saved text, or a
    // changed project.
    bool unsavedWork() const;
    // Paths come clean from every way in (FilePath) and are compared as files
    // (fileIdentity: links followed), so that one file never becomes two documents.
    // The document whose file is the file at path, -1 when none.
    qint16 indexOfFile(const FilePath& path) const;
    // Whether the single-file state holds the file at path.
    bool holdsSingleFile(const FilePath& path) const;
    // Whether a document other than index has the file at path (links followed): writing
    // one document over another's file would lose the other's text on its next save.
    bool fileOfAnotherDocument(qint16 index, const FilePath& path) const;
    // The files (by fileIdentity) that more than one document has.
    QSet<QString> sharedFiles() const;
    // What to reopen at the next start: the project's list file, the single file or the
    // current document's file ("" for none).
    QString lastFileName() const;
    // A document's text for writing, with its file's line ends; nothing for a document
    // without text.
    std::optional<DocumentText> writableText(qint16 index) const;
    // The single-file text for writing, with its file's line ends.
    DocumentText singleFileText() const;

    // While one lives, the program itself replaces the editor's text: the editor's change
    // events mark nothing changed. It puts the flag back as it found it, on every way out.
    class TextLoading
    {
    public:
        explicit TextLoading(DocumentState& state)
            : m_state(state), m_before(std::exchange(state.m_loadingText, true))
        {}
        ~TextLoading() { m_state.m_loadingText = m_before; }
        TextLoading(const TextLoading&) = delete;
        TextLoading& operator=(const TextLoading&) = delete;

    private:
        DocumentState& m_state;
        bool m_before;
    };

    // --- Steps ----------------------------------------------------------------------
    // The editor's text changed. Unless the program itself is filling it, this marks the
    // single file or the current document changed; text typed into the empty editor of the
    // collection state with no current document becomes a new untitled document. True when
    // a document was added.
    bool editorEdited();
    // The store step: the editor's text (marking the document changed when it differs),
    // caret and selection go into the current document.
    void store();
    // The adoption step: the single-file text becomes a document, with EditorPath as its
    // file or else untitledTitle as its title, and the collection state begins. The editor
    // goes on showing it. False when the collection has no room left.
    bool adopt(const QString& untitledTitle);
    // Leaves the single-file state: adoption when it holds work, else the collection state
    // begins with no current document. Nothing happens in the collection state.
    bool enterCollection(const QString& untitledTitle);
    // Stores, then shows document index with its caret and selection. False, and the
    // editor keeps its document, when index holds no text.
    bool show(qint16 index);
    // Adds a text document (path "" for one without a file) and shows it; the current
    // document is stored first, and single-file work is adopted first under the Open
    // command's untitled name. lineEnds: those of the file the text was read from (a new
    // text has CR LF). The new index, or -1 when the collection has no room left.
    qint16 appendShown(const QString& text, const FilePath& path, const QString& title,
                       bool changed, LineEnds lineEnds = LineEnds::CrLf);
    // Adds the made documents in their order and shows the first with shownText (which may
    // differ from its own text until the next store step). The current document is stored
    // first, and single-file work is adopted first as the New command does, so no text of
    // the user's is replaced. The first new index; -1, with nothing changed, when there are
    // none or the collection has no room for all of them.
    qint16 appendMade(const std::vector<MadeDocument>& made, const QString& shownText);
    // Lists a file without text; single-file work is adopted first, and the editor and the
    // current document stay as they are. The new index, or -1 when there is no room left.
    qint16 appendNoText(const FilePath& path);
    // Stores, then removes document index. When it was the current document, the first
    // document with text in the tree's order is shown, or, without one, the editor is
    // emptied and no document is current. The project's list counts as changed.
    void remove(qint16 index);
    // Drops every document and the project and holds this text from this file ("" for an
    // unnamed text), read with lineEnds, in the single-file state, unchanged. Callers ask
    // before dropping work.
    void resetToSingleFile(const FilePath& path, const QString& text,
                           LineEnds lineEnds = LineEnds::CrLf);
    // Drops every document and the project; the single-file state with an empty editor.
    void closeAll();
    // A document the editor does not show takes a new text (a replace over every open
    // document), marked changed when it differs. False, and nothing changes, for the
    // current document (its text is the editor's, changed by an edit), a document without
    // text and an index outside the collection.
    bool replaceStoredText(qint16 index, const QString& text);
    // Drops every document and the project, and opens a project that was read whole: its
    // files become its documents, unchanged, with the files they were read from; then its
    // start file is shown, or, without one, no document and an empty editor. The list counts
    // as changed when it no longer says where its files are. False, and nothing changes,
    // when the collection has no room for every file.
    bool openProject(const ProjectRead& read);

    // --- After saving and renaming --------------------------------------------------
    void markSaved(qint16 index);
    // The document now has the file at path (and its name as title) and is saved.
    void takeFile(qint16 index, const FilePath& path);
    // The document's file was renamed to path; the project's list changes with it.
    void moveFile(qint16 index, const FilePath& path);
    void retitle(qint16 index, const QString& title);
    // The single-file text was written to path, which it now belongs to.
    void singleFileSaved(const FilePath& path);
    void markProjectListChanged();
    // The project's list was written as the documents are now.
    void markProjectListSaved();
    // The document is listed in the open project's list file.
    void joinProject(qint16 index);
    // The document was written (or, without text, copied) to its place in a project, path:
    // that is its file now, and it is saved. It keeps its title, which is what the list
    // names it by (a "\" in it is the subfolder the file went to).
    void placeInProject(qint16 index, const FilePath& path);
    // A project is open: its list file is folder + title (folder ending in "/"). The
    // collection state begins; its list counts as unchanged.
    void recordProject(const QString& folder, const QString& title);

private:
    bool holdsText(qint16 index) const;
    // The collection state begins: nothing of the single file is kept.
    void beginCollection();
    // The file a document's clean path names (links followed), as first looked up.
    QString knownIdentity(const QString& file) const;
    void load(qint16 index);
    void showText(const QString& text);

    EditorText& m_editor;
    ColectionMain m_docs;
    qint16 m_docIndex = -1;
    bool m_docsMode = false;
    FilePath m_editorPath;
    LineEnds m_editorLineEnds = LineEnds::CrLf; // those of the single file's text
    bool m_editorChanged = false;
    bool m_loadingText = false;
    mutable QHash<QString, QString> m_identities; // by clean path, for indexOfFile
};

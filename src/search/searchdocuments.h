#pragma once

// What the search over open documents sees of the program: the open documents, each known
// by an identity of its own (titles repeat and indexes move when documents close), and the
// editor with its live text and selection. The main window's documents provide it; tests
// give a plain stand-in.

#include <QString>

#include <optional>
#include <vector>

// A document's identity: given once, never to another document while the program runs.
using DocumentId = quint64;
// Not a document: the editor's own text, which no document holds (the single-file state).
constexpr DocumentId kEditorOwnText = 0;

struct SearchDocument
{
    DocumentId id = kEditorOwnText;
    QString text;        // as stored; the shown document's live text is the editor's
    bool hasText = true; // false for a picture, a sound, any file without editable text
};

class SearchDocuments
{
public:
    virtual ~SearchDocuments() = default;

    // Every open document, in the order the tree of open files lists them, and in the
    // collection's order. Asked anew by every command, so that documents opened or closed
    // in between count.
    virtual std::vector<SearchDocument> inTreeOrder() const = 0;
    virtual std::vector<SearchDocument> inCollectionOrder() const = 0;
    // One document as it is now; nothing once it is closed.
    virtual std::optional<SearchDocument> find(DocumentId id) const = 0;
    // The document the editor shows; nothing when the editor's text belongs to none.
    virtual std::optional<DocumentId> shown() const = 0;

    virtual QString editorText() const = 0;
    virtual qint32 selStart() const = 0;
    virtual qint32 selLength() const = 0;
};

// What the editor shows: its document, or kEditorOwnText.
DocumentId shownDocument(const SearchDocuments& docs);

// A document's text as it is now: for the document in the editor the editor's text, with
// every edit since it was last stored; else the stored text. kEditorOwnText names the
// editor's text. Nothing for a closed document or one without text.
std::optional<QString> currentText(const SearchDocuments& docs, DocumentId id);

#pragma once

// The program's open documents as the search sees them: each known by its Serial, listed in
// the collection's order and in the order the tree of open files shows them, and the editor
// that shows the current one.

#include "search/searchdocuments.h"

#include <QHash>

class ColectionMain;
class DocumentState;
class EditorText;

class OpenDocumentsSearch : public SearchDocuments
{
public:
    // The editor is the one the document state works on.
    OpenDocumentsSearch(const DocumentState& state, const EditorText& editor);

    std::vector<SearchDocument> inTreeOrder() const override;
    std::vector<SearchDocument> inCollectionOrder() const override;
    std::optional<SearchDocument> find(DocumentId id) const override;
    std::optional<DocumentId> shown() const override;
    QString editorText() const override;
    qint32 selStart() const override;
    qint32 selLength() const override;

private:
    const DocumentState& m_state;
    const EditorText& m_editor;
};

// Where the document of this identity stands in the collection now; -1 once it is closed.
qint16 documentIndexOf(const ColectionMain& docs, DocumentId id);
// Where every open document stands, by identity: for many look-ups at once.
QHash<DocumentId, qint16> documentIndexes(const ColectionMain& docs);

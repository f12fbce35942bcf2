#include "search/opendocumentssearch.h"

#include "documents/documentstate.h"
#include "documents/editortext.h"
#include "documents/opentree.h"

namespace {

SearchDocument searched(const Ithem& item)
{
    return {item.Serial, item.Value, !item.NoText};
}

} // namespace

OpenDocumentsSearch::OpenDocumentsSearch(const DocumentState& state, const EditorText& editor)
    : m_state(state), m_editor(editor)
{}

std::vector<SearchDocument> OpenDocumentsSearch::inTreeOrder() const
{
    std::vector<SearchDocument> listed;
    for (const FileNode& node : fileNodes(m_state.Docs()))
        listed.push_back(searched(m_state.Docs().Item(node.index)));
    return listed;
}

std::vector<SearchDocument> OpenDocumentsSearch::inCollectionOrder() const
{
    std::vector<SearchDocument> listed;
    for (qint16 i = 0; i < m_state.Docs().Count(); ++i)
        listed.push_back(searched(m_state.Docs().Item(i)));
    return listed;
}

std::optional<SearchDocument> OpenDocumentsSearch::find(DocumentId id) const
{
    const qint16 index = documentIndexOf(m_state.Docs(), id);
    if (index < 0)
        return std::nullopt;
    return searched(m_state.Docs().Item(index));
}

std::optional<DocumentId> OpenDocumentsSearch::shown() const
{
    const ColectionMain& docs = m_state.Docs();
    const qint16 index = m_state.DocIndex();
    if (!m_state.DocsMode() || index < 0 || index >= docs.Count() || docs.Item(index).NoText)
        return std::nullopt;
    return docs.Item(index).Serial;
}

QString OpenDocumentsSearch::editorText() const
{
    return m_editor.text();
}

qint32 OpenDocumentsSearch::selStart() const
{
    return m_editor.selStart();
}

qint32 OpenDocumentsSearch::selLength() const
{
    return m_editor.selLength();
}

qint16 documentIndexOf(const ColectionMain& docs, DocumentId id)
{
    for (qint16 i = 0; i < docs.Count(); ++i) {
        if (docs.Item(i).Serial == id)
            return i;
    }
    return -1;
}

QHash<DocumentId, qint16> documentIndexes(const ColectionMain& docs)
{
    QHash<DocumentId, qint16> indexes;
    indexes.reserve(docs.Count());
    for (qint16 i = 0; i < docs.Count(); ++i)
        indexes.insert(docs.Item(i).Serial, i);
    return indexes;
}

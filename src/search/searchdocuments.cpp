#include "search/searchdocuments.h"

DocumentId shownDocument(const SearchDocuments& docs)
{
    return docs.shown().value_or(kEditorOwnText);
}

std::optional<QString> currentText(const SearchDocuments& docs, DocumentId id)
{
    if (id == kEditorOwnText || id == shownDocument(docs))
        return docs.editorText();
    const std::optional<SearchDocument> document = docs.find(id);
    if (!document || !document->hasText)
        return std::nullopt;
    return document->text;
}

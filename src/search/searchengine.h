#pragma once

// Search and replace over the open documents, as logic: find next with its walk through the
// open documents, the match index of find all, showing a listed hit, replace one and replace
// all. The search window holds one SearchEngine, hands it the options as they change, and
// turns its answers into selections, list lines and messages.
//
// Every command reads the texts as they are at that moment (the document in the editor
// through the editor), so nothing is ever searched, shown or replaced in a stale copy.
// Hits and the walk name documents by identity; a listed hit is checked before it is shown.
// Positions are the editor's: 0-based, a line break counting two.

#include "core/textedit.h"
#include "search/searchdocuments.h"
#include "search/searchterms.h"

#include <vector>

// One hit of the match index.
struct SearchHit
{
    qint32 Pos = 0;                  // where the term begins (a whole word's blank excluded)
    qint32 Length = 0;               // the term's length
    DocumentId Doc = kEditorOwnText; // the document it lies in
    qint32 Term = 0;                 // which term of the search it is

    bool operator==(const SearchHit&) const = default;
};

// Where the editor is to show something: the document to show first (nothing to do when
// the editor shows it already), then the selection in it.
struct HitSelection
{
    DocumentId doc = kEditorOwnText;
    qint32 selStart = 0;
    qint32 selLength = 0;

    bool operator==(const HitSelection&) const = default;
};

enum class FindNextResult {
    Nothing, // no search text: nothing happens
    Found,   // the hit is to be shown
    Finished // no hit left: the end message; the next click starts over
};
struct FoundNext
{
    FindNextResult result = FindNextResult::Nothing;
    HitSelection where;
};

enum class HitCheck {
    Current,        // the hit is to be shown
    DocumentClosed, // its document was closed since the hits were listed
    TextChanged     // its term no longer stands where it was found
};
struct ListedHit
{
    HitCheck check = HitCheck::TextChanged;
    HitSelection where;
};

struct ReplacedDocument
{
    DocumentId doc = kEditorOwnText;
    QString text;
};

struct ReplaceAllResult
{
    qint32 count = 0; // the hits replaced
    // New texts of documents other than the editor's, only of those that changed: each is
    // to be stored and marked changed.
    std::vector<ReplacedDocument> documents;
    // The change to the editor's text (its own, or that of the document it shows), as one
    // edit; nothing when it did not change.
    std::optional<TextEdit> editorEdit;
};

// The documents find next walks through: every document with text, in tree order.
std::vector<DocumentId> BuildOpenDocList(const SearchDocuments& docs);

// Every hit of pattern, term by term: with allDocuments in every document with text, in
// collection order; otherwise in the range of the editor's text.
std::vector<SearchHit> BuildMatchIndex(const SearchPattern& pattern, const CapturedScope& scope,
                                       bool allDocuments, const SearchDocuments& docs);

class SearchEngine
{
public:
    // The window is called up, again or for the first time: the editor's selection is
    // captured for the scope and every search starts afresh.
    void callUp(const SearchDocuments& docs);
    // A scope was chosen: the selection is captured anew and every search starts afresh.
    void chooseScope(SearchScope scope, const SearchDocuments& docs);
    // The options as they stand; any change starts every search afresh.
    void setOptions(const SearchOptions& options);

    // Every open document is searched only with the whole-text scope.
    bool walksDocuments() const;

    // Find next: from the end of the previous hit on, in the editor's text or through the
    // open documents in tree order.
    FoundNext findNext(const SearchDocuments& docs);
    // Find all: the match index anew; the number of hits.
    qsizetype findAll(const SearchDocuments& docs);
    const std::vector<SearchHit>& hits() const { return m_hits; }
    // A listed hit, checked first: when its document was closed or its text changed, the
    // hits are dropped (the list is to be emptied) and every search starts afresh.
    ListedHit showHit(qsizetype row, const SearchDocuments& docs);
    // Replace one: the selection becomes replacement as typed, and is selected; the next
    // find next goes on after it. Nothing without a selection.
    std::optional<TextEdit> replaceOne(const SearchDocuments& docs, const QString& replacement);
    // Replace all: exactly the hits find all would list now (the bare term, in range) become
    // replacement (turned into UTF-8 like the terms when asked). The hits are dropped and
    // every search starts afresh.
    ReplaceAllResult replaceAll(const SearchDocuments& docs, const QString& replacement);

    // The window closed: everything as at the start.
    void reset();

private:
    void restart();
    void capture(const SearchDocuments& docs);
    const SearchPattern& terms();
    FoundNext findNextInEditor(const SearchDocuments& docs);
    FoundNext findNextInDocuments(const SearchDocuments& docs);

    SearchOptions m_options;
    CapturedScope m_scope;                  // Scope, SelFrom, SelTo
    std::optional<SearchPattern> m_terms;   // Terms: made when a search begins
    bool m_termsFoldRussian = false;        // the fold table Terms were made with
    qsizetype m_nextPos = -1;               // NextPos; -1: at the start of the range
    DocumentId m_searched = kEditorOwnText; // the text find next is in
    std::vector<DocumentId> m_openDocs;     // OpenDocs
    bool m_newPass = true;                  // NewPass
    std::size_t m_docCursor = 0;            // DocCursor
    std::vector<SearchHit> m_hits;          // Hits
    SearchPattern m_hitsPattern;            // the terms the hits were found with
};

// The search window's texts (Latin-key Georgian).
QString searchFinishedMessage();
QString findAllSummary(qsizetype count);
QString hitListLine(qsizetype row); // List1's line for hit row (0-based)
QString replaceAllSummary(qsizetype count);
QString staleHitMessage(HitCheck check);
// What the search text becomes when the window is called up over this selection: the
// selected text when it is not empty and holds no line break.
std::optional<QString> searchTextFromSelection(const QString& selected);

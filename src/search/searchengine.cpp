#include "search/searchengine.h"

#include "conversions/conversions.h"
#include "platform/casefold.h"

#include <algorithm>

namespace {

void addHits(std::vector<SearchHit>& index, const std::vector<TermHit>& found, DocumentId doc)
{
    for (const TermHit& hit : found)
        index.push_back({qint32(hit.pos), qint32(hit.length), doc, qint32(hit.term)});
}

// The hits in order of place, those overlapping an earlier one dropped: alternatives may
// overlap, the hits of one term never do.
std::vector<TermHit> replaceable(std::vector<TermHit> hits, const SearchPattern& pattern)
{
    if (pattern.terms().size() < 2)
        return hits;
    std::stable_sort(hits.begin(), hits.end(),
                     [](const TermHit& a, const TermHit& b) { return a.pos < b.pos; });
    std::vector<TermHit> apart;
    for (const TermHit& hit : hits) {
        if (apart.empty() || hit.pos >= apart.back().pos + apart.back().length)
            apart.push_back(hit);
    }
    return apart;
}

// Whether replacing the hits changes the text at all.
bool changesText(QStringView text, const std::vector<TermHit>& hits, const QString& replacement)
{
    return std::any_of(hits.begin(), hits.end(), [&](const TermHit& hit) {
        return text.sliced(hit.pos, hit.length) != replacement;
    });
}

// text[from, to) with every hit in it replaced, made in one pass.
QString replacedText(QStringView text, qsizetype from, qsizetype to,
                     const std::vector<TermHit>& hits, const QString& replacement)
{
    qsizetype size = to - from;
    for (const TermHit& hit : hits)
        size += replacement.size() - hit.length;
    QString replaced(size, Qt::Uninitialized);
    QChar* out = replaced.data();
    for (const TermHit& hit : hits) {
        out = std::copy_n(text.data() + from, hit.pos - from, out);
        out = std::copy_n(replacement.data(), replacement.size(), out);
        from = hit.pos + hit.length;
    }
    std::copy_n(text.data() + from, to - from, out);
    return replaced;
}

// Where a place of the text stands once the hits are replaced; a place inside a hit goes to
// the end of its replacement.
qsizetype movedPlace(qsizetype pos, const std::vector<TermHit>& hits, const QString& replacement)
{
    qsizetype shift = 0;
    for (const TermHit& hit : hits) {
        if (pos <= hit.pos)
            break;
        if (pos < hit.pos + hit.length)
            return hit.pos + shift + replacement.size();
        shift += replacement.size() - hit.length;
    }
    return pos + shift;
}

// The edit that replaces the hits in the editor's text: the stretch from the first hit to
// the end of the last; afterwards [selFrom, selTo) of the old text is selected.
std::optional<TextEdit> editReplacing(QStringView text, const std::vector<TermHit>& hits,
                                      const QString& replacement, qsizetype selFrom,
                                      qsizetype selTo)
{
    if (!changesText(text, hits, replacement))
        return std::nullopt;
    const qsizetype start = hits.front().pos;
    const qsizetype end = hits.back().pos + hits.back().length;
    const qsizetype newFrom = movedPlace(selFrom, hits, replacement);
    const qsizetype newTo = movedPlace(selTo, hits, replacement);
    return TextEdit{qint32(start), qint32(end - start),
                    replacedText(text, start, end, hits, replacement), qint32(newFrom),
                    qint32(newTo - newFrom)};
}

} // namespace

std::vector<DocumentId> BuildOpenDocList(const SearchDocuments& docs)
{
    std::vector<DocumentId> walk;
    for (const SearchDocument& document : docs.inTreeOrder()) {
        if (document.hasText)
            walk.push_back(document.id);
    }
    return walk;
}

std::vector<SearchHit> BuildMatchIndex(const SearchPattern& pattern, const CapturedScope& scope,
                                       bool allDocuments, const SearchDocuments& docs)
{
    std::vector<SearchHit> index;
    if (pattern.empty())
        return index;
    if (!allDocuments) {
        const QString text = docs.editorText();
        addHits(index, pattern.all(text, scope.rangeIn(text.size())), shownDocument(docs));
        return index;
    }
    const DocumentId shown = shownDocument(docs);
    for (const SearchDocument& document : docs.inCollectionOrder()) {
        if (!document.hasText)
            continue;
        const QString text = document.id == shown ? docs.editorText() : document.text;
        addHits(index, pattern.all(text, {0, text.size()}), document.id);
    }
    return index;
}

// --- SearchEngine ----------------------------------------------------------------------

bool SearchEngine::walksDocuments() const
{
    return m_options.allDocuments && m_scope.scope == SearchScope::WholeText;
}

void SearchEngine::restart()
{
    m_terms.reset();
    m_nextPos = -1;
    m_newPass = true;
}

void SearchEngine::capture(const SearchDocuments& docs)
{
    m_scope.selFrom = docs.selStart();
    m_scope.selTo = docs.selStart() + docs.selLength();
    restart();
}

void SearchEngine::callUp(const SearchDocuments& docs)
{
    capture(docs);
}

void SearchEngine::chooseScope(SearchScope scope, const SearchDocuments& docs)
{
    m_scope.scope = scope;
    capture(docs);
}

void SearchEngine::setOptions(const SearchOptions& options)
{
    if (options == m_options)
        return;
    m_options = options;
    restart();
}

void SearchEngine::reset()
{
    *this = SearchEngine();
}

const SearchPattern& SearchEngine::terms()
{
    // Letters pair up differently in the Russian language mode: the terms follow it.
    if (m_terms && m_termsFoldRussian != CaseFold::russianPairs())
        restart();
    if (!m_terms) {
        m_terms.emplace(m_options);
        m_termsFoldRussian = CaseFold::russianPairs();
    }
    return *m_terms;
}

FoundNext SearchEngine::findNext(const SearchDocuments& docs)
{
    if (m_options.text.isEmpty())
        return {};
    terms();
    return walksDocuments() ? findNextInDocuments(docs) : findNextInEditor(docs);
}

FoundNext SearchEngine::findNextInEditor(const SearchDocuments& docs)
{
    // Another document in the editor: the search begins again in it.
    const DocumentId shown = shownDocument(docs);
    if (shown != m_searched) {
        m_searched = shown;
        m_nextPos = -1;
    }
    const QString text = docs.editorText();
    const TextRange range = m_scope.rangeIn(text.size());
    if (const auto hit = m_terms->first(text, m_nextPos, range)) {
        m_nextPos = hit->pos + hit->length;
        return {FindNextResult::Found, {shown, qint32(hit->pos), qint32(hit->length)}};
    }
    m_nextPos = -1;
    return {FindNextResult::Finished, {}};
}

FoundNext SearchEngine::findNextInDocuments(const SearchDocuments& docs)
{
    if (m_newPass) {
        m_openDocs = BuildOpenDocList(docs);
        m_docCursor = 0;
        m_nextPos = -1;
        m_newPass = false;
    }
    for (; m_docCursor < m_openDocs.size(); ++m_docCursor, m_nextPos = -1) {
        const DocumentId doc = m_openDocs[m_docCursor];
        // A document closed since the walk began is passed over.
        const std::optional<QString> text = currentText(docs, doc);
        if (!text)
            continue;
        if (const auto hit = m_terms->first(*text, m_nextPos, {0, text->size()})) {
            m_nextPos = hit->pos + hit->length;
            return {FindNextResult::Found, {doc, qint32(hit->pos), qint32(hit->length)}};
        }
    }
    // The next click walks the documents afresh, from the first in the tree.
    m_newPass = true;
    return {FindNextResult::Finished, {}};
}

qsizetype SearchEngine::findAll(const SearchDocuments& docs)
{
    m_hitsPattern = SearchPattern(m_options);
    m_hits = BuildMatchIndex(m_hitsPattern, m_scope, walksDocuments(), docs);
    return qsizetype(m_hits.size());
}

ListedHit SearchEngine::showHit(qsizetype row, const SearchDocuments& docs)
{
    if (row < 0 || row >= qsizetype(m_hits.size()))
        return {};
    const SearchHit hit = m_hits[std::size_t(row)];
    const std::optional<QString> text = currentText(docs, hit.Doc);
    HitCheck check = HitCheck::Current;
    if (!text)
        check = HitCheck::DocumentClosed;
    else if (!m_hitsPattern.terms()[std::size_t(hit.Term)].standsAt(*text, hit.Pos))
        check = HitCheck::TextChanged;
    if (check != HitCheck::Current) {
        m_hits.clear();
        restart();
        return {check, {}};
    }
    return {check, {hit.Doc, hit.Pos, hit.Length}};
}

std::optional<TextEdit> SearchEngine::replaceOne(const SearchDocuments& docs,
                                                 const QString& replacement)
{
    const qint32 start = docs.selStart();
    const qint32 length = docs.selLength();
    if (length <= 0)
        return std::nullopt;
    const qsizetype end = start + replacement.size();
    if (!walksDocuments()) {
        // The captured range keeps to the same text around the replacement.
        const std::vector<TermHit> replaced{{start, length, 0}};
        m_scope.selFrom = qint32(movedPlace(m_scope.selFrom, replaced, replacement));
        m_scope.selTo = qint32(movedPlace(m_scope.selTo, replaced, replacement));
        m_nextPos = end;
    } else if (!m_newPass && m_docCursor < m_openDocs.size() &&
               m_openDocs[m_docCursor] == shownDocument(docs)) {
        m_nextPos = end;
    }
    return TextEdit::replacingSelection(start, length, replacement, start,
                                        qint32(replacement.size()));
}

ReplaceAllResult SearchEngine::replaceAll(const SearchDocuments& docs, const QString& replacement)
{
    const SearchPattern pattern(m_options);
    const QString inserted = m_options.utf8 ? ConvertByTables(replacement, 1, 0) : replacement;
    m_hits.clear();
    restart();

    ReplaceAllResult result;
    if (pattern.empty())
        return result;
    if (!walksDocuments()) {
        const QString text = docs.editorText();
        const TextRange range = m_scope.rangeIn(text.size());
        const std::vector<TermHit> hits = replaceable(pattern.all(text, range), pattern);
        if (hits.empty())
            return result;
        result.count = qint32(hits.size());
        // A replaced selection stays selected; otherwise the caret keeps to its place.
        const bool selection = m_scope.scope == SearchScope::Selection;
        const qsizetype caret = std::clamp<qsizetype>(docs.selStart(), 0, text.size());
        result.editorEdit = editReplacing(text, hits, inserted, selection ? range.start : caret,
                                          selection ? range.end : caret);
        return result;
    }
    const DocumentId shown = shownDocument(docs);
    for (const SearchDocument& document : docs.inCollectionOrder()) {
        if (!document.hasText)
            continue;
        const bool inEditor = document.id == shown;
        const QString text = inEditor ? docs.editorText() : document.text;
        const std::vector<TermHit> hits = replaceable(pattern.all(text, {0, text.size()}), pattern);
        if (hits.empty())
            continue;
        result.count += qint32(hits.size());
        if (inEditor) {
            const qsizetype caret = std::clamp<qsizetype>(docs.selStart(), 0, text.size());
            result.editorEdit = editReplacing(text, hits, inserted, caret, caret);
            continue;
        }
        if (changesText(text, hits, inserted))
            result.documents.push_back(
                {document.id, replacedText(text, 0, text.size(), hits, inserted)});
    }
    return result;
}

// --- Texts -----------------------------------------------------------------------------

QString searchFinishedMessage()
{
    return QStringLiteral("Zebna damTavrda.\r\n\r\nmeti araa!!  ");
}

QString findAllSummary(qsizetype count)
{
    return count == 0 ? QStringLiteral("0 napovni")
                      : QString::number(count) + QStringLiteral(" napovnia");
}

QString hitListLine(qsizetype row)
{
    return QStringLiteral("napovni # ") + QString::number(row + 1);
}

QString replaceAllSummary(qsizetype count)
{
    return count == 0 ? QStringLiteral("araferi ar Seicvala")
                      : QString::number(count) + QStringLiteral(" Seicvala");
}

QString staleHitMessage(HitCheck check)
{
    switch (check) {
    case HitCheck::DocumentClosed:
        return QStringLiteral("es dokumenti ukve daxurulia. Zebna Tavidan iwyeba.");
    case HitCheck::TextChanged:
        return QStringLiteral("teqsti Seicvala. Zebna Tavidan iwyeba.");
    case HitCheck::Current:
        break;
    }
    return QString();
}

std::optional<QString> searchTextFromSelection(const QString& selected)
{
    if (selected.isEmpty() || selected.contains(QStringLiteral("\r\n")))
        return std::nullopt;
    return selected;
}

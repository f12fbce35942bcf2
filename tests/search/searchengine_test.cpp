// The search over open documents on a stand-in document set: the matching rules and
// scopes, the walk, find all, listed hits, replace one and replace all, and the faults the
// search must not have.

#include "search/searchengine.h"

#include "conversions/bytes.h"
#include "conversions/conversions.h"
#include "platform/casefold.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

QString Q(const char* latin)
{
    return QString::fromLatin1(latin);
}

using Places = std::vector<std::pair<qint32, std::string>>;
enum Flags { Exact = 1, Whole = 2, Utf8 = 4, Russian = 8, AllDocuments = 16 };

// The test is the document set: documents as plain data, listed in the tree in an order of
// their own, and an editor with its own text or showing one of them.
class Search : public testing::Test, public SearchDocuments
{
protected:
    void TearDown() override { CaseFold::setRussianPairs(false); }

    std::vector<SearchDocument> inTreeOrder() const override
    {
        std::vector<SearchDocument> listed;
        for (const DocumentId id : tree)
            listed.push_back(*find(id));
        return listed;
    }
    std::vector<SearchDocument> inCollectionOrder() const override { return collection; }
    std::optional<SearchDocument> find(DocumentId id) const override
    {
        for (const SearchDocument& document : collection) {
            if (document.id == id)
                return document;
        }
        return std::nullopt;
    }
    std::optional<DocumentId> shown() const override { return showing; }
    QString editorText() const override { return editor; }
    qint32 selStart() const override { return start; }
    qint32 selLength() const override { return length; }

    DocumentId add(const char* text, bool hasText = true)
    {
        const auto id = DocumentId(collection.size() + 1);
        collection.push_back({id, Q(text), hasText});
        tree.push_back(id);
        return id;
    }
    // Showing another document stores the editor's text first, as switching does.
    void select(const HitSelection& where)
    {
        if (where.doc != kEditorOwnText && where.doc != showing) {
            if (showing)
                collection[*showing - 1].text = editor;
            showing = where.doc;
            editor = collection[where.doc - 1].text;
        }
        start = where.selStart;
        length = where.selLength;
    }
    void apply(const TextEdit& edit)
    {
        editor.replace(edit.start, edit.length, edit.replacement);
        select({kEditorOwnText, edit.selStart, edit.selLength});
    }
    // The editor's own text with this selection, the window called up over it.
    void editorHolds(const QString& text, qint32 selStart = 0, qint32 selLength = 0,
                     SearchScope scope = SearchScope::WholeText)
    {
        editor = text;
        select({kEditorOwnText, selStart, selLength});
        engine.callUp(*this);
        engine.chooseScope(scope, *this);
    }
    void searchFor(const QString& text, int flags = Exact)
    {
        CaseFold::setRussianPairs(flags & Russian);
        engine.setOptions({text, bool(flags & AllDocuments), bool(flags & Exact),
                           bool(flags & Whole), bool(flags & Utf8)});
    }
    // Find next up to the end message: each hit's place and the text selected.
    Places clickThrough()
    {
        Places found;
        for (FoundNext next = engine.findNext(*this); next.result == FindNextResult::Found;
             next = engine.findNext(*this)) {
            select(next.where);
            found.emplace_back(start, textToBytes(editor.mid(start, length)).toStdString());
        }
        return found;
    }
    HitSelection next() { return engine.findNext(*this).where; }

    std::vector<SearchDocument> collection;
    std::vector<DocumentId> tree;
    std::optional<DocumentId> showing;
    QString editor;
    qint32 start = 0;
    qint32 length = 0;
    SearchEngine engine;
};

} // namespace

TEST_F(Search, FindNextAndFindAllFollowTheMatchingRulesAndTheScope)
{
    struct Case
    {
        const char* text;
        const char* search;
        int flags;
        SearchScope scope;
        qint32 start;
        qint32 length;
        Places found; // by find next, twice over; find all lists the same places
    };
    using enum SearchScope;
    const char* const utf8 = "\xE1\x83\x92\xE1\x83\x96\xE1\x83\x90"; // "gza" in UTF-8
    const std::string utf8Text = "gza " + std::string(utf8);
    const Case cases[] = {
        // Empty alternatives skipped; on one place the first term wins; the last character.
        {"dog cat dog", "cat|>dog|>", Exact, WholeText, 0, 0, {{0, "dog"}, {4, "cat"}, {8, "dog"}}},
        {"dog", "|>", Exact, WholeText, 0, 0, {}},
        {"xabcx", "ab|>abc", Exact, WholeText, 0, 0, {{1, "ab"}}},
        {"xabcx", "abc|>ab|>x", Exact, WholeText, 0, 0, {{0, "x"}, {1, "abc"}, {4, "x"}}},
        // Whole words only between blanks, the word alone selected; a blank shared.
        {"cat cat, cat\r\ncat cat cat", "cat", Whole, WholeText, 0, 0, {{18, "cat"}}},
        {"x a a x", "a", Whole, WholeText, 0, 0, {{2, "a"}, {4, "a"}}},
        // C0 and E0 pair only in the Russian mode, never as Georgian letters.
        {"A\xC0 a\xE0", "a\xE0", 0, WholeText, 0, 0, {{3, "a\xE0"}}},
        {"A\xC0 a\xE0", "a\xE0", Russian, WholeText, 0, 0, {{0, "A\xC0"}, {3, "a\xE0"}}},
        {"A\xC0 a\xE0", "A", Exact | Russian, WholeText, 0, 0, {{0, "A"}}},
        {utf8Text.c_str(), "gza|>xyz", Exact | Utf8, WholeText, 0, 0, {{4, utf8}}},
        // "ab" at 0, 3, 6 and 9: a hit lies wholly inside the range.
        {"ab ab ab ab", "ab", Exact, Selection, 3, 4, {{3, "ab"}}},
        {"ab ab ab ab", "ab", Exact, Upward, 4, 0, {{0, "ab"}}},
        {"ab ab ab ab", "ab", Exact, Downward, 4, 0, {{6, "ab"}, {9, "ab"}}},
        {"ab ab", "ab", Exact, Downward, 0, 0, {{0, "ab"}, {3, "ab"}}},
        {"ab ab", "ab", Exact, Downward, 5, 0, {{0, "ab"}, {3, "ab"}}}, // from the end: the top
    };
    for (const Case& c : cases) {
        editorHolds(Q(c.text), c.start, c.length, c.scope);
        searchFor(Q(c.search), c.flags);
        EXPECT_EQ(clickThrough(), c.found) << c.text << " / " << c.search;
        EXPECT_EQ(clickThrough(), c.found) << "again after the end message";
        engine.findAll(*this);
        std::set<qint32> listed, places;
        for (const SearchHit& hit : engine.hits())
            listed.insert(hit.Pos);
        for (const auto& [place, text] : c.found)
            places.insert(place);
        EXPECT_EQ(listed, places) << c.text << " / " << c.search;
    }
}

TEST_F(Search, ASearchUnderWayStartsAfreshOnAnyChange)
{
    editorHolds(Q("A\xC0 a\xE0"));
    searchFor(Q("\xE0"), 0);
    EXPECT_EQ(next().selStart, 4);
    CaseFold::setRussianPairs(true); // the language mode changes the fold table
    EXPECT_EQ(clickThrough(), (Places{{1, "\xC0"}, {4, "\xE0"}}));

    editorHolds(Q("ab AB ab"));
    searchFor(Q("ab"));
    next();
    EXPECT_EQ(next().selStart, 6);
    searchFor(Q("ab"), 0);
    EXPECT_EQ(next().selStart, 0);
    EXPECT_EQ(next().selStart, 3);
    engine.callUp(*this);
    EXPECT_EQ(next().selStart, 0);
    searchFor(Q("ab"), 0); // the same options: the search goes on
    EXPECT_EQ(next().selStart, 3);
    searchFor(QString());
    EXPECT_EQ(engine.findNext(*this).result, FindNextResult::Nothing);
}

TEST_F(Search, FindNextWalksTheTreeOrderAndFindAllTheCollectionOrder)
{
    const DocumentId a = add("x a");
    const DocumentId picture = add("<XXX> a", false);
    const DocumentId b = add("a x a");
    const DocumentId c = add("an");
    tree = {b, picture, c, a};
    select({a, 0, 0});
    searchFor(Q("a"), Exact | AllDocuments);
    EXPECT_EQ(clickThrough(), (Places{{0, "a"}, {4, "a"}, {0, "a"}, {2, "a"}}));
    EXPECT_EQ(showing, a);
    EXPECT_EQ(next(), (HitSelection{b, 0, 1})) << "over again from the first of the tree";

    ASSERT_EQ(engine.findAll(*this), 4);
    EXPECT_EQ(engine.hits(),
              (std::vector<SearchHit>{{2, 1, a, 0}, {0, 1, b, 0}, {4, 1, b, 0}, {0, 1, c, 0}}));

    // A document closed during the walk is passed over.
    collection.erase(collection.begin() + 3);
    tree = {b, picture, a};
    EXPECT_EQ(next(), (HitSelection{b, 4, 1}));
    EXPECT_EQ(next(), (HitSelection{a, 2, 1}));

    collection.clear(); // no document at all
    tree.clear();
    engine.callUp(*this);
    EXPECT_EQ(engine.findNext(*this).result, FindNextResult::Finished);
    EXPECT_EQ(engine.findAll(*this), 0);
}

TEST_F(Search, TheShownDocumentIsSearchedInTheEditorAndOnlyChangedTextsAreReplaced)
{
    const DocumentId a = add("old");
    const DocumentId b = add("cat");
    add("Dog");
    add("dog");
    select({a, 15, 0});
    editor = Q("typed cat since"); // not stored yet
    searchFor(Q("cat|>Dog"), Exact | AllDocuments);
    EXPECT_EQ(next(), (HitSelection{a, 6, 3}));
    ASSERT_EQ(engine.findAll(*this), 3);
    EXPECT_EQ(engine.hits()[0], (SearchHit{6, 3, a, 0}));

    const ReplaceAllResult result = engine.replaceAll(*this, Q("Dog"));
    EXPECT_EQ(result.count, 3);
    apply(*result.editorEdit);
    EXPECT_EQ(editor, Q("typed Dog since")) << "the edits since the last switch stay";
    EXPECT_EQ(start, 15);
    // Dog replaced by itself changes nothing, dog holds no hit: only b is to be marked.
    ASSERT_EQ(result.documents.size(), 1u);
    EXPECT_EQ(result.documents[0].doc, b);
    EXPECT_EQ(result.documents[0].text, Q("Dog"));
}

TEST_F(Search, ReplaceAllReplacesExactlyTheListedHitsAndCountsThem)
{
    struct Case
    {
        const char* text;
        const char* search;
        int flags;
        SearchScope scope;
        qint32 start;
        qint32 length;
        const char* expected;
        qint32 count;
        std::pair<qint32, qint32> selection; // afterwards
    };
    using enum SearchScope;
    const Case cases[] = {
        {"a cat concatenate cat b",
         "cat",
         Exact | Whole,
         WholeText,
         0,
         0,
         "a mouse concatenate mouse b",
         2,
         {0, 0}},
        {"Cat CAT cat", "cat", 0, WholeText, 0, 0, "mouse mouse mouse", 3, {0, 0}},
        {"Cat CAT cat", "cat", Exact, WholeText, 0, 0, "Cat CAT mouse", 1, {0, 0}},
        {"cat cat", "cat", Exact, Downward, 0, 0, "mouse mouse", 2, {0, 0}},
        {"cat cat cat", "cat", Exact, Downward, 5, 0, "cat cat mouse", 1, {5, 0}},
        {"cat cat cat", "cat", Exact, Upward, 5, 0, "mouse cat cat", 1, {7, 0}},
        {"ab ab ab ab", "ab", Exact, Selection, 3, 4, "ab mouse ab ab", 1, {3, 7}},
        {"ab ab ab", "ab", Exact, WholeText, 4, 0, "mouse mouse mouse", 3, {11, 0}}, // in a hit
        {"abcd", "bc|>ab|>cd", Exact, WholeText, 0, 0, "mousemouse", 2, {0, 0}},     // overlapping
        {"cat cat", "dog", Exact, WholeText, 0, 0, "cat cat", 0, {0, 0}},
    };
    for (const Case& c : cases) {
        editorHolds(Q(c.text), c.start, c.length, c.scope);
        searchFor(Q(c.search), c.flags);
        const qsizetype listed = engine.findAll(*this);
        const ReplaceAllResult result = engine.replaceAll(*this, Q("mouse"));
        if (result.editorEdit)
            apply(*result.editorEdit);
        EXPECT_EQ(editor, Q(c.expected)) << c.text;
        EXPECT_EQ(result.count, c.count) << c.text;
        EXPECT_EQ(std::pair(start, length), c.selection) << c.text;
        if (!hasAlternatives(Q(c.search))) {
            EXPECT_EQ(listed, c.count) << c.text;
        }
    }
    editorHolds(Q("1"));
    searchFor(Q("1"), Exact | Utf8);
    apply(*engine.replaceAll(*this, Q("a")).editorEdit);
    EXPECT_EQ(editor, ConvertByTables(Q("a"), 1, 0)) << "the replacement in UTF-8 too";
}

TEST_F(Search, ReplaceOneGoesOnAfterTheInsertedText)
{
    // Longer: not found again; shorter: nothing skipped.
    for (const auto& [text, replacement, expected] :
         {std::tuple("cat cat", "concat", "concat concat"), std::tuple("catcat", "c", "cc")}) {
        editorHolds(Q(text));
        searchFor(Q("cat"));
        for (int click = 0; click < 4; ++click) {
            const FoundNext found = engine.findNext(*this);
            if (found.result != FindNextResult::Found)
                break;
            select(found.where);
            apply(*engine.replaceOne(*this, Q(replacement)));
            EXPECT_EQ(editor.mid(start, length), Q(replacement));
        }
        EXPECT_EQ(editor, Q(expected));
    }
    editorHolds(Q("x"), 1);
    EXPECT_FALSE(engine.replaceOne(*this, Q("y"))) << "nothing selected";

    // The selection scope's range keeps to its text; the walk stays in its document.
    editorHolds(Q("ab ab ab"), 0, 5, SearchScope::Selection);
    searchFor(Q("ab"));
    select(next());
    apply(*engine.replaceOne(*this, Q("longer")));
    EXPECT_EQ(clickThrough(), (Places{{7, "ab"}}));

    editorHolds(QString());
    select({add("none"), 0, 0});
    const DocumentId b = add("cat cat");
    searchFor(Q("cat"), Exact | AllDocuments);
    select(next());
    apply(*engine.replaceOne(*this, Q("cat cat")));
    EXPECT_EQ(next(), (HitSelection{b, 8, 3}));
}

TEST_F(Search, ListedHitsKeepTheirPlaceAndAreCheckedBeforeTheyAreShown)
{
    const DocumentId a = add("x cat x");
    const DocumentId b = add("x cat x");
    select({a, 0, 0});
    searchFor(Q("cat"), Exact | Whole | AllDocuments);
    ASSERT_EQ(engine.findAll(*this), 2);
    searchFor(Q("cat"), Exact | AllDocuments); // whole words off after listing
    EXPECT_EQ(engine.showHit(1, *this).where, (HitSelection{b, 2, 3}));
    EXPECT_EQ(engine.showHit(2, *this).check, HitCheck::TextChanged) << "no such row";

    engine.findAll(*this);
    collection.pop_back();
    EXPECT_EQ(engine.showHit(1, *this).check, HitCheck::DocumentClosed);
    EXPECT_TRUE(engine.hits().empty()) << "the list is emptied";
    engine.findAll(*this);
    editor = Q("x bat x");
    EXPECT_EQ(engine.showHit(0, *this).check, HitCheck::TextChanged);
    EXPECT_TRUE(engine.hits().empty());
}

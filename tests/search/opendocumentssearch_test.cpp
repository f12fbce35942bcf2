// The search over the program's own documents: identities that outlive closing, the tree's
// order, and the editor's live text for the document it shows.

#include "search/opendocumentssearch.h"

#include "documents/documentstate.h"
#include "documents/editortext.h"
#include "search/searchengine.h"

#include <gtest/gtest.h>

namespace {

class PlainEditor : public EditorText
{
public:
    QString text() const override { return m_text; }
    void setText(const QString& text) override { m_text = text; }
    qint32 selStart() const override { return 0; }
    qint32 selLength() const override { return 0; }
    void select(qint32, qint32) override {}

private:
    QString m_text;
};

} // namespace

TEST(OpenDocumentsSearch, WalksTheTreeFindsInTheLiveTextAndKnowsClosedDocuments)
{
    PlainEditor editor;
    DocumentState state(editor);
    const OpenDocumentsSearch docs(state, editor);
    state.appendShown(QStringLiteral("cat"), FilePath(), QStringLiteral("b.txt"), false);
    state.appendNoText(FilePath(QStringLiteral("/p/cat.gif")));
    state.appendShown(QStringLiteral("old"), FilePath(), QStringLiteral("a.html"), false);
    editor.setText(QStringLiteral("a cat")); // typed, not stored yet
    const DocumentId b = state.Docs().Item(0).Serial;
    const DocumentId a = state.Docs().Item(2).Serial;
    EXPECT_EQ(docs.shown(), a);

    SearchEngine engine;
    engine.setOptions({QStringLiteral("cat"), true, true, false, false});
    EXPECT_EQ(engine.findNext(docs).where, (HitSelection{a, 2, 3})) << "a.html first in the tree";
    EXPECT_EQ(engine.findNext(docs).where, (HitSelection{b, 0, 3}));
    ASSERT_EQ(engine.findAll(docs), 2);
    EXPECT_EQ(engine.hits()[0].Doc, b) << "find all in the collection's order";

    state.remove(0);
    EXPECT_EQ(documentIndexOf(state.Docs(), a), 1);
    EXPECT_EQ(documentIndexOf(state.Docs(), b), -1);
    EXPECT_EQ(documentIndexes(state.Docs()).value(a, -1), 1);
    EXPECT_FALSE(documentIndexes(state.Docs()).contains(b));
    EXPECT_EQ(engine.showHit(0, docs).check, HitCheck::DocumentClosed);
    state.appendShown(QStringLiteral("cat"), FilePath(), QStringLiteral("b.txt"), false);
    EXPECT_NE(state.Docs().Item(2).Serial, b) << "a new document, a new identity";
}

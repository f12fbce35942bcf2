#include "core/collection.h"

#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

namespace {

void append(ColectionMain& docs, const QString& text)
{
    ASSERT_TRUE(docs.AddNewIthem(text, -1, QString(), QString()));
}

QStringList values(ColectionMain& docs)
{
    QStringList result;
    for (qint16 i = 0; i < docs.Count(); ++i)
        result << docs.Item(i).Value;
    return result;
}

} // namespace

TEST(Collection, AppendsIntoTheNextSlotWithEverythingElseEmpty)
{
    ColectionMain docs;
    EXPECT_EQ(docs.Count(), 0);
    ASSERT_TRUE(
        docs.AddNewIthem(QStringLiteral("<HTML>"), -1, QStringLiteral("k"), QStringLiteral("t")));
    ASSERT_EQ(docs.Count(), 1);
    const Ithem& item = docs.Item(0);
    EXPECT_EQ(item.Index, 0);
    EXPECT_EQ(item.Value, QStringLiteral("<HTML>"));
    EXPECT_EQ(item.Kay, QStringLiteral("k"));
    EXPECT_EQ(item.Tag, QStringLiteral("t"));
    EXPECT_EQ(item.filepath, QString());
    EXPECT_EQ(item.saved, 0);
    EXPECT_EQ(item.Changed, 0);
    EXPECT_EQ(item.FrameSet, 0);
    EXPECT_EQ(item.SStart, 0);
}

TEST(Collection, RemovalMovesLaterItemsDownAndKeepsTheirIndex)
{
    ColectionMain docs;
    for (const char* text : {"a", "b", "c", "d"})
        append(docs, QString::fromLatin1(text));
    docs.RemoveIthem(0);
    EXPECT_EQ(values(docs),
              QStringList({QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(docs.Item(0).Index, 1);
    EXPECT_EQ(docs.Item(1).Index, 2);

    docs.RemoveIthem(1);
    EXPECT_EQ(values(docs), QStringList({QStringLiteral("b"), QStringLiteral("d")}));
    docs.RemoveIthem(1);
    EXPECT_EQ(values(docs), QStringList({QStringLiteral("b")}));
    docs.RemoveIthem(0);
    EXPECT_EQ(docs.Count(), 0);

    append(docs, QStringLiteral("again"));
    EXPECT_EQ(docs.Item(0).Index, 0);
}

TEST(Collection, AnIndexOutsideTheCollectionRemovesNothing)
{
    ColectionMain docs;
    docs.RemoveIthem(0);
    append(docs, QStringLiteral("a"));
    append(docs, QStringLiteral("b"));
    docs.RemoveIthem(2);
    docs.RemoveIthem(-1);
    docs.RemoveIthem(32767);
    EXPECT_EQ(values(docs), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
}

TEST(Collection, ItemOutsideTheCollectionIsEmptyAndBelongsToNothing)
{
    ColectionMain docs;
    Ithem& outside = docs.Item(0);
    EXPECT_EQ(outside.Value, QString());
    outside.Value = QStringLiteral("lost");
    outside.Changed = -1;
    EXPECT_EQ(docs.Count(), 0);

    append(docs, QStringLiteral("a"));
    EXPECT_EQ(docs.Item(5).Value, QString()) << "nothing written outside may come back";
    EXPECT_EQ(docs.Item(-1).Changed, 0);
    EXPECT_EQ(docs.Count(), 1);
    EXPECT_EQ(docs.Item(0).Value, QStringLiteral("a"));
}

TEST(Collection, InsertsAtAGivenPositionAndRefusesOneBeyondTheEnd)
{
    ColectionMain docs;
    append(docs, QStringLiteral("b"));
    ASSERT_TRUE(docs.AddNewIthem(QStringLiteral("a"), 0, QString(), QString()));
    EXPECT_EQ(values(docs), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(docs.Item(0).Index, 0);

    ScriptedPrompts prompts;
    EXPECT_FALSE(docs.AddNewIthem(QStringLiteral("x"), 3, QString(), QString()));
    EXPECT_EQ(docs.Count(), 2);
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].kind, QStringLiteral("platform"));
    EXPECT_EQ(prompts.asked()[0].prompt, QStringLiteral("indeqsi araa swore."));
    EXPECT_EQ(prompts.asked()[0].title, QStringLiteral("ColectionMain"));
}

TEST(Collection, ClearingKeepsTheProjectState)
{
    ColectionMain docs;
    docs.setWEBopened(-1);
    docs.setWEBpath(QStringLiteral("/site/"));
    docs.setWEBtitle(QStringLiteral("site.WEB"));
    docs.setWEBChanged(-1);
    append(docs, QStringLiteral("a"));
    append(docs, QStringLiteral("b"));
    docs.Cler();
    EXPECT_EQ(docs.Count(), 0);
    EXPECT_EQ(docs.WEBopened(), -1);
    EXPECT_EQ(docs.WEBpath(), QStringLiteral("/site/"));
    EXPECT_EQ(docs.WEBtitle(), QStringLiteral("site.WEB"));
    EXPECT_EQ(docs.WEBChanged(), -1);
}

TEST(Collection, AReadOnlyLookOutsideTheCollectionGivesAnEmptyItem)
{
    ColectionMain docs;
    append(docs, QStringLiteral("a"));
    const ColectionMain& reading = docs;
    EXPECT_EQ(reading.Item(0).Value, QStringLiteral("a"));
    EXPECT_EQ(reading.Item(0).NoText, 0);
    EXPECT_EQ(reading.Item(1).Value, QString());
    EXPECT_EQ(reading.Item(-1).filepath, QString());
    EXPECT_EQ(docs.Count(), 1);
}

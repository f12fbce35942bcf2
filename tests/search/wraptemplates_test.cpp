// Wrap templates: the .TFF file byte for byte, refused files, and the list of the run with
// the template being edited.

#include "search/wraptemplates.h"

#include "conversions/bytes.h"
#include "support/testfolders.h"

#include <gtest/gtest.h>

namespace {

QString Q(const char* latin)
{
    return QString::fromLatin1(latin);
}

QByteArray bytesOf(std::initializer_list<int> values)
{
    return textToBytes(byteText(values));
}

QStringList namesOf(const std::vector<TFormat>& formats)
{
    QStringList names;
    for (const TFormat& format : formats)
        names << format.name;
    return names;
}

// Two templates: "b" around a selection, and one with 8-bit letters after nothing.
std::vector<TFormat> twoTemplates()
{
    return {{Q("b"), templateBody(Q("<b>"), Q("</b>"))},
            {byteText({0xC0, 0xE4}), templateBody(byteText({0xFF}), QString())}};
}
const QByteArray kTwoTemplatesFile = bytesOf(
    {0x01, 0x00, 0x01, 0x00, 'b',  0x0C, 0x00, '<',  'b',  '>',  '<', 0xA7, '$', 0xA7, '>', '<',
     '/',  'b',  '>',  0x02, 0x00, 0xC0, 0xE4, 0x06, 0x00, 0xFF, '<', 0xA7, '$', 0xA7, '>'});

} // namespace

// ---- The file --------------------------------------------------------------------------

TEST(TffFile, IsWrittenAndReadByteForByte)
{
    // One template named A whose body is the separator alone: twelve bytes.
    const std::vector<TFormat> one{{Q("A"), templateSeparator()}};
    EXPECT_EQ(tffBytes(one).bytes,
              bytesOf({0x00, 0x00, 0x01, 0x00, 'A', 0x05, 0x00, '<', 0xA7, '$', 0xA7, '>'}));
    EXPECT_EQ(tffBytes(twoTemplates()).bytes, kTwoTemplatesFile);
    EXPECT_EQ(parseTff(kTwoTemplatesFile).formats, twoTemplates());

    // Every byte from 80 to FF, both ways.
    QString high;
    for (int b = 0x80; b <= 0xFF; ++b)
        high += QChar(char16_t(b));
    const std::vector<TFormat> eightBit{{high, high}};
    const std::optional<QByteArray> bytes = tffBytes(eightBit).bytes;
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->sliced(4, 128), textToBytes(high));
    EXPECT_EQ(parseTff(*bytes).formats, eightBit);

    // A body is cut at its last separator.
    const QString body = Q("<a>") + templateSeparator() + Q("x") + templateSeparator();
    EXPECT_EQ(splitTemplateBody(body),
              (TemplateParts{Q("<a>") + templateSeparator() + Q("x"), {}}));
}

TEST(TffFile, ADamagedFileIsRefusedWhole)
{
    for (qsizetype size = 0; size < kTwoTemplatesFile.size(); ++size) {
        const TffContent read = parseTff(kTwoTemplatesFile.first(size));
        EXPECT_FALSE(read.formats) << size;
        EXPECT_FALSE(read.refusal.isEmpty()) << size;
    }
    // Every negative upper bound, -1 (no template) too.
    for (const int high : {0xFF, 0x80}) {
        for (const int low : {0xFF, 0xFE, 0x00}) {
            const TffContent negative = parseTff(bytesOf({low, high}));
            EXPECT_FALSE(negative.formats) << low << " " << high;
            EXPECT_EQ(negative.refusal, Q("formatebis raodenoba failSi arasworia."));
        }
    }
    // A length past the end, though the file goes on after it.
    EXPECT_FALSE(parseTff(bytesOf({0x00, 0x00, 0x01, 0x00, 'A', 0xFF, 0x7F, 'x'})).formats);
}

TEST(TffFile, IsSavedWholeOrNotAtAll)
{
    TestFolders folders;
    const QString path = folders.path(Q("t.TFF"));
    ASSERT_EQ(writeTffFile(path, twoTemplates()), QString());
    EXPECT_EQ(readFile(path), kTwoTemplatesFile);
    EXPECT_EQ(readTffFile(path).formats, twoTemplates());

    // A string longer than a length can say: refused, naming the template; the file stays.
    std::vector<TFormat> tooLong = twoTemplates();
    tooLong.push_back({Q("long"), QString(65535, QLatin1Char('x'))});
    EXPECT_TRUE(tffBytes(tooLong).bytes) << "65,535 bytes still fit";
    tooLong.back().body += QLatin1Char('x');
    EXPECT_EQ(writeTffFile(path, tooLong), Q("formati 3 (long) Zalian grZelia da ver Caiwereba."));
    EXPECT_EQ(readFile(path), kTwoTemplatesFile);

    // A folder that cannot hold the file: the reason is told.
    const QString blocker = folders.path(Q("blocker"));
    writeFile(blocker, "keep");
    EXPECT_TRUE(
        writeTffFile(blocker + Q("/t.TFF"), twoTemplates()).startsWith(Q("faili ver Caiwera: ")));
    EXPECT_FALSE(readTffFile(folders.path(Q("missing.TFF"))).formats);
}

// ---- The list of the run -------------------------------------------------------------------

class Templates : public testing::Test
{
protected:
    void SetUp() override
    {
        list.setOnChange([this] { menu = namesOf(list.TFormats()); });
        for (const char* name : {"A", "B", "C"})
            list.addOrUpdate(Q(name), Q("<"), Q(">"));
    }

    TFormatList list;
    QStringList menu; // the templates menu, rebuilt on every change
};

TEST_F(Templates, AddAppendsAndTheMenuFollowsEveryChange)
{
    EXPECT_EQ(menu, QStringList({Q("A"), Q("B"), Q("C")}));
    EXPECT_FALSE(list.addOrUpdate(QString(), Q("<"), Q(">")));

    // Loaded templates go last, also after a template without a name.
    list.append({{QString(), Q("x")}, {Q("E"), Q("y")}});
    EXPECT_EQ(menu, QStringList({Q("A"), Q("B"), Q("C"), QString(), Q("E")}));
    EXPECT_EQ(list.addOrUpdate(Q("F"), Q("<"), Q(">")), 5u);
    EXPECT_EQ(list.TFormats()[3].body, Q("x"));

    for (int i = 0; i < 6; ++i)
        list.remove(0);
    EXPECT_TRUE(menu.isEmpty());
}

TEST_F(Templates, AnUpdateGoesToTheTemplateBeingEdited)
{
    const auto fields = list.beginEdit(0);
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->name, Q("A"));
    EXPECT_EQ(fields->parts, (TemplateParts{Q("<"), Q(">")}));
    // Another row is clicked meanwhile; the update still goes to A.
    EXPECT_EQ(list.addOrUpdate(Q("A2"), Q("["), Q("]")), 0u);
    EXPECT_EQ(list.TFormats()[0], (TFormat{Q("A2"), templateBody(Q("["), Q("]"))}));
    EXPECT_FALSE(list.edited()) << "the next ADD adds";
    EXPECT_EQ(list.addOrUpdate(Q("D"), Q("<"), Q(">")), 3u);

    // Followed through the removal of a template before it.
    list.beginEdit(2);
    list.remove(0);
    EXPECT_EQ(list.edited(), 1u);
    EXPECT_EQ(list.addOrUpdate(Q("C2"), Q("<"), Q(">")), 1u);
    EXPECT_EQ(menu, QStringList({Q("B"), Q("C2"), Q("D")}));

    // Removed while edited: the update is added anew and nothing else is touched.
    list.beginEdit(0);
    list.remove(0);
    EXPECT_EQ(list.addOrUpdate(Q("B2"), Q("<"), Q(">")), 2u);
    EXPECT_EQ(menu, QStringList({Q("C2"), Q("D"), Q("B2")}));
    EXPECT_FALSE(list.beginEdit(3));
}

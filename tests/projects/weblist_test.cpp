#include "projects/projectreading.h"
#include "projects/weblist.h"
#include "support/testfolders.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QStringList names(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* name : list)
        result << QString::fromUtf8(name);
    return result;
}

} // namespace

TEST(WebListReader, SplitsAtCrLfSkipsBlankLinesAndStopsAtTheFirstStartLine)
{
    const struct
    {
        const char* bytes;
        QStringList entries;
        const char* startPage;
    } cases[] = {
        {"a.html\r\nb.css\r\nSTOPF=a.html\r\n", names({"a.html", "b.css"}), "a.html"},
        {"\r\n   \r\na.html\r\n\r\nSTOPF=x", names({"a.html"}), "x"},
        {" a.html \r\nSTOPF= b", names({" a.html "}), " b"},
        {"a.html\r\nSTOPF=a.html\r\nc.html\r\nSTOPF=c.html\r\n", names({"a.html"}), "a.html"},
        {" STOPF=a\r\nSTOPF=", names({" STOPF=a"}), ""},
        {"a.html\nb.html\nSTOPF=a.html\n", names({"a.html\nb.html\nSTOPF=a.html\n"}), ""},
        {"", {}, ""},
    };
    for (const auto& c : cases) {
        const WebList list = readWebList(QByteArray(c.bytes));
        EXPECT_EQ(list.entries, c.entries) << c.bytes;
        EXPECT_EQ(list.startPage, QString::fromUtf8(c.startPage)) << c.bytes;
    }
}

TEST(WebListReader, NamesAreFileSystemBytesAndOldEightBitNamesStayReadable)
{
    const WebList list =
        readWebList("\xE1\x83\x90.html\r\n\xC0\xE4.html\r\nSTOPF=\xE1\x83\x90.html");
    EXPECT_EQ(list.entries,
              QStringList({QStringLiteral("\u10D0.html"), QStringLiteral("\u00C0\u00E4.html")}));
    EXPECT_EQ(list.startPage, QStringLiteral("\u10D0.html"));
}

TEST(WebListWriters, WriteTheirOrderAndEndingByteForByte)
{
    const QStringList titles = names({"b.css", "x.zip", "a.html", "s.js", "p.gif"});
    EXPECT_EQ(wizardWebList(names({"Index.HTML", "NewPage1.HTML", "pic.png"})),
              QByteArray("Index.HTML\r\nNewPage1.HTML\r\npic.png\r\nSTOPF=Index.HTML\r\n"));
    EXPECT_EQ(savedWebList(titles, QStringLiteral("s.js"), WebListEnding::LineEnd),
              QByteArray("a.html\r\nb.css\r\ns.js\r\np.gif\r\nx.zip\r\nSTOPF=s.js\r\n"));
    EXPECT_EQ(savedWebList(titles, QStringLiteral("out.html"), WebListEnding::NoLineEnd),
              QByteArray("a.html\r\nb.css\r\ns.js\r\np.gif\r\nx.zip\r\nSTOPF=out.html"))
        << "the start page is the current document, in the project or not";
    EXPECT_EQ(createdWebList(titles, QStringLiteral("a.html")),
              QByteArray("b.css\r\nx.zip\r\na.html\r\ns.js\r\np.gif\r\nSTOPF=a.html"));
    EXPECT_EQ(createdWebList({QStringLiteral("\u10D0.html")}, QStringLiteral("\u10D0.html")),
              QByteArray("\xE1\x83\x90.html\r\nSTOPF=\xE1\x83\x90.html"));
}

TEST(WebListWriters, NamesThatWouldBreakTheListAreNotListable)
{
    for (const char* name : {"a.html", " x ", "sub\\a.html", "\xC3\xA0.html"})
        EXPECT_TRUE(isListableName(QString::fromUtf8(name))) << name;
    for (const char* name : {"", "   ", "a\nb.html", "a\rb.html", "STOPF=a.html"})
        EXPECT_FALSE(isListableName(QString::fromUtf8(name))) << name;
}

TEST(WebListWriters, EveryWrittenListOpensAgainWithItsFilesAndStartPage)
{
    TestFolders folders;
    const QString folder = folders.root() + QStringLiteral("/site");
    QDir().mkpath(folder);
    const QStringList files = names({"a.html", "b.css", "\xE1\x83\x90.txt", "p.gif"});
    for (const QString& name : files)
        writeFile(folder + QLatin1Char('/') + name, "x");
    const QByteArray lists[] = {
        wizardWebList(files),
        savedWebList(files, files[1], WebListEnding::LineEnd),
        savedWebList(files, files[1], WebListEnding::NoLineEnd),
        createdWebList(files, files[1]),
    };
    for (const QByteArray& list : lists) {
        writeFile(folder + QStringLiteral("/site.WEB"), list);
        const ProjectRead read = readProject(folder + QStringLiteral("/site.WEB"));
        QStringList titles;
        for (const ProjectFile& file : read.files)
            titles << file.title;
        titles.sort();
        QStringList expected = files;
        expected.sort();
        EXPECT_EQ(titles, expected) << list.constData();
        EXPECT_TRUE(read.missing.isEmpty());
        EXPECT_FALSE(read.changed);
        EXPECT_EQ(read.startPage, list == lists[0] ? files[0] : files[1]);
    }
}

#include "projects/projectreading.h"
#include "support/testfolders.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// A project folder "site" inside a temporary root.
class ProjectFiles : public testing::Test
{
protected:
    QString root() const { return folders.root(); }
    QString site(const QString& name = QString()) const
    {
        return root() + QStringLiteral("/site/") + name;
    }
    QString put(const QString& path, const QByteArray& bytes = "x")
    {
        QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
        writeFile(path, bytes);
        return path;
    }
    ProjectRead open(const QByteArray& list)
    {
        return readProject(put(site(QStringLiteral("site.WEB")), list));
    }

    TestFolders folders;
};

} // namespace

TEST_F(ProjectFiles, EntriesAreFoundInTheFolderElsewhereUnderTheirBareNameOrNotAtAll)
{
    put(site(QStringLiteral("a.html")));
    put(site(QStringLiteral("sub/p.htm")));
    put(site(QStringLiteral("Mixed.HTML")));
    put(site(QStringLiteral("two.html")));
    put(site(QStringLiteral("TWO.html")));
    put(site(QStringLiteral("inner.html")));
    put(root() + QStringLiteral("/inner.html"));
    put(root() + QStringLiteral("/outside.html"));
    const struct
    {
        const char* entry;
        const char* path; // "" for missing
        const char* title;
        bool rebased;
    } cases[] = {
        {"a.html", "a.html", "a.html", false},
        {"sub\\p.htm", "sub/p.htm", "sub\\p.htm", false},
        {"SUB\\P.HTM", "sub/p.htm", "SUB\\P.HTM", false},
        {"mixed.html", "Mixed.HTML", "mixed.html", false},
        {"Two.html", "", "", false}, // two files differ from it only in letter case
        {"sub\\a.html", "a.html", "sub\\a.html", true},
        {"C:\\web\\a.html", "a.html", "C:\\web\\a.html", true},
        {"/etc/a.html", "a.html", "/etc/a.html", true},
        {"..\\inner.html", "inner.html", "inner.html", true},
        {"../outside.html", "", "", false},
        {"sub\\..\\a.html", "a.html", "sub\\..\\a.html", false},
        {"..", "", "", false},
        {"gone.html", "", "", false},
    };
    ProjectFolder folder(site());
    EXPECT_EQ(folder.path(), site());
    for (const auto& c : cases) {
        const std::optional<ProjectFolder::Found> found = folder.find(QString::fromUtf8(c.entry));
        if (!*c.path) {
            EXPECT_FALSE(found) << c.entry;
            continue;
        }
        ASSERT_TRUE(found) << c.entry;
        EXPECT_EQ(found->path, site(QString::fromUtf8(c.path))) << c.entry;
        EXPECT_EQ(found->title, QString::fromUtf8(c.title)) << c.entry;
        EXPECT_EQ(found->rebased, c.rebased) << c.entry;
    }
}

TEST_F(ProjectFiles, AProjectIsReadWholeWithTextsFilesWithoutTextAndWhatIsMissing)
{
    put(site(QStringLiteral("a.html")), "A\xC0\r\n");
    put(site(QStringLiteral("sub/s.css")), "b{}");
    put(site(QStringLiteral("p.gif")), QByteArray("GIF\0\0", 5));
    put(site(QStringLiteral("nul.html")), QByteArray("<\0>", 3));
    QDir().mkpath(site(QStringLiteral("dir.html")));
    const ProjectRead read = open("p.gif\r\nsub\\s.css\r\nmissing.html\r\nnul.html\r\n"
                                  "A.HTML\r\ndir.html\r\na.html\r\nsub\\x\\gone.gif\r\nsite.WEB\r\n"
                                  "STOPF=p.gif\r\n");
    EXPECT_EQ(read.listStatus, FileStatus::Readable);
    EXPECT_EQ(read.folder, site());
    EXPECT_EQ(read.listTitle, QStringLiteral("site.WEB"));
    ASSERT_EQ(read.files.size(), 4u) << "a file listed twice is one document";
    const struct
    {
        const char* title;
        const char* path;
        bool hasText;
        QByteArray text;
    } expected[] = {
        {"p.gif", "p.gif", false, {}},
        {"sub\\s.css", "sub/s.css", true, "b{}"},
        {"nul.html", "nul.html", false, {}},
        {"A.HTML", "a.html", true, "A\xC0\r\n"},
    };
    for (size_t i = 0; i < read.files.size(); ++i) {
        EXPECT_EQ(read.files[i].title, QString::fromUtf8(expected[i].title));
        EXPECT_EQ(read.files[i].path, site(QString::fromUtf8(expected[i].path)));
        EXPECT_EQ(read.files[i].hasText, expected[i].hasText);
        EXPECT_EQ(read.files[i].text.toLatin1(), expected[i].text);
    }
    EXPECT_EQ(read.startFile, 1) << "a start page without text shows the first text";
    EXPECT_TRUE(read.changed) << "a file listed twice, or the list itself, changes the list";
    EXPECT_EQ(projectOpenReport(read),
              QStringLiteral("File not found.\r\n\r\n") + site(QStringLiteral("missing.html")) +
                  QStringLiteral("\r\n") + site(QStringLiteral("sub/x/gone.gif")) +
                  QStringLiteral("\r\n\r\nFile could not be read.\r\n\r\n") +
                  site(QStringLiteral("dir.html")) + QStringLiteral("\r\n"));
}

TEST_F(ProjectFiles, TheStartPageIsTheNamedTextOrTheFirstTextOrNone)
{
    put(site(QStringLiteral("a.html")));
    put(site(QStringLiteral("b.html")));
    put(site(QStringLiteral("p.gif")));
    EXPECT_EQ(open("a.html\r\nb.html\r\nSTOPF=b.html").startFile, 1);
    EXPECT_EQ(open("p.gif\r\na.html\r\nSTOPF=nowhere.html").startFile, 1);
    const ProjectRead pictures = open("p.gif\r\nSTOPF=p.gif");
    EXPECT_EQ(pictures.startFile, -1);
    EXPECT_FALSE(pictures.changed);
    EXPECT_EQ(projectOpenReport(pictures), QString());
    const ProjectRead empty = open("STOPF=a.html\r\n");
    EXPECT_TRUE(empty.files.empty());
    EXPECT_EQ(empty.startFile, -1);
}

TEST_F(ProjectFiles, AListThatCannotBeReadGivesNothingElse)
{
    const ProjectRead missing = readProject(site(QStringLiteral("none.WEB")));
    EXPECT_EQ(missing.listStatus, FileStatus::Missing);
    EXPECT_TRUE(missing.files.empty());
    QDir().mkpath(site(QStringLiteral("folder.WEB")));
    EXPECT_EQ(readProject(site(QStringLiteral("folder.WEB"))).listStatus, FileStatus::Unreadable);
}

#include "projects/projectwizard.h"

#include "core/progprops.h"
#include "platform/paths.h"
#include "projects/projectreading.h"
#include "support/testfolders.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

WizardItem page(const char* name)
{
    return {QString::fromUtf8(name), QString(), wizardFileType(QString::fromUtf8(name))};
}

WizardItem copy(const QString& path)
{
    return {pathTitle(path), path, wizardFileType(path)};
}

QStringList texts(const std::vector<WizardItem>& items)
{
    QStringList result;
    for (const WizardItem& item : items)
        result << item.text;
    return result;
}

const QByteArray kDoctype =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n<HTML>\r\n<HEAD>\r\n";

} // namespace

TEST(ProjectWizard, NewPagesAreTheSkeletonWithTheirTitleAndAnEmptyBody)
{
    ProgProps props;
    props.Meta = QStringLiteral("<META a>\r\n<META b>");
    props.HTMLparams = QStringLiteral("bgcolor=\"#FFFFFF\"\r\ntext=\"#000000\"");
    EXPECT_EQ(HTMLheaderi(QStringLiteral("Index.HTML"), props).toLatin1(),
              kDoctype + "<TITLE>Index.HTML</TITLE>\r\n</HEAD>\r\n\r\n<BODY>\r\n\r\n</BODY>\r\n"
                         "</HTML>");
    props.tagsIN = kOn;
    props.paramsin = kOn;
    EXPECT_EQ(HTMLheaderi(QStringLiteral("\u00C0"), props).toLatin1(),
              kDoctype + "<TITLE>\xC0</TITLE>\r\n</HEAD>\r\n<META a>\r\n<META b>\r\n"
                         "<BODY bgcolor=\"#FFFFFF\" text=\"#000000\" >\r\n\r\n</BODY>\r\n</HTML>");
}

TEST(ProjectWizard, TheListRegroupsByFileTypeFromThreeItemsOn)
{
    const std::vector<WizardItem> two = {page("b.css"), page("a.html")};
    EXPECT_EQ(SortFileList(two), two);
    EXPECT_EQ(texts(SortFileList({page("Index.HTML"), page("s.css"), page("New.htm")})),
              QStringList({QStringLiteral("Index.HTML"), QStringLiteral("New.htm"),
                           QStringLiteral("s.css")}));
    const std::vector<WizardItem> mixed = {
        page("z.zip"),  page("m.mp3"), page("p.png"),
        page("t.txt"),  page("x.php"), page("d.xml"),
        page("j.js"),   page("a.asp"), page("c.css"),
        page("h.html"), page("k.JS"),  {QStringLiteral("renamed"), QStringLiteral("/o/f.gif"), 6}};
    EXPECT_EQ(texts(SortFileList(mixed)),
              QStringLiteral("h.html c.css a.asp j.js k.JS d.xml x.php t.txt p.png renamed m.mp3 "
                             "z.zip")
                  .split(QLatin1Char(' ')));
    EXPECT_EQ(SortFileList(mixed)[9].tag, QStringLiteral("/o/f.gif"));
}

TEST(ProjectWizard, NamesOfNewAndRenamedItems)
{
    EXPECT_EQ(newPageName(1), QStringLiteral("NewPage1.HTML"));
    EXPECT_EQ(renamedWizardItem(QStringLiteral("NewPage1.HTML"), QStringLiteral("start")),
              QStringLiteral("start.HTML"));
    EXPECT_EQ(renamedWizardItem(QStringLiteral("a.html"), QStringLiteral("a/b")), std::nullopt);
    EXPECT_EQ(wizardFileType(QStringLiteral("a.PHP3")), 10);
}

class ProjectCreation : public testing::Test
{
protected:
    QString site(const QString& name = QString()) const
    {
        return folders.root() + QStringLiteral("/site/") + name;
    }
    QString other(const char* name, const QByteArray& bytes)
    {
        const QString path = folders.root() + QStringLiteral("/other/") + QLatin1String(name);
        QDir().mkpath(folders.root() + QStringLiteral("/other"));
        writeFile(path, bytes);
        return path;
    }
    void SetUp() override { QDir().mkpath(site()); }

    TestFolders folders;
    ProgProps props;
};

TEST_F(ProjectCreation, WritesPagesAndCopiesThenTheListAndNamesWhatItReplaces)
{
    const QString picture = other("p.gif", QByteArray("GIF\0\xFF", 5));
    const QString style = other("s.css", "b{}");
    writeFile(site(QStringLiteral("s.css")), "old");
    const QString gone = other("gone.js", "x");
    QFile::remove(gone);
    const CreationPlan plan = planProjectCreation(
        QStringLiteral("site"), site(),
        {{QStringLiteral("shown.css"), style, 3}, page("Index.HTML"), copy(picture), copy(gone)});
    ASSERT_EQ(plan.refusal, CreationRefusal::None);
    EXPECT_EQ(plan.listPath, site(QStringLiteral("site.WEB")));
    EXPECT_EQ(plan.listBytes, QByteArray("s.css\r\nIndex.HTML\r\np.gif\r\nSTOPF=s.css\r\n"))
        << "a copy keeps its file's name, the start page is the first entry as written";
    EXPECT_EQ(plan.gone, QStringList({gone}));
    EXPECT_EQ(plan.replaced, QStringList({site(QStringLiteral("s.css"))}));

    const CreationResult result = createProject(plan, props);
    ASSERT_TRUE(result.done) << result.error.toStdString();
    EXPECT_EQ(readFile(site(QStringLiteral("site.WEB"))), plan.listBytes);
    EXPECT_EQ(readFile(site(QStringLiteral("s.css"))), QByteArray("b{}"));
    EXPECT_EQ(readFile(site(QStringLiteral("p.gif"))), QByteArray("GIF\0\xFF", 5));
    EXPECT_EQ(readFile(site(QStringLiteral("Index.HTML"))),
              HTMLheaderi(QStringLiteral("Index.HTML"), props).toLatin1() + "\r\n");
    EXPECT_EQ(readFile(style), QByteArray("b{}"));
    const ProjectRead reopened = readProject(plan.listPath);
    EXPECT_EQ(reopened.files.size(), 3u);
    EXPECT_TRUE(reopened.missing.isEmpty());
    EXPECT_EQ(reopened.files[reopened.startFile].title, QStringLiteral("s.css"));

    const CreationPlan again =
        planProjectCreation(QStringLiteral("site"), site(), {copy(site(QStringLiteral("p.gif")))});
    EXPECT_TRUE(again.files.empty()) << "a file in its place is not copied onto itself";
    EXPECT_EQ(again.replaced, QStringList({site(QStringLiteral("site.WEB"))}));
    ASSERT_TRUE(createProject(again, props).done);
    EXPECT_EQ(readFile(site(QStringLiteral("p.gif"))), QByteArray("GIF\0\xFF", 5));
}

TEST_F(ProjectCreation, RefusesWhatWouldLoseOrMisplaceAFile)
{
    const QString gone = other("gone.html", "x");
    QFile::remove(gone);
    const struct
    {
        const char* name;
        QString folder;
        std::vector<WizardItem> items;
        CreationRefusal refusal;
        const char* refusedName;
    } cases[] = {
        {"site", site(), {}, CreationRefusal::EmptyList, ""},
        {"site", site(), {copy(gone)}, CreationRefusal::EmptyList, ""},
        {"", site(), {page("a.html")}, CreationRefusal::BadProjectName, ""},
        {"a:b", site(), {page("a.html")}, CreationRefusal::BadProjectName, "a:b"},
        {"site", site(QStringLiteral("none")), {page("a.html")}, CreationRefusal::NoFolder, ""},
        {"site", site(), {page("..")}, CreationRefusal::BadFileName, ".."},
        {"site", site(), {page("STOPF=a.html")}, CreationRefusal::BadFileName, "STOPF=a.html"},
        {"site", site(), {page("a.html"), page("A.HTML")}, CreationRefusal::SameFile, "A.HTML"},
        {"site", site(), {page("SITE.web")}, CreationRefusal::SameFile, "SITE.web"},
        {"site",
         site(),
         {page("p.gif"), copy(other("p.gif", "x"))},
         CreationRefusal::SameFile,
         "p.gif"},
    };
    for (const auto& c : cases) {
        const CreationPlan plan = planProjectCreation(QString::fromUtf8(c.name), c.folder, c.items);
        EXPECT_EQ(plan.refusal, c.refusal) << c.name << " " << c.items.size();
        if (*c.refusedName) {
            EXPECT_EQ(plan.refusedName, QString::fromUtf8(c.refusedName));
        }
    }
    EXPECT_EQ(QDir(site()).entryList(QDir::Files), QStringList())
        << "a refused plan writes nothing";
}

TEST_F(ProjectCreation, AFailedWriteStopsBeforeTheListIsWritten)
{
    QDir().mkpath(site(QStringLiteral("b.html")));
    const CreationPlan plan =
        planProjectCreation(QStringLiteral("site"), site(), {page("a.html"), page("b.html")});
    ASSERT_EQ(plan.refusal, CreationRefusal::None);
    const CreationResult result = createProject(plan, props);
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.failedPath, site(QStringLiteral("b.html")));
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(site(QStringLiteral("a.html"))));
    EXPECT_FALSE(QFileInfo::exists(site(QStringLiteral("site.WEB"))));
}

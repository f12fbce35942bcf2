#include "platform/filewriter.h"
#include "platform/paths.h"
#include "projects/projectreading.h"
#include "projects/projectsaving.h"
#include "support/testfolders.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

class ProjectSaving : public testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(site());
        QDir().mkpath(other());
    }
    QString site(const QString& name = QString()) const
    {
        return folders.root() + QStringLiteral("/site/") + name;
    }
    QString other(const QString& name = QString()) const
    {
        return folders.root() + QStringLiteral("/other/") + name;
    }
    OpenProject project() const { return {site(), QStringLiteral("site.WEB")}; }

    // A document titled by its file's name; path "" for one without a file.
    static SavedDocument doc(const QString& path, bool changed, bool inProject, bool hasText = true,
                             const QString& title = QString())
    {
        return {title.isEmpty() ? pathTitle(path) : title, path, hasText, changed, inProject};
    }

    // The list as written once every step of the plan succeeded.
    static QByteArray listOf(const ProjectSavePlan& plan, const std::vector<SavedDocument>& docs)
    {
        QStringList titles;
        for (const int i : plan.listed)
            titles << docs[i].title;
        return projectListBytes(plan, titles);
    }

    TestFolders folders;
};

PlannedSave write(int index, const QString& target, bool joins = false, bool takesPath = false)
{
    return {index, SaveStep::Write, target, joins, takesPath};
}

} // namespace

TEST_F(ProjectSaving, AProjectWithoutNewDocumentsWritesWhatChangedAndItsSortedList)
{
    const std::vector<SavedDocument> docs = {
        doc(site(QStringLiteral("b.css")), false, true),
        doc(site(QStringLiteral("a.html")), true, true),
        doc(site(QStringLiteral("p.gif")), false, true, false),
        doc(QString(), true, true, true, QStringLiteral("n.html")),
    };
    const ProjectSavePlan plan = planProjectSave(docs, 0, project());
    EXPECT_EQ(plan.steps,
              std::vector<PlannedSave>({write(1, site(QStringLiteral("a.html"))),
                                        write(3, site(QStringLiteral("n.html")), false, true)}));
    EXPECT_EQ(plan.listPath, site(QStringLiteral("site.WEB")));
    EXPECT_EQ(listOf(plan, docs),
              QByteArray("a.html\r\nn.html\r\nb.css\r\np.gif\r\nSTOPF=b.css\r\n"));
    EXPECT_TRUE(plan.refused.empty());
    EXPECT_TRUE(plan.replaced.isEmpty());
}

TEST_F(ProjectSaving, TakingDocumentsInPutsThemInTheProjectFolderOrRefusesThem)
{
    writeFile(site(QStringLiteral("x.html")), "a stray file");
    writeFile(site(QStringLiteral("q.gif")), "GIF");
    const std::vector<SavedDocument> docs = {
        doc(site(QStringLiteral("a.html")), false, true),                   // 0 in the project
        doc(other(QStringLiteral("x.html")), false, false),                 // 1 joins, written
        doc(other(QStringLiteral("p.gif")), false, false, false),           // 2 joins, copied
        doc(site(QStringLiteral("q.gif")), false, false, false),            // 3 joins in place
        doc(other(QStringLiteral("A.HTML")), true, false),                  // 4 title taken
        doc(QString(), true, false, true, QStringLiteral("nosaved5.HTML")), // 5 joins, written
        doc(other(QStringLiteral("y.html")), true, false),                  // 6 not chosen
        doc(QString(), true, false, true, QStringLiteral("nosaved7.TXT")),  // 7 not chosen
        doc(site(QStringLiteral("z.html")), false, false),                  // 8 not chosen
        doc(other(QStringLiteral("z.html")), false, false),                 // 9 z's file taken
        doc(QString(), true, false, true, QStringLiteral("..\\up.html")),   // 10 leads out
        doc(other(QStringLiteral("STOPF=s.html")), false, false),           // 11 unlistable
        doc(other(QStringLiteral("SITE.web")), false, false),               // 12 the list\'s name
    };
    const ProjectSavePlan plan =
        planTakingIn(docs, 6, project(), {1, 2, 3, 4, 5, 9, 10, 11, 12, 0, 99, -1});
    EXPECT_EQ(plan.steps, std::vector<PlannedSave>({
                              write(1, site(QStringLiteral("x.html")), true, true),
                              {2, SaveStep::Copy, site(QStringLiteral("p.gif")), true, true},
                              {3, SaveStep::Keep, QString(), true, false},
                              write(4, other(QStringLiteral("A.HTML"))),
                              write(5, site(QStringLiteral("nosaved5.HTML")), true, true),
                              write(6, other(QStringLiteral("y.html"))),
                              {7, SaveStep::AskName, QString(), false, false},
                              {10, SaveStep::AskName, QString(), false, false},
                          }));
    EXPECT_EQ(plan.refused, std::vector<RefusedJoin>({{4, JoinRefusal::TitleTaken},
                                                      {9, JoinRefusal::FileOfAnotherDocument},
                                                      {10, JoinRefusal::NotAFileName},
                                                      {11, JoinRefusal::NotAFileName},
                                                      {12, JoinRefusal::TitleTaken}}));
    EXPECT_EQ(plan.replaced, QStringList({site(QStringLiteral("x.html"))}));
    EXPECT_EQ(listOf(plan, docs),
              QByteArray("a.html\r\nx.html\r\nnosaved5.HTML\r\np.gif\r\nq.gif\r\nSTOPF=y.html"));
}

TEST_F(ProjectSaving, TwoChosenDocumentsOfOneTitleJoinOnceByTheirOrder)
{
    const std::vector<SavedDocument> docs = {
        doc(other(QStringLiteral("d.html")), false, false),
        doc(QString(), true, false, true, QStringLiteral("D.html")),
    };
    const ProjectSavePlan plan = planTakingIn(docs, 0, project(), {1, 0});
    EXPECT_EQ(plan.listed, std::vector<int>({0}));
    EXPECT_EQ(plan.refused, std::vector<RefusedJoin>({{1, JoinRefusal::TitleTaken}}));
}

TEST_F(ProjectSaving, SavingAsideWritesChangedDocumentsAndLeavesTheList)
{
    const std::vector<SavedDocument> docs = {
        doc(site(QStringLiteral("a.html")), true, true),
        doc(QString(), true, true, true, QStringLiteral("n.html")),
        doc(other(QStringLiteral("o.html")), false, false),
        doc(other(QStringLiteral("c.html")), true, false),
        doc(QString(), false, false, true, QStringLiteral("nosaved4.HTML")),
        doc(other(QStringLiteral("p.gif")), true, false, false),
    };
    const ProjectSavePlan plan = planSavingAside(docs, project());
    EXPECT_EQ(plan.steps,
              std::vector<PlannedSave>({write(0, site(QStringLiteral("a.html"))),
                                        write(1, site(QStringLiteral("n.html")), false, true),
                                        write(3, other(QStringLiteral("c.html"))),
                                        {4, SaveStep::AskName, QString(), false, false}}));
    EXPECT_EQ(plan.listForm, ListForm::None);
    EXPECT_EQ(projectListBytes(plan, {QStringLiteral("a.html")}), QByteArray());
}

TEST_F(ProjectSaving, ACreatedProjectListsItsChosenDocumentsInCollectionOrder)
{
    writeFile(site(QStringLiteral("proj.WEB")), "old list");
    const std::vector<SavedDocument> docs = {
        doc(other(QStringLiteral("b.css")), false, false),
        doc(other(QStringLiteral("p.gif")), false, false, false),
        doc(QString(), true, false, true, QStringLiteral("PROJ.web")),
        doc(other(QStringLiteral("a.html")), true, false),
        doc(other(QStringLiteral("left.html")), true, false),
    };
    const OpenProject created = {site(), QStringLiteral("proj.WEB")};
    const ProjectSavePlan plan = planCreation(docs, 4, created, {0, 1, 2, 3});
    EXPECT_EQ(plan.steps, std::vector<PlannedSave>({
                              write(0, site(QStringLiteral("b.css")), true, true),
                              {1, SaveStep::Copy, site(QStringLiteral("p.gif")), true, true},
                              {2, SaveStep::AskName, QString(), false, false},
                              write(3, site(QStringLiteral("a.html")), true, true),
                              write(4, other(QStringLiteral("left.html"))),
                          }));
    EXPECT_EQ(plan.refused, std::vector<RefusedJoin>({{2, JoinRefusal::TitleTaken}}));
    EXPECT_EQ(plan.replaced, QStringList({site(QStringLiteral("proj.WEB"))}));
    EXPECT_EQ(listOf(plan, docs), QByteArray("b.css\r\np.gif\r\na.html\r\nSTOPF=left.html"));
    EXPECT_TRUE(isProjectName(QStringLiteral("proj")));
    EXPECT_FALSE(isProjectName(QStringLiteral("a/b")));
    EXPECT_FALSE(isProjectName(QString()));
}

TEST_F(ProjectSaving, JoinedDocumentsOpenAgainFromTheProjectFolder)
{
    writeFile(site(QStringLiteral("a.html")), "A");
    writeFile(site(QStringLiteral("site.WEB")), "a.html\r\nSTOPF=a.html\r\n");
    writeFile(other(QStringLiteral("p.gif")), "GIF");
    const std::vector<SavedDocument> docs = {
        doc(site(QStringLiteral("a.html")), false, true),
        doc(other(QStringLiteral("j.html")), false, false),
        doc(other(QStringLiteral("p.gif")), false, false, false),
    };
    const ProjectSavePlan plan = planTakingIn(docs, 1, project(), {1, 2});
    for (const PlannedSave& step : plan.steps) {
        ASSERT_TRUE(step.step == SaveStep::Write
                        ? writeWholeFile(step.target, "J")
                        : copyWholeFile(docs[step.index].path, step.target));
    }
    ASSERT_TRUE(writeWholeFile(plan.listPath, listOf(plan, docs)));

    const ProjectRead read = readProject(plan.listPath);
    ASSERT_EQ(read.files.size(), 3u);
    EXPECT_TRUE(read.missing.isEmpty());
    EXPECT_FALSE(read.changed);
    EXPECT_EQ(read.files[1].path, site(QStringLiteral("j.html")));
    EXPECT_EQ(read.files[1].text, QStringLiteral("J"));
    EXPECT_EQ(read.files[2].path, site(QStringLiteral("p.gif")));
    EXPECT_EQ(read.files[read.startFile].title, QStringLiteral("j.html"));
}

TEST(ProjectChoice, EveryLineNamesOneDocumentAndTheAnswerGivesItsPosition)
{
    const QStringList titles = {QStringLiteral("a.html"), QStringLiteral("7"),
                                QStringLiteral("a.html"), QStringLiteral("a.html (2)")};
    const QStringList lines = choiceLines(titles);
    EXPECT_EQ(lines, QStringList({QStringLiteral("a.html"), QStringLiteral("7 (2)"),
                                  QStringLiteral("a.html (3)"), QStringLiteral("a.html (2)")}));
    EXPECT_EQ(chosenPositions(QStringLiteral("a.html (3)\r\n7 (2)\r\nnone"), lines),
              std::vector<int>({2, 1}));
}

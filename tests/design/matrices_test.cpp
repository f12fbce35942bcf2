#include "design/matrices.h"

#include "design/designtext.h"
#include "platform/paths.h"
#include "support/testfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// The matrix folder holding the named files, each holding its own name.
QString folderWith(const TestFolders& folders, const QStringList& names)
{
    const QString folder = folders.path(s("matricebi"));
    QDir().mkpath(folder);
    for (const QString& name : names)
        writeFile(joinPath(folder, name), name.toLatin1());
    return folder;
}

} // namespace

TEST(Matrices, ListsHtmlFilesInAnyLetterCaseByName)
{
    TestFolders folders;
    EXPECT_EQ(matrixFolder(), folders.path(s("matricebi")));
    EXPECT_TRUE(listMatrices(matrixFolder()).isEmpty()) << "no folder, no matrices";
    const QString folder = folderWith(folders, {s("b.htm"), s("C.HTML"), s("a.html"), s("c.txt"),
                                                s("d.html5"), s("B.Htm"), s(".hidden.html")});
    QDir().mkpath(joinPath(folder, s("sub.html")));
    EXPECT_EQ(listMatrices(folder),
              (QStringList{s("a.html"), s("B.Htm"), s("b.htm"), s("C.HTML")}));
}

TEST(Matrices, AddCopiesIntoTheFolderReplacingAtomicallyAndSkipsTheSameFile)
{
    TestFolders folders;
    const QString source = folders.path(s("page.html"));
    const QString copy = joinPath(matrixFolder(), s("page.html"));
    writeFile(source, QByteArray("\xC0 one\r\n"));
    MatrixList list(matrixFolder());
    EXPECT_EQ(list.add(source).outcome, MatrixList::AddOutcome::Copied) << "makes the folder";
    EXPECT_EQ(list.names(), QStringList{s("page.html")});
    EXPECT_EQ(readFile(copy), QByteArray("\xC0 one\r\n"));

    writeFile(source, QByteArray("two"));
    EXPECT_EQ(list.add(source).outcome, MatrixList::AddOutcome::Copied);
    EXPECT_EQ(readFile(copy), QByteArray("two"));
    EXPECT_EQ(list.add(copy).outcome, MatrixList::AddOutcome::SameFile);
    EXPECT_EQ(readFile(copy), QByteArray("two")) << "a matrix copied onto itself stays whole";
    EXPECT_EQ(list.add(folders.path(s("none.html"))).outcome, MatrixList::AddOutcome::Failed);
    EXPECT_EQ(list.add(QString()).outcome, MatrixList::AddOutcome::Failed);
    EXPECT_EQ(list.names(), QStringList{s("page.html")});
}

TEST(Matrices, DeleteAnsweredYesOrNoReselectsByPosition)
{
    // count, position, answered yes, selected after (-1 none), preview
    const std::tuple<int, int, bool, int, bool> rows[] = {
        {3, 0, true, 0, true},  {3, 1, true, -1, false}, {3, 2, true, -1, false},
        {5, 2, true, 2, true},  {1, 0, true, -1, false}, {3, 0, false, 0, true},
        {3, 1, false, 1, true}, {3, 2, false, 2, false},
    };
    for (const auto& [count, position, yes, selectedAfter, preview] : rows) {
        TestFolders folders;
        QStringList names;
        for (int i = 1; i <= count; ++i)
            names << QStringLiteral("m%1.html").arg(i);
        MatrixList list(folderWith(folders, names));
        EXPECT_FALSE(list.selectionButtonsEnabled()) << "disabled until an entry is clicked";
        list.click(position);
        const QString path = list.selectedPath();

        const MatrixList::Deleted deleted = list.deleteSelected(yes);
        EXPECT_EQ(deleted.outcome,
                  yes ? MatrixList::DeleteOutcome::Deleted : MatrixList::DeleteOutcome::Kept);
        EXPECT_EQ(QFileInfo::exists(path), !yes);
        EXPECT_EQ(list.names().size(), count - (yes ? 1 : 0));
        EXPECT_EQ(list.selected(), selectedAfter) << count << " " << position;
        EXPECT_EQ(deleted.preview, preview) << count << " " << position;
        EXPECT_EQ(list.selectionButtonsEnabled(), !list.names().isEmpty());
    }
}

TEST(Matrices, VanishedFiles)
{
    TestFolders folders;
    const QString folder = folderWith(folders, {s("a.html"), s("b.html"), s("c.html")});
    const QString matrix = joinPath(folder, s("a.html"));
    writeFile(matrix, QByteArray("<b>\xE1\r\n"));
    EXPECT_EQ(matrixSource(matrix), std::optional<QString>(s("<b>\xE1\r\n")));
    EXPECT_FALSE(matrixSource(folder));

    MatrixList list(folder);
    EXPECT_EQ(list.deleteSelected(true).outcome, MatrixList::DeleteOutcome::Kept);
    list.click(1);
    QFile::remove(list.selectedPath());
    EXPECT_EQ(list.deleteSelected(true).outcome, MatrixList::DeleteOutcome::Kept);
    EXPECT_EQ(list.names().size(), 3) << "a vanished entry: the list is not read again";
    EXPECT_FALSE(matrixSource(list.selectedPath()));
}

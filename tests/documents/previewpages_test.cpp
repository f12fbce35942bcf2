#include "documents/previewpages.h"

#include "support/testfolders.h"
#include "testdocuments.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <gtest/gtest.h>

using Page = PreviewPlan::Page;

namespace {

// Every file under a folder with its bytes: what a preview must leave as it was.
QMap<QString, QByteArray> filesUnder(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        files.insert(path, readFile(path));
    }
    return files;
}

class Preview : public testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(site);
        writeFile(folders.path(QStringLiteral("FTP.ini")), "accounts");
    }
    void openProject()
    {
        docs.setWEBopened(-1);
        docs.setWEBpath(site + QLatin1Char('/'));
    }
    PreviewPlan preview(qint16 index, const QString& editorText)
    {
        const auto plan = pages.plan({docs, index, editorText});
        EXPECT_TRUE(plan.has_value());
        QString error;
        EXPECT_TRUE(plan && pages.write(*plan, &error)) << error.toStdString();
        return plan.value_or(PreviewPlan{});
    }
    QString temporary(const QString& name) const { return pages.temporaryFolder() + name; }

    TestFolders folders;
    const QString site = folders.root() + QStringLiteral("/site");
    ColectionMain docs;
    PreviewPages pages;
};

} // namespace

TEST_F(Preview, TypedTextGoesByteForByteIntoThePrivateFolderAndOnlyUntilTheClose)
{
    EXPECT_FALSE(pages.plan({docs, -1, QString()})) << "an empty editor previews nothing";
    QString text = QStringLiteral("<P>\r\n");
    for (int byte = 1; byte < 256; ++byte)
        text.append(QChar(byte));
    PreviewPlan plan = preview(-1, text);
    EXPECT_EQ(plan.page, Page::Temporary);
    EXPECT_EQ(plan.target, temporary(QStringLiteral("/wid.html")));
    EXPECT_EQ(readFile(plan.target), text.toLatin1());
    EXPECT_FALSE(QFile::permissions(pages.temporaryFolder()) &
                 (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther));

    // An ordinary document, or a frame page while a frameset is on, also goes through it.
    pages.values().FrameSetOn = true;
    addDocument(docs, QStringLiteral("a.html"), QStringLiteral("a"), site + QStringLiteral("/a"));
    addDocument(docs, QStringLiteral("Page1.HTML"), QStringLiteral("p"), {}, true, 2);
    for (qint16 index : {0, 1}) {
        plan = preview(index, QStringLiteral("now"));
        EXPECT_EQ(plan.page, Page::Temporary);
        EXPECT_EQ(readFile(plan.target), QByteArray("now"));
    }
    pages.previewClosed();
    EXPECT_FALSE(QFileInfo::exists(plan.target));
    EXPECT_EQ(filesUnder(folders.root()).keys(),
              QStringList{folders.path(QStringLiteral("FTP.ini"))});
}

TEST_F(Preview, AProjectDocumentWithAFileIsShownFromItRewrittenWholeAndKept)
{
    openProject();
    const QString path = site + QStringLiteral("/index.html");
    writeFile(path, "saved");
    addDocument(docs, QStringLiteral("index.html"), QStringLiteral("saved"), path);
    PreviewPlan plan = preview(0, QStringLiteral("saved"));
    EXPECT_EQ(plan.page, Page::DocumentFile);
    EXPECT_EQ(plan.target, path);
    EXPECT_TRUE(plan.files.isEmpty());
    EXPECT_FALSE(plan.storeEditorText);
    EXPECT_TRUE(pages.values().brovzerKeep);

    docs.Item(0).Changed = -1;
    plan = preview(0, QStringLiteral("typed \xE0\r\n"));
    EXPECT_TRUE(plan.storeEditorText) << "the document takes the text it is shown with";
    EXPECT_EQ(readFile(path), QByteArray("typed \xE0\r\n"));

    // The temporary page shown next, with no document current, still goes at the close.
    const PreviewPlan typed = preview(-1, QStringLiteral("typed"));
    EXPECT_FALSE(pages.values().brovzerKeep);
    pages.previewClosed();
    EXPECT_FALSE(QFileInfo::exists(typed.target));
    EXPECT_EQ(readFile(path), QByteArray("typed \xE0\r\n"));

    docs.Item(0).lineEnds = LineEnds::Lf;
    preview(0, QStringLiteral("typed \xE0\r\n"));
    EXPECT_EQ(readFile(path), QByteArray("typed \xE0\n")) << "read with LF alone, kept so";

    docs.Item(0).Changed = 0;
    QFile::remove(path);
    EXPECT_EQ(preview(0, QStringLiteral("gone")).page, Page::Temporary)
        << "an unchanged document whose file vanished is shown from its text";
}

TEST_F(Preview, AnUnsavedProjectDocumentGetsAPageInTheProjectOnlyWhereNothingIsInTheWay)
{
    openProject();
    const QString page = site + QStringLiteral("/new.html");
    addDocument(docs, QStringLiteral("new.html"), QString());
    PreviewPlan plan = preview(0, QStringLiteral("one"));
    EXPECT_EQ(plan.page, Page::ProjectPage);
    EXPECT_EQ(plan.target, page);
    EXPECT_TRUE(plan.storeEditorText);
    EXPECT_EQ(preview(0, QStringLiteral("two")).page, Page::ProjectPage) << "its own page";
    EXPECT_EQ(readFile(page), QByteArray("two"));

    // The same title on another document, or the page changed by someone else: not ours.
    addDocument(docs, QStringLiteral("new.html"), QString());
    EXPECT_EQ(preview(1, QStringLiteral("other")).page, Page::Temporary);
    writeFile(page, "edited elsewhere");
    EXPECT_EQ(preview(0, QStringLiteral("three")).page, Page::Temporary);
    EXPECT_EQ(readFile(page), QByteArray("edited elsewhere"));

    // Titles that leave the folder, a file that was there before, a link, another
    // document's file (even one not yet on disk): the temporary page, nothing else touched.
    writeFile(site + QStringLiteral("/old.html"), "old");
    QFile::link(folders.path(QStringLiteral("props.ini")), site + QStringLiteral("/link.html"));
    addDocument(docs, QStringLiteral("b.html"), QString(), site + QStringLiteral("/b.html"), true);
    const QMap<QString, QByteArray> before = filesUnder(folders.root());
    for (const char* title : {"../x.html", "/tmp/x.html", "sub/x.html", "..\\x.html", "..", "",
                              "old.html", "link.html", "b.html"}) {
        docs.Item(1).FileTitle = QString::fromLatin1(title);
        EXPECT_EQ(preview(1, QStringLiteral("x")).page, Page::Temporary) << title;
    }
    EXPECT_EQ(filesUnder(folders.root()), before);
}

TEST_F(Preview, AFramesetPreviewOpensTheCurrentFramesetWithItsFramesBesideIt)
{
    pages.values().FrameSetOn = true;
    addDocument(docs, QStringLiteral("Frames.HTML"), QStringLiteral("F1"), {}, true, 1);
    addDocument(docs, QStringLiteral("Page1.HTML"), QStringLiteral("P1"), {}, true, 2);
    addDocument(docs, QStringLiteral("plain.html"), QStringLiteral("no frame"));
    addDocument(docs, QStringLiteral("Other.HTML"), QStringLiteral("F2 old"), {}, true, 1);
    for (const char* title : {"FTP.ini", "../x.html", "/tmp/abs.html", "Other.HTML"})
        addDocument(docs, QString::fromLatin1(title), QStringLiteral("frame"), {}, true, 2);

    const PreviewPlan plan = preview(3, QStringLiteral("F2 typed"));
    EXPECT_EQ(plan.page, Page::Frameset);
    EXPECT_TRUE(plan.storeEditorText);
    const QString folder = temporary(QStringLiteral("/frameset/"));
    EXPECT_EQ(plan.target, folder + QStringLiteral("Other.HTML"));
    const char* const written[][2] = {{"Other.HTML", "F2 typed"},
                                      {"Frames.HTML", "F1"},
                                      {"Page1.HTML", "P1"},
                                      {"FTP.ini", "frame"}};
    QStringList paths;
    for (const auto& [name, text] : written) {
        paths << folder + QString::fromLatin1(name);
        EXPECT_EQ(readFile(paths.last()), QByteArray(text)) << name;
    }
    EXPECT_EQ(pages.values().brovzerFiles, paths);
    EXPECT_EQ(filesUnder(pages.temporaryFolder()).size(), paths.size());
    EXPECT_EQ(readFile(folders.path(QStringLiteral("FTP.ini"))), QByteArray("accounts"));

    pages.values().brovzerFiles.clear(); // as the designer does; the close still cleans up
    pages.previewClosed();
    EXPECT_TRUE(filesUnder(pages.temporaryFolder()).isEmpty());
}

TEST_F(Preview, AFileThatCannotBeWrittenOpensNothingAndSaysWhy)
{
    openProject();
    const QString blocker = site + QStringLiteral("/blocker");
    writeFile(blocker, "keep");
    addDocument(docs, QStringLiteral("a.html"), QString(), blocker + QStringLiteral("/a.html"),
                true);
    docs.setWEBpath(blocker + QLatin1Char('/'));
    addDocument(docs, QStringLiteral("b.html"), QString());
    for (qint16 index : {0, 1}) {
        const auto plan = pages.plan({docs, index, QStringLiteral("text")});
        ASSERT_TRUE(plan);
        EXPECT_NE(plan->page, Page::Temporary);
        QString error;
        EXPECT_FALSE(pages.write(*plan, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(pages.values().brovzerKeep);
    }
    EXPECT_EQ(readFile(blocker), QByteArray("keep"));
}

#include "publish/previewpages.h"

#include "support/testfolders.h"
#include "testdocuments.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <gtest/gtest.h>

using Page = PreviewPlan::Page;

namespace {

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

TEST_F(Preview, AProjectDocumentWithAFileIsShownAtItAndTheFileKeepsWhatWasSaved)
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
    EXPECT_EQ(pages.servedFile(path), path);

    docs.Item(0).Changed = -1;
    plan = preview(0, QStringLiteral("typed \xE0\r\n"));
    EXPECT_EQ(plan.target, path);
    EXPECT_TRUE(plan.storeEditorText) << "the document takes the text it is shown with";
    EXPECT_FALSE(pages.values().brovzerKeep);
    EXPECT_TRUE(pages.servedFile(path).startsWith(pages.temporaryFolder()));
    EXPECT_EQ(readFile(pages.servedFile(path)), QByteArray("typed \xE0\r\n"));
    EXPECT_EQ(readFile(path), QByteArray("saved"));

    // The temporary page shown next, with no document current, shows the file again; the
    // close deletes both pages.
    const PreviewPlan typed = preview(-1, QStringLiteral("typed"));
    EXPECT_EQ(pages.servedFile(path), path);
    pages.previewClosed();
    EXPECT_FALSE(QFileInfo::exists(typed.target));
    EXPECT_TRUE(filesUnder(pages.temporaryFolder()).isEmpty());
    EXPECT_EQ(readFile(path), QByteArray("saved"));

    docs.Item(0).Changed = 0;
    QFile::remove(path);
    EXPECT_EQ(preview(0, QStringLiteral("gone")).page, Page::Temporary)
        << "an unchanged document whose file vanished is shown from its text";
}

TEST_F(Preview, AnUnsavedProjectDocumentIsShownUnderItsTitleInTheProjectWritingNothingThere)
{
    openProject();
    writeFile(site + QStringLiteral("/old.html"), "old");
    QFile::link(folders.path(QStringLiteral("props.ini")), site + QStringLiteral("/link.html"));
    addDocument(docs, QStringLiteral("b.html"), QString(), site + QStringLiteral("/b.html"), true);
    addDocument(docs, QStringLiteral("new.html"), QString());
    const QMap<QString, QByteArray> before = filesUnder(folders.root());

    // Also over a file that is there, a link, or another document's file: only the preview
    // sees the text there.
    for (const char* title : {"new.html", "old.html", "link.html", "b.html"}) {
        docs.Item(1).FileTitle = QString::fromLatin1(title);
        const QString page = site + QLatin1Char('/') + QLatin1String(title);
        const PreviewPlan plan = preview(1, QStringLiteral("text of ") + QLatin1String(title));
        EXPECT_EQ(plan.page, Page::ProjectPage) << title;
        EXPECT_EQ(plan.target, page);
        EXPECT_TRUE(plan.storeEditorText);
        EXPECT_EQ(readFile(pages.servedFile(page)), QByteArray("text of ") + title);
    }
    // Titles that leave the folder: the temporary page.
    for (const char* title : {"../x.html", "/tmp/x.html", "sub/x.html", "..\\x.html", "..", ""}) {
        docs.Item(1).FileTitle = QString::fromLatin1(title);
        EXPECT_EQ(preview(1, QStringLiteral("x")).page, Page::Temporary) << title;
    }
    EXPECT_EQ(filesUnder(folders.root()), before);
    pages.previewClosed();
    EXPECT_TRUE(filesUnder(pages.temporaryFolder()).isEmpty());
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
    const char* const shown[][2] = {{"Other.HTML", "F2 typed"},
                                    {"Frames.HTML", "F1"},
                                    {"Page1.HTML", "P1"},
                                    {"FTP.ini", "frame"}};
    const QMap<QString, QByteArray> before = filesUnder(folders.root());

    // Outside a project in the private folder; in one, in the project folder; a frameset page
    // with a file, beside that file.
    const QString sub = site + QStringLiteral("/sub/");
    for (const QString& folder :
         {temporary(QStringLiteral("/frameset/")), site + QLatin1Char('/'), sub}) {
        if (folder.startsWith(site))
            openProject();
        if (folder == sub) {
            docs.Item(3).filepath = FilePath(sub + QStringLiteral("Other.HTML"));
            docs.Item(3).saved = -1;
        }
        const PreviewPlan plan = preview(3, QStringLiteral("F2 typed"));
        EXPECT_EQ(plan.page, Page::Frameset);
        EXPECT_TRUE(plan.storeEditorText);
        EXPECT_EQ(plan.target, folder + QStringLiteral("Other.HTML"));
        QStringList copies;
        for (const auto& [name, text] : shown) {
            copies << pages.servedFile(folder + QString::fromLatin1(name));
            EXPECT_EQ(readFile(copies.last()), QByteArray(text)) << name;
        }
        EXPECT_EQ(pages.values().brovzerFiles, copies) << "what was written for it";
        EXPECT_EQ(filesUnder(pages.temporaryFolder()).size(), copies.size());
        EXPECT_EQ(filesUnder(folders.root()), before);

        pages.values().brovzerFiles.clear(); // as the designer does; the close still cleans up
        pages.previewClosed();
        EXPECT_TRUE(filesUnder(pages.temporaryFolder()).isEmpty());
    }
}

TEST_F(Preview, AFileThatCannotBeWrittenOpensNothingAndSaysWhy)
{
    // The private folder holds a folder where a page goes, and a file where its copies go.
    QDir().mkpath(temporary(QStringLiteral("/wid.html")));
    writeFile(temporary(QStringLiteral("/places")), "in the way");
    openProject();
    addDocument(docs, QStringLiteral("a.html"), QString(), site + QStringLiteral("/a.html"), true);
    addDocument(docs, QStringLiteral("b.html"), QString());
    addDocument(docs, QStringLiteral("c/d"), QString());
    for (qint16 index : {0, 1, 2}) {
        const auto plan = pages.plan({docs, index, QStringLiteral("text")});
        ASSERT_TRUE(plan);
        QString error;
        EXPECT_FALSE(pages.write(*plan, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(pages.values().brovzerKeep);
    }
    EXPECT_EQ(readFile(temporary(QStringLiteral("/places"))), QByteArray("in the way"));
    EXPECT_FALSE(QFileInfo::exists(site + QStringLiteral("/a.html")));
}

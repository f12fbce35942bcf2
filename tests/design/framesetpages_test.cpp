#include "design/framesetpages.h"

#include "core/progprops.h"
#include "design/designtext.h"
#include "support/testfolders.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

FramesetDesign withPreset(int preset)
{
    FramesetDesign design;
    applyPreset(design, preset);
    return design;
}

const char* const kNoFrames[] = {
    "<NOFRAMES>", "<P>es gverdi iyenebs freimebs.Tqveni brauzeri ar iyenebs freimebs.</P>",
    "</NOFRAMES>", "</FRAMESET>"};

// The frameset page's lines from the outer FRAMESET line to the NOFRAMES block.
QString layoutLines(const FramesetDesign& design, qint16 preset)
{
    const QString page = framesetPage(design, preset, QString());
    const qsizetype from = page.indexOf(QLatin1String("<FRAMESET"));
    const qsizetype to = page.indexOf(QLatin1String("\r\n<NOFRAMES>"));
    return page.mid(from, to - from);
}

} // namespace

TEST(FramesetPages, FirstPresetMakesTheFramesetPageAndThreeFramePagesByteForByte)
{
    const FramesetBuild build = BuildFramesetPages(withPreset(0), 0, QString());
    const QString frameset =
        crlfLines({"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\">", "<HTML>",
                   "<HEAD>", "<TITLE>Frame Page</TITLE>", "</HEAD>", "", "",
                   "<FRAMESET framespacing=\"1\" border=\"1\" rows=\"64,*\">",
                   "<FRAME name=\"Top\" src=\"Page1.HTML\" scrolling=\"No\" noresize>",
                   "<FRAMESET cols=\"150,*\" >",
                   "<FRAME name=\"Left\" src=\"Page2.HTML\" scrolling=\"Auto\" noresize>",
                   "<FRAME name=\"Page\" src=\"Page3.HTML\" scrolling=\"Auto\" noresize>",
                   "</FRAMESET>", kNoFrames[0], kNoFrames[1], kNoFrames[2], kNoFrames[3]});
    const QString firstPage = crlfLines(
        {"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">", "<HTML>", "<HEAD>",
         "<TITLE>Page 1</TITLE>", "</HEAD>", "", "<BODY>", "", "</BODY>", "</HTML>"});

    ASSERT_FALSE(build.unreadableFile);
    ASSERT_EQ(build.documents.size(), 4u);
    EXPECT_EQ(build.documents[0], (GeneratedDocument{frameset, QStringLiteral("Frames.HTML"), 1}));
    EXPECT_EQ(build.documents[1], (GeneratedDocument{firstPage, QStringLiteral("Page1.HTML"), 2}));
    EXPECT_EQ(build.documents[3].FileTitle, QStringLiteral("Page3.HTML"));
    EXPECT_TRUE(build.documents[3].text.contains(QLatin1String("<TITLE>Page 3</TITLE>")));
    EXPECT_EQ(build.editorText, frameset + QLatin1String("\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>"));
    EXPECT_TRUE(build.framesetOn);
}

TEST(FramesetPages, EachPresetWritesItsLayout)
{
    struct Row
    {
        int preset;
        QString lines;
    };
    const char* top = "<FRAME name=\"Top\" src=\"Page1.HTML\" scrolling=\"No\" noresize>";
    const Row rows[] = {
        {1, crlfLines({"<FRAMESET framespacing=\"1\" border=\"1\" rows=\"*,20%\">",
                       "<FRAME name=\"Page\" src=\"Page1.HTML\" scrolling=\"Auto\" noresize>",
                       "<FRAME name=\"Footer\" src=\"Page2.HTML\" scrolling=\"NO\" noresize>"})},
        {3, crlfLines({"<FRAMESET framespacing=\"1\" border=\"1\" cols=\"150,*\">",
                       "<FRAME name=\"Left\" src=\"Page1.HTML\" scrolling=\"Auto\" noresize>",
                       "<FRAME name=\"Page\" src=\"Page2.HTML\" scrolling=\"Auto\" noresize>"})},
        {5, crlfLines({"<FRAMESET framespacing=\"1\" border=\"1\" rows=\"64,*,64\">", top,
                       "<FRAMESET cols=\"150,*\" >",
                       "<FRAME name=\"Left\" src=\"Page2.HTML\" scrolling=\"Auto\" noresize>",
                       "<FRAME name=\"Page\" src=\"Page3.HTML\" scrolling=\"Auto\" noresize>",
                       "</FRAMESET>",
                       "<FRAME name=\"Footer\" src=\"Page4.HTML\" scrolling=\"No\" noresize>"})},
        {6, crlfLines({"<FRAMESET framespacing=\"1\" border=\"1\" rows=\"64,25%,*\">", top,
                       "<FRAME name=\"Page\" src=\"Page2.HTML\" scrolling=\"Auto\" noresize>",
                       "<FRAME name=\"Footer\" src=\"Page3.HTML\" scrolling=\"No\" noresize>"})},
        {7, crlfLines({"<FRAMESET framespacing=\"1\" border=\"1\" cols=\"150,*\">",
                       "<FRAME name=\"Left\" src=\"Page1.HTML\" scrolling=\"Auto\" noresize>",
                       "<FRAMESET rows=\"20%,*\" >",
                       "<FRAME name=\"Top\" src=\"Page2.HTML\" scrolling=\"No\" noresize>",
                       "<FRAME name=\"Page\" src=\"Page3.HTML\" scrolling=\"Auto\" noresize>",
                       "</FRAMESET>"})},
        {8, crlfLines({"<FRAMESET framespacing=\"1\" border=\"1\" cols=\"*,*\">",
                       "<FRAME name=\"Left\" src=\"Page1.HTML\" scrolling=\"Auto\" noresize>",
                       "<FRAME name=\"Right\" src=\"Page2.HTML\" scrolling=\"Auto\" noresize>"})},
    };
    for (const Row& row : rows)
        EXPECT_EQ(layoutLines(withPreset(row.preset), qint16(row.preset)), row.lines)
            << "preset " << row.preset;
}

TEST(FramesetPages, SpacingAndBorderPairsAndResizableFrames)
{
    struct Row
    {
        qint16 spacing;
        bool border;
        const char* outer;
    };
    const Row rows[] = {
        {0, false, "<FRAMESET framespacing=\"0\" border=\"0\" frameborder = \"0\" rows=\"*,*\">"},
        {0, true, "<FRAMESET framespacing=\"0\" border=\"1\" rows=\"*,*\">"},
        {5, false, "<FRAMESET framespacing=\"5\" border=\"1\" rows=\"*,*\">"},
        {32767, true, "<FRAMESET framespacing=\"32767\" border=\"1\" rows=\"*,*\">"},
    };
    for (const Row& row : rows) {
        FramesetDesign design = withPreset(2);
        design.Page.Spacing = row.spacing;
        design.Page.Border = row.border;
        EXPECT_EQ(outerFramesetLine(design.Page, Nesting::None), QLatin1String(row.outer));
    }
    FrameRec frame = withPreset(2).Frames[1];
    frame.Resizable = true;
    EXPECT_EQ(frameLine(frame),
              QStringLiteral("<FRAME name=\"Footer\" src=\"Page2.HTML\" scrolling=\"No\">"));
}

TEST(FramesetPages, BodyAttributesTakeColoursImagesAndWatermarks)
{
    EXPECT_EQ(bodyAttributes(kFrameNoColour, kFrameNoColour, QString(), true), QString());
    EXPECT_EQ(bodyAttributes(0x0000FF, kFrameNoColour, QString(), true),
              QStringLiteral(" bgcolor=\"#FF0000\""))
        << "red sits in the low byte; no image, no bgproperties";
    EXPECT_EQ(bodyAttributes(kFrameNoColour, kPageNoColour, QStringLiteral("a b.jpg"), false),
              QStringLiteral(" bgcolor=\"#E0E0E0\" background=\"a b.jpg\""))
        << "light grey is a colour for the page";

    FramesetDesign design = withPreset(4);
    design.Frames[1].Image = QStringLiteral("C:\\img\\tile.gif");
    design.Frames[1].Watermark = true;
    design.Frames[0].BackColor = 0x336699;
    const FramesetBuild build = BuildFramesetPages(design, 4, QString());
    EXPECT_TRUE(build.documents[1].text.contains(
        QLatin1String("\r\n<BODY bgcolor=\"#996633\">\r\n\r\n</BODY>\r\n")));
    EXPECT_TRUE(build.documents[2].text.contains(
        QLatin1String("<BODY background=\"C:\\img\\tile.gif\" bgproperties=\"fixed\">")));
}

TEST(FramesetPages, MetaLinesStandAfterTheHeadWhenTheOptionsSaySo)
{
    ProgProps props;
    props.Meta = QStringLiteral("<META a>\r\n<META \xE0>");
    EXPECT_EQ(framesetMeta(props), QString());
    props.tagsIN = kOn;
    const QString meta = framesetMeta(props);

    const FramesetBuild build = BuildFramesetPages(withPreset(3), 3, meta);
    EXPECT_TRUE(build.documents[0].text.contains(
        QStringLiteral("</HEAD>\r\n<META a>\r\n<META \xE0>\r\n\r\n<FRAMESET framespacing")));
    EXPECT_TRUE(build.documents[2].text.contains(
        QStringLiteral("</HEAD>\r\n<META a>\r\n<META \xE0>\r\n<BODY>\r\n")));
}

TEST(FramesetPages, WithoutAPresetOnlyTheEditorGetsOnePage)
{
    FramesetDesign design = withPreset(0);
    FramesetBuild build = BuildFramesetPages(design, kNoPreset, QString());
    EXPECT_TRUE(build.documents.empty());
    EXPECT_FALSE(build.framesetOn);
    EXPECT_EQ(build.editorText,
              crlfLines({"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">",
                         "<HTML>", "<HEAD>", "<TITLE>New Document</TITLE>", "</HEAD>", "", "<BODY>",
                         "", "</BODY>", "</HTML>"}));

    design.Page.BackColor = 0;
    design.Page.Image = QStringLiteral("bg.jpg");
    design.Page.Watermark = true;
    build = BuildFramesetPages(design, kNoPreset, QString());
    EXPECT_TRUE(build.editorText.contains(
        QLatin1String("\r\n<BODY bgcolor=\"#000000\" background=\"bg.jpg\" "
                      "bgproperties=\"fixed\">\r\n")));
}

TEST(FramesetPages, FramesFromFilesTakeTheirBytesOrStopTheWholeBuild)
{
    TestFolders folders;
    const QString existing = folders.path(QStringLiteral("left.htm"));
    writeFile(existing, QByteArray("<p>\xC0\xE4\r\nno end\n", 15));

    FramesetDesign design = withPreset(5);
    design.Frames[0].FromFile = true;
    design.Frames[0].Src = existing;
    design.Frames[1].FromFile = true;
    design.Frames[1].Src = folders.path(QStringLiteral("missing.htm"));
    design.Frames[2].FromFile = true; // an empty path is a missing file, not the current folder
    design.Frames[2].Src = QString();

    const FramesetBuild build = BuildFramesetPages(design, 5, QString());
    ASSERT_EQ(build.documents.size(), 5u);
    EXPECT_EQ(build.documents[1].text, QString::fromLatin1("<p>\xC0\xE4\r\nno end\n", 15));
    EXPECT_EQ(build.documents[1].FileTitle, existing);
    EXPECT_EQ(build.documents[2], (GeneratedDocument{QString(), design.Frames[1].Src, 2}));
    EXPECT_EQ(build.documents[3].text, QString());
    EXPECT_TRUE(build.documents[4].text.contains(QLatin1String("<TITLE>Page 4</TITLE>")));

    design.Frames[3].FromFile = true;
    design.Frames[3].Src = folders.root(); // there, but no file to read
    const FramesetBuild failed = BuildFramesetPages(design, 5, QString());
    EXPECT_EQ(failed.unreadableFile, std::optional<QString>(folders.root()));
    EXPECT_TRUE(failed.documents.empty());
    EXPECT_TRUE(failed.editorText.isEmpty());
    EXPECT_FALSE(failed.framesetOn);
}

TEST(FramesetPages, NeverReadPastTheFrames)
{
    FramesetDesign design = withPreset(5);
    design.Frames.resize(2);
    const FramesetBuild build = BuildFramesetPages(design, 5, QString());
    EXPECT_EQ(build.documents.size(), 3u);
    EXPECT_EQ(layoutLines(design, 5),
              crlfLines({"<FRAMESET framespacing=\"1\" border=\"1\" rows=\"64,*,64\">",
                         "<FRAME name=\"Top\" src=\"Page1.HTML\" scrolling=\"No\" noresize>",
                         "<FRAMESET cols=\"150,*\" >",
                         "<FRAME name=\"Left\" src=\"Page2.HTML\" scrolling=\"Auto\" noresize>",
                         "</FRAMESET>"}));
}

#include "design/framesetpages.h"

#include "core/progprops.h"
#include "design/designtext.h"
#include "support/testfolders.h"

#include <gtest/gtest.h>

namespace {

FramesetDesign withPreset(int preset)
{
    FramesetDesign design;
    applyPreset(design, preset);
    return design;
}

// The frameset page's lines from the outer FRAMESET line to the NOFRAMES block.
QString layoutLines(const FramesetDesign& design, qint16 preset)
{
    const QString page = framesetPage(design, preset, QString());
    const qsizetype from = page.indexOf(s("<FRAMESET"));
    return page.mid(from, page.indexOf(s("\r\n<NOFRAMES>")) - from);
}

const char* const kHead = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";

} // namespace

TEST(FramesetPages, FirstPresetMakesTheFramesetPageAndThreeFramePagesByteForByte)
{
    const FramesetBuild build = BuildFramesetPages(withPreset(0), 0, QString());
    const QString frameset = crlfLines(
        {"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\">", "<HTML>", "<HEAD>",
         "<TITLE>Frame Page</TITLE>", "</HEAD>", "", "",
         "<FRAMESET framespacing=\"1\" border=\"1\" rows=\"64,*\">",
         "<FRAME name=\"Top\" src=\"Page1.HTML\" scrolling=\"No\" noresize>",
         "<FRAMESET cols=\"150,*\" >",
         "<FRAME name=\"Left\" src=\"Page2.HTML\" scrolling=\"Auto\" noresize>",
         "<FRAME name=\"Page\" src=\"Page3.HTML\" scrolling=\"Auto\" noresize>", "</FRAMESET>",
         "<NOFRAMES>", "<P>es gverdi iyenebs freimebs.Tqveni brauzeri ar iyenebs freimebs.</P>",
         "</NOFRAMES>", "</FRAMESET>"});
    const QString thirdPage = crlfLines({kHead, "<HTML>", "<HEAD>", "<TITLE>Page 3</TITLE>",
                                         "</HEAD>", "", "<BODY>", "", "</BODY>", "</HTML>"});
    ASSERT_FALSE(build.unreadableFile);
    ASSERT_EQ(build.documents.size(), 4u);
    EXPECT_EQ(build.documents[0], (GeneratedDocument{frameset, s("Frames.HTML"), 1}));
    EXPECT_EQ(build.documents[1].FileTitle, s("Page1.HTML"));
    EXPECT_EQ(build.documents[3], (GeneratedDocument{thirdPage, s("Page3.HTML"), 2}));
    EXPECT_EQ(build.editorText, frameset + s("\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>"));
    EXPECT_TRUE(build.framesetOn);
}

TEST(FramesetPages, EachLayoutNestsAndSplitsAsItShould)
{
    const std::pair<int, QString> rows[] = {
        {1, crlfLines({"<FRAMESET framespacing=\"1\" border=\"1\" rows=\"*,20%\">",
                       "<FRAME name=\"Page\" src=\"Page1.HTML\" scrolling=\"Auto\" noresize>",
                       "<FRAME name=\"Footer\" src=\"Page2.HTML\" scrolling=\"NO\" noresize>"})},
        {5, crlfLines({"<FRAMESET framespacing=\"1\" border=\"1\" rows=\"64,*,64\">",
                       "<FRAME name=\"Top\" src=\"Page1.HTML\" scrolling=\"No\" noresize>",
                       "<FRAMESET cols=\"150,*\" >",
                       "<FRAME name=\"Left\" src=\"Page2.HTML\" scrolling=\"Auto\" noresize>",
                       "<FRAME name=\"Page\" src=\"Page3.HTML\" scrolling=\"Auto\" noresize>",
                       "</FRAMESET>",
                       "<FRAME name=\"Footer\" src=\"Page4.HTML\" scrolling=\"No\" noresize>"})},
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
    for (const auto& [preset, lines] : rows)
        EXPECT_EQ(layoutLines(withPreset(preset), qint16(preset)), lines) << preset;

    FramesetDesign cut = withPreset(5);
    cut.Frames.resize(2);
    EXPECT_EQ(BuildFramesetPages(cut, 5, QString()).documents.size(), 3u);
    EXPECT_EQ(layoutLines(cut, 5),
              crlfLines({"<FRAMESET framespacing=\"1\" border=\"1\" rows=\"64,*,64\">",
                         "<FRAME name=\"Top\" src=\"Page1.HTML\" scrolling=\"No\" noresize>",
                         "<FRAMESET cols=\"150,*\" >",
                         "<FRAME name=\"Left\" src=\"Page2.HTML\" scrolling=\"Auto\" noresize>",
                         "</FRAMESET>"}))
        << "never reads past the frames";
}

TEST(FramesetPages, SpacingBorderResizingColoursAndImages)
{
    const std::tuple<qint16, bool, const char*> pairs[] = {
        {0, false, "framespacing=\"0\" border=\"0\" frameborder = \"0\" "},
        {0, true, "framespacing=\"0\" border=\"1\" "},
        {5, false, "framespacing=\"5\" border=\"1\" "},
        {-3, false, "framespacing=\"-3\" border=\"1\" "},
    };
    for (const auto& [spacing, border, attributes] : pairs) {
        const PageRec page{s("*,*"), {}, border, spacing};
        EXPECT_EQ(outerFramesetLine(page, Nesting::None),
                  s("<FRAMESET ") + s(attributes) + s("rows=\"*,*\">"));
    }
    FramesetDesign design = withPreset(4);
    design.Frames[0].Resizable = true;
    design.Frames[0].BackColor = 0x336699;
    design.Frames[1].Image = s("C:\\img\\tile.gif");
    design.Frames[1].Watermark = true;
    EXPECT_EQ(frameLine(design.Frames[0]),
              s("<FRAME name=\"Top\" src=\"Page1.HTML\" scrolling=\"No\">"));
    const FramesetBuild build = BuildFramesetPages(design, 4, QString());
    EXPECT_TRUE(
        build.documents[1].text.contains(s("\r\n<BODY bgcolor=\"#996633\">\r\n\r\n</BODY>")));
    EXPECT_TRUE(build.documents[2].text.contains(
        s("\r\n<BODY background=\"C:\\img\\tile.gif\" bgproperties=\"fixed\">\r\n")));

    EXPECT_EQ(bodyAttributes(kFrameNoColour, kFrameNoColour, QStringLiteral("/\u10D0.gif"), false),
              s(" background=\"/\xE1\x83\x90.gif\""))
        << "a path's own bytes";
    EXPECT_EQ(bodyAttributes(0x0000FF, kFrameNoColour, QString(), true), s(" bgcolor=\"#FF0000\""))
        << "no image, no bgproperties";
    EXPECT_EQ(bodyAttributes(kFrameNoColour, kPageNoColour, s("a.jpg"), false),
              s(" bgcolor=\"#E0E0E0\" background=\"a.jpg\""));
}

TEST(FramesetPages, MetaLinesAndTheSinglePageWithoutAPreset)
{
    ProgProps props;
    props.Meta = s("<META a>\r\n<META \xE0>");
    EXPECT_EQ(framesetMeta(props), QString());
    props.tagsIN = kOn;
    const QString meta = framesetMeta(props);
    const FramesetBuild build = BuildFramesetPages(withPreset(3), 3, meta);
    EXPECT_TRUE(build.documents[0].text.contains(
        s("</HEAD>\r\n<META a>\r\n<META \xE0>\r\n\r\n<FRAMESET framespacing")));
    EXPECT_TRUE(
        build.documents[2].text.contains(s("</HEAD>\r\n<META a>\r\n<META \xE0>\r\n<BODY>")));

    FramesetDesign design = withPreset(0);
    FramesetBuild single = BuildFramesetPages(design, kNoPreset, QString());
    EXPECT_TRUE(single.documents.empty());
    EXPECT_FALSE(single.framesetOn);
    EXPECT_EQ(single.editorText,
              crlfLines({kHead, "<HTML>", "<HEAD>", "<TITLE>New Document</TITLE>", "</HEAD>", "",
                         "<BODY>", "", "</BODY>", "</HTML>"}));
    design.Page = {{}, {}, false, 0, {}, 0, s("bg.jpg"), true};
    single = BuildFramesetPages(design, kNoPreset, meta);
    EXPECT_TRUE(single.editorText.contains(s("</HEAD>\r\n<META a>\r\n<META \xE0>\r\n<BODY bgcolor="
                                             "\"#000000\" background=\"bg.jpg\" bgproperties="
                                             "\"fixed\">\r\n")));
}

TEST(FramesetPages, FramesFromFilesTakeTheirBytesOrStopTheWholeBuild)
{
    TestFolders folders;
    const QString existing = folders.path(s("left.htm"));
    writeFile(existing, QByteArray("<p>\xC0\xE4\r\nno end\n\0x", 16));
    FramesetDesign design = withPreset(5);
    const QString sources[] = {existing, folders.path(s("missing.htm")), QString()};
    for (size_t i = 0; i < 3; ++i)
        design.Frames[i] = {sources[i], 0, {}, s("F"), false, s("No"), false, true};

    const FramesetBuild build = BuildFramesetPages(design, 5, QString());
    ASSERT_EQ(build.documents.size(), 5u);
    EXPECT_EQ(
        build.documents[1],
        (GeneratedDocument{QString::fromLatin1("<p>\xC0\xE4\r\nno end\n\0x", 16), existing, 2}));
    EXPECT_EQ(build.documents[2], (GeneratedDocument{QString(), sources[1], 2}));
    EXPECT_EQ(build.documents[3], (GeneratedDocument{QString(), QString(), 2}))
        << "an empty path is a missing file, not the current folder";
    EXPECT_TRUE(build.documents[4].text.contains(s("<TITLE>Page 4</TITLE>")));

    design.Frames[3].FromFile = true;
    design.Frames[3].Src = folders.root(); // there, but no file to read
    const FramesetBuild failed = BuildFramesetPages(design, 5, QString());
    EXPECT_EQ(failed.unreadableFile, std::optional<QString>(folders.root()));
    EXPECT_TRUE(failed.documents.empty() && failed.editorText.isEmpty() && !failed.framesetOn);
}

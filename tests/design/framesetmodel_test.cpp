#include "design/framesetmodel.h"
#include "design/framesetpreview.h"
#include "design/leadingnumber.h"

#include "design/designtext.h"

#include <QList>
#include <QStringList>

#include <gtest/gtest.h>

TEST(FramesetPresets, EachLayoutMakesItsFramesAndResetsThePageLayout)
{
    const char* const table[kPresetCount][3] = {
        {"Top/No Left/Auto Page/Auto", "64,*", "150,*"},
        {"Page/Auto Footer/NO", "*,20%", ""},
        {"Top/No Footer/No", "*,*", ""},
        {"Left/Auto Page/Auto", "", "150,*"},
        {"Top/No Page/Auto", "64,*", ""},
        {"Top/No Left/Auto Page/Auto Footer/No", "64,*,64", "150,*"},
        {"Top/No Page/Auto Footer/No", "64,25%,*", ""},
        {"Left/Auto Top/No Page/Auto", "20%,*", "150,*"},
        {"Left/Auto Right/Auto", "", "*,*"},
    };
    const PageRec before{s("x"), s("y"), false, -4, s("s"), 0x123456, s("bg.gif"), true};
    for (int preset = 0; preset < kPresetCount; ++preset) {
        FramesetDesign design{std::vector<FrameRec>(7), before};
        ASSERT_EQ(applyPreset(design, preset), preset);
        QStringList names;
        for (size_t i = 0; i < design.Frames.size(); ++i) {
            const FrameRec& frame = design.Frames[i];
            names << frame.FrameName + QLatin1Char('/') + frame.Scrolling;
            EXPECT_EQ(frame, (FrameRec{QStringLiteral("Page%1.HTML").arg(i + 1),
                                       kFrameNoColour,
                                       {},
                                       frame.FrameName,
                                       false,
                                       frame.Scrolling,
                                       false,
                                       false}));
        }
        EXPECT_EQ(names.join(QLatin1Char(' ')), QLatin1String(table[preset][0])) << preset;
        EXPECT_EQ(design.Page,
                  (PageRec{s(table[preset][1]), s(table[preset][2]), true, 1, s("Frames.HTML"),
                           before.BackColor, before.Image, before.Watermark}));
    }
    FramesetDesign design{{FrameRec()}, before};
    EXPECT_EQ(applyPreset(design, kNoFramesThumbnail), kNoPreset);
    EXPECT_TRUE(design.Frames.empty());
    EXPECT_EQ(design.Page, before);
}

TEST(FramesetPreview, GeometryFollowsTheSurface)
{
    auto rects = [](int preset, int W, int H) {
        QList<QRectF> list;
        for (const FramePreview& preview : previewGeometry(qint16(preset), W, H))
            list << preview.rect;
        return list;
    };
    EXPECT_EQ(rects(0, 6000, 4000),
              (QList<QRectF>{{2, 2, 5996, 800}, {2, 804, 1200, 3194}, {1204, 804, 4794, 3194}}));
    EXPECT_EQ(rects(1, 6000, 4000), (QList<QRectF>{{2, 2, 5996, 3200}, {2, 3204, 5996, 795}}));
    EXPECT_EQ(rects(5, 6000, 4000), (QList<QRectF>{{2, 2, 5996, 600},
                                                   {2, 604, 1200, 2796},
                                                   {1204, 604, 4794, 2796},
                                                   {2, 3402, 5996, 596}}));
    EXPECT_EQ(rects(6, 6000, 4000),
              (QList<QRectF>{{2, 2, 5996, 600}, {2, 604, 5996, 800}, {2, 1406, 5996, 2592}}));
    EXPECT_EQ(rects(7, 6000, 4000),
              (QList<QRectF>{{2, 2, 1200, 3996}, {1204, 2, 4794, 800}, {1204, 804, 4794, 3194}}));
    EXPECT_EQ(rects(8, 6000, 4000), (QList<QRectF>{{2, 2, 3000, 3996}, {3004, 2, 2998, 3996}}));
    for (int preset = 0; preset < kPresetCount; ++preset) {
        EXPECT_EQ(size_t(rects(preset, 6000, 4000).size()),
                  framesetPreset(qint16(preset)).frames.size());
        for (const QRectF& tiny : rects(preset, 3, 3))
            EXPECT_TRUE(tiny.width() >= 0 && tiny.height() >= 0) << preset;
    }
    EXPECT_EQ(previewGeometry(0, 6000, 4000)[2].name, QPointF(60, 45));
    EXPECT_EQ(previewGeometry(4, 6000, 4000)[1].name, QPointF(60, 60));
    EXPECT_EQ(selectionMark(QSizeF(500, 300)), QRectF(15, 15, 485, 285));

    for (const auto& [x, thumbnail] : {std::pair{-40, 0}, {31, 0}, {32, 1}, {319, 9}, {900, 9}})
        EXPECT_EQ(thumbnailAt(x), thumbnail) << x;
    EXPECT_EQ(tilePositions(QSize(70, 40), QSize(32, 32)),
              (std::vector<QPoint>{{0, 0}, {32, 0}, {64, 0}, {0, 32}, {32, 32}, {64, 32}}));
    EXPECT_TRUE(tilePositions(QSize(70, 40), QSize(0, 10)).empty());
}

TEST(FramesetPanel, OkStoresThePageAndHoldsTheSpacingIn16Bits)
{
    FramesetDesign design;
    applyPreset(design, 3);
    design.Page.Image = QStringLiteral("page.jpg");
    FrameParams params = frameParams(design, 9); // past the frames: the page
    EXPECT_EQ(
        params,
        (FrameParams{
            true, s("1"), s("Frames.HTML"), false, {}, false, {}, {}, true, s("page.jpg"), false}));
    params.border = false;
    params.startPage = QStringLiteral("  index \xE0.html  ");
    params.image = QString(); // the page's image is not the panel's to remove
    params.watermark = true;
    for (const auto& [typed, spacing] : {std::pair<const char*, qint16>{"7", 7},
                                         {"", 0},
                                         {"32768", 32767},
                                         {"99999999999999999999", 32767},
                                         {"-40000", -32768},
                                         {"12px", 12}}) {
        params.spacing = QLatin1String(typed);
        storeFrameParams(design, -1, params);
        EXPECT_EQ(design.Page.Spacing, spacing) << typed;
    }
    EXPECT_EQ(
        design.Page,
        (PageRec{
            {}, s("150,*"), false, 12, s("index \xE0.html"), kPageNoColour, s("page.jpg"), true}));
    EXPECT_EQ(spacingForBorder(false), QStringLiteral("0"));
    EXPECT_TRUE(spacingKeyPasses('9') && spacingKeyPasses(8) && !spacingKeyPasses('-'));
}

TEST(FramesetPanel, AChosenFileCountsOnlyOnOkAndWhileThePageFileNamesIt)
{
    FramesetDesign design;
    applyPreset(design, 8);
    FrameParams params = frameParams(design, 1);
    EXPECT_FALSE(params.imageFields) << "the frame has no image of its own";
    chooseFrameFile(params, QStringLiteral("/site/right.htm"));
    EXPECT_EQ(design.Frames[1].Src, QStringLiteral("Page2.HTML")) << "EXIT would keep all";

    params.resizable = true;
    params.image = QStringLiteral("tile.gif");
    storeFrameParams(design, 1, params);
    EXPECT_EQ(design.Frames[1], (FrameRec{s("/site/right.htm"), kFrameNoColour, s("tile.gif"),
                                          s("Right"), true, s("Auto"), false, true}));
    storeFrameParams(design, 1, frameParams(design, 1));
    EXPECT_TRUE(design.Frames[1].FromFile) << "reopening and OK keep the file";

    params = frameParams(design, 1);
    params.src = QStringLiteral(" new.html ");
    params.image = QString();
    storeFrameParams(design, 1, params);
    EXPECT_EQ(
        design.Frames[1],
        (FrameRec{s("new.html"), kFrameNoColour, {}, s("Right"), true, s("Auto"), false, false}))
        << "a page file typed over the chosen one; an emptied image box removes the image";
}

TEST(LeadingNumbers, ReadTheNumberATextStartsWith)
{
    const std::tuple<const char*, const char*, double> rows[] = {
        {"12px", "12", 12},
        {" -3", "3", -3},
        {".5in", "0.5", 0.5},
        {"-007.50", "7.5", -7.5},
        {"px", "0", 0},
        {"-", "0", 0},
        {"+4", "4", 4},
        {"1 2", "1", 1},
        {"123456789012345678901234567890", "123456789012345678901234567890", 1.2345678901234568e29},
    };
    for (const auto& [text, magnitude, value] : rows) {
        EXPECT_EQ(magnitudeText(QLatin1String(text)), QLatin1String(magnitude)) << text;
        EXPECT_DOUBLE_EQ(leadingValue(QLatin1String(text)), value) << text;
    }
}

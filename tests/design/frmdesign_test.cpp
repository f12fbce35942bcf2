#include "design/frmdesign.h"

#include "design/framesetpages.h"
#include "designwindow.h"
#include "documents/opentreeview.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

// The designer on a surface of 600 by 450 pixels: 9000 by 6750 twips.
class Designer : public DesignWindow
{
protected:
    Designer()
    {
        designer.resize(622, 450);
        designer.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&designer));
    }

    void press(const char* key) { control<QAction>(designer, QLatin1String(key))->trigger(); }
    QWidget* named(const QString& name) { return control<QWidget>(designer, name); }
    QWidget* frameBox(int index) { return named(QStringLiteral("Pfram(%1)").arg(index)); }
    QWidget* strip() { return named(QStringLiteral("PSP")); }
    QPoint onThumbnail(int thumbnail) const { return QPoint(thumbnail * 32 + 5, 10); }
    void applyThumbnail(int thumbnail)
    {
        press("frame");
        QTest::mouseClick(strip(), Qt::LeftButton, {}, onThumbnail(thumbnail));
    }
    void select(int frame)
    {
        QTest::mouseClick(frameBox(frame), Qt::LeftButton, {}, QPoint(30, 30));
    }
    QLineEdit* box(const char* name) { return control<QLineEdit>(designer, QLatin1String(name)); }
    QCheckBox* tick(const char* name) { return control<QCheckBox>(designer, QLatin1String(name)); }
    void click(const char* button)
    {
        QTest::mouseClick(control<QPushButton>(designer, QLatin1String(button)), Qt::LeftButton);
    }
    QString picture(const char* name)
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::blue);
        const QString path = folders.root() + QLatin1Char('/') + QLatin1String(name);
        image.save(path, "PNG");
        return path;
    }

    FramesetDesign design;
    frmDesign designer{window, design};
};

} // namespace

TEST_F(Designer, TheStripAppliesOnlyWhatIsClickedAndThePreviewsFollowTheLayout)
{
    EXPECT_EQ(designer.windowTitle(), s("VD"));
    press("frame");
    ASSERT_TRUE(strip()->isVisible());
    // Pressed on a thumbnail, released off the strip: nothing is applied.
    QTest::mousePress(strip(), Qt::LeftButton, {}, onThumbnail(5));
    QTest::mouseRelease(strip(), Qt::LeftButton, {}, QPoint(400, 10));
    EXPECT_EQ(designer.appliedPreset(), kNoPreset);
    EXPECT_TRUE(design.Frames.empty());

    QTest::mouseClick(strip(), Qt::LeftButton, {}, onThumbnail(0));
    EXPECT_FALSE(strip()->isVisible());
    EXPECT_EQ(designer.appliedPreset(), 0);
    ASSERT_EQ(design.Frames.size(), 3u);
    EXPECT_EQ(frameBox(0)->geometry(), QRect(0, 0, 600, 90));
    EXPECT_EQ(frameBox(1)->geometry(), QRect(0, 90, 120, 360));
    EXPECT_EQ(frameBox(2)->geometry(), QRect(120, 90, 480, 360));

    select(2);
    EXPECT_EQ(designer.selectedFrame(), 2);
    QWidget* mark = named(QStringLiteral("SPm"));
    EXPECT_EQ(mark->parentWidget(), frameBox(2));
    EXPECT_TRUE(mark->isVisible());

    // Another layout replaces the frames and selects the page.
    applyThumbnail(5);
    EXPECT_EQ(designer.appliedPreset(), 5);
    EXPECT_EQ(designer.selectedFrame(), -1);
    EXPECT_FALSE(mark->isVisible());
    EXPECT_EQ(design.Frames.size(), 4u);
    EXPECT_EQ(designer.findChildren<QWidget*>(QStringLiteral("Pfram(3)")).size(), 1);

    // No frames: the preview forgets its frameset.
    preview.FrameSetOn = true;
    preview.brovzerFiles = {s("/tmp/Frames.HTML")};
    applyThumbnail(9);
    EXPECT_EQ(designer.appliedPreset(), kNoPreset);
    EXPECT_TRUE(design.Frames.empty());
    EXPECT_TRUE(designer.findChildren<QWidget*>(QStringLiteral("Pfram(0)")).isEmpty());
    EXPECT_FALSE(preview.FrameSetOn);
    EXPECT_TRUE(preview.brovzerFiles.isEmpty());
}

TEST_F(Designer, FramesSideBySideAreToldApartByTheirEdges)
{
    applyThumbnail(5);
    const QRgb fill = qRgb(0xE0, 0xE0, 0xE0);
    for (int frame = 0; frame < 4; ++frame) {
        const QImage shown = frameBox(frame)->grab().toImage();
        const int right = shown.width() - 1;
        const int bottom = shown.height() - 1;
        EXPECT_EQ(shown.pixel(right / 2, bottom / 2), fill) << frame;
        for (const QPoint edge : {QPoint(0, bottom / 2), QPoint(right, bottom / 2),
                                  QPoint(right / 2, 0), QPoint(right / 2, bottom)})
            EXPECT_NE(shown.pixel(edge), fill) << frame << " " << edge.x() << "," << edge.y();
    }
}

TEST_F(Designer, ColoursAndPicturesGoToTheSelectedFrameOrThePage)
{
    const QString tile = picture("tile.jpg");
    const QString broken = file(s("broken.jpg"), "not a picture");
    answers.answer(s("#102030")); // the page's colour
    answers.answer(tile);         // the page's picture
    press("bagkolor");
    press("image");
    EXPECT_EQ(design.Page.BackColor, 0x302010u);
    EXPECT_EQ(design.Page.Image, tile);

    applyThumbnail(3);
    select(1);
    answers.answer(QString()); // a cancelled colour changes nothing
    answers.answer(s("#FF0000"));
    answers.answer(broken);
    answers.answer(tile);
    press("bagkolor");
    press("bagkolor");
    press("image");
    EXPECT_EQ(design.Frames[1].BackColor, 0x0000FFu);
    EXPECT_TRUE(design.Frames[1].Image.isEmpty()) << "a file that holds no picture is not taken";
    press("image");
    EXPECT_EQ(design.Frames[1].Image, tile);
    EXPECT_EQ(
        design.Frames[0],
        (FrameRec{s("Page1.HTML"), kFrameNoColour, {}, s("Left"), false, s("Auto"), false, false}));
    EXPECT_EQ(asked("colour"), (QStringList{s("#FFFFFF"), s("#E0E0E0"), s("#E0E0E0")}));
    EXPECT_EQ(asked("open").first(), s("JPG(*.jpg)|*.jpg|GIF(*.gif)|*.gif"));
    ASSERT_EQ(asked("failure").size(), 1);
    EXPECT_TRUE(asked("failure").first().endsWith(broken));
    EXPECT_EQ(design.Page.Image, tile) << "the page keeps its picture";
}

TEST_F(Designer, ThePanelStoresOnOkOnlyAndAChosenFileOnlyWhileItIsNamed)
{
    // The page: the frame's fields are off, the border box sets the spacing.
    QTest::mouseClick(named(QStringLiteral("Pfon")), Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_EQ(designer.selectedFrame(), -1);
    press("framparams");
    EXPECT_FALSE(box("Tselfram")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(designer, s("CHfile"))->isEnabled());
    tick("CKborder")->click();
    EXPECT_EQ(box("Tramwidth")->text(), s("1"));
    tick("CKborder")->click();
    EXPECT_EQ(box("Tramwidth")->text(), s("0"));
    box("TSTpage")->setText(s("  Start.html "));
    click("COK");
    EXPECT_EQ(design.Page.StartPage, s("Start.html"));
    EXPECT_FALSE(design.Page.Border);

    applyThumbnail(1);
    select(1);
    press("framparams");
    QWidget* panel = named(QStringLiteral("PFOP"));
    ASSERT_TRUE(panel->isVisible());
    EXPECT_FALSE(named(QStringLiteral("Pfon"))->isEnabled());
    EXPECT_EQ(box("Tselfram")->text(), s("Page2.HTML"));
    EXPECT_EQ(control<QComboBox>(designer, s("CBskrol"))->currentText(), s("NO"));
    EXPECT_FALSE(box("Timage")->isEnabled()) << "no picture yet";

    const QString chosen = file(s("chosen.html"), "<P>chosen</P>");
    answers.answer(chosen);
    click("CHfile");
    EXPECT_EQ(box("Tselfram")->text(), chosen);
    click("CEXIT");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(named(QStringLiteral("Pfon"))->isEnabled());
    EXPECT_FALSE(design.Frames[1].FromFile) << "EXIT keeps the old page";
    EXPECT_EQ(design.Frames[1].Src, s("Page2.HTML"));

    press("framparams");
    answers.answer(chosen);
    click("CHfile");
    tick("CKresice")->click();
    box("Tramwidth")->clear();
    QTest::keyClicks(box("Tramwidth"), s("9x9;9-9a9"));
    EXPECT_EQ(box("Tramwidth")->text(), s("99999")) << "digits only";
    QTest::keyClick(box("Tramwidth"), Qt::Key_Left);
    QTest::keyClick(box("Tramwidth"), Qt::Key_Backspace);
    EXPECT_EQ(box("Tramwidth")->text(), s("9999")) << "editing keys still work";
    box("Tramwidth")->setText(s("99999"));
    click("COK");
    EXPECT_TRUE(design.Frames[1].FromFile);
    EXPECT_EQ(design.Frames[1].Src, chosen);
    EXPECT_TRUE(design.Frames[1].Resizable);
    EXPECT_EQ(design.Page.Spacing, 32767) << "held at 16 bits";

    // A page file typed over the chosen one is a page to make.
    press("framparams");
    box("Tselfram")->setText(s("other.html"));
    click("COK");
    EXPECT_FALSE(design.Frames[1].FromFile);

    // Delete empties the picture box, and OK takes the frame's picture away.
    answers.answer(picture("tile.gif"));
    press("image");
    press("framparams");
    ASSERT_TRUE(box("Timage")->isEnabled());
    QTest::keyClick(box("Timage"), Qt::Key_Delete);
    EXPECT_TRUE(box("Timage")->text().isEmpty());
    click("COK");
    EXPECT_TRUE(design.Frames[1].Image.isEmpty());
}

// --- Generation into the documents -------------------------------------------------------

TEST_F(Designer, AFramesetKeepsTheUsersNamedFileAndBecomesTheCurrentDocument)
{
    const QString mine = file(s("mine.html"), "on disk");
    state().resetToSingleFile(FilePath(mine), s("on disk"));
    window.T1->setSelStart(7);
    window.T1->setSelText(s(" typed"));
    applyThumbnail(2);
    QSignalSpy closed(&designer, &QDialog::accepted);
    press("ok");

    EXPECT_EQ(closed.size(), 1);
    ASSERT_EQ(state().Docs().Count(), 4);
    EXPECT_EQ(item(0).filepath, mine);
    EXPECT_EQ(item(0).Value, s("on disk typed"));
    EXPECT_EQ(item(0).Changed, -1);
    EXPECT_EQ(readFile(mine), QByteArray("on disk")) << "the user's file is not written";
    const FramesetBuild build = BuildFramesetPages(design, 2, QString());
    const char* titles[] = {"Frames.HTML", "Page1.HTML", "Page2.HTML"};
    for (qint16 i = 1; i < 4; ++i) {
        const Ithem& made = item(i);
        EXPECT_EQ(made.Value, build.documents[size_t(i - 1)].text);
        EXPECT_EQ(made.FileTitle, QLatin1String(titles[i - 1]));
        EXPECT_EQ(made.FrameSet, i == 1 ? 1 : 2);
        EXPECT_EQ(made.Changed, -1);
        EXPECT_EQ(made.saved, 0);
        EXPECT_TRUE(made.filepath.isEmpty());
        EXPECT_EQ(made.IsInWEB, 0);
    }
    EXPECT_EQ(state().DocIndex(), 1);
    EXPECT_EQ(editorText(), build.editorText);
    EXPECT_EQ(state().LoadingText(), 0);
    EXPECT_EQ(OpenFilesTreeView::tagOf(window.TV->currentItem()), 1);
    EXPECT_EQ(state().Docs().WEBChanged(), -1);
    EXPECT_TRUE(preview.FrameSetOn);
}

TEST_F(Designer, FramesFromFilesAreReadWholeOrNothingIsMadeAndTheCurrentDocumentIsStored)
{
    state().appendShown(s("first"), FilePath(), s("a.html"), false);
    window.T1->setSelStart(0);
    window.T1->setSelText(s("edited "));
    applyThumbnail(6);
    const QString existing = file(s("frame.html"), "\xC0\xE1\r\nframe");
    design.Frames[0] = {existing, kFrameNoColour, {}, s("Top"), false, s("No"), false, true};
    design.Frames[1].FromFile = true;
    design.Frames[1].Src = folders.root() + s("/missing.html");
    design.Frames[2].FromFile = true;
    design.Frames[2].Src = folders.root(); // a folder cannot be read as a page
    QSignalSpy closed(&designer, &QDialog::accepted);
    press("ok");
    EXPECT_EQ(closed.size(), 0) << "the designer stays open";
    EXPECT_EQ(state().Docs().Count(), 1) << "nothing appended";
    EXPECT_EQ(asked("failure"), QStringList{s("failis wakiTxva ver moxerxda: ") + folders.root()});

    design.Frames[2].FromFile = false;
    press("ok");
    EXPECT_EQ(closed.size(), 1);
    ASSERT_EQ(state().Docs().Count(), 5);
    EXPECT_EQ(item(0).Value, s("edited first"));
    EXPECT_EQ(item(0).Changed, -1);
    EXPECT_EQ(state().DocIndex(), 1);
    EXPECT_EQ(item(2).Value, s("\xC0\xE1\r\nframe"));
    EXPECT_EQ(item(2).FileTitle, existing);
    EXPECT_EQ(item(3).Value, QString()) << "a missing file is an empty page";
}

TEST_F(Designer, WithoutALayoutThePageReplacesTheEditorTextAsAnEdit)
{
    load(s("my text"));
    preview.FrameSetOn = true;
    // A press on the strip released elsewhere applies no layout.
    press("frame");
    QTest::mousePress(strip(), Qt::LeftButton, {}, onThumbnail(0));
    QTest::mouseRelease(strip(), Qt::LeftButton, {}, QPoint(10, 200));
    press("ok");
    EXPECT_EQ(state().Docs().Count(), 0);
    EXPECT_EQ(editorText(), BuildFramesetPages(design, kNoPreset, QString()).editorText);
    EXPECT_EQ(state().EditorChanged(), -1);
    EXPECT_FALSE(preview.FrameSetOn);
    window.T1->undo();
    EXPECT_EQ(editorText(), s("my text")) << "one step undoes it";
}

// The colouring on the real editor control: the colours are seen on the screen, and
// switching them on and off changes no byte, selection, undo step or changed mark.

#include "support/viewcontext.h"

#include "conversions/bytes.h"
#include "core/editapplier.h"
#include "core/textedit.h"

#include <QGuiApplication>
#include <QImage>
#include <QSignalSpy>

#include <functional>

namespace {

class Colours : public EditorViewTest
{
protected:
    // The editor's pixels drawn in blue, red and green.
    std::array<int, 3> shown()
    {
        const QImage image = editor().viewport()->grab().toImage();
        std::array<int, 3> counts{};
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                counts[0] += c.blue() > 180 && c.red() < 90 && c.green() < 90;
                counts[1] += c.red() > 180 && c.green() < 90 && c.blue() < 90;
                counts[2] += c.green() > 100 && c.red() < 60 && c.green() > c.blue() + 40;
            }
        }
        return counts;
    }
    bool coloured() { return shown() != std::array<int, 3>{}; }
    void f12() { QTest::keyClick(&editor(), Qt::Key_F12); }
};

// Tags, an attribute, a comment, and the 8-bit bytes A0 and C0.
const QString kPage = QStringLiteral("<p class=\"x\">a") + byteText({0xA0, 0xC0}) +
                      QStringLiteral("b</p>\r\n<!-- note -->\r\nplain");

} // namespace

TEST_F(Colours, F12TogglesAndNothingButTheColoursChanges)
{
    const qint16 index =
        context.state.appendShown(kPage, FilePath(), QStringLiteral("d.HTML"), false);
    editor().setSelStart(editor().TextLength());
    QTest::keyClicks(&editor(), QStringLiteral("q")); // an edit of the user's, to undo later
    const QString text = editor().Text();
    context.state.markSaved(index);
    editor().setSelection(13, 3); // "a", A0, C0
    const bool modified = editor().document()->isModified();
    const qint16 editorChanged = context.state.EditorChanged();
    QSignalSpy changes(&editor(), &EditorControl::Change);
    QSignalSpy moves(&editor(), &EditorControl::SelChange);

    for (const bool on : {true, false}) {
        f12();
        EXPECT_EQ(colouring.ColorizeOn(), on);
        const std::array<int, 3> colours = shown();
        for (const int count : colours)
            EXPECT_EQ(count > 0, on) << "blue, red and green";
        EXPECT_EQ(editor().Text(), text);
        EXPECT_EQ(editor().SelStart(), 13);
        EXPECT_EQ(editor().SelLength(), 3);
        EXPECT_EQ(editor().document()->isModified(), modified);
        EXPECT_EQ(context.state.EditorChanged(), editorChanged);
        EXPECT_EQ(context.state.Docs().Item(index).Changed, 0);
        EXPECT_EQ(context.state.LoadingText(), 0);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the wait cursor went";
    }
    EXPECT_EQ(changes.count() + moves.count(), 0);
    editor().undo();
    EXPECT_EQ(editor().Text(), kPage) << "the user's edit is still the last undo step";
}

TEST_F(Colours, KeysAndChangedTextsRemoveTheColours)
{
    load(kPage, 2);
    f12();
    QTest::keyClicks(&editor(), QStringLiteral("z"));
    EXPECT_FALSE(colouring.ColorizeOn());
    EXPECT_FALSE(coloured());
    EXPECT_EQ(editor().Text(), QStringLiteral("<pz") + kPage.mid(2)) << "the key still lands";

    // Whatever drops the colours switches the colouring off with them, so that the next
    // F12 colours again: another document shown, a command's edit, a key the key hooks
    // never see.
    const std::function<void()> drops[] = {
        [this] { load(QStringLiteral("<b>another</b>")); },
        [this] { applyEdit(editor(), TextEdit::typing(0, 0, QStringLiteral("x"))); },
        [this] { QTest::keyClick(&editor(), Qt::Key_Equal); },
    };
    for (const auto& drop : drops) {
        f12();
        ASSERT_TRUE(coloured());
        drop();
        EXPECT_FALSE(coloured());
        EXPECT_FALSE(colouring.ColorizeOn());
        f12();
        EXPECT_TRUE(coloured()) << "one F12 colours again";
        f12();
    }
}

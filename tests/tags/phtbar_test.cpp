// The tag toolbar on the real editor: what the buttons write and select, the pickers and
// pop-up menus they open under the button, the conversions, the preview and the decoded
// view, and the bar's mouse handling with its edges and hints.

#include "support/viewcontext.h"

#include "conversions/bytes.h"
#include "tags/tablemarkup.h"

#include <QMenu>
#include <QMouseEvent>

namespace {

using ToolbarButtons = EditorViewTest;

QPoint onButton(int button, int y = 10)
{
    return {24 * button + 12, y};
}

} // namespace

TEST_F(ToolbarButtons, ButtonsWriteOverTheSelection)
{
    Props.firstcolor = 0x0000FF; // red in the low byte
    const QString font = QStringLiteral("<FONT COLOR=\"#FF0000\">");
    const QString table = tabelisteqsti(QStringLiteral("1|0|2"), byteText({0xC2, 0xA0}));
    struct Case
    {
        int code;
        QString answer; // of the picker
        QString written;
        qint32 selStart; // from the written text's start
        qint32 selLength;
    };
    const Case cases[] = {
        {0, {}, QStringLiteral("<B>word</B>"), 3, 4},
        {12, {}, QStringLiteral("<!-- word -->"), 5, 4},
        {6, {}, QStringLiteral("word<BR>"), 8, 0},
        {19, {}, font + QStringLiteral("word</FONT>"), 22, 4},
        {4, {}, QStringLiteral("word"), 0, 4}, // the picker closed without a choice
        {4, QStringLiteral("#FF0000"), QStringLiteral("#FF0000"), 7, 0},
        {4, font + QStringLiteral("$</FONT>"), font + QStringLiteral("word</FONT>"), 22, 4},
        {13, QStringLiteral("1|0"), QStringLiteral("word"), 0, 4}, // no style: no table
        {13, QStringLiteral("1|0|2"), table, qint32(table.size()), 0},
        {23, QStringLiteral("&copy;"), QStringLiteral("&copy;"), 6, 0},
    };
    for (const Case& c : cases) {
        pickers.answer = c.answer;
        pickers.points.clear();
        load(QStringLiteral("a word b"), 2, 4);
        bar.htmlbarklick(c.code);
        EXPECT_EQ(editor().Text(), QStringLiteral("a ") + c.written + QStringLiteral(" b"))
            << c.code;
        EXPECT_EQ(editor().SelStart(), 2 + c.selStart) << c.code;
        EXPECT_EQ(editor().SelLength(), c.selLength) << c.code;
        if (!pickers.points.isEmpty()) {
            EXPECT_EQ(pickers.points, QList{bar.mapToGlobal(QPoint(24 * c.code, bar.height()))});
        }
    }
    EXPECT_EQ(context.state.EditorChanged(), -1) << "an edit of the user's";

    // Button 5 and the empty cells of a table write the no-break space the options ask for.
    for (const auto& [norNB, space] :
         {std::pair{kOn, QStringLiteral("&nbsp;")}, std::pair{qint16(0), byteText({0xC2, 0xA0})}}) {
        Props.norNB = norNB;
        load(QStringLiteral("ab"), 1);
        bar.htmlbarklick(5);
        EXPECT_EQ(editor().Text(), QStringLiteral("a") + space + QStringLiteral("b"));
        pickers.answer = QStringLiteral("1|0|2");
        load(QString());
        bar.htmlbarklick(13);
        const QString cell =
            QStringLiteral("<TD WIDTH=\"50%\">") + space + QStringLiteral("</TD>\r\n");
        EXPECT_EQ(editor().Text(), QStringLiteral("<TABLE WIDTH=\"100%\">\r\n<TR>\r\n") + cell +
                                       cell + QStringLiteral("</TR>\r\n</TABLE>\r\n"))
            << norNB;
    }

    // Alt shortcuts press the buttons; with nothing selected the caret stands between tags.
    load(QStringLiteral("ab"), 1);
    QTest::keyClick(&editor(), Qt::Key_B, Qt::AltModifier);
    QTest::keyClick(&editor(), Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(editor().Text(), QStringLiteral("a<B><PRE></PRE></B>b"));
    EXPECT_EQ(editor().SelStart(), 9);
}

TEST_F(ToolbarButtons, PopupMenusOpenUnderTheirButtons)
{
    const std::pair<int, const char*> menus[] = {{3, "mnuFonti"},  {8, "mnuHtags"},  {9, "mnusurs"},
                                                 {10, "mnulinks"}, {17, "mnusiebi"}, {18, "mnuFK"},
                                                 {25, "mnuobSi"}};
    for (const auto& [code, name] : menus) {
        QMenu& menu = context.menus.menu(name);
        bar.htmlbarklick(code);
        EXPECT_FALSE(menu.isVisible()) << name << " opens only once it has items";
        const QByteArray item = QByteArray(name) + "Item";
        context.menus.add(menu, {item.constData(), QStringLiteral("x")}, [] {});
        bar.htmlbarklick(code);
        EXPECT_EQ(QApplication::activePopupWidget(), &menu) << name;
        if (code < 10) { // well inside the screen, the menu stands where it was put
            EXPECT_EQ(menu.pos(),
                      bar.mapToGlobal(QPoint(24 * code - (code == 8 ? 20 : 0), bar.height())));
        }
        menu.close();
    }
}

TEST_F(ToolbarButtons, ConversionsPreviewAndDecodedView)
{
    load(QString());
    for (const int code : {21, 22, 26})
        bar.htmlbarklick(code);
    load(QStringLiteral("ab"), 1);
    for (const int code : {21, 22})
        bar.htmlbarklick(code);
    EXPECT_EQ(editor().Text(), QStringLiteral("ab")) << "nothing selected, nothing converted";
    EXPECT_EQ(pickers.previews, 0) << "no preview of an empty text";

    // 22 writes the selected Latin keys as UTF-8 Georgian, 21 reads them back.
    load(QStringLiteral("-ab-"), 1, 2);
    bar.htmlbarklick(22);
    EXPECT_EQ(editor().Text(), byteText({'-', 0xE1, 0x83, 0x90, 0xE1, 0x83, 0x91, '-'}));
    bar.htmlbarklick(21);
    EXPECT_EQ(editor().Text(), QStringLiteral("-ab-"));
    bar.htmlbarklick(26);
    EXPECT_EQ(pickers.previews, 1);

    bar.htmlbarklick(24);
    EXPECT_TRUE(context.decodedShown);
    context.decodedText = QStringLiteral("x");
    bar.htmlbarklick(24);
    EXPECT_FALSE(context.decodedShown);
    EXPECT_EQ(context.decodedText, QString()) << "emptied as it hides";
}

TEST_F(ToolbarButtons, TheMouseShowsEdgesAndHintsAndAClickActsOnceOnTheBarOnly)
{
    const auto hint = [&] { return context.status(StatusPanel::Main); };
    const auto corner = [&](int button) { return bar.grab().toImage().pixel(24 * button + 1, 1); };
    const QRgb light = bar.palette().color(QPalette::Light).rgb();
    const QRgb dark = bar.palette().color(QPalette::Dark).rgb();
    // Moves as the window system delivers them to the bar (the cursor's own moves are
    // skipped by Qt where the cursor already stands).
    const auto move = [&](QPoint at) {
        QMouseEvent event(QEvent::MouseMove, at, bar.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&bar, &event);
    };
    move(onButton(0));
    EXPECT_EQ(hint(), QStringLiteral("   Bold (Alt+B)"));
    EXPECT_EQ(corner(0), light) << "raised under the mouse";
    move(onButton(26));
    EXPECT_EQ(hint(), QStringLiteral(u"   \u10D1\u10E0\u10D0\u10E3\u10D6\u10D4\u10E0\u10E8\u10D8 "
                                     u"\u10DC\u10D0\u10EE\u10D5\u10D0")); // "brauzerSi naxva"
    EXPECT_NE(corner(0), light) << "one edge at a time";

    load(QStringLiteral("w"), 0, 1);
    context.TV->setFocus();
    QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, onButton(1));
    EXPECT_EQ(corner(1), dark) << "sunken while pressed";
    QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, onButton(0)); // 0 acts
    EXPECT_EQ(editor().Text(), QStringLiteral("<B>w</B>"));
    EXPECT_TRUE(editor().hasFocus());

    const QPoint offButtons[] = {onButton(1, 30), onButton(1, -1), {27 * 24 + 5, 10}, {-3, 10}};
    for (const QPoint at : offButtons) {
        QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, onButton(1));
        QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, at);
    }
    QTest::mouseClick(&bar, Qt::RightButton, Qt::NoModifier, onButton(1));
    EXPECT_EQ(editor().Text(), QStringLiteral("<B>w</B>"));

    move(onButton(3, 40)); // off the bar
    EXPECT_EQ(hint(), QStringLiteral("   "));
    EXPECT_NE(corner(1), dark);
    EXPECT_NE(corner(3), light);
}

#include "platform/editorcontrol.h"

#include "platform/bytetext.h"
#include "support/testfolders.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QRawFont>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

QString bytes(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

QString everyByteButLineBreaks()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            all.append(char(b));
    }
    return bytesToText(all);
}

// A family no machine has, so the map asked for is the map used.
FontRecord recordFor(DisplayMapKind map)
{
    FontRecord record;
    record.family = QStringLiteral("Kelmora Test Absent Font");
    record.pointSize = 10;
    record.map = map;
    return record;
}

// Types shown characters as a keyboard of another layout does: keys Qt has no name for.
void typeShown(EditorControl& editor, const QString& shown)
{
    for (const QChar c : shown)
        QTest::sendKeyEvent(QTest::Click, &editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// How many screen lines the layout gives a line of the text.
int screenLines(const EditorControl& editor, int line)
{
    const QTextBlock block = editor.document()->findBlockByNumber(line);
    editor.document()->documentLayout()->blockBoundingRect(block);
    return block.layout()->lineCount();
}

struct KeyRecord
{
    int code;
    int shift;
    bool operator==(const KeyRecord&) const = default;
};

} // namespace

// ---- Text, CR LF and the display maps ----------------------------------------------------

TEST(EditorControlText, EveryByteRoundTripsUnderEveryMap)
{
    for (const auto kind : {DisplayMapKind::Latin, DisplayMapKind::Cyrillic,
                            DisplayMapKind::GeorgianIso, DisplayMapKind::GeorgianKeys}) {
        EditorControl editor;
        editor.setFontRecord(recordFor(kind));
        ASSERT_EQ(editor.displayMap().kind(), kind);
        const QString text = everyByteButLineBreaks() + bytes("\r\n\xA0 end");
        editor.setText(text);
        EXPECT_EQ(editor.Text(), text) << int(kind);
        EXPECT_EQ(editor.document()->toRawText(),
                  DisplayMap::get(kind).toShown(everyByteButLineBreaks()) + QChar(0x2029) +
                      DisplayMap::get(kind).toShown(bytes("\xA0 end")));

        editor.setText(QString());
        editor.setSelText(text);
        EXPECT_EQ(editor.Text(), text) << int(kind);
        editor.setSelStart(0);
        editor.setSelLength(editor.TextLength());
        EXPECT_EQ(editor.SelText(), text) << int(kind);
    }
}

TEST(EditorControlText, LoneCrAndLoneLfBecomeLineBreaks)
{
    EditorControl editor;
    editor.setText(bytes("a\rb\nc\r\nd\n\re"));
    EXPECT_EQ(editor.Text(), bytes("a\r\nb\r\nc\r\nd\r\n\r\ne"));
    EXPECT_EQ(editor.TextLength(), 15);
    EXPECT_EQ(editor.LineCount(), 6);
}

// ---- Selection -----------------------------------------------------------------------------

TEST(EditorControlSelection, PositionsCountLineBreaksAsTwo)
{
    EditorControl editor;
    editor.setText(bytes("ab\r\ncd\r\nef")); // c at 4, e at 8, length 10
    editor.setSelStart(8);
    editor.setSelLength(2);
    EXPECT_EQ(editor.SelText(), bytes("ef"));
    editor.setSelStart(1);
    editor.setSelLength(4);
    EXPECT_EQ(editor.SelStart(), 1);
    EXPECT_EQ(editor.SelLength(), 4);
    EXPECT_EQ(editor.SelText(), bytes("b\r\nc"));
}

TEST(EditorControlSelection, BetweenCrAndLfIsTheEndOfTheLineAndOutsideIsClamped)
{
    EditorControl editor;
    editor.setText(bytes("ab\r\ncd\r\nef"));
    editor.setSelStart(7);
    EXPECT_EQ(editor.SelStart(), 6);
    editor.setSelStart(0);
    editor.setSelLength(3);
    EXPECT_EQ(editor.SelText(), bytes("ab"));
    editor.setSelStart(100);
    EXPECT_EQ(editor.SelStart(), 10);
    editor.setSelStart(-5);
    EXPECT_EQ(editor.SelStart(), 0);
    editor.setSelStart(8);
    editor.setSelLength(1 << 30);
    EXPECT_EQ(editor.SelLength(), 2);
}

TEST(EditorControlSelection, RangesAndOneStepSelectionsCountLineBreaksAsTwo)
{
    EditorControl editor;
    editor.setText(bytes("ab\r\ncd\r\nef"));
    editor.setSelStart(9);
    EXPECT_EQ(editor.TextRange(1, 4), bytes("b\r\nc"));
    EXPECT_EQ(editor.TextRange(4, 2), bytes("cd"));
    EXPECT_EQ(editor.TextRange(8, 100), bytes("ef"));
    EXPECT_EQ(editor.SelStart(), 9) << "reading a range leaves the selection";

    QSignalSpy moves(&editor, &EditorControl::SelChange);
    editor.setSelection(4, 4);
    EXPECT_EQ(moves.count(), 1);
    EXPECT_EQ(editor.SelStart(), 4);
    EXPECT_EQ(editor.SelText(), bytes("cd\r\n"));
}

TEST(EditorControlSelection, SelTextReplacesTheSelectionAndLeavesTheCaretAfterIt)
{
    EditorControl editor;
    editor.setText(bytes("one\r\ntwo\r\nthree"));
    editor.setSelStart(5);
    editor.setSelLength(3);
    editor.setSelText(bytes("2\r\n2\r2"));
    EXPECT_EQ(editor.Text(), bytes("one\r\n2\r\n2\r\n2\r\nthree"));
    EXPECT_EQ(editor.SelStart(), 5 + 7);
    EXPECT_EQ(editor.SelLength(), 0);

    editor.setSelStart(14);
    editor.setSelLength(5);
    editor.setSelText(bytes("3"));
    EXPECT_EQ(editor.Text(), bytes("one\r\n2\r\n2\r\n2\r\n3"));
    EXPECT_EQ(editor.SelStart(), editor.TextLength());
}

TEST(EditorControlSelection, SelTextIsOneUndoStep)
{
    EditorControl editor;
    editor.setText(bytes("abc def"));
    editor.setSelStart(4);
    editor.setSelLength(3);
    editor.setSelText(bytes("1\r\n2\r\n3"));
    editor.undo();
    EXPECT_EQ(editor.Text(), bytes("abc def"));
    editor.redo();
    EXPECT_EQ(editor.Text(), bytes("abc 1\r\n2\r\n3"));
}

// ---- Logical lines -------------------------------------------------------------------------

TEST(EditorControlLines, LookupsCountLineBreaksAsTwo)
{
    EditorControl editor;
    editor.setText(bytes("ab\r\n\r\ncdef\r\ng")); // lines start at 0, 4, 6, 12
    EXPECT_EQ(editor.LineCount(), 4);
    EXPECT_EQ(editor.LineIndex(1), 4);
    EXPECT_EQ(editor.LineIndex(3), 12);
    EXPECT_EQ(editor.LineIndex(4), -1);
    EXPECT_EQ(editor.LineLength(3), 2);
    EXPECT_EQ(editor.LineLength(4), 0);
    EXPECT_EQ(editor.LineLength(7), 4);
    EXPECT_EQ(editor.LineFromChar(3), 0);
    EXPECT_EQ(editor.LineFromChar(4), 1);
    EXPECT_EQ(editor.LineFromChar(11), 2);
    EXPECT_EQ(editor.LineFromChar(12), 3);
    EXPECT_EQ(editor.LineFromChar(99), 3);
    editor.setSelStart(8);
    EXPECT_EQ(editor.LineIndex(-1), 6);
}

TEST(EditorControlLines, LookupsIgnoreWrappingAndTheRightMarginSetsTheWrap)
{
    EditorControl editor;
    editor.resize(400, 300);
    editor.show();
    const QString longLine = bytes("wo ").repeated(60);
    editor.setText(longLine + bytes("\r\nshort\r\n") + longLine);

    editor.setRightMargin(0);
    const int atWindowWidth = screenLines(editor, 0);
    editor.setRightMargin(1500);
    EXPECT_EQ(editor.RightMargin(), 1500);
    const int atMargin = screenLines(editor, 0);
    EXPECT_GT(atWindowWidth, 1);
    EXPECT_GT(atMargin, atWindowWidth);

    EXPECT_EQ(editor.LineCount(), 3);
    EXPECT_EQ(editor.LineIndex(2), longLine.size() + 9);
    EXPECT_EQ(editor.LineFromChar(longLine.size() + 4), 1);
    EXPECT_EQ(editor.LineLength(2), longLine.size());
    EXPECT_EQ(editor.FirstVisibleLine(), 0);

    editor.setRightMargin(editor.width() * 15 * 20);
    EXPECT_EQ(screenLines(editor, 0), 1);
}

TEST(EditorControlLines, LineAtYFindsTheLineDrawnThere)
{
    EditorControl editor;
    editor.resize(300, 200);
    editor.show();
    QStringList lines;
    for (int i = 0; i < 60; ++i)
        lines << QString::number(i);
    editor.setText(lines.join(QLatin1String("\r\n")));
    editor.verticalScrollBar()->setValue(10);
    EXPECT_EQ(editor.FirstVisibleLine(), 10);
    for (const int y : {2, 40, 120})
        EXPECT_EQ(editor.LineAtY(y), editor.cursorForPosition(QPoint(5, y)).blockNumber()) << y;
    EXPECT_EQ(editor.LineAtY(1), 10);

    editor.setText(bytes("one\r\ntwo"));
    EXPECT_EQ(editor.LineAtY(editor.viewport()->height() - 1), -1);
}

// ---- Keys ----------------------------------------------------------------------------------

TEST(EditorControlKeys, TypedLettersOfOtherLayoutsBecomeTheMapsBytes)
{
    const struct
    {
        DisplayMapKind map;
        QString typed;
        QString expected;
    } cases[] = {
        {DisplayMapKind::GeorgianIso, QStringLiteral(u"\u10D0b"), bytes("\xC0\x62")},
        {DisplayMapKind::GeorgianKeys, QStringLiteral(u"\u10D0a"), bytes("aa")},
        {DisplayMapKind::Cyrillic, QStringLiteral(u"\u0416"), bytes("\xC6")},
        {DisplayMapKind::Latin, QStringLiteral(u"\u10D0\u00E9"), bytes("&#4304;\xE9")},
    };
    for (const auto& c : cases) {
        EditorControl editor;
        editor.setFontRecord(recordFor(c.map));
        typeShown(editor, c.typed);
        EXPECT_EQ(editor.Text(), c.expected) << int(c.map);
    }
}

TEST(EditorControlKeys, KeyPressSeesTheByteAndMaySwallowOrReplaceIt)
{
    EditorControl editor;
    editor.setFontRecord(recordFor(DisplayMapKind::GeorgianIso));
    QList<int> seen;
    QObject::connect(&editor, &EditorControl::KeyPress, [&seen](int& keyAscii) {
        seen << keyAscii;
        if (keyAscii == 'a')
            keyAscii = 0xC0;
        else if (keyAscii == 'b')
            keyAscii = 0;
    });
    QTest::keyClicks(&editor, QStringLiteral("abc"));
    typeShown(editor, QStringLiteral(u"\u10D1"));
    EXPECT_EQ(seen, QList<int>({'a', 'b', 'c', 0xC1}));
    EXPECT_EQ(editor.Text(), bytes("\xC0\x63\xC1"));
    EXPECT_EQ(editor.document()->toRawText(), QStringLiteral(u"\u10D0c\u10D1"));
}

TEST(EditorControlKeys, KeyDownGivesCodeAndShiftStateAndMaySwallowTheKey)
{
    EditorControl editor;
    QList<KeyRecord> downs;
    QList<KeyRecord> ups;
    QObject::connect(&editor, &EditorControl::KeyDown, [&downs](int& code, int shift) {
        downs << KeyRecord{code, shift};
        if (code == 'X' || (code == 'B' && shift == kAltMask))
            code = 0;
    });
    QObject::connect(&editor, &EditorControl::KeyUp, [&ups](int& code, int shift) {
        ups << KeyRecord{code, shift};
    });
    int keyPresses = 0;
    QObject::connect(&editor, &EditorControl::KeyPress, [&keyPresses](int&) { ++keyPresses; });

    QTest::keyClick(&editor, Qt::Key_X);
    QTest::keyClick(&editor, Qt::Key_B, Qt::AltModifier);
    QTest::keyClick(&editor, Qt::Key_Q, Qt::AltModifier); // Alt+key is never text
    EXPECT_EQ(editor.Text(), QString());
    EXPECT_EQ(keyPresses, 0);
    EXPECT_TRUE(ups.contains(KeyRecord{'X', 0}));
    EXPECT_TRUE(ups.contains(KeyRecord{'B', kAltMask}));

    QTest::keyClick(&editor, Qt::Key_F5, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClick(&editor, Qt::Key_Menu);
    EXPECT_TRUE(downs.contains(KeyRecord{116, kShiftMask | kCtrlMask}));
    EXPECT_TRUE(downs.contains(KeyRecord{13, 0}));
    EXPECT_TRUE(downs.contains(KeyRecord{93, 0}));
}

TEST(EditorControlKeys, KeyDownMayTurnTheKeyIntoBackspace)
{
    EditorControl editor;
    editor.setText(bytes("abc"));
    editor.setSelStart(3);
    QObject::connect(&editor, &EditorControl::KeyDown, [](int& code, int shift) {
        if (code == 9 && shift == kShiftMask)
            code = 8;
    });
    QTest::keyClick(&editor, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor.Text(), bytes("ab"));
}

TEST(EditorControlKeys, AutoRepeatReleasesRaiseNoKeyUp)
{
    EditorControl editor;
    int ups = 0;
    QObject::connect(&editor, &EditorControl::KeyUp, [&ups](int&, int) { ++ups; });
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), true);
    QApplication::sendEvent(&editor, &repeated);
    EXPECT_EQ(ups, 0);
    QKeyEvent last(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), false);
    QApplication::sendEvent(&editor, &last);
    EXPECT_EQ(ups, 1);
}

TEST(EditorControlKeys, EnterWithOrWithoutShiftOrCtrlBreaksTheLine)
{
    EditorControl editor;
    QTest::keyClick(&editor, Qt::Key_A);
    QTest::keyClick(&editor, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&editor, Qt::Key_B);
    QTest::keyClick(&editor, Qt::Key_Enter, Qt::ControlModifier);
    QTest::keyClick(&editor, Qt::Key_C);
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_EQ(editor.Text(), bytes("a\r\nb\r\nc\r\n"));
    EXPECT_EQ(editor.LineCount(), 4);
}

TEST(EditorControlKeys, CtrlLettersReachKeyPressAndKeepTheirShortcut)
{
    EditorControl editor;
    editor.setText(bytes("one two"));
    QList<int> seen;
    QObject::connect(&editor, &EditorControl::KeyPress, [&](int& keyAscii) {
        seen << keyAscii;
        if (keyAscii == 2) { // Ctrl+B: the program's line-break tag
            editor.setSelText(bytes("<BR>"));
            keyAscii = 0;
        }
    });
    QTest::keyClick(&editor, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(editor.SelLength(), 7);
    QTest::keyClick(&editor, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(seen, QList<int>({1, 2}));
    EXPECT_EQ(editor.Text(), bytes("<BR>"));
}

TEST(EditorControlKeys, BackspaceDeletesUnlessKeyPressSwallowsIt)
{
    EditorControl editor;
    editor.setText(bytes("ab\r\nc"));
    editor.setSelStart(4);
    QTest::keyClick(&editor, Qt::Key_Backspace);
    EXPECT_EQ(editor.Text(), bytes("abc"));
    QObject::connect(&editor, &EditorControl::KeyPress, [](int& keyAscii) {
        if (keyAscii == 8)
            keyAscii = 0;
    });
    QTest::keyClick(&editor, Qt::Key_Backspace);
    EXPECT_EQ(editor.Text(), bytes("abc"));
}

TEST(EditorControlKeys, InputMethodTextIsTypedThroughTheMap)
{
    EditorControl editor;
    editor.setFontRecord(recordFor(DisplayMapKind::GeorgianIso));
    QList<int> seen;
    QObject::connect(&editor, &EditorControl::KeyPress,
                     [&seen](int& keyAscii) { seen << keyAscii; });
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral(u"\u10D0\u10D1"));
    QApplication::sendEvent(&editor, &composed);
    EXPECT_EQ(editor.Text(), bytes("\xC0\xC1"));
    EXPECT_EQ(seen, QList<int>({0xC0, 0xC1}));
}

// ---- Clipboard -----------------------------------------------------------------------------

TEST(EditorControlClipboard, CopyAndPasteInsideAreByteExact)
{
    EditorControl editor;
    QByteArray high;
    for (int b = 0x80; b < 0x100; ++b)
        high.append(char(b));
    const QString text = bytesToText(high) + bytes("\r\nx");
    editor.setText(text);
    editor.selectAll();
    editor.copy();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    EXPECT_EQ(copied->data(QStringLiteral("application/x-kelmora-bytes")), high + "\r\nx");
    EXPECT_EQ(copied->text(), DisplayMap::get(DisplayMapKind::Latin).toShown(bytesToText(high)) +
                                  QStringLiteral("\nx"));

    // Pasted in another language mode, the bytes stay what they were.
    editor.setFontRecord(recordFor(DisplayMapKind::Cyrillic));
    editor.setText(bytes("[]"));
    editor.setSelStart(1);
    editor.paste();
    EXPECT_EQ(editor.Text(), bytes("[") + text + bytes("]"));
}

TEST(EditorControlClipboard, PlainTextFromElsewhereGoesThroughTheMap)
{
    EditorControl editor;
    editor.setFontRecord(recordFor(DisplayMapKind::GeorgianKeys));
    QApplication::clipboard()->setText(QStringLiteral(u"\u10D0a\n\u0416\u2029z"));
    editor.paste();
    EXPECT_EQ(editor.Text(), bytes("aa\r\n&#1046;\r\nz"));

    editor.setFontRecord(recordFor(DisplayMapKind::Cyrillic));
    editor.setText(QString());
    editor.paste();
    EXPECT_EQ(editor.Text(), bytes("&#4304;a\r\n\xC6\r\nz"));
}

TEST(EditorControlClipboard, RichTextIsNeverPasted)
{
    EditorControl editor;
    auto* htmlOnly = new QMimeData;
    htmlOnly->setHtml(QStringLiteral("<b>bold</b>"));
    QApplication::clipboard()->setMimeData(htmlOnly);
    editor.paste();
    EXPECT_EQ(editor.Text(), QString());

    auto* both = new QMimeData;
    both->setHtml(QStringLiteral("<b>bold</b>"));
    both->setText(QStringLiteral("plain"));
    QApplication::clipboard()->setMimeData(both);
    editor.paste();
    EXPECT_EQ(editor.Text(), bytes("plain"));
}

// ---- Signals -------------------------------------------------------------------------------

TEST(EditorControlSignals, ChangeFiresForEveryEditIncludingTheProgramsOwn)
{
    EditorControl editor;
    QSignalSpy changes(&editor, &EditorControl::Change);
    editor.setText(bytes("a\r\nb\r\nc"));
    EXPECT_EQ(changes.count(), 1);
    editor.setSelStart(1);
    EXPECT_EQ(changes.count(), 1);
    editor.setSelText(bytes("x"));
    EXPECT_EQ(changes.count(), 2);
    QTest::keyClick(&editor, Qt::Key_Y);
    EXPECT_EQ(changes.count(), 3);
}

TEST(EditorControlSignals, SelChangeFiresOncePerMove)
{
    EditorControl editor;
    editor.setText(bytes("abc\r\ndef"));
    QSignalSpy moves(&editor, &EditorControl::SelChange);
    editor.setSelStart(5);
    EXPECT_EQ(moves.count(), 1);
    editor.setSelLength(2);
    EXPECT_EQ(moves.count(), 2);
    editor.setSelStart(5); // the caret moves back and the selection goes
    EXPECT_EQ(moves.count(), 3);
    editor.setSelStart(5);
    EXPECT_EQ(moves.count(), 3);
    QTest::keyClick(&editor, Qt::Key_Right);
    EXPECT_EQ(moves.count(), 4);
}

// ---- Appearance ----------------------------------------------------------------------------

TEST(EditorControlAppearance, AnEmptyFamilyOrNoSizeKeepsTheCurrentOne)
{
    EditorControl editor;
    FontRecord first = recordFor(DisplayMapKind::Latin);
    first.pointSize = 13;
    editor.setFontRecord(first);
    FontRecord second;
    second.bold = true;
    second.charset = 204;
    second.map = DisplayMapKind::Cyrillic;
    editor.setFontRecord(second);
    EXPECT_EQ(editor.fontRecord().family, first.family);
    EXPECT_EQ(editor.fontRecord().pointSize, 13);
    EXPECT_EQ(editor.fontRecord().charset, 204);
    EXPECT_TRUE(editor.font().bold());
    EXPECT_EQ(editor.font().pointSize(), 13);
}

TEST(EditorControlAppearance, ANewMapShowsTheSameBytesAndKeepsSelectionAndModifiedFlag)
{
    EditorControl editor;
    editor.setText(bytes("ab\r\n\xC0\xE0"));
    editor.setSelStart(4);
    editor.setSelLength(1);
    QSignalSpy changes(&editor, &EditorControl::Change);
    editor.setFontRecord(recordFor(DisplayMapKind::Cyrillic));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(editor.Text(), bytes("ab\r\n\xC0\xE0"));
    EXPECT_EQ(editor.document()->toRawText(), QStringLiteral(u"ab\u2029\u0410\u0430"));
    EXPECT_EQ(editor.SelStart(), 4);
    EXPECT_EQ(editor.SelLength(), 1);
    EXPECT_FALSE(editor.document()->isModified());

    QTest::keyClick(&editor, Qt::Key_Z);
    editor.setFontRecord(recordFor(DisplayMapKind::GeorgianIso));
    EXPECT_TRUE(editor.document()->isModified());
    EXPECT_EQ(editor.Text(), bytes("ab\r\nz\xE0"));

    editor.setFontRecord(recordFor(DisplayMapKind::GeorgianIso));
    EXPECT_EQ(changes.count(), 3); // the map stayed: the text was not shown anew
}

TEST(EditorControlAppearance, AnInstalledFontWithoutGeorgianLettersIsShownThroughLatin)
{
    const QStringList families = QFontDatabase::families();
    const auto legacy = std::find_if(families.begin(), families.end(), [](const QString& family) {
        return !QRawFont::fromFont(QFont(family)).supportsCharacter(char32_t(0x10D0));
    });
    if (legacy == families.end())
        GTEST_SKIP() << "every installed font has Georgian letters";
    EditorControl editor;
    editor.setText(bytes("\xC0"));
    FontRecord record = recordFor(DisplayMapKind::GeorgianIso);
    record.family = *legacy;
    editor.setFontRecord(record);
    EXPECT_EQ(editor.displayMap().kind(), DisplayMapKind::Latin);
    EXPECT_EQ(editor.fontRecord().map, DisplayMapKind::GeorgianIso);
    EXPECT_EQ(editor.document()->toRawText(), QStringLiteral(u"\u00C0"));
}

TEST(EditorControlAppearance, ColoursRoundTripAsPackedValuesWithRedLow)
{
    EditorControl editor;
    editor.setBackColor(0x123456);
    editor.setForeColor(0xABCDEF);
    EXPECT_EQ(editor.BackColor(), 0x123456u);
    EXPECT_EQ(editor.ForeColor(), 0xABCDEFu);
    EXPECT_EQ(editor.palette().color(QPalette::Base), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(editor.palette().color(QPalette::Text), QColor(0xEF, 0xCD, 0xAB));
}

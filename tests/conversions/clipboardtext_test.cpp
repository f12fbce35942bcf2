#include "conversions/clipboardtext.h"

#include "conversions/conversions.h"
#include "platform/displaymap.h"

#include "bytes.h"

#include <gtest/gtest.h>

namespace {

const DisplayMap& latinMap()
{
    return DisplayMap::get(DisplayMapKind::Latin);
}

// The Unicode Georgian letters for a word written in Latin keys.
QString georgianLetters(const QString& keys)
{
    const QString order = QStringLiteral("abgdevzTiklmnopJrstufqRySCcZwWxjh");
    QString letters;
    for (const QChar key : keys)
        letters += QChar(char16_t(0x10D0 + order.indexOf(key)));
    return letters;
}

} // namespace

TEST(EncodeAndCopy, PutsTheRealGeorgianLettersOnTheClipboard)
{
    const QString clipboard = encodeAndCopyClipboardText(QStringLiteral("gamarjoba"), latinMap());
    EXPECT_EQ(clipboard, georgianLetters(QStringLiteral("gamarjoba")));
    EXPECT_EQ(clipboard.toUtf8(), textToBytes(ConvertByTables(QStringLiteral("gamarjoba"), 1, 0)));
}

TEST(EncodeAndCopy, KeepsWhatIsNoKey)
{
    EXPECT_EQ(encodeAndCopyClipboardText(QStringLiteral("<B>12 ena!</B>\r\n"), latinMap()),
              QStringLiteral("<B>12 ") + georgianLetters(QStringLiteral("ena")) +
                  QStringLiteral("!</B>\r\n"));
    EXPECT_EQ(encodeAndCopyClipboardText(QString(), latinMap()), QString());
}

TEST(EncodeAndCopy, ShowsStrayEightBitBytesAsTheEditorDoes)
{
    // C0 is no part of UTF-8: the Cyrillic map shows it as the capital A, the Latin map as A
    // with grave; it must not become a replacement mark.
    const QString selection = QStringLiteral("a ") + byteText({0xC0});
    EXPECT_EQ(encodeAndCopyClipboardText(selection, DisplayMap::get(DisplayMapKind::Cyrillic)),
              georgianLetters(QStringLiteral("a")) + QStringLiteral(" ") + QChar(u'\x0410'));
    EXPECT_EQ(encodeAndCopyClipboardText(selection, latinMap()),
              georgianLetters(QStringLiteral("a")) + QStringLiteral(" ") + QChar(u'\x00C0'));
}

TEST(EncodeAndCopy, KeepsTheCharacterFEFFWhereverItsBytesStand)
{
    const QChar feff(u'\xFEFF');
    const QString letterA = georgianLetters(QStringLiteral("a"));
    const struct
    {
        QString selection;
        QString expected;
    } cases[] = {
        // At the start, after a stray 8-bit byte, and between letters.
        {byteText({0xEF, 0xBB, 0xBF}) + QStringLiteral("a"), feff + letterA},
        {byteText({0xC0, 0xEF, 0xBB, 0xBF}), QChar(u'\x00C0') + QString(feff)},
        {QStringLiteral("a") + byteText({0xEF, 0xBB, 0xBF, 0xEF, 0xBB, 0xBF}) + QStringLiteral("a"),
         letterA + feff + feff + letterA},
    };
    for (const auto& [selection, expected] : cases)
        EXPECT_EQ(encodeAndCopyClipboardText(selection, latinMap()), expected) << hexOf(selection);
}

TEST(Utf8Text, DecodesEveryWellFormedSequence)
{
    const QString text = QStringLiteral("x") + QChar(u'\x00E9') + QChar(u'\x20AC') +
                         QStringView(QChar::fromUcs4(0x1F600)).toString();
    EXPECT_EQ(textOfUtf8Bytes(bytesToText(text.toUtf8()), latinMap()), text);
}

TEST(Utf8Text, BytesOutsideWellFormedSequencesGoThroughTheMap)
{
    const struct
    {
        std::initializer_list<int> bytes;
        QString expected;
    } cases[] = {
        // A lone continuation byte, then a letter.
        {{0x83, 0xE1, 0x83, 0x90}, QChar(u'\x0192') + QString(QChar(u'\x10D0'))},
        // An overlong "/" and a surrogate half are not UTF-8.
        {{0xC0, 0xAF}, QStringLiteral("\u00C0\u00AF")},
        {{0xED, 0xA0, 0x80}, QStringLiteral("\u00ED\u00A0") + QChar(u'\x20AC')},
        // Beyond U+10FFFF, and a letter cut short at the end.
        {{0xF5, 0x80, 0x80, 0x80}, QChar(u'\x00F5') + QString(3, QChar(u'\x20AC'))},
        {{'a', 0xE1, 0x83}, QStringLiteral("a\u00E1") + QChar(u'\x0192')},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(textOfUtf8Bytes(byteText(bytes), latinMap()), expected) << hexOf(byteText(bytes));
}

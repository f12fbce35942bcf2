#include "conversions/conversioncommands.h"

#include "conversions/conversions.h"

#include "bytes.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct Expected
{
    const char* name;
    const char* transliteration; // the caption in Latin keys
    int shortcutKey;
    ConversionMenu menu;
    ConversionScope scope;
    CodeTable source;
    CodeTable target;
};

using enum ConversionMenu;
using enum ConversionScope;
using T = CodeTable;

const Expected kExpected[] = {
    {"mnuTunik", "qarTuli            ASCII - ISO", 0, Edit, WholeText, T::GRIGOLIA,
     T::QARTULI_KELMORADE},
    {"mnuunik", "markirebulis  ASCII-ISO", Qt::Key_F5, Edit, Selection, T::GRIGOLIA,
     T::QARTULI_KELMORADE},
    {"mnuTfonunik", "qarTuli             ISO - ASCII", 0, Edit, WholeText, T::QARTULI_KELMORADE,
     T::GRIGOLIA},
    {"mnuMfonunik", "markirebulis   ISO - ASCII", Qt::Key_F6, Edit, Selection, T::QARTULI_KELMORADE,
     T::GRIGOLIA},
    {"mnuUTF8", "UTF8 kodireba", 0, Edit, WholeText, T::GRIGOLIA, T::QARTULI_TEXT_UTF8},
    {"mnumtubers", "markirebulis UTF8 kodireba", Qt::Key_F8, Edit, Selection, T::GRIGOLIA,
     T::QARTULI_TEXT_UTF8},
    {"mnuTut8dekod", "UTF8 dekodireba", 0, Edit, WholeText, T::QARTULI_TEXT_UTF8, T::GRIGOLIA},
    {"mnuUTF8dekod", "markirebulis UTF8 dekodireba", Qt::Key_F7, Edit, Selection,
     T::QARTULI_TEXT_UTF8, T::GRIGOLIA},
    {"mnuUbendkopi", "UTF8 kodireba da kopireba", 0, Edit, SelectionToClipboard, T::GRIGOLIA,
     T::QARTULI_TEXT_UTF8},
    {"mnuhinu", "rusuli ISO-HEX  dan  ISO-BYN", 0, Konvert, WholeText, T::RUSULI_HEX,
     T::RUSULI_KELMORADE},
    {"mnuUinH", "rusuli ISO-BYN dan ISO-HEX", 0, Konvert, WholeText, T::RUSULI_KELMORADE,
     T::RUSULI_HEX},
    {"mnuQHIU", "qarTuli ISO-HEX dan ISO-BYN", 0, Konvert, WholeText, T::QARTULI_HEX_UTF8,
     T::QARTULI_KELMORADE},
    {"mnuQUIH", "qarTuli ISO-BYN dan ISO-HEX", 0, Konvert, WholeText, T::QARTULI_KELMORADE,
     T::QARTULI_HEX_UTF8},
    {"mnuQUTFIH", "qarTuli BYN-UTF8 dan HEX-UTF8", 0, Konvert, WholeText, T::QARTULI_TEXT_UTF8,
     T::QARTULI_HEX_UTF8},
    {"mnuQHIUTF", "qarTuli UTF8-HEX dan UTF8-BYN", 0, Konvert, WholeText, T::QARTULI_HEX_UTF8,
     T::QARTULI_TEXT_UTF8},
    {"mnuxuc", "qarTuli xucuri ISO-BYN dan  UTF8-HEX", 0, Konvert, WholeText, T::QARTULI_KELMORADE,
     T::QARTULI_HEX_XUCURI},
};

// The stored bytes of a caption written in Latin keys: each letter of a Georgian word
// becomes its 8-bit byte; the Latin words, digits, blanks and punctuation stay.
QString eightBitCaption(const char* transliteration)
{
    const QString keys = QStringLiteral("abgdevzTiklmnopJrstufqRySCcZwWxjh");
    QList<int> eightBit; // from C0, without the four bytes of archaic letters
    for (int b = 0xC0; eightBit.size() < 33; ++b)
        if (b != 0xC7 && b != 0xCE && b != 0xD5 && b != 0xE2)
            eightBit << b;
    const QStringList latinWords = {QStringLiteral("ISO"), QStringLiteral("ASCII"),
                                    QStringLiteral("UTF8"), QStringLiteral("HEX"),
                                    QStringLiteral("BYN")};

    QString caption;
    const QRegularExpression words(QStringLiteral("[A-Za-z0-9]+|[^A-Za-z0-9]+"));
    for (const auto& match : words.globalMatch(QString::fromLatin1(transliteration))) {
        const QString word = match.captured();
        if (!word[0].isLetter() || latinWords.contains(word)) {
            caption += word;
            continue;
        }
        for (const QChar letter : word)
            caption += byteText({eightBit[keys.indexOf(letter)]});
    }
    return caption;
}

const ConversionCommand& command(const char* name)
{
    for (const ConversionCommand& command : conversionCommands())
        if (command.name == QLatin1String(name))
            return command;
    throw std::invalid_argument(name);
}

} // namespace

TEST(ConversionCommands, AreTheSixteenOfTheEditMenuAndItsSubmenu)
{
    const auto commands = conversionCommands();
    ASSERT_EQ(commands.size(), std::size(kExpected));
    for (size_t k = 0; k < commands.size(); ++k) {
        const Expected& expected = kExpected[k];
        const ConversionCommand& actual = commands[k];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(actual.name, QLatin1String(expected.name));
        EXPECT_EQ(actual.shortcutKey, expected.shortcutKey);
        EXPECT_EQ(actual.menu, expected.menu);
        EXPECT_EQ(actual.scope, expected.scope);
        EXPECT_EQ(actual.source, expected.source);
        EXPECT_EQ(actual.target, expected.target);
    }
}

TEST(ConversionCommands, CaptionsAreStoredInTheEightBitLayout)
{
    for (size_t k = 0; k < std::size(kExpected); ++k)
        EXPECT_EQ(hexOf(conversionCommands()[k].caption),
                  hexOf(eightBitCaption(kExpected[k].transliteration)))
            << kExpected[k].name;
    // The word "qarTuli" as its bytes, spelled out once by hand.
    EXPECT_EQ(hexOf(command("mnuTunik").caption).substr(0, 20), "D8 C0 D2 C8 D6 CB C9");
}

TEST(ConversionCommands, EachConvertsLikeItsSharedRoutine)
{
    const QString keys = QStringLiteral("<b>gamarjoba, Tbilis!</b>\r\n");
    const QString eightBit =
        tableConversion(CodeTable::GRIGOLIA, CodeTable::QARTULI_KELMORADE).apply(keys);
    const QString utf8 = ConvertByTables(keys, 1, 0);
    for (const char* name : {"mnuTunik", "mnuunik"})
        EXPECT_EQ(convertText(command(name), keys), eightBit) << name;
    for (const char* name : {"mnuTfonunik", "mnuMfonunik"})
        EXPECT_EQ(convertText(command(name), eightBit), keys) << name;
    for (const char* name : {"mnuUTF8", "mnumtubers", "mnuUbendkopi"})
        EXPECT_EQ(convertText(command(name), keys), utf8) << name;
    for (const char* name : {"mnuTut8dekod", "mnuUTF8dekod"})
        EXPECT_EQ(convertText(command(name), utf8), keys) << name;
}

TEST(ConversionCommands, SubmenuCommandsFollowTheirTables)
{
    EXPECT_EQ(convertText(command("mnuUinH"), byteText({0xA8})), QStringLiteral("&#1025;"));
    EXPECT_EQ(hexOf(convertText(command("mnuhinu"), QStringLiteral("&#1105;"))), "B8");
    EXPECT_EQ(convertText(command("mnuQUIH"), byteText({0xC0})), QStringLiteral("&#4304;"));
    EXPECT_EQ(hexOf(convertText(command("mnuQHIU"), QStringLiteral("&#4304;"))), "C0");
    EXPECT_EQ(convertText(command("mnuQUTFIH"), byteText({0xE1, 0x83, 0x90})),
              QStringLiteral("&#4304;"));
    EXPECT_EQ(hexOf(convertText(command("mnuQHIUTF"), QStringLiteral("&#4304;"))), "E1 83 90");
    EXPECT_EQ(convertText(command("mnuxuc"), byteText({0xC0})), QStringLiteral("&#4256;"));
}

TEST(ConversionCommands, ASelectionCommandSelectsItsWholeResult)
{
    // Replaces exactly the old selection and selects the whole result from its start.
    const TextEdit encoded = convertSelection(command("mnumtubers"), QStringLiteral("ena"), 12);
    EXPECT_EQ(hexOf(encoded.replacement), "E1 83 94 E1 83 9C E1 83 90");
    EXPECT_EQ(encoded, (TextEdit{12, 3, encoded.replacement, 12, 9}));

    const TextEdit decoded = convertSelection(command("mnuUTF8dekod"), encoded.replacement, 12);
    EXPECT_EQ(decoded, (TextEdit{12, 9, QStringLiteral("ena"), 12, 3}));

    EXPECT_EQ(convertSelection(command("mnuunik"), QString(), 5), (TextEdit{5, 0, {}, 5, 0}));
}

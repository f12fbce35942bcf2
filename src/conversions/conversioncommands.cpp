#include "conversions/conversioncommands.h"

#include "conversions/conversions.h"

#include <Qt>

namespace {

using enum ConversionMenu;
using enum ConversionScope;

// Captions are 8-bit Georgian text; each is given in its Latin-key transliteration beside it.
constexpr ConversionCommand kCommands[] = {
    // qarTuli            ASCII - ISO
    {QLatin1String("mnuTunik"),
     QLatin1String("\xD8\xC0\xD2\xC8\xD6\xCB\xC9            ASCII - ISO"), 0, Edit, WholeText,
     CodeTable::GRIGOLIA, CodeTable::QARTULI_KELMORADE, 15},
    // markirebulis  ASCII-ISO
    {QLatin1String("mnuunik"),
     QLatin1String("\xCC\xC0\xD2\xCA\xC9\xD2\xC4\xC1\xD6\xCB\xC9\xD3  ASCII-ISO"), Qt::Key_F5, Edit,
     Selection, CodeTable::GRIGOLIA, CodeTable::QARTULI_KELMORADE, 14},
    // qarTuli             ISO - ASCII
    {QLatin1String("mnuTfonunik"),
     QLatin1String("\xD8\xC0\xD2\xC8\xD6\xCB\xC9             ISO - ASCII"), 0, Edit, WholeText,
     CodeTable::QARTULI_KELMORADE, CodeTable::GRIGOLIA, 20},
    // markirebulis   ISO - ASCII
    {QLatin1String("mnuMfonunik"),
     QLatin1String("\xCC\xC0\xD2\xCA\xC9\xD2\xC4\xC1\xD6\xCB\xC9\xD3   ISO - ASCII"), Qt::Key_F6,
     Edit, Selection, CodeTable::QARTULI_KELMORADE, CodeTable::GRIGOLIA, 5},
    // UTF8 kodireba
    {QLatin1String("mnuUTF8"), QLatin1String("UTF8 \xCA\xCF\xC3\xC9\xD2\xC4\xC1\xC0"), 0, Edit,
     WholeText, CodeTable::GRIGOLIA, CodeTable::QARTULI_TEXT_UTF8, 19},
    // markirebulis UTF8 kodireba
    {QLatin1String("mnumtubers"),
     QLatin1String(
         "\xCC\xC0\xD2\xCA\xC9\xD2\xC4\xC1\xD6\xCB\xC9\xD3 UTF8 \xCA\xCF\xC3\xC9\xD2\xC4\xC1\xC0"),
     Qt::Key_F8, Edit, Selection, CodeTable::GRIGOLIA, CodeTable::QARTULI_TEXT_UTF8, 10},
    // UTF8 dekodireba
    {QLatin1String("mnuTut8dekod"), QLatin1String("UTF8 \xC3\xC4\xCA\xCF\xC3\xC9\xD2\xC4\xC1\xC0"),
     0, Edit, WholeText, CodeTable::QARTULI_TEXT_UTF8, CodeTable::GRIGOLIA, 17},
    // markirebulis UTF8 dekodireba
    {QLatin1String("mnuUTF8dekod"),
     QLatin1String("\xCC\xC0\xD2\xCA\xC9\xD2\xC4\xC1\xD6\xCB\xC9\xD3 UTF8 "
                   "\xC3\xC4\xCA\xCF\xC3\xC9\xD2\xC4\xC1\xC0"),
     Qt::Key_F7, Edit, Selection, CodeTable::QARTULI_TEXT_UTF8, CodeTable::GRIGOLIA, 16},
    // UTF8 kodireba da kopireba
    {QLatin1String("mnuUbendkopi"),
     QLatin1String(
         "UTF8 \xCA\xCF\xC3\xC9\xD2\xC4\xC1\xC0 \xC3\xC0 \xCA\xCF\xD0\xC9\xD2\xC4\xC1\xC0"),
     0, Edit, SelectionToClipboard, CodeTable::GRIGOLIA, CodeTable::QARTULI_TEXT_UTF8, 11},
    // rusuli ISO-HEX  dan  ISO-BYN
    {QLatin1String("mnuhinu"),
     QLatin1String("\xD2\xD6\xD3\xD6\xCB\xC9 ISO-HEX  \xC3\xC0\xCD  ISO-BYN"), 0, Konvert,
     WholeText, CodeTable::RUSULI_HEX, CodeTable::RUSULI_KELMORADE, 22},
    // rusuli ISO-BYN dan ISO-HEX
    {QLatin1String("mnuUinH"),
     QLatin1String("\xD2\xD6\xD3\xD6\xCB\xC9 ISO-BYN \xC3\xC0\xCD ISO-HEX"), 0, Konvert, WholeText,
     CodeTable::RUSULI_KELMORADE, CodeTable::RUSULI_HEX, 23},
    // qarTuli ISO-HEX dan ISO-BYN
    {QLatin1String("mnuQHIU"),
     QLatin1String("\xD8\xC0\xD2\xC8\xD6\xCB\xC9 ISO-HEX \xC3\xC0\xCD ISO-BYN"), 0, Konvert,
     WholeText, CodeTable::QARTULI_HEX_UTF8, CodeTable::QARTULI_KELMORADE, 24},
    // qarTuli ISO-BYN dan ISO-HEX
    {QLatin1String("mnuQUIH"),
     QLatin1String("\xD8\xC0\xD2\xC8\xD6\xCB\xC9 ISO-BYN \xC3\xC0\xCD ISO-HEX"), 0, Konvert,
     WholeText, CodeTable::QARTULI_KELMORADE, CodeTable::QARTULI_HEX_UTF8, 25},
    // qarTuli BYN-UTF8 dan HEX-UTF8
    {QLatin1String("mnuQUTFIH"),
     QLatin1String("\xD8\xC0\xD2\xC8\xD6\xCB\xC9 BYN-UTF8 \xC3\xC0\xCD HEX-UTF8"), 0, Konvert,
     WholeText, CodeTable::QARTULI_TEXT_UTF8, CodeTable::QARTULI_HEX_UTF8, 26},
    // qarTuli UTF8-HEX dan UTF8-BYN
    {QLatin1String("mnuQHIUTF"),
     QLatin1String("\xD8\xC0\xD2\xC8\xD6\xCB\xC9 UTF8-HEX \xC3\xC0\xCD UTF8-BYN"), 0, Konvert,
     WholeText, CodeTable::QARTULI_HEX_UTF8, CodeTable::QARTULI_TEXT_UTF8, 27},
    // qarTuli xucuri ISO-BYN dan  UTF8-HEX: modern 8-bit letters to Khutsuri capitals
    {QLatin1String("mnuxuc"),
     QLatin1String("\xD8\xC0\xD2\xC8\xD6\xCB\xC9 \xE1\xD6\xDD\xD6\xD2\xC9 ISO-BYN \xC3\xC0\xCD  "
                   "UTF8-HEX"),
     0, Konvert, WholeText, CodeTable::QARTULI_KELMORADE, CodeTable::QARTULI_HEX_XUCURI, 28},
};

} // namespace

std::span<const ConversionCommand> conversionCommands()
{
    return kCommands;
}

QString convertText(const ConversionCommand& command, const QString& text)
{
    return tableConversion(command.source, command.target).apply(text);
}

TextEdit convertSelection(const ConversionCommand& command, const QString& selectedText,
                          qint32 selStart)
{
    QString converted = convertText(command, selectedText);
    const auto length = qint32(converted.size());
    return TextEdit::replacingSelection(selStart, qint32(selectedText.size()), converted, selStart,
                                        length);
}

TextEdit convertWholeText(const ConversionCommand& command, const QString& text)
{
    return TextEdit::wholeText(qint32(text.size()), convertText(command, text), 0, 0);
}

QList<TablePair> tablePairsInUse()
{
    QList<TablePair> pairs{{CodeTable::QARTULI_TEXT_UTF8, CodeTable::QARTULI_KELMORADE}};
    for (const ConversionCommand& command : conversionCommands()) {
        if (!pairs.contains(TablePair{command.source, command.target}))
            pairs << TablePair{command.source, command.target};
    }
    return pairs;
}

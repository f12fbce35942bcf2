#include "conversions/codetables.h"

#include "platform/bytetext.h"
#include "platform/displaymap.h"
#include "platform/resources.h"

#include <QFile>

namespace {

constexpr const char* kTableNames[kCodeTableCount] = {
    "GRIGOLIA",           "QARTULI_KELMORADE", "QARTULI_TEXT_UTF8", "QARTULI_HEX_UTF8",
    "QARTULI_HEX_XUCURI", "RUSULI_KELMORADE",  "RUSULI_HEX"};

constexpr int kGeorgianLetters = 33;
constexpr int kRussianLetters = 66;
constexpr char16_t kFirstKhutsuriCapital = 0x10A0;

QStringList loadedTables[kCodeTableCount];

bool isRussian(CodeTable table)
{
    return table == CodeTable::RUSULI_KELMORADE || table == CodeTable::RUSULI_HEX;
}

// The Windows-1251 byte of Russian letter j: А..Я, Ё, а..я, ё.
char russianLetterByte(int letter)
{
    if (letter < 32)
        return char(0xC0 + letter);
    if (letter == 32)
        return char(0xA8);
    if (letter < 65)
        return char(0xE0 + letter - 33);
    return char(0xB8);
}

QString reference(int codePoint)
{
    return QStringLiteral("&#") + QString::number(codePoint) + QLatin1Char(';');
}

// What entry i of a table holds. The Georgian layouts come from the same definition the
// display maps use, so that converted text and shown text always agree.
QString expectedEntry(CodeTable table, int i)
{
    switch (table) {
    case CodeTable::GRIGOLIA:
        return QString(QLatin1Char(kGeorgianKeys[i]));
    case CodeTable::QARTULI_KELMORADE:
        return QString(QLatin1Char(char(kGeorgianIsoBytes[i])));
    case CodeTable::QARTULI_TEXT_UTF8:
        return bytesToText(QString(QChar(char16_t(kFirstGeorgianLetter + i))).toUtf8());
    case CodeTable::QARTULI_HEX_UTF8:
        return reference(kFirstGeorgianLetter + i);
    case CodeTable::QARTULI_HEX_XUCURI:
        return reference(kFirstKhutsuriCapital + i);
    case CodeTable::RUSULI_KELMORADE:
        return QString(QLatin1Char(russianLetterByte(i)));
    case CodeTable::RUSULI_HEX:
        return reference(
            DisplayMap::get(DisplayMapKind::Cyrillic).shown(uchar(russianLetterByte(i))).unicode());
    }
    Q_UNREACHABLE();
}

QString hexBytes(const QString& entry)
{
    return QString::fromLatin1(textToBytes(entry).toHex(' ').toUpper());
}

} // namespace

const QStringList& GRIGOLIA = loadedTables[int(CodeTable::GRIGOLIA)];
const QStringList& QARTULI_KELMORADE = loadedTables[int(CodeTable::QARTULI_KELMORADE)];
const QStringList& QARTULI_TEXT_UTF8 = loadedTables[int(CodeTable::QARTULI_TEXT_UTF8)];
const QStringList& QARTULI_HEX_UTF8 = loadedTables[int(CodeTable::QARTULI_HEX_UTF8)];
const QStringList& QARTULI_HEX_XUCURI = loadedTables[int(CodeTable::QARTULI_HEX_XUCURI)];
const QStringList& RUSULI_KELMORADE = loadedTables[int(CodeTable::RUSULI_KELMORADE)];
const QStringList& RUSULI_HEX = loadedTables[int(CodeTable::RUSULI_HEX)];

const QStringList& codeTable(CodeTable table)
{
    return loadedTables[int(table)];
}

QString codeTableName(CodeTable table)
{
    return QString::fromLatin1(kTableNames[int(table)]);
}

QString codeTableResourcePath(CodeTable table)
{
    return QStringLiteral(":/codetables/") + codeTableName(table);
}

void openkodlist()
{
    for (int t = 0; t < kCodeTableCount; ++t) {
        const auto table = CodeTable(t);
        const std::optional<QByteArray> resource = programResource(codeTableResourcePath(table));
        if (!resource)
            qFatal("Kelmora cannot start: the code table %s is missing from the program",
                   kTableNames[t]);
        loadedTables[t] = loadCodeTable(table, *resource);
    }
}

QStringList codeTableEntries(const QByteArray& resource)
{
    qsizetype size = resource.size();
    while (size > 0 && resource[size - 1] == '\0')
        --size;
    return bytesToText(resource.first(size)).split(QLatin1Char('/'));
}

QString validateCodeTable(CodeTable table, const QStringList& entries)
{
    const int count = isRussian(table) ? kRussianLetters : kGeorgianLetters;
    if (entries.size() != count)
        return QStringLiteral("the code table %1 has %2 entries instead of %3")
            .arg(codeTableName(table))
            .arg(entries.size())
            .arg(count);
    for (int i = 0; i < count; ++i) {
        const QString expected = expectedEntry(table, i);
        if (entries[i] != expected)
            return QStringLiteral(
                       "entry %1 of the code table %2 holds the bytes [%3] instead of [%4]")
                .arg(i)
                .arg(codeTableName(table), hexBytes(entries[i]), hexBytes(expected));
    }
    return {};
}

QStringList loadCodeTable(CodeTable table, const QByteArray& resource)
{
    QStringList entries = codeTableEntries(resource);
    const QString problem = validateCodeTable(table, entries);
    if (!problem.isEmpty())
        qFatal("Kelmora cannot start: %s", qPrintable(problem));
    return entries;
}

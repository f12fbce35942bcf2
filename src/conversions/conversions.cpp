#include "conversions/conversions.h"

#include <map>
#include <utility>

const TableConversion& tableConversion(CodeTable source, CodeTable target)
{
    static std::map<std::pair<CodeTable, CodeTable>, TableConversion> built;
    const std::pair key(source, target);
    auto found = built.find(key);
    if (found == built.end()) {
        // A conversion built from empty tables would stay empty for the whole run.
        if (codeTable(source).isEmpty() || codeTable(target).isEmpty())
            qFatal("a conversion was asked for before openkodlist loaded the code tables");
        found = built.try_emplace(key, codeTable(source), codeTable(target)).first;
    }
    return found->second;
}

QString ConvertByTables(const QString& text, quint8 mode, qint16 toEightBit)
{
    if (toEightBit == -1)
        return tableConversion(CodeTable::QARTULI_TEXT_UTF8, CodeTable::QARTULI_KELMORADE)
            .apply(text);
    if (mode == 2)
        return tableConversion(CodeTable::QARTULI_TEXT_UTF8, CodeTable::GRIGOLIA).apply(text);
    return tableConversion(CodeTable::GRIGOLIA, CodeTable::QARTULI_TEXT_UTF8).apply(text);
}

#pragma once

// The seven code tables every conversion and the keyboard mapping work through. Position i
// of each Georgian table names Georgian letter i in one encoding; position j of both Russian
// tables names Russian letter j. The tables travel as resources of the program, are loaded
// once at start-up by openkodlist() and never change after.

#include <QByteArray>
#include <QString>
#include <QStringList>

// The tables in the order openkodlist() loads them; each is named as its resource.
enum class CodeTable {
    GRIGOLIA,           // the Latin key of each Georgian letter (the "ASCII" layout)
    QARTULI_KELMORADE,  // the byte of each Georgian letter in the 8-bit ("ISO") layout
    QARTULI_TEXT_UTF8,  // the three UTF-8 bytes of U+10D0 + i
    QARTULI_HEX_UTF8,   // "&#4304;" .. "&#4336;"
    QARTULI_HEX_XUCURI, // "&#4256;" .. "&#4288;", the Khutsuri capitals
    RUSULI_KELMORADE,   // the Windows-1251 byte of each Russian letter
    RUSULI_HEX,         // the decimal reference of the same letter
};
constexpr int kCodeTableCount = 7;

// The loaded tables, program-wide and read-only; empty until openkodlist() has run.
extern const QStringList& GRIGOLIA;
extern const QStringList& QARTULI_KELMORADE;
extern const QStringList& QARTULI_TEXT_UTF8;
extern const QStringList& QARTULI_HEX_UTF8;
extern const QStringList& QARTULI_HEX_XUCURI;
extern const QStringList& RUSULI_KELMORADE;
extern const QStringList& RUSULI_HEX;

const QStringList& codeTable(CodeTable table);
// The resource name, which is also the array's name: "GRIGOLIA", ...
QString codeTableName(CodeTable table);
// The table's resource in the program's resource system (":/codetables/GRIGOLIA").
QString codeTableResourcePath(CodeTable table);

// Loads the seven tables from the resources. A missing or damaged table stops the program
// with a message naming it: every conversion indexes the tables in parallel.
void openkodlist();

// A table resource's bytes as entries: the NUL padding at the end dropped, split at "/".
QStringList codeTableEntries(const QByteArray& resource);
// "" when the entries are exactly what the table holds, else a sentence saying what is wrong.
QString validateCodeTable(CodeTable table, const QStringList& entries);
// The entries of a table's resource; a damaged table stops the program with its problem.
QStringList loadCodeTable(CodeTable table, const QByteArray& resource);

#pragma once

// The conversions between the encodings of Georgian and Russian letters, each one code
// table rewritten into another. They work on byte text and need the tables loaded
// (openkodlist).

#include "conversions/codetables.h"
#include "conversions/tableconversion.h"

// The conversion from one loaded table into another, built the first time it is asked for.
const TableConversion& tableConversion(CodeTable source, CodeTable target);

// Georgian letters as UTF-8 bytes held in byte text. With toEightBit other than -1: mode 2
// decodes UTF-8 into Latin keys, any other mode (the callers pass 1) encodes Latin keys as
// UTF-8. With toEightBit -1 (mode is not looked at) UTF-8 is decoded into the 8-bit layout.
// The text itself is left as it was.
QString ConvertByTables(const QString& text, quint8 mode, qint16 toEightBit);

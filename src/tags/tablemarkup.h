#pragma once

// The TABLE the tag toolbar's table button writes, from the table picker's answer.

#include <QString>

// The spec is "c|r|s": c the last column and r the last row, counted from 0, and s the
// border style (0 a raised border, 1 a plain black one, anything else none). Numbers are
// taken to the nearest whole number, halves to even; parts after the third are ignored.
// Every row holds c + 1 cells of equal width in per cent, each holding noBreakSpace (as
// the options want the no-break space written); every line ends with CR LF. Fewer than
// three parts, a part that is no number, a negative column or row, or a number out of range
// gives "".
QString tabelisteqsti(const QString& spec, const QString& noBreakSpace);

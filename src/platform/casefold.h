#pragma once

// Case of byte text. QString's own case mapping pairs the 8-bit Georgian letters
// (C0 with E0) and can leave the byte range, so byte text is folded through one
// 256-entry table instead. ASCII letters always pair; the Windows-1251 Cyrillic pairs
// (C0-DF with E0-FF, A8 with B8) pair only while the Russian language mode is on.

#include <QString>

namespace CaseFold {

void setRussianPairs(bool on);
bool russianPairs();

unsigned char upper(unsigned char byte);
unsigned char lower(unsigned char byte);

// Length-preserving; characters above U+00FF are left as they are.
QString toUpper(const QString& text);
QString toLower(const QString& text);
bool equalIgnoringCase(const QString& a, const QString& b);

} // namespace CaseFold

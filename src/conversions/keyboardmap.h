#pragma once

// How typed keys become Georgian or Russian letters. Each function rewrites the code of
// one typed character (a byte) and leaves every code it does not map as it is.

// The Georgian key map: the Latin key of letter i (GRIGOLIA) types the letter's byte in
// the 8-bit layout (QARTULI_KELMORADE). Exact and case-sensitive: "T" and "t" differ.
int georgianKey(int code);

// The Russian key map of the editor: 52 Latin keys, capitals and small, type the
// Windows-1251 letters (Y gives Zhe, Q Che, W Sha, H Yu, J Ya).
int ruskod(int code);

// The phonetic map of the search boxes while they carry the Russian font: a Latin key or
// the Cyrillic letter standing on that key of a Russian keyboard gives the letter that
// sounds like the key (both F and the letter A give Ef). H, J, Q, W and Y are not mapped.
int phoneticKey(int code);

// The search and replacement boxes: the phonetic map when the box's font has the Russian
// character set (204); else the Georgian key map while the 8-bit Georgian mode is on.
int searchBoxKey(int code, int boxCharset, bool georgianIsoMode);

#pragma once

// What encode-and-copy (mnuUbendkopi) puts on the clipboard. A Linux clipboard carries
// text as UTF-8, so it gets the text whose UTF-8 encoding is exactly the converted bytes:
// the real Georgian letters, which any other program can paste.

#include <QString>

class DisplayMap;

// The text whose UTF-8 encoding is the given byte text. A byte that is no part of a
// well-formed UTF-8 sequence (an 8-bit letter left in the selection, say) becomes the
// character the editor shows for it, so that nothing turns into a replacement mark.
QString textOfUtf8Bytes(const QString& byteText, const DisplayMap& strayByteMap);

// The selection's Latin keys encoded as UTF-8 Georgian letters, as clipboard text.
QString encodeAndCopyClipboardText(const QString& selectedText, const DisplayMap& editorMap);

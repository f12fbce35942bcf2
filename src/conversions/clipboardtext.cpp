#include "conversions/clipboardtext.h"

#include "conversions/conversions.h"
#include "platform/bytetext.h"
#include "platform/displaymap.h"

#include <QStringDecoder>

namespace {

// The length of the well-formed UTF-8 sequence starting at text[pos], or 0 when none
// starts there: no overlong forms, no surrogates, nothing above U+10FFFF.
int wellFormedLength(const QString& text, qsizetype pos)
{
    const char16_t lead = text[pos].unicode();
    if (lead < 0x80)
        return 1;
    int length = 0;
    char16_t low = 0x80;  // the range the second byte must fall in
    char16_t high = 0xBF; // (all later bytes: 80..BF)
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const char16_t byte = text[pos + k].unicode();
        if (byte < low || byte > high)
            return 0;
        low = 0x80;
        high = 0xBF;
    }
    return length;
}

} // namespace

QString textOfUtf8Bytes(const QString& byteText, const DisplayMap& strayByteMap)
{
    QString text;
    text.reserve(byteText.size());
    // EF BB BF is the character U+FEFF wherever it stands: nothing is taken for a byte-order
    // mark and dropped.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    qsizetype wellFormedFrom = 0; // start of the run of well-formed sequences not yet decoded
    qsizetype pos = 0;
    const auto decodeRun = [&] {
        text += decoder.decode(textToBytes(byteText.sliced(wellFormedFrom, pos - wellFormedFrom)));
    };
    while (pos < byteText.size()) {
        const int length = wellFormedLength(byteText, pos);
        if (length > 0) {
            pos += length;
            continue;
        }
        decodeRun();
        text += strayByteMap.shown(uchar(byteText[pos].unicode()));
        wellFormedFrom = ++pos;
    }
    decodeRun();
    return text;
}

QString encodeAndCopyClipboardText(const QString& selectedText, const DisplayMap& editorMap)
{
    return textOfUtf8Bytes(ConvertByTables(selectedText, 1, 0), editorMap);
}

#include "conversions/keyboardmap.h"

#include "conversions/codetables.h"

#include <QLatin1String>

namespace {

const QLatin1String kRussianKeys("ABVGDEZIKLMNOPRSTUFXCQWHJYabvgdeziklmnoprstufxcqwhjy");
const unsigned char kRussianLetters[52] = {
    0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC7, 0xC8, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE,
    0xCF, 0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xDE, 0xDF, 0xC6,
    0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE7, 0xE8, 0xEA, 0xEB, 0xEC, 0xED, 0xEE,
    0xEF, 0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xFE, 0xFF, 0xE6};

// Each row: the Latin capital, the Windows-1251 capital on the same key of a Russian
// keyboard, and the capital that sounds like the key. The small letters follow the same
// rows 0x20 higher.
struct PhoneticRow
{
    unsigned char key;
    unsigned char onRussianKeyboard;
    unsigned char sounding;
};
constexpr PhoneticRow kPhonetic[] = {
    {'A', 0xD4, 0xC0}, {'B', 0xC8, 0xC1}, {'C', 0xD1, 0xD6}, {'D', 0xC2, 0xC4}, {'E', 0xD3, 0xC5},
    {'F', 0xC0, 0xD4}, {'G', 0xCF, 0xC3}, {'I', 0xD8, 0xC8}, {'K', 0xCB, 0xCA}, {'L', 0xC4, 0xCB},
    {'M', 0xDC, 0xCC}, {'N', 0xD2, 0xCD}, {'O', 0xD9, 0xCE}, {'P', 0xC7, 0xCF}, {'R', 0xCA, 0xD0},
    {'S', 0xDB, 0xD1}, {'T', 0xC5, 0xD2}, {'U', 0xC3, 0xD3}, {'V', 0xCC, 0xC2}, {'X', 0xD7, 0xD5},
    {'Z', 0xCD, 0xC7}};

constexpr int kRussianCharset = 204;

} // namespace

int georgianKey(int code)
{
    for (qsizetype i = 0; i < GRIGOLIA.size(); ++i) {
        if (GRIGOLIA[i].size() == 1 && GRIGOLIA[i][0].unicode() == code)
            return QARTULI_KELMORADE[i][0].unicode();
    }
    return code;
}

int ruskod(int code)
{
    for (qsizetype i = 0; i < kRussianKeys.size(); ++i) {
        if (uchar(kRussianKeys[i].toLatin1()) == code)
            return kRussianLetters[i];
    }
    return code;
}

int phoneticKey(int code)
{
    if (code < 65 || code > 252)
        return code;
    for (const PhoneticRow& row : kPhonetic) {
        for (const int small : {0, 0x20}) {
            if (code == row.key + small || code == row.onRussianKeyboard + small)
                return row.sounding + small;
        }
    }
    return code;
}

int searchBoxKey(int code, int boxCharset, bool georgianIsoMode)
{
    if (boxCharset == kRussianCharset)
        return phoneticKey(code);
    return georgianIsoMode ? georgianKey(code) : code;
}

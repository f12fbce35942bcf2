// The key maps: Georgian keys to the 8-bit layout, the editor's Russian keys, and the
// phonetic map of the search boxes. Expected values are written out from the layouts.

#include "conversions/keyboardmap.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The 33 Georgian letters in their order: the Latin key of each and its 8-bit byte.
const char kKeyLetters[] = "abgdevzTiklmnopJrstufqRySCcZwWxjh";
const int kLetterBytes[33] = {0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC8, 0xC9, 0xCA, 0xCB,
                              0xCC, 0xCD, 0xCF, 0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD6, 0xD7, 0xD8,
                              0xD9, 0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF, 0xE0, 0xE1, 0xE3, 0xE4};

// The Russian keys and the Windows-1251 letters they type.
struct RussianKey
{
    char key;
    int letter;
};
const RussianKey kRussianKeys[52] = {
    {'A', 0xC0}, {'B', 0xC1}, {'V', 0xC2}, {'G', 0xC3}, {'D', 0xC4}, {'E', 0xC5}, {'Z', 0xC7},
    {'I', 0xC8}, {'K', 0xCA}, {'L', 0xCB}, {'M', 0xCC}, {'N', 0xCD}, {'O', 0xCE}, {'P', 0xCF},
    {'R', 0xD0}, {'S', 0xD1}, {'T', 0xD2}, {'U', 0xD3}, {'F', 0xD4}, {'X', 0xD5}, {'C', 0xD6},
    {'Q', 0xD7}, {'W', 0xD8}, {'H', 0xDE}, {'J', 0xDF}, {'Y', 0xC6}, {'a', 0xE0}, {'b', 0xE1},
    {'v', 0xE2}, {'g', 0xE3}, {'d', 0xE4}, {'e', 0xE5}, {'z', 0xE7}, {'i', 0xE8}, {'k', 0xEA},
    {'l', 0xEB}, {'m', 0xEC}, {'n', 0xED}, {'o', 0xEE}, {'p', 0xEF}, {'r', 0xF0}, {'s', 0xF1},
    {'t', 0xF2}, {'u', 0xF3}, {'f', 0xF4}, {'x', 0xF5}, {'c', 0xF6}, {'q', 0xF7}, {'w', 0xF8},
    {'h', 0xFE}, {'j', 0xFF}, {'y', 0xE6}};

// The phonetic table: a Latin capital and the Windows-1251 capital on its key of a Russian
// keyboard both give the third; the small letters alike, 0x20 higher.
struct PhoneticRow
{
    char key;
    int onRussianKeyboard;
    int gives;
};
const PhoneticRow kPhonetic[21] = {
    {'A', 0xD4, 0xC0}, {'B', 0xC8, 0xC1}, {'C', 0xD1, 0xD6}, {'D', 0xC2, 0xC4}, {'E', 0xD3, 0xC5},
    {'F', 0xC0, 0xD4}, {'G', 0xCF, 0xC3}, {'I', 0xD8, 0xC8}, {'K', 0xCB, 0xCA}, {'L', 0xC4, 0xCB},
    {'M', 0xDC, 0xCC}, {'N', 0xD2, 0xCD}, {'O', 0xD9, 0xCE}, {'P', 0xC7, 0xCF}, {'R', 0xCA, 0xD0},
    {'S', 0xDB, 0xD1}, {'T', 0xC5, 0xD2}, {'U', 0xC3, 0xD3}, {'V', 0xCC, 0xC2}, {'X', 0xD7, 0xD5},
    {'Z', 0xCD, 0xC7}};

bool isGeorgianKey(int code)
{
    return code > 0 && code < 128 && std::strchr(kKeyLetters, code) != nullptr;
}

bool isRussianKey(int code)
{
    for (const RussianKey& key : kRussianKeys) {
        if (key.key == code)
            return true;
    }
    return false;
}

} // namespace

TEST(GeorgianKeyMap, EveryKeyTypesItsLetterAndEveryOtherCodeStays)
{
    for (int i = 0; i < 33; ++i)
        EXPECT_EQ(georgianKey(kKeyLetters[i]), kLetterBytes[i]) << kKeyLetters[i];

    // Case counts: T and t are different letters, and capitals without a letter stay.
    EXPECT_EQ(georgianKey('T'), 0xC8);
    EXPECT_EQ(georgianKey('t'), 0xD4);
    for (const char c : {'B', 'A', 'G', 'X', 'H', 'F'})
        EXPECT_EQ(georgianKey(c), c) << c;

    int unmapped = 0;
    for (int code = 0; code < 256; ++code) {
        if (isGeorgianKey(code))
            continue;
        EXPECT_EQ(georgianKey(code), code) << code;
        ++unmapped;
    }
    EXPECT_EQ(unmapped, 256 - 33);
    // The letters' own bytes are not keys: typing a byte of the layout keeps it.
    EXPECT_EQ(georgianKey(0xC0), 0xC0);
    EXPECT_EQ(georgianKey(0xE4), 0xE4);
    EXPECT_EQ(georgianKey('/'), '/');
    EXPECT_EQ(georgianKey('1'), '1');
    EXPECT_EQ(georgianKey(0x10D0), 0x10D0);
}

TEST(RussianKeyMap, EveryKeyTypesItsLetterAndEveryOtherCodeStays)
{
    for (const RussianKey& key : kRussianKeys)
        EXPECT_EQ(ruskod(key.key), key.letter) << key.key;
    EXPECT_EQ(ruskod('Y'), 0xC6); // Zhe
    EXPECT_EQ(ruskod('q'), 0xF7); // che
    EXPECT_EQ(ruskod('H'), 0xDE); // Yu
    EXPECT_EQ(ruskod('J'), 0xDF); // Ya

    int unmapped = 0;
    for (int code = 0; code < 256; ++code) {
        if (isRussianKey(code))
            continue;
        EXPECT_EQ(ruskod(code), code) << code;
        ++unmapped;
    }
    EXPECT_EQ(unmapped, 256 - 52);
    EXPECT_EQ(ruskod('1'), '1');
    EXPECT_EQ(ruskod(0xC0), 0xC0);
}

TEST(PhoneticKeyMap, LatinKeysAndTheLettersOnTheirRussianKeysSoundAlike)
{
    for (const PhoneticRow& row : kPhonetic) {
        EXPECT_EQ(phoneticKey(row.key), row.gives) << row.key;
        EXPECT_EQ(phoneticKey(row.onRussianKeyboard), row.gives) << row.key;
        EXPECT_EQ(phoneticKey(row.key + 0x20), row.gives + 0x20) << row.key;
        EXPECT_EQ(phoneticKey(row.onRussianKeyboard + 0x20), row.gives + 0x20) << row.key;
    }
    EXPECT_EQ(phoneticKey('F'), 0xD4);
    EXPECT_EQ(phoneticKey(0xC0), 0xD4); // the letter A on the key F
    EXPECT_EQ(phoneticKey('a'), 0xE0);
    EXPECT_EQ(phoneticKey(0xF4), 0xE0);

    for (const char c : {'H', 'J', 'Q', 'W', 'Y', 'h', 'j', 'q', 'w', 'y'})
        EXPECT_EQ(phoneticKey(c), c) << c;
    int mapped = 0;
    for (int code = 0; code < 65; ++code)
        EXPECT_EQ(phoneticKey(code), code) << code;
    for (int code = 253; code < 300; ++code)
        EXPECT_EQ(phoneticKey(code), code) << code;
    for (int code = 65; code <= 252; ++code) {
        if (phoneticKey(code) != code)
            ++mapped;
    }
    EXPECT_EQ(mapped, 4 * 21);
    EXPECT_EQ(phoneticKey(252), 0xEC) << "the small soft sign's key is m, the last code mapped";
}

TEST(SearchBoxKeys, TheRussianFontChoosesThePhoneticMapElseTheGeorgianModeDecides)
{
    EXPECT_EQ(searchBoxKey('F', 204, false), 0xD4);
    EXPECT_EQ(searchBoxKey('F', 204, true), 0xD4) << "the Russian font wins over the mode";
    EXPECT_EQ(searchBoxKey(0xC0, 204, false), 0xD4);
    EXPECT_EQ(searchBoxKey('Y', 204, false), 'Y');

    EXPECT_EQ(searchBoxKey('a', 0, true), 0xC0);
    EXPECT_EQ(searchBoxKey('T', 0, true), 0xC8);
    EXPECT_EQ(searchBoxKey('F', 0, true), 'F');
    EXPECT_EQ(searchBoxKey('a', 0, false), 'a');
    EXPECT_EQ(searchBoxKey('F', 0, false), 'F');
    EXPECT_EQ(searchBoxKey(0xC0, 0, false), 0xC0);
}

#pragma once

// How byte text looks on screen. On the program's home platform a byte's look came from
// the font (C0 was a Georgian letter in an 8-bit Georgian font, a Cyrillic one in a
// Cyrillic font); Linux fonts are Unicode, so each text widget shows its bytes through a
// display map: a one-to-one map from byte to shown character, applied character by
// character, so positions never move.

#include <QString>

#include <array>
#include <memory>

enum class DisplayMapKind {
    Latin,        // Windows-1252 (its five unassigned bytes as U+0081, U+008D, ...)
    Cyrillic,     // Windows-1251 (Russian mode)
    GeorgianIso,  // the 33 letters of the 8-bit layout as Georgian letters, the rest Latin
    GeorgianKeys, // the 33 Latin keys of the Latin-key layout as Georgian letters, the rest Latin
};

class DisplayMap
{
public:
    static const DisplayMap& get(DisplayMapKind kind);

    DisplayMapKind kind() const { return m_kind; }

    QChar shown(unsigned char byte) const { return QChar(m_shown[byte]); }
    // Byte text to shown text, one character for one.
    QString toShown(const QString& byteText) const;

    // The byte a shown character stands for, or -1 when this map cannot hold it. The
    // Georgian maps also take the Latin characters their letters displaced, as the bytes
    // those characters are in Latin (a pasted "a" stays the byte "a").
    int byteFor(char32_t shownCharacter) const;
    // Shown (typed, pasted, dropped) text back to byte text. A character the map cannot
    // hold becomes its decimal numeric character reference "&#N;", so nothing is lost.
    QString fromShown(const QString& shownText) const;
    // Whether this map holds every character of the shown text, so that fromShown needs no
    // reference: for boxes whose text must be the bytes typed, and nothing else.
    bool holds(const QString& shownText) const;

private:
    explicit DisplayMap(DisplayMapKind kind);

    DisplayMapKind m_kind;
    std::array<char16_t, 256> m_shown{};
    // Shown UTF-16 unit -> byte + 1, 0 where there is none.
    std::unique_ptr<std::array<quint16, 65536>> m_back;
};

// The 33 letters of Georgian in the program's order, as the Latin keys of the Latin-key
// layout and as the bytes of the 8-bit layout; letter i is shown as U+10D0 + i.
extern const char kGeorgianKeys[34];
extern const unsigned char kGeorgianIsoBytes[33];
constexpr char16_t kFirstGeorgianLetter = 0x10D0;

// A text typed in Latin keys as the bytes of the 8-bit layout, the form the program stores
// most of its Georgian interface texts in: in each Georgian word every one of the 33 letter
// keys becomes its letter's byte. The Latin words such texts hold (ASCII, BODY, BYN, HEX,
// HTML, ISO, META, UTF, UTF8, WEB; a word is a run of ASCII letters and digits), digits,
// blanks and punctuation keep their bytes.
QString eightBitGeorgian(const char* latinKeys);

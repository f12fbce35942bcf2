#pragma once

// The user's options: one fixed record held for the whole run and its image in the
// binary file props.ini in the program folder. There are no defaults: without the file
// every flag is off, every number 0 and every string empty.

#include "platform/editorcontrol.h"

#include <QByteArray>
#include <QString>

#include <array>

struct ProgProps
{
    qint16 maxwind = 0;  // start maximised
    qint16 winpoz = 0;   // restore and store the window position
    qint16 lastfile = 0; // reopen and store the last file or project
    QString stfont;      // editor font
    qint16 stfsiz = 0;   // editor font size in points
    qint16 bold = 0;
    qint16 italik = 0;
    qint16 normal = 0;     // the regular style button (only the options dialog reads it)
    QString georgfont;     // Georgian 8-bit language mode font
    QString rusfont;       // Russian language mode font
    QString latinfont;     // Latin language mode font
    quint32 backcolor = 0; // packed colours: red in the low byte
    quint32 forekolor = 0;
    quint32 firstcolor = 0; // the tag toolbar's two colour buttons
    quint32 lastcolor = 0;
    QString Meta;                    // META lines for new pages, joined by CR LF
    QString HTMLparams;              // BODY attribute lines for new pages, joined by CR LF
    std::array<quint8, 8> reserv8{}; // unused, kept as read
    QString reservStr;               // unused, kept as read
    qint16 tagsIN = 0;               // put the META lines into new pages
    qint16 paramsin = 0;             // put the BODY attributes into new pages
    qint16 norNB = 0;                // no-break space typed as "&nbsp;" (else the bytes C2 A0)
    qint16 unNB = 0;                 // the other no-break button (only the options dialog reads it)
    quint8 tablen = 0;               // blanks per indentation step
    QString gergASC;                 // Georgian Latin-key language mode font
    quint8 recentonstart = 0;        // not 0: show the recent-files window at start

    bool operator==(const ProgProps&) const = default;
};

// Flags hold -1 for on and 0 for off.
constexpr qint16 kOn = -1;
constexpr qint16 kOff = 0;

extern ProgProps Props;

// The no-break space as the options want it written: "&nbsp;" when norNB is on, else the
// two bytes C2 A0 of its UTF-8 form.
QString noBreakSpace(const ProgProps& props);

// --- The file format -------------------------------------------------------------------
// Fields in declaration order, little-endian, no padding; flags and stfsiz 2 bytes,
// colours 4, tablen and recentonstart 1, reserv8 8 bytes, strings a 16-bit length and
// that many bytes. With every string empty the record is 64 bytes.

constexpr qsizetype kPropsMinimumSize = 64;
// The longest record there can be: every string at its longest.
constexpr qsizetype kPropsMaximumSize = kPropsMinimumSize + 8 * 0xFFFF;

// Reads a record from the start of data; bytes after it are ignored. Fields that fit
// take their values; from the first field that does not fit on, every field stays zero.
// Returns false when the data ended inside the record.
bool decodeProps(const QByteArray& data, ProgProps& props);

enum class PropsEncoding { Done, StringTooLong, NotByteText };
PropsEncoding encodeProps(const ProgProps& props, QByteArray& record);

// --- The routines --------------------------------------------------------------------

// Fills Props from props.ini when the file exists. A damaged or unreadable file is
// reported; what could be read is kept. An editor font size the options dialog cannot give
// is reported and replaced by the editor's default size.
void LoadProps();

// The editor's font as the options give it, on top of the current one: a family (the
// standard or a language's font) and the size replace the current ones only when the
// options hold them (without an options file they are empty); bold and italic always.
FontRecord editorFontFromOptions(FontRecord current, const QString& family);

// Writes Props into props.ini from its first byte, keeping whatever the old file held
// beyond the new record. A failure is reported and returns false; the old file stays.
bool SaveProps();

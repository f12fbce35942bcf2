#pragma once

// The editing rules of the options dialog, apart from its window: the tab length text,
// the font size buttons, the line fields and the BODY attribute editor.

#include <QString>
#include <QStringList>

#include <optional>

// The tab length a text stands for: a whole number 0 to 255 in decimal digits; nothing for
// any other text (the box then shows "3"; an empty box waits for the number being typed
// and stands for 3 only when the options are confirmed).
std::optional<quint8> tabLengthFromText(const QString& text);
constexpr quint8 kDefaultTabLength = 3;

// The editor font size after a press on the size buttons: up by one unless it is already
// above 30, down by one unless it is already below 7; so the buttons stop at 31 and 6.
int fontSizeAfterPress(int size, bool upperHalf);

// The editor font sizes the options dialog can give are 1 to 512 points, what its font
// chooser offers; the size buttons stay within them. Any other size would hide the text or
// fail to draw it, so the editor's default size stands in for it.
qint16 fontSizeOrDefault(int size);

// The lines of a field of lines joined by CR LF; an empty field holds none.
QStringList fieldLines(const QString& field);
// The lines joined by CR LF, without a break after the last.
QString fieldText(const QStringList& lines);

// A typed answer as one line: each line break (CR LF, a lone CR or a lone LF) becomes one
// blank.
QString asOneLine(const QString& text);

// A BODY attribute line ('bgcolor="#FFFFFF"') taken apart for editing.
struct BodyParam
{
    QString prefix; // up to and including the first "="; the whole line and "=" without one
    QString value;  // after that "=": from its first double quote on, without that quote and
                    // without a closing one; the whole rest when it holds no double quote

    bool operator==(const BodyParam&) const = default;
};
BodyParam splitBodyParam(const QString& line);
// The edited line: the prefix and the value in double quotes.
QString joinBodyParam(const QString& prefix, const QString& value);

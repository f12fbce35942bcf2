#pragma once

// The clipboard holds what the program copies in two forms: the shown (Unicode) text,
// for other programs, and the raw bytes under a private type, so that copy and paste
// inside the program is byte-exact whatever the display map.

#include <QString>

#include <optional>

class DisplayMap;
class QMimeData;

QString byteTextMimeType();

// Clipboard data of byte text together with the text other programs are to see.
QMimeData* byteTextMimeData(const QString& shownText, const QString& byteText);

bool clipboardHasText();
// Puts the data on the system clipboard, replacing what was there.
void setClipboardData(QMimeData* data);

// The byte text of clipboard or dropped data, with CR LF line breaks: the program's own
// bytes when they are there, else the text through the map (a character the map cannot
// hold becomes "&#N;"). Nothing when the data hold no text (a picture, files).
std::optional<QString> byteTextOf(const QMimeData* data, const DisplayMap& map);
// The same of what the system clipboard holds now.
std::optional<QString> clipboardByteText(const DisplayMap& map);
// Puts byte text on the clipboard: shown through the map for other programs, with the bytes
// for this one.
void setClipboardByteText(const QString& byteText, const DisplayMap& map);

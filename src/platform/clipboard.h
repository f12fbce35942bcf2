#pragma once

// The clipboard holds what the program copies in two forms: the shown (Unicode) text,
// for other programs, and the raw bytes under a private type, so that copy and paste
// inside the program is byte-exact whatever the display map.

#include <QString>

class QMimeData;

QString byteTextMimeType();

// Clipboard data of byte text together with the text other programs are to see.
QMimeData* byteTextMimeData(const QString& shownText, const QString& byteText);

bool clipboardHasText();
// Puts the data on the system clipboard, replacing what was there.
void setClipboardData(QMimeData* data);

#pragma once

// Byte text: documents, tables, option strings and 8-bit interface texts hold one
// character per byte. In a QString, character k stands for byte k (U+0000..U+00FF);
// these are the only ways in and out, so nothing decodes the bytes as UTF-8.

#include <QByteArray>
#include <QString>

QString bytesToText(const QByteArray& bytes);
// Characters above U+00FF have no byte; callers that may hold them check isByteText first.
QByteArray textToBytes(const QString& text);
bool isByteText(const QString& text);

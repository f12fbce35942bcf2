#pragma once

// Byte text: documents, tables, option strings and 8-bit interface texts hold one
// character per byte. In a QString, character k stands for byte k (U+0000..U+00FF);
// these are the only ways in and out, so nothing decodes the bytes as UTF-8.

#include <QByteArray>
#include <QString>

// A line break of byte text.
inline const QString kCrLf = QStringLiteral("\r\n");

// The largest file the program opens as text: the editor holds several copies of a text
// and counts its positions in 32 bits.
constexpr qint64 kLargestTextFile = qint64(256) << 20;

// How a file ends its lines. The editor holds every line break as CR LF; a file that ended
// its lines with LF alone is written back so, any other file as its text is held.
enum class LineEnds : quint8 { CrLf, Lf };
// Lf when the text breaks lines and every break is a lone LF (it holds no CR), else CrLf.
LineEnds lineEndsOf(const QString& byteText);

QString bytesToText(const QByteArray& bytes);
// Characters above U+00FF have no byte; callers that may hold them check isByteText first.
QByteArray textToBytes(const QString& text);
// The bytes of a file holding text with the given line ends: with Lf, every CR LF is written
// as LF; everything else as held.
QByteArray textToBytes(const QString& text, LineEnds lineEnds);
bool isByteText(const QString& text);
// The text with every line break (CR LF, a lone CR, a lone LF) written as CR LF, the one way
// the editor counts them.
QString withCrLfBreaks(const QString& text);

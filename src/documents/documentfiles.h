#pragma once

// Document files on disk: which files are edited as text, how a document file is read
// (one character per byte) and written (whole and atomically, as the text is held), and
// the names the program gives them.

#include "platform/textfile.h"

#include <QString>

// -1 when the part of name after its last "." (all of name without one), in any letter
// case, is one of the program's text extensions (HTML, TXT, CSS, ...), else 0. Takes an
// extension or a whole path alike.
qint16 IsTextFile(const QString& name);

// The part of name after its last "." (all of name when it holds none).
QString extensionOf(const QString& name);

// The file name part of a path: what follows its last "/".
QString fileTitleOf(const QString& path);

// Renaming a document by its label. A document with a file: the new path, in the same
// folder, keeps the old name's extension (from its last ".") unless newName already ends
// with it. A document without a file: newName when it holds a ".", else newName with the
// old title's extension.
QString renamedPath(const QString& path, const QString& newName);
QString renamedTitle(const QString& oldTitle, const QString& newName);

// What opening a non-text file does besides listing it: pictures are previewed, sounds
// and videos go to the program the desktop associates with them, the rest is only listed.
enum class MediaAction { Preview, HandOver, ListOnly };
MediaAction mediaActionOf(const QString& extension);

// Pictures the Open command lists without a preview: the path's last three characters,
// upper-cased, are GIF, JPG, PNG or BMP.
bool isOpenCommandPicture(const QString& path);

// A project list file: the path's last three characters, upper-cased, are WEB.
bool isProjectListFile(const QString& path);

// The name of a document that has no file yet: "nosaved" + index + extension.
QString untitledName(qint16 index, const QString& extension);
// The extension an untitled text gets: ".HTML" when it holds the tag <HTML> in any letter
// case, else ".TXT".
QString untitledExtensionFor(const QString& text);

// The file a path names: its final target when it exists (links followed), else its clean
// path. Two paths with one identity are one file.
QString fileIdentity(const QString& path);

// What the user is told about a file that cannot be opened (Latin-key Georgian); "" for a
// readable one.
QString refusalMessage(FileStatus status);

// A document's text as it goes to a file: the text held (every line break CR LF once it was
// in the editor) and the line ends of the file it was read from.
struct DocumentText
{
    QString text;
    LineEnds lineEnds = LineEnds::CrLf;
};

// Writes a document to path as the file's whole new content, one byte per character, no
// byte-order mark; a document read from a file with LF line ends gets them back, any other
// has its line ends as held. Every save of a document writes through here. Atomic: a failed
// write leaves the old file whole; a symbolic link is written through. -1 on success, 0 on
// failure.
qint16 WriteTextFile(const QString& path, const DocumentText& document);

// A UTF-8 text file's lines as byte text ready for decoding: a leading byte-order mark is
// dropped, every line (empty lines too) ends in CR LF except the last, and a final line
// break of the file adds no empty line.
QString utf8FileLines(const QString& byteText);

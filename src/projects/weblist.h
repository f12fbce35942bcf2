#pragma once

// The .WEB list of a web project: one file name per line, relative to the project folder
// (a "\" in a name is a subfolder), then a line "STOPF=" + the start page's name. Lines end
// in CR LF; names are stored as the file system's bytes. There is no header or count.

#include <QByteArray>
#include <QString>
#include <QStringList>

struct WebList
{
    QStringList entries; // as written: not trimmed, in list order
    QString startPage;   // "" when the list has no start line
};

// Reads a list: lines are split at CR LF (a file with LF alone is one line), lines that are
// empty or only blanks are skipped, and the first line beginning with "STOPF=" gives the
// start page and ends the list; whatever follows it is ignored.
WebList readWebList(const QByteArray& bytes);

// Whether a name can stand in a list as one entry: not blank, no line break, and not read
// back as the start line.
bool isListableName(const QString& name);

// How a written list ends: with CR LF after the start line, or right after the start page.
enum class WebListEnding { LineEnd, NoLineEnd };

// Each entry followed by CR LF (empty entries are left out), then "STOPF=" and the start
// page, then the ending.
QByteArray webListBytes(const QStringList& entries, const QString& startPage, WebListEnding ending);

// The three writers of lists.
// The new-project wizard: the names in its order, the first one as start page.
QByteArray wizardWebList(const QStringList& names);
// Saving an open project: the titles ordered by kind (siasorti), the current document as
// start page; ended with CR LF when no documents joined, else without a line end.
QByteArray savedWebList(const QStringList& titles, const QString& startPage, WebListEnding ending);
// A project made from the open documents: their titles in collection order, the current
// document as start page, no line end.
QByteArray createdWebList(const QStringList& titles, const QString& startPage);

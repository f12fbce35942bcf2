#pragma once

// The CSS catalogue behind the editor's CSS list: CSS properties, selectors and values
// grouped under headings (the Georgian ones in the 8-bit layout). The program carries it
// as the resource CSSKODS: its lines joined by CR LF, with one NUL after the last.

#include "core/textedit.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

enum class CssEntryKind {
    Heading,    // "**" and a group's name; not insertable
    SubHeading, // "*" and a name; not insertable
    Property,   // a property or selector, inserted as it stands
    Value,      // a tab and a value, inserted without the tab
};

// ":/editor/CSSKODS".
QString cssCatalogueResourcePath();

// The list entries of a catalogue: its lines in order, each ending at its first NUL.
QStringList cssCatalogueEntries(const QByteArray& catalogue);

// The entries of the catalogue the program carries; nothing when it does not carry it.
std::optional<QStringList> loadCssCatalogue();

CssEntryKind cssEntryKind(const QString& entry);

// Choosing row `row` of the list writes its entry over the editor's selection, the caret
// after it. Nothing happens for a heading, for an entry with nothing to insert, or when no
// row is current (row outside the list).
std::optional<TextEdit> chooseCssEntry(const QStringList& entries, qsizetype row, qint32 selStart,
                                       qint32 selLength);

#pragma once

// Menu captions are Georgian texts stored as the program defines them: in the 8-bit
// layout or in Latin keys, shown through the matching display map. A stored caption may
// begin with markers: "-" a separator (the rest, if any, is its caption), "#" a check item,
// "*" a mark item, then "|help|" a help number (which also names the item's icon); "&"
// marks the mnemonic letter. Captions made at run time from the user's data (template
// names, recent files) are never parsed: they are shown as they are.

#include "platform/displaymap.h"

#include <QString>

// eightBitGeorgian (platform/displaymap.h) gives the 8-bit bytes of Georgian words typed in
// Latin keys, the form most captions are stored in.

struct MenuCaption
{
    bool separator = false;
    bool check = false; // "#": drawn with a check mark (and counted as a mark item)
    bool mark = false;  // "#" or "*"
    QString help;       // the text between the bars; "" without one
    QString text;       // the caption proper, "&" before the mnemonic letter

    bool operator==(const MenuCaption&) const = default;
};

// Reads the markers of a stored caption. A "|" with no closing "|" is text.
MenuCaption parseMenuCaption(const QString& stored);

// What a Qt menu item shows for a parsed caption's text: through the map, "&" kept as the
// mnemonic marker.
QString shownMenuText(const QString& text, DisplayMapKind map);

// What a Qt menu item shows for a caption taken literally (run-time captions): through the
// map, every "&" shown as itself.
QString shownVerbatim(const QString& text, DisplayMapKind map);

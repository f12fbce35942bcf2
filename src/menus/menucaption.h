#pragma once

// Menu captions are Georgian texts stored as the program defines them: in the 8-bit
// layout or in Latin keys. A menu shows them through the matching display map.

#include "platform/displaymap.h"

#include <QString>

// Georgian words typed in Latin keys as the bytes of the 8-bit layout, the form the menus
// store their captions in: each of the 33 letter keys becomes its letter's byte, anything
// else keeps its byte. Give only the Georgian words; Latin words are joined on as they are.
QString eightBitGeorgian(const char* latinKeys);

// The text a Qt menu item shows for a stored caption ("&" kept literal, not a mnemonic).
QString menuCaption(const QString& storedCaption, DisplayMapKind map = DisplayMapKind::GeorgianIso);

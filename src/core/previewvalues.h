#pragma once

#include <QStringList>

// The browser preview's program-wide values, which the frameset designer sets too: it sets
// FrameSetOn and empties brovzerFiles. What the preview's close deletes depends on neither.
struct PreviewValues
{
    // The files written for the last frameset preview, the opened one first.
    QStringList brovzerFiles;
    bool FrameSetOn = false;  // a frameset made by the designer is among the open documents
    bool brovzerKeep = false; // the preview shows a file that its close keeps
};

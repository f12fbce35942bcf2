#pragma once

#include "core/collection.h"

// A document as the open and save commands and the frameset designer leave it.
inline Ithem& addDocument(ColectionMain& docs, const QString& title, const QString& text,
                          const QString& path = {}, bool changed = false, quint8 frameSet = 0)
{
    docs.AddNewIthem(text, -1, QString(), QString());
    Ithem& item = docs.Item(qint16(docs.Count() - 1));
    item.FileTitle = title;
    item.filepath = FilePath(path);
    item.saved = path.isEmpty() ? 0 : -1;
    item.Changed = changed ? -1 : 0;
    item.FrameSet = frameSet;
    return item;
}

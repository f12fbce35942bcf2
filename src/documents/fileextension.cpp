#include "documents/fileextension.h"

#include "documents/documentfiles.h"

#include <algorithm>

QString upperExtension(const QString& name)
{
    const QString extension = extensionOf(name);
    const bool ascii = std::all_of(extension.cbegin(), extension.cend(),
                                   [](QChar c) { return c.unicode() < 0x80; });
    return ascii ? extension.toUpper() : QString();
}

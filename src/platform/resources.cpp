#include "platform/resources.h"

#include <QFile>

// The resources live in a static library; nothing else would pull them into the program.
// (Q_INIT_RESOURCE must be used outside any namespace.)
static void registerResources()
{
    Q_INIT_RESOURCE(kelmora);
}

std::optional<QByteArray> programResource(const QString& path)
{
    static const bool registered = (registerResources(), true);
    Q_UNUSED(registered);
    QFile resource(path);
    if (!resource.open(QIODevice::ReadOnly))
        return std::nullopt;
    return resource.readAll();
}

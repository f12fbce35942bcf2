#include "projects/weblist.h"

#include "documents/listedpaths.h"
#include "documents/opentree.h"

namespace {

const QByteArray kStartLine = QByteArrayLiteral("STOPF=");
const QByteArray kCrLfBytes = QByteArrayLiteral("\r\n");

} // namespace

WebList readWebList(const QByteArray& bytes)
{
    WebList list;
    for (const QByteArray& line : listLines(bytes)) {
        if (isBlankLine(line))
            continue;
        if (line.startsWith(kStartLine)) {
            list.startPage = listedPath(line.mid(kStartLine.size()));
            break;
        }
        list.entries << listedPath(line);
    }
    return list;
}

bool isListableName(const QString& name)
{
    const QByteArray bytes = listedBytes(name);
    return !isBlankLine(bytes) && !bytes.contains('\r') && !bytes.contains('\n') &&
           !bytes.startsWith(kStartLine);
}

QByteArray webListBytes(const QStringList& entries, const QString& startPage, WebListEnding ending)
{
    QByteArray bytes;
    for (const QString& entry : entries) {
        if (!entry.isEmpty()) // the slot siasorti leaves for a name given twice
            bytes += listedBytes(entry) + kCrLfBytes;
    }
    bytes += kStartLine + listedBytes(startPage);
    if (ending == WebListEnding::LineEnd)
        bytes += kCrLfBytes;
    return bytes;
}

QByteArray wizardWebList(const QStringList& names)
{
    return webListBytes(names, names.value(0), WebListEnding::LineEnd);
}

QByteArray savedWebList(const QStringList& titles, const QString& startPage, WebListEnding ending)
{
    return webListBytes(siasorti(titles), startPage, ending);
}

QByteArray createdWebList(const QStringList& titles, const QString& startPage)
{
    return webListBytes(titles, startPage, WebListEnding::NoLineEnd);
}

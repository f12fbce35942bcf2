#include "tags/tagtemplates.h"

#include "platform/bytetext.h"
#include "platform/resources.h"

#include <QStringView>

#include <algorithm>

namespace {

const QLatin1String kEntryStart("#T=");

// The name's bytes as the picker compares them: ASCII letters in upper case.
QByteArray sortKey(const QString& name)
{
    QByteArray key = textToBytes(name);
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return key;
}

} // namespace

QList<TagTemplate> parseTagTemplates(const QByteArray& resource)
{
    qsizetype end = resource.size();
    while (end > 0 && resource[end - 1] == '\0')
        --end;
    const QString text = bytesToText(resource.first(end));
    QList<QStringView> lines = QStringView(text).split(kCrLf);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the text ends with a line end, not with an empty line

    QList<TagTemplate> templates;
    for (const QStringView line : lines) {
        if (line.startsWith(kEntryStart)) {
            templates.append({templates.size() + 1, line.mid(kEntryStart.size()).toString(), {}});
        } else if (!templates.isEmpty()) {
            templates.last().text.append(line).append(kCrLf);
        }
    }
    for (TagTemplate& entry : templates)
        if (entry.text.endsWith(kCrLf))
            entry.text.chop(kCrLf.size());
    return templates;
}

QList<TagTemplate> pickerOrder(QList<TagTemplate> templates)
{
    std::stable_sort(templates.begin(), templates.end(),
                     [](const TagTemplate& a, const TagTemplate& b) {
                         return sortKey(a.name) < sortKey(b.name);
                     });
    return templates;
}

std::optional<QList<TagTemplate>> loadTagTemplates()
{
    const std::optional<QByteArray> resource = programResource(QStringLiteral(":/editor/HTMLKODS"));
    if (!resource)
        return std::nullopt;
    return pickerOrder(parseTagTemplates(*resource));
}

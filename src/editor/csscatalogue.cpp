#include "editor/csscatalogue.h"

#include "platform/bytetext.h"
#include "platform/resources.h"

namespace {} // namespace

QString cssCatalogueResourcePath()
{
    return QStringLiteral(":/editor/CSSKODS");
}

QStringList cssCatalogueEntries(const QByteArray& catalogue)
{
    QStringList entries = bytesToText(catalogue).split(kCrLf);
    for (QString& entry : entries) {
        const qsizetype nul = entry.indexOf(QChar(0));
        if (nul >= 0)
            entry.truncate(nul);
    }
    return entries;
}

std::optional<QStringList> loadCssCatalogue()
{
    const std::optional<QByteArray> catalogue = programResource(cssCatalogueResourcePath());
    if (!catalogue)
        return std::nullopt;
    return cssCatalogueEntries(*catalogue);
}

CssEntryKind cssEntryKind(const QString& entry)
{
    if (entry.startsWith(QStringLiteral("**")))
        return CssEntryKind::Heading;
    if (entry.startsWith(QLatin1Char('*')))
        return CssEntryKind::SubHeading;
    if (entry.startsWith(QLatin1Char('\t')))
        return CssEntryKind::Value;
    return CssEntryKind::Property;
}

std::optional<TextEdit> chooseCssEntry(const QStringList& entries, qsizetype row, qint32 selStart,
                                       qint32 selLength)
{
    if (row < 0 || row >= entries.size())
        return std::nullopt;
    const QString& entry = entries[row];
    QString text;
    switch (cssEntryKind(entry)) {
    case CssEntryKind::Heading:
    case CssEntryKind::SubHeading:
        return std::nullopt;
    case CssEntryKind::Value:
        text = entry.mid(1);
        break;
    case CssEntryKind::Property:
        text = entry;
        break;
    }
    if (text.isEmpty())
        return std::nullopt; // writing nothing would only delete the selection
    return TextEdit::typing(selStart, selLength, text);
}

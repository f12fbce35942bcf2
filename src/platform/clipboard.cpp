#include "platform/clipboard.h"

#include "platform/bytetext.h"
#include "platform/displaymap.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

QString byteTextMimeType()
{
    return QStringLiteral("application/x-kelmora-bytes");
}

QMimeData* byteTextMimeData(const QString& shownText, const QString& byteText)
{
    auto* data = new QMimeData;
    data->setText(shownText);
    data->setData(byteTextMimeType(), textToBytes(byteText));
    return data;
}

bool clipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && (data->hasText() || data->hasFormat(byteTextMimeType()));
}

void setClipboardData(QMimeData* data)
{
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<QString> byteTextOf(const QMimeData* data, const DisplayMap& map)
{
    if (!data)
        return std::nullopt;
    if (data->hasFormat(byteTextMimeType()))
        return withCrLfBreaks(bytesToText(data->data(byteTextMimeType())));
    if (!data->hasText())
        return std::nullopt;
    QString shown = data->text();
    shown.replace(QChar::ParagraphSeparator, u'\n');
    shown.replace(QChar::LineSeparator, u'\n');
    return withCrLfBreaks(map.fromShown(shown));
}

std::optional<QString> clipboardByteText(const DisplayMap& map)
{
    return byteTextOf(QGuiApplication::clipboard()->mimeData(), map);
}

void setClipboardByteText(const QString& byteText, const DisplayMap& map)
{
    // Other programs on this platform end their lines with LF alone.
    QString shown = map.toShown(byteText);
    shown.replace(kCrLf, QStringLiteral("\n"));
    setClipboardData(byteTextMimeData(shown, byteText));
}

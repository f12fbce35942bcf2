#include "platform/clipboard.h"

#include "platform/bytetext.h"

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

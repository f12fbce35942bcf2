#include "core/sharedroutines.h"

#include "platform/paths.h"
#include "platform/prompts.h"
#include "platform/shell.h"

#include <QFileInfo>
#include <QWidget>

void ShowHelp(const QString& topic)
{
    const QString helpFile = programFile(QStringLiteral("Kelmora.chm"));
    if (QFileInfo::exists(helpFile))
        shell().showHelp(helpFile, topic);
}

QString MsgBoxa(const QString& prompt, const QString& title, qint32 icon, quint8 buttons,
                const QString& captions, quint8 wrap)
{
    return prompts().messageBox(prompt, title, icon, buttons, captions, wrap);
}

QString ListBoxa(const QString& prompt, const QStringList& items, const QString& title,
                 const QString& font, qint32 width, qint32 height, qint16 byIndex)
{
    return prompts().listBox(prompt, items, title, font, width, height, byIndex);
}

QString InputBoxa(const QString& prompt, const QString& title, const QString& font,
                  const QString& initial, qint32 width, qint32 height)
{
    return prompts().inputBox(prompt, title, font, initial, width, height);
}

void OpenUrl(QWidget* /*window*/, const QString& address)
{
    shell().openAddress(address);
}

void ShellOpen(const QString& path, QWidget* /*window*/)
{
    shell().openFile(path);
}

QString ColorToHtml(quint32 colour)
{
    static const char digits[] = "0123456789ABCDEF";
    QString text(QLatin1Char('#'));
    for (const int shift : {0, 8, 16}) { // red, green, blue
        const quint32 channel = (colour >> shift) & 0xFF;
        text += QLatin1Char(digits[channel >> 4]);
        text += QLatin1Char(digits[channel & 0xF]);
    }
    return text;
}

qint16 HasBadFileNameChars(const QString& name)
{
    static const QString forbidden = QStringLiteral("\\/?:*<>|\"");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || forbidden.contains(c))
            return -1;
    }
    return 0;
}

QPoint CenteredPosition(const QRect& owner, const QSize& window, bool raise)
{
    const double dx = owner.width() / 2.0 - window.width() / 2.0;
    const double dy = owner.height() / 2.0 - window.height() / 2.0;
    return QPoint(owner.left() + qRound(dx), owner.top() + qRound(raise ? dy / 1.5 : dy));
}

void CenterOver(QWidget* owner, QWidget* window, qint16 raise)
{
    window->move(
        CenteredPosition(owner->frameGeometry(), window->frameGeometry().size(), raise != 0));
}

QString BrowseFolder(QWidget* owner)
{
    return shell().browseFolder(owner, QStringLiteral("airCie folderi failebis Casawerad:"));
}

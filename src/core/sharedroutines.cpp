#include "core/sharedroutines.h"

#include "platform/bytetext.h"
#include "platform/paths.h"
#include "platform/prompts.h"
#include "platform/shell.h"

#include <QFileInfo>
#include <QWidget>

namespace {

void tellNotStarted(bool started)
{
    if (!started)
        tellUser(QStringLiteral("programis gaSveba ver moxerxda."));
}

} // namespace

void ShowHelp(const QString& topic)
{
    const QString helpFile = programFile(QStringLiteral("Kelmora.chm"));
    if (QFileInfo::exists(helpFile))
        tellNotStarted(shell().showHelp(helpFile, topic));
}

QString MsgBoxa(const QString& prompt, const QString& title, qint32 icon, quint8 buttons,
                const QString& captions, quint8 wrap)
{
    return prompts().messageBox(prompt, title, icon, buttons, captions, wrap);
}

BoxAnswer boxAnswer(const QString& answer)
{
    if (answer == QLatin1String("6"))
        return BoxAnswer::First;
    if (answer == QLatin1String("7"))
        return BoxAnswer::Second;
    return BoxAnswer::Third;
}

void tellUser(const QString& prompt, qint32 icon, const QString& title)
{
    MsgBoxa(prompt, title, icon, 1, QString(), 40);
}

SaveChoice askToSave(const QString& prompt, const QString& title, qint32 icon)
{
    switch (boxAnswer(MsgBoxa(prompt, title, icon, 3, QString(), 40))) {
    case BoxAnswer::First:
        return SaveChoice::Save;
    case BoxAnswer::Second:
        return SaveChoice::Discard;
    case BoxAnswer::Third:
        break;
    }
    return SaveChoice::Cancel;
}

bool savedOrDiscarded(const QString& prompt, const QString& title, qint32 icon,
                      const std::function<bool()>& save)
{
    switch (askToSave(prompt, title, icon)) {
    case SaveChoice::Save:
        return save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
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
    tellNotStarted(shell().openAddress(address));
}

void ShellOpen(const QString& path, QWidget* /*window*/)
{
    tellNotStarted(shell().openFile(path));
}

void StartProgramAgain(const QStringList& arguments)
{
    tellNotStarted(shell().startProgramAgain(arguments));
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

void tellBadFileNameChars()
{
    prompts().platformMessage(QStringLiteral("am niSnebis micema ar SeiZleba failis saxelSi") +
                                  kCrLf + QString(14, QLatin1Char(' ')) +
                                  QStringLiteral("/ \\ ? : * < > | \"") + kCrLf,
                              Prompts::PlatformIcon::Critical, QString());
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

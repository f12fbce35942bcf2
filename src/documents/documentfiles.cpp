#include "documents/documentfiles.h"

#include "core/filepath.h"
#include "documents/fileextension.h"
#include "platform/bytetext.h"
#include "platform/casefold.h"
#include "platform/filewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool isOneOf(const QString& extension, std::initializer_list<const char*> list)
{
    const QString upper = upperExtension(extension);
    for (const char* entry : list) {
        if (upper == QLatin1String(entry))
            return true;
    }
    return false;
}

QString lastThreeUpper(const QString& path)
{
    return path.right(3).toUpper();
}

} // namespace

QString extensionOf(const QString& name)
{
    return name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
}

qint16 IsTextFile(const QString& name)
{
    const bool text =
        isOneOf(extensionOf(name),
                {"HTML", "HTM",  "JS",  "SHTML", "STM", "CSS", "ASP", "WEB",   "XML", "ASA",
                 "PHP",  "PHP3", "TXT", "INI",   "INF", "VBS", "HHC", "HHK",   "HHP", "DTD",
                 "H",    "JAVA", "FRM", "BAS",   "CLS", "CTL", "HTW", "HTX",   "AS",  "CDX",
                 "CGI",  "DIC",  "EXC", "HPF",   "HTA", "HTT", "MHT", "MHTML", "WSF"});
    return text ? -1 : 0;
}

QString fileTitleOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

namespace {

// From the last "." on, the dot included; "" without one.
QString dottedExtensionOf(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

} // namespace

QString renamedPath(const QString& path, const QString& newName)
{
    const QString name = fileTitleOf(path);
    const QString extension = dottedExtensionOf(name);
    const QString folder = path.left(path.size() - name.size());
    return folder + newName + (newName.endsWith(extension) ? QString() : extension);
}

QString renamedTitle(const QString& oldTitle, const QString& newName)
{
    return newName.contains(QLatin1Char('.')) ? newName : newName + dottedExtensionOf(oldTitle);
}

MediaAction mediaActionOf(const QString& extension)
{
    if (isOneOf(extension, {"GIF", "JPG", "BMP", "WMF", "DIB", "IKO", "PNG"}))
        return MediaAction::Preview;
    if (isOneOf(extension, {"PCX", "AVI", "MID", "WAV", "WMA", "RA", "RM"}))
        return MediaAction::HandOver;
    return MediaAction::ListOnly;
}

bool isOpenCommandPicture(const QString& path)
{
    return isOneOf(lastThreeUpper(path), {"GIF", "JPG", "PNG", "BMP"});
}

bool isProjectListFile(const QString& path)
{
    return lastThreeUpper(path) == QLatin1String("WEB");
}

QString untitledName(qint16 index, const QString& extension)
{
    return QStringLiteral("nosaved") + QString::number(index) + extension;
}

QString untitledExtensionFor(const QString& text)
{
    return CaseFold::toUpper(text).contains(QStringLiteral("<HTML>")) ? QStringLiteral(".HTML")
                                                                      : QStringLiteral(".TXT");
}

QString fileIdentity(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? FilePath(path).path() : canonical;
}

QString refusalMessage(FileStatus status)
{
    switch (status) {
    case FileStatus::Missing:
        return QStringLiteral("faili ver moiZebna.");
    case FileStatus::Unreadable:
        return QStringLiteral("failis wakiTxva ver moxerxda.");
    case FileStatus::NotText:
        return QStringLiteral("es faili teqsti ar aris da redaqtorSi ver gaixsneba.");
    case FileStatus::TooLarge:
        return QStringLiteral("faili Zalian didia da redaqtorSi ver gaixsneba.");
    case FileStatus::Readable:
        break;
    }
    return {};
}

qint16 WriteTextFile(const QString& path, const DocumentText& document)
{
    return writeWholeFile(path, textToBytes(document.text, document.lineEnds)) ? -1 : 0;
}

QString utf8FileLines(const QString& byteText)
{
    static const QString byteOrderMark = QStringLiteral("\u00EF\u00BB\u00BF");
    QString text = byteText.startsWith(byteOrderMark) ? byteText.mid(3) : byteText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

#include "documents/filepanel.h"

#include "documents/fileextension.h"
#include "platform/paths.h"

#include <QDir>
#include <QSet>

const QString kFilePanelPattern =
    QStringLiteral("*.htm;*.html;*.shtm;*.stm;*.php;*.css;*.js;*.asp;*.php3;*.jpg;*.gif;*.png;"
                   "*.xml;*.asa;*.txt;*.inf;*.ini");

namespace {

QSet<QString> patternExtensions()
{
    QSet<QString> extensions;
    for (const QString& entry : kFilePanelPattern.split(QLatin1Char(';')))
        extensions.insert(upperExtension(entry));
    return extensions;
}

} // namespace

bool filePanelShows(const QString& fileName)
{
    static const QSet<QString> kExtensions = patternExtensions();
    return fileName.contains(QLatin1Char('.')) && kExtensions.contains(upperExtension(fileName));
}

QStringList filePanelFiles(const QString& folder)
{
    QStringList shown;
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : files) {
        if (filePanelShows(name))
            shown << name;
    }
    return shown;
}

QString filePanelPath(const QString& folder, const QString& name)
{
    return joinPath(folder, name);
}

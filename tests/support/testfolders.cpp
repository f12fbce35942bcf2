#include "support/testfolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const char* const kVariables[] = {"KELMORA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};
const char* const kFolders[] = {"home", "config", "data"};

} // namespace

TestFolders::TestFolders()
{
    for (int i = 0; i < 3; ++i) {
        m_saved.append({kVariables[i], qgetenv(kVariables[i])});
        const QString folder = m_root.filePath(QString::fromLatin1(kFolders[i]));
        QDir().mkpath(folder);
        qputenv(kVariables[i], QFile::encodeName(folder));
    }
}

TestFolders::~TestFolders()
{
    for (const auto& [name, value] : m_saved) {
        if (value.isEmpty())
            qunsetenv(name.constData());
        else
            qputenv(name.constData(), value);
    }
}

QString TestFolders::programFolder() const
{
    return m_root.filePath(QStringLiteral("home"));
}

QString TestFolders::path(const QString& name) const
{
    return programFolder() + QLatin1Char('/') + name;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(content), content.size());
}

QMap<QString, QByteArray> filesUnder(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        files.insert(path, readFile(path));
    }
    return files;
}

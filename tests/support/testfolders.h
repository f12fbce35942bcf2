#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A fresh program folder (KELMORA_HOME) and fresh per-user configuration and data
// folders for one test; the environment is put back when it goes.
class TestFolders
{
public:
    TestFolders();
    ~TestFolders();

    QString programFolder() const;
    QString path(const QString& name) const; // a file in the program folder
    QString root() const { return m_root.path(); }

private:
    QTemporaryDir m_root;
    QList<QPair<QByteArray, QByteArray>> m_saved;
};

// A test helper: the whole content of a file, or an empty array when it cannot be read.
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& content);
// Every file under a folder (hidden ones and those in subfolders too) with its bytes.
QMap<QString, QByteArray> filesUnder(const QString& folder);

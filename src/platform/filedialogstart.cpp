#include "platform/filedialogstart.h"

#include <QDir>
#include <QFileInfo>

void FileDialogStart::followProject(ProjectFolder projectFolder)
{
    m_projectFolder = std::move(projectFolder);
}

QString FileDialogStart::folder(const QString& named) const
{
    if (!named.isEmpty())
        return named;
    if (!m_lastFolder.isEmpty())
        return m_lastFolder;
    const QString project = m_projectFolder ? m_projectFolder() : QString();
    return project.isEmpty() ? QDir::homePath() : project;
}

void FileDialogStart::fileChosen(const QString& path)
{
    if (!path.isEmpty())
        m_lastFolder = QFileInfo(path).absolutePath();
}

void FileDialogStart::folderChosen(const QString& folder)
{
    if (!folder.isEmpty())
        m_lastFolder = folder;
}

#include "core/filepath.h"

#include <QDir>
#include <QFileInfo>

FilePath::FilePath(const QString& path)
    : m_path(path.isEmpty() ? path : QDir::cleanPath(QFileInfo(path).absoluteFilePath()))
{}

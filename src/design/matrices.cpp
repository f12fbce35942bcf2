#include "design/matrices.h"

#include "design/filetext.h"
#include "platform/bytetext.h"
#include "platform/filenames.h"
#include "platform/filewriter.h"
#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

QString matrixFolder()
{
    return programFile(QStringLiteral("matricebi"));
}

QStringList listMatrices(const QString& folder)
{
    // File names are paths, not byte text: a name that is not UTF-8 is listed too.
    QStringList names = folderFiles(folder);
    names.removeIf([](const QString& name) {
        return !name.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) &&
               !name.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
    });
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

MatrixList::MatrixList(const QString& folder) : m_folder(folder), m_names(listMatrices(folder))
{}

QString MatrixList::selectedPath() const
{
    return m_selected < 0 ? QString() : joinPath(m_folder, m_names[m_selected]);
}

void MatrixList::click(qint32 position)
{
    m_selected = position >= 0 && position < m_names.size() ? position : -1;
    m_buttonsEnabled = !m_names.isEmpty();
}

void MatrixList::refresh()
{
    const qint32 remembered = m_selected;
    m_names = listMatrices(m_folder);
    const qint32 count = qint32(m_names.size());
    m_selected = remembered > 0 && remembered < count - 1 ? remembered : -1;
    if (m_names.isEmpty())
        m_buttonsEnabled = false;
}

MatrixList::Added MatrixList::add(const QString& source)
{
    const QFileInfo from(source);
    if (!from.isFile())
        return {AddOutcome::Failed, QString()};
    if (!QDir().mkpath(m_folder))
        return {AddOutcome::Failed, QString()};

    const QFileInfo target(joinPath(m_folder, pathTitle(source)));
    if (target.exists() && target.canonicalFilePath() == from.canonicalFilePath()) {
        refresh();
        return {AddOutcome::SameFile, QString()};
    }
    const std::optional<QString> text = ReadFileText(source);
    if (!text)
        return {AddOutcome::Failed, QString()};
    QString error;
    if (!writeWholeFile(target.filePath(), textToBytes(*text), &error))
        return {AddOutcome::Failed, error};
    refresh();
    return {AddOutcome::Copied, QString()};
}

MatrixList::Deleted MatrixList::deleteSelected(bool confirmed)
{
    const qint32 n = m_selected;
    if (n < 0)
        return {DeleteOutcome::Kept, false, QString()};

    Deleted deleted{DeleteOutcome::Kept, false, QString()};
    const QString path = selectedPath();
    if (confirmed && matrixExists(path)) {
        if (removeFile(path, &deleted.error)) {
            deleted.outcome = DeleteOutcome::Deleted;
            refresh();
        } else {
            deleted.outcome = DeleteOutcome::Failed;
        }
    }
    deleted.preview = n < qint32(m_names.size()) - 1;
    if (deleted.preview)
        click(n);
    return deleted;
}

bool matrixExists(const QString& path)
{
    return fileFacts(path).isFile;
}

std::optional<QString> matrixSource(const QString& path)
{
    if (!matrixExists(path))
        return std::nullopt;
    return ReadFileText(path);
}

#pragma once

// The page matrices: HTML files in the folder "matricebi" of the program folder that serve as
// templates for new pages. The list of them with its selection and the rules by which the
// selection moves when the list is read again; copying a file in and deleting one.

#include <QString>
#include <QStringList>

#include <optional>

// The matrix folder in the program folder.
QString matrixFolder();

// The names (without folder) of the files in folder whose names end in ".html" or ".htm" in
// any letter case, also names that are not UTF-8, ordered by name ignoring case; none when
// the folder is missing.
QStringList listMatrices(const QString& folder);

class MatrixList
{
public:
    // Reads the folder; nothing is selected and the selection's buttons start disabled.
    explicit MatrixList(const QString& folder);

    const QStringList& names() const { return m_names; }
    qint32 selected() const { return m_selected; }
    // The selected entry's path, "" while none is selected.
    QString selectedPath() const;
    // Browse, Open, Delete File and HTML: enabled by a click on an entry of a list that has
    // entries, disabled by a click on an empty list or a refresh that empties it.
    bool selectionButtonsEnabled() const { return m_buttonsEnabled; }

    // A click on position (-1 or out of range: none).
    void click(qint32 position);

    // Reads the folder again. The selected position stays selected only when it is neither
    // the first nor one of the last two of the new list; otherwise nothing is selected.
    void refresh();

    // Copies the file at source into the folder under its own name, making the folder when it
    // is missing, and refreshes the list. A copy onto the very same file is skipped; another
    // file of that name is replaced whole, atomically.
    enum class AddOutcome { Copied, SameFile, Failed };
    struct Added
    {
        AddOutcome outcome;
        QString error; // the platform's reason for a failure, when it gives one
    };
    Added add(const QString& source);

    // Delete File, once the user answered: yes deletes the selected entry's file (when it is
    // still there) and refreshes the list. Then position n, the one selected at the start,
    // is selected again when it stands before the last entry: true, the window previews it.
    // Otherwise false: the window hides both views and the selection stays as it is.
    // The window asks only while an entry is selected.
    enum class DeleteOutcome { Deleted, Kept, Failed };
    struct Deleted
    {
        DeleteOutcome outcome;
        bool preview;
        QString error; // the platform's reason for a failure, when it gives one
    };
    Deleted deleteSelected(bool confirmed);

private:
    QString m_folder;
    QStringList m_names;
    qint32 m_selected = -1;
    bool m_buttonsEnabled = false;
};

// Whether path names an existing file (not a folder): a matrix the preview and the source
// view can show.
bool matrixExists(const QString& path);

// The matrix's text for the source view, the bytes as they are; nothing when it is not an
// existing readable file.
std::optional<QString> matrixSource(const QString& path);

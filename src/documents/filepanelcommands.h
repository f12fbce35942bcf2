#pragma once

// The file panel on the side panel's second page: the drive box (the mounted volumes), the
// folder box (a single click enters a folder), the hidden file box with the files of the
// folder that the editor works with, and the list the user picks from, with its menu: open
// the folder in the desktop's file manager, open the file as a document, or open it in a
// further copy of the program. The main window places the widgets; this class fills them
// and answers their events.

#include <QObject>
#include <QString>

class CommandContext;
class QComboBox;
class QListWidget;
class QListWidgetItem;

class FilePanelCommands : public QObject
{
    Q_OBJECT

public:
    FilePanelCommands(CommandContext& context, QComboBox& DR, QListWidget& FOL, QListWidget& FIL,
                      QListWidget& LF);

    // The drive box on folder's volume, the folder box in folder, its files listed.
    void showFolder(const QString& folder);
    // Lists the folder's files again: a save may have written a new one.
    void refresh();
    QString folder() const { return m_folder; }

    void DR_Change(int index);
    void FOL_Click(QListWidgetItem* line);
    void FIL_PathChange();
    void LF_DblClick();
    void mnufilesBX_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillDrives();
    void selectDrive(const QString& root);
    // The full path of the selected file of the list; "" when none is selected.
    QString selectedFile() const;

    CommandContext& m_context;
    QComboBox& DR;
    QListWidget& FOL;
    QListWidget& FIL;
    QListWidget& LF;
    QString m_folder;
};

#pragma once

// What the new-project wizard does besides showing itself: the page text of new pages, the
// file types of its list, the regrouping of the list, new page names, renaming, and the
// creation of a project as a plan that can be checked (and the user asked about every file
// it would replace) before anything is written.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct ProgProps;

// The page text of a new project page: the page skeleton with the given title and an
// empty body, without a line end after "</HTML>".
QString HTMLheaderi(const QString& title, const ProgProps& props);

// The file type of a name by its extension (its picture in the list): 1 pages, 2 scripts,
// 3 style sheets, 4 server pages, 5 other, 6 pictures, 7 text, 8 XML, 9 sound, 10 PHP.
int wizardFileType(const QString& name);

// One row of the wizard's list.
struct WizardItem
{
    QString text; // the file name shown
    QString tag;  // the full path of an existing file to copy in; "" for a new page
    int icon = 5; // its file type
    bool operator==(const WizardItem&) const = default;
};

// The name of a new page added to a list of itemCount items: "NewPage" + itemCount +
// ".HTML". After a removal it can repeat a name in the list; the creation refuses that.
QString newPageName(int itemCount);

// The list regrouped by file type: pages, style sheets, server pages, scripts, XML, PHP,
// text, pictures, sound, other; the list's order kept inside each group. Lists of one or
// two items stay as they are.
std::vector<WizardItem> SortFileList(const std::vector<WizardItem>& items);

// The text a row takes when the user renames it to typed; nothing when typed is refused
// (empty, or holding a character a file name cannot hold). A typed name without "." keeps
// the old name's extension.
std::optional<QString> renamedWizardItem(const QString& oldText, const QString& typed);

// --- Creating the project ------------------------------------------------------------

enum class CreationRefusal {
    None,
    EmptyList,      // no file to put in the project (the added ones may be gone)
    BadProjectName, // empty, or holding a character a file name cannot hold
    NoFolder,       // the project folder is not an existing folder
    BadFileName,    // a file name that cannot be a file of the folder or a line of the list
    SameFile,       // two names for one file (letter case ignored), the list file included
};

// A file the creation writes into the project folder.
struct PlannedFile
{
    QString target; // its path in the project folder
    QString source; // the file copied there; "" for a new page
    QString title;  // a new page's title, as byte text
};

struct CreationPlan
{
    CreationRefusal refusal = CreationRefusal::None;
    QString refusedName; // the name refused (BadProjectName, BadFileName, SameFile)
    QString listPath;    // the project's list file
    QByteArray listBytes;
    std::vector<PlannedFile> files; // in list order; a file already in its place is not copied
    QStringList gone;               // added files that are no longer there: left out of the project
    QStringList replaced;           // files there now that the creation would replace, list first
};

// The plan for a project named name in folder, from the wizard's list. The list names
// every file in list order and starts with the first one, as written.
CreationPlan planProjectCreation(const QString& name, const QString& folder,
                                 const std::vector<WizardItem>& items);

struct CreationResult
{
    bool done = false;
    QString failedPath; // the file that could not be written, and why
    QString error;
};

// Carries out a plan that was not refused: the pages and copies first, the list last, so a
// failure leaves no list naming files that are not there. Files written before a failure
// stay.
CreationResult createProject(const CreationPlan& plan, const ProgProps& props);

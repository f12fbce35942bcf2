#pragma once

// What saving with a web project writes, decided before anything is written: which
// documents are written or copied where, which join the project, and the project's list.
// The plans work on a plain description of the open documents; the caller carries out the
// steps in order, marks a document saved (and joined) only when its step succeeded, and
// then writes the list from the documents that are in the project.
//
// A document's place in a project is the project folder joined with its title (a "\" in
// the title is a subfolder). No step writes outside the project folder or over the file of
// another open document, and a document joins only where the list will find it.

#include "projects/weblist.h"

#include <QString>
#include <QStringList>

#include <vector>

// One open document as the plans see it.
struct SavedDocument
{
    QString title;
    QString path; // its file; "" for a document that has none yet
    bool hasText = true;
    bool changed = false;
    bool inProject = false;
};

enum class SaveStep {
    Keep,    // nothing to write: the file is in its place already
    Write,   // write the document's text to target
    Copy,    // copy the document's file to target (a file without text)
    AskName, // the save dialog for a document without a file, proposing its title
};

struct PlannedSave
{
    int index = 0; // the document
    SaveStep step = SaveStep::Write;
    QString target;         // Write and Copy
    bool joins = false;     // when the step succeeds, the document is in the project
    bool takesPath = false; // when the step succeeds, target is the document's file
    bool operator==(const PlannedSave&) const = default;
};

// Why a document chosen for the project stays out of it (it is saved as any other then).
enum class JoinRefusal {
    TitleTaken,            // a document of the project, or its list, has that title (letter
                           // case ignored)
    NotAFileName,          // the title cannot be a line of the list or a file of the folder
    FileOfAnotherDocument, // its place in the project is another open document's file
};

struct RefusedJoin
{
    int index = 0;
    JoinRefusal reason = JoinRefusal::TitleTaken;
    bool operator==(const RefusedJoin&) const = default;
};

// How the list is written, if at all.
enum class ListForm {
    None,         // the list stays as it is
    Sorted,       // titles by kind (siasorti), ending with CR LF
    SortedJoined, // titles by kind, no line end: documents joined the project
    Created,      // titles in collection order, no line end: a project made from open files
};

struct ProjectSavePlan
{
    std::vector<PlannedSave> steps; // in collection order
    std::vector<RefusedJoin> refused;
    ListForm listForm = ListForm::None;
    QString listPath;
    QString startPage;       // the current document's title
    std::vector<int> listed; // the documents the list names when every joining step succeeds
    // Files there now that the steps would replace and that no open document has (the
    // list file of a new project included): the user is asked before they are replaced.
    QStringList replaced;
};

// The project folder (ending in "/") and its list file's name.
struct OpenProject
{
    QString folder;
    QString listTitle;
};

// Saving an open project when every document is in it: the changed and never-saved
// documents are written, and the list is rewritten, sorted, with CR LF at its end.
ProjectSavePlan planProjectSave(const std::vector<SavedDocument>& docs, int current,
                                const OpenProject& project);

// Saving an open project and taking the chosen documents into it. A joining document with
// text is written to its place in the project and takes that file, changed or not; one
// without text is copied there and takes the copy, unless the list finds its file where it
// is. Documents of the
// project are written when changed or never saved; so are the others, to their own files
// (or through the save dialog). The list is rewritten, sorted, without a line end.
ProjectSavePlan planTakingIn(const std::vector<SavedDocument>& docs, int current,
                             const OpenProject& project, const std::vector<int>& chosen);

// Saving an open project without changing it: changed and never-saved documents are
// written (a project document without a file to its place in the project); the list
// stays, and so does the project's changed mark.
ProjectSavePlan planSavingAside(const std::vector<SavedDocument>& docs, const OpenProject& project);

// Making a project of the open documents: the chosen ones are written (or copied) into
// folder and make its list, named listTitle, in collection order without a line end.
ProjectSavePlan planCreation(const std::vector<SavedDocument>& docs, int current,
                             const OpenProject& project, const std::vector<int>& chosen);

// Whether a project name can name a list file: not empty, no character a file name cannot
// hold. The list file is the name followed by ".WEB".
bool isProjectName(const QString& name);

// The list the plan writes, naming titles: the titles of the documents in the project
// once the steps are done, in collection order.
QByteArray projectListBytes(const ProjectSavePlan& plan, const QStringList& titles);

// The lines of a list the user chooses documents from: their titles, a title that repeats
// told apart on its later documents by " (2)", " (3)"..., so that every line names one
// document. No line is "7", which the list box answers for its second button.
QStringList choiceLines(const QStringList& titles);
// The positions in lines of the lines the list box's answer chose (joined by CR LF).
std::vector<int> chosenPositions(const QString& answer, const QStringList& lines);

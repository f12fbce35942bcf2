#pragma once

// Saving everything with a web project: the open project's save (asking first whether the
// documents that are not in it should join it), and a new project made of the open
// documents. What is written where is planned first (projectsaving.h); this class asks the
// user, then carries the plan out: it asks once before files are replaced that no open
// document has, runs the steps in order, counts a document saved (and in the project) only
// once its step succeeded, tells what failed and which documents could not join, and
// writes the project's list last, atomically, from the documents that are in the project.

#include "documents/saveoutcome.h"
#include "projects/projectsaving.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class DocumentSaving;
class DocumentState;
class QWidget;

// Asks once before the files named are replaced: true when the user agrees (or when there
// is nothing to replace).
bool confirmReplacing(const QStringList& paths, const QString& title);

class ProjectSaveRun
{
public:
    ProjectSaveRun(DocumentState& state, DocumentSaving& saving, QWidget* dialogOwner);

    // Saves the open project: with documents open that are not in it, the user chooses to
    // take some of them in, to save without changing the project, or to cancel.
    SaveOutcome saveOpenProject();
    // Makes a project of the open documents: its name, the documents and its folder are
    // asked; the project is open once its list is written.
    SaveOutcome createFromDocuments();

private:
    struct Carried
    {
        SaveOutcome outcome = SaveOutcome::Done;
        bool listWritten = false;
        std::vector<int> joined; // the documents whose joining step succeeded
    };

    std::vector<SavedDocument> savedDocuments(bool projectOpen) const;
    // The documents the user chooses among candidates; nothing when the choice was left.
    std::optional<std::vector<int>> chooseDocuments(const std::vector<int>& candidates,
                                                    const QString& title, qint32 width) const;
    Carried carryOut(const ProjectSavePlan& plan, const QString& title);
    bool runStep(const PlannedSave& step, const QSet<QString>& sharedFiles);
    void tellRefusedJoins(const std::vector<RefusedJoin>& refused) const;

    DocumentState& m_state;
    DocumentSaving& m_saving;
    QWidget* m_dialogOwner;
};

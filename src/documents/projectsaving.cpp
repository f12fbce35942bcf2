#include "documents/projectsaving.h"

#include "core/sharedroutines.h"
#include "documents/documentfiles.h"
#include "documents/projectreading.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <optional>

namespace {

// What the plans share: the documents, the project folder and which open document has
// which file.
class Planner
{
public:
    Planner(const std::vector<SavedDocument>& docs, const OpenProject& project)
        : m_docs(docs), m_folder(project.folder)
    {
        for (int i = 0; i < int(docs.size()); ++i) {
            if (!docs[i].path.isEmpty())
                m_owners.insert(fileIdentity(docs[i].path), i);
        }
    }

    QString folder() const { return m_folder.path(); }

    // Where the project keeps a document of this title; nothing when the title leads
    // out of the folder or cannot be a line of the list.
    std::optional<QString> placeOf(const QString& title) const
    {
        if (!isListableName(title))
            return std::nullopt;
        const std::optional<QString> relative = m_folder.inside(title);
        if (!relative)
            return std::nullopt;
        return m_folder.path() + *relative;
    }

    // Whether the list, naming the document by its title, finds the document's own file.
    bool listFinds(int index)
    {
        const SavedDocument& doc = m_docs[index];
        if (doc.path.isEmpty())
            return false;
        const std::optional<ProjectFolder::Found> found = m_folder.find(doc.title);
        return found && fileIdentity(found->path) == fileIdentity(doc.path);
    }

    bool fileOfAnotherDocument(int index, const QString& path) const
    {
        const QList<int> owners = m_owners.values(fileIdentity(path));
        return std::any_of(owners.cbegin(), owners.cend(), [index](int i) { return i != index; });
    }

    // A file there now that writing the document to path would replace.
    void noteReplaced(int index, const QString& path, ProjectSavePlan& plan) const
    {
        const SavedDocument& doc = m_docs[index];
        if (QFileInfo::exists(path) &&
            (doc.path.isEmpty() || fileIdentity(doc.path) != fileIdentity(path)))
            plan.replaced << path;
    }

    // A document outside the project: written to its own file when changed, through the
    // save dialog when it has none.
    void saveOwnFile(int index, ProjectSavePlan& plan) const
    {
        const SavedDocument& doc = m_docs[index];
        if (!doc.hasText || (!doc.path.isEmpty() && !doc.changed))
            return;
        if (doc.path.isEmpty())
            plan.steps.push_back({index, SaveStep::AskName, QString(), false, false});
        else
            plan.steps.push_back({index, SaveStep::Write, doc.path, false, false});
    }

    // A document of the project: written when changed; one without a file goes to its
    // place in the project (or, when it has none, through the save dialog).
    void saveProjectFile(int index, ProjectSavePlan& plan) const
    {
        const SavedDocument& doc = m_docs[index];
        if (!doc.path.isEmpty() || !doc.hasText) {
            saveOwnFile(index, plan);
            return;
        }
        const std::optional<QString> place = placeOf(doc.title);
        if (!place || fileOfAnotherDocument(index, *place)) {
            saveOwnFile(index, plan);
            return;
        }
        noteReplaced(index, *place, plan);
        plan.steps.push_back({index, SaveStep::Write, *place, false, true});
    }

    // Takes the chosen documents that are not in the project yet into it, in collection
    // order; takenTitles holds the titles already used (letter case ignored). The others
    // are saved as the project's documents or as their own files.
    void saveJoining(const std::vector<int>& chosen, QSet<QString> takenTitles,
                     ProjectSavePlan& plan)
    {
        const QSet<int> joining = chosenOutsideProject(chosen);
        for (int i = 0; i < int(m_docs.size()); ++i) {
            const SavedDocument& doc = m_docs[i];
            if (doc.inProject) {
                saveProjectFile(i, plan);
                plan.listed.push_back(i);
                continue;
            }
            if (!joining.contains(i)) {
                saveOwnFile(i, plan);
                continue;
            }
            const std::optional<QString> place = placeOf(doc.title);
            std::optional<JoinRefusal> refusal;
            if (!place)
                refusal = JoinRefusal::NotAFileName;
            else if (takenTitles.contains(doc.title.toCaseFolded()))
                refusal = JoinRefusal::TitleTaken;
            else if (fileOfAnotherDocument(i, *place))
                refusal = JoinRefusal::FileOfAnotherDocument;
            if (refusal) {
                plan.refused.push_back({i, *refusal});
                saveOwnFile(i, plan);
                continue;
            }
            takenTitles.insert(doc.title.toCaseFolded());
            plan.listed.push_back(i);
            if (!doc.hasText && listFinds(i)) {
                plan.steps.push_back({i, SaveStep::Keep, QString(), true, false});
                continue;
            }
            noteReplaced(i, *place, plan);
            plan.steps.push_back(
                {i, doc.hasText ? SaveStep::Write : SaveStep::Copy, *place, true, true});
        }
    }

    QSet<QString> projectTitles() const
    {
        QSet<QString> titles;
        for (const SavedDocument& doc : m_docs) {
            if (doc.inProject)
                titles.insert(doc.title.toCaseFolded());
        }
        return titles;
    }

    QString titleOf(int index) const
    {
        return index >= 0 && index < int(m_docs.size()) ? m_docs[index].title : QString();
    }

private:
    QSet<int> chosenOutsideProject(const std::vector<int>& chosen) const
    {
        QSet<int> joining;
        for (const int i : chosen) {
            if (i >= 0 && i < int(m_docs.size()) && !m_docs[i].inProject)
                joining.insert(i);
        }
        return joining;
    }

    const std::vector<SavedDocument>& m_docs;
    ProjectFolder m_folder;
    QMultiHash<QString, int> m_owners; // file identity -> the documents that have it
};

} // namespace

ProjectSavePlan planProjectSave(const std::vector<SavedDocument>& docs, int current,
                                const OpenProject& project)
{
    Planner planner(docs, project);
    ProjectSavePlan plan;
    for (int i = 0; i < int(docs.size()); ++i) {
        if (docs[i].inProject) {
            planner.saveProjectFile(i, plan);
            plan.listed.push_back(i);
        } else {
            planner.saveOwnFile(i, plan);
        }
    }
    plan.listForm = ListForm::Sorted;
    plan.listPath = planner.folder() + project.listTitle;
    plan.startPage = planner.titleOf(current);
    return plan;
}

ProjectSavePlan planTakingIn(const std::vector<SavedDocument>& docs, int current,
                             const OpenProject& project, const std::vector<int>& chosen)
{
    Planner planner(docs, project);
    ProjectSavePlan plan;
    QSet<QString> taken = planner.projectTitles();
    taken.insert(project.listTitle.toCaseFolded());
    planner.saveJoining(chosen, taken, plan);
    plan.listForm = ListForm::SortedJoined;
    plan.listPath = planner.folder() + project.listTitle;
    plan.startPage = planner.titleOf(current);
    return plan;
}

ProjectSavePlan planSavingAside(const std::vector<SavedDocument>& docs, const OpenProject& project)
{
    Planner planner(docs, project);
    ProjectSavePlan plan;
    for (int i = 0; i < int(docs.size()); ++i) {
        if (docs[i].inProject)
            planner.saveProjectFile(i, plan);
        else
            planner.saveOwnFile(i, plan);
    }
    return plan;
}

ProjectSavePlan planCreation(const std::vector<SavedDocument>& docs, int current,
                             const OpenProject& project, const std::vector<int>& chosen)
{
    Planner planner(docs, project);
    ProjectSavePlan plan;
    plan.listForm = ListForm::Created;
    plan.listPath = planner.folder() + project.listTitle;
    plan.startPage = planner.titleOf(current);
    if (QFileInfo::exists(plan.listPath))
        plan.replaced << plan.listPath;
    planner.saveJoining(chosen, {project.listTitle.toCaseFolded()}, plan);
    return plan;
}

bool isProjectName(const QString& name)
{
    return !name.isEmpty() && !HasBadFileNameChars(name);
}

QByteArray projectListBytes(const ProjectSavePlan& plan, const QStringList& titles)
{
    switch (plan.listForm) {
    case ListForm::Sorted:
        return savedWebList(titles, plan.startPage, WebListEnding::LineEnd);
    case ListForm::SortedJoined:
        return savedWebList(titles, plan.startPage, WebListEnding::NoLineEnd);
    case ListForm::Created:
        return createdWebList(titles, plan.startPage);
    case ListForm::None:
        break;
    }
    return {};
}

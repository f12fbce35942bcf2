#include "projects/projectsaving.h"

#include "core/sharedroutines.h"
#include "documents/documentfiles.h"
#include "projects/projectreading.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
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

    // Every document in collection order: the chosen ones that are not in the project
    // yet join it unless refused; the others are saved as the project's documents or as
    // their own files.
    ProjectSavePlan plan(const std::vector<int>& chosen, ListForm listForm,
                         const QString& listTitle, int current)
    {
        ProjectSavePlan plan;
        plan.listForm = listForm;
        if (listForm != ListForm::None) {
            plan.listPath = m_folder.path() + listTitle;
            plan.startPage =
                current >= 0 && current < int(m_docs.size()) ? m_docs[current].title : QString();
        }
        if (listForm == ListForm::Created && QFileInfo::exists(plan.listPath))
            plan.replaced << plan.listPath;
        // Titles in the project, letter case ignored; the list's own name among them.
        QSet<QString> taken = {listTitle.toCaseFolded()};
        for (const SavedDocument& doc : m_docs) {
            if (doc.inProject)
                taken.insert(doc.title.toCaseFolded());
        }
        const QSet<int> joining = chosenOutsideProject(chosen);
        for (int i = 0; i < int(m_docs.size()); ++i) {
            if (m_docs[i].inProject) {
                saveProjectFile(i, plan);
                plan.listed.push_back(i);
            } else if (joining.contains(i)) {
                join(i, taken, plan);
            } else {
                saveOwnFile(i, plan);
            }
        }
        return plan;
    }

private:
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

    // A chosen document joins the project at its place there, or is refused and saved as
    // its own file.
    void join(int index, QSet<QString>& taken, ProjectSavePlan& plan)
    {
        const SavedDocument& doc = m_docs[index];
        const std::optional<QString> place = placeOf(doc.title);
        std::optional<JoinRefusal> refusal;
        if (!place)
            refusal = JoinRefusal::NotAFileName;
        else if (taken.contains(doc.title.toCaseFolded()))
            refusal = JoinRefusal::TitleTaken;
        else if (fileOfAnotherDocument(index, *place))
            refusal = JoinRefusal::FileOfAnotherDocument;
        if (refusal) {
            plan.refused.push_back({index, *refusal});
            saveOwnFile(index, plan);
            return;
        }
        taken.insert(doc.title.toCaseFolded());
        plan.listed.push_back(index);
        if (!doc.hasText && listFinds(index)) {
            plan.steps.push_back({index, SaveStep::Keep, QString(), true, false});
            return;
        }
        noteReplaced(index, *place, plan);
        plan.steps.push_back(
            {index, doc.hasText ? SaveStep::Write : SaveStep::Copy, *place, true, true});
    }

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
    return Planner(docs, project).plan({}, ListForm::Sorted, project.listTitle, current);
}

ProjectSavePlan planTakingIn(const std::vector<SavedDocument>& docs, int current,
                             const OpenProject& project, const std::vector<int>& chosen)
{
    return Planner(docs, project).plan(chosen, ListForm::SortedJoined, project.listTitle, current);
}

ProjectSavePlan planSavingAside(const std::vector<SavedDocument>& docs, const OpenProject& project)
{
    return Planner(docs, project).plan({}, ListForm::None, project.listTitle, -1);
}

ProjectSavePlan planCreation(const std::vector<SavedDocument>& docs, int current,
                             const OpenProject& project, const std::vector<int>& chosen)
{
    return Planner(docs, project).plan(chosen, ListForm::Created, project.listTitle, current);
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

QStringList choiceLines(const QStringList& titles)
{
    const QSet<QString> given(titles.cbegin(), titles.cend());
    QSet<QString> used = {QStringLiteral("7")};
    QStringList lines;
    lines.reserve(titles.size());
    for (const QString& title : titles) {
        QString line = title;
        for (int n = 2; used.contains(line) || (n > 2 && given.contains(line)); ++n)
            line = title + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')');
        used.insert(line);
        lines << line;
    }
    return lines;
}

std::vector<int> chosenPositions(const QString& answer, const QStringList& lines)
{
    QHash<QString, int> positions;
    for (int i = 0; i < lines.size(); ++i)
        positions.insert(lines[i], i);
    std::vector<int> chosen;
    for (const QString& line : answer.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const auto found = positions.constFind(line);
        if (found != positions.cend())
            chosen.push_back(*found);
    }
    return chosen;
}

#include "projects/projectsaverun.h"

#include "core/sharedroutines.h"
#include "documents/documentfiles.h"
#include "documents/documentsaving.h"
#include "documents/documentstate.h"
#include "platform/busycursor.h"
#include "platform/bytetext.h"
#include "platform/filewriter.h"
#include "projects/projectreading.h"

#include <QSet>

namespace {

// The paths a question names at most; the rest are counted.
constexpr int kMostNamedPaths = 10;

const QString kChoosePrompt = QStringLiteral("moniSne failebi romlebic proeqtSi unda Sevides.");

QString joinRefusalText(JoinRefusal reason)
{
    switch (reason) {
    case JoinRefusal::TitleTaken:
        return QStringLiteral("am saxeliT faili proeqtSi ukve aris");
    case JoinRefusal::NotAFileName:
        return QStringLiteral("es saxeli proeqtis failis saxelad ar gamodgeba");
    case JoinRefusal::FileOfAnotherDocument:
        return QStringLiteral("proeqtSi misi adgili sxva gaxsnili dokumentis failia");
    }
    return {};
}

} // namespace

bool confirmReplacing(const QStringList& paths, const QString& title)
{
    if (paths.isEmpty())
        return true;
    QString prompt = QStringLiteral("es failebi ukve arsebobs da Seicvleba:") + kCrLf + kCrLf;
    for (const QString& path : paths.first(std::min<qsizetype>(paths.size(), kMostNamedPaths)))
        prompt += path + kCrLf;
    if (paths.size() > kMostNamedPaths)
        prompt += QStringLiteral("da kidev ") + QString::number(paths.size() - kMostNamedPaths) +
                  QStringLiteral(" faili.") + kCrLf;
    prompt += kCrLf + QStringLiteral("gindaT maTi Secvla?");
    return boxAnswer(MsgBoxa(prompt, title, kIconQuestion, 2, QString(), 70)) == BoxAnswer::First;
}

ProjectSaveRun::ProjectSaveRun(DocumentState& state, DocumentSaving& saving, QWidget* dialogOwner)
    : m_state(state), m_saving(saving), m_dialogOwner(dialogOwner)
{}

std::vector<SavedDocument> ProjectSaveRun::savedDocuments(bool projectOpen) const
{
    const ColectionMain& docs = m_state.Docs();
    std::vector<SavedDocument> saved;
    saved.reserve(std::size_t(docs.Count()));
    for (qint16 i = 0; i < docs.Count(); ++i) {
        const Ithem& item = docs.Item(i);
        saved.push_back({item.FileTitle, item.saved ? item.filepath : QString(), !item.NoText,
                         item.Changed != 0, projectOpen && item.IsInWEB});
    }
    return saved;
}

std::optional<std::vector<int>> ProjectSaveRun::chooseDocuments(const std::vector<int>& candidates,
                                                                const QString& title,
                                                                qint32 width) const
{
    QStringList titles;
    for (const int i : candidates)
        titles << m_state.Docs().Item(qint16(i)).FileTitle;
    const QStringList lines = choiceLines(titles);
    const QString answer =
        ListBoxa(kChoosePrompt, lines, title, QStringLiteral("L"), width, 3000, 0);
    if (answer.isEmpty() || answer == QLatin1String("7"))
        return std::nullopt;
    std::vector<int> chosen;
    for (const int position : chosenPositions(answer, lines))
        chosen.push_back(candidates[std::size_t(position)]);
    if (chosen.empty())
        return std::nullopt;
    return chosen;
}

SaveOutcome ProjectSaveRun::saveOpenProject()
{
    const ColectionMain& docs = m_state.Docs();
    const OpenProject project{docs.WEBpath(), docs.WEBtitle()};
    const std::vector<SavedDocument> saved = savedDocuments(true);
    const int current = m_state.DocIndex();
    if (!anyDocumentOutsideProject(docs)) {
        const Carried carried =
            carryOut(planProjectSave(saved, current, project), QStringLiteral("SAVE"));
        if (carried.listWritten)
            m_state.markProjectListSaved();
        return carried.outcome;
    }
    const QString answer =
        MsgBoxa(QStringLiteral("siaSi axali failebia Setanili romlebic") + kCrLf +
                    QStringLiteral("araa proeqtTan dakavSirebuli.") + kCrLf + kCrLf +
                    QStringLiteral("gindaT maTi proeqtSi Setana?"),
                QStringLiteral("SAVE"), kIconQuestion, 3, QString(), 40);
    switch (boxAnswer(answer)) {
    case BoxAnswer::First:
        break;
    case BoxAnswer::Second:
        // The project stays as it is: its list is not written, and its changed mark stays.
        return carryOut(planSavingAside(saved, project), QStringLiteral("SAVE")).outcome;
    case BoxAnswer::Third:
        return SaveOutcome::Cancelled;
    }
    std::vector<int> outside;
    for (int i = 0; i < int(saved.size()); ++i) {
        if (!saved[std::size_t(i)].inProject)
            outside.push_back(i);
    }
    const std::optional<std::vector<int>> chosen =
        chooseDocuments(outside, QStringLiteral("New Files"), 6000);
    if (!chosen)
        return SaveOutcome::Cancelled;
    const Carried carried =
        carryOut(planTakingIn(saved, current, project, *chosen), QStringLiteral("SAVE"));
    for (const int i : carried.joined)
        m_state.joinProject(qint16(i));
    // Documents joined that the list on disk does not name yet: it has to be written again.
    if (carried.listWritten)
        m_state.markProjectListSaved();
    else if (!carried.joined.empty())
        m_state.markProjectListChanged();
    return carried.outcome;
}

SaveOutcome ProjectSaveRun::createFromDocuments()
{
    const QString title = QStringLiteral("New WEB");
    const QString name = InputBoxa(QStringLiteral("Cawere proeqtis saxeli."), title,
                                   QStringLiteral("L"), QString(), 5000, 300);
    if (name.isEmpty())
        return SaveOutcome::Cancelled;
    if (!isProjectName(name)) {
        tellBadFileNameChars();
        return SaveOutcome::Cancelled;
    }
    std::vector<int> everyDocument;
    for (int i = 0; i < m_state.Docs().Count(); ++i)
        everyDocument.push_back(i);
    const std::optional<std::vector<int>> chosen = chooseDocuments(everyDocument, title, 5000);
    if (!chosen)
        return SaveOutcome::Cancelled;
    const QString folder = BrowseFolder(m_dialogOwner);
    if (folder.isEmpty())
        return SaveOutcome::Cancelled;

    const OpenProject project{ProjectFolder(folder).path(), name + QStringLiteral(".WEB")};
    const Carried carried =
        carryOut(planCreation(savedDocuments(false), m_state.DocIndex(), project, *chosen), title);
    // The project is open, and its documents in it, only once its list is there.
    if (carried.listWritten) {
        m_state.recordProject(project.folder, project.listTitle);
        for (const int i : carried.joined)
            m_state.joinProject(qint16(i));
    }
    return carried.outcome;
}

ProjectSaveRun::Carried ProjectSaveRun::carryOut(const ProjectSavePlan& plan, const QString& title)
{
    Carried carried;
    if (!confirmReplacing(plan.replaced, title)) {
        carried.outcome = SaveOutcome::Cancelled;
        return carried;
    }
    int failedFiles = 0;
    bool failed = false;
    bool cancelled = false;
    QSet<int> failedJoins;
    // One file written for two documents would keep only one's text: neither is written.
    const QSet<QString> shared = m_state.sharedFiles();
    std::optional<BusyCursor> busy(std::in_place);
    for (const PlannedSave& step : plan.steps) {
        if (step.step == SaveStep::AskName) {
            busy.reset();
            const qint16 index = qint16(step.index);
            const SaveOutcome outcome =
                m_saving.SaveFileChecked(m_state.Docs().Item(index).FileTitle, index);
            failed = failed || outcome == SaveOutcome::Failed;
            cancelled = cancelled || outcome == SaveOutcome::Cancelled;
            busy.emplace();
            continue;
        }
        if (!runStep(step, shared)) {
            ++failedFiles;
            if (step.joins)
                failedJoins.insert(step.index);
            continue;
        }
        if (step.joins)
            carried.joined.push_back(step.index);
    }
    busy.reset();
    if (failedFiles > 0)
        reportWriteFailure(failedFiles);
    tellRefusedJoins(plan.refused);

    if (plan.listForm != ListForm::None) {
        QStringList titles;
        for (const int i : plan.listed) {
            if (!failedJoins.contains(i))
                titles << m_state.Docs().Item(qint16(i)).FileTitle;
        }
        carried.listWritten = writeWholeFile(plan.listPath, projectListBytes(plan, titles));
        if (!carried.listWritten)
            reportWriteFailure();
    }
    if (failed || failedFiles > 0 || (plan.listForm != ListForm::None && !carried.listWritten))
        carried.outcome = SaveOutcome::Failed;
    else if (cancelled)
        carried.outcome = SaveOutcome::Cancelled;
    return carried;
}

// Runs one writing step; the document counts as saved, and takes its new file, only when
// the step succeeded.
bool ProjectSaveRun::runStep(const PlannedSave& step, const QSet<QString>& sharedFiles)
{
    const qint16 index = qint16(step.index);
    switch (step.step) {
    case SaveStep::Keep:
        return true;
    case SaveStep::Write: {
        const std::optional<DocumentText> text = m_state.writableText(index);
        if (!text || (!step.takesPath && sharedFiles.contains(fileIdentity(step.target))) ||
            !WriteTextFile(step.target, *text))
            return false;
        break;
    }
    case SaveStep::Copy:
        if (!copyWholeFile(m_state.Docs().Item(index).filepath, step.target))
            return false;
        break;
    case SaveStep::AskName:
        return false;
    }
    if (step.takesPath)
        m_state.placeInProject(index, FilePath(step.target));
    else
        m_state.markSaved(index);
    return true;
}

void ProjectSaveRun::tellRefusedJoins(const std::vector<RefusedJoin>& refused) const
{
    if (refused.empty())
        return;
    QString prompt = QStringLiteral("es failebi proeqtSi ver Sevida:") + kCrLf + kCrLf;
    for (const RefusedJoin& join : refused)
        prompt += m_state.Docs().Item(qint16(join.index)).FileTitle + QStringLiteral(" - ") +
                  joinRefusalText(join.reason) + kCrLf;
    tellUser(prompt, kIconError, QStringLiteral("SAVE"));
}

#include "publish/previewpages.h"

#include "core/filepath.h"
#include "documents/documentfiles.h"
#include "platform/bytetext.h"
#include "platform/filewriter.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kTemporaryPage = QStringLiteral("wid.html");
// Frameset pages made outside a project get a folder of their own, so that no frame's title
// meets the temporary page's name.
const QString kFramesetFolder = QStringLiteral("frameset");
// The copies of texts shown at places outside the private folder, each under its place's
// full path.
const QString kCopiesFolder = QStringLiteral("places");

// A name that stays in the folder it is joined to: no folder part, not "." or "..".
bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

// Both clean.
bool isInside(const QString& path, const QString& folder)
{
    return path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

PreviewPages::PreviewPages()
    : m_folder(QDir::tempPath() + QStringLiteral("/kelmora-preview-XXXXXX"))
{}

QString PreviewPages::temporaryFolder() const
{
    return m_folder.isValid() ? m_folder.path() : QString();
}

std::optional<PreviewPlan> PreviewPages::plan(const PreviewRequest& request) const
{
    if (request.editorText.isEmpty())
        return std::nullopt;
    const ColectionMain& docs = request.docs;
    std::optional<PreviewPlan> plan;
    if (request.docIndex >= 0 && request.docIndex < docs.Count()) {
        if (m_values.FrameSetOn && docs.Item(request.docIndex).FrameSet == 1)
            plan = framesetPlan(request);
        else if (docs.WEBopened())
            plan = projectPlan(request);
    }
    if (!plan)
        plan = temporaryPlan(request.editorText);
    if (docs.WEBopened())
        plan->projectFolder = docs.WEBpath();
    return plan;
}

std::optional<PreviewPlan> PreviewPages::projectPlan(const PreviewRequest& request) const
{
    const ColectionMain& docs = request.docs;
    const Ithem& item = docs.Item(request.docIndex);
    PreviewPlan plan;
    if (item.saved) {
        plan.page = PreviewPlan::Page::DocumentFile;
        plan.target = item.filepath;
        if (item.Changed) {
            plan.storeEditorText = true;
            plan.files.append({item.filepath, request.editorText});
        } else if (!QFileInfo(item.filepath).isFile()) {
            return std::nullopt; // its file is gone: its text is shown instead
        }
        return plan;
    }
    if (docs.WEBpath().isEmpty() || !isPlainFileName(item.FileTitle))
        return std::nullopt;
    const QString path = joinPath(docs.WEBpath(), item.FileTitle);
    plan.page = PreviewPlan::Page::ProjectPage;
    plan.storeEditorText = true;
    plan.files.append({path, request.editorText});
    plan.target = path;
    return plan;
}

PreviewPlan PreviewPages::framesetPlan(const PreviewRequest& request) const
{
    const ColectionMain& docs = request.docs;
    const Ithem& shown = docs.Item(request.docIndex);
    // The frameset page stands at its own file, else in the project folder under its title,
    // else in a folder of the private one; a title that would leave the folder gives it the
    // temporary page's name there.
    QString page;
    if (shown.saved)
        page = shown.filepath;
    else if (docs.WEBopened() && !docs.WEBpath().isEmpty() && isPlainFileName(shown.FileTitle))
        page = joinPath(docs.WEBpath(), shown.FileTitle);
    else
        page = joinPath(joinPath(temporaryFolder(), kFramesetFolder),
                        isPlainFileName(shown.FileTitle) ? shown.FileTitle : kTemporaryPage);
    const QString folder = QFileInfo(page).path();

    PreviewPlan plan;
    plan.page = PreviewPlan::Page::Frameset;
    plan.storeEditorText = true;
    plan.files.append({page, request.editorText});
    plan.target = page;
    // The other frameset and frame pages beside it; the page shown keeps its name against any
    // frame of the same title.
    QSet<QString> names{QFileInfo(page).fileName()};
    for (qint16 i = 0; i < docs.Count(); ++i) {
        const Ithem& item = docs.Item(i);
        if (i != request.docIndex && item.FrameSet != 0 && !item.NoText &&
            isPlainFileName(item.FileTitle) && !names.contains(item.FileTitle)) {
            names.insert(item.FileTitle);
            plan.files.append({joinPath(folder, item.FileTitle), item.Value});
        }
    }
    return plan;
}

PreviewPlan PreviewPages::temporaryPlan(const QString& text) const
{
    PreviewPlan plan;
    const QString path = joinPath(temporaryFolder(), kTemporaryPage);
    plan.files.append({path, text});
    plan.target = path;
    return plan;
}

QString PreviewPages::copyPath(const QString& path) const
{
    if (isInside(path, temporaryFolder()))
        return path;
    return joinPath(temporaryFolder(), kCopiesFolder) + path;
}

bool PreviewPages::write(const PreviewPlan& plan, QString* error)
{
    if (!m_folder.isValid()) {
        if (error)
            *error = m_folder.errorString();
        return false;
    }
    QHash<QString, QString> copies;
    for (const PreviewFile& file : plan.files) {
        const QString copy = copyPath(file.path);
        QDir().mkpath(QFileInfo(copy).path());
        if (!writeWholeFile(copy, textToBytes(file.text), error))
            return false;
        m_written.insert(copy);
        if (copy != file.path)
            copies.insert(file.path, copy);
    }
    m_copies = copies;
    m_reach = {temporaryFolder(), QFileInfo(plan.target).path()};
    if (!plan.projectFolder.isEmpty())
        m_reach.append(FilePath(plan.projectFolder));
    m_values.brovzerKeep = plan.page == PreviewPlan::Page::DocumentFile && plan.files.isEmpty();
    if (plan.page == PreviewPlan::Page::Frameset) {
        m_values.brovzerFiles.clear();
        for (const PreviewFile& file : plan.files)
            m_values.brovzerFiles.append(copyPath(file.path));
    }
    return true;
}

QString PreviewPages::servedFile(const QString& path) const
{
    const FilePath place(path);
    const bool reachable =
        std::any_of(m_reach.cbegin(), m_reach.cend(),
                    [&](const QString& folder) { return isInside(place, folder); });
    return reachable ? m_copies.value(place, place) : QString();
}

void PreviewPages::pageOpened(const QString& path)
{
    m_reach.append(QFileInfo(FilePath(path).path()).path());
}

void PreviewPages::previewClosed()
{
    for (const QString& file : std::as_const(m_written))
        QFile::remove(file);
    m_written.clear();
    m_copies.clear();
    m_reach.clear();
    m_values.brovzerKeep = false;
}

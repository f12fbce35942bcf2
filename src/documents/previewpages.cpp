#include "documents/previewpages.h"

#include "documents/documentfiles.h"
#include "platform/bytetext.h"
#include "platform/filewriter.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kTemporaryPage = QStringLiteral("wid.html");
// Frameset pages get a folder of their own, so that no frame's title meets the temporary
// page's name.
const QString kFramesetFolder = QStringLiteral("frameset");

// A name that stays in the folder it is joined to: no folder part, not "." or "..".
bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isTemporary(PreviewPlan::Page page)
{
    return page == PreviewPlan::Page::Temporary || page == PreviewPlan::Page::Frameset;
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
    if (request.docIndex >= 0 && request.docIndex < docs.Count()) {
        if (docs.WEBopened()) {
            if (auto plan = projectPlan(request))
                return plan;
        } else if (m_values.FrameSetOn && docs.Item(request.docIndex).FrameSet == 1) {
            return framesetPlan(request);
        }
    }
    return temporaryPlan(request.editorText);
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
            plan.files.append({item.filepath, request.editorText, item.lineEnds});
        } else if (!QFileInfo(item.filepath).isFile()) {
            return std::nullopt; // its file is gone: its text is shown instead
        }
        return plan;
    }
    if (docs.WEBpath().isEmpty() || !isPlainFileName(item.FileTitle))
        return std::nullopt;
    const QString path = joinPath(docs.WEBpath(), item.FileTitle);
    if (!mayWriteProjectPage(path, item, docs))
        return std::nullopt;
    plan.page = PreviewPlan::Page::ProjectPage;
    plan.storeEditorText = true;
    plan.files.append({path, request.editorText, item.lineEnds});
    plan.target = path;
    plan.document = &item;
    return plan;
}

bool PreviewPages::mayWriteProjectPage(const QString& path, const Ithem& document,
                                       const ColectionMain& docs) const
{
    const QString identity = fileIdentity(path);
    for (qint16 i = 0; i < docs.Count(); ++i) {
        const QString& file = docs.Item(i).filepath;
        if (!file.isEmpty() && fileIdentity(file) == identity)
            return false;
    }
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    // Only a page this preview wrote for this document, and left as it was, is replaced.
    const auto written = m_projectPages.constFind(cleanFilePath(path));
    return written != m_projectPages.cend() && written->document == &document && info.isFile() &&
           !info.isSymLink() && fileBytes(path) == written->bytes;
}

PreviewPlan PreviewPages::framesetPlan(const PreviewRequest& request) const
{
    const ColectionMain& docs = request.docs;
    const QString folder = joinPath(temporaryFolder(), kFramesetFolder);
    PreviewPlan plan;
    plan.page = PreviewPlan::Page::Frameset;
    plan.storeEditorText = true;
    QSet<QString> names;
    const auto add = [&](const QString& name, const QString& text) {
        if (!names.contains(name)) {
            names.insert(name);
            plan.files.append({joinPath(folder, name), text});
        }
    };
    // The page shown comes first and keeps its name against any frame of the same title; a
    // title that would leave the folder gives it the temporary page's name instead.
    const QString& title = docs.Item(request.docIndex).FileTitle;
    add(isPlainFileName(title) ? title : kTemporaryPage, request.editorText);
    for (qint16 i = 0; i < docs.Count(); ++i) {
        const Ithem& item = docs.Item(i);
        if (i != request.docIndex && item.FrameSet != 0 && !item.NoText &&
            isPlainFileName(item.FileTitle))
            add(item.FileTitle, item.Value);
    }
    plan.target = plan.files.first().path;
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

bool PreviewPages::write(const PreviewPlan& plan, QString* error)
{
    const bool temporary = isTemporary(plan.page);
    if (temporary && !m_folder.isValid()) {
        if (error)
            *error = m_folder.errorString();
        return false;
    }
    for (const PreviewFile& file : plan.files) {
        const QByteArray bytes = textToBytes(file.text, file.lineEnds);
        if (temporary)
            QDir().mkpath(QFileInfo(file.path).path());
        if (!writeWholeFile(file.path, bytes, error))
            return false;
        if (temporary)
            m_temporaryPages.insert(file.path);
        else if (plan.page == PreviewPlan::Page::ProjectPage)
            m_projectPages.insert(cleanFilePath(file.path), {plan.document, bytes});
    }
    m_values.brovzerKeep = !temporary;
    if (plan.page == PreviewPlan::Page::Frameset) {
        m_values.brovzerFiles.clear();
        for (const PreviewFile& file : plan.files)
            m_values.brovzerFiles.append(file.path);
    }
    return true;
}

void PreviewPages::previewClosed()
{
    for (const QString& page : std::as_const(m_temporaryPages))
        QFile::remove(page);
    m_temporaryPages.clear();
    m_values.brovzerKeep = false;
}

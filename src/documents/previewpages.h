#pragma once

// The page files of the browser preview: which files a preview writes, where, and which page
// it opens; then the writing, and the deleting when the preview closes.
// - Temporary pages (the editor's text, the pages of a frameset) go into a private folder of
//   the run, never into the program folder, whatever a document is titled; the close deletes
//   exactly the temporary pages written since the preview opened.
// - With a project open, a document is shown from its own file (replaced whole when the
//   document is changed), or, before it has one, from a page in the project folder under its
//   title, so that its links into the project work. Such a page is written only where no
//   file is in the way except one the preview wrote for that same document; otherwise the
//   document is shown through the temporary page. These files stay when the preview closes.

#include "core/collection.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// The preview's program-wide values. The frameset designer sets FrameSetOn and empties
// brovzerFiles; what the close deletes depends on neither.
struct PreviewValues
{
    QStringList brovzerFiles; // the pages of the last frameset preview, the opened one first
    bool FrameSetOn = false;  // a frameset made by the designer is among the open documents
    bool brovzerKeep = false; // the preview shows a file that its close keeps
};

// What is to be previewed.
struct PreviewRequest
{
    const ColectionMain& docs;
    qint16 docIndex;    // the document in the editor, -1 for none
    QString editorText; // byte text
};

struct PreviewFile
{
    QString path;
    QString text;                       // byte text, written one byte per character
    LineEnds lineEnds = LineEnds::CrLf; // a document's own file keeps those it was read with
};

struct PreviewPlan
{
    enum class Page {
        Temporary,    // the editor's text as the temporary page
        Frameset,     // the frameset and frame documents as temporary pages
        DocumentFile, // the current document's own file, rewritten first when it is changed
        ProjectPage,  // a page in the project folder for a document that has no file yet
    };
    Page page = Page::Temporary;
    // The current document takes the editor's text (the store step) before the files are
    // written.
    bool storeEditorText = false;
    QList<PreviewFile> files; // written in this order
    QString target;           // the page the preview opens, a full path
    // The document a project page is written for (compared, never read).
    const Ithem* document = nullptr;
};

class PreviewPages
{
public:
    PreviewPages();
    PreviewPages(const PreviewPages&) = delete;
    PreviewPages& operator=(const PreviewPages&) = delete;

    PreviewValues& values() { return m_values; }
    const PreviewValues& values() const { return m_values; }

    // Nothing when the editor's text is empty.
    std::optional<PreviewPlan> plan(const PreviewRequest& request) const;
    // Writes the plan's files (each whole and atomically) and takes its values. False, with
    // the reason, when a file could not be written: the preview then opens nothing.
    bool write(const PreviewPlan& plan, QString* error = nullptr);
    // The preview closed: the temporary pages written since it opened are deleted.
    void previewClosed();

    // The run's private folder of temporary pages; "" when it could not be made.
    QString temporaryFolder() const;

private:
    std::optional<PreviewPlan> projectPlan(const PreviewRequest& request) const;
    PreviewPlan framesetPlan(const PreviewRequest& request) const;
    PreviewPlan temporaryPlan(const QString& text) const;
    bool mayWriteProjectPage(const QString& path, const Ithem& document,
                             const ColectionMain& docs) const;

    struct ProjectPage
    {
        const Ithem* document;
        QByteArray bytes;
    };

    QTemporaryDir m_folder;
    PreviewValues m_values;
    QSet<QString> m_temporaryPages;             // written since the preview opened
    QHash<QString, ProjectPage> m_projectPages; // by clean path, for the whole run
};

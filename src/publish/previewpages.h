#pragma once

// The page files of the browser preview: which pages a preview shows, where, and which one it
// opens; then the writing, and the deleting when the preview closes.
// - Every text the preview shows is written into a private folder of the run, never into the
//   program folder or a folder of the user's, whatever a document is titled; the close
//   deletes exactly the files written since the preview opened.
// - A text is shown at its place: the temporary page (the text of a document outside a
//   project) in the private folder; a project document or a frameset page with a file at
//   that file; an unsaved project document in the project folder under its title; an unsaved
//   frameset page outside a project in a folder of the private one; the frame pages beside
//   their frameset page. A place outside the private folder is served from the text's copy
//   in it while the preview is open (servedFile), so that relative links from there work and
//   nothing the user did not save reaches the folder.
// - An unchanged project document with a file is shown from that file itself.

#include "core/collection.h"
#include "core/previewvalues.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// What is to be previewed.
struct PreviewRequest
{
    const ColectionMain& docs;
    qint16 docIndex;    // the document in the editor, -1 for none
    QString editorText; // byte text
};

struct PreviewFile
{
    QString path; // where the preview shows the text, a full clean path
    QString text; // byte text, written one byte per character
};

struct PreviewPlan
{
    enum class Page {
        Temporary,    // the editor's text as the temporary page
        Frameset,     // the frameset page with its frame pages beside it
        DocumentFile, // the current document at its own file
        ProjectPage,  // a project document without a file, at its place in the project folder
    };
    Page page = Page::Temporary;
    // The current document takes the editor's text (the store step) before the files are
    // written.
    bool storeEditorText = false;
    QList<PreviewFile> files; // written in this order
    QString target;           // the page the preview opens, a full path
    QString projectFolder;    // the open project's folder, "" without a project
};

class PreviewPages
{
public:
    PreviewPages();
    PreviewPages(const PreviewPages&) = delete;
    PreviewPages& operator=(const PreviewPages&) = delete;

    PreviewValues& values() { return m_values; }

    // Nothing when the editor's text is empty.
    std::optional<PreviewPlan> plan(const PreviewRequest& request) const;
    // Writes the plan's files (each whole and atomically) and takes its values. False, with
    // the reason, when a file could not be written: the preview then opens nothing.
    bool write(const PreviewPlan& plan, QString* error = nullptr);
    // The file whose bytes the preview shows at a full path: the copy of the text the last
    // plan shows there, else the path itself. The pages reach only the private folder, the
    // folders of the pages the preview opened and the open project's folder, below them: ""
    // for any other path, so that a page that may reach the web cannot send the user's other
    // files there.
    QString servedFile(const QString& path) const;
    // The preview itself went on to the page at path (a link followed): that page reaches
    // its own folder too.
    void pageOpened(const QString& path);
    // The preview closed: the files written since it opened are deleted.
    void previewClosed();

    // The run's private folder of temporary pages; "" when it could not be made.
    QString temporaryFolder() const;

private:
    std::optional<PreviewPlan> projectPlan(const PreviewRequest& request) const;
    PreviewPlan framesetPlan(const PreviewRequest& request) const;
    PreviewPlan temporaryPlan(const QString& text) const;
    // Where the text shown at path is written.
    QString copyPath(const QString& path) const;

    QTemporaryDir m_folder;
    PreviewValues m_values;
    QSet<QString> m_written;          // since the preview opened
    QHash<QString, QString> m_copies; // the last plan's: by clean place, the file written
    QStringList m_reach;              // the folders the last plan's pages may reach
};

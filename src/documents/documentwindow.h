#pragma once

// What the document commands need of the main window: its editor, its tree of open files,
// its caption, its side panel and save commands, and the few services around them.

#include <QString>

class EditorControl;
class QTreeWidget;
class QWidget;

class DocumentWindow
{
public:
    virtual ~DocumentWindow() = default;

    virtual QWidget& owner() = 0; // owns dialogs, previews and the tree's menu
    virtual EditorControl& editor() = 0;
    virtual QTreeWidget& tree() = 0;
    virtual void setCaption(const QString& caption) = 0;
    // The side panel's first page, the tree of open files.
    virtual void showTreePage() = 0;
    // Shows the side panel when it is hidden.
    virtual void showSidePanel() = 0;
    virtual void enableSave(bool enabled) = 0;
    virtual void enableSaveAs(bool enabled) = 0;
    // The Ctrl key is held down.
    virtual bool ctrlDown() const = 0;
    // Long lines do not wrap at the window's edge (mnuabzac is checked).
    virtual bool linesUnwrapped() const = 0;
    // The picture window for an image file.
    virtual void showPicture(const QString& path) = 0;
    // Writes the HTML page skeleton into the empty editor.
    virtual void writePageSkeleton() = 0;
};

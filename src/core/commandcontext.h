#pragma once

// What a subsystem sees of the program: the owner window, the editor, the open documents,
// the menu registry, the status bar, the language mode, handles to the other subsystems,
// and the few services of the main window's frame. The main window implements it; a
// subsystem never sees the main window itself.

#include <QString>

class Colouring;
class ConversionMenus;
class DocumentCommands;
class DocumentState;
class EditorControl;
class FilePanelCommands;
class LanguageMenu;
class ListCSS;
class MenuRegistry;
class PagePreview;
class Pickers;
class QTreeWidget;
class QWidget;
class SearchCommands;
class TagButtons;
class WebProjects;
struct PreviewValues;

// The status bar's panels: "kMain" (menu help and hints), "SK" (selection length), "SST"
// (selection start), "SLN" (line) and "KOL" (column).
enum class StatusPanel { Main, SelectionLength, SelectionStart, Line, Column };

// How typed keys and the editor's font are chosen, in the order of the language menu.
enum class LanguageMode { Russian, GeorgianIso, GeorgianKeys, Latin };

// The subsystems the main window created; a test context may leave some out (null).
struct Subsystems
{
    DocumentCommands* documents = nullptr;
    WebProjects* projects = nullptr;
    ConversionMenus* conversions = nullptr;
    LanguageMenu* language = nullptr;
    Colouring* colouring = nullptr;
    TagButtons* toolbar = nullptr;
    ListCSS* cssList = nullptr;
    Pickers* pickers = nullptr;
    PagePreview* preview = nullptr;
    // The browser preview's program-wide values, which the frameset designer sets.
    PreviewValues* previewValues = nullptr;
    SearchCommands* search = nullptr;

    FilePanelCommands* filePanel = nullptr;
};

class CommandContext
{
public:
    virtual ~CommandContext() = default;

    // The window that owns dialogs, pop-up menus and secondary windows.
    virtual QWidget& owner() = 0;
    virtual EditorControl& editor() = 0;
    virtual DocumentState& documents() = 0;
    virtual MenuRegistry& registry() = 0;
    virtual Subsystems& subsystems() = 0;

    // The text as it is shown (byte text through its display map).
    virtual void setStatus(StatusPanel panel, const QString& text) = 0;

    // The one place the language mode is kept; the language menu's check marks follow it.
    virtual LanguageMode languageMode() const = 0;
    virtual void setLanguageMode(LanguageMode mode) = 0;

    // --- Services of the frame ----------------------------------------------------------
    virtual void setCaption(const QString& caption) = 0;
    // The tree of open files on the side panel.
    virtual QTreeWidget& openFilesTree() = 0;
    // The side panel's first page, the tree of open files.
    virtual void showTreePage() = 0;
    // Shows the side panel when it is hidden.
    virtual void showSidePanel() = 0;
    // The widget the editor and its gutter sit in (lists shown over the editor go there).
    virtual QWidget& editorContainer() = 0;
    // The box under the editor that shows the selection decoded: shown or not, and its
    // text (byte text in the 8-bit layout).
    virtual bool decodedViewShown() const = 0;
    virtual void showDecodedView(bool shown) = 0;
    virtual void setDecodedViewText(const QString& byteText) = 0;
    // The selection was cleared: a drag in the line gutter starts afresh.
    virtual void selectionCleared() = 0;
    // The editor's font, size and colours as the options give them.
    virtual void applyEditorAppearance() = 0;
    // The editor's right margin after its width changed: lines wrap just inside the
    // editor, or, in the long-line mode, not at all.
    virtual void applyWrapMargin() = 0;
    // The Ctrl key is held down.
    virtual bool ctrlDown() const = 0;
    // The picture window for an image file; false when the file shows no picture.
    virtual bool showPicture(const QString& path) = 0;
};

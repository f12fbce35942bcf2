#pragma once

// The main window's frame: its panes (tag toolbar, side panel with the tree of open
// files and the file page, the splitter, the editor with its line gutter, the decoded
// view, the status bar), the load sequence, the layout, and the close sequence with its
// save questions and stored settings. It creates the subsystems and hands them the
// command context it implements; the commands themselves live with their subsystems.

#include "app/closequestions.h"
#include "app/startup.h"
#include "core/commandcontext.h"
#include "documents/saveoutcome.h"
#include "menus/menuimages.h"

#include <QMainWindow>

#include <array>
#include <memory>

class Colouring;
class ConversionMenus;
class DesignCommands;
class DocumentCommands;
class DocumentState;
class EditMenuCommands;
class EditorControl;
class EditorControlText;
class EditorEvents;
class FilePanelCommands;
class HelpCallBack;
class LanguageMenu;
class ListCSS;
class MainCommands;
class MenuRegistry;
class PHTbar;
class PreviewCommands;
class ProjectCommands;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTabBar;
class QToolButton;
class SearchCommands;
class TagCommands;
class TextFunctionCommands;
class ToolbarPickers;
class UploadCommands;

class FrmH : public QMainWindow, public StartTarget, public CommandContext
{
    Q_OBJECT

public:
    explicit FrmH(QWidget* parent = nullptr);
    ~FrmH() override;

    // --- Start-up entries ------------------------------------------------------------
    void showPlain() override;
    // "NOMAX" shows the window not maximised, whatever the options say.
    void commandladenforma(const QString& mode) override;
    void comandopen(const QString& first, const QString& second) override;

    // --- The command context ---------------------------------------------------------
    QWidget& owner() override { return *this; }
    EditorControl& editor() override { return *T1; }
    DocumentState& documents() override { return *m_documentState; }
    MenuRegistry& registry() override { return *m_registry; }
    Subsystems& subsystems() override { return m_subsystems; }
    void setStatus(StatusPanel panel, const QString& text) override;
    LanguageMode languageMode() const override { return m_languageMode; }
    void setLanguageMode(LanguageMode mode) override { m_languageMode = mode; }
    void setCaption(const QString& caption) override { setWindowTitle(caption); }
    QTreeWidget& openFilesTree() override { return *TV; }
    void showTreePage() override;
    void showSidePanel() override;
    QWidget& editorContainer() override { return *PTfon; }
    bool decodedViewShown() const override { return TranslationShown != 0; }
    void showDecodedView(bool shown) override;
    void setDecodedViewText(const QString& byteText) override;
    void selectionCleared() override { GutterAnchor = -1; }
    void applyEditorAppearance() override;
    void applyWrapMargin() override;
    bool ctrlDown() const override;
    bool showPicture(const QString& path) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildStatusBar();
    void createSubsystems();
    void addFrameCommands();
    void ensureLoaded();
    void Form_Load();
    void restoreStoredPosition();
    void reopenLastFile();
    void mnurecentfile_Click();
    void mnuabzac_Click();
    void Form_Resize();
    void PWEB_Resize();
    void Pfile_Resize();
    void PTfon_Resize();
    void TAB1_Click(int index);
    void ToggleWebPanel(qint16 show);
    void lbWEBshov_Click();
    void kontFershiben(QWidget* control, float x, float y);
    void PGm_MouseDown(QMouseEvent* event);
    void PGm_MouseMove(QMouseEvent* event);
    void PGm_MouseUp();
    void Pmarker_MouseDown(QMouseEvent* event);
    void Pmarker_MouseMove(QMouseEvent* event);
    void Pmarker_MouseUp();
    void selectLines(qint32 first, qint32 last);
    void Form_QueryUnload(bool& cancel);
    void storeSettingsAndRelease();
    void Form_Unload();
    EditorCloseState editorCloseState() const;

    // --- Controls ----------------------------------------------------------------------
    QWidget* PWEB; // the side panel
    QTabBar* TAB1;
    QTreeWidget* TV;   // the tree of open files
    QToolButton* Cadd; // opens a file
    QToolButton* Cdel; // closes the selected document
    QWidget* Pfile;    // the file page
    QComboBox* DR;
    QListWidget* FOL;
    QListWidget* FIL; // hidden list of the folder's files
    QListWidget* LF;
    QWidget* PGm;      // the splitter bar
    QWidget* PTfon;    // the editor's container
    EditorControl* T1; // the editor
    QWidget* Pmarker;  // the line gutter
    QPlainTextEdit* TXTtargmna;
    QLabel* lbWEBshov;                 // the arrow that hides and shows the side panel
    std::array<QLabel*, 5> m_panels{}; // the status bar, by StatusPanel
    QAction* mnuabzac = nullptr;
    std::unique_ptr<HelpCallBack> HelpObj; // from the load to the unload
    MenuImageList ImageList;               // the menus' icons

    // --- State -------------------------------------------------------------------------
    qint16 TranslationShown = 0;
    qint16 WebPanelShown = -1;
    float SplitGrabX = 0;
    float SplitGrabY = 0;
    qint32 GutterAnchor = -1;   // the line where the gutter selection began
    qint32 GutterDragLine = -1; // the line last dragged over in the gutter
    bool m_loaded = false;
    QString m_arrowCaption; // "t" while the side panel is shown, "u" while it is hidden
    LanguageMode m_languageMode = LanguageMode::Latin;
    QString m_decodedViewShown; // what the decoded view shows

    // --- What the window makes after its controls, in the order it makes them --------
    // They go in the reverse order, before the controls, while the window is whole: the
    // editor's events find no subscriber while the controls go.
    std::unique_ptr<PHTbar> m_tagBar; // the tag toolbar, "PHTbar", a control that acts
                                      // through the context
    std::unique_ptr<EditorControlText> m_editorText;
    std::unique_ptr<DocumentState> m_documentState;
    std::unique_ptr<MenuRegistry> m_registry;
    std::unique_ptr<DocumentCommands> m_documents;
    std::unique_ptr<ProjectCommands> m_projects;
    std::unique_ptr<EditMenuCommands> m_editMenu;
    std::unique_ptr<ConversionMenus> m_conversions;
    std::unique_ptr<SearchCommands> m_search;
    std::unique_ptr<TextFunctionCommands> m_textFunctions;
    std::unique_ptr<LanguageMenu> m_language;
    std::unique_ptr<Colouring> m_colouring;
    std::unique_ptr<ListCSS> m_cssList;
    std::unique_ptr<ToolbarPickers> m_pickers;
    std::unique_ptr<TagCommands> m_tags;
    std::unique_ptr<EditorEvents> m_editorEvents;
    std::unique_ptr<PreviewCommands> m_preview;
    std::unique_ptr<UploadCommands> m_upload;
    std::unique_ptr<DesignCommands> m_design;
    std::unique_ptr<MainCommands> m_mainCommands;
    std::unique_ptr<FilePanelCommands> m_filePanel;
    // Handles into the subsystems above, as the subsystems reach each other; they are
    // emptied first when the window goes, so that nothing reaches a subsystem that went.
    Subsystems m_subsystems;
};

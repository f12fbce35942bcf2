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

class DocumentState;
class EditorControl;
class EditorControlText;
class HelpCallBack;
class MainCommands;
class PHTbar;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTabBar;
class QToolButton;

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

    // --- Procedures other windows call -------------------------------------------------
    // -1 when any document is changed.
    qint16 cvlaprufen();
    // -1 when documents are open and one of them is not in the open project.
    qint16 NewInWeb();
    void ToggleWebPanel(qint16 show);
    // Shows the editor's document in the preview window.
    void in_brovzer();

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
    void lbWEBshov_Click();
    void kontFershiben(QWidget* control, float x, float y);
    void PGm_MouseDown(QMouseEvent* event);
    void PGm_MouseMove(QMouseEvent* event);
    void PGm_MouseUp();
    void Pmarker_MouseDown(QMouseEvent* event);
    void Pmarker_MouseMove(QMouseEvent* event);
    void Pmarker_MouseUp();
    qint32 gutterLineAt(QMouseEvent* event) const;
    void selectLines(qint32 first, qint32 last);
    void Form_QueryUnload(bool& cancel);
    void storeSettingsAndRelease();
    void Form_Unload();
    EditorCloseState editorCloseState() const;

    // --- Controls ----------------------------------------------------------------------
    PHTbar* m_tagBar; // the tag toolbar, "PHTbar"
    QWidget* PWEB;    // the side panel
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
    HelpCallBack* HelpObj = nullptr;
    MenuImageList ImageList; // the menus' icons

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

    std::unique_ptr<EditorControlText> m_editorText;
    std::unique_ptr<DocumentState> m_documentState;
    MenuRegistry* m_registry = nullptr;
    Subsystems m_subsystems;
    MainCommands* m_mainCommands = nullptr;
};

#pragma once

// The main window's frame: its panes (tag toolbar, side panel with the tree of open
// files and the file page, the splitter, the editor with its line gutter, the translation
// box, the status bar), the state the program's commands share, the load sequence, the
// layout, and the close sequence with its save questions and stored settings. The
// commands themselves live with their subsystems.

#include "app/closequestions.h"
#include "app/startup.h"
#include "documents/documentwindow.h"
#include "documents/saveoutcome.h"
#include "platform/displaymap.h"

#include <QHash>
#include <QKeySequence>
#include <QMainWindow>
#include <QPixmap>

#include <functional>
#include <memory>

class DocumentCommands;
class DocumentState;
class EditorControl;
class HelpCallBack;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QTabBar;
class QToolButton;
class QTreeWidget;

class FrmH : public QMainWindow, public StartTarget, private DocumentWindow
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

    // --- Shared state ----------------------------------------------------------------
    // The open documents (Docs, DocIndex, DocsMode, EditorPath, EditorChanged, LoadingText)
    // and the commands that open, switch, close and save them.
    DocumentState& documents();
    DocumentCommands& documentCommands();
    qint16 HotButton = -1; // toolbar button under the mouse
    qint16 TranslationShown = 0;
    qint16 WebPanelShown = -1;
    float SplitGrabX = 0;
    float SplitGrabY = 0;
    qint32 GutterAnchor = -1;   // the line where the gutter selection began
    qint32 GutterDragLine = -1; // the line last dragged over in the gutter

    // --- Controls --------------------------------------------------------------------
    QLabel* PHTbar; // the tag toolbar's picture
    QPixmap PSR;    // the toolbar buttons' source picture
    QWidget* PWEB;  // the side panel
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
    QLabel* lbWEBshov; // the arrow that hides and shows the side panel
    QMenu* mnuFile;
    QMenu* mnuEdit;    // also the editor's context menu
    QAction* mnuabzac; // checked: lines do not wrap at the window's edge
    QAction* mnuSave = nullptr;
    QAction* mnuSaveas = nullptr;
    HelpCallBack* HelpObj = nullptr;

    // The status bar panel of a key: "kMain", "SK", "SST", "SLN" or "KOL".
    QLabel* StatusPanel(const QString& key) const;

    // Adds a command to a menu; the caption is stored text shown through the map.
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption,
                        const QKeySequence& shortcut, std::function<void()> handler,
                        DisplayMapKind map = DisplayMapKind::GeorgianIso);

    void ToggleWebPanel(qint16 show);
    void kontFershiben(QWidget* control, float x, float y);
    void DrawTransparent();

    // -1 when any document is changed.
    qint16 cvlaprufen();
    // Presses a button of the tag toolbar by its code (the Alt shortcuts of the editor).
    void htmlbarklick(int toolbarCode);
    // -1 when documents are open and one of them is not in the open project.
    qint16 NewInWeb();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the document commands use of the window.
    QWidget& owner() override { return *this; }
    EditorControl& editor() override { return *T1; }
    QTreeWidget& tree() override { return *TV; }
    void setCaption(const QString& caption) override { setWindowTitle(caption); }
    void showTreePage() override;
    void showSidePanel() override;
    void enableSave(bool enabled) override;
    void enableSaveAs(bool enabled) override;
    bool ctrlDown() const override;
    bool linesUnwrapped() const override;
    void showPicture(const QString& path) override;
    void writePageSkeleton() override;

    void buildControls();
    void buildDocumentCommands();
    void ensureLoaded();
    void Form_Load();
    void restoreStoredPosition();
    void applyEditorAppearance();
    void reopenLastFile();
    void Form_Resize();
    void PWEB_Resize();
    void Pfile_Resize();
    void PTfon_Resize();
    void TAB1_Click(int index);
    void lbWEBshov_Click();
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
    SaveOutcome SaveDocuments(QString& fileName, qint16& index);
    void mnurecentfile_Click();

    std::unique_ptr<DocumentCommands> m_documents;
    bool m_loaded = false;
    QString m_arrowCaption; // "t" while the side panel is shown, "u" while it is hidden
    QHash<QString, QLabel*> m_panels;
};

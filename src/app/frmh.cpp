#include "app/frmh.h"

#include "app/maincommands.h"
#include "app/mainlayout.h"
#include "conversions/codetables.h"
#include "conversions/conversionmenus.h"
#include "conversions/languagemenu.h"
#include "core/commandguard.h"
#include "core/frmboxa.h"
#include "core/progprops.h"
#include "core/sharedroutines.h"
#include "design/designcommands.h"
#include "documents/documentcommands.h"
#include "documents/documentstate.h"
#include "documents/editorcontroltext.h"
#include "documents/filepanelcommands.h"
#include "documents/opencommands.h"
#include "documents/savecommands.h"
#include "editor/colouring.h"
#include "editor/editmenucommands.h"
#include "editor/editorevents.h"
#include "editor/listcss.h"
#include "editor/textfunctioncommands.h"
#include "menus/coolmenu.h"
#include "menus/menuregistry.h"
#include "platform/displaymap.h"
#include "platform/editorcontrol.h"
#include "platform/settingsstore.h"
#include "platform/twips.h"
#include "projects/projectcommands.h"
#include "publish/previewcommands.h"
#include "publish/uploadcommands.h"
#include "search/searchcommands.h"
#include "tags/phtbar.h"
#include "tags/tagcommands.h"
#include "tags/toolbarpickers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <exception>

namespace {

const QString kWinPosSection = QStringLiteral("winpoze");
const QString kLastFileSection = QStringLiteral("LastFile");
const QString kLastFileKey = QStringLiteral("FN");
const QString kArrowShown = QStringLiteral("t");
const QString kArrowHidden = QStringLiteral("u");

constexpr int kToolbarHeight = 30;
constexpr int kInitialSidePanelWidth = 200;
constexpr int kGutterTwips = 120;

// Layout never fails: a window made very small gives negative sizes, which are skipped.
void place(QWidget* widget, const QRect& rect)
{
    if (rect.width() >= 0 && rect.height() >= 0)
        widget->setGeometry(rect);
}

QString shownAsKeys(const char* latinKeys)
{
    return DisplayMap::get(DisplayMapKind::GeorgianKeys).toShown(QString::fromLatin1(latinKeys));
}

} // namespace

FrmH::FrmH(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Kelmora"));
    resize(1000, 700);
    ImageList = MenuImageList::programIcons();
    buildControls();
    buildStatusBar();
    m_editorText = std::make_unique<EditorControlText>(*T1);
    m_documentState = std::make_unique<DocumentState>(*m_editorText);
    m_registry = std::make_unique<MenuRegistry>(*menuBar(), *this);
    createSubsystems();
    addFrameCommands();
}

FrmH::~FrmH()
{
    // The subsystems go in the reverse order of their making (the members' order); none
    // reaches another meanwhile. The drawn menus let go of the window first, before what
    // they report their help to goes.
    m_subsystems = {};
    RemoveCoolMenu(this);
}

void FrmH::createSubsystems()
{
    // Menus shared by several subsystems take their items in this order: in the edit menu
    // the clipboard's, the conversions, list replace, the text functions; in the Extras menu
    // search and replace and the wrap templates first; in the tag pop-ups the tags before
    // the page design windows.
    Subsystems& parts = m_subsystems;
    parts.documents = (m_documents = std::make_unique<DocumentCommands>(*this)).get();
    parts.projects = (m_projects = std::make_unique<ProjectCommands>(*m_documents, *this)).get();
    m_editMenu = std::make_unique<EditMenuCommands>(*this);
    parts.conversions = (m_conversions = std::make_unique<ConversionMenus>(*this)).get();
    parts.search = (m_search = std::make_unique<SearchCommands>(*this)).get();
    m_textFunctions = std::make_unique<TextFunctionCommands>(*this);
    parts.language = (m_language = std::make_unique<LanguageMenu>(*this)).get();
    parts.colouring = (m_colouring = std::make_unique<Colouring>(*this)).get();
    parts.toolbar = m_tagBar.get();
    parts.cssList = (m_cssList = std::make_unique<ListCSS>(*this)).get();
    parts.pickers = (m_pickers = std::make_unique<ToolbarPickers>(*this)).get();
    m_tags = std::make_unique<TagCommands>(*this);
    m_editorEvents = std::make_unique<EditorEvents>(*this);
    parts.preview = (m_preview = std::make_unique<PreviewCommands>(*this)).get();
    m_upload = std::make_unique<UploadCommands>(*this);
    parts.previewValues = &m_preview->pages().values();
    m_design = std::make_unique<DesignCommands>(*this);
    // Last: its Quit ends the File menu.
    m_mainCommands = std::make_unique<MainCommands>(*this);
    parts.filePanel =
        (m_filePanel = std::make_unique<FilePanelCommands>(*this, *DR, *FOL, *FIL, *LF)).get();

    DocumentCommands* documents = m_documents.get();
    connect(Cadd, &QToolButton::clicked, this,
            [documents] { runGuarded([documents] { documents->opening().Cadd_Click(); }); });
    connect(Cdel, &QToolButton::clicked, this,
            [documents] { runGuarded([documents] { documents->saving().Cdel_Click(); }); });
}

void FrmH::addFrameCommands()
{
    mnuabzac = m_registry->add(m_registry->menu("mnuExtras"),
                               {"mnuabzac", QStringLiteral("#| |") + eightBitGeorgian("abzaci")},
                               [this] { mnuabzac_Click(); });
}

void FrmH::buildControls()
{
    auto* surface = new QWidget(this);
    setCentralWidget(surface);
    surface->installEventFilter(this);

    m_tagBar = std::make_unique<PHTbar>(*this, surface);
    m_tagBar->setGeometry(0, 0, width(), kToolbarHeight);

    lbWEBshov = new QLabel(surface);
    lbWEBshov->setAlignment(Qt::AlignCenter);
    lbWEBshov->setCursor(Qt::PointingHandCursor);
    lbWEBshov->installEventFilter(this);

    PWEB = new QWidget(surface);
    PWEB->setGeometry(0, kToolbarHeight, kInitialSidePanelWidth, 400);
    TAB1 = new QTabBar(PWEB);
    TAB1->setExpanding(false);
    TAB1->setElideMode(Qt::ElideRight);
    TAB1->setUsesScrollButtons(false);
    TAB1->addTab(shownAsKeys("gaxsnili"));
    TAB1->addTab(shownAsKeys("failebi"));
    connect(TAB1, &QTabBar::currentChanged, this, [this](int index) { TAB1_Click(index + 1); });
    TV = new QTreeWidget(PWEB);
    TV->setHeaderHidden(true);
    Cadd = new QToolButton(PWEB);
    Cadd->setText(QStringLiteral("+"));
    Cadd->setToolTip(shownAsKeys("gaxsna"));
    Cdel = new QToolButton(PWEB);
    Cdel->setText(QStringLiteral("x"));
    Cdel->setToolTip(shownAsKeys("daxurva"));
    // The panel starts wide enough for both tab captions whole beside the two buttons.
    TAB1->ensurePolished();
    const int buttonsWidth = 2 * (Cadd->sizeHint().height() + 2) + 3;
    PWEB->resize(std::max(kInitialSidePanelWidth, TAB1->sizeHint().width() + buttonsWidth),
                 PWEB->height());
    Pfile = new QWidget(PWEB);
    Pfile->hide();
    DR = new QComboBox(Pfile);
    DR->move(0, 0);
    FOL = new QListWidget(Pfile);
    FOL->move(0, DR->sizeHint().height() + 4);
    FIL = new QListWidget(Pfile);
    FIL->hide();
    LF = new QListWidget(Pfile);

    PGm = new QWidget(surface);
    PGm->setCursor(Qt::SplitHCursor);
    PGm->setAutoFillBackground(true);
    PGm->installEventFilter(this);

    PTfon = new QWidget(surface);
    Pmarker = new QWidget(PTfon);
    Pmarker->setGeometry(0, 0, twipsToPixels(kGutterTwips), 100);
    Pmarker->setAutoFillBackground(true);
    Pmarker->setBackgroundRole(QPalette::AlternateBase);
    Pmarker->installEventFilter(this);
    T1 = new EditorControl(PTfon);
    T1->move(twipsToPixels(kGutterTwips), 0);

    TXTtargmna = new QPlainTextEdit(surface);
    TXTtargmna->setReadOnly(true);
    TXTtargmna->hide();

    m_arrowCaption = kArrowShown;
    lbWEBshov->setText(QStringLiteral("\u25C0"));

    // Tests find the frame's controls by these names.
    const std::pair<QObject*, const char*> named[] = {{m_tagBar.get(), "PHTbar"},
                                                      {PWEB, "PWEB"},
                                                      {TAB1, "TAB1"},
                                                      {TV, "TV"},
                                                      {Cadd, "Cadd"},
                                                      {Cdel, "Cdel"},
                                                      {Pfile, "Pfile"},
                                                      {DR, "DR"},
                                                      {FOL, "FOL"},
                                                      {FIL, "FIL"},
                                                      {LF, "LF"},
                                                      {PGm, "PGm"},
                                                      {PTfon, "PTfon"},
                                                      {T1, "T1"},
                                                      {Pmarker, "Pmarker"},
                                                      {TXTtargmna, "TXTtargmna"},
                                                      {lbWEBshov, "lbWEBshov"}};
    for (const auto& [control, name] : named)
        control->setObjectName(QLatin1String(name));
}

void FrmH::buildStatusBar()
{
    const char* const keys[] = {"kMain", "SK", "SST", "SLN", "KOL"};
    for (size_t i = 0; i < m_panels.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QLatin1String(keys[i]));
        m_panels[i] = panel;
        if (i == 0) {
            statusBar()->addWidget(panel, 1);
        } else {
            // Wide enough for any position: a panel of a fixed size changes its text on
            // every key without laying the status bar out again.
            panel->setFixedSize(
                panel->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) +
                    2 * panel->margin() + 8,
                panel->sizeHint().height());
            statusBar()->addPermanentWidget(panel);
        }
    }
}

void FrmH::setStatus(StatusPanel panel, const QString& text)
{
    m_panels[size_t(panel)]->setText(text);
}

// --- Start-up entries ----------------------------------------------------------------

void FrmH::ensureLoaded()
{
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
}

void FrmH::showPlain()
{
    ensureLoaded();
    show();
}

void FrmH::commandladenforma(const QString& mode)
{
    ensureLoaded();
    if (mode == QLatin1String("NOMAX"))
        setWindowState(windowState() & ~Qt::WindowMaximized);
    show();
}

void FrmH::comandopen(const QString& first, const QString& second)
{
    showPlain();
    QApplication::processEvents();
    runGuarded([&] { m_subsystems.documents->opening().comandopen(first, second); });
}

// --- Load --------------------------------------------------------------------------------

void FrmH::Form_Load()
{
    if (Props.maxwind)
        setWindowState(windowState() | Qt::WindowMaximized);
    else if (Props.winpoz)
        restoreStoredPosition();

    {
        const DocumentState::TextLoading loading(documents());
        HelpObj = std::make_unique<HelpCallBack>();
        connect(HelpObj.get(), &HelpCallBack::MenuHelp, m_mainCommands.get(),
                &MainCommands::HelpObj_MenuHelp);
        InstallCoolMenu(this, *m_registry, HelpObj.get(), &ImageList);
        setStatus(StatusPanel::Main, QString());
        openkodlist();
        applyEditorAppearance();
    }

    reopenLastFile();
    PGm->setBackgroundRole(QPalette::Button);

    if (ThisRun.commandLineEmpty && Props.recentonstart > 0) {
        show();
        QApplication::processEvents();
        mnurecentfile_Click();
    }
}

void FrmH::restoreStoredPosition()
{
    // A missing or damaged position, or one on no screen any more, leaves the window
    // where the desktop puts it.
    bool xRead = false;
    bool yRead = false;
    const int x = SettingsStore::read(kWinPosSection, QStringLiteral("X")).toInt(&xRead);
    const int y = SettingsStore::read(kWinPosSection, QStringLiteral("Y")).toInt(&yRead);
    if (!xRead || !yRead)
        return;
    const QPoint position(twipsToPixels(x), twipsToPixels(y));
    if (QGuiApplication::screenAt(position))
        move(position);
}

void FrmH::applyEditorAppearance()
{
    // Without an options file every field is empty: keep the editor's own font then, and
    // never paint the text in the colour of its background.
    applyWrapMargin();
    T1->setFontRecord(editorFontFromOptions(T1->fontRecord(), Props.stfont));
    if (Props.backcolor != Props.forekolor) {
        T1->setBackColor(Props.backcolor);
        T1->setForeColor(Props.forekolor);
    }
}

void FrmH::reopenLastFile()
{
    if (!Props.lastfile || ThisRun.lastFileSuppressed)
        return;
    const QString lastFile = SettingsStore::read(kLastFileSection, kLastFileKey);
    if (!lastFile.isEmpty() && QFileInfo::exists(lastFile))
        comandopen(lastFile, QString());
}

void FrmH::mnurecentfile_Click()
{
    runGuarded([this] { m_subsystems.documents->opening().mnurecentfile_Click(); });
}

// --- Layout ------------------------------------------------------------------------------

void FrmH::Form_Resize()
{
    MainLayoutInput in;
    in.width = centralWidget()->width();
    in.height = centralWidget()->height() + statusBar()->height();
    in.toolbarHeight = m_tagBar->height();
    in.statusBarHeight = statusBar()->height();
    in.sidePanelWidth = PWEB->width();
    in.translationShown = TranslationShown != 0;
    in.sidePanelShown = WebPanelShown != 0;
    const MainLayout out = layOutMainWindow(in);

    m_tagBar->resize(in.width, m_tagBar->height());
    lbWEBshov->setGeometry(in.width - 20, 0, 20, in.toolbarHeight);
    place(PTfon, out.editorPane);
    if (in.sidePanelShown)
        place(PWEB, out.sidePanel);
    if (in.translationShown)
        place(TXTtargmna, out.translationBox);
    TXTtargmna->setVisible(in.translationShown);
    place(PGm, out.splitter);
    PWEB_Resize();
    PTfon_Resize();
    applyWrapMargin();
}

void FrmH::PWEB_Resize()
{
    const SidePanelPages pages =
        layOutSidePanel(pixelsToTwips(PWEB->width()), pixelsToTwips(PWEB->height()));
    place(TV, twipsToPixels(pages.tree));
    // The open and close buttons sit above the tree, at the panel's right edge; the tabs
    // take the rest of that row, shortening their captions when it is narrow.
    const int buttonSize = Cadd->sizeHint().height();
    Cdel->setGeometry(PWEB->width() - buttonSize - 2, TV->y() - buttonSize - 2, buttonSize,
                      buttonSize);
    Cadd->setGeometry(Cdel->x() - buttonSize - 2, Cdel->y(), buttonSize, buttonSize);
    QRect tabs = twipsToPixels(pages.tabs);
    tabs.setRight(Cadd->x() - 3);
    place(TAB1, tabs);
    place(Pfile, twipsToPixels(pages.filePage));
    Pfile_Resize();
}

void FrmH::Pfile_Resize()
{
    const FilePageLayout page =
        layOutFilePage(pixelsToTwips(Pfile->width()), pixelsToTwips(Pfile->height()),
                       pixelsToTwips(DR->height()), pixelsToTwips(FOL->y()));
    DR->resize(twipsToPixels(page.driveWidth), DR->height());
    place(FOL, QRect(FOL->x(), FOL->y(), twipsToPixels(page.folderWidth),
                     twipsToPixels(page.folderHeight)));
    place(LF, QRect(LF->x(), twipsToPixels(page.listTop), twipsToPixels(page.listWidth),
                    twipsToPixels(page.listHeight)));
}

void FrmH::PTfon_Resize()
{
    const int height = PTfon->height();
    place(T1, QRect(T1->x(), T1->y(), PTfon->width() - twipsToPixels(kGutterTwips), height));
    Pmarker->resize(Pmarker->width(), height);
}

void FrmH::TAB1_Click(int index)
{
    TV->setVisible(index == 1);
    Pfile->setVisible(index > 1);
    Cadd->setVisible(index != 2);
    Cdel->setVisible(index != 2);
}

void FrmH::ToggleWebPanel(qint16 show)
{
    WebPanelShown = show;
    Form_Resize();
    PWEB->setVisible(show != 0);
    m_arrowCaption = show ? kArrowShown : kArrowHidden;
    lbWEBshov->setText(show ? QStringLiteral("\u25C0") : QStringLiteral("\u25B6"));
}

void FrmH::lbWEBshov_Click()
{
    ToggleWebPanel(m_arrowCaption != kArrowShown ? -1 : 0);
    applyWrapMargin();
}

void FrmH::applyWrapMargin()
{
    // The one wrap rule, for the long-line mode and for every change of the editor's width:
    // lines run on far beyond the window's edge, or wrap just inside it.
    const int editorTwips = pixelsToTwips(T1->width());
    T1->setRightMargin(mnuabzac->isChecked() ? editorTwips * 20 : editorTwips - 260);
}

void FrmH::mnuabzac_Click()
{
    applyWrapMargin();
}

// --- Splitter ----------------------------------------------------------------------------

void FrmH::kontFershiben(QWidget* control, float x, float y)
{
    control->move(control->x() + qRound(x - SplitGrabX), control->y() + qRound(y - SplitGrabY));
}

void FrmH::PGm_MouseDown(QMouseEvent* event)
{
    SplitGrabX = float(event->position().x());
    SplitGrabY = 0;
    PGm->setBackgroundRole(QPalette::Highlight);
}

void FrmH::PGm_MouseMove(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const float x = float(event->position().x());
    if (splitterMayMove(PGm->x(), qRound(x), qRound(SplitGrabX)))
        kontFershiben(PGm, x, 0);
}

void FrmH::PGm_MouseUp()
{
    const SplitterRelease release = releaseSplitter(PGm->x(), centralWidget()->width());
    PWEB->resize(release.sidePanelWidth, PWEB->height());
    PTfon->setGeometry(release.editorLeft, PTfon->y(), release.editorWidth, PTfon->height());
    PGm->move(release.barLeft, PGm->y());
    PGm->setBackgroundRole(QPalette::Button);
    PWEB_Resize();
    PTfon_Resize();
}

// --- Line gutter -------------------------------------------------------------------------

void FrmH::Pmarker_MouseDown(QMouseEvent* event)
{
    if (T1->TextLength() == 0)
        return;
    const QPoint inEditor =
        T1->viewport()->mapFrom(PTfon, Pmarker->mapTo(PTfon, event->position().toPoint()));
    const qint32 line = T1->LineAtY(inEditor.y());
    if (line < 0)
        return;
    selectLines(line, line);
    GutterAnchor = line;
    GutterDragLine = line;
}

void FrmH::Pmarker_MouseMove(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || T1->TextLength() == 0 || GutterAnchor < 0)
        return;
    const QPoint inEditor =
        T1->viewport()->mapFrom(PTfon, Pmarker->mapTo(PTfon, event->position().toPoint()));
    const qint32 line = T1->LineAtY(inEditor.y());
    if (line == GutterDragLine)
        return;
    GutterDragLine = line;
    if (line >= 0)
        selectLines(qMin(line, GutterAnchor), qMax(line, GutterAnchor));
}

void FrmH::Pmarker_MouseUp()
{
    T1->setFocus();
}

void FrmH::selectLines(qint32 first, qint32 last)
{
    const qint32 start = T1->LineIndex(first);
    const qint32 lastStart = T1->LineIndex(last);
    const qint32 end = lastStart + T1->LineLength(lastStart);
    T1->setSelection(start, end - start);
}

// --- Events ------------------------------------------------------------------------------

bool FrmH::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool isMouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                         type == QEvent::MouseButtonRelease;
    auto* mouse = isMouse ? static_cast<QMouseEvent*>(event) : nullptr;
    if (watched == centralWidget() && type == QEvent::Resize) {
        Form_Resize();
    } else if (watched == PGm && mouse) {
        if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
            PGm_MouseDown(mouse);
        else if (type == QEvent::MouseMove)
            PGm_MouseMove(mouse);
        else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton)
            PGm_MouseUp();
    } else if (watched == Pmarker && mouse) {
        if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
            Pmarker_MouseDown(mouse);
        else if (type == QEvent::MouseMove)
            Pmarker_MouseMove(mouse);
        else if (type == QEvent::MouseButtonRelease)
            Pmarker_MouseUp();
    } else if (watched == lbWEBshov && type == QEvent::MouseButtonRelease) {
        lbWEBshov_Click();
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmH::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu& edit = m_registry->menu("mnuEdit");
    if (!edit.isEmpty())
        edit.popup(event->globalPos());
}

// --- Services of the frame -------------------------------------------------------------

void FrmH::showTreePage()
{
    TAB1->setCurrentIndex(0);
}

void FrmH::showSidePanel()
{
    if (m_arrowCaption != kArrowShown)
        lbWEBshov_Click();
}

void FrmH::showDecodedView(bool shown)
{
    TranslationShown = shown ? -1 : 0;
    Form_Resize();
}

void FrmH::setDecodedViewText(const QString& byteText)
{
    // Emptied on every move of the caret: only a change is written.
    const QString shown = DisplayMap::get(DisplayMapKind::GeorgianIso).toShown(byteText);
    if (shown != m_decodedViewShown) {
        m_decodedViewShown = shown;
        TXTtargmna->setPlainText(shown);
    }
}

bool FrmH::ctrlDown() const
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

bool FrmH::showPicture(const QString& path)
{
    return BOXa().showpik(path, this);
}

// --- Close -------------------------------------------------------------------------------

EditorCloseState FrmH::editorCloseState() const
{
    const DocumentState& state = *m_documentState;
    return {state.DocsMode() != 0, state.EditorPath(), state.EditorChanged() != 0,
            T1->TextLength() == 0};
}

void FrmH::closeEvent(QCloseEvent* event)
{
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void FrmH::Form_QueryUnload(bool& cancel)
{
    // A failure before the questions are settled keeps the program running: closing then
    // could lose what the questions were about.
    cancel = true;
    const bool settled = runGuarded([&] {
        const auto question = closeQuestion(editorCloseState(), documents().Docs());
        // Closing after a cancelled or failed save would lose the text.
        cancel =
            question && !savedOrDiscarded(question->prompt, question->title, kIconQuestion, [&] {
                return m_subsystems.documents->saving().SaveDocuments(FilePath(), -1) ==
                           SaveOutcome::Done &&
                       !unsavedWorkRemains(editorCloseState(), documents().Docs());
            });
    });
    if (settled && !cancel)
        storeSettingsAndRelease();
}

void FrmH::storeSettingsAndRelease()
{
    bool stored = true;
    if (Props.winpoz) {
        const QPoint position =
            (isMaximized() || isMinimized()) ? normalGeometry().topLeft() : pos();
        stored &= SettingsStore::write(kWinPosSection, QStringLiteral("X"),
                                       QString::number(pixelsToTwips(position.x())));
        stored &= SettingsStore::write(kWinPosSection, QStringLiteral("Y"),
                                       QString::number(pixelsToTwips(position.y())));
    }
    if (Props.lastfile) {
        const QString lastFile = documents().lastFileName();
        if (!lastFile.isEmpty())
            stored &= SettingsStore::write(kLastFileSection, kLastFileKey, lastFile);
    }
    if (!stored)
        tellUser(QStringLiteral("fanjris adgilisa da bolo failis damaxsovreba ver moxerxda."));
    m_subsystems.documents->saving().closeAll();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
}

void FrmH::Form_Unload()
{
    RemoveCoolMenu(this);
    HelpObj.reset();
}

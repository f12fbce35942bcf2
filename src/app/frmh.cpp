#include "app/frmh.h"

#include "conversions/codetables.h"
#include "conversions/conversionmenus.h"
#include "conversions/languagemenu.h"
#include "core/frmboxa.h"
#include "app/mainlayout.h"
#include "menus/menucaption.h"
#include "core/progprops.h"
#include "core/sharedroutines.h"
#include "documents/documentcommands.h"
#include "editor/editorevents.h"
#include "menus/coolmenu.h"
#include "platform/displaymap.h"
#include "platform/editorcontrol.h"
#include "platform/settingsstore.h"
#include "platform/twips.h"

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

#include <exception>

namespace {

const QString kWinPosSection = QStringLiteral("winpoze");
const QString kLastFileSection = QStringLiteral("LastFile");
const QString kLastFileKey = QStringLiteral("FN");
const QString kArrowShown = QStringLiteral("t");
const QString kArrowHidden = QStringLiteral("u");
const QString kAnswerSave = QStringLiteral("6");
const QString kAnswerGoOn = QStringLiteral("7");

constexpr int kToolbarHeight = 30;
constexpr int kInitialSidePanelWidth = 200;
constexpr int kGutterTwips = 120;

QRect toPixels(const QRect& twips)
{
    return QRect(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                 twipsToPixels(twips.height()));
}

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
    buildControls();
    m_documents = std::make_unique<DocumentCommands>(static_cast<DocumentWindow&>(*this));
    buildDocumentCommands();
    new ConversionMenus(*this);
    new LanguageMenu(*this);
    // Last: it takes hold of every menu item that follows the text and the selection.
    new EditorEvents(*this);
}

FrmH::~FrmH() = default;

DocumentState& FrmH::documents()
{
    return m_documents->state();
}

DocumentCommands& FrmH::documentCommands()
{
    return *m_documents;
}

void FrmH::buildControls()
{
    auto* surface = new QWidget(this);
    setCentralWidget(surface);
    surface->installEventFilter(this);

    PHTbar = new QLabel(surface);
    PHTbar->setGeometry(0, 0, width(), kToolbarHeight);

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

    for (const char* key : {"kMain", "SK", "SST", "SLN", "KOL"}) {
        auto* panel = new QLabel(this);
        m_panels.insert(QString::fromLatin1(key), panel);
        if (m_panels.size() == 1)
            statusBar()->addWidget(panel, 1);
        else
            statusBar()->addPermanentWidget(panel);
    }

    // Menus appear on the bar once they hold a command.
    mnuFile =
        menuBar()->addMenu(menuCaption(QStringLiteral("faili"), DisplayMapKind::GeorgianKeys));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuEdit = menuBar()->addMenu(
        menuCaption(QStringLiteral("redaqtireba"), DisplayMapKind::GeorgianKeys));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    for (QMenu* menu : {mnuFile, mnuEdit})
        menu->menuAction()->setVisible(false);
    mnuabzac = new QAction(this);
    mnuabzac->setCheckable(true);

    m_arrowCaption = kArrowShown;
    lbWEBshov->setText(QStringLiteral("\u25C0"));
}

QAction* FrmH::addCommand(QMenu* menu, const char* name, const QString& caption,
                          const QKeySequence& shortcut, std::function<void()> handler,
                          DisplayMapKind map)
{
    QAction* action = menu->addAction(menuCaption(caption, map));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, std::move(handler));
    menu->menuAction()->setVisible(true);
    return action;
}

void FrmH::buildDocumentCommands()
{
    DocumentCommands* documents = m_documents.get();
    QMenu* mnunew =
        mnuFile->addMenu(menuCaption(QStringLiteral("axali"), DisplayMapKind::GeorgianKeys));
    addCommand(mnunew, "mnunewF0", QStringLiteral("HTML ") + eightBitGeorgian("faili"),
               QKeySequence(Qt::CTRL | Qt::Key_H), [documents] { documents->mnunewF_Click(0); });
    addCommand(mnunew, "mnunewF2", eightBitGeorgian("teqst faili"), {},
               [documents] { documents->mnunewF_Click(2); });
    addCommand(
        mnuFile, "mnuOpen", QStringLiteral("gaxsna"), QKeySequence::Open,
        [documents] { documents->mnuOpen_Click(); }, DisplayMapKind::GeorgianKeys);
    addCommand(mnuFile, "mnuUnopen", QStringLiteral("UTF8 ") + eightBitGeorgian("gaxsna"), {},
               [documents] { documents->mnuUnopen_Click(); });
    mnuSave = addCommand(
        mnuFile, "mnuSave", QStringLiteral("Cawera"), QKeySequence(Qt::CTRL | Qt::Key_S),
        [documents] { documents->mnuSave_Click(); }, DisplayMapKind::GeorgianKeys);
    mnuSaveas = addCommand(
        mnuFile, "mnuSaveas", QStringLiteral("Cawera rogorc"), QKeySequence(Qt::CTRL | Qt::Key_W),
        [documents] { documents->mnuSaveas_Click(); }, DisplayMapKind::GeorgianKeys);
    mnuSave->setEnabled(false);
    mnuSaveas->setEnabled(false);
    connect(Cadd, &QToolButton::clicked, this, [documents] { documents->Cadd_Click(); });
    connect(Cdel, &QToolButton::clicked, this, [documents] { documents->Cdel_Click(); });
}

QLabel* FrmH::StatusPanel(const QString& key) const
{
    return m_panels.value(key);
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
    m_documents->comandopen(first, second);
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
        HelpObj = new HelpCallBack(this);
        InstallCoolMenu(this, HelpObj);
        StatusPanel(QStringLiteral("kMain"))->clear();
        openkodlist();
        applyEditorAppearance();
    }

    reopenLastFile();
    PGm->setBackgroundRole(QPalette::Button);
    HotButton = -1;
    DrawTransparent();

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
    T1->setRightMargin(pixelsToTwips(T1->width()) + 300);
    FontRecord font = T1->fontRecord();
    if (!Props.stfont.isEmpty())
        font.family = Props.stfont;
    if (Props.stfsiz > 0)
        font.pointSize = Props.stfsiz;
    font.bold = Props.bold != 0;
    font.italic = Props.italik != 0;
    T1->setFontRecord(font);
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
    // The recent-files window comes with the recent-files list.
}

void FrmH::DrawTransparent()
{
    if (PSR.isNull())
        return;
    QPixmap drawn = PSR.copy(0, 0, PHTbar->width(), PHTbar->height());
    const QColor transparent = PSR.toImage().pixelColor(1, 1);
    drawn.setMask(drawn.createMaskFromColor(transparent, Qt::MaskInColor));
    PHTbar->setPixmap(drawn);
}

// --- Layout ------------------------------------------------------------------------------

void FrmH::Form_Resize()
{
    MainLayoutInput in;
    in.width = centralWidget()->width();
    in.height = centralWidget()->height() + statusBar()->height();
    in.toolbarHeight = PHTbar->height();
    in.statusBarHeight = statusBar()->height();
    in.sidePanelWidth = PWEB->width();
    in.translationShown = TranslationShown != 0;
    in.sidePanelShown = WebPanelShown != 0;
    const MainLayout out = layOutMainWindow(in);

    PHTbar->resize(in.width, PHTbar->height());
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
    if (!mnuabzac->isChecked())
        T1->setRightMargin(pixelsToTwips(T1->width()) - 230);
}

void FrmH::PWEB_Resize()
{
    const SidePanelPages pages =
        layOutSidePanel(pixelsToTwips(PWEB->width()), pixelsToTwips(PWEB->height()));
    place(TV, toPixels(pages.tree));
    // The open and close buttons sit above the tree, at the panel's right edge; the tabs
    // take the rest of that row, shortening their captions when it is narrow.
    const int buttonSize = Cadd->sizeHint().height();
    Cdel->setGeometry(PWEB->width() - buttonSize - 2, TV->y() - buttonSize - 2, buttonSize,
                      buttonSize);
    Cadd->setGeometry(Cdel->x() - buttonSize - 2, Cdel->y(), buttonSize, buttonSize);
    QRect tabs = toPixels(pages.tabs);
    tabs.setRight(Cadd->x() - 3);
    place(TAB1, tabs);
    place(Pfile, toPixels(pages.filePage));
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
    const int editorTwips = pixelsToTwips(T1->width());
    T1->setRightMargin(mnuabzac->isChecked() ? editorTwips * 50 : editorTwips - 260);
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
    if (!mnuEdit->isEmpty())
        mnuEdit->popup(event->globalPos());
}

// --- What the document commands use of the window --------------------------------------

void FrmH::showTreePage()
{
    TAB1->setCurrentIndex(0);
}

void FrmH::showSidePanel()
{
    if (m_arrowCaption != kArrowShown)
        lbWEBshov_Click();
}

void FrmH::enableSave(bool enabled)
{
    mnuSave->setEnabled(enabled);
}

void FrmH::enableSaveAs(bool enabled)
{
    mnuSaveas->setEnabled(enabled);
}

bool FrmH::ctrlDown() const
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

bool FrmH::linesUnwrapped() const
{
    return mnuabzac->isChecked();
}

void FrmH::showPicture(const QString& path)
{
    BOXa().showpik(path, this);
}

void FrmH::writePageSkeleton()
{
    // The page skeleton comes with the tag commands; until then a new page starts empty.
}

// --- Close -------------------------------------------------------------------------------

void FrmH::htmlbarklick(int /*toolbarCode*/)
{
    // The tag toolbar's buttons come with the tag toolbar.
}

qint16 FrmH::cvlaprufen()
{
    return m_documents->cvlaprufen();
}

qint16 FrmH::NewInWeb()
{
    return m_documents->NewInWeb();
}

EditorCloseState FrmH::editorCloseState() const
{
    const DocumentState& state = m_documents->state();
    return {state.DocsMode() != 0, state.EditorPath(), state.EditorChanged() != 0,
            T1->TextLength() == 0};
}

SaveOutcome FrmH::SaveDocuments(QString& fileName, qint16& index)
{
    return m_documents->SaveDocuments(fileName, index);
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
    try {
        if (const auto question = closeQuestion(editorCloseState(), documents().Docs())) {
            const QString answer =
                MsgBoxa(question->prompt, question->title, kIconQuestion, 3, QString(), 40);
            if (answer == kAnswerSave) {
                QString fileName;
                qint16 index = -1;
                // Closing after a cancelled or failed save would lose the text.
                if (SaveDocuments(fileName, index) != SaveOutcome::Done ||
                    unsavedWorkRemains(editorCloseState(), documents().Docs())) {
                    cancel = true;
                    return;
                }
            } else if (answer != kAnswerGoOn) {
                cancel = true;
                return;
            }
        }
    } catch (const std::exception& error) {
        cancel = true;
        MsgBoxa(QString::fromLatin1(error.what()), QString(), kIconError, 1, QString(), 40);
        return;
    }
    storeSettingsAndRelease();
}

void FrmH::storeSettingsAndRelease()
{
    if (Props.winpoz) {
        const QPoint position =
            (isMaximized() || isMinimized()) ? normalGeometry().topLeft() : pos();
        SettingsStore::write(kWinPosSection, QStringLiteral("X"),
                             QString::number(pixelsToTwips(position.x())));
        SettingsStore::write(kWinPosSection, QStringLiteral("Y"),
                             QString::number(pixelsToTwips(position.y())));
    }
    if (Props.lastfile) {
        const QString lastFile = documents().lastFileName();
        if (!lastFile.isEmpty())
            SettingsStore::write(kLastFileSection, kLastFileKey, lastFile);
    }
    m_documents->closeAll();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
}

void FrmH::Form_Unload()
{
    RemoveCoolMenu(this);
    delete HelpObj;
    HelpObj = nullptr;
}

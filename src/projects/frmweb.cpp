#include "projects/frmweb.h"

#include "core/commandcontext.h"
#include "core/commandguard.h"
#include "core/progprops.h"
#include "core/sharedroutines.h"
#include "core/windowcontrols.h"
#include "documents/fileicons.h"
#include "platform/bytetext.h"
#include "platform/displaymap.h"
#include "platform/paths.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "projects/projectcommands.h"
#include "projects/projectsaverun.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QWindow>

namespace {

constexpr int kNoHint = 6;
constexpr int kTagRole = Qt::UserRole;
constexpr int kTypeRole = Qt::UserRole + 1;

const QString kAddFilter =
    QStringLiteral("All Files(*.*)|*.*|HTM-HTML|*.htm;*.html|CSS|*.CSS|Java Script|*.JS|"
                   "VB Script|*.vbs|TXT|*.txt|INF|*.inf");

// The buttons' hints, in Latin-key Georgian.
constexpr const char* kHints[] = {"axali failis Seqmna",  "arsebuli failis Setana",
                                  "failis siidan amoSla", "proeqtis misamarTi",
                                  "proeqtis Seqmna",      "gamosvla"};

QLabel* label(QWidget* parent, const char* caption, const QRect& place)
{
    auto* control = new QLabel(shownKeys(caption), parent);
    control->setFont(georgianFont());
    control->setGeometry(place);
    return control;
}

// A separator line across the window.
void line(QWidget* parent, const char* name, int top)
{
    separatorLine(parent, name)->setGeometry(twipsRect(60, top, 5880, 60));
}

} // namespace

frmWEB::frmWEB(ProjectCommands& projects) : QWidget(nullptr, Qt::Window), m_projects(projects)
{
    setObjectName(QStringLiteral("frmWEB"));
    setWindowTitle(QStringLiteral("New WEB"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    // Window load: the list starts with the start page.
    addItem({QStringLiteral("Index.HTML"), QString(), 1});
    LV->setCurrentRow(0);
    m_hint = kNoHint;
}

frmWEB::~frmWEB()
{
    Form_QueryUnload();
}

void frmWEB::buildControls()
{
    setFixedSize(twipsToPixels(6000), twipsToPixels(5900));
    label(this, "proeqtis saxeli", twipsRect(120, 120, 3000, 255));
    Tpname = new QLineEdit(this);
    Tpname->setObjectName(QStringLiteral("Tpname"));
    Tpname->setGeometry(twipsRect(120, 380, 3600, 315));
    label(this, "proeqtis misamarTi", twipsRect(120, 800, 3000, 255));
    Twebpath = new QLineEdit(this);
    Twebpath->setObjectName(QStringLiteral("Twebpath"));
    Twebpath->setGeometry(twipsRect(120, 1060, 5160, 315));
    line(this, "xazi1", 1560);
    label(this, "failebis sia", twipsRect(120, 1680, 3000, 255));
    LV = new QListWidget(this);
    LV->setObjectName(QStringLiteral("LV"));
    LV->setGeometry(twipsRect(120, 1940, 4320, 2640));
    LV->setEditTriggers(QAbstractItemView::NoEditTriggers);
    line(this, "xazi2", 4700);
    LBinfo = new QLabel(this);
    LBinfo->setObjectName(QStringLiteral("LBinfo"));
    LBinfo->setFont(QFont(QStringLiteral("Grigolia")));
    LBinfo->setGeometry(twipsRect(120, 4800, 5760, 300));
    line(this, "xazi3", 5160);

    const QStyle::StandardPixmap pictures[] = {
        QStyle::SP_FileIcon,    QStyle::SP_DialogOpenButton,  QStyle::SP_TrashIcon,
        QStyle::SP_DirOpenIcon, QStyle::SP_DialogApplyButton, QStyle::SP_DialogCloseButton};
    const QRect places[] = {twipsRect(4560, 1940, 1320, 420), twipsRect(4560, 2440, 1320, 420),
                            twipsRect(4560, 2940, 1320, 420), twipsRect(5340, 1020, 540, 390),
                            twipsRect(2940, 5300, 1440, 440), twipsRect(4440, 5300, 1440, 440)};
    for (int i = 0; i < int(COK.size()); ++i) {
        COK[i] = new QPushButton(style()->standardIcon(pictures[i]), QString(), this);
        COK[i]->setObjectName(QStringLiteral("COK(%1)").arg(i));
        COK[i]->setGeometry(places[i]);
        COK[i]->setAutoDefault(false);
        COK[i]->installEventFilter(this);
        connect(COK[i], &QPushButton::clicked, this,
                [this, i] { runGuarded([&] { COK_Click(i); }); });
    }
    COK[4]->setEnabled(false);

    mnuobSi = new QMenu(this);
    mnuobSi->setObjectName(QStringLiteral("mnuobSi"));
    const char* const entries[] = {"Rename", "Remove"};
    for (int i = 0; i < 2; ++i) {
        QAction* entry = mnuobSi->addAction(QLatin1String(entries[i]));
        entry->setObjectName(QStringLiteral("mnuLE(%1)").arg(i));
        connect(entry, &QAction::triggered, this,
                [this, i] { runGuarded([&] { mnuLE_Click(i); }); });
    }

    connect(Tpname, &QLineEdit::textChanged, this, &frmWEB::Tpname_Change);
    connect(Twebpath, &QLineEdit::textChanged, this, &frmWEB::Tpname_Change);
    Tpname->installEventFilter(this);
    LV->installEventFilter(this);
    LV->viewport()->installEventFilter(this);
    connect(LV, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (item != m_editedItem)
            return;
        m_editedItem = nullptr;
        // The list is still inside its editor: the new name is taken once it has closed.
        QMetaObject::invokeMethod(
            this,
            [this, row = LV->row(item), typed = item->text()] {
                runGuarded([&] { LV_AfterLabelEdit(row, typed); });
            },
            Qt::QueuedConnection);
    });
}

void frmWEB::showOver(QWidget& owner)
{
    m_owner = &owner;
    // The wizard is a window of its own, kept above the main window: a child window would be
    // disabled with it.
    winId();
    if (QWidget* ownerWindow = owner.window(); ownerWindow->windowHandle())
        windowHandle()->setTransientParent(ownerWindow->windowHandle());
    CenterOver(&owner, this, 0);
    show();
    raise();
    activateWindow();
    owner.setEnabled(false);
}

void frmWEB::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    event->accept();
}

void frmWEB::Form_QueryUnload()
{
    if (m_owner)
        m_owner->setEnabled(true);
}

std::vector<WizardItem> frmWEB::items() const
{
    std::vector<WizardItem> list;
    list.reserve(std::size_t(LV->count()));
    for (int i = 0; i < LV->count(); ++i) {
        const QListWidgetItem* item = LV->item(i);
        list.push_back(
            {item->text(), item->data(kTagRole).toString(), item->data(kTypeRole).toInt()});
    }
    return list;
}

void frmWEB::addItem(const WizardItem& item)
{
    auto* row = new QListWidgetItem(wizardTypeIcon(item.icon), item.text, LV);
    row->setFlags(row->flags() | Qt::ItemIsEditable);
    row->setData(kTagRole, item.tag);
    row->setData(kTypeRole, item.icon);
}

void frmWEB::showItems(const std::vector<WizardItem>& list, const QString& selectedText)
{
    const QSignalBlocker quiet(LV);
    LV->clear();
    m_editedItem = nullptr;
    for (const WizardItem& item : list) {
        addItem(item);
        if (item.text == selectedText && !LV->currentItem())
            LV->setCurrentRow(LV->count() - 1);
    }
}

// --- Buttons and hints -----------------------------------------------------------------

void frmWEB::COK_Click(int index)
{
    switch (index) {
    case 0:
        newPage();
        break;
    case 1:
        addFiles();
        break;
    case 2:
        removeSelected();
        SortFileList();
        break;
    case 3:
        chooseFolder();
        break;
    case 4:
        CreateProject();
        break;
    case 5:
        close();
        break;
    }
}

void frmWEB::COK_MouseMove(int index)
{
    if (index == m_hint)
        return;
    LBinfo->setText(shownKeys(kHints[index]));
    m_hint = index;
}

void frmWEB::clearHint()
{
    LBinfo->clear();
    m_hint = kNoHint;
}

bool frmWEB::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    for (int i = 0; i < int(COK.size()); ++i) {
        if (watched != COK[i])
            continue;
        if (type == QEvent::Enter)
            COK_MouseMove(i);
        else if (type == QEvent::Leave)
            clearHint();
    }
    if (watched == Tpname && type == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving the window, or opening a menu, is no leaving of the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            QMetaObject::invokeMethod(
                this, [this] { runGuarded([this] { Tpname_LostFocus(); }); }, Qt::QueuedConnection);
    } else if (watched == LV && type == QEvent::KeyRelease) {
        LV_KeyUp(static_cast<QKeyEvent*>(event)->key());
    } else if (watched == LV->viewport() && type == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        LV_MouseUp();
    }
    return QWidget::eventFilter(watched, event);
}

void frmWEB::Tpname_Change()
{
    COK[4]->setEnabled(!Tpname->text().isEmpty() && !Twebpath->text().isEmpty());
}

void frmWEB::Tpname_LostFocus()
{
    if (!Tpname->text().isEmpty() && HasBadFileNameChars(Tpname->text())) {
        tellBadFileNameChars();
        Tpname->setFocus();
    }
}

// --- The list ----------------------------------------------------------------------------

void frmWEB::LV_KeyUp(int key)
{
    if (key == Qt::Key_F2 && LV->count() > 0)
        LV_BeforeLabelEdit();
}

void frmWEB::LV_MouseUp()
{
    if (LV->count() > 0)
        mnuobSi->popup(QCursor::pos());
}

void frmWEB::mnuLE_Click(int index)
{
    if (index == 0)
        LV_BeforeLabelEdit();
    else
        removeSelected();
}

void frmWEB::LV_BeforeLabelEdit()
{
    QListWidgetItem* item = LV->currentItem();
    if (!item)
        return;
    m_editedItem = item;
    m_oldText = item->text();
    LV->editItem(item);
}

void frmWEB::LV_AfterLabelEdit(int row, const QString& typed)
{
    QListWidgetItem* item = LV->item(row);
    if (!item || item->text() != typed)
        return; // the list changed meanwhile
    const std::optional<QString> renamed = renamedWizardItem(m_oldText, typed);
    const QSignalBlocker quiet(LV);
    item->setText(renamed.value_or(m_oldText));
    if (!renamed && HasBadFileNameChars(typed))
        tellBadFileNameChars();
}

void frmWEB::newPage()
{
    addItem({newPageName(LV->count()), QString(), 1});
    LV->setCurrentRow(LV->count() - 1);
    LV->setFocus();
    SortFileList();
}

void frmWEB::addFiles()
{
    const QStringList paths = prompts().openFileNames(this, QStringLiteral("Open"), kAddFilter);
    if (paths.isEmpty())
        return;
    for (const QString& path : paths) {
        const QString name = pathTitle(path);
        addItem({name, path, wizardFileType(name)});
    }
    LV->setCurrentRow(LV->count() - 1);
    LV->setFocus();
    SortFileList();
}

void frmWEB::removeSelected()
{
    const int row = LV->currentRow();
    if (row < 0)
        return;
    delete LV->takeItem(row);
    if (LV->count() > 0)
        LV->setCurrentRow(std::min(row, LV->count() - 1));
}

void frmWEB::chooseFolder()
{
    const QString folder = BrowseFolder(this);
    if (!folder.isEmpty())
        Twebpath->setText(folder);
}

void frmWEB::SortFileList()
{
    const QString selected = LV->currentItem() ? LV->currentItem()->text() : QString();
    const std::vector<WizardItem> list = items();
    const std::vector<WizardItem> sorted = ::SortFileList(list);
    if (sorted != list)
        showItems(sorted, selected);
}

// --- Creating the project ----------------------------------------------------------------

void frmWEB::CreateProject()
{
    const auto planned = [this] {
        return planProjectCreation(Tpname->text(), Twebpath->text(), items());
    };
    // A list no project can be made from is refused before anything is asked.
    if (const CreationPlan first = planned(); first.refusal != CreationRefusal::None) {
        tellRefusal(first);
        return;
    }
    // The project takes the place of everything that is open: what that would lose is asked
    // about before anything is written, and a cancel (or a save that did not happen) keeps
    // the wizard with its list. The plan is made again, as the files are after any save.
    if (!m_projects.mayReplaceOpenWork())
        return;
    const CreationPlan plan = planned();
    if (!plan.gone.isEmpty())
        tellUser(QStringLiteral("es failebi aRar arsebobs da proeqtSi ar Seva:") + kCrLf + kCrLf +
                 plan.gone.join(kCrLf));
    if (plan.refusal != CreationRefusal::None) {
        tellRefusal(plan);
        return;
    }
    if (!confirmReplacing(plan.replaced, windowTitle()))
        return;
    const CreationResult result = createProject(plan, Props);
    if (!result.done) {
        prompts().platformMessage(QStringLiteral("Error!!") + kCrLf + kCrLf + result.failedPath +
                                      kCrLf + result.error,
                                  Prompts::PlatformIcon::Critical, QStringLiteral("ERROR!!!"));
        return;
    }
    // The wizard goes (the main window is enabled again) before the project opens.
    const QString listPath = plan.listPath;
    close();
    m_projects.WEB_Open(listPath);
}

void frmWEB::tellRefusal(const CreationPlan& plan)
{
    switch (plan.refusal) {
    case CreationRefusal::EmptyList:
        MsgBoxa(QStringLiteral("proeqtis Sesaqmnelad, failebis siaSi") + kCrLf +
                    QStringLiteral(" erTi faili mainc unda iyos Setanili."),
                QString(), 3, 1, QString(), 40);
        break;
    case CreationRefusal::BadProjectName:
        tellBadFileNameChars();
        Tpname->setFocus();
        break;
    case CreationRefusal::NoFolder:
        tellUser(QStringLiteral("proeqtis misamarTi ar arsebobs."));
        break;
    case CreationRefusal::BadFileName:
        tellUser(QStringLiteral("es saxeli failis saxelad ar gamodgeba:") + kCrLf +
                 plan.refusedName);
        break;
    case CreationRefusal::SameFile:
        tellUser(QStringLiteral("siaSi erTi faili orjer aris:") + kCrLf + plan.refusedName);
        break;
    case CreationRefusal::None:
        break;
    }
}

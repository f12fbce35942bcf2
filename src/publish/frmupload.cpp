#include "publish/frmupload.h"

#include "core/commandcontext.h"
#include "core/commandguard.h"
#include "core/sharedroutines.h"
#include "core/windowcontrols.h"
#include "documents/documentstate.h"
#include "platform/bytetext.h"
#include "platform/displaymap.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "publish/ftpuploadrun.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// Heights of the window, frame included, in twips: compact, and with the account panel open.
constexpr int kCompactHeight = 3240;
constexpr int kPanelHeight = 6855;
// What the outer sizes include besides the inner area: the caption bar and the borders.
constexpr int kFrameHeight = 375;
constexpr int kInnerWidth = 6735;

const QString kBrowseFilter = QStringLiteral("All Files(*.*)|*.*");

// The account boxes Text2(0..4) as their labels name them.
const char* const kBoxNames[kAccountFieldCount] = {"Description", "FTP Server", "Username",
                                                   "Password", "Subdirectori"};

// The accounts' fields and descriptions are byte text, shown in the standard font.
const DisplayMap& latin()
{
    return DisplayMap::get(DisplayMapKind::Latin);
}

QLabel* label(QWidget* parent, const QString& caption, const QRect& place)
{
    auto* control = new QLabel(caption, parent);
    control->setGeometry(place);
    return control;
}

} // namespace

frmupload::frmupload(CommandContext& context, quint16 ftpPort, FtpLimits limits)
    : QDialog(&context.owner()), m_context(context), m_client(ftpPort, limits)
{
    setObjectName(QStringLiteral("frmupload"));
    setWindowTitle(QStringLiteral("FTP Upload"));
    buildUploadFrame();
    buildLogFrame();
    buildAccountPanel();
    // A transfer blocks the window's thread: the window is kept painted meanwhile.
    m_client.setProgressHandler([](qint64, qint64) {
        QCoreApplication::processEvents();
        return true;
    });
    Form_Load();
}

frmupload::~frmupload() = default;

void frmupload::buildUploadFrame()
{
    FR1 = namedControl<QGroupBox>(this, "FR1", twipsRect(60, 0, 6615, 2340));
    label(FR1, shownKeys("faili"), twipsRect(120, 300, 615, 255));
    Tfile = namedControl<QLineEdit>(FR1, "Tfile", twipsRect(735, 255, 5160, 315));
    Cfile = placedButton(FR1, "Cfile", QStringLiteral("..."), twipsRect(5955, 255, 540, 315));
    CKalopF = namedControl<QCheckBox>(FR1, "CKalopF", twipsRect(120, 660, 6375, 255));
    CKalopF->setText(shownKeys("yvela gaxsnili failebis gadatana"));
    label(FR1, QStringLiteral("FTP Account :"), twipsRect(120, 1035, 1275, 255));
    CBaccount = namedControl<QComboBox>(FR1, "CBaccount", twipsRect(1395, 990, 2535, 315));
    CBdir = namedControl<QComboBox>(FR1, "CBdir", twipsRect(3990, 990, 2505, 315));
    auto* Frame1 = namedControl<QGroupBox>(FR1, "Frame1", twipsRect(120, 1380, 3810, 855));
    Frame1->setTitle(QStringLiteral("Transfer Type"));
    OPA = namedControl<QRadioButton>(Frame1, "OPA", twipsRect(180, 375, 1500, 255));
    OPA->setText(QStringLiteral("ASCII"));
    OPB = namedControl<QRadioButton>(Frame1, "OPB", twipsRect(1920, 375, 1500, 255));
    OPB->setText(QStringLiteral("Binary"));
    OPB->setChecked(true);
    Cupload =
        placedButton(FR1, "Cupload", QStringLiteral("UPLOAD"), twipsRect(3990, 1500, 2505, 615));
    Command4 =
        placedButton(this, "Command4", shownKeys("parametrebi"), twipsRect(60, 2430, 1935, 375));
    Command3 =
        placedButton(this, "Command3", shownKeys("Sewyveta"), twipsRect(5220, 2430, 1455, 375));

    connect(Cfile, &QPushButton::clicked, this, [this] { Cfile_Click(); });
    connect(CKalopF, &QCheckBox::toggled, this, [this] { CKalopF_Click(); });
    connect(CBaccount, &QComboBox::currentIndexChanged, this, [this] { CBaccount_Click(); });
    connect(OPA, &QRadioButton::clicked, this, [this] { m_transferType = FtpTransfer::Ascii; });
    connect(OPB, &QRadioButton::clicked, this, [this] { m_transferType = FtpTransfer::Binary; });
    connect(Cupload, &QPushButton::clicked, this,
            [this] { runGuarded([this] { Cupload_Click(); }); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command3, &QPushButton::clicked, this, &frmupload::reject);
}

void frmupload::buildLogFrame()
{
    FR2 = namedControl<QGroupBox>(this, "FR2", twipsRect(60, 0, 6615, 2805));
    Tinf = namedControl<QPlainTextEdit>(FR2, "Tinf", twipsRect(120, 240, 6375, 1740));
    Tinf->setReadOnly(true);
    PST = namedControl<QProgressBar>(FR2, "PST", twipsRect(120, 2040, 6375, 225));
    PST->setRange(0, 100);
    PST->setTextVisible(false);
    Command1 =
        placedButton(FR2, "Command1", shownKeys("Sewyveta"), twipsRect(5040, 2340, 1455, 375));
    FR2->hide();
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void frmupload::buildAccountPanel()
{
    m_panel = namedControl<QWidget>(this, "accountPanel", twipsRect(0, 2880, kInnerWidth, 3360));
    List1 = namedControl<QListWidget>(m_panel, "List1", twipsRect(60, 60, 2415, 3195));
    for (int i = 0; i < kAccountFieldCount; ++i) {
        label(m_panel, QLatin1String(kBoxNames[i]) + QStringLiteral(" :"),
              twipsRect(2580, 105 + i * 435, 1275, 255));
        const QByteArray name = "Text2(" + QByteArray::number(i) + ')';
        Text2[i] = namedControl<QLineEdit>(m_panel, name.constData(),
                                           twipsRect(3870, 60 + i * 435, 2805, 315));
    }
    const QString buttonCaptions[] = {shownKeys("axali"), shownKeys("Setana"), shownKeys("waSla"),
                                      QStringLiteral("Cancel")};
    for (int i = 0; i < int(Command2.size()); ++i) {
        const QByteArray name = "Command2(" + QByteArray::number(i) + ')';
        Command2[i] = placedButton(m_panel, name.constData(), buttonCaptions[i],
                                   twipsRect(2580 + i * 1035, 2280, 975, 375));
        connect(Command2[i], &QPushButton::clicked, this,
                [this, i] { runGuarded([this, i] { Command2_Click(i); }); });
    }
    Command5 =
        placedButton(m_panel, "Command5", QStringLiteral("OK"), twipsRect(5685, 2880, 975, 375));
    m_panel->hide();

    // A click (or a move with the keys) loads an entry; the program's own selections do not.
    connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    connect(Command5, &QPushButton::clicked, this,
            [this] { runGuarded([this] { Command5_Click(); }); });
}

void frmupload::Form_Load()
{
    QString error;
    if (!m_accounts.load(&error))
        prompts().failureMessage(error);
    {
        const QSignalBlocker quiet(List1);
        for (const QString& description : m_accounts.descriptions())
            List1->addItem(latin().toShown(description));
    }
    fillAccountChoice();
    showPanel(false);
    CenterOver(&m_context.owner(), this, -1);
}

// --- The upload frame --------------------------------------------------------------------

void frmupload::Cfile_Click()
{
    Tfile->setText(prompts().openFileName(this, QStringLiteral("Open"), kBrowseFilter));
}

void frmupload::CKalopF_Click()
{
    const bool all = CKalopF->isChecked();
    Tfile->setEnabled(!all);
    Cfile->setEnabled(!all);
    QPalette colours = Tfile->palette();
    colours.setColor(QPalette::Base, palette().color(all ? QPalette::Button : QPalette::Base));
    Tfile->setPalette(colours);
    Tfile->clear();
}

void frmupload::CBaccount_Click()
{
    CBdir->clear();
    const QStringList fields = m_accounts.GetAccountFields(CBaccount->currentIndex());
    if (fields.isEmpty())
        return;
    CBdir->addItem(latin().toShown(fields[kSubdirectory]));
    CBdir->setCurrentIndex(0);
}

void frmupload::Cupload_Click()
{
    if (m_running)
        return;
    const bool allDocuments = CKalopF->isChecked();
    const QString path = Tfile->text();
    if (!allDocuments && (path.isEmpty() || !QFileInfo(path).isFile()))
        return;

    Tinf->clear();
    Command3->hide();
    Command4->hide();
    FR2->show();
    FR2->raise();

    struct Running
    {
        frmupload& window;
        explicit Running(frmupload& w) : window(w) { window.setRunning(true); }
        ~Running() { window.setRunning(false); }
    } running(*this);
    FtpUploadRun run(m_client, {[this](const QString& log) { showLog(log); },
                                [this](int percent) { ShowProgress(percent); }});
    const QStringList account = m_accounts.GetAccountFields(CBaccount->currentIndex());
    if (allDocuments)
        run.uploadFiles(account, documentUploads(m_context.documents().Docs()));
    else
        run.uploadFile(account, path, m_transferType);
}

void frmupload::Command1_Click()
{
    if (m_running)
        return;
    Tinf->clear();
    FR2->hide();
    Command3->show();
    Command4->show();
}

void frmupload::Command4_Click()
{
    if (!m_running)
        showPanel(!m_panelOpen);
}

void frmupload::ShowProgress(int percent)
{
    PST->setValue(percent);
    QCoreApplication::processEvents();
}

void frmupload::showLog(const QString& log)
{
    // The log is in the 8-bit layout.
    QString shown = DisplayMap::get(DisplayMapKind::GeorgianIso).toShown(log);
    Tinf->setPlainText(shown.replace(kCrLf, QStringLiteral("\n")));
}

void frmupload::setRunning(bool running)
{
    m_running = running;
    Cupload->setEnabled(!running);
    Command4->setEnabled(!running);
    Command1->setEnabled(!running);
}

void frmupload::reject()
{
    if (!m_running)
        QDialog::reject();
}

void frmupload::closeEvent(QCloseEvent* event)
{
    if (m_running) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

// --- The account panel -------------------------------------------------------------------

void frmupload::showPanel(bool open)
{
    m_panelOpen = open;
    m_panel->setVisible(open);
    FR1->setEnabled(!open);
    setFixedSize(twipsToPixels(kInnerWidth),
                 twipsToPixels((open ? kPanelHeight : kCompactHeight) - kFrameHeight));
}

void frmupload::fillAccountChoice()
{
    CBaccount->clear();
    CBdir->clear();
    const QStringList descriptions = m_accounts.descriptions();
    for (const QString& description : descriptions)
        CBaccount->addItem(latin().toShown(description));
    CBaccount->setCurrentIndex(descriptions.isEmpty() ? -1 : 0);
}

void frmupload::List1_Click()
{
    if (const std::optional<AccountBoxes> fields = m_editing.selectAccount(List1->currentRow()))
        setBoxes(*fields);
}

void frmupload::Command2_Click(int index)
{
    switch (index) {
    case 0: // "axali"
        setBoxes(m_editing.newAccount());
        Text2[kDescription]->setFocus();
        break;
    case 1: { // "Setana"
        const std::optional<AccountBoxes> entered = enteredBoxes();
        if (!entered)
            return;
        const FtpAccountEditing::Entered result = m_editing.enterAccount(*entered);
        if (result.outcome == FtpAccountEditing::Entered::Nothing)
            return;
        const QString description = latin().toShown((*entered)[kDescription]);
        if (result.outcome == FtpAccountEditing::Entered::Replaced) {
            List1->item(result.index)->setText(description);
        } else {
            const QSignalBlocker quiet(List1);
            List1->addItem(description);
        }
        setBoxes({});
        break;
    }
    case 2: { // "waSla"
        const int selected = List1->currentRow();
        const std::optional<int> next = m_editing.deleteAccount(selected);
        if (!next)
            return;
        {
            const QSignalBlocker quiet(List1);
            delete List1->takeItem(selected);
        }
        selectListEntry(*next);
        setBoxes({});
        break;
    }
    default: // "Cancel"
        showPanel(false);
        setBoxes({});
        selectListEntry(-1);
        m_editing.cancelEditing();
        break;
    }
}

void frmupload::Command5_Click()
{
    fillAccountChoice();
    QString error;
    if (!m_accounts.SaveAccountsFile(&error))
        prompts().failureMessage(error);
    showPanel(false);
}

void frmupload::setBoxes(const AccountBoxes& fields)
{
    for (int i = 0; i < kAccountFieldCount; ++i)
        Text2[i]->setText(latin().toShown(fields[i]));
}

std::optional<AccountBoxes> frmupload::enteredBoxes()
{
    AccountBoxes fields;
    for (int i = 0; i < kAccountFieldCount; ++i) {
        // A reference in place of the character would be stored, and sent, as if typed.
        if (!latin().holds(Text2[i]->text())) {
            prompts().failureMessage(QStringLiteral("The box \"") + QLatin1String(kBoxNames[i]) +
                                     QStringLiteral("\" holds a character that has no 8-bit "
                                                    "code. Nothing was entered."));
            Text2[i]->setFocus();
            return std::nullopt;
        }
        fields[i] = latin().fromShown(Text2[i]->text());
    }
    return fields;
}

void frmupload::selectListEntry(int index)
{
    const QSignalBlocker quiet(List1);
    List1->setCurrentRow(index);
    if (index < 0)
        List1->clearSelection();
}

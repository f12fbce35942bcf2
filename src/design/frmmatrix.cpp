#include "design/frmmatrix.h"

#include "core/sharedroutines.h"
#include "platform/browser.h"
#include "platform/bytetext.h"
#include "platform/displaymap.h"
#include "platform/filenames.h"
#include "platform/prompts.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

namespace {

const QString kMatrixFilter = QStringLiteral("HTML-HTM|*.html;*.htm");

enum Button { BrowseButton, AddButton, ExitButton, OpenButton, DeleteButton, SourceButton };

constexpr int kButtonSize = 28; // pixels
constexpr int kListWidth = 180;

// A file's text as the source view shows it: its bytes through the Latin map, one line per
// line break however the file writes it.
QString shownSource(const QString& byteText)
{
    QString lines = byteText;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return DisplayMap::get(DisplayMapKind::Latin).toShown(lines);
}

// A matrix's name as the list shows it: a name that is not UTF-8 is in the 8-bit Georgian
// layout.
QString shownName(const QString& name)
{
    if (!hasEightBitName(name))
        return name;
    return DisplayMap::get(DisplayMapKind::GeorgianIso).toShown(bytesToText(fileNameBytes(name)));
}

} // namespace

frmMatrix::frmMatrix(QWidget* owner)
    : QDialog(owner), m_list(matrixFolder()), List1(new QListWidget(this)), WBR(new Browser(this)),
      Text1(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmMatrix"));
    setWindowTitle(QStringLiteral("HTML Matrix"));

    List1->setObjectName(QStringLiteral("List1"));
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click(row);
    });
    // A click on the entry already selected changes no row, and is a click all the same.
    List1->viewport()->installEventFilter(this);
    connect(List1, &QListWidget::clicked, this, [this](const QModelIndex& entry) {
        if (entry.row() == m_rowAtPress)
            List1_Click(entry.row());
    });
    WBR->setObjectName(QStringLiteral("WBR"));
    WBR->setNavigationCheck(&frmMatrix::mayLoad);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setFont(QFont(QStringLiteral("Courier New")));
    Text1->hide();

    struct Spec
    {
        const char* tooltip;
        QStyle::StandardPixmap icon;
    };
    static const Spec specs[] = {
        {"Browse", QStyle::SP_ArrowBack},       {"Add New File", QStyle::SP_FileIcon},
        {"Exit", QStyle::SP_DialogCloseButton}, {"Open", QStyle::SP_DialogOpenButton},
        {"Delete File", QStyle::SP_TrashIcon},  {"HTML", QStyle::SP_FileDialogDetailedView},
    };
    for (int i = 0; i < int(COK.size()); ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("COK(%1)").arg(i));
        button->setToolTip(QLatin1String(specs[i].tooltip));
        button->setIcon(style()->standardIcon(specs[i].icon));
        connect(button, &QToolButton::clicked, this, [this, i] { COK_Click(i); });
        COK[size_t(i)] = button;
    }
    showList();
    enableSelectionButtons(false);
    resize(720, 480);
}

frmMatrix::~frmMatrix() = default;

QString frmMatrix::matrica(QWidget* owner)
{
    frmMatrix window(owner);
    window.exec();
    return window.MatrixResult();
}

bool frmMatrix::mayLoad(const QUrl& address)
{
    return !Browser::existingFileOf(address).isEmpty();
}

void frmMatrix::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    for (size_t i = 0; i < COK.size(); ++i)
        COK[i]->setGeometry(int(i) * kButtonSize, 0, kButtonSize, kButtonSize);
    const int below = kButtonSize + 2;
    List1->setGeometry(0, below, kListWidth, std::max(0, height() - below));
    // The page and the source view take the same place.
    const QRect view(kListWidth + 2, below, std::max(0, width() - kListWidth - 2),
                     std::max(0, height() - below));
    WBR->setGeometry(view);
    Text1->setGeometry(view);
}

bool frmMatrix::eventFilter(QObject* watched, QEvent* event)
{
    // The row before the press selects one: a press that selected its entry ran the click.
    if (watched == List1->viewport() && event->type() == QEvent::MouseButtonPress)
        m_rowAtPress = List1->currentRow();
    return QDialog::eventFilter(watched, event);
}

// --- The list --------------------------------------------------------------------------

void frmMatrix::showList()
{
    const QSignalBlocker quiet(List1);
    List1->clear();
    for (const QString& name : m_list.names())
        List1->addItem(shownName(name));
    List1->setCurrentRow(m_list.selected());
    enableSelectionButtons(m_list.selectionButtonsEnabled());
    if (m_list.names().isEmpty())
        m_result.clear();
}

void frmMatrix::enableSelectionButtons(bool enabled)
{
    for (const int button : {BrowseButton, OpenButton, DeleteButton, SourceButton})
        COK[size_t(button)]->setEnabled(enabled);
}

void frmMatrix::List1_Click(int row)
{
    m_list.click(row);
    enableSelectionButtons(m_list.selectionButtonsEnabled());
    if (m_list.selectionButtonsEnabled())
        preview(m_list.selectedPath());
}

void frmMatrix::preview(const QString& path)
{
    if (!matrixExists(path))
        return;
    WBR->navigate(path);
    if (m_viewMode == ViewMode::Source) {
        m_viewMode = ViewMode::Page;
        Text1->hide();
    }
    WBR->show();
}

void frmMatrix::hideViews()
{
    WBR->hide();
    Text1->hide();
}

// --- The buttons -----------------------------------------------------------------------

void frmMatrix::COK_Click(int index)
{
    const bool selected = m_list.selected() >= 0;
    switch (index) {
    case BrowseButton:
        Browse();
        break;
    case AddButton:
        AddMatrixFile();
        break;
    case ExitButton:
        m_result.clear();
        reject();
        break;
    case OpenButton:
        if (selected) {
            m_result = m_list.selectedPath();
            accept();
        }
        break;
    case DeleteButton:
        if (selected)
            DeleteMatrix();
        break;
    case SourceButton:
        if (selected)
            ShowMatrixSource();
        break;
    }
}

void frmMatrix::Browse()
{
    if (m_viewMode != ViewMode::Source)
        return;
    Text1->clear();
    Text1->hide();
    WBR->show();
    m_viewMode = ViewMode::Page;
}

void frmMatrix::AddMatrixFile()
{
    const QString source = prompts().openFileName(this, QString(), kMatrixFilter);
    if (source.isEmpty())
        return;
    const MatrixList::Added added = m_list.add(source);
    if (added.outcome == MatrixList::AddOutcome::Failed) {
        prompts().failureMessage(QStringLiteral("matricis kopireba ver moxerxda: ") +
                                 (added.error.isEmpty() ? source : added.error));
        return;
    }
    showList();
    if (m_list.selected() >= 0)
        preview(m_list.selectedPath());
}

void frmMatrix::DeleteMatrix()
{
    const bool confirmed =
        boxAnswer(prompts().messageBox(QStringLiteral("marTla ginda am matricis waSla?"), QString(),
                                       kIconQuestion, 2, QString(), 40)) == BoxAnswer::First;
    const MatrixList::Deleted deleted = m_list.deleteSelected(confirmed);
    if (deleted.outcome == MatrixList::DeleteOutcome::Failed)
        prompts().failureMessage(QStringLiteral("matricis waSla ver moxerxda: ") + deleted.error);
    showList();
    if (deleted.preview)
        preview(m_list.selectedPath());
    else
        hideViews();
}

void frmMatrix::ShowMatrixSource()
{
    const std::optional<QString> source = matrixSource(m_list.selectedPath());
    if (!source)
        return;
    Text1->setPlainText(shownSource(*source));
    m_viewMode = ViewMode::Source;
    WBR->hide();
    Text1->show();
}

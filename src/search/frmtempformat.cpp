#include "search/frmtempformat.h"

#include "conversions/keyboardmap.h"
#include "core/commandcontext.h"
#include "core/commandguard.h"
#include "core/frmboxa.h"
#include "core/sharedroutines.h"
#include "core/windowcontrols.h"
#include "documents/documentstate.h"
#include "menus/menucaption.h"
#include "platform/editorcontrol.h"
#include "platform/prompts.h"
#include "search/textbox.h"
#include "search/wraptemplates.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const QString kTffFilter = QStringLiteral("Temp Formats(*.TFF)|*.TFF;*.tff");
constexpr int kEnter = 13;

// The name box and the list show names in the 8-bit layout; the texts around the selection
// are markup, shown as Latin in a fixed font.
const FontRecord kNameFont{QStringLiteral("Geo_WWW_Times"), 0, false, false, 0,
                           DisplayMapKind::GeorgianIso};
const FontRecord kMarkupFont{QStringLiteral("Courier New"), 0, false, false, 0,
                             DisplayMapKind::Latin};

} // namespace

frmtempformat::frmtempformat(CommandContext& context, TFormatList& templates)
    : QWidget(&context.owner(), Qt::Window), m_context(context), m_templates(templates)
{
    setObjectName(QStringLiteral("frmtempformat"));
    setWindowTitle(QStringLiteral("Temp Formats"));

    Tsaxeli = makeTextBox(this, "Tsaxeli", 1);
    Tsaxeli->setFontRecord(kNameFont);
    Tfor = makeTextBox(this, "Tfor", 4);
    Tfor->setFontRecord(kMarkupFont);
    Tnach = makeTextBox(this, "Tnach", 4);
    Tnach->setFontRecord(kMarkupFont);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));

    Cadd = namedButton(this, "Cadd", QStringLiteral("ADD"));
    COK = namedButton(this, "COK", QStringLiteral("Add and Exit"));
    Cremove = namedButton(this, "Cremove", QStringLiteral("Remove"));
    Copen = namedButton(this, "Copen", shownKeys("gaxsna"));
    Csave = namedButton(this, "Csave", shownKeys("Cawera"));
    CEXIT = namedButton(this, "CEXIT", QStringLiteral("Exit"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(shownKeys("saxeli"), this), 0, 0);
    grid->addWidget(Tsaxeli, 1, 0);
    grid->addWidget(new QLabel(shownKeys("markirebis win"), this), 2, 0);
    grid->addWidget(Tfor, 3, 0);
    grid->addWidget(new QLabel(shownKeys("markirebis Semdeg"), this), 4, 0);
    grid->addWidget(Tnach, 5, 0);
    grid->addWidget(List1, 0, 1, 6, 1);
    auto* buttons = new QGridLayout;
    QPushButton* const order[] = {Cadd, COK, Cremove, Copen, Csave, CEXIT};
    for (int i = 0; i < 6; ++i)
        buttons->addWidget(order[i], i / 3, i % 3);
    grid->addLayout(buttons, 6, 0, 1, 2);

    const auto guarded = [this](void (frmtempformat::*handler)()) {
        return [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); };
    };
    connect(Tsaxeli, &EditorControl::Change, this, guarded(&frmtempformat::Tsaxeli_Change));
    connect(Tsaxeli, &EditorControl::KeyPress, this, [this](int& keyAscii) {
        runGuarded([this, &keyAscii] { Tsaxeli_KeyPress(keyAscii); });
    });
    connect(List1, &QListWidget::currentRowChanged, this, guarded(&frmtempformat::List1_Click));
    connect(List1, &QListWidget::itemDoubleClicked, this, guarded(&frmtempformat::List1_DblClick));
    connect(Cadd, &QPushButton::clicked, this, guarded(&frmtempformat::Cadd_Click));
    connect(COK, &QPushButton::clicked, this, guarded(&frmtempformat::COK_Click));
    connect(Cremove, &QPushButton::clicked, this, guarded(&frmtempformat::Cremove_Click));
    connect(Copen, &QPushButton::clicked, this, guarded(&frmtempformat::Copen_Click));
    connect(Csave, &QPushButton::clicked, this, guarded(&frmtempformat::Csave_Click));
    connect(CEXIT, &QPushButton::clicked, this, &QWidget::close);

    showTemplates();
    Tsaxeli_Change();
}

void frmtempformat::showTemplates()
{
    const int row = List1->currentRow();
    const QSignalBlocker blocker(List1);
    List1->clear();
    const DisplayMap& names = DisplayMap::get(DisplayMapKind::GeorgianIso);
    for (const TFormat& format : m_templates.TFormats())
        List1->addItem(names.toShown(format.name));
    if (row < List1->count())
        List1->setCurrentRow(row);
    List1_Click();
}

QString frmtempformat::typedName() const
{
    // A menu caption holds no line break, pasted or not.
    return withoutLineBreaks(Tsaxeli->Text());
}

void frmtempformat::Tsaxeli_Change()
{
    const bool named = !typedName().isEmpty();
    Cadd->setEnabled(named);
    COK->setEnabled(named);
}

void frmtempformat::Tsaxeli_KeyPress(int& keyAscii)
{
    // Georgian letters in the 8-bit layout, whatever the language mode; one line only.
    keyAscii = keyAscii == kEnter ? 0 : georgianKey(keyAscii);
}

void frmtempformat::List1_Click()
{
    Cremove->setEnabled(List1->currentRow() >= 0);
}

void frmtempformat::List1_DblClick()
{
    const int row = List1->currentRow();
    if (row < 0)
        return;
    if (const auto fields = m_templates.beginEdit(std::size_t(row))) {
        Tsaxeli->setText(fields->name);
        Tfor->setText(fields->parts.before);
        Tnach->setText(fields->parts.after);
    }
}

void frmtempformat::Cadd_Click()
{
    if (!m_templates.addOrUpdate(typedName(), Tfor->Text(), Tnach->Text()))
        return;
    for (EditorControl* box : {Tsaxeli, Tfor, Tnach})
        box->setText(QString());
    Tfor->setFocus();
}

void frmtempformat::COK_Click()
{
    Cadd_Click();
    close();
}

void frmtempformat::Cremove_Click()
{
    const int row = List1->currentRow();
    if (row >= 0)
        m_templates.remove(std::size_t(row));
}

void frmtempformat::Copen_Click()
{
    const QString path = prompts().openFileName(this, QString(), kTffFilter);
    if (path.isEmpty())
        return;
    const TffContent content = readTffFile(path);
    if (!content.formats) {
        tellUser(content.refusal);
        return;
    }
    m_templates.append(*content.formats);
}

void frmtempformat::Csave_Click()
{
    if (m_templates.TFormats().empty())
        return;
    const QString folder = m_context.documents().Docs().openProjectFolder();
    const QString path = prompts().saveFileName(this, QString(), kTffFilter, QString(), folder);
    if (path.isEmpty())
        return;
    const QString refusal = writeTffFile(path, m_templates.TFormats());
    if (!refusal.isEmpty())
        tellUser(refusal);
}

void frmtempformat::closeEvent(QCloseEvent* event)
{
    runGuarded([this] { Form_Unload(); });
    QWidget::closeEvent(event);
}

void frmtempformat::Form_Unload()
{
    // The window starts empty next time: no template is being edited any more.
    m_templates.endEdit();
    for (EditorControl* box : {Tsaxeli, Tfor, Tnach})
        box->setText(QString());
}

#include "search/frmsuch.h"

#include "conversions/keyboardmap.h"
#include "core/commandcontext.h"
#include "core/commandguard.h"
#include "core/editapplier.h"
#include "core/sharedroutines.h"
#include "core/windowcontrols.h"
#include "documents/documentcommands.h"
#include "documents/documentstate.h"
#include "documents/treecommands.h"
#include "menus/menucaption.h"
#include "platform/busycursor.h"
#include "platform/bytetext.h"
#include "platform/editorcontrol.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "search/opendocumentssearch.h"
#include "search/textbox.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include <climits>

namespace {

constexpr int kComboDropDownWidth = 200; // pixels
constexpr int kWidthWithHits = 7365;     // twips

QString keysShown(const QString& latinKeys)
{
    return DisplayMap::get(DisplayMapKind::GeorgianKeys).toShown(latinKeys);
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption)
{
    auto* control = new QCheckBox(caption, parent);
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace

// List1's lines, "napovni # 1" and on, made as they are shown: a list of 100,000 hits
// costs no more than a list of ten.
class HitListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void setRowCount(qsizetype rows)
    {
        beginResetModel();
        m_rows = int(std::min<qsizetype>(rows, INT_MAX));
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_rows;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return keysShown(hitListLine(index.row()));
    }

private:
    int m_rows = 0;
};

frmsuch::frmsuch(CommandContext& context)
    : QWidget(&context.owner(), Qt::Window), m_context(context), m_editorText(context.editor())
{
    setObjectName(QStringLiteral("frmsuch"));
    setWindowTitle(QStringLiteral("Suchen"));
    buildControls();
    connectControls();
    // Window load: the whole text, no search under way.
    Combo1->setCurrentIndex(0);
    takeOptions();
}

frmsuch::~frmsuch() = default;

void frmsuch::buildControls()
{
    Text1 = makeTextBox(this, "Text1", 2);
    Tcvla = makeTextBox(this, "Tcvla", 2);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (const char* scope : {"mTlian teqstSi", "markirebul teqstSi", "aqtualuri adgilidan zeviT",
                              "aqtualuri adgilidan qveviT"})
        Combo1->addItem(shownKeys(scope));
    Combo1->view()->setMinimumWidth(kComboDropDownWidth);

    CKalfil = checkBox(this, "CKalfil", shownKeys("yvela gaxsnil failSi"));
    CKcase = checkBox(this, "CKcase", shownKeys("didi-patara asoebiT"));
    CHK = checkBox(this, "CHK", shownKeys("&mxolod mTliani sityva"));
    // A Latin word: shown as itself.
    CKutf8 = checkBox(this, "CKutf8", QStringLiteral("UTF8"));

    Czuch = namedButton(this, "Czuch", shownKeys("Zebna"));
    MBAlfind = namedButton(this, "MBAlfind", shownKeys("yvelas povna"));
    Ccvla = namedButton(this, "Ccvla", shownKeys("Secvla"));
    Calcvla = namedButton(this, "Calcvla", shownKeys("yvelas Secvla"));
    Ccheinj = namedButton(this, "Ccheinj", QStringLiteral("\u21C5")); // swaps the two texts
    Cmeniu = namedButton(this, "Cmeniu", QStringLiteral("\u25BC"));   // opens the aids menu
    for (QPushButton* glyph : {Ccheinj, Cmeniu})
        glyph->setFixedWidth(glyph->sizeHint().height() + 8);

    lbinf = new QLabel(this);
    lbinf->setObjectName(QStringLiteral("lbinf"));

    m_hitLines = new HitListModel(this);
    List1 = new QListView(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setUniformItemSizes(true);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setModel(m_hitLines);
    List1->hide(); // until find all lists something

    mnual = new QMenu(this);
    mnual->setObjectName(QStringLiteral("mnual"));
    QAction* mnuand = mnual->addAction(QStringLiteral("And"));
    mnuand->setObjectName(QStringLiteral("mnuand"));
    mnual->addSeparator()->setObjectName(QStringLiteral("sep"));
    QAction* mnuend = mnual->addAction(shownKeys("xazis bolo"));
    mnuend->setObjectName(QStringLiteral("mnuend"));
    QAction* mnutab = mnual->addAction(QStringLiteral("Tab"));
    mnutab->setObjectName(QStringLiteral("mnutab"));
    connect(mnuand, &QAction::triggered, this, [this] { runGuarded([this] { mnuand_Click(); }); });
    connect(mnuend, &QAction::triggered, this, [this] { runGuarded([this] { mnuend_Click(); }); });
    connect(mnutab, &QAction::triggered, this, [this] { runGuarded([this] { mnutab_Click(); }); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0, 1, 3);
    grid->addWidget(Cmeniu, 0, 3, Qt::AlignTop);
    grid->addWidget(Tcvla, 1, 0, 1, 3);
    grid->addWidget(Ccheinj, 1, 3, Qt::AlignTop);
    grid->addWidget(Combo1, 2, 0, 1, 2);
    grid->addWidget(CKalfil, 3, 0, 1, 2);
    grid->addWidget(CKcase, 3, 2, 1, 2);
    grid->addWidget(CHK, 4, 0, 1, 2);
    grid->addWidget(CKutf8, 4, 2, 1, 2);
    grid->addWidget(Czuch, 5, 0);
    grid->addWidget(MBAlfind, 5, 1);
    grid->addWidget(Ccvla, 6, 0);
    grid->addWidget(Calcvla, 6, 1);
    grid->addWidget(lbinf, 7, 0, 1, 4);
    grid->addWidget(List1, 0, 4, 8, 1);
    grid->setColumnStretch(4, 1);
}

void frmsuch::connectControls()
{
    const auto guarded = [this](void (frmsuch::*handler)()) {
        return [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); };
    };
    connect(Combo1, &QComboBox::activated, this,
            [this](int index) { runGuarded([this, index] { Combo1_Click(index); }); });
    connect(Text1, &EditorControl::Change, this, guarded(&frmsuch::Text1_Change));
    for (EditorControl* box : {Text1, Tcvla})
        connect(box, &EditorControl::KeyPress, this, [this](int& keyAscii) {
            runGuarded([this, &keyAscii] { searchBox_KeyPress(keyAscii); });
        });
    for (QCheckBox* option : {CKalfil, CKcase, CHK, CKutf8})
        connect(option, &QCheckBox::toggled, this, guarded(&frmsuch::takeOptions));
    connect(CHK, &QCheckBox::clicked, Text1, qOverload<>(&QWidget::setFocus));
    connect(Czuch, &QPushButton::clicked, this, guarded(&frmsuch::Czuch_Click));
    connect(MBAlfind, &QPushButton::clicked, this, guarded(&frmsuch::MBAlfind_Click));
    connect(Ccvla, &QPushButton::clicked, this, guarded(&frmsuch::Ccvla_Click));
    connect(Calcvla, &QPushButton::clicked, this, guarded(&frmsuch::Calcvla_Click));
    connect(Ccheinj, &QPushButton::clicked, this, guarded(&frmsuch::Ccheinj_Click));
    connect(Cmeniu, &QPushButton::clicked, this, guarded(&frmsuch::Cmeniu_Click));
    connect(List1, &QListView::clicked, this, [this](const QModelIndex& index) {
        runGuarded([this, row = index.row()] { List1_Click(row); });
    });
}

OpenDocumentsSearch frmsuch::documentsNow() const
{
    return OpenDocumentsSearch(m_context.documents(), m_editorText);
}

// --- Calling up and closing ------------------------------------------------------------

void frmsuch::suchen()
{
    const EditorControl& editor = m_context.editor();
    for (EditorControl* box : {Text1, Tcvla}) {
        box->setFontRecord(editor.fontRecord());
        fitTextBoxHeight(*box, 2);
    }
    m_engine.callUp(documentsNow());
    if (const auto selected = searchTextFromSelection(editor.SelText()))
        Text1->setText(*selected);
    takeOptions();
    show();
    raise();
    activateWindow();
    Text1->setFocus();
}

void frmsuch::closeEvent(QCloseEvent* event)
{
    runGuarded([this] { Form_QueryUnload(); });
    QWidget::closeEvent(event);
}

void frmsuch::Form_QueryUnload()
{
    // Everything but the texts and the options starts afresh at the next call.
    m_engine.reset();
    m_hitLines->setRowCount(0);
    lbinf->clear();
    const QSignalBlocker blocker(Combo1);
    Combo1->setCurrentIndex(0);
}

// --- Options -----------------------------------------------------------------------------

void frmsuch::takeOptions()
{
    // Every open document is searched only with the whole text as scope, and only while
    // documents are open.
    const bool documentsOpen = m_context.documents().Docs().Count() > 0;
    CKalfil->setEnabled(Combo1->currentIndex() == 0 && documentsOpen);
    if (!CKalfil->isEnabled() && CKalfil->isChecked()) {
        const QSignalBlocker blocker(CKalfil);
        CKalfil->setChecked(false);
    }
    m_engine.setOptions({Text1->Text(), CKalfil->isChecked(), CKcase->isChecked(), CHK->isChecked(),
                         CKutf8->isChecked()});
}

void frmsuch::Combo1_Click(int index)
{
    m_engine.chooseScope(SearchScope(index), documentsNow());
    takeOptions();
}

void frmsuch::Text1_Change()
{
    takeOptions();
    // Replacing works on one term only.
    const bool oneTerm = !hasAlternatives(Text1->Text());
    Ccvla->setEnabled(oneTerm);
    Calcvla->setEnabled(oneTerm);
}

void frmsuch::searchBox_KeyPress(int& keyAscii)
{
    keyAscii = searchBoxKey(keyAscii, Text1->fontRecord().charset,
                            m_context.languageMode() == LanguageMode::GeorgianIso);
}

// --- Showing what was found ----------------------------------------------------------------

void frmsuch::storeBeforeAllDocuments()
{
    // The editor's text goes into its document first, so that every document is searched
    // and replaced as it is now.
    if (m_engine.walksDocuments())
        m_context.documents().store();
}

bool frmsuch::showSelection(const HitSelection& where)
{
    const OpenDocumentsSearch docs = documentsNow();
    if (where.doc != kEditorOwnText && where.doc != shownDocument(docs)) {
        const qint16 index = documentIndexOf(m_context.documents().Docs(), where.doc);
        DocumentCommands* documents = m_context.subsystems().documents;
        if (index < 0 || !documents)
            return false;
        documents->tree().showDocument(index);
        // Nothing is selected in a text the hit does not lie in.
        if (shownDocument(docs) != where.doc)
            return false;
    }
    m_context.editor().setSelection(where.selStart, where.selLength);
    return true;
}

void frmsuch::listHits(qsizetype count)
{
    m_hitLines->setRowCount(count);
    if (count > 0 && List1->isHidden()) {
        List1->show();
        resize(std::max(width(), twipsToPixels(kWidthWithHits)), height());
    }
}

// --- Commands ------------------------------------------------------------------------------

void frmsuch::Czuch_Click()
{
    takeOptions();
    storeBeforeAllDocuments();
    const FoundNext next = m_engine.findNext(documentsNow());
    switch (next.result) {
    case FindNextResult::Nothing:
        break;
    case FindNextResult::Found:
        showSelection(next.where);
        break;
    case FindNextResult::Finished:
        prompts().platformMessage(searchFinishedMessage(), Prompts::PlatformIcon::Information,
                                  QString());
        break;
    }
}

void frmsuch::MBAlfind_Click()
{
    const BusyCursor busy;
    takeOptions();
    storeBeforeAllDocuments();
    const qsizetype count = m_engine.findAll(documentsNow());
    listHits(count);
    lbinf->setText(keysShown(findAllSummary(count)));
}

void frmsuch::List1_Click(int row)
{
    storeBeforeAllDocuments();
    const ListedHit hit = m_engine.showHit(row, documentsNow());
    if (hit.check == HitCheck::Current) {
        showSelection(hit.where);
        return;
    }
    // The hits no longer tell where the text is: they go, and the search starts afresh.
    listHits(0);
    lbinf->clear();
    tellUser(staleHitMessage(hit.check), kIconError);
}

void frmsuch::Ccvla_Click()
{
    takeOptions();
    if (const auto edit = m_engine.replaceOne(documentsNow(), Tcvla->Text()))
        applyEdit(m_context.editor(), *edit);
    Czuch_Click();
}

void frmsuch::Calcvla_Click()
{
    const BusyCursor busy;
    takeOptions();
    storeBeforeAllDocuments();
    const ReplaceAllResult result = m_engine.replaceAll(documentsNow(), Tcvla->Text());
    DocumentState& state = m_context.documents();
    const QHash<DocumentId, qint16> indexes = documentIndexes(state.Docs());
    for (const ReplacedDocument& replaced : result.documents)
        state.replaceStoredText(indexes.value(replaced.doc, -1), replaced.text);
    if (result.editorEdit)
        applyEdit(m_context.editor(), *result.editorEdit);
    listHits(0);
    lbinf->setText(keysShown(replaceAllSummary(result.count)));
}

// --- Aids for typing -----------------------------------------------------------------------

void frmsuch::Ccheinj_Click()
{
    const QString search = Text1->Text();
    Text1->setText(Tcvla->Text());
    Tcvla->setText(search);
}

void frmsuch::Cmeniu_Click()
{
    mnual->popup(Cmeniu->mapToGlobal(QPoint(0, Cmeniu->height())));
}

void frmsuch::mnuand_Click()
{
    Text1->setSelText(alternativeSeparator());
    Text1->setFocus();
}

void frmsuch::mnuend_Click()
{
    for (EditorControl* box : {Text1, Tcvla}) {
        box->setText(box->Text() + kCrLf);
        box->setSelStart(box->TextLength());
    }
}

void frmsuch::mnutab_Click()
{
    Text1->setText(QStringLiteral("\t"));
}

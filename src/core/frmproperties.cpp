#include "core/frmproperties.h"

#include "core/commandguard.h"
#include "core/optionsrules.h"
#include "core/sharedroutines.h"
#include "core/xazi.h"
#include "platform/displaymap.h"
#include "platform/packedcolour.h"
#include "platform/prompts.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr int kWidthTwips = 7740;
constexpr int kHeightTwips = 3780;
constexpr int kSizeButtonUpperHalf = twipsToPixels(225);
constexpr int kInputWidth = 7000;
constexpr int kInputHeight = 3000;
constexpr int kGroupClosed = 1; // the tree's images
constexpr int kGroupOpen = 2;
constexpr int kPageImage = 3;
constexpr int kKeyRole = Qt::UserRole;
constexpr int kTagRole = Qt::UserRole + 1;
constexpr int kImageRole = Qt::UserRole + 2;
constexpr int kBytesRole = Qt::UserRole; // a list line's byte text

QString keys(const char* latinKeys)
{
    return DisplayMap::get(DisplayMapKind::GeorgianKeys).toShown(QString::fromLatin1(latinKeys));
}

QString iso(const QString& bytes)
{
    return DisplayMap::get(DisplayMapKind::GeorgianIso).toShown(bytes);
}

QString latin(const QString& bytes)
{
    return DisplayMap::get(DisplayMapKind::Latin).toShown(bytes);
}

qint16 flag(bool on)
{
    return on ? kOn : kOff;
}

// Option buttons shown from the record: none, one or (for a bold italic font) neither of a
// group may be on, so the group's exclusiveness waits while they are set.
void showChoices(std::initializer_list<std::pair<QRadioButton*, bool>> choices)
{
    for (const auto& [button, on] : choices) {
        button->setAutoExclusive(false);
        button->setChecked(on);
    }
    for (const auto& choice : choices)
        choice.first->setAutoExclusive(true);
}

int selectedRow(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? list->row(item) : -1;
}

QListWidgetItem* lineItem(const QString& bytes)
{
    auto* item = new QListWidgetItem(latin(bytes));
    item->setData(kBytesRole, bytes);
    return item;
}

void setLine(QListWidget* list, int row, const QString& bytes)
{
    list->item(row)->setText(latin(bytes));
    list->item(row)->setData(kBytesRole, bytes);
}

QString lineAt(const QListWidget* list, int row)
{
    return list->item(row)->data(kBytesRole).toString();
}

void showLines(QListWidget* list, const QString& field)
{
    list->clear();
    for (const QString& line : fieldLines(field))
        list->addItem(lineItem(line));
}

QString linesOf(const QListWidget* list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << lineAt(list, row);
    return fieldText(lines);
}

QIcon treeImage(const QWidget* window, int image)
{
    const QStyle::StandardPixmap pictures[] = {QStyle::SP_DirClosedIcon, QStyle::SP_DirOpenIcon,
                                               QStyle::SP_FileIcon};
    return window->style()->standardIcon(pictures[image - 1]);
}

QToolButton* smallButton(QWidget* parent, const QString& text, const char* name)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setObjectName(QLatin1String(name));
    return button;
}

template <class Control> Control* named(Control* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

// Runs a control's handler inside the command guard.
template <class Sender, class Signal>
void onSignal(Sender* sender, Signal signal, QObject* context, std::function<void()> handler)
{
    QObject::connect(sender, signal, context,
                     [handler = std::move(handler)] { runGuarded(handler); });
}

} // namespace

frmproperties::frmproperties(QWidget* owner, std::function<void()> applyEditorFont)
    : QDialog(owner), m_applyEditorFont(std::move(applyEditorFont))
{
    setWindowTitle(QStringLiteral("Options"));
    setModal(false);

    TV = named(new QTreeWidget(this), "TV");
    TV->setHeaderHidden(true);
    TV->setFixedWidth(205);
    buildTree();

    auto* pages = new QWidget(this);
    auto* stack = new QGridLayout(pages);
    stack->setContentsMargins(0, 0, 0, 0);
    FRm[0] = buildStartPage();
    FRm[1] = buildEditorFontPage();
    FRm[2] = buildLanguageFontPage();
    FRm[3] = buildColourPage();
    FRm[5] = buildMetaPage();
    FRm[6] = buildBodyPage();
    // Every page lies over the first; one shows at a time.
    for (size_t page = 0; page < FRm.size(); ++page) {
        if (!FRm[page])
            continue;
        FRm[page]->setParent(pages);
        FRm[page]->setObjectName(QStringLiteral("FRm%1").arg(page));
        FRm[page]->hide();
        stack->addWidget(FRm[page], 0, 0);
    }

    COK = named(new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                                QStringLiteral("OK"), this),
                "COK");
    COK->setDefault(true);
    CEXIT = named(new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                  keys("Sewyveta"), this),
                  "CEXIT");
    CEXIT->setAutoDefault(false);
    onSignal(COK, &QPushButton::clicked, this, [this] { COK_Click(); });
    onSignal(CEXIT, &QPushButton::clicked, this, [this] { CEXIT_Click(); });

    auto* body = new QHBoxLayout;
    body->addWidget(TV);
    body->addWidget(new xazi(this, 0));
    body->addWidget(pages, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(COK);
    buttons->addWidget(CEXIT);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(6, 6, 6, 6);
    window->addLayout(body, 1);
    window->addWidget(new xazi(this, 1));
    window->addLayout(buttons);

    connect(TV, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node) { runGuarded([this, node] { TV_NodeClick(node); }); });
    connect(TV, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* node) {
        // Keys move through the pages as clicks do; only a click opens or closes a group.
        if (node && node->data(0, kImageRole).toInt() == kPageImage)
            runGuarded([this, node] { TV_NodeClick(node); });
    });
    connect(TV, &QTreeWidget::itemExpanded, this, &frmproperties::showGroupImage);
    connect(TV, &QTreeWidget::itemCollapsed, this, &frmproperties::showGroupImage);

    resize(twipsToPixels(kWidthTwips), twipsToPixels(kHeightTwips));
}

void frmproperties::buildTree()
{
    struct Node
    {
        const char* key;    // groups only
        const char* parent; // pages only
        QString caption;    // 8-bit layout
        int page;           // -1 for a group
    };
    const Node nodes[] = {
        {"PF", nullptr, eightBitGeorgian("programis parametrebi"), -1},
        {nullptr, "PF", eightBitGeorgian("startis funqciebi"), 0},
        {"FNT", nullptr, eightBitGeorgian("Sriftebi"), -1},
        {nullptr, "FNT", eightBitGeorgian("standanturi Srifti"), 1},
        {nullptr, "FNT", eightBitGeorgian("enebis Sriftebi"), 2},
        {"KL", nullptr, eightBitGeorgian("ferebi"), -1},
        {nullptr, "KL", eightBitGeorgian("teqstis ferebi"), 3},
        {"MSK", nullptr, eightBitGeorgian("sxvadasxva"), -1},
        {nullptr, "MSK", QStringLiteral("META ") + eightBitGeorgian("tegebi"), 5},
        {nullptr, "MSK", QStringLiteral("BODY ") + eightBitGeorgian("parametrebi"), 6},
    };
    QHash<QString, QTreeWidgetItem*> groups;
    for (const Node& node : nodes) {
        QTreeWidgetItem* item = node.parent
                                    ? new QTreeWidgetItem(groups.value(QLatin1String(node.parent)))
                                    : new QTreeWidgetItem(TV);
        item->setText(0, iso(node.caption));
        const int image = node.page < 0 ? kGroupClosed : kPageImage;
        item->setData(0, kImageRole, image);
        item->setIcon(0, treeImage(this, image));
        if (node.key) {
            item->setData(0, kKeyRole, QLatin1String(node.key));
            groups.insert(QLatin1String(node.key), item);
        } else {
            item->setData(0, kTagRole, QString::number(node.page));
        }
    }
    // Every group starts open, its pages in sight.
    for (QTreeWidgetItem* group : std::as_const(groups)) {
        group->setExpanded(true);
        showGroupImage(group);
    }
}

void frmproperties::showGroupImage(QTreeWidgetItem* node)
{
    if (node->data(0, kImageRole).toInt() == kPageImage)
        return;
    const int image = node->isExpanded() ? kGroupOpen : kGroupClosed;
    node->setData(0, kImageRole, image);
    node->setIcon(0, treeImage(this, image));
}

QWidget* frmproperties::buildStartPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    CKmaxwind = named(new QCheckBox(keys("startisas maqsimirebuli fanjara"), page), "CKmaxwind");
    CKwinpoz = named(new QCheckBox(keys("fanjris poziciebis damaxsovreba"), page), "CKwinpoz");
    CKlastfile =
        named(new QCheckBox(keys("startisas bolos gaxsnili failis gaxsna"), page), "CKlastfile");
    Ttablen = named(new QLineEdit(page), "Ttablen");
    Ttablen->setFixedWidth(40);
    // "&&" shows one "&".
    OPnorNB = named(new QRadioButton(
                        iso(eightBitGeorgian("normaluri") + QStringLiteral("      &&nbsp;")), page),
                    "OPnorNB");
    OPunNB =
        named(new QRadioButton(
                  iso(eightBitGeorgian("mokle") + QStringLiteral("                &&nbsp;")), page),
              "OPunNB");

    auto* tabRow = new QHBoxLayout;
    tabRow->addWidget(new QLabel(keys("tabulatoris sigrZe"), page));
    tabRow->addWidget(Ttablen);
    tabRow->addStretch();
    for (QWidget* control : {static_cast<QWidget*>(CKmaxwind), static_cast<QWidget*>(CKwinpoz),
                             static_cast<QWidget*>(CKlastfile)})
        layout->addWidget(control);
    layout->addLayout(tabRow);
    layout->addWidget(OPnorNB);
    layout->addWidget(OPunNB);
    layout->addStretch();

    onSignal(CKmaxwind, &QCheckBox::clicked, this, [this] { CKmaxwind_Click(); });
    onSignal(CKwinpoz, &QCheckBox::clicked, this, [this] { CKwinpoz_Click(); });
    onSignal(CKlastfile, &QCheckBox::clicked, this,
             [this] { Props.lastfile = flag(CKlastfile->isChecked()); });
    onSignal(Ttablen, &QLineEdit::textEdited, this, [this] { Ttablen_Change(); });
    onSignal(OPnorNB, &QRadioButton::clicked, this, [] {
        Props.norNB = kOn;
        Props.unNB = kOff;
    });
    onSignal(OPunNB, &QRadioButton::clicked, this, [] {
        Props.unNB = kOn;
        Props.norNB = kOff;
    });
    return page;
}

QWidget* frmproperties::buildEditorFontPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    LBSTfont = named(new QLabel(page), "LBSTfont");
    LBSTfont->setFrameShape(QFrame::StyledPanel);
    Cstfont = smallButton(page, QStringLiteral("..."), "Cstfont");
    LBstfontsice = named(new QLabel(page), "LBstfontsice");
    LBstfontsice->setFrameShape(QFrame::StyledPanel);
    LBstfontsice->setAlignment(Qt::AlignCenter);
    Cstfsiz = smallButton(page, QStringLiteral("\u25B4\n\u25BE"), "Cstfsiz");
    Cstfsiz->setFixedSize(18, 2 * kSizeButtonUpperHalf);
    Cstfsiz->installEventFilter(this);
    OPbold = named(new QRadioButton(QStringLiteral("Bold"), page), "OPbold");
    OPitalik = named(new QRadioButton(QStringLiteral("Italik"), page), "OPitalik");
    OPnormal = named(new QRadioButton(QStringLiteral("Normal"), page), "OPnormal");
    LBprobe = named(new QLabel(keys("sacdeli teqsti"), page), "LBprobe");
    LBprobe->setAutoFillBackground(true);
    LBprobe->setFrameShape(QFrame::StyledPanel);
    LBprobe->setMinimumHeight(40);

    LBstfontsice->setFixedWidth(40);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(keys("zoma"), page));
    sizeRow->addWidget(LBstfontsice);
    sizeRow->addWidget(Cstfsiz);
    sizeRow->addStretch();
    auto* styles = new QHBoxLayout;
    styles->addWidget(OPbold);
    styles->addWidget(OPitalik);
    styles->addWidget(OPnormal);
    layout->addWidget(LBSTfont, 0, 0);
    layout->addWidget(Cstfont, 0, 1);
    layout->addLayout(sizeRow, 1, 0, 1, 2);
    layout->addLayout(styles, 2, 0, 1, 2);
    layout->addWidget(LBprobe, 3, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(4, 1);

    onSignal(Cstfont, &QToolButton::clicked, this, [this] { Cstfont_Click(); });
    onSignal(OPbold, &QRadioButton::clicked, this, [this] { chooseStyle(kOn, kOff, kOff); });
    onSignal(OPitalik, &QRadioButton::clicked, this, [this] { chooseStyle(kOff, kOn, kOff); });
    onSignal(OPnormal, &QRadioButton::clicked, this, [this] { chooseStyle(kOff, kOff, kOn); });
    return page;
}

QWidget* frmproperties::buildLanguageFontPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    const struct
    {
        const char* georgianWord; // Latin keys
        const char* latinWord;
        const char* label;
        const char* button;
        QString ProgProps::*field;
    } rows[] = {
        {"qarTuli", " ISO", "LBgeorg", "Cgeorgfont", &ProgProps::georgfont},
        {"qarTuli", " ASCII", "LBgeorgASC", "CgergASC", &ProgProps::gergASC},
        {"rusuli", "", "LBruski", "Crusfont", &ProgProps::rusfont},
        {"laTinuri", "", "LBlatin", "Clatinfont", &ProgProps::latinfont},
    };
    for (int row = 0; row < 4; ++row) {
        auto* name = named(new QLabel(page), rows[row].label);
        name->setFrameShape(QFrame::StyledPanel);
        auto* button = smallButton(page, QStringLiteral("..."), rows[row].button);
        layout->addWidget(
            new QLabel(keys(rows[row].georgianWord) + QLatin1String(rows[row].latinWord), page),
            row, 0);
        layout->addWidget(name, row, 1);
        layout->addWidget(button, row, 2);
        m_languageFonts[size_t(row)] = {name, rows[row].field};
        onSignal(button, &QToolButton::clicked, this,
                 [this, row] { chooseLanguageFont(m_languageFonts[size_t(row)]); });
    }
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(4, 1);
    return page;
}

QWidget* frmproperties::buildColourPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    const struct
    {
        const char* caption; // Latin keys
        const char* label;
        const char* button;
        quint32 ProgProps::*field;
    } rows[] = {
        {"teqstis feri", "LBforekolor", "Cforekolor", &ProgProps::forekolor},
        {"teqstis fonis feri", "LBbackkolor", "Cbackcolor", &ProgProps::backcolor},
        {"pirveli feri", "LBfirskolor", "Cfirstcolor", &ProgProps::firstcolor},
        {"meore feri", "LBlastcolor", "Clastcolor", &ProgProps::lastcolor},
    };
    for (int row = 0; row < 4; ++row) {
        auto* swatch = named(new QLabel(page), rows[row].label);
        swatch->setAutoFillBackground(true);
        swatch->setFrameShape(QFrame::StyledPanel);
        swatch->setFixedSize(48, 20);
        auto* button = smallButton(page, QStringLiteral("..."), rows[row].button);
        layout->addWidget(new QLabel(keys(rows[row].caption), page), row, 0);
        layout->addWidget(swatch, row, 1);
        layout->addWidget(button, row, 2);
        m_colours[size_t(row)] = {swatch, rows[row].field};
        onSignal(button, &QToolButton::clicked, this,
                 [this, row] { chooseColour(m_colours[size_t(row)]); });
    }
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(4, 1);
    return page;
}

QWidget* frmproperties::buildMetaPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    ListMeta = named(new QListWidget(page), "ListMeta");
    auto* add = smallButton(page, QStringLiteral("+"), "CADDMeta");
    auto* edit = smallButton(page, QStringLiteral("\u270E"), "CeditMeta");
    auto* remove = smallButton(page, QStringLiteral("\u2212"), "CdelMeta");
    CKtagsIN = named(new QCheckBox(keys("tegebis Seyvana axal failSi"), page), "CKtagsIN");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(edit);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addWidget(ListMeta, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(CKtagsIN, 1, 0, 1, 2);

    onSignal(add, &QToolButton::clicked, this, [this] { CADDMeta_Click(); });
    onSignal(edit, &QToolButton::clicked, this, [this] { CeditMeta_Click(); });
    onSignal(remove, &QToolButton::clicked, this, [this] { CdelMeta_Click(); });
    onSignal(CKtagsIN, &QCheckBox::clicked, this,
             [this] { Props.tagsIN = flag(CKtagsIN->isChecked()); });
    return page;
}

QWidget* frmproperties::buildBodyPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    listHTML = named(new QListWidget(page), "listHTML");
    auto* add = smallButton(page, QStringLiteral("+"), "Caddparam");
    CeditHTML = smallButton(page, QString(), "CeditHTML");
    auto* remove = smallButton(page, QStringLiteral("\u2212"), "Cdelparam");
    Tvalue = named(new QLineEdit(page), "Tvalue");
    CKparamsin =
        named(new QCheckBox(keys("parametrebis gamoyeneba axali failisTvis"), page), "CKparamsin");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(CeditHTML);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addWidget(listHTML, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(Tvalue, 1, 0, 1, 2);
    layout->addWidget(CKparamsin, 2, 0, 1, 2);
    endBodyEdit();

    onSignal(add, &QToolButton::clicked, this, [this] { Caddparam_Click(); });
    onSignal(CeditHTML, &QToolButton::clicked, this, [this] { CeditHTML_Click(); });
    onSignal(remove, &QToolButton::clicked, this, [this] { Cdelparam_Click(); });
    onSignal(CKparamsin, &QCheckBox::clicked, this,
             [this] { Props.paramsin = flag(CKparamsin->isChecked()); });
    return page;
}

// --- Opening -----------------------------------------------------------------------------

void frmproperties::showOptions()
{
    if (!isVisible())
        Form_Load();
    show();
    raise();
    activateWindow();
}

void frmproperties::Form_Load()
{
    CKmaxwind->setChecked(Props.maxwind != 0);
    CKwinpoz->setChecked(Props.winpoz != 0);
    // The start maximised wins when the file holds both: the position box waits, greyed.
    CKwinpoz->setEnabled(Props.maxwind == 0);
    CKmaxwind->setEnabled(Props.maxwind != 0 || Props.winpoz == 0);
    CKlastfile->setChecked(Props.lastfile != 0);
    CKtagsIN->setChecked(Props.tagsIN != 0);
    CKparamsin->setChecked(Props.paramsin != 0);
    Ttablen->setText(QString::number(Props.tablen));
    showChoices({{OPnorNB, Props.norNB != 0}, {OPunNB, Props.unNB != 0}});
    showEditorFont();
    for (const LanguageFont& font : m_languageFonts)
        font.name->setText(latin(Props.*font.field));
    for (const ColourChoice& colour : m_colours)
        showColour(colour);
    showLines(ListMeta, Props.Meta);
    showLines(listHTML, Props.HTMLparams);
    endBodyEdit();
    showSample();
    m_fontChanged = false;
    // The window never opens on an empty page: the first one shows until another is chosen.
    if (m_page < 0)
        TV->setCurrentItem(pageNode(0));
}

void frmproperties::showEditorFont()
{
    LBSTfont->setText(latin(Props.stfont));
    LBstfontsice->setText(QString::number(Props.stfsiz));
    // A bold italic font has both flags: no single button stands for it.
    showChoices({{OPbold, Props.bold != 0 && Props.italik == 0},
                 {OPitalik, Props.italik != 0 && Props.bold == 0},
                 {OPnormal, Props.bold == 0 && Props.italik == 0}});
}

void frmproperties::showSample()
{
    QFont font = LBprobe->font();
    if (!Props.stfont.isEmpty())
        font.setFamily(Props.stfont);
    if (Props.stfsiz > 0)
        font.setPointSize(Props.stfsiz);
    font.setBold(Props.bold != 0);
    font.setItalic(Props.italik != 0);
    LBprobe->setFont(font);
    // Without an options file both colours are black: the sample keeps its own then.
    QPalette colours = palette();
    if (Props.backcolor != Props.forekolor) {
        colours.setColor(QPalette::Window, unpackedColour(Props.backcolor));
        colours.setColor(QPalette::WindowText, unpackedColour(Props.forekolor));
    }
    LBprobe->setPalette(colours);
}

void frmproperties::showColour(const ColourChoice& colour)
{
    QPalette colours = colour.swatch->palette();
    colours.setColor(QPalette::Window, unpackedColour(Props.*colour.field));
    colour.swatch->setPalette(colours);
}

// --- The tree ----------------------------------------------------------------------------

void frmproperties::TV_NodeClick(QTreeWidgetItem* node)
{
    if (!node)
        return;
    if (node->data(0, kImageRole).toInt() == kPageImage)
        showPage(node->data(0, kTagRole).toString().toInt());
    else
        node->setExpanded(!node->isExpanded());
}

QTreeWidgetItem* frmproperties::pageNode(int page) const
{
    for (QTreeWidgetItemIterator node(TV); *node; ++node) {
        if ((*node)->data(0, kTagRole).toString() == QString::number(page))
            return *node;
    }
    return nullptr;
}

void frmproperties::showPage(int page)
{
    if (m_page >= 0 && FRm[size_t(m_page)])
        FRm[size_t(m_page)]->hide();
    m_page = qint16(page);
    FRm[size_t(page)]->show();
}

// --- Start page --------------------------------------------------------------------------

void frmproperties::CKmaxwind_Click()
{
    Props.maxwind = flag(CKmaxwind->isChecked());
    if (CKmaxwind->isChecked()) {
        CKwinpoz->setChecked(false);
        Props.winpoz = kOff;
    }
    CKwinpoz->setEnabled(!CKmaxwind->isChecked());
}

void frmproperties::CKwinpoz_Click()
{
    Props.winpoz = flag(CKwinpoz->isChecked());
    if (CKwinpoz->isChecked()) {
        CKmaxwind->setChecked(false);
        Props.maxwind = kOff;
    }
    CKmaxwind->setEnabled(!CKwinpoz->isChecked());
}

void frmproperties::Ttablen_Change()
{
    // An emptied box waits for the new number being typed; OK takes it as 3 if it stays empty.
    if (Ttablen->text().isEmpty())
        return;
    if (const std::optional<quint8> length = tabLengthFromText(Ttablen->text()))
        Props.tablen = *length;
    else
        useDefaultTabLength();
}

void frmproperties::useDefaultTabLength()
{
    Ttablen->setText(QString::number(kDefaultTabLength));
    Props.tablen = kDefaultTabLength;
}

// --- Fonts -------------------------------------------------------------------------------

void frmproperties::Cstfont_Click()
{
    const std::optional<FontChoice> chosen = prompts().chooseFont(
        this, {Props.stfont, Props.stfsiz, Props.bold != 0, Props.italik != 0});
    if (!chosen)
        return;
    Props.stfont = DisplayMap::get(DisplayMapKind::Latin).fromShown(chosen->family);
    Props.stfsiz = fontSizeOrDefault(chosen->pointSize);
    Props.bold = flag(chosen->bold);
    Props.italik = flag(chosen->italic);
    Props.normal = flag(!chosen->bold && !chosen->italic);
    showEditorFont();
    showSample();
    m_fontChanged = true;
}

void frmproperties::Cstfsiz_MouseDown(int y)
{
    const int size = fontSizeAfterPress(LBstfontsice->text().toInt(), y < kSizeButtonUpperHalf);
    LBstfontsice->setText(QString::number(size));
    Props.stfsiz = qint16(size);
    showSample();
    m_fontChanged = true;
}

void frmproperties::chooseStyle(qint16 bold, qint16 italik, qint16 normal)
{
    Props.bold = bold;
    Props.italik = italik;
    Props.normal = normal;
    showSample();
    m_fontChanged = true;
}

void frmproperties::chooseLanguageFont(const LanguageFont& font)
{
    const std::optional<FontChoice> chosen =
        prompts().chooseFont(this, {Props.*font.field, LBstfontsice->text().toInt(), false, false});
    if (!chosen)
        return;
    Props.*font.field = DisplayMap::get(DisplayMapKind::Latin).fromShown(chosen->family);
    font.name->setText(latin(Props.*font.field));
}

void frmproperties::chooseColour(const ColourChoice& colour)
{
    const std::optional<quint32> chosen = prompts().chooseColour(this, Props.*colour.field);
    if (!chosen)
        return;
    Props.*colour.field = *chosen;
    showColour(colour);
}

// --- META lines --------------------------------------------------------------------------

void frmproperties::CADDMeta_Click()
{
    const QString answer =
        asOneLine(InputBoxa(QStringLiteral("axali tegis Seyvana."), QStringLiteral("META Tag"),
                            QString(), QStringLiteral("<META >"), kInputWidth, kInputHeight));
    if (!answer.isEmpty())
        ListMeta->addItem(lineItem(answer));
}

void frmproperties::CeditMeta_Click()
{
    const int row = selectedRow(ListMeta);
    if (row < 0)
        return;
    const QString answer =
        asOneLine(InputBoxa(QStringLiteral("tegis Secvla."), QString(), QString(),
                            lineAt(ListMeta, row), kInputWidth, kInputHeight));
    if (!answer.isEmpty())
        setLine(ListMeta, row, answer);
}

void frmproperties::CdelMeta_Click()
{
    const int row = selectedRow(ListMeta);
    if (row < 0)
        return;
    delete ListMeta->takeItem(row);
    if (ListMeta->count() > 0) {
        ListMeta->setCurrentRow(std::min(row, ListMeta->count() - 1));
        ListMeta->currentItem()->setSelected(true);
    }
}

// --- BODY attributes ---------------------------------------------------------------------

void frmproperties::Caddparam_Click()
{
    endBodyEdit();
    // One attribute per line: a typed line break would split it when the field is read.
    const QString answer = asOneLine(InputBoxa(QStringLiteral("New Props"), QString(), QString(),
                                               QString(), kInputWidth, kInputHeight));
    if (!answer.isEmpty())
        listHTML->addItem(lineItem(answer));
}

void frmproperties::CeditHTML_Click()
{
    if (m_editLine < 0) {
        // First click: the selected line's value goes into the box.
        const int row = selectedRow(listHTML);
        if (row < 0)
            return;
        const BodyParam param = splitBodyParam(lineAt(listHTML, row));
        m_editLine = row;
        m_editPrefix = param.prefix;
        Tvalue->setText(latin(param.value));
        CeditHTML->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
        return;
    }
    // Second click: the box's value goes back into the line, when the line is still there.
    if (m_editLine < listHTML->count()) {
        const QString value = DisplayMap::get(DisplayMapKind::Latin).fromShown(Tvalue->text());
        setLine(listHTML, m_editLine, joinBodyParam(m_editPrefix, value));
    }
    endBodyEdit();
}

void frmproperties::Cdelparam_Click()
{
    endBodyEdit();
    const int row = selectedRow(listHTML);
    if (row >= 0)
        delete listHTML->takeItem(row);
}

void frmproperties::endBodyEdit()
{
    m_editLine = -1;
    m_editPrefix.clear();
    Tvalue->clear();
    CeditHTML->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
}

// --- Closing -----------------------------------------------------------------------------

void frmproperties::COK_Click()
{
    Props.Meta = linesOf(ListMeta);
    Props.HTMLparams = linesOf(listHTML);
    if (Ttablen->text().isEmpty())
        useDefaultTabLength();
    // A failed write has been reported; the window stays open to try again.
    if (!SaveProps())
        return;
    if (m_fontChanged && m_applyEditorFont)
        m_applyEditorFont();
    accept();
}

void frmproperties::CEXIT_Click()
{
    QDialog::reject();
}

void frmproperties::reject()
{
    CEXIT_Click();
}

bool frmproperties::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Cstfsiz && event->type() == QEvent::MouseButtonPress) {
        const int y = static_cast<QMouseEvent*>(event)->position().toPoint().y();
        runGuarded([this, y] { Cstfsiz_MouseDown(y); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

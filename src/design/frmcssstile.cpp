#include "design/frmcssstile.h"

#include "core/commandcontext.h"
#include "core/editapplier.h"
#include "core/windowcontrols.h"
#include "design/cssdialogrules.h"
#include "design/cssinsertion.h"
#include "platform/displaymap.h"
#include "platform/editorcontrol.h"
#include "platform/packedcolour.h"
#include "platform/prompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const DisplayMap& latin()
{
    return DisplayMap::get(DisplayMapKind::Latin);
}

// What a box holds, as byte text.
QString bytesOf(const QLineEdit* box)
{
    return latin().fromShown(box->text());
}

void addKeysItems(QListWidget* list, std::initializer_list<const char*> latinKeys)
{
    list->setFont(georgianFont());
    for (const char* item : latinKeys)
        list->addItem(shownKeys(item));
}

void addKeysItems(QComboBox* list, std::initializer_list<const char*> latinKeys)
{
    list->setFont(georgianFont());
    for (const char* item : latinKeys)
        list->addItem(shownKeys(item));
}

// The width a list needs to show its longest entry whole beside its scroll bar.
int widthShowingEntries(const QListWidget* list)
{
    return list->sizeHintForColumn(0) + 2 * list->frameWidth() +
           list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
}

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

frmCSSstile::frmCSSstile(CommandContext& context, bool rollover)
    : QDialog(&context.owner()), m_context(context), m_rollover(rollover)
{
    setObjectName(QStringLiteral("frmCSSstile"));
    setWindowTitle(QStringLiteral("CSS"));
    auto* layout = new QVBoxLayout(this);

    auto* nameRow = new QHBoxLayout;
    Label5 = keysLabel("saxeli", this, "Label5");
    Tname = new QLineEdit(this);
    Tname->setObjectName(QStringLiteral("Tname"));
    nameRow->addWidget(Label5);
    nameRow->addWidget(Tname);
    layout->addLayout(nameRow);

    TS = new QTabBar(this);
    TS->setObjectName(QStringLiteral("TS"));
    TS->setFont(georgianFont());
    for (const char* caption : {"&Srifti", "a&bzaci - pozicia", "Ca&rCo"})
        TS->addTab(shownKeys(caption));
    layout->addWidget(TS);
    FR = {buildFontPage(), buildPlacePage(), buildBorderPage()};
    for (size_t i = 0; i < FR.size(); ++i) {
        FR[i]->setObjectName(indexed("FR", int(i) + 1));
        layout->addWidget(FR[i], 1);
        FR[i]->setVisible(i == 0);
    }

    auto* buttons = new QHBoxLayout;
    COK = new QToolButton(this);
    COK->setObjectName(QStringLiteral("COK"));
    COK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    CEXIT = new QToolButton(this);
    CEXIT->setObjectName(QStringLiteral("CEXIT"));
    CEXIT->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    buttons->addStretch();
    buttons->addWidget(COK);
    buttons->addWidget(CEXIT);
    layout->addLayout(buttons);

    connect(TS, &QTabBar::currentChanged, this, [this](int index) { TS_Click(index); });
    connect(Tname, &QLineEdit::textChanged, this,
            [this] { COK->setEnabled(!Tname->text().isEmpty()); });
    connect(COK, &QToolButton::clicked, this, [this] { COK_Click(); });
    connect(CEXIT, &QToolButton::clicked, this, &QDialog::reject);

    loadDefaults();
    // The style and size lists as wide as their entries; the font list takes the room left,
    // never less than its longest name.
    listFont->setMinimumWidth(widthShowingEntries(listFont));
    Liststil->setFixedWidth(widthShowingEntries(Liststil));
    listzice->setFixedWidth(widthShowingEntries(listzice));
    resize(366, 457); // 5490 by 6855 twips, or what the controls need
}

frmCSSstile::~frmCSSstile() = default;

QLineEdit* frmCSSstile::numberBox(QWidget* parent, const QString& name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    filterTypedKeys(box, [](int code) { return onliNumer(code) != 0; });
    return box;
}

// --- Tab 1: font, style, size, effects, colours and the sample -------------------------------

QWidget* frmCSSstile::buildFontPage()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);

    Tfont = new QLineEdit(page);
    Tfont->setObjectName(QStringLiteral("Tfont"));
    listFont = new QListWidget(page);
    listFont->setObjectName(QStringLiteral("listFont"));
    Tstil = new QLineEdit(page);
    Tstil->setObjectName(QStringLiteral("Tstil"));
    Tstil->setReadOnly(true); // the style is chosen in the list
    Liststil = new QListWidget(page);
    Liststil->setObjectName(QStringLiteral("Liststil"));
    Liststil->addItems({QStringLiteral("Default"), QStringLiteral("Italik"), QStringLiteral("Bold"),
                        QStringLiteral("BoldItalik")});
    Tsize = new QLineEdit(page);
    Tsize->setObjectName(QStringLiteral("Tsize"));
    listzice = new QListWidget(page);
    listzice->setObjectName(QStringLiteral("listzice"));
    for (const SizeItem& item : sizeItems())
        listzice->addItem(QLatin1String(item.text));

    grid->addWidget(keysLabel("Srifti", page), 0, 0);
    grid->addWidget(keysLabel("stili", page), 0, 1);
    grid->addWidget(keysLabel("zoma", page), 0, 2);
    grid->addWidget(Tfont, 1, 0);
    grid->addWidget(Tstil, 1, 1);
    grid->addWidget(Tsize, 1, 2);
    grid->addWidget(listFont, 2, 0);
    grid->addWidget(Liststil, 2, 1);
    grid->addWidget(listzice, 2, 2);
    grid->setColumnStretch(0, 2);

    grid->addWidget(keysLabel("efeqtebi", page), 3, 0, 1, 3);
    auto* effects = new QGridLayout;
    for (int i = 0; i < CssChoices::EffectCount; ++i) {
        auto* box = new QCheckBox(QLatin1String(effectCaptions()[size_t(i)]), page);
        box->setObjectName(indexed("Check1", i));
        effects->addWidget(box, i / 4, i % 4);
        connect(box, &QCheckBox::clicked, this, [this, i] { Check1_Click(i); });
        Check1[size_t(i)] = box;
    }
    grid->addLayout(effects, 4, 0, 1, 3);

    auto* colours = new QHBoxLayout;
    LBcolor = new QLabel(page);
    LBcolor->setObjectName(QStringLiteral("LBcolor"));
    LBfonferi = new QLabel(page);
    LBfonferi->setObjectName(QStringLiteral("LBfonferi"));
    auto* Command1 = new QPushButton(QStringLiteral("..."), page);
    Command1->setObjectName(QStringLiteral("Command1"));
    auto* Command2 = new QPushButton(QStringLiteral("..."), page);
    Command2->setObjectName(QStringLiteral("Command2"));
    for (QLabel* swatch : {LBcolor, LBfonferi}) {
        swatch->setFixedSize(24, 18);
        swatch->setAutoFillBackground(true);
        swatch->setFrameShape(QFrame::Box);
    }
    colours->addWidget(keysLabel("Sriftis feri", page));
    colours->addWidget(LBcolor);
    colours->addWidget(Command1);
    colours->addWidget(keysLabel("fonis feri", page));
    colours->addWidget(LBfonferi);
    colours->addWidget(Command2);
    grid->addLayout(colours, 5, 0, 1, 3);

    LBfon = new QFrame(page);
    LBfon->setObjectName(QStringLiteral("LBfon"));
    LBfon->setFrameShape(QFrame::Box);
    LBfon->setAutoFillBackground(true);
    LBfon->setMinimumHeight(60);
    LBvid = new QLabel(LBfon);
    LBvid->setObjectName(QStringLiteral("LBvid"));
    OL = new QFrame(LBfon);
    OL->setObjectName(QStringLiteral("OL"));
    OL->setAutoFillBackground(true);
    OL->hide();
    LBfon->installEventFilter(this); // the sample stays centred as the window is laid out
    grid->addWidget(LBfon, 6, 0, 1, 3);

    connect(Tfont, &QLineEdit::textEdited, this, [this] { Tfont_Change(); });
    connect(listFont, &QListWidget::currentRowChanged, this,
            [this](int row) { listFont_Click(row); });
    connect(Liststil, &QListWidget::currentRowChanged, this,
            [this](int row) { Liststil_Click(row); });
    connect(listzice, &QListWidget::currentRowChanged, this,
            [this](int row) { listzice_Click(row); });
    connect(Tsize, &QLineEdit::textChanged, this, [this] { Tsize_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] {
        chooseColour(m_textColour, LBcolor);
        refreshSample();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        chooseColour(m_backColour, LBfonferi);
        refreshSample();
    });
    return page;
}

// --- Tab 2: letter spacing, vertical alignment, position ---------------------------------

QWidget* frmCSSstile::buildPlacePage()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);

    TdaS = numberBox(page, QStringLiteral("TdaS"));
    CBdaS = new QComboBox(page);
    CBdaS->setObjectName(QStringLiteral("CBdaS"));
    addKeysItems(CBdaS, {"normaluri", "ganieri", "mokle"});
    Tpoz = numberBox(page, QStringLiteral("Tpoz"));
    CBpoz = new QComboBox(page);
    CBpoz->setObjectName(QStringLiteral("CBpoz"));
    addKeysItems(CBpoz, {"normaluri", "zemoT", "qvemoT"});
    grid->addWidget(keysLabel("daSoreba", page), 0, 0);
    grid->addWidget(TdaS, 0, 1);
    grid->addWidget(CBdaS, 0, 2);
    grid->addWidget(keysLabel("pozicia", page), 1, 0);
    grid->addWidget(Tpoz, 1, 1);
    grid->addWidget(CBpoz, 1, 2);

    Picture1 = new QWidget(page);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    auto* options = new QVBoxLayout(Picture1);
    options->addWidget(keysLabel("pozicia", Picture1));
    Oppoze = new QButtonGroup(this);
    int index = 0;
    for (const char* caption : {"&poziciis gareSe", "&Absolut", "&Relativ"}) {
        auto* option = new QRadioButton(Picture1);
        option->setObjectName(indexed("Oppoze", index));
        setKeysCaption(option, caption);
        Oppoze->addButton(option, index++);
        options->addWidget(option);
    }
    grid->addWidget(Picture1, 2, 0, 1, 3);

    grid->addWidget(keysLabel("adgili da zomebi", page), 3, 0, 1, 3);
    int side = 0;
    for (const char* caption : {"marcxniv", "zemoT", "sigane", "simaRle"}) {
        lbpoz[size_t(side)] = keysLabel(caption, page, qPrintable(indexed("lbpoz", side)));
        Tpoze[size_t(side)] = numberBox(page, indexed("Tpoze", side));
        grid->addWidget(lbpoz[size_t(side)], 4 + side, 0);
        grid->addWidget(Tpoze[size_t(side)], 4 + side, 1);
        ++side;
    }
    grid->setRowStretch(8, 1);

    connect(CBdaS, &QComboBox::currentIndexChanged, this, [this] { CBdaS_Click(); });
    connect(CBpoz, &QComboBox::currentIndexChanged, this, [this] { CBpoz_Click(); });
    connect(Tpoz, &QLineEdit::textChanged, this, [this] { Tpoz_Change(); });
    connect(Oppoze, &QButtonGroup::idClicked, this, [this](int id) { Oppoze_Click(id); });
    return page;
}

// --- Tab 3: border and padding -------------------------------------------------------------

QWidget* frmCSSstile::buildBorderPage()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);

    CKrame = new QCheckBox(page);
    CKrame->setObjectName(QStringLiteral("CKrame"));
    setKeysCaption(CKrame, "&CarCo");
    Tramvith = numberBox(page, QStringLiteral("Tramvith"));
    listramstil = new QListWidget(page);
    listramstil->setObjectName(QStringLiteral("listramstil"));
    addKeysItems(listramstil, {"xazi", "wertilebi", "Strixebi", "ormagi", "Caweuli xazi",
                               "amoweuli xazi", "Caweuli sibrtye", "amoweuli sibrtye"});
    LBramcolor = new QLabel(page);
    LBramcolor->setObjectName(QStringLiteral("LBramcolor"));
    LBramcolor->setFixedSize(24, 18);
    LBramcolor->setAutoFillBackground(true);
    LBramcolor->setFrameShape(QFrame::Box);
    Cramcolor = new QPushButton(QStringLiteral("..."), page);
    Cramcolor->setObjectName(QStringLiteral("Cramcolor"));

    int label = 0;
    for (const char* caption : {"CarCos sisqe", "CarCos stili", "CarCos feri", "daSoreba", "zemoT",
                                "qveviT", "marcxniv", "marjvniv"}) {
        Label18[size_t(label)] = keysLabel(caption, page, qPrintable(indexed("Label18", label)));
        ++label;
    }
    grid->addWidget(CKrame, 0, 0, 1, 3);
    grid->addWidget(Label18[0], 1, 0);
    grid->addWidget(Tramvith, 1, 1);
    grid->addWidget(Label18[1], 2, 0);
    grid->addWidget(listramstil, 2, 1, 1, 2);
    grid->addWidget(Label18[2], 3, 0);
    grid->addWidget(LBramcolor, 3, 1);
    grid->addWidget(Cramcolor, 3, 2);
    grid->addWidget(Label18[3], 4, 0, 1, 3);
    for (int i = 0; i < int(Tbord.size()); ++i) {
        Tbord[size_t(i)] = numberBox(page, indexed("Tbord", i));
        grid->addWidget(Label18[size_t(4 + i)], 5 + i, 0);
        grid->addWidget(Tbord[size_t(i)], 5 + i, 1);
    }

    connect(CKrame, &QCheckBox::clicked, this, [this] { CKrame_Click(); });
    connect(Cramcolor, &QPushButton::clicked, this,
            [this] { chooseColour(m_borderColour, LBramcolor); });
    return page;
}

// --- Loading ------------------------------------------------------------------------------

void frmCSSstile::loadDefaults()
{
    m_fontBytes = {defaultFontEntry()};
    listFont->addItem(defaultFontEntry());
    for (const QString& family : QFontDatabase::families()) {
        listFont->addItem(family);
        m_fontBytes << latin().fromShown(family);
    }
    // Choosing the first entries runs their handlers, which fill the boxes and the sample.
    m_sampleFont = m_context.editor().font();
    LBvid->setText(sampleLook({}).text);
    listFont->setCurrentRow(0);
    Liststil->setCurrentRow(0);
    listzice->setCurrentRow(0);
    CBdaS_Click();
    CBpoz_Click();
    Oppoze->button(0)->setChecked(true);
    Oppoze_Click(0);
    CKrame_Click();
    showSwatch(LBcolor, m_textColour);
    showSwatch(LBfonferi, m_backColour);
    showSwatch(LBramcolor, m_borderColour);
    COK->setEnabled(false);

    if (m_rollover) {
        Label5->hide();
        Tname->hide();
        COK->setEnabled(true);
        TS->removeTab(2);
        Picture1->hide();
    }
    CurTab = 1;
    refreshSample();
}

// --- Handlers -----------------------------------------------------------------------------

void frmCSSstile::TS_Click(int index)
{
    const int tab = index + 1;
    if (index < 0 || tab == CurTab)
        return;
    FR[size_t(CurTab - 1)]->hide();
    FR[size_t(index)]->show();
    CurTab = tab;
    if (tab == 1)
        Tfont->setFocus();
    else if (tab == 3)
        CKrame->setFocus();
}

void frmCSSstile::Tfont_Change()
{
    FontTyping = true;
    listFont->setCurrentRow(fontMatching(m_fontBytes, bytesOf(Tfont)));
    FontTyping = false;
}

void frmCSSstile::listFont_Click(int row)
{
    if (FontTyping || row < 0)
        return;
    Tfont->setText(listFont->item(row)->text());
    const QFont editorFont = m_context.editor().font();
    m_sampleFont.setFamily(row == 0 ? editorFont.family() : listFont->item(row)->text());
    refreshSample();
}

void frmCSSstile::Liststil_Click(int row)
{
    if (row < 0)
        return;
    Tstil->setText(Liststil->item(row)->text());
    const auto style = FontStyle(row);
    m_sampleFont.setItalic(style == FontStyle::Italic || style == FontStyle::BoldItalic);
    m_sampleFont.setBold(style == FontStyle::Bold || style == FontStyle::BoldItalic);
    refreshSample();
}

void frmCSSstile::listzice_Click(int row)
{
    if (row < 0)
        return;
    SizeFromList = true;
    Tsize->setText(listzice->item(row)->text());
    m_sampleFont.setPointSizeF(sizeItems()[size_t(row)].points);
    SizeFromList = false;
    refreshSample();
}

void frmCSSstile::Tsize_Change()
{
    if (SizeFromList)
        return;
    m_sampleFont.setPointSizeF(sampleSizeAfterTyping(bytesOf(Tsize), m_sampleFont.pointSizeF()));
    refreshSample();
}

void frmCSSstile::Check1_Click(int index)
{
    CssEffects effects{};
    for (size_t i = 0; i < effects.size(); ++i)
        effects[i] = Check1[i]->isChecked();
    effects = clickEffect(effects, index);
    for (size_t i = 0; i < effects.size(); ++i)
        Check1[i]->setChecked(effects[i]);
    refreshSample();
}

void frmCSSstile::CBdaS_Click()
{
    TdaS->setText(numberForSign(NumberSign(std::max(0, CBdaS->currentIndex()))));
}

void frmCSSstile::CBpoz_Click()
{
    Tpoz->setText(numberForSign(NumberSign(std::max(0, CBpoz->currentIndex()))));
}

void frmCSSstile::Tpoz_Change()
{
    if (const std::optional<QString> limited = limitedAlignment(bytesOf(Tpoz)))
        Tpoz->setText(*limited);
}

void frmCSSstile::Oppoze_Click(int index)
{
    const bool placed = index >= 1;
    for (size_t i = 0; i < Tpoze.size(); ++i) {
        Tpoze[i]->setEnabled(placed);
        lbpoz[i]->setEnabled(placed);
    }
}

void frmCSSstile::CKrame_Click()
{
    const bool ticked = CKrame->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{listramstil, Tramvith, Cramcolor})
        control->setEnabled(ticked);
    for (QLabel* label : Label18)
        label->setEnabled(ticked);
    for (QLineEdit* box : Tbord)
        box->setEnabled(ticked);
    if (!ticked || !Tramvith->text().isEmpty())
        return;
    const BorderTick tick = tickBorder(bytesOf(Tramvith), listramstil->currentRow());
    Tramvith->setText(tick.width);
    listramstil->setCurrentRow(tick.style);
}

void frmCSSstile::chooseColour(quint32& colour, QLabel* swatch)
{
    // The no-colour markers start the dialog from the colour the swatch shows for them.
    const quint32 shown = packedColour(swatch->palette().color(QPalette::Window));
    const std::optional<quint32> chosen = prompts().chooseColour(this, shown);
    if (!chosen)
        return;
    colour = *chosen;
    showSwatch(swatch, colour);
}

void frmCSSstile::showSwatch(QLabel* swatch, quint32 colour) const
{
    QColor shown = unpackedColour(colour);
    if (colour == kNoTextColour && swatch == LBcolor)
        shown = palette().color(QPalette::WindowText);
    else if (colour == kNoBackColour && swatch == LBfonferi)
        shown = palette().color(QPalette::Base);
    QPalette colours = swatch->palette();
    colours.setColor(QPalette::Window, shown);
    swatch->setPalette(colours);
}

void frmCSSstile::refreshSample()
{
    CssEffects effects{};
    for (size_t i = 0; i < effects.size(); ++i)
        effects[i] = Check1[i]->isChecked();
    const SampleLook look = sampleLook(effects);
    OverlineOn = look.overline;
    QFont font = m_sampleFont;
    font.setUnderline(look.underline);
    font.setStrikeOut(look.strikeOut);
    LBvid->setFont(font);
    LBvid->setText(look.text);

    const QColor text = LBcolor->palette().color(QPalette::Window);
    QPalette sample = LBvid->palette();
    sample.setColor(QPalette::WindowText, text);
    LBvid->setPalette(sample);
    QPalette line = OL->palette();
    line.setColor(QPalette::Window, text);
    OL->setPalette(line);
    QPalette back = LBfon->palette();
    back.setColor(QPalette::Window, LBfonferi->palette().color(QPalette::Window));
    LBfon->setPalette(back);

    LBvid->adjustSize();
    placeSample();
    OL->setVisible(OverlineOn);
}

void frmCSSstile::placeSample()
{
    LBvid->move((LBfon->width() - LBvid->width()) / 2, (LBfon->height() - LBvid->height()) / 2);
    OL->setGeometry(LBvid->x(), LBvid->y(), LBvid->width(), 1);
}

bool frmCSSstile::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LBfon && event->type() == QEvent::Resize)
        placeSample();
    return QDialog::eventFilter(watched, event);
}

CssChoices frmCSSstile::choices() const
{
    CssChoices choices;
    choices.rollover = m_rollover;
    choices.name = bytesOf(Tname);
    choices.font = bytesOf(Tfont);
    choices.style = FontStyle(std::max(0, Liststil->currentRow()));
    choices.size = bytesOf(Tsize);
    for (size_t i = 0; i < choices.effects.size(); ++i)
        choices.effects[i] = Check1[i]->isChecked();
    choices.textColour = m_textColour;
    choices.backColour = m_backColour;
    choices.letterSpacing = bytesOf(TdaS);
    choices.letterSpacingSign = NumberSign(std::max(0, CBdaS->currentIndex()));
    choices.alignment = bytesOf(Tpoz);
    choices.alignmentSign = NumberSign(std::max(0, CBpoz->currentIndex()));
    choices.positioning = Positioning(std::max(0, Oppoze->checkedId()));
    for (size_t i = 0; i < Tpoze.size(); ++i)
        choices.place[i] = bytesOf(Tpoze[i]);
    choices.border = CKrame->isChecked();
    choices.borderWidth = bytesOf(Tramvith);
    choices.borderStyle = listramstil->currentRow();
    choices.borderColour = m_borderColour;
    for (size_t i = 0; i < Tbord.size(); ++i)
        choices.padding[i] = bytesOf(Tbord[i]);
    return choices;
}

void frmCSSstile::COK_Click()
{
    const StyleRule rule = kreatestil(choices());
    EditorControl& editor = m_context.editor();
    applyEdit(editor, insertStyleRule(rule, editor.Text(), editor.SelStart(), editor.SelLength()));
    accept();
}

#include "search/frmxascvla.h"

#include "core/commandcontext.h"
#include "core/commandguard.h"
#include "core/editapplier.h"
#include "core/windowcontrols.h"
#include "menus/menucaption.h"
#include "platform/editorcontrol.h"
#include "platform/twips.h"
#include "search/linsuch.h"
#include "search/textbox.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kLowestPanel = 2580; // twips

} // namespace

frmxascvla::frmxascvla(CommandContext& context)
    : QWidget(&context.owner(), Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("frmxascvla"));
    setWindowTitle(QStringLiteral("Replace"));

    auto* label = new QLabel(shownKeys("saZebni teqsti"), this);
    Tsuch = makeTextBox(this, "Tsuch", 1);

    PmoZ = new QWidget;
    PmoZ->setObjectName(QStringLiteral("PmoZ"));
    m_lineColumn = new QVBoxLayout(PmoZ);
    m_lineColumn->setSpacing(0);
    m_lineColumn->setContentsMargins(0, 0, 0, 0);
    m_lineColumn->addStretch(1);
    Pfon = new QScrollArea(this);
    Pfon->setObjectName(QStringLiteral("Pfon"));
    Pfon->setWidgetResizable(true);
    Pfon->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Pfon->setWidget(PmoZ);
    Pfon->setMinimumHeight(twipsToPixels(kLowestPanel));

    Cfind = namedButton(this, "Cfind", shownKeys("Secvla"));
    Cnew = namedButton(this, "Cnew", shownKeys("axali"));
    Cdel = namedButton(this, "Cdel", shownKeys("waSla"));
    Ccler = namedButton(this, "Ccler", shownKeys("dacla"));
    Cbr2 = namedButton(this, "Cbr2", QStringLiteral("\u21B5")); // a line break into the string

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(Tsuch, 1, 0);
    grid->addWidget(Pfon, 2, 0, 5, 1);
    grid->addWidget(Cfind, 1, 1);
    grid->addWidget(Cnew, 2, 1);
    grid->addWidget(Cdel, 3, 1);
    grid->addWidget(Ccler, 4, 1);
    grid->addWidget(Cbr2, 5, 1);
    grid->setRowStretch(6, 1);

    const auto guarded = [this](void (frmxascvla::*handler)()) {
        return [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); };
    };
    connect(Cfind, &QPushButton::clicked, this, guarded(&frmxascvla::Cfind_Click));
    connect(Cnew, &QPushButton::clicked, this, guarded(&frmxascvla::Cnew_Click));
    connect(Cdel, &QPushButton::clicked, this, guarded(&frmxascvla::Cdel_Click));
    connect(Ccler, &QPushButton::clicked, this, guarded(&frmxascvla::Ccler_Click));
    connect(Cbr2, &QPushButton::clicked, this, guarded(&frmxascvla::Cbr2_Click));
    showLines();
}

void frmxascvla::showWindow()
{
    const FontRecord font = m_context.editor().fontRecord();
    Tsuch->setFontRecord(font);
    fitTextBoxHeight(*Tsuch, 1);
    for (linsuch* line : LZ)
        line->setTextFont(font);
    show();
    raise();
    activateWindow();
}

void frmxascvla::showLines()
{
    const QStringList& strings = m_lines.strings();
    while (LZ.size() > std::size_t(strings.size())) {
        delete LZ.back();
        LZ.pop_back();
    }
    while (LZ.size() < std::size_t(strings.size())) {
        const auto index = qsizetype(LZ.size());
        auto* line = new linsuch(PmoZ);
        line->setTextFont(Tsuch->fontRecord());
        connect(line, &linsuch::selected, this, [this, index] { m_lines.select(index); });
        connect(line, &linsuch::cvlastringChanged, this,
                [this, index](const QString& text) { m_lines.setString(index, text); });
        m_lineColumn->insertWidget(int(index), line);
        LZ.push_back(line);
    }
    for (std::size_t k = 0; k < LZ.size(); ++k) {
        LZ[k]->setNomeri(qint16(k + 1));
        LZ[k]->setCvlastring(strings[qsizetype(k)]);
    }
}

void frmxascvla::Cfind_Click()
{
    EditorControl& editor = m_context.editor();
    if (const auto edit =
            listReplaceEdit(editor.SelText(), editor.SelStart(), Tsuch->Text(), m_lines.strings()))
        applyEdit(editor, *edit);
}

void frmxascvla::Cnew_Click()
{
    if (!m_lines.addLine())
        return;
    showLines();
    Pfon->ensureWidgetVisible(LZ.back());
}

void frmxascvla::Cdel_Click()
{
    m_lines.deleteSelected();
    showLines();
    if (m_lines.selected() >= 0)
        LZ[std::size_t(m_lines.selected())]->takeFocus();
}

void frmxascvla::Ccler_Click()
{
    m_lines.clear();
    showLines();
}

void frmxascvla::Cbr2_Click()
{
    m_lines.appendLineBreak();
    showLines();
}

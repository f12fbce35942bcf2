#include "tags/frmtabcolor.h"

#include "core/commandguard.h"
#include "core/sharedroutines.h"
#include "platform/displaymap.h"
#include "platform/prompts.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// A palette cell: 14 pixels of its colour, then a light and a dark grey line.
constexpr int kColourPixels = 14;
constexpr int kPaletteCellPixels = kColourPixels + 2;
constexpr int kTableCellPixels = 13;

QPixmap palettePicture()
{
    QPixmap picture(kPaletteColumns * kPaletteCellPixels, kPaletteRows * kPaletteCellPixels);
    QPainter painter(&picture);
    const QColor light(0xE3, 0xE3, 0xE3);
    const QColor dark(0x83, 0x83, 0x83);
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int column = 0; column < kPaletteColumns; ++column) {
            const quint32 colour = paletteColour(row, column);
            const int x = column * kPaletteCellPixels;
            const int y = row * kPaletteCellPixels;
            painter.fillRect(x, y, kPaletteCellPixels, kPaletteCellPixels, dark);
            painter.fillRect(x, y, kColourPixels + 1, kColourPixels + 1, light);
            painter.fillRect(
                x, y, kColourPixels, kColourPixels,
                QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF)));
        }
    }
    return picture;
}

QPixmap tableGrid()
{
    const int side = kTableGridCells * kTableCellPixels;
    QPixmap picture(side, side);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::gray);
    for (int line = 1; line < kTableGridCells; ++line) {
        painter.drawLine(line * kTableCellPixels, 0, line * kTableCellPixels, side);
        painter.drawLine(0, line * kTableCellPixels, side, line * kTableCellPixels);
    }
    return picture;
}

QString shownKeys(const char* latinKeys)
{
    return DisplayMap::get(DisplayMapKind::GeorgianKeys).toShown(QString::fromLatin1(latinKeys));
}

} // namespace

QString frmTabColor::colorload(QWidget* owner, const QPoint& screenTopLeft)
{
    frmTabColor window(Mode::Colour, owner);
    window.move(screenTopLeft);
    window.exec();
    return window.result();
}

QString frmTabColor::tabload(QWidget* owner, const QPoint& screenTopLeft)
{
    frmTabColor window(Mode::Table, owner);
    window.move(screenTopLeft);
    window.exec();
    return window.result();
}

frmTabColor::frmTabColor(Mode mode, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_mode(mode)
{
    setObjectName(QStringLiteral("frmTabColor"));
    PP = new QLabel(this);
    PP->setObjectName(QStringLiteral("PP"));
    PP->setMouseTracking(true);
    PP->installEventFilter(this);
    SP = new QFrame(PP);
    SP->setObjectName(QStringLiteral("SP"));
    SP->setAttribute(Qt::WA_TransparentForMouseEvents);
    SP->hide();
    Label1 = new QLabel(QStringLiteral("#000000"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    LBtabcount = new QLabel(QStringLiteral("0/0"), this);
    LBtabcount->setObjectName(QStringLiteral("LBtabcount"));
    MBklose = new QPushButton(QStringLiteral("Close"), this);
    MBklose->setObjectName(QStringLiteral("MBklose"));
    connect(MBklose, &QPushButton::clicked, this, &frmTabColor::reject);

    if (mode == Mode::Colour)
        buildColourPicker();
    else
        buildTablePicker();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmTabColor::buildColourPicker()
{
    PP->setPixmap(palettePicture());
    PP->setFixedSize(PP->pixmap().size());
    SP->setStyleSheet(QStringLiteral("border: 2px solid black; background: transparent;"));
    SP->resize(kPaletteCellPixels, kPaletteCellPixels);
    LBtabcount->hide();

    const auto option = [this](const QString& caption, const char* name) {
        auto* button = new QRadioButton(caption, this);
        button->setObjectName(QLatin1String(name));
        return button;
    };
    OPbgcolor = option(QStringLiteral("BGCOLOR"), "OPbgcolor");
    OPcolor = option(QStringLiteral("COLOR"), "OPcolor");
    OPfontcolor = option(QStringLiteral("FONT COLOR"), "OPfontcolor");
    Opnotag = option(shownKeys("mxolod feri"), "Opnotag");
    OPfontcolor->setChecked(true);
    Ckolor = new QPushButton(QStringLiteral("..."), this);
    Ckolor->setObjectName(QStringLiteral("Ckolor"));
    connect(Ckolor, &QPushButton::clicked, this,
            [this] { runGuarded([this] { Ckolor_Click(); }); });

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(PP, 0, 0, 1, 2);
    layout->addWidget(Label1, 1, 0);
    layout->addWidget(Ckolor, 1, 1, Qt::AlignRight);
    layout->addWidget(OPbgcolor, 2, 0);
    layout->addWidget(OPcolor, 2, 1);
    layout->addWidget(OPfontcolor, 3, 0);
    layout->addWidget(Opnotag, 3, 1);
    layout->addWidget(MBklose, 4, 1, Qt::AlignRight | Qt::AlignBottom);
}

void frmTabColor::buildTablePicker()
{
    PP->setPixmap(tableGrid());
    PP->setFixedSize(PP->pixmap().size());
    SP->setStyleSheet(QStringLiteral("border: 1px solid navy; background: rgba(0, 0, 128, 60);"));
    Label1->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(PP);
    layout->addWidget(LBtabcount);
    const char* const captions[] = {"3d CarCo", "ubralo CarCo ", "CarCos gareSe"};
    for (int style = 0; style < int(Op1.size()); ++style) {
        Op1[size_t(style)] = new QRadioButton(shownKeys(captions[style]), this);
        Op1[size_t(style)]->setObjectName(QStringLiteral("Op1(%1)").arg(style));
        connect(Op1[size_t(style)], &QRadioButton::clicked, this,
                [this, style] { m_style = TableStyle(style); });
        layout->addWidget(Op1[size_t(style)]);
    }
    Op1[size_t(TableStyle::NoBorder)]->setChecked(true);
    layout->addWidget(MBklose, 0, Qt::AlignRight);
}

frmTabColor::Cell frmTabColor::cellAt(const QPoint& position) const
{
    const int cellPixels = m_mode == Mode::Colour ? kPaletteCellPixels : kTableCellPixels;
    Cell cell;
    cell.x = double(position.x()) / cellPixels;
    cell.y = double(position.y()) / cellPixels;
    cell.column = int(std::trunc(cell.x));
    cell.row = int(std::trunc(cell.y));
    return cell;
}

bool frmTabColor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PP) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            PP_MouseDown(*static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseMove:
            PP_MouseMove(*static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            PP_MouseUp(*static_cast<QMouseEvent*>(event));
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmTabColor::PP_MouseDown(const QMouseEvent& event)
{
    const Cell cell = cellAt(event.position().toPoint());
    if (m_mode == Mode::Colour)
        highlightColourCell(cell);
    else if (event.button() == Qt::LeftButton)
        showTableBlock(cell.column, cell.row);
}

void frmTabColor::PP_MouseMove(const QMouseEvent& event)
{
    const Cell cell = cellAt(event.position().toPoint());
    if (m_mode == Mode::Colour) {
        highlightColourCell(cell);
        return;
    }
    if (event.buttons() & Qt::LeftButton) {
        if (cell.x >= kTableGridCells || cell.y >= kTableGridCells)
            return;
        if (cell.x < 0 || cell.y < 0) {
            hideTableBlock();
            LBtabcount->setText(QStringLiteral("0/0"));
            return;
        }
        showTableBlock(cell.column, cell.row);
    }
    LBtabcount->setText(QStringLiteral("%1/%2").arg(cell.column + 1).arg(cell.row + 1));
}

void frmTabColor::PP_MouseUp(const QMouseEvent& event)
{
    const Cell cell = cellAt(event.position().toPoint());
    if (m_mode == Mode::Colour) {
        // A release off the palette takes the cell the highlight last stood on.
        highlightColourCell(cell);
        choose(colourResult(chosenForm(), Label1->text()));
        return;
    }
    if (event.button() == Qt::RightButton || cell.x < 0 || cell.y < 0)
        return;
    if (cell.x < kTableGridCells && cell.y < kTableGridCells) {
        choose(tableResult(cell.column, cell.row, m_style));
    } else if (m_block) {
        // Past the grid's right or bottom edge: the block as it is shown.
        choose(tableResult(m_block->x(), m_block->y(), m_style));
    }
}

void frmTabColor::highlightColourCell(const Cell& cell)
{
    if (cell.x < 0 || cell.y < 0 || cell.column >= kPaletteColumns || cell.row >= kPaletteRows)
        return;
    const QPoint at(cell.column, cell.row);
    if (m_colourCell == at)
        return;
    m_colourCell = at;
    SP->move(cell.column * kPaletteCellPixels, cell.row * kPaletteCellPixels);
    SP->show();
    Label1->setText(ColorToHtml(paletteColour(cell.row, cell.column)));
}

void frmTabColor::showTableBlock(int lastColumn, int lastRow)
{
    m_block = QPoint(lastColumn, lastRow);
    SP->setGeometry(0, 0, (lastColumn + 1) * kTableCellPixels + 1,
                    (lastRow + 1) * kTableCellPixels + 1);
    SP->show();
}

void frmTabColor::hideTableBlock()
{
    m_block.reset();
    SP->hide();
}

void frmTabColor::choose(const QString& answer)
{
    m_result = answer;
    accept();
}

ColourForm frmTabColor::chosenForm() const
{
    if (OPbgcolor->isChecked())
        return ColourForm::BgColorAttribute;
    if (OPcolor->isChecked())
        return ColourForm::ColorAttribute;
    if (OPfontcolor->isChecked())
        return ColourForm::FontTag;
    return ColourForm::ColourOnly;
}

void frmTabColor::Ckolor_Click()
{
    // The dialog starts from the highlighted colour; a cancel leaves the picker as it was.
    const quint32 shown = m_colourCell ? paletteColour(m_colourCell->y(), m_colourCell->x()) : 0;
    if (const std::optional<quint32> colour = prompts().chooseColour(this, shown))
        choose(colourResult(chosenForm(), ColorToHtml(*colour)));
}

void frmTabColor::reject()
{
    m_result.clear();
    QDialog::reject();
}

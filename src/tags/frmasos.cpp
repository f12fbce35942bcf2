#include "tags/frmasos.h"

#include "tags/pickerdata.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kGridWidth = 128;
constexpr int kGridHeight = 202;

QRect cellRect(int row, int column)
{
    const int left = column * kGridWidth / kEntityColumns;
    const int top = row * kGridHeight / kEntityRows;
    return QRect(QPoint(left, top), QPoint((column + 1) * kGridWidth / kEntityColumns - 1,
                                           (row + 1) * kGridHeight / kEntityRows - 1));
}

// What a cell shows: the entity's character (the answer stays the entity itself).
QString shownCharacter(QLatin1String entity)
{
    if (!entity.startsWith(u'&'))
        return QString(entity);
    return QTextDocumentFragment::fromHtml(QString(entity)).toPlainText();
}

QPixmap entityGrid(const QFont& font)
{
    QPixmap picture(kGridWidth, kGridHeight);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(font);
    const std::span<const QLatin1String> entities = htmlEntities();
    for (int row = 0; row < kEntityRows; ++row) {
        for (int column = 0; column < kEntityColumns; ++column) {
            const QRect cell = cellRect(row, column);
            painter.setPen(Qt::lightGray);
            painter.drawRect(cell);
            painter.setPen(Qt::black);
            painter.drawText(cell, Qt::AlignCenter,
                             shownCharacter(entities[size_t(row * kEntityColumns + column)]));
        }
    }
    return picture;
}

} // namespace

QString frmasos::asos(QWidget* owner, const QPoint& screenTopLeft)
{
    frmasos window(owner);
    window.move(screenTopLeft);
    window.exec();
    return window.result();
}

frmasos::frmasos(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmasos"));
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    QFont font = Picture1->font();
    font.setPixelSize(11);
    Picture1->setPixmap(entityGrid(font));
    Picture1->setFixedSize(kGridWidth, kGridHeight);
    Picture1->setMouseTracking(true);
    Picture1->installEventFilter(this);
    SP = new QFrame(Picture1);
    SP->setObjectName(QStringLiteral("SP"));
    SP->setAttribute(Qt::WA_TransparentForMouseEvents);
    SP->setStyleSheet(QStringLiteral("border: 1px solid navy; background: transparent;"));
    SP->hide();
    CEXIT = new QToolButton(this);
    CEXIT->setObjectName(QStringLiteral("CEXIT"));
    CEXIT->setText(QStringLiteral("\u2715"));
    connect(CEXIT, &QToolButton::clicked, this, &frmasos::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(CEXIT, 0, Qt::AlignRight);
    layout->addWidget(Picture1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<QPoint> frmasos::cellAt(const QPoint& position) const
{
    if (position.x() < 0 || position.y() < 0 || position.x() >= kGridWidth ||
        position.y() >= kGridHeight)
        return std::nullopt;
    return QPoint(position.x() * kEntityColumns / kGridWidth,
                  position.y() * kEntityRows / kGridHeight);
}

bool frmasos::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Picture1) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            Picture1_MouseDown(*static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseMove:
            Picture1_MouseMove(*static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            Picture1_MouseUp(*static_cast<QMouseEvent*>(event));
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmasos::Picture1_MouseDown(const QMouseEvent& event)
{
    if (const std::optional<QPoint> cell = cellAt(event.position().toPoint()))
        m_result = htmlEntities()[size_t(cell->y() * kEntityColumns + cell->x())];
}

void frmasos::Picture1_MouseMove(const QMouseEvent& event)
{
    if (event.buttons() != Qt::NoButton)
        return;
    if (const std::optional<QPoint> cell = cellAt(event.position().toPoint())) {
        SP->setGeometry(cellRect(cell->y(), cell->x()));
        SP->show();
    }
}

void frmasos::Picture1_MouseUp(const QMouseEvent& event)
{
    // The click that follows the press closes the window; a press dragged off the grid is
    // no click, and chooses nothing.
    if (cellAt(event.position().toPoint()) && !m_result.isEmpty())
        accept();
    else
        m_result.clear();
}

void frmasos::reject()
{
    m_result.clear();
    QDialog::reject();
}

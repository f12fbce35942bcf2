#include "search/linsuch.h"

#include "platform/editorcontrol.h"
#include "platform/twips.h"
#include "search/textbox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace {

constexpr int kLineWidth = 5700;  // twips
constexpr int kNumberWidth = 450; // twips

} // namespace

linsuch::linsuch(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("linsuch"));
    LN = new QLabel(this);
    LN->setObjectName(QStringLiteral("LN"));
    LN->setFixedWidth(twipsToPixels(kNumberWidth));
    LN->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    T2 = makeTextBox(this, "T2", 1);
    T2->installEventFilter(this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 1, 2, 1);
    row->addWidget(LN);
    row->addWidget(T2, 1);
    setFixedWidth(twipsToPixels(kLineWidth));
    setAutoFillBackground(true);
    setSelectedLook(false);
    connect(T2, &EditorControl::Change, this, [this] { emit cvlastringChanged(T2->Text()); });
}

void linsuch::setNomeri(qint16 number)
{
    m_nomeri = number;
    LN->setText(QString::number(number));
}

QString linsuch::cvlastring() const
{
    return T2->Text();
}

void linsuch::setCvlastring(const QString& text)
{
    if (text == T2->Text())
        return;
    const QSignalBlocker blocker(T2);
    T2->setText(text);
}

void linsuch::setTextFont(const FontRecord& font)
{
    const QSignalBlocker blocker(T2); // the same bytes in another look are no change
    T2->setFontRecord(font);
    fitTextBoxHeight(*T2, 1);
}

void linsuch::takeFocus()
{
    T2->setFocus();
}

bool linsuch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == T2 && event->type() == QEvent::FocusIn) {
        setSelectedLook(true);
        emit selected();
    } else if (watched == T2 && event->type() == QEvent::FocusOut) {
        setSelectedLook(false);
    }
    return QWidget::eventFilter(watched, event);
}

void linsuch::setSelectedLook(bool selected)
{
    m_selected = selected;
    QPalette look = palette();
    look.setColor(QPalette::Window, selected ? look.color(QPalette::Highlight) : QColor(Qt::white));
    setPalette(look);
}

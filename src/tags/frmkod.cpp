#include "tags/frmkod.h"

#include "core/commandcontext.h"
#include "core/commandguard.h"
#include "core/editapplier.h"
#include "core/textedit.h"
#include "platform/displaymap.h"
#include "platform/editorcontrol.h"
#include "platform/twips.h"
#include "tags/pickerdata.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

// Labels of 345 by 285 twips, 360 apart, in two rows.
constexpr int kLabelWidth = 345;
constexpr int kLabelHeight = 285;
constexpr int kLabelStep = 360;
constexpr int kLeft = 45;
constexpr int kRowTops[] = {30, 375};

} // namespace

frmkod::frmkod(CommandContext& context) : QWidget(&context.owner(), Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("frmkod"));
    setWindowTitle(QStringLiteral("RU"));
    const DisplayMap& cyrillic = DisplayMap::get(DisplayMapKind::Cyrillic);
    for (int index = 0; index < kRussianLetterCount; ++index) {
        const RussianLetter letter = russianLetter(index);
        auto* label = new QLabel(QString(cyrillic.shown(uchar(letter.byte))), this);
        label->setObjectName(QStringLiteral("Label1(%1)").arg(index));
        label->setFont(QFont(QStringLiteral("Courier New"), 12));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setCursor(Qt::PointingHandCursor);
        label->setGeometry(twipsToPixels(kLeft + kLabelStep * letter.column),
                           twipsToPixels(kRowTops[letter.row]), twipsToPixels(kLabelWidth),
                           twipsToPixels(kLabelHeight));
        label->installEventFilter(this);
        Label1[size_t(index)] = label;
    }
    setFixedSize(twipsToPixels(kLeft * 2 + kLabelStep * 12),
                 twipsToPixels(kRowTops[1] + kLabelHeight + kRowTops[0]));
}

bool frmkod::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int index = 0; index < kRussianLetterCount; ++index) {
            if (watched == Label1[size_t(index)])
                runGuarded([this, index] { Label1_Click(index); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmkod::Label1_Click(int index)
{
    EditorControl& editor = m_context.editor();
    const qint32 start = editor.SelStart();
    applyEdit(editor,
              TextEdit::replacingSelection(start, editor.SelLength(),
                                           QString(QChar(russianLetter(index).byte)), start, 1));
}

#include "tags/phtbar.h"

#include "conversions/conversioncommands.h"
#include "conversions/conversionmenus.h"
#include "core/commandcontext.h"
#include "core/commandguard.h"
#include "core/editapplier.h"
#include "core/pickers.h"
#include "core/progprops.h"
#include "menus/menuregistry.h"
#include "platform/displaymap.h"
#include "platform/editorcontrol.h"
#include "tags/tagtoolbar.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace {

constexpr qint16 kAfterClick = 30; // no button: the next move draws the hover edge anew

bool isButton(int index)
{
    return index >= 0 && index < kToolbarButtons;
}

} // namespace

PHTbar::PHTbar(CommandContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_faces(QStringLiteral(":/editor/tagtoolbar.png"))
{
    setMouseTracking(true);
}

QSize PHTbar::sizeHint() const
{
    return {kToolbarButtons * kToolbarButtonWidth, kToolbarButtonWidth + 6};
}

// ---- Drawing ---------------------------------------------------------------------------

void PHTbar::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_faces);
    if (m_edgeButton >= 0) {
        const QRect edge(m_edgeButton * kToolbarButtonWidth + 1, 1, kToolbarButtonWidth - 1,
                         kToolbarButtonWidth - 1);
        qDrawShadeRect(&painter, edge, palette(), m_edgeSunken);
    }
}

// Only one edge is ever shown: drawing one removes the one before.
void PHTbar::DrawButtonEdge(int button, bool pressed)
{
    m_edgeButton = isButton(button) ? button : -1;
    m_edgeSunken = pressed;
    update();
}

// ---- Mouse -----------------------------------------------------------------------------

void PHTbar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        DrawButtonEdge(toolbarButtonAt(event->position().toPoint().x()), true);
}

void PHTbar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!isOnToolbar(at, size()))
        return leaveBar();
    const int button = toolbarButtonAt(at.x());
    if (button == HotButton)
        return;
    DrawButtonEdge(button, false);
    HotButton = qint16(button);
    butinfo(button);
}

void PHTbar::leaveEvent(QEvent* /*event*/)
{
    leaveBar();
}

void PHTbar::leaveBar()
{
    DrawButtonEdge(-1, false);
    HotButton = -1;
    butinfo(-1);
}

void PHTbar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    DrawButtonEdge(toolbarButtonAt(at.x()), false);
    PressedButton = qint16(clickedToolbarButton(at, size()));
    PHTbar_Click();
}

void PHTbar::PHTbar_Click()
{
    if (!isButton(PressedButton))
        return;
    DrawButtonEdge(-1, false);
    const int code = PressedButton;
    runGuarded([this, code] { htmlbarklick(code); });
    HotButton = kAfterClick;
}

void PHTbar::butinfo(int index)
{
    m_context.setStatus(
        StatusPanel::Main,
        DisplayMap::get(DisplayMapKind::GeorgianIso).toShown(toolbarHintText(index)));
}

// ---- Buttons ---------------------------------------------------------------------------

void PHTbar::htmlbarklick(int code)
{
    const ToolbarButton button = toolbarButton(code);
    // Pickers and pop-up menus open at the button's bottom-left corner.
    const QPoint corner = toolbarButtonBottomLeft(code, height());
    EditorControl& editor = m_context.editor();
    const QString selected = editor.SelText();
    const qint32 selStart = editor.SelStart();

    bool focusEditor = true;
    switch (button.action) {
    case ToolbarAction::InsertText:
        if (const auto edit = toolbarTextEdit(code, selected, selStart, Props))
            applyEdit(editor, *edit);
        break;
    case ToolbarAction::PopupMenu:
        m_context.registry().popUp(button.menu, mapToGlobal(corner - QPoint(button.menuShift, 0)));
        break;
    case ToolbarAction::ColourPicker:
    case ToolbarAction::TablePicker:
    case ToolbarAction::CharacterPicker: {
        const QString answer = pickerAnswer(code, mapToGlobal(corner));
        if (const auto edit = pickerAnswerEdit(code, answer, selected, selStart, Props))
            applyEdit(editor, *edit);
        break;
    }
    case ToolbarAction::DecodeSelection:
        focusEditor = convertSelection(QLatin1String("mnuUTF8dekod"));
        break;
    case ToolbarAction::EncodeSelection:
        focusEditor = convertSelection(QLatin1String("mnumtubers"));
        break;
    case ToolbarAction::DecodedViewBox:
        toggleDecodedView();
        break;
    case ToolbarAction::BrowserPreview:
        focusEditor = false;
        if (Pickers* pickers = m_context.subsystems().pickers; pickers && editor.TextLength() > 0)
            pickers->in_brovzer();
        break;
    case ToolbarAction::Nothing:
        break;
    }
    if (focusEditor)
        editor.setFocus();
}

QString PHTbar::pickerAnswer(int code, const QPoint& screenTopLeft)
{
    Pickers* pickers = m_context.subsystems().pickers;
    if (!pickers)
        return QString();
    switch (toolbarButton(code).action) {
    case ToolbarAction::ColourPicker:
        return pickers->colorload(screenTopLeft);
    case ToolbarAction::TablePicker:
        return pickers->tabload(screenTopLeft);
    case ToolbarAction::CharacterPicker:
        return pickers->asos(screenTopLeft);
    default:
        return QString();
    }
}

bool PHTbar::convertSelection(QLatin1String command)
{
    const EditorControl& editor = m_context.editor();
    ConversionMenus* conversions = m_context.subsystems().conversions;
    if (!conversions || editor.TextLength() == 0 || editor.SelLength() == 0)
        return false;
    for (const ConversionCommand& each : conversionCommands()) {
        if (each.name == command) {
            conversions->run(each);
            return true;
        }
    }
    return false;
}

// The box under the editor that shows the selection decoded; it is emptied when it hides.
void PHTbar::toggleDecodedView()
{
    const bool show = !m_context.decodedViewShown();
    if (!show)
        m_context.setDecodedViewText(QString());
    m_context.showDecodedView(show);
}

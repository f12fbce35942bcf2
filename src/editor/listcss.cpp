#include "editor/listcss.h"

#include "core/commandcontext.h"
#include "core/commandguard.h"
#include "core/editapplier.h"
#include "core/sharedroutines.h"
#include "editor/caretlist.h"
#include "editor/csscatalogue.h"
#include "platform/displaymap.h"
#include "platform/editorcontrol.h"
#include "platform/twips.h"

#include <QFontMetricsF>
#include <QKeyEvent>

namespace {

constexpr QSize kListSize(220, 180); // pixels

// Values are indented by their tab; the list shows it as blanks.
QString shownEntry(const QString& entry)
{
    const QString shown = DisplayMap::get(DisplayMapKind::GeorgianIso).toShown(entry);
    return shown.startsWith(QLatin1Char('\t')) ? QStringLiteral("    ") + shown.mid(1) : shown;
}

} // namespace

ListCSS::ListCSS(CommandContext& context)
    : QListWidget(&context.editorContainer()), m_context(context)
{
    setObjectName(QStringLiteral("ListCSS"));
    resize(kListSize);
    hide();
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this] { runGuarded([this] { ListCSS_DblClick(); }); });
}

bool ListCSS::LoadCssCodes()
{
    const std::optional<QStringList> entries = loadCssCatalogue();
    if (!entries) {
        tellUser(QStringLiteral("CSS-is katalogi ver moiZebna."));
        return false;
    }
    m_entries = *entries;
    QStringList shown;
    shown.reserve(m_entries.size());
    for (const QString& entry : m_entries)
        shown << shownEntry(entry);
    addItems(shown);
    m_loaded = true;
    return true;
}

void ListCSS::ShowListAtCaret()
{
    const EditorControl& editor = m_context.editor();
    const QWidget& area = m_context.editorContainer();
    const qint32 caret = editor.SelStart();
    const qint32 line = editor.LineFromChar(caret);
    // One line and one column are measured with "M" in the editor's font as it is now
    // (the language mode may have changed it).
    const QFontMetricsF letter(editor.font());

    CaretListGeometry geometry;
    geometry.caretColumn = caret - editor.LineIndex(line);
    geometry.caretLine = line;
    geometry.firstVisibleLine = editor.FirstVisibleLine();
    geometry.letterWidth = letter.horizontalAdvance(QLatin1Char('M')) * kTwipsPerPixel;
    geometry.letterHeight = letter.height() * kTwipsPerPixel;
    geometry.editorLeft = pixelsToTwips(editor.mapTo(&area, QPoint(0, 0)).x());
    geometry.editorWidth = pixelsToTwips(editor.width());
    geometry.areaWidth = pixelsToTwips(area.contentsRect().width());
    geometry.areaHeight = pixelsToTwips(area.contentsRect().height());
    geometry.listWidth = pixelsToTwips(width());
    geometry.listHeight = pixelsToTwips(height());

    const QPoint at = listPositionAtCaret(geometry);
    move(twipsToPixels(at.x()), twipsToPixels(at.y()));
    show();
    raise();
}

void ListCSS::hideList()
{
    if (isVisible())
        hide();
}

void ListCSS::ListCSS_DblClick()
{
    EditorControl& editor = m_context.editor();
    if (const auto edit =
            chooseCssEntry(m_entries, currentRow(), editor.SelStart(), editor.SelLength())) {
        applyEdit(editor, *edit);
        hideList();
        editor.setFocus();
    }
}

void ListCSS::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        runGuarded([this] { ListCSS_DblClick(); });
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ListCSS::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    ListCSS_LostFocus();
}

void ListCSS::ListCSS_LostFocus()
{
    hideList();
    m_context.editor().setFocus();
}

#include "platform/editorcontrol.h"

#include "platform/bytetext.h"
#include "platform/clipboard.h"
#include "platform/packedcolour.h"
#include "platform/twips.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QRawFont>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

namespace {

// Copy and paste between the program's own widgets keep the bytes, whatever the maps.
// Wider than any window: a margin beyond it means no wrapping at all.
constexpr int kWidestWrapPixels = 20000;

// The state of a line whose layout carries the colour overlay's colours.
constexpr int kColouredLine = 0x436F6C; // any value but the default -1

// The width lines wrap at, in pixels, for a right margin in twips: 0 for the window's
// width, -1 for no wrapping.
int wrapPixels(qint32 twips)
{
    if (twips <= 0)
        return 0;
    if (twips > pixelsToTwips(kWidestWrapPixels))
        return -1;
    return std::max(twipsToPixels(twips), 1);
}

// ---- Positions -------------------------------------------------------------------------

// The program counts a line break as the two characters CR LF; the document holds one
// block per line, and each block separator is one character. So the program's position of
// a document position is that position plus the number of the block holding it.
class CrLfPositions
{
public:
    explicit CrLfPositions(const QTextDocument* document) : m_document(document) {}

    qint32 length() const
    {
        return m_document->characterCount() - 1 + m_document->blockCount() - 1;
    }

    qint32 fromDocument(int position) const
    {
        return position + m_document->findBlock(position).blockNumber();
    }

    qint32 lineStart(int blockNumber) const
    {
        return m_document->findBlockByNumber(blockNumber).position() + blockNumber;
    }

    // The line holding a position (clamped to the text): a binary search over the block
    // numbers, each step one tree look-up, so even a huge text takes a few dozen steps.
    QTextBlock blockAt(qint64 position) const
    {
        position = std::clamp<qint64>(position, 0, length());
        int first = 0;
        int last = m_document->blockCount() - 1;
        while (first < last) {
            const int middle = first + (last - first + 1) / 2;
            if (lineStart(middle) <= position)
                first = middle;
            else
                last = middle - 1;
        }
        return m_document->findBlockByNumber(first);
    }

    // Between the CR and the LF of a line break is the end of that line.
    int toDocument(qint64 position) const
    {
        position = std::clamp<qint64>(position, 0, length());
        const QTextBlock block = blockAt(position);
        const qint64 column = position - (block.position() + block.blockNumber());
        return block.position() + int(std::min<qint64>(column, block.length() - 1));
    }

private:
    const QTextDocument* m_document;
};

// ---- Text ------------------------------------------------------------------------------

// The document's raw text (blocks joined by U+2029) back to byte text with CR LF breaks.
QString bytesFromDocument(const QString& rawText, int lineBreaks, const DisplayMap& map)
{
    QString bytes;
    bytes.reserve(rawText.size() + lineBreaks);
    for (const QChar c : rawText) {
        if (c == QChar::ParagraphSeparator) {
            bytes += QLatin1String("\r\n");
            continue;
        }
        const int byte = map.byteFor(c.unicode());
        if (byte >= 0)
            bytes += QChar(char16_t(byte));
        else // only mapped characters are ever put in; anything else keeps its reference
            bytes += map.fromShown(QString(c));
    }
    return bytes;
}

// The document takes CR LF, a lone CR and a lone LF alike as a block break, and every map
// shows the bytes CR and LF as themselves, so shown byte text goes in as it is.
QString shownForDocument(const QString& byteText, const DisplayMap& map)
{
    return map.toShown(byteText);
}

// ---- Fonts and colours -----------------------------------------------------------------

bool isGeorgianMap(DisplayMapKind kind)
{
    return kind == DisplayMapKind::GeorgianIso || kind == DisplayMapKind::GeorgianKeys;
}

// An installed font without the Unicode Georgian letters is one of the old 8-bit Georgian
// fonts, which draw the letters at the bytes themselves.
bool isLegacyGeorgianFont(const QString& family)
{
    return QFontDatabase::hasFamily(family) &&
           !QRawFont::fromFont(QFont(family)).supportsCharacter(char32_t(kFirstGeorgianLetter));
}

DisplayMapKind shownMapKind(const FontRecord& record)
{
    return isGeorgianMap(record.map) && isLegacyGeorgianFont(record.family) ? DisplayMapKind::Latin
                                                                            : record.map;
}

// ---- Keys ------------------------------------------------------------------------------

struct NamedKey
{
    Qt::Key key;
    int code;
};

// The program's key codes for the keys that are not letters, digits or F-keys. Where two
// Qt keys share a code, the first is the key that code stands for.
constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},    {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16}, {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
    {Qt::Key_Escape, 27},   {Qt::Key_Space, 32}, {Qt::Key_PageUp, 33},  {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},      {Qt::Key_Home, 36},  {Qt::Key_Left, 37},    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},  {Qt::Key_Insert, 45},  {Qt::Key_Delete, 46},
    {Qt::Key_Menu, 93},
};
constexpr int kF1Code = 112;
constexpr int kFunctionKeys = 12;

// -1 for a key the program has no code for.
int keyCodeFor(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key; // the codes of the letters (upper case) and digits are their ASCII codes
    if (key >= Qt::Key_F1 && key < Qt::Key_F1 + kFunctionKeys)
        return kF1Code + (key - Qt::Key_F1);
    const auto named = std::find_if(std::begin(kNamedKeys), std::end(kNamedKeys),
                                    [key](const NamedKey& k) { return k.key == key; });
    return named != std::end(kNamedKeys) ? named->code : -1;
}

Qt::Key keyForCode(int code)
{
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return Qt::Key(code);
    if (code >= kF1Code && code < kF1Code + kFunctionKeys)
        return Qt::Key(Qt::Key_F1 + (code - kF1Code));
    const auto named = std::find_if(std::begin(kNamedKeys), std::end(kNamedKeys),
                                    [code](const NamedKey& k) { return k.code == code; });
    return named != std::end(kNamedKeys) ? named->key : Qt::Key_unknown;
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? kShiftMask : 0) |
           (modifiers & Qt::ControlModifier ? kCtrlMask : 0) |
           (modifiers & Qt::AltModifier ? kAltMask : 0);
}

// The characters a key types, as the program's home platform produced them: Enter, Tab and
// Backspace as control characters, Ctrl+letter as the characters 1 to 26, and nothing while
// Alt is held (Alt+key is a shortcut there, never text).
QList<char32_t> typedCharacters(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (modifiers & Qt::AltModifier)
        return {};
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {U'\r'};
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return ctrl ? QList<char32_t>() : QList<char32_t>{U'\t'};
    case Qt::Key_Backspace:
        return ctrl ? QList<char32_t>() : QList<char32_t>{U'\b'};
    default:
        break;
    }
    if (ctrl) {
        if (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
            return {char32_t(key.key() - Qt::Key_A + 1)};
        return {};
    }
    QList<char32_t> printable;
    for (const uint c : key.text().toUcs4()) {
        if (c >= 0x20 && c != 0x7F)
            printable << char32_t(c);
    }
    return printable;
}

// Control characters that a key produced and the key-press hook left alone keep the key's
// own action: Backspace deletes, Ctrl+C copies, Ctrl+Z undoes.
bool keepsKeyAction(int character)
{
    return character < 0x20 && character != '\t' && character != '\r' && character != '\n';
}

} // namespace

FontRecord defaultEditorFont()
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    FontRecord record;
    record.family = fixed.family();
    // A font sized in pixels has no point size of its own: the one it is drawn at.
    record.pointSize = std::max(1, QFontInfo(fixed).pointSize());
    return record;
}

EditorControl::EditorControl(QWidget* parent)
    : QPlainTextEdit(parent), m_map(&DisplayMap::get(DisplayMapKind::Latin))
{
    // Unicode Georgian and Cyrillic glyphs come from the font fallback.
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_font = defaultEditorFont();
    // Long words break where they must, as in the program's home editor.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // No menu of Qt's own: the window shows its menus from the mouse and key events it
    // watches, which right clicks keep reaching.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // The band a right margin leaves beside the text looks like the rest of the page.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);

    // The bytes read and the colours are views of the text as it was: any change drops
    // them. The document reports each of its changes here before the edit's other signals,
    // also while the editor's own signals are blocked.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        m_text.reset();
        if (m_overlayShown && (removed > 0 || added > 0))
            dropColourOverlay(true);
    });
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_replacingDocument)
            emit Change();
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &EditorControl::reportSelection);
    connect(this, &QPlainTextEdit::selectionChanged, this, &EditorControl::reportSelection);
}

// ---- Text and selection ----------------------------------------------------------------

QString EditorControl::Text() const
{
    if (!m_text)
        m_text = bytesFromDocument(document()->toRawText(), document()->blockCount() - 1, *m_map);
    return *m_text;
}

void EditorControl::setText(const QString& byteText)
{
    replaceDocument(shownForDocument(byteText, *m_map), Selection{});
}

qint32 EditorControl::TextLength() const
{
    return CrLfPositions(document()).length();
}

qint32 EditorControl::SelStart() const
{
    return CrLfPositions(document()).fromDocument(textCursor().selectionStart());
}

void EditorControl::setSelStart(qint32 position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(CrLfPositions(document()).toDocument(position));
    setTextCursor(cursor);
}

qint32 EditorControl::SelLength() const
{
    const CrLfPositions positions(document());
    const QTextCursor cursor = textCursor();
    return positions.fromDocument(cursor.selectionEnd()) -
           positions.fromDocument(cursor.selectionStart());
}

void EditorControl::setSelLength(qint32 length)
{
    const CrLfPositions positions(document());
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const qint64 end = qint64(positions.fromDocument(start)) + std::max(length, 0);
    cursor.setPosition(start);
    cursor.setPosition(positions.toDocument(end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void EditorControl::setSelection(qint32 start, qint32 length)
{
    const CrLfPositions positions(document());
    QTextCursor cursor = textCursor();
    cursor.setPosition(positions.toDocument(start));
    cursor.setPosition(positions.toDocument(qint64(start) + std::max(length, 0)),
                       QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString EditorControl::SelText() const
{
    const QString selected = textCursor().selectedText();
    return bytesFromDocument(selected, int(selected.count(QChar::ParagraphSeparator)), *m_map);
}

QString EditorControl::TextRange(qint32 start, qint32 length) const
{
    const CrLfPositions positions(document());
    QTextCursor cursor(document());
    cursor.setPosition(positions.toDocument(start));
    cursor.setPosition(positions.toDocument(qint64(start) + std::max(length, 0)),
                       QTextCursor::KeepAnchor);
    const QString selected = cursor.selectedText();
    return bytesFromDocument(selected, int(selected.count(QChar::ParagraphSeparator)), *m_map);
}

void EditorControl::setSelText(const QString& byteText)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertText(shownForDocument(byteText, *m_map));
    cursor.endEditBlock();
    setTextCursor(cursor);
}

// ---- Logical lines ---------------------------------------------------------------------

qint32 EditorControl::LineCount() const
{
    return document()->blockCount();
}

qint32 EditorControl::LineIndex(qint32 line) const
{
    if (line < 0)
        line = textCursor().blockNumber();
    if (line >= document()->blockCount())
        return -1;
    return CrLfPositions(document()).lineStart(line);
}

qint32 EditorControl::LineLength(qint32 position) const
{
    return CrLfPositions(document()).blockAt(position).length() - 1;
}

qint32 EditorControl::LineFromChar(qint32 position) const
{
    return CrLfPositions(document()).blockAt(position).blockNumber();
}

qint32 EditorControl::FirstVisibleLine() const
{
    return firstVisibleBlock().blockNumber();
}

qint32 EditorControl::LineAtY(int y) const
{
    // Walk down from the first line on screen, as the painting does.
    QTextBlock block = firstVisibleBlock();
    qreal bottom = blockBoundingGeometry(block).translated(contentOffset()).top();
    for (; block.isValid(); block = block.next()) {
        bottom += blockBoundingRect(block).height();
        if (y < bottom)
            return block.blockNumber();
    }
    return -1;
}

// ---- Appearance ------------------------------------------------------------------------

void EditorControl::setFontRecord(const FontRecord& record)
{
    FontRecord kept = record;
    if (kept.family.isEmpty())
        kept.family = m_font.family;
    if (kept.pointSize <= 0)
        kept.pointSize = m_font.pointSize;
    m_font = kept;

    setFont(
        QFont(kept.family, kept.pointSize, kept.bold ? QFont::Bold : QFont::Normal, kept.italic));
    showThrough(DisplayMap::get(shownMapKind(kept)));
}

quint32 EditorControl::BackColor() const
{
    return packedColour(palette().color(QPalette::Base));
}

void EditorControl::setBackColor(quint32 colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, unpackedColour(colour));
    setPalette(colours);
}

quint32 EditorControl::ForeColor() const
{
    return packedColour(palette().color(QPalette::Text));
}

void EditorControl::setForeColor(quint32 colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Text, unpackedColour(colour));
    setPalette(colours);
}

void EditorControl::setRightMargin(qint32 twips)
{
    m_rightMargin = twips;
    applyWrapWidth();
}

// ---- Colour overlay ----------------------------------------------------------------------

void EditorControl::setColourOverlay(QList<ColourRun> runs)
{
    dropColourOverlay(true);
    m_overlay = std::move(runs);
    m_overlayShown = true;
    viewport()->update();
}

void EditorControl::clearColourOverlay()
{
    if (m_overlayShown)
        dropColourOverlay(true);
}

// The coloured lines lose their colours; without blocksRemain the document's lines are
// about to be replaced, and their layouts with them.
void EditorControl::dropColourOverlay(bool blocksRemain)
{
    m_overlay.clear();
    m_overlay.squeeze();
    m_overlayShown = false;
    for (QTextBlock block = document()->firstBlock();
         blocksRemain && m_colouredBlocks > 0 && block.isValid(); block = block.next()) {
        if (block.userState() == kColouredLine) {
            block.layout()->clearFormats();
            block.setUserState(-1);
            --m_colouredBlocks;
        }
    }
    m_colouredBlocks = 0;
    viewport()->update();
}

void EditorControl::paintEvent(QPaintEvent* event)
{
    if (m_overlayShown)
        colourBlocksInView();
    QPlainTextEdit::paintEvent(event);
}

// Each line gets its colours before it is first laid out for the screen, so that it is laid
// out once.
void EditorControl::colourBlocksInView()
{
    const qreal bottom = viewport()->rect().bottom();
    const QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        if (block.userState() != kColouredLine)
            colourBlock(block);
        if (blockBoundingGeometry(block).translated(offset).bottom() > bottom)
            break;
    }
}

void EditorControl::colourBlock(QTextBlock& block)
{
    const qint32 lineStart = block.position() + block.blockNumber();
    const qint32 lineEnd = lineStart + block.length() - 1;
    // The first run that ends after the line's start.
    auto run = std::upper_bound(
        m_overlay.cbegin(), m_overlay.cend(), lineStart,
        [](qint32 position, const ColourRun& r) { return position < r.start + r.length; });
    QList<QTextLayout::FormatRange> ranges;
    for (; run != m_overlay.cend() && run->start < lineEnd; ++run) {
        const qint32 from = std::max(run->start, lineStart);
        const qint32 to = std::min(run->start + run->length, lineEnd);
        QTextLayout::FormatRange range;
        range.start = from - lineStart;
        range.length = to - from;
        range.format.setForeground(run->colour);
        ranges << range;
    }
    block.layout()->setFormats(ranges);
    block.setUserState(kColouredLine);
    ++m_colouredBlocks;
}

// ---- Keys ------------------------------------------------------------------------------

void EditorControl::setKeysBeforeShortcuts(std::function<bool(int keyCode, int shift)> taken)
{
    m_keysBeforeShortcuts = std::move(taken);
}

bool EditorControl::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && m_keysBeforeShortcuts) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = keyCodeFor(key->key());
        if (code >= 0 && m_keysBeforeShortcuts(code, shiftState(key->modifiers()))) {
            event->accept();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void EditorControl::mousePressEvent(QMouseEvent* event)
{
    const Qt::MouseButton pressed = event->button();
    const int button = pressed == Qt::LeftButton     ? 1
                       : pressed == Qt::RightButton  ? 2
                       : pressed == Qt::MiddleButton ? 4
                                                     : 0;
    emit MouseDown(button, shiftState(event->modifiers()), event->position().toPoint());
    QPlainTextEdit::mousePressEvent(event);
}

void EditorControl::keyPressEvent(QKeyEvent* event)
{
    int code = keyCodeFor(event->key());
    if (code < 0)
        return pressKey(event);
    const int pressed = code;
    emit KeyDown(code, shiftState(event->modifiers()));
    if (code == 0) {
        event->accept();
        return;
    }
    if (code == pressed)
        return pressKey(event);
    QKeyEvent replacement(QEvent::KeyPress, keyForCode(code), event->modifiers());
    pressKey(&replacement);
    event->setAccepted(replacement.isAccepted());
}

void EditorControl::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat()) {
        int code = keyCodeFor(event->key());
        if (code >= 0)
            emit KeyUp(code, shiftState(event->modifiers()));
    }
    QPlainTextEdit::keyReleaseEvent(event);
}

// Characters an input method composes are typed like those of a key.
void EditorControl::inputMethodEvent(QInputMethodEvent* event)
{
    if (event->commitString().isEmpty())
        return QPlainTextEdit::inputMethodEvent(event);
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    withoutCommit.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&withoutCommit);
    for (const uint c : event->commitString().toUcs4())
        typeCharacter(char32_t(c), nullptr);
    event->accept();
}

void EditorControl::pressKey(QKeyEvent* key)
{
    const QList<char32_t> typed = typedCharacters(*key);
    if (typed.isEmpty())
        return handleAsPlainKey(key);
    for (const char32_t c : typed)
        typeCharacter(c, key);
    key->accept();
}

// Qt's own handling of the key (moving, selecting, deleting, shortcuts), never its typing:
// every character reaches the document through the map.
void EditorControl::handleAsPlainKey(QKeyEvent* key)
{
    QKeyEvent withoutText(key->type(), key->key(), key->modifiers(), QString(), key->isAutoRepeat(),
                          key->count());
    QPlainTextEdit::keyPressEvent(&withoutText);
    key->setAccepted(withoutText.isAccepted());
}

void EditorControl::typeCharacter(char32_t shown, QKeyEvent* key)
{
    const int byte = m_map->byteFor(shown);
    if (byte < 0)
        return typeBytes(m_map->fromShown(QString::fromUcs4(&shown, 1)));

    int keyAscii = byte;
    emit KeyPress(keyAscii);
    if (keyAscii == byte && key && keepsKeyAction(byte))
        return handleAsPlainKey(key);
    switch (keyAscii) {
    case 0:
        return;
    case '\b':
        return deletePreviousCharacter();
    case '\r':
    case '\n':
        // A new line of its own: never a line separator inside the line (Shift+Enter).
        insertPlainText(QStringLiteral("\n"));
        ensureCursorVisible();
        return;
    default:
        if (keyAscii > 0 && keyAscii <= 0xFF)
            typeBytes(QString(QChar(char16_t(keyAscii))));
    }
}

void EditorControl::typeBytes(const QString& byteText)
{
    const QString shown = m_map->toShown(byteText);
    if (!shown.at(0).isPrint() && shown.at(0) != QLatin1Char('\t')) {
        insertPlainText(shown);
        ensureCursorVisible();
        return;
    }
    // Typed as the base editor types a key's text: its own, cheapest way in, which also
    // joins a run of typing into one undo step.
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, shown);
    QPlainTextEdit::keyPressEvent(&typed);
}

void EditorControl::deletePreviousCharacter()
{
    QTextCursor cursor = textCursor();
    cursor.deletePreviousChar();
    setTextCursor(cursor);
}

// ---- Clipboard and dragging ------------------------------------------------------------

QMimeData* EditorControl::createMimeDataFromSelection() const
{
    return byteTextMimeData(
        textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')),
        SelText());
}

bool EditorControl::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasFormat(byteTextMimeType()) || source->hasText();
}

void EditorControl::insertFromMimeData(const QMimeData* source)
{
    if (const std::optional<QString> text = byteTextOf(source, *m_map))
        setSelText(*text);
    ensureCursorVisible();
}

// ---- Whole text, map, signals and wrapping ---------------------------------------------

void EditorControl::replaceDocument(const QString& shownText, Selection selection)
{
    if (m_overlayShown)
        dropColourOverlay(false);
    {
        const QScopedValueRollback quiet(m_replacingDocument, true);
        setPlainText(shownText);
        QTextCursor cursor(document());
        cursor.setPosition(selection.anchor);
        cursor.setPosition(selection.position, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
    }
    emit Change();
    reportSelection();
}

void EditorControl::showThrough(const DisplayMap& map)
{
    if (&map == m_map)
        return;
    const QString bytes = Text();
    const QTextCursor cursor = textCursor();
    const bool modified = document()->isModified();
    const int scrolled = verticalScrollBar()->value();

    m_map = &map;
    replaceDocument(map.toShown(bytes), {cursor.anchor(), cursor.position()});
    document()->setModified(modified);
    verticalScrollBar()->setValue(scrolled);
}

// Qt may report one move twice (caret and selection); the program hears of it once.
void EditorControl::reportSelection()
{
    const QTextCursor cursor = textCursor();
    const Selection now{cursor.anchor(), cursor.position()};
    if (m_replacingDocument || now == m_reportedSelection)
        return;
    m_reportedSelection = now;
    emit SelChange();
}

void EditorControl::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    applyWrapWidth();
}

// QPlainTextEdit wraps only at the width of its viewport, so a margin inside the window
// narrows the viewport, leaving a blank band at the right. A margin beyond the window wraps
// at its edge, and one beyond twice its width (the program's long-line mode) not at all.
void EditorControl::applyWrapWidth()
{
    const QMargins margins = viewportMargins();
    const int available = viewport()->width() + margins.right();
    const int pixels = wrapPixels(m_rightMargin);
    const bool wraps = pixels >= 0 && pixels <= 2 * available;
    const int band = wraps && pixels > 0 && pixels < available ? available - pixels : 0;
    setLineWrapMode(wraps ? WidgetWidth : NoWrap);
    if (band != margins.right())
        setViewportMargins(margins.left(), margins.top(), band, margins.bottom());
}

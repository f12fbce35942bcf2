#include "editor/indentation.h"

#include "platform/editorcontrol.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

qint32 lineStartOf(const EditorControl& editor, qint32 position)
{
    return editor.LineIndex(editor.LineFromChar(position));
}

void replaceAndSelect(EditorControl& editor, qint32 start, const QString& text)
{
    editor.setSelText(text);
    editor.setSelection(start, qint32(text.size()));
}

// Selects from start to the end of the current selection.
void extendSelectionBackTo(EditorControl& editor, qint32 start)
{
    const qint32 end = editor.SelStart() + editor.SelLength();
    editor.setSelection(start, end - start);
}

} // namespace

void breakLineIndented(EditorControl& editor)
{
    const qint32 selStart = editor.SelStart();
    const qint32 lineStart = lineStartOf(editor, selStart);
    const QString line = editor.TextRange(lineStart, editor.LineLength(lineStart));
    const qint32 column = selStart - lineStart;

    QString indentation;
    if (line.startsWith(QLatin1Char('\t'))) {
        // Every tab of the line counts, not only the leading ones.
        indentation = QString(line.count(QLatin1Char('\t')), QLatin1Char('\t'));
    } else {
        qsizetype blanks = 0;
        while (blanks < line.size() && line[blanks] == QLatin1Char(' '))
            ++blanks;
        if (blanks > 0 && column < blanks)
            blanks = column;
        indentation = QString(blanks, QLatin1Char(' '));
    }
    editor.setSelText(kLineBreak + indentation);
}

void indentSelection(EditorControl& editor, int tabWidth)
{
    if (tabWidth <= 0)
        return;
    const QString blanks(tabWidth, QLatin1Char(' '));
    if (editor.SelLength() == 0) {
        editor.setSelText(blanks);
        return;
    }
    const QString selected = editor.SelText();
    const qint32 start = editor.SelStart();
    if (!selected.contains(kLineBreak)) {
        replaceAndSelect(editor, start, blanks + selected);
        return;
    }
    qint32 blockStart = start;
    if (start > 0 && !selected.startsWith(QLatin1Char('\n'))) {
        blockStart = lineStartOf(editor, start);
        extendSelectionBackTo(editor, blockStart);
    }
    QString block = blanks + editor.SelText();
    block.replace(QLatin1Char('\n'), QLatin1Char('\n') + blanks);
    replaceAndSelect(editor, blockStart, block);
}

Unindent unindentSelection(EditorControl& editor)
{
    const qint32 start = editor.SelStart();
    if (editor.SelLength() == 0) {
        // At the start of the text or of a line nothing happens.
        return lineStartOf(editor, start) == start ? Unindent::Done : Unindent::Backspace;
    }
    const QString selected = editor.SelText();
    if (!selected.contains(kLineBreak)) {
        if (selected.startsWith(QLatin1Char(' ')) && selected.size() > 2)
            replaceAndSelect(editor, start, selected.mid(1));
        return Unindent::Done;
    }
    const qint32 blockStart = lineStartOf(editor, start);
    extendSelectionBackTo(editor, blockStart);
    QString block = editor.SelText();
    if (block.startsWith(QLatin1Char(' ')))
        block.remove(0, 1);
    block.replace(QStringLiteral("\n "), QStringLiteral("\n"));
    replaceAndSelect(editor, blockStart, block);
    return Unindent::Done;
}

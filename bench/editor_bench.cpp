// The editor control on large HTML documents: one whole-text round trip (setText, then
// Text) against Qt's own plain-text round trip on the same text, and caret positioning
// (setSelStart, then SelStart) at positions spread evenly over the document against the
// same moves of QPlainTextEdit's own cursor. After Google Benchmark's table it prints every
// figure as "bench: NAME VALUE UNIT".

#include "benchmain.h"

#include "platform/bytetext.h"
#include "platform/editorcontrol.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kMegabyte = 1 << 20;
constexpr int kCaretMoves = 10000;

template <class Editor> void showEditor(Editor& editor)
{
    editor.resize(800, 600);
    editor.show();
}

void editorText(benchmark::State& state, qsizetype size)
{
    const QString document = htmlDocument(size);
    EditorControl editor;
    showEditor(editor);
    for (auto _ : state) {
        editor.setText(document);
        benchmark::DoNotOptimize(editor.Text());
    }
}

// The peer: QPlainTextEdit's own round trip of the same text as shown.
void qtPlainText(benchmark::State& state, qsizetype size)
{
    const QString shown = DisplayMap::get(DisplayMapKind::Latin).toShown(htmlDocument(size));
    QPlainTextEdit editor;
    showEditor(editor);
    for (auto _ : state) {
        editor.setPlainText(shown);
        benchmark::DoNotOptimize(editor.toPlainText());
    }
}

// One iteration is one setSelStart and SelStart pair; the run takes kCaretMoves of them.
void editorCaret(benchmark::State& state, qsizetype size)
{
    EditorControl editor;
    showEditor(editor);
    editor.setText(htmlDocument(size));
    const qint64 length = editor.TextLength();
    qint64 move = 0;
    for (auto _ : state) {
        editor.setSelStart(qint32(move++ * length / kCaretMoves));
        benchmark::DoNotOptimize(editor.SelStart());
    }
}

// The peer: the same caret moves on QPlainTextEdit's own cursor, in document positions.
// Both pay for Qt laying out the lines a move brings into view.
void qtCaret(benchmark::State& state, qsizetype size)
{
    QPlainTextEdit editor;
    showEditor(editor);
    editor.setPlainText(DisplayMap::get(DisplayMapKind::Latin).toShown(htmlDocument(size)));
    const qint64 length = editor.document()->characterCount() - 1;
    qint64 move = 0;
    for (auto _ : state) {
        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(int(move++ * length / kCaretMoves));
        editor.setTextCursor(cursor);
        benchmark::DoNotOptimize(editor.textCursor().position());
    }
}

void printFigures(const Figures& figures)
{
    for (const char* name :
         {"editor_text_1MB", "editor_text_10MB", "editor_selpos_1MB", "editor_selpos_10MB"})
        printFigure(figures, name);
    printRatio(figures, "editor_text_1MB_vs_qt", "editor_text_1MB", "qt_plaintext_1MB");
    printRatio(figures, "editor_text_10MB_vs_qt", "editor_text_10MB", "qt_plaintext_10MB");
    printRatio(figures, "editor_selpos_1MB_vs_qt", "editor_selpos_1MB", "qt_selpos_1MB");
    printRatio(figures, "editor_selpos_10MB_vs_qt", "editor_selpos_10MB", "qt_selpos_10MB");
    printRatio(figures, "editor_text_10MB_vs_1MB", "editor_text_10MB", "editor_text_1MB");
    printRatio(figures, "editor_selpos_10MB_vs_1MB", "editor_selpos_10MB", "editor_selpos_1MB");
}

void registerBenchmarks()
{
    for (const int megabytes : {1, 10}) {
        const qsizetype size = megabytes * kMegabyte;
        const auto name = [megabytes](const char* what) {
            return QByteArray(what) + '_' + QByteArray::number(megabytes) + "MB";
        };
        benchmark::RegisterBenchmark(name("editor_text").constData(), editorText, size)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
        benchmark::RegisterBenchmark(name("qt_plaintext").constData(), qtPlainText, size)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
        benchmark::RegisterBenchmark(name("editor_selpos").constData(), editorCaret, size)
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(kCaretMoves);
        benchmark::RegisterBenchmark(name("qt_selpos").constData(), qtCaret, size)
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(kCaretMoves);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    return runBenchmarks(argc, argv, registerBenchmarks, printFigures);
}

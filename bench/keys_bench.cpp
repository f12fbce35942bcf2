// Typing into the editor of the main window on documents of 100 KB, 1 MB and 10 MB: with
// the caret in the middle of the document, 1,000 characters, 100 Tabs and 100 Enters go
// through the whole key pipeline (the editor control's key hooks, the window's key, change
// and selection handlers with the status panels, the language mode), each key followed by
// the event processing that paints it. The peer is a plain QPlainTextEdit of the same size
// holding the same text and getting the same keys. The figures are milliseconds per key;
// the goal is under 1 ms at 10 MB and no growth with the document's size. After Google
// Benchmark's table it prints every figure as "bench: NAME VALUE UNIT".

#include "benchmain.h"

#include "app/frmh.h"
#include "core/progprops.h"
#include "documents/documentstate.h"
#include "platform/displaymap.h"
#include "platform/editorcontrol.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

struct DocumentSize
{
    const char* name;
    qsizetype bytes;
};
constexpr DocumentSize kSizes[] = {
    {"100KB", 100 * 1024}, {"1MB", 1024 * 1024}, {"10MB", 10 * 1024 * 1024}};

// 100 rounds of ten characters, a Tab and an Enter: 1,000 characters, 100 Tabs, 100 Enters.
// The Tab comes before the Enter: the editor's Enter carries the line's indentation over, so
// a Tab at the start of each new line would make every line longer than the last, and the
// two editors would no longer hold lines of the same length.
constexpr int kRounds = 100;
constexpr int kKeysPerRound = 12;
constexpr int kKeys = kRounds * kKeysPerRound;
const char kTyped[] = "<b>ena</b> ";

// Presses one round's keys into a widget, letting each key's repaint happen.
void typeRound(QWidget* widget)
{
    for (int c = 0; c < 10; ++c) {
        QTest::keyClick(widget, kTyped[c]);
        QApplication::processEvents();
    }
    QTest::keyClick(widget, Qt::Key_Tab);
    QApplication::processEvents();
    QTest::keyClick(widget, Qt::Key_Return);
    QApplication::processEvents();
}

void activate(QWidget& window)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        std::fprintf(stderr, "the window did not become active: shortcuts are not measured\n");
}

void typeInEditor(benchmark::State& state, qsizetype size)
{
    const QString text = htmlDocument(size);
    Props = ProgProps{};
    Props.tablen = 4;
    FrmH window;
    window.showPlain();
    window.resize(1000, 700);
    activate(window);
    window.documents().resetToSingleFile(FilePath(), text);
    EditorControl* editor = &window.editor();
    editor->setFocus();
    editor->setSelStart(editor->TextLength() / 2);
    editor->ensureCursorVisible();
    QApplication::processEvents();

    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        for (int round = 0; round < kRounds; ++round)
            typeRound(editor);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9 / kKeys);
    }
    if (editor->TextLength() < text.size() + 1000 + 100 * 2 + 100 * 4)
        state.SkipWithError("the keys did not all reach the text");
}

// The peer: Qt's own plain-text editor, as large as the main window's editor, with the same
// font, wrapping and text (shown as the Latin map shows it).
void typeInPlainTextEdit(benchmark::State& state, qsizetype size)
{
    const QString text = htmlDocument(size);
    FrmH sizing; // the main window's editor gives the size and the font
    sizing.showPlain();
    sizing.resize(1000, 700);
    QApplication::processEvents();
    const QSize editorSize = sizing.editor().size();
    const QFont editorFont = sizing.editor().font();
    sizing.hide();

    QPlainTextEdit editor;
    editor.setFont(editorFont);
    editor.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    editor.resize(editorSize);
    editor.show();
    activate(editor);
    editor.setPlainText(DisplayMap::get(DisplayMapKind::Latin).toShown(text));
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition((editor.document()->characterCount() - 1) / 2);
    editor.setTextCursor(cursor);
    editor.ensureCursorVisible();
    QApplication::processEvents();

    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        for (int round = 0; round < kRounds; ++round)
            typeRound(&editor);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9 / kKeys);
    }
}

void printFigures(const Figures& figures)
{
    for (const DocumentSize& size : kSizes) {
        const std::string key = std::string("key_") + size.name;
        printFigure(figures, key);
        printFigure(figures, "qt_" + key);
        printRatio(figures, key + "_vs_qt", key, "qt_" + key);
    }
    printRatio(figures, "key_10MB_vs_100KB", "key_10MB", "key_100KB");
}

void registerBenchmarks()
{
    for (const DocumentSize& size : kSizes) {
        const std::string key = std::string("key_") + size.name;
        benchmark::RegisterBenchmark(key.c_str(), typeInEditor, size.bytes)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
        benchmark::RegisterBenchmark(("qt_" + key).c_str(), typeInPlainTextEdit, size.bytes)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    return runBenchmarks(argc, argv, registerBenchmarks, printFigures);
}

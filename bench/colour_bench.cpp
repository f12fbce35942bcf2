// The colouring in the editor of the main window on HTML documents of 1 MB and 10 MB: F12
// switches it on and the first key after it (a caret move) switches it off, through the
// editor's key handlers, each followed by the event processing that paints the result.
// The peer is setting the same 10 MB text into the editor control, painted the same way.
// Goals: switching on at most 3 times and switching off at most once the cost of setting
// the text, and both linear in the size. After Google Benchmark's table it prints every
// figure as "bench: NAME VALUE UNIT".

#include "benchmain.h"

#include "app/frmh.h"
#include "core/commandcontext.h"
#include "core/progprops.h"
#include "documents/documentstate.h"
#include "editor/colouring.h"
#include "platform/editorcontrol.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

constexpr qsizetype kMegabyte = 1024 * 1024;

// A shown main window holding a document of the size, the caret in its middle.
class ColouredWindow
{
public:
    explicit ColouredWindow(qsizetype size) : text(htmlDocument(size))
    {
        Props = ProgProps{};
        window.showPlain();
        window.resize(1000, 700);
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            std::fprintf(stderr, "the window did not become active\n");
        window.documents().resetToSingleFile(FilePath(), text);
        editor().setFocus();
        editor().setSelStart(editor().TextLength() / 2);
        editor().ensureCursorVisible();
        QApplication::processEvents();
    }

    EditorControl& editor() { return window.editor(); }
    bool colouringOn() { return window.subsystems().colouring->ColorizeOn(); }

    // The time a key takes until the window is painted again.
    double secondsOf(Qt::Key key)
    {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(&editor(), key);
        QApplication::processEvents();
        return double(timer.nsecsElapsed()) / 1e9;
    }

    QString text;
    FrmH window;
};

void colourOn(benchmark::State& state, qsizetype size)
{
    ColouredWindow coloured(size);
    for (auto _ : state) {
        state.SetIterationTime(coloured.secondsOf(Qt::Key_F12));
        if (!coloured.colouringOn())
            state.SkipWithError("F12 did not switch the colouring on");
        coloured.secondsOf(Qt::Key_Right);
    }
}

void colourOff(benchmark::State& state, qsizetype size)
{
    ColouredWindow coloured(size);
    for (auto _ : state) {
        coloured.secondsOf(Qt::Key_F12);
        state.SetIterationTime(coloured.secondsOf(Qt::Key_Right));
        if (coloured.colouringOn())
            state.SkipWithError("the key did not switch the colouring off");
    }
}

// The peer: the same text set into the same editor, as the program loads a document.
void setText(benchmark::State& state, qsizetype size)
{
    ColouredWindow coloured(size);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        {
            const DocumentState::TextLoading loading(coloured.window.documents());
            coloured.editor().setText(coloured.text);
        }
        QApplication::processEvents();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
}

void printFigures(const Figures& figures)
{
    printFigure(figures, "colour_on_1MB");
    printFigure(figures, "colour_on_10MB");
    printFigure(figures, "colour_off_10MB");
    printFigure(figures, "settext_10MB");
    printRatio(figures, "colour_on_vs_settext_10MB", "colour_on_10MB", "settext_10MB");
    printRatio(figures, "colour_off_vs_settext_10MB", "colour_off_10MB", "settext_10MB");
    printRatio(figures, "colour_on_10MB_vs_1MB", "colour_on_10MB", "colour_on_1MB");
}

void registerBenchmarks()
{
    const auto add = [](const char* name, void (*measure)(benchmark::State&, qsizetype),
                        qsizetype size) {
        benchmark::RegisterBenchmark(name, measure, size)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    };
    add("colour_on_1MB", colourOn, kMegabyte);
    add("colour_on_10MB", colourOn, 10 * kMegabyte);
    add("colour_off_10MB", colourOff, 10 * kMegabyte);
    add("settext_10MB", setText, 10 * kMegabyte);
}

} // namespace

int main(int argc, char* argv[])
{
    return runBenchmarks(argc, argv, registerBenchmarks, printFigures);
}

// The text functions as commands of the main window on its editor, on texts of 1 MB and
// 10 MB: upper case and the tag stripper over the whole HTML text (all selected), deleting
// every occurrence of a selected "<BR>", and the text distribution (width 68, indent 3,
// the preset answers) over prose. Each command is timed from its menu item to its edit in
// the editor. In the same run the logic alone (case, stripper) works on the 10 MB text
// against LC_ALL=C tr a-z A-Z and sed -E 's/<[^>]*>//g' on the same text as a file, each a
// whole run of the program. After Google Benchmark's table it prints "bench: NAME VALUE
// UNIT": case and the stripper as our time over the peer's, and the worst scaling of the
// four commands (their 10 MB time over their 1 MB time), with the scaling of Qt's own text
// document taking the same texts whole for reference.

#include "benchmain.h"
#include "benchprompts.h"

#include "app/frmh.h"
#include "core/progprops.h"
#include "documents/documentstate.h"
#include "editor/textfunctions.h"
#include "menus/menuregistry.h"
#include "platform/bytetext.h"
#include "platform/displaymap.h"
#include "platform/editorcontrol.h"
#include "platform/filewriter.h"
#include "platform/prompts.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

struct TextSize
{
    const char* name;
    qsizetype bytes;
};
constexpr TextSize kSizes[] = {{"1MB", 1024 * 1024}, {"10MB", 10 * 1024 * 1024}};

struct Command
{
    const char* name;
    const char* menuItem;
    bool prose;     // works on prose, else on HTML
    bool selectAll; // else the first "<BR>" is selected
};
constexpr Command kCommands[] = {{"upper", "mnuTF0", false, true},
                                 {"strip", "mnuTF5", false, true},
                                 {"deleteall", "mnumarkfinddel", false, false},
                                 {"distribute", "mnuTF6", true, true}};

// HTML with a line break tag at the end of every line.
QString htmlWithBreaks(qsizetype size)
{
    QString text = htmlDocument(size - size / 16);
    text.replace(kCrLf, QStringLiteral("<BR>\r\n"));
    return text;
}

// Paragraphs of 3 to 8 lines of 40 to 120 characters, each paragraph's first line indented
// by three blanks, words mixing Latin with 8-bit letters.
QString prose(qsizetype size)
{
    std::mt19937 random(4321);
    const auto pick = [&random](int choices) { return int(random() % unsigned(choices)); };
    QByteArray text;
    text.reserve(size + 256);
    while (text.size() < size) {
        const int lines = 3 + pick(6);
        for (int line = 0; line < lines; ++line) {
            QByteArray words(line == 0 ? "   " : "");
            const int length = 40 + pick(81);
            while (words.size() < length) {
                const bool eightBit = pick(3) == 0;
                for (int letters = 1 + pick(9); letters > 0; --letters)
                    words += eightBit ? char(0xC0 + pick(33)) : char('a' + pick(26));
                words += pick(8) == 0 ? ", " : " ";
            }
            words.chop(1);
            text += words + ".\r\n";
        }
    }
    return bytesToText(text);
}

const QString& textFor(bool isProse, qsizetype size)
{
    static std::map<std::pair<bool, qsizetype>, QString> texts;
    QString& text = texts[{isProse, size}];
    if (text.isEmpty())
        text = isProse ? prose(size) : htmlWithBreaks(size);
    return text;
}

// One iteration: the text is loaded and selected (not timed), then the menu item is chosen.
void runCommand(benchmark::State& state, const Command& command, qsizetype size)
{
    const QString& text = textFor(command.prose, size);
    Props = ProgProps{};
    FrmH window;
    window.showPlain();
    window.resize(1000, 700);
    QApplication::processEvents();
    EditorControl& editor = window.editor();
    QAction* item = window.registry().action(command.menuItem);
    const auto prepare = [&] {
        window.documents().resetToSingleFile(FilePath(), text);
        if (command.selectAll)
            editor.setSelection(0, editor.TextLength());
        else
            editor.setSelection(qint32(text.indexOf(QStringLiteral("<BR>"))), 4);
        QApplication::processEvents();
    };
    // A first run, not timed, warms the editor up.
    prepare();
    item->trigger();
    for (auto _ : state) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        item->trigger();
        QApplication::processEvents();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (editor.Text() == text)
            state.SkipWithError("the command changed nothing");
    }
}

// The reference for the scaling: Qt's own text document taking the whole text.
void documentSetText(benchmark::State& state, qsizetype size)
{
    const QString shown = DisplayMap::get(DisplayMapKind::Latin).toShown(textFor(false, size));
    for (auto _ : state) {
        QTextDocument document;
        document.setPlainText(shown);
        benchmark::DoNotOptimize(document.blockCount());
    }
}

void logicUpper(benchmark::State& state)
{
    const QString& text = textFor(false, kSizes[1].bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(applyTextFunction(TextFunction::UpperCase, text));
}

void logicStrip(benchmark::State& state)
{
    const QString& text = textFor(false, kSizes[1].bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(stripTags(text));
}

const QString& htmlFile()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("text.html"));
        writeWholeFile(file, textToBytes(textFor(false, kSizes[1].bytes)));
        return file;
    }();
    return path;
}

// One iteration is one whole run of the program over the file.
void peerRun(benchmark::State& state, QString program, QStringList arguments, bool fileArgument)
{
    for (auto _ : state) {
        QProcess peer;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        peer.setProcessEnvironment(environment);
        peer.setStandardOutputFile(QProcess::nullDevice());
        if (fileArgument)
            arguments << htmlFile();
        else
            peer.setStandardInputFile(htmlFile());
        peer.start(program, arguments);
        if (!peer.waitForFinished(-1) || peer.exitStatus() != QProcess::NormalExit ||
            peer.exitCode() != 0) {
            state.SkipWithError("the peer did not run");
            return;
        }
        if (fileArgument)
            arguments.removeLast();
    }
}

std::string figureName(const Command& command, const TextSize& size)
{
    return std::string("cmd_") + command.name + "_" + size.name;
}

void printFigures(const Figures& figures)
{
    for (const Command& command : kCommands)
        for (const TextSize& size : kSizes)
            printFigure(figures, figureName(command, size));
    printRatio(figures, "textfn_case_vs_tr", "logic_upper_10MB", "tr");
    printRatio(figures, "textfn_strip_vs_sed", "logic_strip_10MB", "sed");
    double worst = 0;
    for (const Command& command : kCommands) {
        const auto large = figures.find(figureName(command, kSizes[1]));
        const auto small = figures.find(figureName(command, kSizes[0]));
        if (large != figures.end() && small != figures.end() && small->second.seconds > 0)
            worst = std::max(worst, large->second.seconds / small->second.seconds);
    }
    if (worst > 0)
        std::printf("bench: textfn_worst_scaling %.2f ratio\n", worst);
    printRatio(figures, "textfn_qt_settext_scaling", "qt_settext_10MB", "qt_settext_1MB");
}

void registerBenchmarks()
{
    static BenchPrompts answers(QStringLiteral("6"));
    for (const Command& command : kCommands) {
        for (const TextSize& size : kSizes) {
            benchmark::RegisterBenchmark(figureName(command, size).c_str(), runCommand, command,
                                         size.bytes)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(3);
        }
    }
    for (const TextSize& size : kSizes)
        benchmark::RegisterBenchmark((std::string("qt_settext_") + size.name).c_str(),
                                     documentSetText, size.bytes)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    htmlFile();
    benchmark::RegisterBenchmark("logic_upper_10MB", logicUpper)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("logic_strip_10MB", logicStrip)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("tr", peerRun, QStringLiteral("tr"),
                                 QStringList{QStringLiteral("a-z"), QStringLiteral("A-Z")}, false)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("sed", peerRun, QStringLiteral("sed"),
                                 QStringList{QStringLiteral("-E"), QStringLiteral("s/<[^>]*>//g")},
                                 true)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
}

} // namespace

int main(int argc, char* argv[])
{
    return runBenchmarks(argc, argv, registerBenchmarks, printFigures);
}

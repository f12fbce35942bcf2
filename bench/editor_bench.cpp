// The editor control on large HTML documents: one whole-text round trip (setText, then
// Text) against Qt's own plain-text round trip on the same text, and caret positioning
// (setSelStart, then SelStart) at positions spread evenly over the document against the
// same moves of QPlainTextEdit's own cursor. After Google Benchmark's table it prints every
// figure as "bench: NAME VALUE UNIT".

#include "platform/bytetext.h"
#include "platform/editorcontrol.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>

namespace {

constexpr qsizetype kMegabyte = 1 << 20;
constexpr int kCaretMoves = 10000;

struct Tag
{
    const char* open;
    const char* close;
};

// HTML source as the program's authors write it: indented, tagged lines of 60 to 100 bytes
// mixing Latin words with words of 8-bit Georgian or Cyrillic letters (0xC0..0xFF).
QString htmlDocument(qsizetype size)
{
    static const Tag tags[] = {{"<p>", "</p>"},
                               {"<td>", "</td>"},
                               {"<li>", "</li>"},
                               {"<b>", "</b>"},
                               {"<a href=\"page.html\">", "</a>"},
                               {"<span class=\"note\">", "</span>"}};
    std::mt19937 random(1234); // the same document on every run
    const auto pick = [&random](int choices) { return int(random() % unsigned(choices)); };

    QByteArray text("<html>\r\n<body>\r\n");
    text.reserve(size + 128);
    while (text.size() < size) {
        const int lineLength = 60 + pick(41);
        const Tag& tag = tags[pick(std::size(tags))];
        QByteArray line(2 * pick(3), ' ');
        line += tag.open;
        while (line.size() < lineLength - 10) {
            const bool eightBit = pick(2);
            for (int length = 2 + pick(8); length > 0; --length)
                line += eightBit ? char(0xC0 + pick(64)) : char('a' + pick(26));
            line += ' ';
        }
        text += line + tag.close + "\r\n";
    }
    return bytesToText(text);
}

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

// Google Benchmark's table, remembering each figure for the lines that follow it.
class FigureReporter : public benchmark::ConsoleReporter
{
public:
    FigureReporter() : ConsoleReporter(OO_Tabular) {} // plain text: the output goes to logs

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            m_figures[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                     benchmark::GetTimeUnitString(run.time_unit)};
    }

    void printFigures() const
    {
        std::printf("\n");
        for (const char* name :
             {"editor_text_1MB", "editor_text_10MB", "editor_selpos_1MB", "editor_selpos_10MB"})
            print(name);
        printRatio("editor_text_1MB_vs_qt", "editor_text_1MB", "qt_plaintext_1MB");
        printRatio("editor_text_10MB_vs_qt", "editor_text_10MB", "qt_plaintext_10MB");
        printRatio("editor_selpos_1MB_vs_qt", "editor_selpos_1MB", "qt_selpos_1MB");
        printRatio("editor_selpos_10MB_vs_qt", "editor_selpos_10MB", "qt_selpos_10MB");
        printRatio("editor_text_10MB_vs_1MB", "editor_text_10MB", "editor_text_1MB");
        printRatio("editor_selpos_10MB_vs_1MB", "editor_selpos_10MB", "editor_selpos_1MB");
    }

private:
    struct Figure
    {
        double value;
        const char* unit;
    };

    void print(const char* name) const
    {
        const auto figure = m_figures.find(name);
        if (figure != m_figures.end())
            std::printf("bench: %s %.3f %s\n", name, figure->second.value, figure->second.unit);
    }

    void printRatio(const char* name, const char* measured, const char* against) const
    {
        const auto top = m_figures.find(measured);
        const auto bottom = m_figures.find(against);
        if (top != m_figures.end() && bottom != m_figures.end() && bottom->second.value > 0)
            std::printf("bench: %s %.2f ratio\n", name, top->second.value / bottom->second.value);
    }

    std::map<std::string, Figure> m_figures;
};

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerBenchmarks();
    FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printFigures();
    benchmark::Shutdown();
    return 0;
}

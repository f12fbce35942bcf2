// The document commands with many documents open: 200 documents of 100 KB and 2,000 of
// 10 KB are opened one by one through ofnen, each then switched to twice through the tree's
// node click, and all saved through save-everything (answer "7", write each document). The
// figures are milliseconds per document, so a cost that grows with the number of open
// documents shows as a figure that rises from the 200 to the 2,000 run. The peer is the
// editor control doing the same work without the documents around it: loading each file
// itself, replacing its text and reading it back per switch, and writing each file through
// the same atomic writer. After Google Benchmark's table it prints every figure as
// "bench: NAME VALUE UNIT", with the ratios to the peer.
//
// Web projects of 200 and 2,000 files of 10 KB are opened through the project opening, then
// saved with every document changed (the list is rewritten); the figures are milliseconds
// per file, and the 2,000 run's figure over the 200 run's shows whether the cost per file
// grows with the project.

#include "benchmain.h"
#include "benchprompts.h"

#include "app/frmh.h"
#include "documents/documentcommands.h"
#include "documents/opencommands.h"
#include "documents/savecommands.h"
#include "documents/treecommands.h"
#include "platform/bytetext.h"
#include "platform/editorcontrol.h"
#include "platform/filewriter.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "projects/projectcommands.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <string>

namespace {

struct DocumentRun
{
    int documents;
    qsizetype size;
};
constexpr DocumentRun kRuns[] = {{200, 100 * 1024}, {2000, 10 * 1024}};

// A folder of HTML documents of the run's size.
class DocumentFolder
{
public:
    explicit DocumentFolder(const DocumentRun& run)
    {
        const QByteArray content = textToBytes(htmlDocument(run.size));
        for (int i = 0; i < run.documents; ++i) {
            paths << m_folder.filePath(
                QStringLiteral("doc%1.html").arg(i, 4, 10, QLatin1Char('0')));
            writeWholeFile(paths.last(), content);
        }
    }

    QStringList paths;

private:
    QTemporaryDir m_folder;
};

// A web project: HTML files of 10 KB and a list naming them all, the first as start page.
class WebProject
{
public:
    static constexpr qsizetype kFileSize = 10 * 1024;

    explicit WebProject(int files)
    {
        const QByteArray content = textToBytes(htmlDocument(kFileSize));
        QByteArray entries;
        for (int i = 0; i < files; ++i) {
            const QString name = QStringLiteral("page%1.html").arg(i, 4, 10, QLatin1Char('0'));
            writeWholeFile(m_folder.filePath(name), content);
            entries += name.toLatin1() + "\r\n";
        }
        list = m_folder.filePath(QStringLiteral("site.WEB"));
        writeWholeFile(list, entries + "STOPF=page0000.html\r\n");
    }

    QString list;

private:
    QTemporaryDir m_folder;
};
constexpr int kProjectRuns[] = {200, 2000};

double millisecondsPer(const QElapsedTimer& timer, int count)
{
    return double(timer.nsecsElapsed()) / 1e6 / count;
}

void report(benchmark::State& state, double millisecondsPerDocument)
{
    state.SetIterationTime(millisecondsPerDocument / 1000);
}

// --- The documents -------------------------------------------------------------------

struct OpenWindow
{
    explicit OpenWindow(const DocumentFolder& folder)
    {
        window.showPlain();
        for (const QString& path : folder.paths)
            window.subsystems().documents->opening().ofnen(FilePath(path));
    }
    DocumentCommands& commands() { return *window.subsystems().documents; }
    FrmH window;
};

void docsOpen(benchmark::State& state, DocumentRun run)
{
    const DocumentFolder folder(run);
    for (auto _ : state) {
        FrmH window;
        window.showPlain();
        QElapsedTimer timer;
        timer.start();
        for (const QString& path : folder.paths)
            window.subsystems().documents->opening().ofnen(FilePath(path));
        report(state, millisecondsPer(timer, run.documents));
    }
}

void docsSwitch(benchmark::State& state, DocumentRun run)
{
    const DocumentFolder folder(run);
    OpenWindow open(folder);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        for (int pass = 0; pass < 2; ++pass) {
            for (int n = 1; n <= run.documents; ++n)
                open.commands().tree().NDKliki(4 + n);
        }
        report(state, millisecondsPer(timer, 2 * run.documents));
    }
}

void docsSave(benchmark::State& state, DocumentRun run)
{
    const DocumentFolder folder(run);
    OpenWindow open(folder);
    const BenchPrompts answers(QStringLiteral("7"));
    for (auto _ : state) {
        for (int n = 1; n <= run.documents; ++n) {
            open.commands().tree().NDKliki(4 + n);
            open.window.editor().setSelText(QStringLiteral("x"));
        }
        QElapsedTimer timer;
        timer.start();
        open.commands().saving().SaveDocuments(FilePath(), -1);
        report(state, millisecondsPer(timer, run.documents));
    }
}

// --- Web projects ----------------------------------------------------------------------

void projectOpen(benchmark::State& state, int files)
{
    const WebProject project(files);
    for (auto _ : state) {
        FrmH window;
        window.showPlain();
        QElapsedTimer timer;
        timer.start();
        window.subsystems().documents->projects().openProject(project.list);
        report(state, millisecondsPer(timer, files));
    }
}

void projectSave(benchmark::State& state, int files)
{
    const WebProject project(files);
    FrmH window;
    window.showPlain();
    DocumentCommands& commands = *window.subsystems().documents;
    commands.projects().openProject(project.list);
    const BenchPrompts answers(QStringLiteral("7"));
    for (auto _ : state) {
        for (int n = 1; n <= files; ++n) {
            commands.tree().NDKliki(4 + n);
            window.editor().setSelText(QStringLiteral("x"));
        }
        QElapsedTimer timer;
        timer.start();
        commands.saving().SaveDocuments(FilePath(), -1);
        report(state, millisecondsPer(timer, files));
    }
}

// --- The peer: the editor control alone ----------------------------------------------

// The main window's own editor, so that the peer lays out text as the documents' editor does.
struct PlainWindow
{
    PlainWindow() { window.showPlain(); }
    EditorControl& editor() { return window.editor(); }
    // The file read as the documents read it, into the editor.
    void load(const QString& path) { editor().setText(readTextFile(path).text); }
    FrmH window;
};

void editorOpen(benchmark::State& state, DocumentRun run)
{
    const DocumentFolder folder(run);
    PlainWindow plain;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        for (const QString& path : folder.paths)
            plain.load(path);
        report(state, millisecondsPer(timer, run.documents));
    }
}

void editorSwitch(benchmark::State& state, DocumentRun run)
{
    const DocumentFolder folder(run);
    PlainWindow plain;
    plain.load(folder.paths.first());
    const QString text = plain.editor().Text();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 2 * run.documents; ++i) {
            benchmark::DoNotOptimize(plain.editor().Text());
            plain.editor().setText(text);
        }
        report(state, millisecondsPer(timer, 2 * run.documents));
    }
}

void editorSave(benchmark::State& state, DocumentRun run)
{
    const DocumentFolder folder(run);
    PlainWindow plain;
    plain.load(folder.paths.first());
    const QByteArray bytes = textToBytes(plain.editor().Text() + QStringLiteral("x"));
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        for (const QString& path : folder.paths)
            writeWholeFile(path, bytes);
        report(state, millisecondsPer(timer, run.documents));
    }
}

void printFigures(const Figures& figures)
{
    for (const char* phase : {"open", "switch", "save"}) {
        for (const DocumentRun& run : kRuns) {
            const std::string suffix = std::string(phase) + "_" + std::to_string(run.documents);
            printFigure(figures, "docs_" + suffix);
            printRatio(figures, "docs_" + suffix + "_vs_editor", "docs_" + suffix,
                       "editor_" + suffix);
        }
    }
    for (const char* phase : {"project_open", "project_save"}) {
        const std::string name(phase);
        for (const int files : kProjectRuns)
            printFigure(figures, name + "_" + std::to_string(files));
        // Per file, the large project over the small one: near 1 when nothing grows faster.
        printRatio(figures, name + "_2000_vs_200", name + "_2000", name + "_200");
    }
}

void registerBenchmarks()
{
    using Phase = void (*)(benchmark::State&, DocumentRun);
    const std::pair<const char*, Phase> phases[] = {
        {"docs_open", docsOpen},         {"editor_open", editorOpen}, {"docs_switch", docsSwitch},
        {"editor_switch", editorSwitch}, {"docs_save", docsSave},     {"editor_save", editorSave}};
    for (const auto& [name, phase] : phases) {
        for (const DocumentRun& run : kRuns) {
            const std::string full = std::string(name) + "_" + std::to_string(run.documents);
            benchmark::RegisterBenchmark(full.c_str(), phase, run)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
        }
    }
    using ProjectPhase = void (*)(benchmark::State&, int);
    const std::pair<const char*, ProjectPhase> projectPhases[] = {{"project_open", projectOpen},
                                                                  {"project_save", projectSave}};
    for (const auto& [name, phase] : projectPhases) {
        for (const int files : kProjectRuns) {
            const std::string full = std::string(name) + "_" + std::to_string(files);
            benchmark::RegisterBenchmark(full.c_str(), phase, files)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    return runBenchmarks(argc, argv, registerBenchmarks, printFigures);
}

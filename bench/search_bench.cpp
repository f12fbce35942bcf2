// The search over open documents with 2,000 documents of 20 KB open (HTML mixing Latin with
// 8-bit Georgian and Russian letters), searched all together: find all of a Latin term with
// about 50 hits per document, exact and through the fold table, replace all of it, and find
// next through all documents for a term found once in each, with 200 and with 2,000
// documents open. The peers work on the same documents written as 2,000 files: grep -o -F
// (and -i) for find all, sed for replace all, each timed as a whole run of the program. After
// Google Benchmark's table it prints "bench: NAME VALUE UNIT": find all and replace all as
// our time over the peer's, find next in milliseconds per click (flat when the cost of a
// click does not grow with the number of documents open). The same figures are taken once
// more through the search window of the main window, its documents opened from the files:
// clicks on its buttons, with the store step, the list of hits, the documents' flags and the
// switch to each document found (lines "search_window_..."), and find next through the window
// in one document of 1 MB and of 10 MB (flat when a click's cost does not grow with the size
// of the text).

#include "benchmain.h"
#include "benchprompts.h"

#include "app/frmh.h"
#include "documents/documentcommands.h"
#include "documents/documentstate.h"
#include "documents/opencommands.h"
#include "platform/bytetext.h"
#include "platform/editorcontrol.h"
#include "platform/filewriter.h"
#include "platform/prompts.h"
#include "search/frmsuch.h"
#include "search/searchcommands.h"
#include "search/searchengine.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <utility>

namespace {

constexpr int kDocuments = 2000;
constexpr qsizetype kDocumentSize = 20 * 1024;
constexpr int kRuns = 5;
constexpr qsizetype kMegabyte = 1024 * 1024;
const QString kTerm = QStringLiteral("class");       // in every span tag: about 50 a document
const QString kOnceTerm = QStringLiteral("kelmora"); // once in the middle of every document

// The open documents, the editor showing the first.
class OpenDocuments : public SearchDocuments
{
public:
    explicit OpenDocuments(int count)
    {
        QString text = htmlDocument(kDocumentSize);
        text.insert(text.indexOf(QStringLiteral("\r\n"), kDocumentSize / 2) + 2,
                    QStringLiteral("<p>") + kOnceTerm + QStringLiteral("</p>\r\n"));
        // Each document a text of its own, as open documents are.
        for (int i = 0; i < count; ++i)
            m_documents.push_back(
                {DocumentId(i + 1), text + QStringLiteral("<!-- %1 -->\r\n").arg(i), true});
    }

    std::vector<SearchDocument> inTreeOrder() const override { return m_documents; }
    std::vector<SearchDocument> inCollectionOrder() const override { return m_documents; }
    std::optional<SearchDocument> find(DocumentId id) const override
    {
        if (id < 1 || id > m_documents.size())
            return std::nullopt;
        return m_documents[id - 1];
    }
    std::optional<DocumentId> shown() const override { return 1; }
    QString editorText() const override { return m_documents.front().text; }
    qint32 selStart() const override { return 0; }
    qint32 selLength() const override { return 0; }

    // The new texts of a replace all take the place of the old ones, as the search window
    // stores them and the editor takes its edit.
    void take(ReplaceAllResult result)
    {
        for (ReplacedDocument& replaced : result.documents)
            m_documents[replaced.doc - 1].text = std::move(replaced.text);
        if (const auto& edit = result.editorEdit)
            m_documents.front().text.replace(edit->start, edit->length, edit->replacement);
    }

private:
    std::vector<SearchDocument> m_documents;
};

const OpenDocuments& documents()
{
    static const OpenDocuments open(kDocuments);
    return open;
}

// The same documents as files, for the peers.
const QStringList& documentFiles()
{
    static QTemporaryDir folder;
    static const QStringList files = [] {
        QStringList paths;
        for (const SearchDocument& document : documents().inCollectionOrder()) {
            paths << folder.filePath(QStringLiteral("doc%1.html").arg(document.id));
            writeWholeFile(paths.last(), textToBytes(document.text));
        }
        return paths;
    }();
    return files;
}

SearchEngine engineFor(const QString& term, bool matchCase)
{
    SearchEngine engine;
    engine.setOptions({term, true, matchCase, false, false});
    return engine;
}

void findAll(benchmark::State& state, bool matchCase)
{
    SearchEngine engine = engineFor(kTerm, matchCase);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.findAll(documents()));
    state.counters["hits"] = double(engine.hits().size());
}

// The documents take the new texts as the search window stores them, so that, as in the
// program, each text is held as it was and as it becomes, and no third time. Each replace is
// undone, untimed, by the replace back, so that every run finds its hits.
void replaceAll(benchmark::State& state)
{
    OpenDocuments open(kDocuments);
    const QString replacement = QStringLiteral("klass");
    qint32 replaced = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        ReplaceAllResult result = engineFor(kTerm, true).replaceAll(open, replacement);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        replaced = result.count;
        open.take(std::move(result));
        open.take(engineFor(replacement, true).replaceAll(open, kTerm));
    }
    state.counters["replaced"] = replaced;
}

// One iteration is one click; the walk goes round the documents again and again.
void findNext(benchmark::State& state, int count)
{
    const OpenDocuments open(count);
    SearchEngine engine = engineFor(kOnceTerm, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.findNext(open));
}

// One iteration is one whole run of the program over the files.
void peerRun(benchmark::State& state, QString program, QStringList arguments)
{
    arguments += documentFiles();
    for (auto _ : state) {
        QProcess peer;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        peer.setProcessEnvironment(environment);
        peer.setStandardOutputFile(QProcess::nullDevice());
        peer.start(program, arguments);
        if (!peer.waitForFinished(-1) || peer.exitStatus() != QProcess::NormalExit) {
            state.SkipWithError("the peer did not run");
            return;
        }
    }
}

// --- Through the search window --------------------------------------------------------

// The main window with the first count files open, and its search window called up over
// every open document.
class SearchWindowRun
{
public:
    explicit SearchWindowRun(int count)
    {
        qputenv("KELMORA_HOME", m_home.path().toLocal8Bit());
        window.showPlain();
        for (int i = 0; i < count; ++i)
            window.subsystems().documents->opening().ofnen(FilePath(documentFiles()[i]));
        callUp();
        m_search->findChild<QCheckBox*>(QStringLiteral("CKalfil"))->setChecked(true);
    }
    // The main window holding one text, the caret at its start, and its search window.
    explicit SearchWindowRun(const QString& text)
    {
        qputenv("KELMORA_HOME", m_home.path().toLocal8Bit());
        window.showPlain();
        window.documents().resetToSingleFile(FilePath(), text);
        callUp();
    }

    void searchFor(const QString& term, const QString& replacement, bool matchCase)
    {
        m_search->findChild<EditorControl*>(QStringLiteral("Text1"))->setText(term);
        m_search->findChild<EditorControl*>(QStringLiteral("Tcvla"))->setText(replacement);
        m_search->findChild<QCheckBox*>(QStringLiteral("CKcase"))->setChecked(matchCase);
    }
    void press(const char* button)
    {
        m_search->findChild<QPushButton*>(QLatin1String(button))->click();
    }

private:
    void callUp()
    {
        window.subsystems().search->mnusuch_Click();
        m_search = window.subsystems().search->searchWindow();
    }

    QTemporaryDir m_home;
    BenchPrompts m_answers{QStringLiteral("6")};

public:
    FrmH window;

private:
    frmsuch* m_search = nullptr;
};

void windowFindAll(benchmark::State& state, bool matchCase)
{
    SearchWindowRun run(kDocuments);
    run.searchFor(kTerm, QString(), matchCase);
    for (auto _ : state)
        run.press("MBAlfind");
}

// Each replace is undone, untimed, by the replace back, so that every run finds its hits.
void windowReplaceAll(benchmark::State& state)
{
    SearchWindowRun run(kDocuments);
    const QString replacement = QStringLiteral("klass");
    for (auto _ : state) {
        run.searchFor(kTerm, replacement, true);
        QElapsedTimer timer;
        timer.start();
        run.press("Calcvla");
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        run.searchFor(replacement, kTerm, true);
        run.press("Calcvla");
    }
}

// One iteration is one click, which shows the next document.
void windowFindNext(benchmark::State& state, int count)
{
    SearchWindowRun run(count);
    run.searchFor(kOnceTerm, QString(), true);
    for (auto _ : state)
        run.press("Czuch");
}

// One iteration is one click, which selects the next hit further down the same text. The
// first click, untimed, is the first to read the text since it was set.
void windowFindNextIn(benchmark::State& state, qsizetype size)
{
    SearchWindowRun run(htmlDocument(size));
    run.searchFor(kTerm, QString(), true);
    run.press("Czuch");
    for (auto _ : state)
        run.press("Czuch");
}

void printFigures(const Figures& figures)
{
    printRatio(figures, "search_findall_vs_grep", "findall_exact", "grep_F");
    printRatio(figures, "search_findall_nocase_vs_grep", "findall_nocase", "grep_F_i");
    printRatio(figures, "search_replaceall_vs_sed", "replaceall", "sed");
    printRatio(figures, "search_window_findall_vs_grep", "window_findall_exact", "grep_F");
    printRatio(figures, "search_window_findall_nocase_vs_grep", "window_findall_nocase",
               "grep_F_i");
    printRatio(figures, "search_window_replaceall_vs_sed", "window_replaceall", "sed");
    // Find next in milliseconds per click, by the number of documents or the size of the one.
    for (const char* figure :
         {"findnext_200", "findnext_2000", "window_findnext_200", "window_findnext_2000",
          "window_findnext_1MB", "window_findnext_10MB"}) {
        const auto found = figures.find(figure);
        if (found != figures.end())
            std::printf("bench: search_%s %.4f ms\n", figure, found->second.seconds * 1000);
    }
    printRatio(figures, "search_window_findnext_10MB_vs_1MB", "window_findnext_10MB",
               "window_findnext_1MB");
}

void registerBenchmarks()
{
    // The documents and their files are made, and searched once, before any timing: the
    // first search also settles the memory its index takes.
    documentFiles();
    engineFor(kTerm, true).findAll(documents());
    const QString term = kTerm;
    benchmark::RegisterBenchmark("findall_exact", findAll, true)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(kRuns);
    benchmark::RegisterBenchmark("findall_nocase", findAll, false)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(kRuns);
    benchmark::RegisterBenchmark("replaceall", replaceAll)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(kRuns);
    benchmark::RegisterBenchmark("grep_F", peerRun, QStringLiteral("grep"),
                                 QStringList{QStringLiteral("-o"), QStringLiteral("-F"), term})
        ->Unit(benchmark::kMillisecond)
        ->Iterations(kRuns);
    benchmark::RegisterBenchmark(
        "grep_F_i", peerRun, QStringLiteral("grep"),
        QStringList{QStringLiteral("-o"), QStringLiteral("-F"), QStringLiteral("-i"), term})
        ->Unit(benchmark::kMillisecond)
        ->Iterations(kRuns);
    benchmark::RegisterBenchmark("sed", peerRun, QStringLiteral("sed"),
                                 QStringList{QStringLiteral("s/class/klass/g")})
        ->Unit(benchmark::kMillisecond)
        ->Iterations(kRuns);
    for (const int count : {200, 2000})
        benchmark::RegisterBenchmark(("findnext_" + std::to_string(count)).c_str(), findNext, count)
            ->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("window_findall_exact", windowFindAll, true)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(kRuns);
    benchmark::RegisterBenchmark("window_findall_nocase", windowFindAll, false)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(kRuns);
    benchmark::RegisterBenchmark("window_replaceall", windowReplaceAll)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(kRuns);
    for (const int count : {200, 2000})
        benchmark::RegisterBenchmark(("window_findnext_" + std::to_string(count)).c_str(),
                                     windowFindNext, count)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(500);
    for (const auto& [name, size] : {std::pair("window_findnext_1MB", kMegabyte),
                                     std::pair("window_findnext_10MB", 10 * kMegabyte)})
        benchmark::RegisterBenchmark(name, windowFindNextIn, size)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(500);
}

} // namespace

int main(int argc, char* argv[])
{
    return runBenchmarks(argc, argv, registerBenchmarks, printFigures);
}

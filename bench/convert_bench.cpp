// The conversions on a 10 MB HTML document that mixes markup and Latin with Georgian in
// Latin keys, in the 8-bit layout, as UTF-8 and as references, and Russian in Windows-1251
// and as references: every pair of tables the conversion commands use, each over the whole
// document. The peer is iconv turning a 10 MB Windows-1251 file into UTF-8, timed as a whole
// run of the program. After Google Benchmark's table it prints each figure in MB/s with its
// ratio to iconv, then every figure as "bench: NAME VALUE UNIT", the last line being the
// slowest conversion's time over iconv's for the same number of bytes.

#include "benchmain.h"

#include "conversions/conversioncommands.h"
#include "conversions/conversions.h"
#include "platform/bytetext.h"

#include <QProcess>
#include <QTemporaryFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

constexpr qsizetype kDocumentSize = 10 << 20;
constexpr int kRuns = 5;
constexpr double kMegabyte = 1 << 20;

std::string pairName(const TablePair& pair)
{
    return "convert_" + codeTableName(pair.source).toStdString() + "_to_" +
           codeTableName(pair.target).toStdString();
}

// Indented, tagged lines of 60 to 100 bytes; each line's words are Latin or letters of one
// of the given tables.
QString documentOfLetters(const QList<CodeTable>& letterTables)
{
    static const char* const tags[][2] = {{"<p>", "</p>"},
                                          {"<td>", "</td>"},
                                          {"<li>", "</li>"},
                                          {"<b>", "</b>"},
                                          {"<a href=\"page.html\">", "</a>"},
                                          {"<span class=\"note\">", "</span>"}};
    std::mt19937 random(1234); // the same document on every run
    const auto pick = [&random](qsizetype choices) { return int(random() % unsigned(choices)); };

    QString text = QStringLiteral("<html>\r\n<body>\r\n");
    text.reserve(kDocumentSize + 256);
    while (text.size() < kDocumentSize) {
        const qsizetype lineEnd = text.size() + 60 + pick(41);
        const auto& tag = tags[pick(std::size(tags))];
        const QStringList& letters = codeTable(letterTables[pick(letterTables.size())]);
        text += QString(2 * pick(3), QLatin1Char(' ')) + QLatin1String(tag[0]);
        while (text.size() < lineEnd - 10) {
            const bool latin = pick(3) == 0;
            for (int length = 2 + pick(8); length > 0; --length)
                text += latin ? QString(QLatin1Char(char('a' + pick(26))))
                              : letters[pick(letters.size())];
            text += QLatin1Char(' ');
        }
        text += QLatin1String(tag[1]) + QStringLiteral("\r\n");
    }
    return text.first(kDocumentSize);
}

const QString& mixedDocument()
{
    static const QString document = documentOfLetters(
        {CodeTable::GRIGOLIA, CodeTable::QARTULI_KELMORADE, CodeTable::QARTULI_TEXT_UTF8,
         CodeTable::QARTULI_HEX_UTF8, CodeTable::RUSULI_KELMORADE, CodeTable::RUSULI_HEX});
    return document;
}

void convert(benchmark::State& state, TablePair pair)
{
    const QString& document = mixedDocument();
    const TableConversion& conversion = tableConversion(pair.source, pair.target);
    for (auto _ : state)
        benchmark::DoNotOptimize(conversion.apply(document));
    state.SetBytesProcessed(state.iterations() * document.size());
}

// One iteration is one whole run of iconv over a Windows-1251 file of the same size.
void iconvRun(benchmark::State& state)
{
    QTemporaryFile input;
    QTemporaryFile output;
    if (!input.open() || !output.open()) {
        state.SkipWithError("no temporary files");
        return;
    }
    input.write(textToBytes(documentOfLetters({CodeTable::RUSULI_KELMORADE})));
    input.flush();
    for (auto _ : state) {
        QProcess iconv;
        iconv.setStandardOutputFile(output.fileName(), QIODevice::Truncate);
        iconv.start(QStringLiteral("iconv"),
                    {QStringLiteral("-f"), QStringLiteral("CP1251"), QStringLiteral("-t"),
                     QStringLiteral("UTF-8"), input.fileName()});
        if (!iconv.waitForFinished(-1) || iconv.exitCode() != 0) {
            state.SkipWithError("iconv failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * kDocumentSize);
}

void printFigures(const Figures& figures)
{
    const auto iconv = figures.find("iconv_cp1251_to_utf8");
    if (iconv == figures.end()) {
        std::printf("no iconv figure: no ratios\n");
        return;
    }
    const double iconvSeconds = iconv->second.seconds;
    std::printf("%-58s %9s %9s\n", "", "MB/s", "vs iconv");
    std::printf("%-58s %9.0f %9s\n", iconv->first.c_str(), kDocumentSize / kMegabyte / iconvSeconds,
                "1.00");
    double slowest = 0;
    for (const auto& [name, figure] : figures) {
        if (name == iconv->first)
            continue;
        // Both convert kDocumentSize bytes: the ratio of times is the ratio per byte.
        const double ratio = figure.seconds / iconvSeconds;
        slowest = std::max(slowest, ratio);
        std::printf("%-58s %9.0f %9.2f\n", name.c_str(), kDocumentSize / kMegabyte / figure.seconds,
                    ratio);
    }
    std::printf("\n");
    for (const auto& [name, figure] : figures)
        std::printf("bench: %s %.0f MB/s\n", name.c_str(),
                    kDocumentSize / kMegabyte / figure.seconds);
    std::printf("bench: convert_slowest_vs_iconv %.2f ratio\n", slowest);
}

void registerBenchmarks()
{
    openkodlist();
    for (const TablePair& pair : tablePairsInUse())
        benchmark::RegisterBenchmark(pairName(pair).c_str(), convert, pair)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(kRuns);
    benchmark::RegisterBenchmark("iconv_cp1251_to_utf8", iconvRun)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(kRuns);
}

} // namespace

int main(int argc, char* argv[])
{
    return runBenchmarks(argc, argv, registerBenchmarks, printFigures);
}

#include "benchmain.h"

#include "platform/bytetext.h"
#include "platform/memory.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iterator>
#include <random>

namespace {

// Google Benchmark's table, remembering each figure for the lines that follow it.
class FigureReporter : public benchmark::ConsoleReporter
{
public:
    FigureReporter() : ConsoleReporter(OO_Tabular) {} // plain text: the output goes to logs

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (!run.error_occurred)
                figures[run.run_name.function_name] = {
                    run.GetAdjustedRealTime(), benchmark::GetTimeUnitString(run.time_unit),
                    run.real_accumulated_time / double(run.iterations)};
        }
    }

    Figures figures;
};

struct Tag
{
    const char* open;
    const char* close;
};

} // namespace

void printFigure(const Figures& figures, const std::string& name)
{
    const auto figure = figures.find(name);
    if (figure != figures.end())
        std::printf("bench: %s %.3f %s\n", name.c_str(), figure->second.value,
                    figure->second.unit.c_str());
}

void printRatio(const Figures& figures, const std::string& name, const std::string& measured,
                const std::string& against)
{
    const auto top = figures.find(measured);
    const auto bottom = figures.find(against);
    if (top != figures.end() && bottom != figures.end() && bottom->second.seconds > 0)
        std::printf("bench: %s %.2f ratio\n", name.c_str(),
                    top->second.seconds / bottom->second.seconds);
}

int runBenchmarks(int argc, char* argv[], void (*registerBenchmarks)(),
                  void (*printFigures)(const Figures&))
{
    // The program's memory as the program keeps it (its main does the same).
    keepFreedMemoryForReuse();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program reads nothing of a user's: a fresh program folder and settings.
    QTemporaryDir home;
    qputenv("KELMORA_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerBenchmarks();
    FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    printFigures(reporter.figures);
    benchmark::Shutdown();
    return 0;
}

QString htmlDocument(qsizetype size)
{
    static const Tag tags[] = {{"<p>", "</p>"},
                               {"<td>", "</td>"},
                               {"<li>", "</li>"},
                               {"<b>", "</b>"},
                               {"<a href=\"page.html\">", "</a>"},
                               {"<span class=\"note\">", "</span>"}};
    std::mt19937 random(1234);
    const auto pick = [&random](int choices) { return int(random() % unsigned(choices)); };

    QByteArray text("<html>\r\n<body>\r\n");
    text.reserve(size + 128);
    while (text.size() < size) {
        const int lineLength = 60 + pick(41);
        const Tag& tag = tags[pick(int(std::size(tags)))];
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

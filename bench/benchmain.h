#pragma once

// What every benchmark program shares: a main that runs Google Benchmark headless, prints
// its table, and then hands the figures to the program's own lines "bench: NAME VALUE UNIT",
// so that figures can be compared from run to run.

#include <QString>

#include <map>
#include <string>

struct Figure
{
    double value;     // in the run's time unit
    std::string unit; // "ms", "us", ...
    double seconds;   // real time per iteration
};
using Figures = std::map<std::string, Figure>;

// "bench: NAME VALUE UNIT" for a figure that was measured.
void printFigure(const Figures& figures, const std::string& name);
// "bench: NAME RATIO ratio": measured over against, when both were measured.
void printRatio(const Figures& figures, const std::string& name, const std::string& measured,
                const std::string& against);

// Runs headless, with a fresh program folder and settings.
int runBenchmarks(int argc, char* argv[], void (*registerBenchmarks)(),
                  void (*printFigures)(const Figures&));

// HTML source as the program's authors write it: indented, tagged lines of 60 to 100 bytes
// mixing Latin words with words of 8-bit letters (0xC0..0xFF), the same on every run.
QString htmlDocument(qsizetype size);

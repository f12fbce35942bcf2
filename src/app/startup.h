#pragma once

// How the program starts: from its command line it shows the main window plainly, not
// maximised ("NOMAX", the form it starts further copies of itself with), with a list of
// files, or with one file.

#include <QString>
#include <QStringList>

struct StartRequest
{
    enum class Form { Plain, NotMaximised, FileList, OneFile };
    Form form = Form::Plain;
    // FileList: the paths separated by quote, blank, quote; OneFile: the path.
    QString text;

    bool operator==(const StartRequest&) const = default;
};

// The start from the arguments of a Linux start, each argument one whole path; a list of
// files is held as the paths separated by quote, blank, quote.
StartRequest startRequestFromArguments(const QStringList& arguments);

// What the main window's load needs to know of this run's start.
struct RunState
{
    bool commandLineEmpty = true;
    // A start with one file does not reopen the last file, without touching the option.
    bool lastFileSuppressed = false;
};
extern RunState ThisRun;

// The main window's entry points that start-up uses.
class StartTarget
{
public:
    virtual ~StartTarget() = default;
    virtual void showPlain() = 0;
    virtual void commandladenforma(const QString& mode) = 0;
    virtual void comandopen(const QString& first, const QString& second) = 0;
};

// Loads the options, notes the run state and hands the start over to the main window.
void Main(const StartRequest& request, StartTarget& window);

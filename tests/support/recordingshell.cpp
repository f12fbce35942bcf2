#include "support/recordingshell.h"

RecordingShell::RecordingShell() : m_previous(installShell(this))
{}

RecordingShell::~RecordingShell()
{
    installShell(m_previous);
}

bool RecordingShell::openFile(const QString& path)
{
    requests << QStringLiteral("open ") + path;
    return succeeds;
}

bool RecordingShell::openAddress(const QString& address)
{
    requests << QStringLiteral("address ") + address;
    return succeeds;
}

bool RecordingShell::startProgramAgain(const QStringList& arguments)
{
    requests << QStringLiteral("start ") + arguments.join(QLatin1Char('|'));
    return succeeds;
}

bool RecordingShell::showHelp(const QString& helpPath, const QString& topic)
{
    requests << QStringLiteral("help ") + helpPath + QLatin1Char(' ') + topic;
    return succeeds;
}

QString RecordingShell::browseFolder(QWidget* /*owner*/, const QString& title)
{
    requests << QStringLiteral("browse ") + title;
    return folderAnswer;
}

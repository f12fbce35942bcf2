#include "support/recordingshell.h"

RecordingShell::RecordingShell() : m_previous(installShell(this))
{}

RecordingShell::~RecordingShell()
{
    installShell(m_previous);
}

void RecordingShell::openFile(const QString& path)
{
    requests << QStringLiteral("open ") + path;
}

void RecordingShell::openAddress(const QString& address)
{
    requests << QStringLiteral("address ") + address;
}

void RecordingShell::startProgramAgain(const QStringList& arguments)
{
    requests << QStringLiteral("start ") + arguments.join(QLatin1Char('|'));
}

void RecordingShell::showHelp(const QString& helpPath, const QString& topic)
{
    requests << QStringLiteral("help ") + helpPath + QLatin1Char(' ') + topic;
}

QString RecordingShell::browseFolder(QWidget* /*owner*/, const QString& title)
{
    requests << QStringLiteral("browse ") + title;
    return folderAnswer;
}

#include "support/testftpserver.h"

#include "support/testfolders.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");
const QString kServerScript = QStringLiteral(KELMORA_FTP_SERVER_SCRIPT);
constexpr int kStartMilliseconds = 10000;

} // namespace

TestFtpServer::TestFtpServer(const Options& options)
{
    QDir folder(m_folder.path());
    folder.mkpath(QStringLiteral("root"));
    folder.mkpath(QStringLiteral("wire"));
    const QString portFile = folder.filePath(QStringLiteral("port"));
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const std::pair<const char*, QString> values[] = {
        {"--root", root()},
        {"--port-file", portFile},
        {"--host", options.host},
        {"--port", QString::number(options.port)},
        {"--log", folder.filePath(QStringLiteral("log"))},
        {"--wire", folder.filePath(QStringLiteral("wire"))},
        {"--user", options.user},
        {"--password", options.password},
        {"--throttle", QString::number(options.bytesPerSecond)},
        {"--drop-after", QString::number(options.dropAfter)},
        {"--stall-after", QString::number(options.stallAfter)},
    };
    QStringList arguments{kServerScript};
    for (const auto& [name, value] : values)
        arguments << QLatin1String(name) << value;
    m_process.start(kPython, arguments);

    // The script writes its port once it listens.
    const QDeadlineTimer deadline(kStartMilliseconds);
    while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
        if (QFile::exists(portFile)) {
            m_port = quint16(readFile(portFile).toUInt());
            return;
        }
        m_process.waitForFinished(20);
    }
    m_startError = QStringLiteral("the FTP server did not start: ") + m_process.errorString();
    stop();
}

TestFtpServer::~TestFtpServer()
{
    stop();
}

void TestFtpServer::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill(); // SIGKILL to the server's process id
        m_process.waitForFinished(kStartMilliseconds);
    }
}

QString TestFtpServer::root() const
{
    return m_folder.filePath(QStringLiteral("root"));
}

QByteArray TestFtpServer::file(const QString& remotePath) const
{
    return readFile(root() + QLatin1Char('/') + remotePath);
}

QStringList TestFtpServer::log() const
{
    const QString text = QString::fromUtf8(readFile(m_folder.filePath(QStringLiteral("log"))));
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QByteArray TestFtpServer::wire(int upload) const
{
    return readFile(m_folder.filePath(QStringLiteral("wire/") + QString::number(upload)));
}

SilentListener::SilentListener()
{
    m_socket = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(m_socket, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        m_port = ntohs(address.sin_port);
}

SilentListener::~SilentListener()
{
    close(m_socket);
}

bool SilentListener::listen()
{
    return ::listen(m_socket, 8) == 0;
}

quint16 unusedPort()
{
    // Bound but not listening: connections to it are refused.
    static SilentListener reserved;
    return reserved.port();
}

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A real FTP server for one test: pyftpdlib under /usr/bin/python3 on 127.0.0.1 (or another
// loopback address), on a port the system chose (or a given one), serving a fresh temporary
// folder to one user. The server logs each command (passwords hidden), "login USER", "login
// failed USER", "received PATH TYPE" and "incomplete PATH"; the raw bytes of upload n arrive
// in wire(n). It is stopped by its process id when the object goes, or earlier with stop().
class TestFtpServer
{
public:
    struct Options
    {
        QString host = QStringLiteral("127.0.0.1");
        quint16 port = 0; // 0: one the system chooses
        QString user = QStringLiteral("kelmora");
        QString password = QStringLiteral("secret");
        qint64 bytesPerSecond = 0; // receive no faster than this; 0: no limit
        qint64 dropAfter = 0;      // reset the data connection after this many bytes
        qint64 stallAfter = 0;     // stop reading the data connection after this many bytes
    };

    TestFtpServer() : TestFtpServer(Options{}) {}
    explicit TestFtpServer(const Options& options);
    ~TestFtpServer();
    TestFtpServer(const TestFtpServer&) = delete;
    TestFtpServer& operator=(const TestFtpServer&) = delete;

    // False when the server did not come up; why is in startError().
    bool started() const { return m_port != 0; }
    QString startError() const { return m_startError; }
    quint16 port() const { return m_port; }

    void stop();

    QString root() const; // the folder the user sees
    QByteArray file(const QString& remotePath) const;
    QStringList log() const;
    qsizetype count(const QString& logLine) const { return log().count(logLine); }
    QByteArray wire(int upload) const;

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_startError;
};

// A port on 127.0.0.1 that is bound and, until listen(), refuses connections. Once
// listening it accepts connections into the system's queue and never answers on them: a
// server that hangs.
class SilentListener
{
public:
    SilentListener();
    ~SilentListener();
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;

    quint16 port() const { return m_port; }
    bool listen();

private:
    int m_socket = -1;
    quint16 m_port = 0;
};

// A port on 127.0.0.1 on which nothing ever listens during the run.
quint16 unusedPort();

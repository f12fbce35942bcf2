#pragma once

// Uploading files to an FTP server, over libcurl. One login is kept for the uploads that
// follow it, until FtpDisconnect or the next FtpConnect. Transfers use active mode (the
// server connects back to us), and the remote path goes to the server exactly as given
// ("subdir/name"), with no change of folder.
//
// Every call is synchronous and bounded: a connect timeout, a limit on the wait for each
// server reply and a stall limit on the transfer mean that no server can block the caller
// for longer than those limits (FtpLimits). A window that wants to stay responsive meanwhile gives
// a progress handler, which runs on the caller's thread several times a second during a transfer
// and at least once a second while waiting, and may stop the call.
//
// Server, user, password and remote path are byte text (one character per byte).

#include <QString>

#include <functional>
#include <memory>

// The values the upload window stores as its transfer type.
enum class FtpTransfer { Ascii = 1, Binary = 2 };

struct FtpLimits
{
    int connectMilliseconds = 20000; // reaching the server and logging in
    int replySeconds = 30;           // the longest wait for any one server reply
    // A transfer moving no byte this long fails. libcurl averages the speed over the last
    // few seconds, so a stall right after a burst is noticed up to some 6 s later.
    int stallSeconds = 30;
};

class FtpClient
{
public:
    static constexpr quint16 kDefaultPort = 21;

    explicit FtpClient(quint16 port = kDefaultPort, FtpLimits limits = {});
    ~FtpClient();
    FtpClient(const FtpClient&) = delete;
    FtpClient& operator=(const FtpClient&) = delete;

    // Bytes of the local file handed to the connection so far and the file's size (both 0
    // while connecting). Returning false stops the call, which then fails.
    using ProgressHandler = std::function<bool(qint64 sent, qint64 total)>;
    void setProgressHandler(ProgressHandler handler);

    // Logs in, first ending any session still open. True when the server accepted the
    // login; the session is then kept for the uploads that follow.
    bool FtpConnect(const QString& server, const QString& user, const QString& password);

    // Sends the local file to remotePath on the server of the open session. Binary sends
    // the bytes unchanged; ASCII sends the text with exactly one CR LF per line, whatever
    // line ends (CR LF, LF or CR) the file has. A failure also ends the session, so the
    // next upload starts with a fresh login.
    bool FtpUpload(const QString& localPath, const QString& remotePath, FtpTransfer type);

    // Ends the session; nothing happens when none is open. Called from the progress
    // handler, it stops the call under way and ends the session after it.
    void FtpDisconnect();

    bool FtpIsConnected() const;

    // Why the last call failed, in the words of libcurl or the server; "" after a success.
    QString lastError() const;

private:
    struct Session;

    bool performing();
    bool perform(const QString& remotePath);
    void fail(const QString& reason);

    quint16 m_port;
    FtpLimits m_limits;
    ProgressHandler m_progress;
    std::unique_ptr<Session> m_session; // set while logged in
    QString m_error;
};

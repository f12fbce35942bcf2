#include "platform/ftpclient.h"

#include "platform/bytetext.h"

#include <QFile>

#include <curl/curl.h>

namespace {

void initialiseCurlOnce()
{
    // A failure shows later, when curl_easy_init gives no handle.
    [[maybe_unused]] static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
}

// Control characters would end the command they are sent in and start another.
bool holdsCommandBreak(const QByteArray& bytes)
{
    return bytes.contains('\0') || bytes.contains('\r') || bytes.contains('\n');
}

// The local file as it goes on the wire. In ASCII mode every line end (CR LF, lone LF or
// lone CR) becomes one LF here, and libcurl turns each LF into CR LF for TYPE A: a CR LF
// file passed through unchanged would go out as CR CR LF.
class UploadSource
{
public:
    UploadSource(QFile& file, bool ascii) : m_file(file), m_ascii(ascii) {}

    qint64 read(char* buffer, qint64 capacity)
    {
        const qint64 count = m_file.read(buffer, capacity);
        if (count <= 0 || !m_ascii)
            return count;
        qint64 kept = 0;
        for (qint64 i = 0; i < count; ++i) {
            const char c = buffer[i];
            if (c == '\n' && m_afterCr) {
                m_afterCr = false;
                continue; // the LF of a CR LF, already sent for its CR
            }
            m_afterCr = c == '\r';
            buffer[kept++] = c == '\r' ? '\n' : c;
        }
        // A chunk holding only the LF of a CR LF shrinks to nothing; nothing must not be
        // passed on, since it would read as the end of the file.
        return kept > 0 ? kept : read(buffer, capacity);
    }

    qint64 consumed() const { return m_file.pos(); }

private:
    QFile& m_file;
    bool m_ascii;
    bool m_afterCr = false;
};

} // namespace

struct FtpClient::Session
{
    CURL* handle = nullptr;
    QByteArray hostForUrl;
    QByteArray lastReply; // the server's last reply line, which says why it refused
    bool performing = false;
    bool endRequested = false; // FtpDisconnect called while performing
    bool stoppedByHandler = false;
    UploadSource* source = nullptr;
    qint64 sourceSize = 0;
    const ProgressHandler* progress = nullptr;

    ~Session()
    {
        if (handle)
            curl_easy_cleanup(handle); // closes the connection, with QUIT when it still lives
    }

    static size_t readSource(char* buffer, size_t size, size_t count, void* session)
    {
        UploadSource* source = static_cast<Session*>(session)->source;
        const qint64 read = source ? source->read(buffer, qint64(size * count)) : 0;
        return read < 0 ? CURL_READFUNC_ABORT : size_t(read);
    }

    QString failureText(CURLcode result) const
    {
        // A refusal names the server's reply; after other failures (no connection,
        // timeouts, cut connections) the last reply is an earlier, harmless one.
        QString text = QString::fromLatin1(curl_easy_strerror(result));
        long reply = 0;
        curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &reply);
        if (reply >= 400 && lastReply.startsWith(QByteArray::number(qlonglong(reply))))
            text += QStringLiteral(": ") + bytesToText(lastReply);
        return text;
    }

    static int noteReply(CURL*, curl_infotype type, char* text, size_t size, void* session)
    {
        if (type == CURLINFO_HEADER_IN)
            static_cast<Session*>(session)->lastReply = QByteArray(text, qsizetype(size)).trimmed();
        return 0;
    }

    static int reportProgress(void* opaque, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
    {
        Session& session = *static_cast<Session*>(opaque);
        if (session.endRequested)
            return 1;
        if (session.progress && *session.progress) {
            const qint64 sent = session.source ? session.source->consumed() : 0;
            if (!(*session.progress)(sent, session.sourceSize)) {
                session.stoppedByHandler = true;
                return 1;
            }
        }
        return 0;
    }
};

FtpClient::FtpClient(quint16 port, FtpLimits limits) : m_port(port), m_limits(limits)
{
    initialiseCurlOnce();
}

FtpClient::~FtpClient() = default;

void FtpClient::setProgressHandler(ProgressHandler handler)
{
    m_progress = std::move(handler);
}

bool FtpClient::FtpConnect(const QString& server, const QString& user, const QString& password)
{
    if (performing())
        return false;
    FtpDisconnect();
    m_error.clear();

    const QByteArray host = textToBytes(server.trimmed());
    const QByteArray userBytes = textToBytes(user);
    const QByteArray passwordBytes = textToBytes(password);
    if (host.isEmpty()) {
        fail(QStringLiteral("No FTP server given."));
        return false;
    }
    if (holdsCommandBreak(host) || holdsCommandBreak(userBytes) ||
        holdsCommandBreak(passwordBytes)) {
        fail(QStringLiteral("The server, user name or password holds a line break."));
        return false;
    }

    auto session = std::make_unique<Session>();
    session->handle = curl_easy_init();
    if (!session->handle) {
        fail(QStringLiteral("The FTP library could not start."));
        return false;
    }
    // An IPv6 address stands in brackets in an address.
    session->hostForUrl = host.contains(':') ? '[' + host + ']' : host;

    CURL* curl = session->handle;
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    // The server's replies come through the debug channel.
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, &Session::noteReply);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, session.get());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(curl, CURLOPT_PROXY, ""); // straight to the server, whatever the environment
    curl_easy_setopt(curl, CURLOPT_USERNAME, userBytes.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, passwordBytes.constData());
    curl_easy_setopt(curl, CURLOPT_FTPPORT,
                     "-"); // active mode, on the control connection's address
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(m_limits.connectMilliseconds));
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(m_limits.replySeconds));
    curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, long(m_limits.replySeconds) * 1000);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, long(m_limits.stallSeconds));
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, &Session::readSource);
    curl_easy_setopt(curl, CURLOPT_READDATA, session.get());
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Session::reportProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, session.get());
    // Logging in without a transfer: the connection stays in the handle for the uploads.
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);

    m_session = std::move(session);
    return perform(QString());
}

bool FtpClient::FtpUpload(const QString& localPath, const QString& remotePath, FtpTransfer type)
{
    if (performing())
        return false;
    m_error.clear();
    if (!m_session) {
        fail(QStringLiteral("Not connected to an FTP server."));
        return false;
    }
    const QByteArray remote = textToBytes(remotePath);
    if (remote.isEmpty() || remote.endsWith('/') || holdsCommandBreak(remote)) {
        fail(QStringLiteral("Not a remote file name: ") + remotePath);
        return false;
    }
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("The file could not be read: ") + file.errorString());
        return false;
    }

    const bool ascii = type == FtpTransfer::Ascii;
    UploadSource source(file, ascii);
    m_session->source = &source;
    m_session->sourceSize = file.size();
    CURL* curl = m_session->handle;
    curl_easy_setopt(curl, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, ascii ? 1L : 0L);
    // The size on the wire is known only for binary; ASCII may add a CR per line.
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(ascii ? -1 : file.size()));
    const bool sent = perform(remotePath);
    if (m_session)
        m_session->source = nullptr;
    return sent;
}

void FtpClient::FtpDisconnect()
{
    if (m_session && m_session->performing)
        m_session->endRequested = true;
    else
        m_session.reset();
}

bool FtpClient::FtpIsConnected() const
{
    return m_session != nullptr;
}

QString FtpClient::lastError() const
{
    return m_error;
}

bool FtpClient::performing()
{
    // Only the progress handler can call in while a call is under way.
    const bool busy = m_session && m_session->performing;
    if (busy)
        m_error = QStringLiteral("An FTP call is already under way.");
    return busy;
}

bool FtpClient::perform(const QString& remotePath)
{
    Session& session = *m_session;
    CURLU* url = curl_url();
    const QByteArray port = QByteArray::number(m_port);
    const QByteArray path = '/' + textToBytes(remotePath);
    CURLUcode built = curl_url_set(url, CURLUPART_SCHEME, "ftp", 0);
    if (built == CURLUE_OK)
        built = curl_url_set(url, CURLUPART_HOST, session.hostForUrl.constData(), 0);
    if (built == CURLUE_OK)
        built = curl_url_set(url, CURLUPART_PORT, port.constData(), 0);
    if (built == CURLUE_OK)
        built = curl_url_set(url, CURLUPART_PATH, path.constData(), CURLU_URLENCODE);
    if (built != CURLUE_OK) {
        curl_url_cleanup(url);
        fail(QStringLiteral("Not a usable server name or remote path: ") +
             QString::fromLatin1(curl_url_strerror(built)));
        return false;
    }
    curl_easy_setopt(session.handle, CURLOPT_CURLU, url);

    session.lastReply.clear();
    session.stoppedByHandler = false;
    session.progress = &m_progress;
    session.performing = true;
    const CURLcode result = curl_easy_perform(session.handle);
    session.performing = false;
    session.progress = nullptr;
    curl_easy_setopt(session.handle, CURLOPT_CURLU, nullptr);
    curl_url_cleanup(url);

    if (result == CURLE_OK && !session.endRequested)
        return true;
    if (session.endRequested)
        fail(QStringLiteral("The FTP session was ended."));
    else if (session.stoppedByHandler)
        fail(QStringLiteral("The transfer was stopped."));
    else
        fail(session.failureText(result));
    return false;
}

void FtpClient::fail(const QString& reason)
{
    m_error = reason;
    m_session.reset();
}

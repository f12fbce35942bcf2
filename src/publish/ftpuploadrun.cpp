#include "publish/ftpuploadrun.h"

#include "core/collection.h"
#include "documents/documentfiles.h"
#include "menus/menucaption.h"
#include "platform/bytetext.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The log's lines; "\xBB" is the guillemet that marks each line's depth.
QString connectingLine(const QString& server)
{
    return eightBitGeorgian("\xBB dakavSireba serverTan: ") + server;
}
QString sendingLine(const QString& localPath)
{
    // The path as the file system's bytes, like every path in byte text.
    return eightBitGeorgian("\xBB\xBB\xBB failis gadatana: ") +
           bytesToText(QFile::encodeName(localPath));
}
const QString kConnectionFailed =
    eightBitGeorgian("\xBB\xBB serverTan dakavSireba ar moxda.Secdoma!");
const QString kConnected = QStringLiteral("\xBB\xBB [OK]");
const QString kSent = eightBitGeorgian("\xBB\xBB\xBB\xBB failis gadatana Sesrulebulia.");
const QString kSendingFailed =
    eightBitGeorgian("\xBB\xBB\xBB\xBB failis gadatana ar moxda.Secdoma!");
const QString kRunStopped = eightBitGeorgian("\xBB\xBB\xBB failebis gadatana Sewyda.");

constexpr int kConnecting = 10;
constexpr int kConnectedStep = 20;
constexpr int kSending = 50;
constexpr int kSentStep = 100;
constexpr int kCleared = 0;

} // namespace

QList<UploadFile> documentUploads(const ColectionMain& docs)
{
    QList<UploadFile> files;
    for (qint16 i = 0; i < docs.Count(); ++i) {
        const Ithem& item = docs.Item(i);
        if (!item.saved || item.filepath.path().trimmed().isEmpty() ||
            !QFileInfo(item.filepath).isFile())
            continue;
        files.append(
            {item.filepath, IsTextFile(item.filepath) ? FtpTransfer::Ascii : FtpTransfer::Binary});
    }
    return files;
}

FtpUploadRun::FtpUploadRun(FtpClient& client, Display display)
    : m_client(client), m_display(std::move(display))
{}

bool FtpUploadRun::uploadFile(const QStringList& account, const QString& path, FtpTransfer type)
{
    begin(account);
    const bool sent = uploading({path, type});
    end();
    ShowProgress(kCleared);
    return sent;
}

bool FtpUploadRun::uploadFiles(const QStringList& account, const QList<UploadFile>& files)
{
    begin(account);
    bool sent = true;
    for (const UploadFile& file : files) {
        ShowProgress(kCleared);
        sent = uploading(file);
        if (!sent) {
            appendLine(kRunStopped);
            break;
        }
    }
    end();
    return sent;
}

void FtpUploadRun::begin(const QStringList& account)
{
    m_client.FtpDisconnect();
    m_server = account.value(kServer);
    m_login = accountLogin(account);
    m_log.clear();
}

void FtpUploadRun::end()
{
    m_client.FtpDisconnect();
}

bool FtpUploadRun::uploading(const UploadFile& file)
{
    if (!QFileInfo(file.path).isFile())
        return false;
    if (!m_client.FtpIsConnected()) {
        appendLine(connectingLine(m_server));
        ShowProgress(kConnecting);
        if (!m_login || !m_client.FtpConnect(m_login->server, m_login->user, m_login->password)) {
            appendLine(kConnectionFailed);
            return false;
        }
        appendLine(kConnected);
        ShowProgress(kConnectedStep);
    }
    appendLine(sendingLine(file.path));
    ShowProgress(kSending);
    if (!m_client.FtpUpload(file.path, remoteUploadPath(m_login->subdirectory, file.path),
                            file.type)) {
        appendLine(kSendingFailed);
        return false;
    }
    appendLine(kSent);
    ShowProgress(kSentStep);
    return true;
}

void FtpUploadRun::appendLine(const QString& line)
{
    if (!m_log.isEmpty())
        m_log += kCrLf;
    m_log += line;
    if (m_display.log)
        m_display.log(m_log);
}

void FtpUploadRun::ShowProgress(int percent)
{
    if (m_display.progress)
        m_display.progress(percent);
}

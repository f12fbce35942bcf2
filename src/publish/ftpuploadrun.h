#pragma once

// One run of the upload window, apart from its controls: one chosen file, or every open
// document that has a file, sent with one account over one login. Each step is logged in the
// window's Georgian lines (8-bit layout) and shown on its progress bar: 10 connecting, 20
// connected, 50 sending, 100 sent, 0 cleared. The connection is closed at the end of every
// run, whatever happened, so a run never reuses a login, another account's least of all.

#include "platform/ftpclient.h"
#include "publish/ftpaccounts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class ColectionMain;

struct UploadFile
{
    QString path;
    FtpTransfer type;

    bool operator==(const UploadFile&) const = default;
};

// What the all-documents mode sends: every document with a file that is there, in the
// collection's order; text files (IsTextFile) as ASCII, every other file binary, whatever
// the window's own choice of type.
QList<UploadFile> documentUploads(const ColectionMain& docs);

class FtpUploadRun
{
public:
    // Called after every step: the whole log so far (its lines joined by CR LF), and the
    // progress bar's percent.
    struct Display
    {
        std::function<void(const QString& log)> log;
        std::function<void(int percent)> progress;
    };

    FtpUploadRun(FtpClient& client, Display display);

    // account: the chosen account's fields (FtpAccounts::GetAccountFields; empty for none).
    // An account that cannot log in (no account, a field missing, a password that does not
    // decode) logs the failed connection and sends nothing.

    // The single mode: one file with the type chosen; the bar is cleared afterwards. True
    // when it was sent. A path naming no file sends and logs nothing.
    bool uploadFile(const QStringList& account, const QString& path, FtpTransfer type);
    // The all-documents mode: the files in turn, the bar cleared before each; the first
    // failure stops the run with the stopped line. True when every file was sent.
    bool uploadFiles(const QStringList& account, const QList<UploadFile>& files);

    const QString& log() const { return m_log; }

private:
    void begin(const QStringList& account);
    void end();
    bool uploading(const UploadFile& file);
    void appendLine(const QString& line);
    void ShowProgress(int percent);

    FtpClient& m_client;
    Display m_display;
    QString m_server; // as the account names it, for the log
    std::optional<FtpLogin> m_login;
    QString m_log;
};

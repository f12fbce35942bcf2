#pragma once

// The stored FTP accounts and their file FTP.ini in the program folder: one line per
// account, its five fields joined by the character 01, the lines joined by CR LF with
// none after the last, 8-bit text. Passwords are kept in a digit form, never as typed.

#include <QString>
#include <QStringList>

#include <optional>

// --- The password digit form ---------------------------------------------------------

// Each character code c (0..255) becomes the six decimal digits of c + kDigitsKey.
constexpr int kDigitsKey = 618204;

// Takes byte text.
QString EncodeDigits(const QString& text);
// Fails when a group of six is cut short, holds anything but the digits 0-9, or gives a
// code outside 0..255.
std::optional<QString> DecodeDigits(const QString& digits);

// --- One account -----------------------------------------------------------------------

enum AccountField { kDescription, kServer, kUserName, kPasswordDigits, kSubdirectory };
constexpr int kAccountFieldCount = 5;
constexpr QChar kFieldSeparator = QChar(1);

// The description: what comes before the line's first field separator.
QString accountDescription(const QString& line);

// What an upload needs from an account's fields, the password decoded.
struct FtpLogin
{
    QString server;
    QString user;
    QString password;
    QString subdirectory;
};

// Nothing when a field is missing or empty, or the password does not decode: such an
// account cannot log in, and nothing must be sent with it.
std::optional<FtpLogin> accountLogin(const QStringList& fields);

// Where a local file goes: the subdirectory, "/", the file's name (after the last "/" or
// "\" of its path, in the file system's bytes). Byte text.
QString remoteUploadPath(const QString& subdirectory, const QString& localPath);

// --- The list and its file -------------------------------------------------------------

class FtpAccounts
{
public:
    // Reads FTP.ini; a missing file is an empty list, and is not created. Empty lines are
    // skipped; every other line is kept as it stands, odd ones too, and written back
    // unchanged. False with the reason when the file cannot be read; after a file that
    // exists but could not be read, the list stays empty and SaveAccountsFile refuses to
    // replace it.
    bool load(QString* error = nullptr);

    // Writes every account line into FTP.ini, atomically and readable by its owner only;
    // with no account the file is deleted. False with the reason on failure.
    bool SaveAccountsFile(QString* error = nullptr) const;

    int count() const { return int(m_lines.size()); }
    const QStringList& lines() const { return m_lines; }
    QStringList descriptions() const;

    // The five fields of the account at index (password in digit form), missing ones
    // empty; an empty list for an index outside the list.
    QStringList GetAccountFields(int index) const;

    void append(const QString& line);
    // Both do nothing for an index outside the list.
    void replace(int index, const QString& line);
    void remove(int index);

    // The file's bytes for these lines, and the lines of a file's bytes (split at CR LF,
    // lone CR or lone LF; empty lines skipped).
    static QByteArray fileContent(const QStringList& lines);
    static QStringList linesOf(const QByteArray& content);

private:
    bool contains(int index) const { return index >= 0 && index < count(); }

    QStringList m_lines;
    bool m_fileUnread = false; // the file exists but could not be read: keep it as it is
};

// The accounts file's path.
QString accountsFilePath();

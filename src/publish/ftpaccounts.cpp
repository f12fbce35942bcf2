#include "publish/ftpaccounts.h"

#include "platform/bytetext.h"
#include "platform/filewriter.h"
#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kDigitsPerCharacter = 6;
// Far beyond any list of accounts; a larger file is not read into memory.
constexpr qint64 kLargestAccountsFile = qint64(1) << 20;

const QString kAccountsFileName = QStringLiteral("FTP.ini");

} // namespace

QString EncodeDigits(const QString& text)
{
    QString digits;
    digits.reserve(text.size() * kDigitsPerCharacter);
    for (const QChar c : text)
        digits.append(QString::number(c.unicode() + kDigitsKey));
    return digits;
}

std::optional<QString> DecodeDigits(const QString& digits)
{
    if (digits.size() % kDigitsPerCharacter != 0)
        return std::nullopt;
    QString text;
    text.reserve(digits.size() / kDigitsPerCharacter);
    for (qsizetype group = 0; group < digits.size(); group += kDigitsPerCharacter) {
        int value = 0;
        for (qsizetype i = group; i < group + kDigitsPerCharacter; ++i) {
            const char16_t digit = digits[i].unicode();
            if (digit < u'0' || digit > u'9')
                return std::nullopt;
            value = value * 10 + (digit - u'0');
        }
        const int code = value - kDigitsKey;
        if (code < 0 || code > 255)
            return std::nullopt;
        text.append(QChar(code));
    }
    return text;
}

QString accountDescription(const QString& line)
{
    return line.section(kFieldSeparator, 0, 0);
}

std::optional<FtpLogin> accountLogin(const QStringList& fields)
{
    if (fields.size() < kAccountFieldCount)
        return std::nullopt;
    for (const int field : {kServer, kUserName, kPasswordDigits, kSubdirectory}) {
        if (fields[field].isEmpty())
            return std::nullopt;
    }
    const std::optional<QString> password = DecodeDigits(fields[kPasswordDigits]);
    if (!password)
        return std::nullopt;
    return FtpLogin{fields[kServer], fields[kUserName], *password, fields[kSubdirectory]};
}

QString remoteUploadPath(const QString& subdirectory, const QString& localPath)
{
    return subdirectory + QLatin1Char('/') + bytesToText(QFile::encodeName(pathTitle(localPath)));
}

QString accountsFilePath()
{
    return programFile(kAccountsFileName);
}

bool FtpAccounts::load(QString* error)
{
    m_lines.clear();
    m_fileUnread = false;
    const QString path = accountsFilePath();
    const QFileInfo info(path);
    // A missing file is an empty list. It is not created: only "OK" writes the accounts, so
    // a window that stored none (an account refused, a window just looked at) leaves the
    // program folder as it was.
    if (!info.exists())
        return true;

    m_fileUnread = true;
    // A folder or a pipe of that name is no list, and reading a pipe could wait forever.
    if (!info.isFile() || info.size() > kLargestAccountsFile) {
        if (error)
            *error = QStringLiteral("FTP.ini is not a list of accounts.");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    m_lines = linesOf(file.read(kLargestAccountsFile));
    m_fileUnread = false;
    return true;
}

bool FtpAccounts::SaveAccountsFile(QString* error) const
{
    if (m_fileUnread) {
        if (error)
            *error = QStringLiteral("The accounts file could not be read, so it is kept as it is.");
        return false;
    }
    const QString path = accountsFilePath();
    if (!m_lines.isEmpty())
        return writeOwnerOnlyFile(path, fileContent(m_lines), error);
    QFile file(path);
    if (!file.exists() || file.remove())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

QStringList FtpAccounts::descriptions() const
{
    QStringList descriptions;
    descriptions.reserve(m_lines.size());
    for (const QString& line : m_lines)
        descriptions.append(accountDescription(line));
    return descriptions;
}

QStringList FtpAccounts::GetAccountFields(int index) const
{
    if (!contains(index))
        return {};
    QStringList fields = m_lines[index].split(kFieldSeparator);
    fields.resize(kAccountFieldCount);
    return fields;
}

void FtpAccounts::append(const QString& line)
{
    m_lines.append(line);
}

void FtpAccounts::replace(int index, const QString& line)
{
    if (contains(index))
        m_lines[index] = line;
}

void FtpAccounts::remove(int index)
{
    if (contains(index))
        m_lines.removeAt(index);
}

QByteArray FtpAccounts::fileContent(const QStringList& lines)
{
    return textToBytes(lines.join(kCrLf));
}

QStringList FtpAccounts::linesOf(const QByteArray& content)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= content.size(); ++i) {
        if (i < content.size() && content[i] != '\r' && content[i] != '\n')
            continue;
        if (i > start)
            lines.append(bytesToText(content.mid(start, i - start)));
        start = i + 1;
    }
    return lines;
}

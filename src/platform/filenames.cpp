#include "platform/filenames.h"

#include <QStringDecoder>

#include <cerrno>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Whether the character at i stands for a byte: a low surrogate of the escapes' range that
// is not the second half of a character above U+FFFF (U+1F480..U+1F4FF end in that range).
bool isEscapeAt(QStringView path, qsizetype i)
{
    const char16_t unit = path[i].unicode();
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF &&
           (i == 0 || !path[i - 1].isHighSurrogate());
}

// A NUL would cut the name short at the file system, naming another file.
bool usable(const QByteArray& name)
{
    return !name.isEmpty() && !name.contains('\0');
}

// A name of the file system, UTF-8 decoded, or, when it is not UTF-8, with every byte from
// 80 up as its escape character.
void appendNamePart(QString& path, QByteArrayView name)
{
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString decoded = utf8.decode(name);
    if (!utf8.hasError()) {
        path += decoded;
        return;
    }
    for (const char byte : name) {
        const auto code = uchar(byte);
        path += QChar(code < 0x80 ? char16_t(code) : char16_t(kEscapeBase + code));
    }
}

} // namespace

QString fileNameFromBytes(const QByteArray& bytes)
{
    // Each part of a path on its own: a UTF-8 folder keeps Qt's form of its name whatever
    // the names inside it are.
    QString path;
    path.reserve(bytes.size());
    for (qsizetype from = 0;;) {
        const qsizetype slash = bytes.indexOf('/', from);
        const qsizetype end = slash < 0 ? bytes.size() : slash;
        appendNamePart(path, QByteArrayView(bytes).sliced(from, end - from));
        if (slash < 0)
            return path;
        path += QLatin1Char('/');
        from = slash + 1;
    }
}

QByteArray fileNameBytes(const QString& path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype from = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!isEscapeAt(path, i))
            continue;
        bytes += QStringView(path).sliced(from, i - from).toUtf8();
        bytes += char(path[i].unicode() - kEscapeBase);
        from = i + 1;
    }
    bytes += QStringView(path).sliced(from).toUtf8();
    return bytes;
}

bool hasEightBitName(const QString& path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isEscapeAt(path, i))
            return true;
    }
    return false;
}

QStringList folderFiles(const QString& folder)
{
    QStringList names;
    const QByteArray base = fileNameBytes(folder) + '/';
    if (folder.isEmpty() || !usable(base))
        return names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(base.constData()), &::closedir);
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        struct stat facts
        {
        };
        if (name.startsWith('.') || ::stat((base + name).constData(), &facts) != 0 ||
            !S_ISREG(facts.st_mode))
            continue;
        names << fileNameFromBytes(name);
    }
    return names;
}

FileFacts fileFacts(const QString& path)
{
    const QByteArray name = fileNameBytes(path);
    struct stat facts
    {
    };
    if (!usable(name) || ::stat(name.constData(), &facts) != 0)
        return {};
    return {true, S_ISREG(facts.st_mode), ::access(name.constData(), R_OK) == 0,
            qint64(facts.st_size)};
}

bool openForReading(QFile& file, const QString& path)
{
    const QByteArray name = fileNameBytes(path);
    const int handle = usable(name) ? ::open(name.constData(), O_RDONLY | O_CLOEXEC) : -1;
    if (handle < 0)
        return false;
    if (file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(handle);
    return false;
}

bool removeFile(const QString& path, QString* error)
{
    const QByteArray name = fileNameBytes(path);
    if (usable(name) && ::unlink(name.constData()) == 0)
        return true;
    if (error)
        *error = qt_error_string(usable(name) ? errno : ENOENT);
    return false;
}

#include "search/wraptemplates.h"

#include "platform/bytetext.h"
#include "platform/filewriter.h"

#include <QFile>

#include <limits>

namespace {

constexpr qsizetype kLongestString = std::numeric_limits<quint16>::max();
constexpr std::size_t kMostTemplates = std::size_t(std::numeric_limits<qint16>::max()) + 1;

QString damagedFile()
{
    return QStringLiteral("es faili dazianebulia an formatebis faili ar aris.");
}

// Reads the file's fields in order; any read past the end fails, and so does every read
// after it.
class TffReader
{
public:
    explicit TffReader(const QByteArray& bytes) : m_bytes(bytes) {}

    std::optional<qint16> upperBound()
    {
        const std::optional<quint16> value = number();
        return value ? std::optional<qint16>(qint16(*value)) : std::nullopt;
    }

    std::optional<QString> string()
    {
        const std::optional<quint16> length = number();
        if (!length || *length > m_bytes.size() - m_at)
            return std::nullopt;
        const QString text = bytesToText(m_bytes.sliced(m_at, *length));
        m_at += *length;
        return text;
    }

private:
    std::optional<quint16> number()
    {
        if (m_bytes.size() - m_at < 2)
            return std::nullopt;
        const auto low = quint8(m_bytes[m_at]);
        const auto high = quint8(m_bytes[m_at + 1]);
        m_at += 2;
        return quint16(low | (high << 8));
    }

    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

void appendNumber(QByteArray& out, quint16 value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

} // namespace

QString templateSeparator()
{
    return QStringLiteral("<\u00A7$\u00A7>");
}

QString templateBody(const QString& before, const QString& after)
{
    return before + templateSeparator() + after;
}

TemplateParts splitTemplateBody(const QString& body)
{
    const qsizetype at = body.lastIndexOf(templateSeparator());
    if (at < 0)
        return {body, QString()};
    return {body.first(at), body.sliced(at + templateSeparator().size())};
}

// --- .TFF files ------------------------------------------------------------------------

TffContent parseTff(const QByteArray& bytes)
{
    TffReader reader(bytes);
    const std::optional<qint16> upperBound = reader.upperBound();
    if (!upperBound)
        return {std::nullopt, damagedFile()};
    // The program never saves an empty list, so -1 (no template) is as wrong as any other
    // negative count.
    if (*upperBound < 0)
        return {std::nullopt, QStringLiteral("formatebis raodenoba failSi arasworia.")};
    std::vector<TFormat> formats;
    for (int i = 0; i <= *upperBound; ++i) {
        std::optional<QString> name = reader.string();
        std::optional<QString> body = reader.string();
        if (!name || !body)
            return {std::nullopt, damagedFile()};
        formats.push_back({std::move(*name), std::move(*body)});
    }
    return {std::move(formats), QString()};
}

TffBytes tffBytes(const std::vector<TFormat>& formats)
{
    if (formats.size() > kMostTemplates)
        return {std::nullopt, QStringLiteral("formatebi Zalian bevria da ver Caiwereba.")};
    QByteArray out;
    appendNumber(out, quint16(qint16(formats.size() - 1)));
    for (std::size_t i = 0; i < formats.size(); ++i) {
        for (const QString* text : {&formats[i].name, &formats[i].body}) {
            const QByteArray bytes = textToBytes(*text);
            if (bytes.size() > kLongestString)
                return {std::nullopt, QStringLiteral("formati ") + QString::number(i + 1) +
                                          QStringLiteral(" (") + formats[i].name +
                                          QStringLiteral(") Zalian grZelia da ver Caiwereba.")};
            appendNumber(out, quint16(bytes.size()));
            out += bytes;
        }
    }
    return {std::move(out), QString()};
}

TffContent readTffFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("failis wakiTxva ver moxerxda.")};
    if (file.size() > kLargestTextFile)
        return {std::nullopt, QStringLiteral("faili Zalian didia.")};
    return parseTff(file.readAll());
}

QString writeTffFile(const QString& path, const std::vector<TFormat>& formats)
{
    const TffBytes content = tffBytes(formats);
    if (!content.bytes)
        return content.refusal;
    QString error;
    if (!writeWholeFile(path, *content.bytes, &error))
        return QStringLiteral("faili ver Caiwera: ") + error;
    return QString();
}

// --- TFormatList -----------------------------------------------------------------------

void TFormatList::changed()
{
    if (m_onChange)
        m_onChange();
}

std::optional<std::size_t> TFormatList::addOrUpdate(const QString& name, const QString& before,
                                                    const QString& after)
{
    if (name.isEmpty())
        return std::nullopt;
    TFormat format{name, templateBody(before, after)};
    std::size_t index = m_formats.size();
    if (m_edited)
        index = *m_edited;
    if (index < m_formats.size())
        m_formats[index] = std::move(format);
    else
        m_formats.push_back(std::move(format));
    m_edited.reset();
    changed();
    return index;
}

std::optional<TFormatList::Fields> TFormatList::beginEdit(std::size_t index)
{
    if (index >= m_formats.size())
        return std::nullopt;
    m_edited = index;
    return Fields{m_formats[index].name, splitTemplateBody(m_formats[index].body)};
}

void TFormatList::remove(std::size_t index)
{
    if (index >= m_formats.size())
        return;
    m_formats.erase(m_formats.begin() + std::ptrdiff_t(index));
    if (m_edited == index)
        m_edited.reset();
    else if (m_edited && *m_edited > index)
        --*m_edited;
    changed();
}

void TFormatList::append(const std::vector<TFormat>& loaded)
{
    m_formats.insert(m_formats.end(), loaded.begin(), loaded.end());
    changed();
}

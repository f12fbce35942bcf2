#include "core/progprops.h"

#include "core/optionsrules.h"
#include "core/sharedroutines.h"
#include "platform/bytetext.h"
#include "platform/filewriter.h"
#include "platform/paths.h"

#include <QFile>
#include <QtEndian>

ProgProps Props;

QString noBreakSpace(const ProgProps& props)
{
    return props.norNB == kOn ? QStringLiteral("&nbsp;") : QStringLiteral("\xC2\xA0");
}

namespace {

// The one list of the record's fields in file order, walked by both the reader and the
// writer so that the two can never disagree.
template <class Record, class Visitor> void visitFields(Record& p, Visitor& field)
{
    field(p.maxwind);
    field(p.winpoz);
    field(p.lastfile);
    field(p.stfont);
    field(p.stfsiz);
    field(p.bold);
    field(p.italik);
    field(p.normal);
    field(p.georgfont);
    field(p.rusfont);
    field(p.latinfont);
    field(p.backcolor);
    field(p.forekolor);
    field(p.firstcolor);
    field(p.lastcolor);
    field(p.Meta);
    field(p.HTMLparams);
    field(p.reserv8);
    field(p.reservStr);
    field(p.tagsIN);
    field(p.paramsin);
    field(p.norNB);
    field(p.unNB);
    field(p.tablen);
    field(p.gergASC);
    field(p.recentonstart);
}

class RecordReader
{
public:
    explicit RecordReader(const QByteArray& data) : m_data(data) {}

    bool complete() const { return m_complete; }

    template <class Number> void operator()(Number& value)
    {
        if (const char* bytes = take(sizeof(Number)))
            value = qFromLittleEndian<Number>(bytes);
    }

    void operator()(std::array<quint8, 8>& reserved)
    {
        if (const char* bytes = take(reserved.size()))
            std::copy_n(bytes, reserved.size(), reserved.begin());
    }

    void operator()(QString& text)
    {
        quint16 length = 0;
        (*this)(length);
        if (const char* bytes = take(length))
            text = bytesToText(QByteArray(bytes, length));
    }

private:
    // The next n bytes, or nullptr once the data has ended: from then on nothing is read.
    const char* take(qsizetype n)
    {
        if (!m_complete || m_data.size() - m_position < n) {
            m_complete = false;
            return nullptr;
        }
        const char* bytes = m_data.constData() + m_position;
        m_position += n;
        return bytes;
    }

    const QByteArray& m_data;
    qsizetype m_position = 0;
    bool m_complete = true;
};

class RecordWriter
{
public:
    explicit RecordWriter(QByteArray& record) : m_record(record) {}

    PropsEncoding outcome() const { return m_outcome; }

    template <class Number> void operator()(Number value)
    {
        char bytes[sizeof(Number)];
        qToLittleEndian(value, bytes);
        m_record.append(bytes, sizeof(Number));
    }

    void operator()(const std::array<quint8, 8>& reserved)
    {
        m_record.append(reinterpret_cast<const char*>(reserved.data()), reserved.size());
    }

    void operator()(const QString& text)
    {
        if (text.size() > 0xFFFF) {
            fail(PropsEncoding::StringTooLong);
        } else if (!isByteText(text)) {
            fail(PropsEncoding::NotByteText);
        }
        (*this)(quint16(text.size()));
        m_record.append(textToBytes(text));
    }

private:
    void fail(PropsEncoding outcome)
    {
        if (m_outcome == PropsEncoding::Done)
            m_outcome = outcome;
    }

    QByteArray& m_record;
    PropsEncoding m_outcome = PropsEncoding::Done;
};

// Latin-key Georgian texts, shown in the program's own box.
const QString kPropsUnreadable = QStringLiteral("parametrebis failis wakiTxva ver moxerxda.");
const QString kPropsDamaged =
    QStringLiteral("parametrebis faili dazianebulia. zogierTi parametri gamorTulia.");
const QString kPropsNotWritten = QStringLiteral("parametrebis failis Cawera ver moxerxda.");
const QString kPropsFontSize = QStringLiteral(
    "parametrebis failSi Sriftis zoma %1 ar gamodgeba; gamoyenebulia standartuli zoma %2.");
const QString kPropsTextTooLong =
    QStringLiteral("parametrebis failis Cawera ver moxerxda: erT-erTi teqsti Zalian grZelia.");
const QString kPropsTextNotBytes =
    QStringLiteral("parametrebis failis Cawera ver moxerxda: erT-erTi teqsti 8-bitiani ar aris.");

void reportPropsProblem(const QString& prompt)
{
    MsgBoxa(prompt, QString(), kIconError, 1, QString(), 40);
}

} // namespace

bool decodeProps(const QByteArray& data, ProgProps& props)
{
    // The reader assigns a field only when the whole field is there, and stops at the
    // first one that is not: that field and every later one keep their zero values.
    props = ProgProps{};
    RecordReader reader(data);
    visitFields(props, reader);
    return reader.complete();
}

PropsEncoding encodeProps(const ProgProps& props, QByteArray& record)
{
    record.clear();
    RecordWriter writer(record);
    visitFields(props, writer);
    if (writer.outcome() != PropsEncoding::Done)
        record.clear();
    return writer.outcome();
}

FontRecord editorFontFromOptions(FontRecord current, const QString& family)
{
    if (!family.isEmpty())
        current.family = family;
    if (Props.stfsiz > 0)
        current.pointSize = Props.stfsiz;
    current.bold = Props.bold != 0;
    current.italic = Props.italik != 0;
    return current;
}

void LoadProps()
{
    QFile file(programFile(kPropsFileName));
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        reportPropsProblem(kPropsUnreadable);
        return;
    }
    // Nothing beyond the longest possible record is read, whatever the file's size.
    const QByteArray data = file.read(kPropsMaximumSize);
    ProgProps loaded;
    const bool complete = decodeProps(data, loaded);
    // 0 names no size (the editor keeps its own); a size the options dialog cannot give
    // would reach the editor and hide the text.
    const qint16 readSize = loaded.stfsiz;
    if (readSize != 0)
        loaded.stfsiz = fontSizeOrDefault(readSize);
    Props = loaded;
    if (!complete)
        reportPropsProblem(kPropsDamaged);
    if (loaded.stfsiz != readSize)
        reportPropsProblem(kPropsFontSize.arg(readSize).arg(loaded.stfsiz));
}

bool SaveProps()
{
    QByteArray content;
    switch (encodeProps(Props, content)) {
    case PropsEncoding::Done:
        break;
    case PropsEncoding::StringTooLong:
        reportPropsProblem(kPropsTextTooLong);
        return false;
    case PropsEncoding::NotByteText:
        reportPropsProblem(kPropsTextNotBytes);
        return false;
    }
    // The record goes over the old file from its first byte; a longer old file keeps its
    // tail, which the next load ignores.
    const QString path = programFile(kPropsFileName);
    QFile old(path);
    if (old.open(QIODevice::ReadOnly))
        content.append(old.readAll().mid(content.size()));
    if (!writeWholeFile(path, content)) {
        reportPropsProblem(kPropsNotWritten);
        return false;
    }
    return true;
}

#include "support/scriptedprompts.h"

#include "platform/packedcolour.h"

#include <QPrinter>

#include <gtest/gtest.h>

ScriptedPrompts::ScriptedPrompts(QStringList answers)
    : m_answers(std::move(answers)), m_previous(installPrompts(this))
{}

ScriptedPrompts::~ScriptedPrompts()
{
    installPrompts(m_previous);
}

QString ScriptedPrompts::nextAnswer(Question question)
{
    m_asked << question;
    if (m_answers.isEmpty()) {
        ADD_FAILURE() << "unscripted question: " << question.prompt.toStdString();
        return {};
    }
    return m_answers.takeFirst();
}

QString ScriptedPrompts::messageBox(const QString& prompt, const QString& title, qint32 icon,
                                    quint8 buttons, const QString& captions, quint8 wrap)
{
    return nextAnswer(
        {QStringLiteral("message"), prompt, title, icon, buttons, captions, wrap, {}, {}, {}, {}});
}

QString ScriptedPrompts::inputBox(const QString& prompt, const QString& title,
                                  const QString& /*font*/, const QString& /*initial*/,
                                  qint32 /*width*/, qint32 /*height*/)
{
    return nextAnswer({QStringLiteral("input"), prompt, title, 0, 2, {}, 0, {}, {}, {}, {}});
}

QString ScriptedPrompts::listBox(const QString& prompt, const QStringList& items,
                                 const QString& title, const QString& /*font*/, qint32 /*width*/,
                                 qint32 /*height*/, qint16 /*byIndex*/)
{
    return nextAnswer({QStringLiteral("list"), prompt, title, 0, 2, {}, 0, items, {}, {}, {}});
}

void ScriptedPrompts::failureMessage(const QString& text)
{
    m_asked << Question{QStringLiteral("failure"), text, {}, 0, 1, {}, 0, {}, {}, {}, {}};
}

void ScriptedPrompts::platformMessage(const QString& text, PlatformIcon icon, const QString& title)
{
    m_asked << Question{
        QStringLiteral("platform"), text, title, qint32(icon), 1, {}, 0, {}, {}, {}, {}};
}

QString ScriptedPrompts::openFileName(QWidget* /*owner*/, const QString& title,
                                      const QString& filter)
{
    return nextAnswer({QStringLiteral("open"), {}, title, 0, 0, {}, 0, {}, filter, {}, {}});
}

QString ScriptedPrompts::saveFileName(QWidget* /*owner*/, const QString& title,
                                      const QString& filter, const QString& proposedName,
                                      const QString& folder)
{
    return nextAnswer(
        {QStringLiteral("save"), {}, title, 0, 0, {}, 0, {}, filter, proposedName, folder});
}

std::optional<quint32> ScriptedPrompts::chooseColour(QWidget* /*owner*/, quint32 initial)
{
    const QString start = unpackedColour(initial).name().toUpper();
    const QString answer =
        nextAnswer({QStringLiteral("colour"), start, {}, 0, 0, {}, 0, {}, {}, {}, {}});
    const QColor chosen = QColor::fromString(answer);
    if (answer.isEmpty() || !chosen.isValid())
        return std::nullopt;
    return packedColour(chosen);
}

QString ScriptedPrompts::openFileNameIn(QWidget* /*owner*/, const QString& title,
                                        const QString& filter, const QString& folder)
{
    return nextAnswer({QStringLiteral("open"), {}, title, 0, 0, {}, 0, {}, filter, {}, folder});
}

std::shared_ptr<QPrinter> ScriptedPrompts::printDialog(QWidget* /*owner*/, bool selectionOffered)
{
    Question question;
    question.kind = QStringLiteral("print");
    question.selectionOffered = selectionOffered;
    const QString answer = nextAnswer(question);
    const qsizetype bar = answer.indexOf(u'|');
    if (bar < 0)
        return nullptr;
    auto printer = std::make_shared<QPrinter>();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(answer.mid(bar + 1));
    printer->setPrintRange(answer.left(bar) == QLatin1String("selection") ? QPrinter::Selection
                                                                          : QPrinter::AllPages);
    return printer;
}

QString ScriptedPrompts::fontText(const FontChoice& font)
{
    return font.family + QLatin1Char('/') + QString::number(font.pointSize) + QLatin1Char('/') +
           (font.bold ? QStringLiteral("B") : QString()) +
           (font.italic ? QStringLiteral("I") : QString());
}

std::optional<FontChoice> ScriptedPrompts::chooseFont(QWidget* /*owner*/, const FontChoice& initial)
{
    const QString answer =
        nextAnswer({QStringLiteral("font"), fontText(initial), {}, 0, 0, {}, 0, {}, {}, {}, {}});
    if (answer.isEmpty())
        return std::nullopt;
    const QStringList parts = answer.split(QLatin1Char('/'));
    EXPECT_EQ(parts.size(), 3) << "scripted font: " << answer.toStdString();
    if (parts.size() != 3)
        return std::nullopt;
    return FontChoice{parts[0], parts[1].toInt(), parts[2].contains(QLatin1Char('B')),
                      parts[2].contains(QLatin1Char('I'))};
}

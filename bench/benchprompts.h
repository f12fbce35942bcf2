#pragma once

// The answers the benchmarks give the program's questions: every message box answers with
// one chosen button, input boxes keep their proposed text, and dialogs are cancelled.
// Installed while it lives; failures the program reports are printed.

#include "platform/prompts.h"

class BenchPrompts : public Prompts
{
public:
    explicit BenchPrompts(QString messageAnswer);
    ~BenchPrompts() override;

    QString messageBox(const QString&, const QString&, qint32, quint8, const QString&,
                       quint8) override
    {
        return m_messageAnswer;
    }
    QString inputBox(const QString&, const QString&, const QString&, const QString& initial, qint32,
                     qint32) override
    {
        return initial;
    }
    QString listBox(const QString&, const QStringList&, const QString&, const QString&, qint32,
                    qint32, qint16) override
    {
        return QStringLiteral("7");
    }
    void failureMessage(const QString& text) override;
    void platformMessage(const QString&, PlatformIcon, const QString&) override {}
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&,
                         const QString&) override
    {
        return {};
    }
    std::optional<quint32> chooseColour(QWidget*, quint32) override { return std::nullopt; }
    std::optional<FontChoice> chooseFont(QWidget*, const FontChoice&) override
    {
        return std::nullopt;
    }

private:
    QString m_messageAnswer;
    Prompts* m_previous;
};

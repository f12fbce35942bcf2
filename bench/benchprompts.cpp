#include "benchprompts.h"

#include <cstdio>

BenchPrompts::BenchPrompts(QString messageAnswer)
    : m_messageAnswer(std::move(messageAnswer)), m_previous(installPrompts(this))
{}

BenchPrompts::~BenchPrompts()
{
    installPrompts(m_previous);
}

void BenchPrompts::failureMessage(const QString& text)
{
    std::fprintf(stderr, "failure: %s\n", qPrintable(text));
}

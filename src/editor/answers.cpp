#include "editor/answers.h"

#include <cmath>
#include <limits>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The answer's leading number, rounded; 0 when it begins with none.
double leadingNumber(const QString& answer)
{
    qsizetype i = 0;
    while (i < answer.size() && (answer[i] == u' ' || answer[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < answer.size() && (answer[i] == u'+' || answer[i] == u'-'))
        ++i;
    while (i < answer.size() && isDigit(answer[i]))
        ++i;
    if (i < answer.size() && answer[i] == u'.') {
        ++i;
        while (i < answer.size() && isDigit(answer[i]))
            ++i;
    }
    bool ok = false;
    const double value = answer.mid(start, i - start).toDouble(&ok);
    return ok ? std::nearbyint(value) : 0.0; // the default rounding takes halves to even
}

template <typename Int> std::optional<Int> answerIn(const QString& answer)
{
    const double value = leadingNumber(answer);
    if (value < double(std::numeric_limits<Int>::min()) ||
        value > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return Int(value);
}

} // namespace

std::optional<qint16> sixteenBitAnswer(const QString& answer)
{
    return answerIn<qint16>(answer);
}

std::optional<quint8> byteAnswer(const QString& answer)
{
    return answerIn<quint8>(answer);
}

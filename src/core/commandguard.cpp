#include "core/commandguard.h"

#include "platform/prompts.h"

#include <QString>

#include <exception>
#include <new>

namespace {

void reportFailure(const QString& reason)
{
    prompts().failureMessage(QStringLiteral("brZaneba ver Sesrulda: ") + reason);
}

} // namespace

bool runGuarded(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const std::bad_alloc&) {
        reportFailure(QStringLiteral("mexsiereba ar kmara (out of memory)."));
    } catch (const std::exception& error) {
        reportFailure(QString::fromLatin1(error.what()));
    } catch (...) {
        reportFailure(QStringLiteral("ucnobi Secdoma (unknown error)."));
    }
    return false;
}

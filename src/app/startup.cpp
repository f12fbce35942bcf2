#include "app/startup.h"

#include "core/progprops.h"

#include <QDir>

RunState ThisRun;

namespace {

const QString kNoMax = QStringLiteral("NOMAX");
const QString kListSeparator = QStringLiteral("\" \"");
const QString kListForm = QStringLiteral("SIA");

} // namespace

StartRequest startRequestFromArguments(const QStringList& arguments)
{
    using Form = StartRequest::Form;
    if (arguments.isEmpty() || (arguments.size() == 1 && arguments.first().isEmpty()))
        return {Form::Plain, {}};
    if (arguments.size() == 1 && arguments.first() == kNoMax)
        return {Form::NotMaximised, {}};
    // Paths relative to the folder the program was started in become whole paths, so
    // that captions and the recent-files list name the file itself.
    QStringList paths;
    const QDir current = QDir::current();
    for (const QString& argument : arguments)
        paths << (argument.isEmpty() ? argument : current.absoluteFilePath(argument));
    if (paths.size() == 1)
        return {Form::OneFile, paths.first()};
    return {Form::FileList, paths.join(kListSeparator)};
}

void Main(const StartRequest& request, StartTarget& window)
{
    using Form = StartRequest::Form;
    LoadProps();
    ThisRun = RunState{};
    ThisRun.commandLineEmpty = request.form == Form::Plain;
    switch (request.form) {
    case Form::Plain:
        window.showPlain();
        break;
    case Form::NotMaximised:
        window.commandladenforma(kNoMax);
        break;
    case Form::FileList:
        window.comandopen(kListForm, request.text);
        break;
    case Form::OneFile:
        ThisRun.lastFileSuppressed = true;
        window.comandopen(request.text, QString());
        break;
    }
}

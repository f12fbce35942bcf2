#include "editor/textfunctions.h"

#include "platform/bytetext.h"
#include "platform/casefold.h"

#include <QList>
#include <QStringView>

QString stripTags(const QString& text)
{
    // One pass: a character is blank when it is a blank or lies inside a tag; every run of
    // blanks leaves one blank when its length is odd, none when it is even.
    QString stripped;
    stripped.reserve(text.size());
    qsizetype blankRun = 0;
    auto endRun = [&] {
        if (blankRun % 2 != 0)
            stripped.append(u' ');
        blankRun = 0;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'<') {
            const qsizetype close = text.indexOf(u'>', i + 1);
            if (close < 0)
                return text;
            blankRun += close - i + 1;
            i = close;
        } else if (c == u' ') {
            ++blankRun;
        } else {
            endRun();
            stripped.append(c);
        }
    }
    endRun();
    return stripped;
}

QString applyTextFunction(TextFunction function, const QString& text)
{
    switch (function) {
    case TextFunction::UpperCase:
        return CaseFold::toUpper(text);
    case TextFunction::LowerCase:
        return CaseFold::toLower(text);
    case TextFunction::WordPerLine:
        return QString(text).replace(u' ', kCrLf);
    case TextFunction::JoinLines:
        return QString(text).replace(kCrLf, QLatin1String(" "));
    case TextFunction::StripTags:
        break;
    }
    return stripTags(text);
}

std::optional<TextEdit> textFunctionEdit(TextFunction function, const EditorSelection& selection)
{
    if (selection.isEmpty())
        return std::nullopt;
    return rewrittenSelection(selection, applyTextFunction(function, selection.text));
}

std::optional<TextEdit> combineLists(const EditorSelection& selection,
                                     const std::optional<QString>& clipboardText)
{
    if (!selection.text.contains(kCrLf) || !clipboardText || !clipboardText->contains(kCrLf))
        return std::nullopt;
    const QList<QStringView> selected = QStringView(selection.text).split(kCrLf);
    const QList<QStringView> clipboard = QStringView(*clipboardText).split(kCrLf);
    QString combined;
    combined.reserve(selection.text.size() + clipboardText->size() + selected.size());
    for (qsizetype i = 0; i < selected.size(); ++i) {
        if (i > 0)
            combined.append(kCrLf);
        combined.append(selected[i]);
        if (i < clipboard.size())
            combined.append(u' ').append(clipboard[i]);
    }
    return rewrittenSelection(selection, combined);
}
